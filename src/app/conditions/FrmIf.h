#pragma once

#include "conditions/ConditionKind.h"

#include <QDialog>
#include <QList>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace rw {

class ConditionEditor;
class Dialogs;
class Workspace;

// The condition editor: one tab per kind of condition, built from the kind's
// description (ConditionKinds), the composed caption shown live, and the
// confirm and cancel buttons. It holds no values of its
// own: every control is set from the workspace's editor model, and every
// change is one call on that model followed by a re-read. Because the model
// keeps the values between showings, a fresh dialog is made for each one.
class FrmIf : public QDialog {
    Q_OBJECT
public:
    enum class Opening {
        ToolbarAdd,    // condition toolbar button 1
        ToolbarChange, // condition toolbar button 2
        MenuAdd,       // "条件の追加(&A)..."
        Change,        // "条件の編集(&E)..." and a double click on a node
    };

    // Opens the editor model the given way and, when it has something to
    // show, shows the dialog modally through `dialogs`. False when nothing
    // was shown.
    static bool Open(Workspace& work, Dialogs& dialogs, Opening opening, QWidget* parent = nullptr);

    FrmIf(Workspace& work, Dialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    QComboBox* PickerBox(int kind, int index) const;
    QLineEdit* NumberBox(int kind) const;
    QCheckBox* IncludeBox(int kind) const;
    QLabel* CaptionLabel() const { return caption_; }
    QPushButton* ConfirmButton() const { return confirm_; }
    QPushButton* CancelButton() const { return cancel_; }

    // "追加"/"変更": an invalid input is refused with a message and the
    // dialog stays open.
    void Confirm();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Panel {
        std::array<QComboBox*, 5> pickers{};
        QLineEdit* number = nullptr;
        int numberIndex = -1;
        QCheckBox* include = nullptr;
    };

    ConditionEditor& Model() const;
    QWidget* BuildPanel(const ConditionKind& kind);
    // Sets every control from the model.
    void Reload();
    void ReloadPanel(const ConditionKind& kind);

    Workspace& work_;
    Dialogs& dialogs_;
    bool syncing_ = false;
    QList<Panel> panels_; // by kind, [0] unused
    QTabWidget* tabs_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* fact_ = nullptr;
    QLabel* timerHelp_ = nullptr;
    QLabel* variableDescription_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace rw

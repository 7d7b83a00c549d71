#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace rw {

class Dialogs;
class FreeEventAttack;
class FreeEventBuilding;
class FreeEventChat;
class FreeEventDiplomacy;
class FreeEventEditor;
class FreeEventExplore;
class FreeEventRange;
class FreeEventResearch;
class FreeEventResource;
class FreeEventStrategicNumber;
class FreeEventTimer;
class FreeEventUnit;
class FreeEventVariable;
class Workspace;

// The free-event dialog "フリーイベント": one tab per kind of action over the
// workspace's editor model, each the page of one free-event kind. Every
// control change is one setter call, after which all controls and the
// preview are read back from the model.
class FrmFree : public QDialog {
    Q_OBJECT
public:
    // The add and edit commands of the free-event tree: open the editor,
    // show the dialog through `dialogs`, and settle the editor however the
    // dialog ended. The caller refreshes its window afterwards.
    static void Add(Workspace& work, Dialogs& dialogs);
    static void Edit(Workspace& work, Dialogs& dialogs);

    FrmFree(Workspace& work, Dialogs& dialogs, QWidget* parent = nullptr);

    // For tests and the window: the controls by object name ("chat.text",
    // "building.picker", ...), the tabs and the two buttons.
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ConfirmButton() const { return confirm_; }
    QPushButton* CancelButton() const { return cancel_; }
    QLabel* CaptionLabel() const { return caption_; }
    QLabel* CommandLabel() const { return command_; }
    QLabel* RelatedLabel() const { return related_; }

    // True once confirm, cancel or the close box has settled the editor.
    bool Settled() const { return settled_; }

    // The close box and Escape only hide the editor: its inputs are kept.
    void reject() override;

private:
    static void Show(Workspace& work, Dialogs& dialogs);

    // The page of each kind; a kind without a page does not compile.
    QWidget* Page(FreeEventChat& chat);
    QWidget* Page(FreeEventBuilding& building);
    QWidget* Page(FreeEventResearch& research);
    QWidget* Page(FreeEventUnit& unit);
    QWidget* Page(FreeEventResource& resource);
    QWidget* Page(FreeEventAttack& attack);
    QWidget* Page(FreeEventRange& range);
    QWidget* Page(FreeEventExplore& explore);
    QWidget* Page(FreeEventStrategicNumber& number);
    QWidget* Page(FreeEventVariable& variable);
    QWidget* Page(FreeEventDiplomacy& diplomacy);
    QWidget* Page(FreeEventTimer& timer);

    QComboBox* Picker(const QString& name, const std::function<void(int)>& set);
    QLineEdit* Box(const QString& name, const std::function<void(const QString&)>& set);
    void Change(const std::function<void()>& change);
    void Sync();
    void Confirm();
    void CancelPressed();

    Workspace& work_;
    Dialogs& dialogs_;
    FreeEventEditor& editor_;
    bool syncing_ = false;
    bool settled_ = false;
    QList<std::function<void()>> syncs_; // each reads one control back

    QTabWidget* tabs_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* command_ = nullptr;
    QLabel* related_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace rw

#pragma once

#include "builder/ConstNames.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

namespace rw {

class Dialogs;
class Workspace;

// "プロジェクトの設定": the names and help texts of the variables and
// timers, the AI's title and author. Every edit goes into the project at once,
// except a name the script cannot carry: it is never stored, the rule it
// breaks is shown under the boxes, and when the box is left the user is told
// and the box goes back to the name the slot had.
class ProjectSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ProjectSettingsDialog(Workspace& work, Dialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    // Page 0 holds the variables, page 1 the timers.
    QTreeWidget* List(int page) const { return pages_[page].list; }
    QLabel* NumberLabel(int page) const { return pages_[page].label; }
    QLineEdit* NameBox(int page) const { return pages_[page].name; }
    // The rule a name being typed breaks; empty while the name is sound.
    QLabel* NameProblem(int page) const { return pages_[page].problem; }
    QLineEdit* HelpBox(int page) const { return pages_[page].help; }
    QLineEdit* TitleBox() const { return title_; }

private:
    struct Page {
        ConstKind kind = ConstKind::Variable;
        QTreeWidget* list = nullptr;
        QLabel* label = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* help = nullptr;
        QLabel* problem = nullptr;
        QString nameBefore; // the slot's name when the row was loaded
        bool loading = false;
    };

    QWidget* BuildPage(int index, ConstKind kind);
    void FillPage(int index);
    void LoadRow(int index, int slot);
    // The stored name (column 0) or help text (column 1) of a page's slot.
    QString Read(int index, int slot, int column) const;
    void EditHelp(int index, const QString& text);
    void EditName(int index, const QString& text);
    void FinishName(int index);
    int CurrentSlot(int index) const;

    Workspace& work_;
    Dialogs& dialogs_;
    QTabWidget* tabs_;
    Page pages_[2];
    QLineEdit* title_;
    QLineEdit* author_;
};

} // namespace rw

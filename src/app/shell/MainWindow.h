#pragma once

#include "shell/Dialogs.h"
#include "shell/GameSystem.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QTreeWidget;

namespace rw {

class ConditionTree;
class GroupChoicesView;
class RuleTree;

// The editor's one window: a view over the workspace. Each user action is
// one workspace call, after which the window reads back what it shows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Dialogs& dialogs, QString programFolder, std::unique_ptr<GameSystem> game,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: version panel, the game's AI folder, the
    // template folder question, the first category shown.
    void Start();

    Workspace& Work() { return work_; }
    const QString& AiFolder() const { return aiFolder_; }
    const QString& TemplateFolder() const { return templateFolder_; }

    // Every action of the menus, toolbars and pop-ups carries an object name
    // ("file.open", "ruleTool.newRule", ...).
    QAction* Action(const QString& name) const;
    QMenu* Menu(const QString& name) const;
    QTabBar* Tabs() const { return tabs_; }
    RuleTree* Rules() const { return ruleTree_; }
    ConditionTree* Conditions() const { return conditionTree_; }
    GroupChoicesView* GroupView() const { return groupView_; }
    QLineEdit* TitleBox() const { return titleBox_; }
    QLabel* StatusPanel(int number) const { return status_[number - 1]; }
    bool RuleViewShown() const;

    // The commands that ask before they go on; false when the user stopped.
    bool SaveProject();
    bool SaveProjectAs();
    // The question before the open project is replaced or the program ends.
    bool ConfirmDiscard();

    // Sets the message panel (long operations announce themselves there).
    void SetMessage(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* MakeAction(const QString& name, const QString& text, void (MainWindow::*slot)());
    QAction* MakeAction(const QString& name, const QString& text, std::function<void()> run);
    QAction* Unbuilt(const QString& name, const QString& text);
    void BuildMenus();
    void BuildToolbars();
    void BuildCentre();
    void BuildStatusBar();
    QWidget* BuildRuleColumn();
    QWidget* BuildRulePage();

    // Re-reads everything the window shows from the workspace.
    void Refresh();
    void RefreshRuleStates();
    void RefreshConditions();
    void RefreshRuleOptions();
    void RefreshEvents();
    void RefreshStatus();
    void Show(const Notice& notice);
    void Run(const std::function<void()>& command);

    // The commands.
    void NewEmptyProject();
    void NewFromTemplate();
    void OpenProject();
    void SaveCommand();
    void SaveAsCommand();
    void SaveAsTemplate();
    void LaunchGame();
    void About();
    void DeleteRule();
    void CutRule();
    void CopyRule();
    void ChangePanel(PanelControl control, const QString& value);

    Dialogs& dialogs_;
    QString programFolder_;
    std::unique_ptr<GameSystem> game_;
    Workspace work_;
    QString aiFolder_;
    QString templateFolder_;
    QString openFolder_;
    bool refreshing_ = false;
    int shownCategory_ = 0;
    int shownSelection_ = 0;

    QList<QAction*> unbuilt_; // commands whose dialogs this build does not have
    QTabBar* tabs_ = nullptr;
    QStackedWidget* ruleTrees_ = nullptr;
    RuleTree* ruleTree_ = nullptr; // the tree of the shown category
    QLineEdit* titleBox_ = nullptr;
    QStackedWidget* detail_ = nullptr;
    GroupChoicesView* groupView_ = nullptr;
    QWidget* rulePage_ = nullptr;
    ConditionTree* conditionTree_ = nullptr;
    QStackedWidget* eventPanels_ = nullptr;
    std::array<QTreeWidget*, kCategoryCount> eventLists_{};
    QTreeWidget* freeEventTree_ = nullptr;
    QComboBox* variablePicker_ = nullptr;
    QLineEdit* variableValue_ = nullptr;
    QCheckBox* testMessage_ = nullptr;
    QCheckBox* runOnce_ = nullptr;
    std::array<QLabel*, 4> status_{};
    QMenu* conditionMenu_ = nullptr;
    QMenu* ruleMenu_ = nullptr;
    QMenu* choicesPopup_ = nullptr;
    QMenu* eventPopup_ = nullptr;
    QMenu* relationMenu_ = nullptr;
};

} // namespace rw

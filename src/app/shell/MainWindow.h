#pragma once

#include "shell/Dialogs.h"
#include "shell/EditorHost.h"
#include "shell/GameSystem.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabBar;

namespace rw {

class CommandMap;
class ConditionFrame;
class ConditionTree;
class EventPanels;
class GroupChoicesView;
class RecentFilesMenu;
class RuleColumn;
class RuleOptionsBar;
class RuleTree;

// The editor's one window: a view over the workspace. It lays out the
// regions (rule column, group choices, conditions, event panels, rule
// options), starts up and runs the file commands; each region turns a user
// action into one workspace call, after which the window reads back what it
// shows.
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    MainWindow(Dialogs& dialogs, QString programFolder, std::unique_ptr<GameSystem> game,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: version panel, the folders, the first category
    // shown. The game's AI folder and the template folder question (when the
    // folder is missing) follow the first paint.
    void Start();

    Workspace& Work() override { return work_; }
    Dialogs& Prompts() override { return dialogs_; }
    QWidget* Window() override { return this; }
    Notice Report(const std::function<Notice()>& command) override;
    bool Refreshing() const override { return refreshing_; }

    const QString& ProgramFolder() const { return programFolder_; }
    GameSystem* Game() const { return game_.get(); }
    // Finds the game's AI folder for the workspace, once. It waits until the
    // window has first been painted (the lookup reads the game's settings
    // store, which can be large); what needs the folder sooner calls it.
    void LookUpGame();

    // Every action of the menus, toolbars and pop-ups has a name
    // ("file.open", "ruleTool.newRule", ...); so has every menu and pop-up.
    // Asking for a pop-up of the rule page builds the page.
    QAction* Action(const QString& name) const;
    QMenu* Menu(const QString& name) const;
    QTabBar* Tabs() const { return tabs_; }
    RuleTree* Rules() const;
    QLineEdit* TitleBox() const;
    RuleColumn* RuleArea() const { return ruleColumn_; }
    GroupChoicesView* GroupView() const { return groupView_; }
    // The rule page's regions, built if no rule has been shown yet.
    ConditionTree* Conditions() const;
    EventPanels* Panels();
    RuleOptionsBar* Options();
    QLabel* StatusPanel(int number) const { return status_[number - 1]; }
    bool RuleViewShown() const;
    // The scroll areas around the group choices and the rule page (nullptr
    // until the page is first needed): a screen too small for either scrolls
    // it rather than cutting it off.
    QScrollArea* GroupPage() const { return groupPage_; }
    QScrollArea* RulePage() const { return rulePage_; }

    // Re-reads everything the window shows from the workspace.
    void Refresh();

    // The file commands. Those that ask before they go on answer false when
    // the user stopped.
    void NewEmptyProject();
    void NewFromTemplate();
    void OpenProject();
    void SaveAsTemplate();
    bool SaveProject();
    bool SaveProjectAs();
    // The question before the open project is replaced or the program ends.
    bool ConfirmDiscard();
    // Opens a project file as "既存のAIプロジェクトを開く(&O)..." does once a
    // name is chosen (also the file named on the command line); a file that
    // cannot be opened is reported and leaves the open project as it was.
    bool OpenFile(const QString& path);
    // A file handed over by the desktop or the command line: a project opens
    // as above, a template starts a new, unsaved project from it.
    bool OpenGivenFile(const QString& path);
    // An entry of "最近使ったファイル": a file no longer there is dropped from
    // the list with a message.
    void OpenRecentFile(const QString& path);

    // Sets the message panel (long operations announce themselves there).
    void SetMessage(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildMenuBar();
    void BuildCentre();
    void BuildStatusBar();
    QScrollArea* BuildRulePage();
    // Opens the window where it was left, or where it fits the screen.
    void PlaceWindow();
    void RememberWindow() const;
    void AfterFirstPaint();
    void Show(const Notice& notice);
    bool AfterOpen(const Notice& notice, bool opened);

    Dialogs& dialogs_;
    QString programFolder_;
    std::unique_ptr<GameSystem> game_;
    Workspace work_;
    std::unique_ptr<CommandMap> commands_;
    bool refreshing_ = false;
    bool gameLookedUp_ = false;
    bool firstPaintSeen_ = false;
    bool askTemplateFolder_ = false;

    QTabBar* tabs_ = nullptr;
    RuleColumn* ruleColumn_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;
    QSplitter* ruleSplitter_ = nullptr;
    QByteArray ruleSplitterState_; // remembered until the rule page is built
    QStackedWidget* detail_ = nullptr;
    GroupChoicesView* groupView_ = nullptr;
    QScrollArea* groupPage_ = nullptr;
    QScrollArea* rulePage_ = nullptr;
    ConditionFrame* conditionFrame_ = nullptr;
    EventPanels* eventPanels_ = nullptr;
    RuleOptionsBar* options_ = nullptr;
    QMenu* choicesPopup_ = nullptr;
    RecentFilesMenu* recentMenu_ = nullptr;
    std::array<QLabel*, 4> status_{};
};

} // namespace rw

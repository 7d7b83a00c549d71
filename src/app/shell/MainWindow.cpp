#include "shell/MainWindow.h"

#include "conditions/ConditionFrame.h"
#include "events/EventPanels.h"
#include "rules/GroupChoicesView.h"
#include "rules/RuleColumn.h"
#include "rules/RuleOptionsBar.h"
#include "shell/AboutDialog.h"
#include "shell/CommandTable.h"
#include "shell/GameInstallation.h"
#include "shell/Icons.h"
#include "shell/PendingEdit.h"
#include "shell/Preferences.h"
#include "shell/RecentFilesMenu.h"
#include "shell/WindowPlacement.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/TemplateOpenDialog.h"
#include "storage/TemplateSaveDialog.h"
#include "storage/Templates.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace rw {

namespace {

const QString kProjectFilter =
    QStringLiteral("Rulewright プロジェクトファイル(rwp)|*.rwp|全てのファイル|*.*");
const QString kProjectSuffix = QStringLiteral("rwp");

// The size the window opens at when the screen has room for it.
const QSize kPreferredSize(1120, 760);

QScrollArea* Scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

// A toolbar narrower than its buttons hides some behind a "»" menu; these
// hold commands found nowhere else, so they keep their full width and the
// page around them scrolls instead.
void KeepToolsWhole(QWidget* page) {
    for (QToolBar* bar : page->findChildren<QToolBar*>()) {
        bar->ensurePolished();
        bar->setMinimumWidth(bar->sizeHint().width());
    }
}

// The wait cursor for the length of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, QString programFolder, std::unique_ptr<GameSystem> game,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programFolder_(std::move(programFolder)),
      game_(std::move(game)),
      commands_(std::make_unique<CommandMap>(this, WindowCommands(*this), WindowLayouts())) {
    dialogs_.SetParent(this);
    setWindowIcon(Icons::Application());
    BuildCentre();
    BuildMenuBar();
    BuildStatusBar();
    KeepToolsWhole(centralWidget());
    resize(kPreferredSize);
}

MainWindow::~MainWindow() {
    // The regions go first, while the workspace they call on focus loss is
    // still there; nothing they report then reaches it.
    refreshing_ = true;
    delete takeCentralWidget();
    if (dialogs_.Parent() == this)
        dialogs_.SetParent(nullptr);
}

// --- building the window ------------------------------------------------------

void MainWindow::BuildMenuBar() {
    recentMenu_ = new RecentFilesMenu(Action(QStringLiteral("file.noRecent")), this);
    connect(recentMenu_, &RecentFilesMenu::FileChosen, this, &MainWindow::OpenRecentFile);
    commands_->AddMenu(recentMenu_);
    commands_->FillMenuBar(menuBar(), QStringLiteral("menubar"));
}

void MainWindow::BuildCentre() {
    tabs_ = new QTabBar;
    tabs_->setObjectName(QStringLiteral("categories"));
    tabs_->setAccessibleName(QStringLiteral("カテゴリ"));
    for (int category = 1; category <= kCategoryCount; ++category)
        tabs_->addTab(CategoryCaption(category));
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (!refreshing_ && index >= 0)
            Do([this, index] { work_.SwitchCategory(index + 1); });
    });

    ruleColumn_ = new RuleColumn(*this, *commands_);

    choicesPopup_ = commands_->Menu(QStringLiteral("menu.choices"));
    groupView_ = new GroupChoicesView;
    connect(groupView_, &GroupChoicesView::ChoiceChanged, this,
            [this](GroupSection section, int index, int state) {
                Do([=, this] { work_.SetChoice(section, index, state); });
            });
    connect(groupView_, &GroupChoicesView::PopupRequested, this,
            [this](const QString& id, const QPoint& at) {
                work_.RememberPopupSection(id);
                choicesPopup_->popup(at);
            });
    groupPage_ = Scrolled(groupView_);
    // The rule page waits until a rule is first shown.
    detail_ = new QStackedWidget;
    detail_->addWidget(groupPage_);

    auto* split = new QSplitter(Qt::Horizontal);
    mainSplitter_ = split;
    split->setObjectName(QStringLiteral("splitter.main"));
    split->setChildrenCollapsible(false);
    split->addWidget(ruleColumn_);
    split->addWidget(detail_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 5);
    split->setSizes({300, 800});

    auto* centre = new QWidget;
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(split, 1);
    setCentralWidget(centre);
}

// Conditions above the event panel, the rule options below both. Built when
// a rule is first shown (or one of its commands is asked for by name): a
// start-up that shows a group need not pay for it.
QScrollArea* MainWindow::BuildRulePage() {
    if (rulePage_)
        return rulePage_;
    conditionFrame_ = new ConditionFrame(*this, *commands_);
    eventPanels_ = new EventPanels(*this, *commands_);
    options_ = new RuleOptionsBar(*this);

    auto* split = new QSplitter(Qt::Vertical);
    ruleSplitter_ = split;
    split->setObjectName(QStringLiteral("splitter.rule"));
    split->setChildrenCollapsible(false);
    split->addWidget(conditionFrame_);
    split->addWidget(eventPanels_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split, 1);
    layout->addWidget(options_);
    KeepToolsWhole(page);
    rulePage_ = Scrolled(page);
    detail_->addWidget(rulePage_);
    split->restoreState(ruleSplitterState_);
    return rulePage_;
}

void MainWindow::BuildStatusBar() {
    const std::array<const char16_t*, 4> tips = {u"空き容量:", u"このルールでの使用量:", u"", u""};
    for (int i = 0; i < 4; ++i) {
        status_[i] = new QLabel;
        status_[i]->setObjectName(QStringLiteral("status.%1").arg(i + 1));
        status_[i]->setToolTip(QString::fromUtf16(tips[i]));
        status_[i]->setFrameShape(QFrame::StyledPanel);
        status_[i]->setMinimumWidth(i == 1 ? 240 : 120);
        statusBar()->addWidget(status_[i], i == 3 ? 1 : 0);
    }
}

QAction* MainWindow::Action(const QString& name) const {
    return commands_->Action(name);
}

QMenu* MainWindow::Menu(const QString& name) const {
    QMenu* menu = findChild<QMenu*>(name);
    // A pop-up of the rule page is made with the page.
    if (!menu && !rulePage_ && detail_) {
        const_cast<MainWindow*>(this)->BuildRulePage();
        menu = findChild<QMenu*>(name);
    }
    return menu;
}

EventPanels* MainWindow::Panels() {
    BuildRulePage();
    return eventPanels_;
}

RuleOptionsBar* MainWindow::Options() {
    BuildRulePage();
    return options_;
}

RuleTree* MainWindow::Rules() const {
    return ruleColumn_->Tree();
}

QLineEdit* MainWindow::TitleBox() const {
    return ruleColumn_->TitleBox();
}

ConditionTree* MainWindow::Conditions() const {
    const_cast<MainWindow*>(this)->BuildRulePage();
    return conditionFrame_->Tree();
}

// --- start-up -----------------------------------------------------------------

void MainWindow::Start() {
    status_[2]->setText(QStringLiteral("Ver") + AboutDialog::kVersion);
    PlaceWindow();

    // The game's AI folder is looked up, and the template folder question
    // asked, once the window is on the screen.
    askTemplateFolder_ = work_.SetFolders(
        QString(),
        LocateTemplateFolders(programFolder_, FolderAcceptsFiles(programFolder_),
                              InstalledTemplateFolder(programFolder_),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
        programFolder_);

    // The preview starts coloured.
    work_.SetColourPreview(true);
    Refresh();
}

void MainWindow::LookUpGame() {
    if (gameLookedUp_)
        return;
    gameLookedUp_ = true;
    work_.SetAiFolder(game_ ? GameInstallation(*game_).AiFolder() : QString());
}

void MainWindow::AfterFirstPaint() {
    LookUpGame();
    if (!askTemplateFolder_)
        return;
    askTemplateFolder_ = false;
    Report([this] {
        return work_.AnswerTemplateFolderQuestion(
            dialogs_.Ask(CreateTemplateFolderQuestion(), Dialogs::Buttons::YesNo) ==
            Dialogs::Answer::Yes);
    });
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!firstPaintSeen_) {
        firstPaintSeen_ = true;
        QTimer::singleShot(0, this, &MainWindow::AfterFirstPaint);
    }
}

void MainWindow::PlaceWindow() {
    const WindowMemory memory = LoadWindowMemory();
    QList<ScreenArea> screens;
    const QList<QScreen*> all = QGuiApplication::screens();
    for (const QScreen* each : all)
        screens.append(ScreenArea{each->name(), each->geometry(), each->availableGeometry()});
    if (!screens.isEmpty()) {
        std::optional<RememberedWindow> remembered;
        if (memory.geometry)
            remembered = RememberedWindow{*memory.geometry, memory.screen, memory.screenGeometry};
        const QScreen* own = screen() ? screen() : QGuiApplication::primaryScreen();
        const ScreenChoice choice = ChooseScreen(screens, int(all.indexOf(own)), remembered);
        const ScreenArea& where = screens[choice.screen];
        const WindowPlacement placed = PlaceMainWindow(
            where.geometry, where.available, memory.frame, kPreferredSize, choice.remembered);
        resize(placed.clientSize);
        move(placed.framePosition);
    }
    if (memory.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    mainSplitter_->restoreState(memory.mainSplitter);
    ruleSplitterState_ = memory.ruleSplitter;
    if (ruleSplitter_)
        ruleSplitter_->restoreState(ruleSplitterState_);
}

void MainWindow::RememberWindow() const {
    WindowMemory memory = LoadWindowMemory();
    memory.geometry = normalGeometry();
    if (const QScreen* where = screen()) {
        memory.screen = where->name();
        memory.screenGeometry = where->geometry();
    }
    memory.maximised = isMaximized();
    // The frame is measured only where it is the usual one.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        const QRect frame = frameGeometry();
        const QRect client = geometry();
        memory.frame = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                frame.right() - client.right(), frame.bottom() - client.bottom());
    }
    memory.mainSplitter = mainSplitter_->saveState();
    memory.ruleSplitter = ruleSplitter_ ? ruleSplitter_->saveState() : ruleSplitterState_;
    SaveWindowMemory(memory);
}

// --- reading the workspace back -------------------------------------------------

Notice MainWindow::Report(const std::function<Notice()>& command) {
    SettlePendingEdit();
    const Notice notice = command();
    Refresh();
    Show(notice);
    return notice;
}

void MainWindow::Show(const Notice& notice) {
    if (!notice.IsEmpty())
        dialogs_.Inform(notice);
}

bool MainWindow::RuleViewShown() const {
    return rulePage_ && detail_->currentWidget() == rulePage_;
}

void MainWindow::Refresh() {
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    setWindowTitle(work_.Caption());
    setWindowModified(work_.IsModified());
    const int category = work_.CurrentCategory();
    if (tabs_->currentIndex() != category - 1)
        tabs_->setCurrentIndex(category - 1);
    ruleColumn_->Refresh();
    if (work_.SelectedKind() == NodeKind::Rule) {
        detail_->setCurrentWidget(BuildRulePage());
        conditionFrame_->Refresh();
        options_->Refresh();
    } else {
        detail_->setCurrentWidget(groupPage_);
        groupView_->Show(work_.Choices());
    }
    if (eventPanels_)
        eventPanels_->Refresh();
    commands_->Refresh(CommandStates::Read(work_));
    status_[0]->setText(work_.RuleCountText());
    status_[1]->setText(work_.CommandCountText());
    refreshing_ = wasRefreshing;
}

void MainWindow::SetMessage(const QString& text) {
    status_[3]->setText(text);
}

// --- file commands ----------------------------------------------------------------

bool MainWindow::ConfirmDiscard() {
    if (!work_.IsModified())
        return true;
    const Notice question{QStringLiteral("変更を保存しますか？"), QStringLiteral("確認"),
                          Notice::Icon::Question};
    // Yes, the safe answer, is the default here.
    switch (dialogs_.Ask(question, Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Yes:
        return SaveProject();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void MainWindow::NewEmptyProject() {
    if (!ConfirmDiscard())
        return;
    if (dialogs_.Ask(EmptyProjectQuestion(), Dialogs::Buttons::YesNoCancelDefaultNo) !=
        Dialogs::Answer::Yes)
        return;
    Do([this] { work_.NewEmptyProject(); });
}

void MainWindow::NewFromTemplate() {
    if (!work_.TemplatesEnabled() || !ConfirmDiscard())
        return;
    TemplateOpenDialog dialog(
        work_.TemplateNames(),
        [this](const QString& name) {
            Report([this, &name] { return work_.NewFromTemplate(name); });
        },
        this);
    dialogs_.Run(dialog);
    Refresh();
}

void MainWindow::SaveAsTemplate() {
    if (!work_.TemplatesEnabled())
        return;
    TemplateSaveDialog dialog(
        work_.Templates().user,
        [this](const QString& name) {
            const SaveOutcome outcome = work_.SaveAsTemplate(name);
            Show(outcome.notice);
            return outcome.ok;
        },
        this);
    dialogs_.Run(dialog);
    Refresh();
}

void MainWindow::OpenProject() {
    if (!ConfirmDiscard())
        return;
    const QString path = dialogs_.OpenFile(
        {QStringLiteral("プロジェクトを開く"), work_.OpenFolder(), kProjectFilter, kProjectSuffix});
    if (!path.isEmpty())
        OpenFile(path);
}

bool MainWindow::OpenFile(const QString& path) {
    Notice notice;
    bool opened = false;
    {
        WaitCursor wait;
        notice = work_.Open(path, &opened);
    }
    return AfterOpen(notice, opened);
}

bool MainWindow::OpenGivenFile(const QString& path) {
    Notice notice;
    bool opened = false;
    {
        WaitCursor wait;
        notice = work_.OpenGiven(path, &opened);
    }
    return AfterOpen(notice, opened);
}

bool MainWindow::AfterOpen(const Notice& notice, bool opened) {
    if (opened && !work_.CurrentPath().isEmpty())
        recentMenu_->Remember(work_.CurrentPath());
    Refresh();
    Show(notice);
    return opened;
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recentMenu_->Forget(path);
        Refresh();
        Show(Notice{QStringLiteral("ファイルが見つかりません\n") + QDir::toNativeSeparators(path) +
                        QStringLiteral("\n最近使ったファイルの一覧から外しました"),
                    QStringLiteral("最近使ったファイル"), Notice::Icon::Warning});
        return;
    }
    if (ConfirmDiscard())
        OpenFile(path);
}

bool MainWindow::SaveProject() {
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = work_.Save();
    }
    if (outcome.needsName)
        return SaveProjectAs();
    Refresh();
    Show(outcome.notice);
    return outcome.ok;
}

bool MainWindow::SaveProjectAs() {
    const QString path = dialogs_.SaveFile(
        {QStringLiteral("プロジェクトの保存"), work_.SaveFolder(), kProjectFilter, kProjectSuffix});
    if (path.isEmpty())
        return false;
    const bool exists = QFileInfo::exists(path);
    if (exists && dialogs_.Ask(OverwriteQuestion(path), Dialogs::Buttons::YesNoCancelDefaultNo) !=
                      Dialogs::Answer::Yes)
        return false;
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = work_.SaveAs(path, exists);
    }
    if (outcome.ok)
        recentMenu_->Remember(path);
    Refresh();
    Show(outcome.notice);
    return outcome.ok;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SettlePendingEdit();
    if (ConfirmDiscard()) {
        RememberWindow();
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace rw

#include "shell/MainWindow.h"

#include "builder/BuilderCommands.h"
#include "conditions/ConditionTree.h"
#include "conditions/FrmIf.h"
#include "events/FrmFree.h"
#include "rules/GroupChoicesView.h"
#include "rules/RuleTree.h"
#include "shell/AboutDialog.h"
#include "shell/GameInstallation.h"
#include "shell/Icons.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/TemplateOpenDialog.h"
#include "storage/TemplateSaveDialog.h"
#include "storage/Templates.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

namespace {

const QString kProjectFilter =
    QStringLiteral("Rulewright プロジェクトファイル(rwp)|*.rwp|全てのファイル|*.*");
const QString kProjectSuffix = QStringLiteral("rwp");

const std::array<const char16_t*, kCategoryCount> kTabCaptions = {
    u"建物", u"研究", u"ユニット", u"資源", u"攻撃", u"範囲", u"フリー"};
const std::array<const char16_t*, kCategoryCount> kEventFrames = {u"建物を建設するイベント",
                                                                  u"テクノロジーの研究",
                                                                  u"ユニットの生産",
                                                                  u"資源",
                                                                  u"攻撃",
                                                                  u"範囲",
                                                                  u"イベント"};

// The operator buttons and the rewrite items: keyword, kind, tool tip.
struct OperatorCommand {
    const char* keyword;
    int kind;
    const char16_t* toolTip;
};
const std::array<OperatorCommand, 6> kOperators = {{
    {"AND", 4, u"以下を両方を満たしているとき"},
    {"OR", 5, u"以下のどちらかを満たしているとき"},
    {"NAND", 6, u"NOT(以下の両方を満たしているとき)"},
    {"NOR", 7, u"NOT(どちらか満たしているとき)"},
    {"XOR", 9, u"どちらか片方のみ満たしている"},
    {"XNOR", 10, u"NOT(どちらか片方のみ満たしている)"},
}};

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

// The wait cursor for the length of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QWidget* Framed(const QString& title, QWidget* content, QToolBar* toolbar = nullptr) {
    auto* frame = new QGroupBox(title);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    if (toolbar)
        layout->addWidget(toolbar);
    layout->addWidget(content, 1);
    return frame;
}

QToolBar* SmallToolbar(const QString& name) {
    auto* bar = new QToolBar(name);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, QString programFolder, std::unique_ptr<GameSystem> game,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programFolder_(std::move(programFolder)),
      game_(std::move(game)) {
    dialogs_.SetParent(this);
    setWindowIcon(Icons::Application());
    BuildMenus();
    BuildCentre();
    BuildToolbars();
    BuildStatusBar();
    resize(1120, 760);
}

MainWindow::~MainWindow() {
    if (dialogs_.Parent() == this)
        dialogs_.SetParent(nullptr);
}

// --- building the window ------------------------------------------------------

QAction* MainWindow::MakeAction(const QString& name, const QString& text,
                                std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QAction* MainWindow::MakeAction(const QString& name, const QString& text,
                                void (MainWindow::*slot)()) {
    return MakeAction(name, text, [this, slot] { (this->*slot)(); });
}

QAction* MainWindow::Unbuilt(const QString& name, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setEnabled(false);
    unbuilt_ << action;
    return action;
}

QAction* MainWindow::Action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QMenu* MainWindow::Menu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void MainWindow::BuildMenus() {
    auto menu = [this](QMenu* parent, const QString& name, const QString& title) {
        QMenu* m = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
        m->setObjectName(name);
        return m;
    };

    QMenu* file = menu(nullptr, QStringLiteral("menu.file"), QStringLiteral("ファイル(&F)"));
    QMenu* fresh =
        menu(file, QStringLiteral("menu.new"), QStringLiteral("新しいAIプロジェクトを作る(&N)"));
    fresh->addAction(MakeAction(QStringLiteral("file.newEmpty"), QStringLiteral("空のプロジェクト"),
                                &MainWindow::NewEmptyProject));
    fresh->addAction(MakeAction(QStringLiteral("file.newFromTemplate"),
                                QStringLiteral("テンプレートから..."),
                                &MainWindow::NewFromTemplate));
    QAction* open =
        MakeAction(QStringLiteral("file.open"), QStringLiteral("既存のAIプロジェクトを開く(&O)..."),
                   &MainWindow::OpenProject);
    open->setShortcut(QKeySequence::Open);
    file->addAction(open);
    file->addSeparator();
    QAction* save =
        MakeAction(QStringLiteral("file.save"), QStringLiteral("プロジェクトの上書き保存(&S)"),
                   &MainWindow::SaveCommand);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addAction(save);
    QAction* saveAs = MakeAction(QStringLiteral("file.saveAs"),
                                 QStringLiteral("名前をつけてプロジェクトの保存(&A)..."),
                                 &MainWindow::SaveAsCommand);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addAction(saveAs);
    file->addSeparator();
    file->addAction(MakeAction(QStringLiteral("file.saveTemplate"),
                               QStringLiteral("テンプレートとして保存(&T)..."),
                               &MainWindow::SaveAsTemplate));
    file->addSeparator();
    file->addAction(
        MakeAction(QStringLiteral("file.buildPer"), QStringLiteral("PERファイル生成(&P)..."),
                   [this] { BuildPerCommand(*this, dialogs_, programFolder_); }));
    file->addSeparator();
    file->addAction(
        MakeAction(QStringLiteral("file.exit"), QStringLiteral("終了(&X)"), [this] { close(); }));

    QMenu* view = menu(nullptr, QStringLiteral("menu.view"), QStringLiteral("表示(&V)"));
    QAction* colour = MakeAction(QStringLiteral("view.colourPreview"),
                                 QStringLiteral("スクリプトをカラー表示"), [this] {
                                     work_.SetColourPreview(!work_.ColourPreview());
                                     Refresh();
                                 });
    colour->setCheckable(true);
    view->addAction(colour);
    QAction* rename =
        MakeAction(QStringLiteral("view.autoRename"), QStringLiteral("自動でリネーム"),
                   [this] { Run([this] { work_.ToggleAutoRename(); }); });
    rename->setCheckable(true);
    view->addAction(rename);

    ruleMenu_ = menu(nullptr, QStringLiteral("menu.rule"), QStringLiteral("ルール(&R)"));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.add"), QStringLiteral("ルールの追加(&A)"),
                                    [this] { Run([this] { work_.AddRule(); }); }));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.insert"),
                                    QStringLiteral("ルールの挿入(&R)"),
                                    [this] { Run([this] { work_.InsertRule(); }); }));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.addGroup"),
                                    QStringLiteral("グループの追加(&G)"),
                                    [this] { Run([this] { work_.AddGroup(); }); }));
    ruleMenu_->addSeparator();
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.moveUp"), QStringLiteral("優先度を上げる"),
                                    [this] { Run([this] { work_.MoveUp(); }); }));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.moveDown"),
                                    QStringLiteral("優先度を下げる"),
                                    [this] { Run([this] { work_.MoveDown(); }); }));
    ruleMenu_->addSeparator();
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.cut"), QStringLiteral("切り取り(&T)"),
                                    &MainWindow::CutRule));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.copy"), QStringLiteral("コピー(&C)"),
                                    &MainWindow::CopyRule));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.paste"), QStringLiteral("貼り付け(&P)"),
                                    [this] { Run([this] { work_.PasteRule(); }); }));
    ruleMenu_->addAction(MakeAction(QStringLiteral("rule.delete"), QStringLiteral("削除(&D)"),
                                    &MainWindow::DeleteRule));
    ruleMenu_->addSeparator();
    ruleMenu_->addAction(
        MakeAction(QStringLiteral("rule.showScript"), QStringLiteral("スクリプトの表示(&S)"), [this] {
            ShowScriptCommand(*this, dialogs_);
            Refresh();
        }));

    conditionMenu_ = menu(nullptr, QStringLiteral("menu.condition"), QStringLiteral("条件(&I)"));
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.add"), QStringLiteral("条件の追加(&A)..."), [this] {
            Run([this] { FrmIf::Open(work_, dialogs_, FrmIf::Opening::MenuAdd, this); });
        }));
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.edit"), QStringLiteral("条件の編集(&E)..."), [this] {
            Run([this] { FrmIf::Open(work_, dialogs_, FrmIf::Opening::Change, this); });
        }));
    QMenu* rewrite =
        menu(conditionMenu_, QStringLiteral("menu.rewrite"), QStringLiteral("ANDの書き換え"));
    for (const OperatorCommand& op : kOperators) {
        const int kind = op.kind;
        rewrite->addAction(
            MakeAction(QStringLiteral("condition.rewrite.") + QLatin1String(op.keyword),
                       QLatin1String(op.keyword),
                       [this, kind] { Run([this, kind] { work_.RewriteOperator(kind); }); }));
    }
    conditionMenu_->addSeparator();
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.undo"), QStringLiteral("元に戻す(&U)"), [this] {
            const Notice notice = work_.UndoConditions();
            Refresh();
            Show(notice);
        }));
    conditionMenu_->addSeparator();
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.cut"), QStringLiteral("切り取り(&T)"),
                   [this] { Run([this] { work_.CutCondition(CommandSource::Menu); }); }));
    conditionMenu_->addAction(MakeAction(QStringLiteral("condition.copy"),
                                         QStringLiteral("コピー(&C)"),
                                         [this] { Run([this] { work_.CopyCondition(); }); }));
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.paste"), QStringLiteral("貼り付け(&P)"),
                   [this] { Run([this] { work_.PasteCondition(CommandSource::Menu); }); }));
    conditionMenu_->addAction(MakeAction(QStringLiteral("condition.overwrite"),
                                         QStringLiteral("書き換え(&O)"),
                                         [this] { Run([this] { work_.OverwriteCondition(); }); }));
    conditionMenu_->addAction(
        MakeAction(QStringLiteral("condition.delete"), QStringLiteral("削除(&D)"),
                   [this] { Run([this] { work_.DeleteCondition(CommandSource::Menu); }); }));

    QMenu* settings = menu(nullptr, QStringLiteral("menu.settings"), QStringLiteral("設定(&S)"));
    settings->addAction(
        Unbuilt(QStringLiteral("settings.environment"), QStringLiteral("環境の設定(&E)...")));
    settings->addSeparator();
    settings->addAction(
        MakeAction(QStringLiteral("settings.project"), QStringLiteral("プロジェクトの設定(&P)..."),
                   [this] {
                       ProjectSettingsCommand(*this, dialogs_);
                       Refresh();
                   }));
    settings->addAction(
        MakeAction(QStringLiteral("settings.startup"), QStringLiteral("初期化設定(&S)..."), [this] {
            InitSettingsCommand(*this, dialogs_);
            Refresh();
        }));

    QMenu* tools = menu(nullptr, QStringLiteral("menu.tools"), QStringLiteral("ツール(&T)"));
    QAction* launch = MakeAction(QStringLiteral("tools.launch"), QStringLiteral("AOCの起動"),
                                 &MainWindow::LaunchGame);
    launch->setIcon(Icons::ForTool(Icons::Tool::Launch));
    tools->addAction(launch);

    QMenu* help = menu(nullptr, QStringLiteral("menu.help"), QStringLiteral("ヘルプ(&H)"));
    help->addAction(MakeAction(QStringLiteral("help.about"), QStringLiteral("バージョン(&A)..."),
                               &MainWindow::About));

    // Two menus that only ever open as pop-ups.
    choicesPopup_ = new QMenu(QStringLiteral("メニュー"), this);
    choicesPopup_->setObjectName(QStringLiteral("menu.choices"));
    const std::array<std::pair<const char*, GroupPopupCommand>, 3> choices = {{
        {"choices.selectAll", GroupPopupCommand::SelectAll},
        {"choices.clearAll", GroupPopupCommand::ClearAll},
        {"choices.invert", GroupPopupCommand::Invert},
    }};
    const std::array<const char16_t*, 3> choiceTexts = {u"全選択", u"全解除", u"反転"};
    for (int i = 0; i < 3; ++i) {
        const GroupPopupCommand command = choices[i].second;
        choicesPopup_->addAction(
            MakeAction(QLatin1String(choices[i].first), Text(choiceTexts[i]), [this, command] {
                Run([this, command] { work_.RunGroupPopup(command); });
            }));
    }

    eventPopup_ = new QMenu(QStringLiteral("イベント"), this);
    eventPopup_->setObjectName(QStringLiteral("menu.event"));
    eventPopup_->addAction(
        MakeAction(QStringLiteral("event.add"), QStringLiteral("イベントの追加(&A)..."),
                   [this] { Run([this] { FrmFree::Add(work_, dialogs_); }); }));
    eventPopup_->addAction(
        MakeAction(QStringLiteral("event.edit"), QStringLiteral("イベントの編集(&E)..."),
                   [this] { Run([this] { FrmFree::Edit(work_, dialogs_); }); }));
    eventPopup_->addSeparator();
    eventPopup_->addAction(MakeAction(QStringLiteral("event.cut"), QStringLiteral("切り取り(&C)"),
                                      [this] { Run([this] { work_.CutFreeEvent(); }); }));
    eventPopup_->addAction(MakeAction(QStringLiteral("event.copy"), QStringLiteral("コピー(&C)"),
                                      [this] { Run([this] { work_.CopyFreeEvent(); }); }));
    eventPopup_->addAction(
        MakeAction(QStringLiteral("event.paste"), QStringLiteral("貼り付け"), [this] {
            const Notice notice = work_.PasteFreeEvent();
            Refresh();
            Show(notice);
        }));
    eventPopup_->addAction(MakeAction(QStringLiteral("event.delete"), QStringLiteral("削除(&D)"),
                                      [this] { Run([this] { work_.DeleteFreeEvent(); }); }));
    eventPopup_->addSeparator();
    relationMenu_ = menu(eventPopup_, QStringLiteral("menu.relation"),
                         QStringLiteral("このイベントの関連条件"));
    relationMenu_->addAction(MakeAction(QStringLiteral("event.relation"),
                                        QStringLiteral("(関連条件はありません)"),
                                        [this] { Run([this] { work_.CopyRelatedCondition(); }); }));
}

void MainWindow::BuildToolbars() {
    // The rule toolbar stands above the rule tree; see BuildRuleColumn.
}

QWidget* MainWindow::BuildRuleColumn() {
    QToolBar* bar = SmallToolbar(QStringLiteral("ルール"));
    auto tool = [this, bar](const QString& name, Icons::Tool icon, const QString& tip,
                            std::function<void()> run) {
        QAction* action = MakeAction(name, tip, std::move(run));
        action->setIcon(Icons::ForTool(icon));
        action->setToolTip(tip);
        bar->addAction(action);
        return action;
    };
    tool(QStringLiteral("ruleTool.newGroup"), Icons::Tool::NewGroup,
         QStringLiteral("新しいグループ"), [this] { Run([this] { work_.AddGroup(); }); });
    tool(QStringLiteral("ruleTool.newRule"), Icons::Tool::NewRule, QStringLiteral("新しいルール"),
         [this] { Run([this] { work_.AddRule(); }); });
    bar->addSeparator();
    tool(QStringLiteral("ruleTool.moveUp"), Icons::Tool::MoveUp,
         QStringLiteral("グループ内で優先度を上げる"), [this] { Run([this] { work_.MoveUp(); }); });
    tool(QStringLiteral("ruleTool.moveDown"), Icons::Tool::MoveDown,
         QStringLiteral("グループ内で優先度を下げる"),
         [this] { Run([this] { work_.MoveDown(); }); });
    bar->addSeparator();
    tool(QStringLiteral("ruleTool.cut"), Icons::Tool::Cut, QStringLiteral("切り取り"),
         [this] { CutRule(); });
    tool(QStringLiteral("ruleTool.copy"), Icons::Tool::Copy, QStringLiteral("コピー"),
         [this] { CopyRule(); });
    tool(QStringLiteral("ruleTool.paste"), Icons::Tool::Paste, QStringLiteral("貼り付け"),
         [this] { Run([this] { work_.PasteRule(); }); });
    tool(QStringLiteral("ruleTool.delete"), Icons::Tool::Delete, QStringLiteral("削除"),
         [this] { DeleteRule(); });

    // One tree per category, as on the tab strip: a tab shown again keeps
    // its items and only redraws what changed meanwhile.
    ruleTrees_ = new QStackedWidget;
    for (int c = 0; c < kCategoryCount; ++c) {
        auto* tree = new RuleTree;
        connect(tree, &RuleTree::NodeChosen, this, [this](int position) {
            if (!refreshing_)
                Run([this, position] { work_.Select(position); });
        });
        connect(tree, &RuleTree::DeleteRequested, this, &MainWindow::DeleteRule);
        connect(tree, &RuleTree::PopupRequested, this,
                [this](const QPoint& at) { ruleMenu_->popup(at); });
        ruleTrees_->addWidget(tree);
    }
    ruleTree_ = static_cast<RuleTree*>(ruleTrees_->widget(0));

    titleBox_ = new QLineEdit;
    titleBox_->setToolTip(QStringLiteral("ルールのタイトルを編集できます"));
    connect(titleBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        work_.Rename(text);
        Refresh();
    });

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(ruleTrees_, 1);
    layout->addWidget(titleBox_);
    return column;
}

QWidget* MainWindow::BuildRulePage() {
    // Conditions: the frame "ルール" with its toolbar.
    QToolBar* bar = SmallToolbar(QStringLiteral("条件"));
    auto tool = [this, bar](const QString& name, const QIcon& icon, const QString& tip,
                            std::function<void()> run) {
        QAction* action = run ? MakeAction(name, tip, std::move(run)) : Unbuilt(name, tip);
        action->setIcon(icon);
        action->setToolTip(tip);
        bar->addAction(action);
    };
    tool(QStringLiteral("conditionTool.add"), Icons::ForTool(Icons::Tool::AddCondition),
         QStringLiteral("新しい条件の追加"), [this] {
             Run([this] { FrmIf::Open(work_, dialogs_, FrmIf::Opening::ToolbarAdd, this); });
         });
    tool(QStringLiteral("conditionTool.change"), Icons::ForTool(Icons::Tool::ChangeCondition),
         QStringLiteral("現在の条件を変更して上書きする"), [this] {
             Run([this] { FrmIf::Open(work_, dialogs_, FrmIf::Opening::ToolbarChange, this); });
         });
    bar->addSeparator();
    for (const OperatorCommand& op : kOperators) {
        // The keyword itself reads better than any picture of it.
        const int kind = op.kind;
        const QString keyword = QLatin1String(op.keyword);
        QAction* action =
            MakeAction(QStringLiteral("conditionTool.") + keyword, Text(op.toolTip),
                       [this, kind] { Run([this, kind] { work_.InsertOperator(kind); }); });
        action->setIconText(keyword);
        action->setToolTip(Text(op.toolTip));
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        QFont font = button->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 0.85);
        button->setFont(font);
        bar->addWidget(button);
    }
    bar->addSeparator();
    tool(QStringLiteral("conditionTool.cut"), Icons::ForTool(Icons::Tool::Cut),
         QStringLiteral("切り取り"),
         [this] { Run([this] { work_.CutCondition(CommandSource::Toolbar); }); });
    tool(QStringLiteral("conditionTool.copy"), Icons::ForTool(Icons::Tool::Copy),
         QStringLiteral("コピー"), [this] { Run([this] { work_.CopyCondition(); }); });
    tool(QStringLiteral("conditionTool.paste"), Icons::ForTool(Icons::Tool::Paste),
         QStringLiteral("貼り付け"),
         [this] { Run([this] { work_.PasteCondition(CommandSource::Toolbar); }); });
    tool(QStringLiteral("conditionTool.delete"), Icons::ForTool(Icons::Tool::Delete),
         QStringLiteral("削除"),
         [this] { Run([this] { work_.DeleteCondition(CommandSource::Toolbar); }); });
    tool(QStringLiteral("conditionTool.undo"), Icons::ForTool(Icons::Tool::Undo),
         QStringLiteral("元に戻す"), [this] {
             const Notice notice = work_.UndoConditions();
             Refresh();
             Show(notice);
         });

    conditionTree_ = new ConditionTree;
    connect(conditionTree_, &ConditionTree::NodeChosen, this, [this](int position) {
        if (!refreshing_)
            Run([this, position] { work_.SelectCondition(position); });
    });
    connect(conditionTree_, &QTreeWidget::itemDoubleClicked, this, [this] {
        Run([this] { FrmIf::Open(work_, dialogs_, FrmIf::Opening::Change, this); });
    });
    connect(conditionTree_, &ConditionTree::PopupRequested, this,
            [this](const QPoint& at) { conditionMenu_->popup(at); });
    connect(conditionTree_, &ConditionTree::DeleteRequested, this,
            [this] { Action(QStringLiteral("condition.delete"))->trigger(); });
    QWidget* conditions = Framed(QStringLiteral("ルール"), conditionTree_, bar);

    // Event panels, one frame per category. The panels' own controls come
    // with the event editors; until then each frame lists the rule's events.
    eventPanels_ = new QStackedWidget;
    for (int c = 0; c < kCategoryCount; ++c) {
        auto* list = new QTreeWidget;
        list->setRootIsDecorated(false);
        list->setColumnCount(2);
        list->setHeaderLabels({QStringLiteral("命令"), QStringLiteral("コメント")});
        list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        eventLists_[c] = list;
        if (c == kCategoryCount - 1) {
            QToolBar* freeBar = SmallToolbar(QStringLiteral("イベント"));
            auto freeTool = [this, freeBar](const QString& name, Icons::Tool icon,
                                            const QString& tip, std::function<void()> run) {
                QAction* action = run ? MakeAction(name, tip, std::move(run)) : Unbuilt(name, tip);
                action->setIcon(Icons::ForTool(icon));
                action->setToolTip(tip);
                freeBar->addAction(action);
            };
            freeTool(QStringLiteral("freeTool.add"), Icons::Tool::AddCondition,
                     QStringLiteral("新しい条件の追加"),
                     [this] { Run([this] { FrmFree::Add(work_, dialogs_); }); });
            freeTool(QStringLiteral("freeTool.change"), Icons::Tool::ChangeCondition,
                     QStringLiteral("現在の条件を変更して上書きする"),
                     [this] { Run([this] { FrmFree::Edit(work_, dialogs_); }); });
            freeBar->addSeparator();
            freeTool(QStringLiteral("freeTool.cut"), Icons::Tool::Cut, QStringLiteral("切り取り"),
                     [this] { Run([this] { work_.CutFreeEvent(); }); });
            freeTool(QStringLiteral("freeTool.copy"), Icons::Tool::Copy, QStringLiteral("コピー"),
                     [this] { Run([this] { work_.CopyFreeEvent(); }); });
            freeTool(QStringLiteral("freeTool.paste"), Icons::Tool::Paste,
                     QStringLiteral("貼り付け"), [this] {
                         const Notice notice = work_.PasteFreeEvent();
                         Refresh();
                         Show(notice);
                     });
            freeTool(QStringLiteral("freeTool.delete"), Icons::Tool::Delete, QStringLiteral("削除"),
                     [this] { Run([this] { work_.DeleteFreeEvent(); }); });
            freeEventTree_ = new QTreeWidget;
            freeEventTree_->setHeaderHidden(true);
            freeEventTree_->setRootIsDecorated(false);
            freeEventTree_->setObjectName(QStringLiteral("freeEvents"));
            connect(freeEventTree_, &QTreeWidget::itemDoubleClicked, this, [this] {
                if (QAction* edit = Action(QStringLiteral("event.edit")); edit->isEnabled())
                    edit->trigger();
            });
            connect(freeEventTree_, &QTreeWidget::currentItemChanged, this,
                    [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
                        if (!refreshing_ && item)
                            Run([this, item] {
                                work_.SelectFreeEvent(freeEventTree_->indexOfTopLevelItem(item));
                            });
                    });
            auto* deleteKey = new QAction(freeEventTree_);
            deleteKey->setShortcut(Qt::Key_Delete);
            deleteKey->setShortcutContext(Qt::WidgetShortcut);
            freeEventTree_->addAction(deleteKey);
            connect(deleteKey, &QAction::triggered, this,
                    [this] { Action(QStringLiteral("event.delete"))->trigger(); });
            freeEventTree_->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(freeEventTree_, &QWidget::customContextMenuRequested, this,
                    [this](const QPoint& at) {
                        RefreshEvents();
                        eventPopup_->popup(freeEventTree_->viewport()->mapToGlobal(at));
                    });
            auto* both = new QWidget;
            auto* layout = new QVBoxLayout(both);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(freeBar);
            layout->addWidget(freeEventTree_, 2);
            layout->addWidget(list, 1);
            eventPanels_->addWidget(Framed(Text(kEventFrames[c]), both));
        } else {
            eventPanels_->addWidget(Framed(Text(kEventFrames[c]), list));
        }
    }

    // Rule options.
    variablePicker_ = new QComboBox;
    variablePicker_->setToolTip(QStringLiteral("変数を使うことで他のルールと連携できます"));
    variablePicker_->setMinimumContentsLength(14);
    connect(variablePicker_, &QComboBox::activated, this, [this](int index) {
        ChangePanel(PanelControl::VariablePicker, QString::number(index));
    });
    variableValue_ = new QLineEdit(QStringLiteral("10"));
    variableValue_->setToolTip(variablePicker_->toolTip());
    variableValue_->setMaximumWidth(80);
    connect(variableValue_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ChangePanel(PanelControl::VariableValue, text); });
    connect(variableValue_, &QLineEdit::editingFinished, this, [this] {
        const Notice notice = work_.PanelFocusLost(PanelControl::VariableValue);
        Refresh();
        Show(notice);
    });
    testMessage_ = new QCheckBox(QStringLiteral("テストメッセージ"));
    testMessage_->setToolTip(QStringLiteral("イベントが実行されるときにイベント内容を表示します"));
    connect(testMessage_, &QCheckBox::clicked, this, [this](bool on) {
        ChangePanel(PanelControl::TestMessage, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    runOnce_ = new QCheckBox(QStringLiteral("一度だけ実行"));
    runOnce_->setToolTip(QStringLiteral(
        "実行後削除します（無条件の場合は必ずチェックしてください無限ループします)"));
    connect(runOnce_, &QCheckBox::clicked, this, [this](bool on) {
        ChangePanel(PanelControl::RunOnce, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    auto* options = new QHBoxLayout;
    options->addWidget(variablePicker_);
    options->addWidget(variableValue_);
    options->addSpacing(12);
    options->addWidget(testMessage_);
    options->addWidget(runOnce_);
    options->addStretch();

    auto* page = new QWidget;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(conditions);
    split->addWidget(eventPanels_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split, 1);
    layout->addLayout(options);
    return page;
}

void MainWindow::BuildCentre() {
    tabs_ = new QTabBar;
    for (const char16_t* caption : kTabCaptions)
        tabs_->addTab(Text(caption));
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (!refreshing_ && index >= 0)
            Run([this, index] { work_.SwitchCategory(index + 1); });
    });

    groupView_ = new GroupChoicesView;
    connect(groupView_, &GroupChoicesView::ChoiceChanged, this,
            [this](GroupSection section, int index, int state) {
                Run([=, this] { work_.SetChoice(section, index, state); });
            });
    connect(groupView_, &GroupChoicesView::PopupRequested, this,
            [this](const QString& id, const QPoint& at) {
                work_.RememberPopupSection(id);
                choicesPopup_->exec(at);
            });
    rulePage_ = BuildRulePage();
    detail_ = new QStackedWidget;
    detail_->addWidget(groupView_);
    detail_->addWidget(rulePage_);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(BuildRuleColumn());
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

void MainWindow::BuildStatusBar() {
    const std::array<const char16_t*, 4> tips = {u"空き容量:", u"このルールでの使用量:", u"", u""};
    for (int i = 0; i < 4; ++i) {
        status_[i] = new QLabel;
        status_[i]->setObjectName(QStringLiteral("status.%1").arg(i + 1));
        status_[i]->setToolTip(Text(tips[i]));
        status_[i]->setFrameShape(QFrame::StyledPanel);
        status_[i]->setMinimumWidth(i == 1 ? 240 : 120);
        statusBar()->addWidget(status_[i], i == 3 ? 1 : 0);
    }
}

// --- start-up -----------------------------------------------------------------

void MainWindow::Start() {
    status_[2]->setText(QStringLiteral("Ver") + AboutDialog::kVersion);
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && screen->geometry().width() <= 800)
        move(0, 0);

    if (game_)
        aiFolder_ = GameInstallation(*game_).AiFolder();
    templateFolder_ = rw::TemplateFolder(programFolder_);

    // The preview starts coloured.
    work_.SetColourPreview(true);
    Refresh();

    if (!QFileInfo(templateFolder_).isDir()) {
        if (dialogs_.Ask(CreateTemplateFolderQuestion(), Dialogs::Buttons::YesNo) ==
            Dialogs::Answer::Yes) {
            if (!EnsureFolder(templateFolder_)) {
                Show(Notice{QStringLiteral("テンプレートフォルダを作成できませんでした\n") +
                                templateFolder_,
                            QStringLiteral("テンプレート機能の確認"), Notice::Icon::Warning});
                work_.SetTemplatesEnabled(false);
            }
        } else {
            work_.SetTemplatesEnabled(false);
        }
    }
    openFolder_ = programFolder_;
    Refresh();
}

// --- reading the workspace back -------------------------------------------------

void MainWindow::Run(const std::function<void()>& command) {
    command();
    Refresh();
}

void MainWindow::Show(const Notice& notice) {
    if (!notice.IsEmpty())
        dialogs_.Inform(notice);
}

bool MainWindow::RuleViewShown() const {
    return detail_->currentWidget() == rulePage_;
}

void MainWindow::Refresh() {
    refreshing_ = true;
    setWindowTitle(work_.Caption());
    const int category = work_.CurrentCategory();
    if (tabs_->currentIndex() != category - 1)
        tabs_->setCurrentIndex(category - 1);
    ruleTree_ = static_cast<RuleTree*>(ruleTrees_->widget(category - 1));
    ruleTrees_->setCurrentWidget(ruleTree_);
    ruleTree_->Show(work_.Tree(), work_.Selected());

    // The title box follows the selection; while the user types in it, it
    // keeps what was typed (a cleared rule title is stored as " ").
    const bool moved = category != shownCategory_ || work_.Selected() != shownSelection_;
    if ((moved || !titleBox_->hasFocus()) && titleBox_->text() != work_.TitleBoxText())
        titleBox_->setText(work_.TitleBoxText());
    shownCategory_ = category;
    shownSelection_ = work_.Selected();

    if (work_.SelectedKind() == NodeKind::Rule) {
        detail_->setCurrentWidget(rulePage_);
        eventPanels_->setCurrentIndex(category - 1);
        RefreshConditions();
        RefreshRuleOptions();
    } else {
        detail_->setCurrentWidget(groupView_);
        groupView_->Show(work_.Choices());
    }
    RefreshEvents();
    RefreshRuleStates();
    RefreshStatus();
    refreshing_ = false;
}

void MainWindow::RefreshRuleStates() {
    const RuleCommandStates states = work_.RuleCommands();
    auto set = [this](const char* name, bool on) { Action(QLatin1String(name))->setEnabled(on); };
    set("rule.delete", states.deleteEnabled);
    set("ruleTool.delete", states.deleteEnabled);
    set("rule.paste", states.pasteEnabled);
    set("ruleTool.paste", states.pasteEnabled);
    for (const char* name : {"rule.copy", "rule.cut", "ruleTool.copy", "ruleTool.cut"})
        set(name, states.copyCutEnabled);
    set("rule.moveUp", states.moveUpEnabled);
    set("ruleTool.moveUp", states.moveUpEnabled);
    set("rule.moveDown", states.moveDownEnabled);
    set("ruleTool.moveDown", states.moveDownEnabled);
    conditionMenu_->setEnabled(states.conditionMenuEnabled);
    conditionMenu_->menuAction()->setEnabled(states.conditionMenuEnabled);

    const bool templates = work_.TemplatesEnabled();
    set("file.saveTemplate", templates);
    set("file.newFromTemplate", templates);
    Action(QStringLiteral("view.colourPreview"))->setChecked(work_.ColourPreview());
    Action(QStringLiteral("view.autoRename"))->setChecked(work_.AutoRename());
    for (QAction* action : unbuilt_)
        action->setEnabled(false);
}

void MainWindow::RefreshConditions() {
    const ConditionList& list = work_.Conditions();
    QList<bool> operators;
    operators.reserve(list.Size());
    for (int p = 1; p <= list.Size(); ++p)
        operators << list.At(p).IsOperator();
    conditionTree_->Show(work_.ConditionTree(), operators, list.Selected());

    const ConditionCommandStates states = work_.ConditionCommands();
    auto set = [this](const QString& name, bool on) { Action(name)->setEnabled(on); };
    for (int i = 0; i < int(kOperators.size()); ++i) {
        const QString keyword = QLatin1String(kOperators[i].keyword);
        set(QStringLiteral("conditionTool.") + keyword, states.OperatorEnabled(kOperators[i].kind));
        set(QStringLiteral("condition.rewrite.") + keyword, states.rewrite[i]);
    }
    set(QStringLiteral("condition.add"), states.add);
    set(QStringLiteral("conditionTool.add"), states.add);
    set(QStringLiteral("condition.edit"), states.change);
    set(QStringLiteral("conditionTool.change"), states.change);
    set(QStringLiteral("condition.cut"), states.cut);
    set(QStringLiteral("conditionTool.cut"), states.cut);
    set(QStringLiteral("condition.copy"), states.copy);
    set(QStringLiteral("conditionTool.copy"), states.copy);
    set(QStringLiteral("condition.paste"), states.paste);
    set(QStringLiteral("conditionTool.paste"), states.paste);
    set(QStringLiteral("condition.overwrite"), states.overwrite);
    set(QStringLiteral("condition.delete"), states.remove);
    set(QStringLiteral("conditionTool.delete"), states.remove);
    set(QStringLiteral("condition.undo"), states.undo);
    set(QStringLiteral("conditionTool.undo"), states.undo);
    bool anyRewrite = false;
    for (bool on : states.rewrite)
        anyRewrite = anyRewrite || on;
    Menu(QStringLiteral("menu.rewrite"))->menuAction()->setEnabled(anyRewrite);
}

void MainWindow::RefreshRuleOptions() {
    const QStringList texts = work_.VariablePickerTexts();
    bool same = variablePicker_->count() == texts.size();
    for (int i = 0; same && i < texts.size(); ++i)
        same = variablePicker_->itemText(i) == texts[i];
    if (!same) {
        variablePicker_->clear();
        variablePicker_->addItems(texts);
    }
    const PanelView& panel = work_.Panel();
    const ControlState& picker = panel.At(PanelControl::VariablePicker);
    variablePicker_->setCurrentIndex(picker.value.toInt());
    variablePicker_->setVisible(picker.visible);
    variablePicker_->setEnabled(picker.enabled);
    const ControlState& value = panel.At(PanelControl::VariableValue);
    if (variableValue_->text() != value.value && !variableValue_->hasFocus())
        variableValue_->setText(value.value);
    variableValue_->setVisible(value.visible);
    variableValue_->setEnabled(value.enabled);
    const ControlState& test = panel.At(PanelControl::TestMessage);
    testMessage_->setChecked(test.value == QLatin1String("1"));
    testMessage_->setVisible(test.visible);
    testMessage_->setEnabled(test.enabled);
    const ControlState& once = panel.At(PanelControl::RunOnce);
    runOnce_->setChecked(once.value == QLatin1String("1"));
    runOnce_->setVisible(once.visible);
    runOnce_->setEnabled(once.enabled);
}

void MainWindow::RefreshEvents() {
    const int category = work_.CurrentCategory();
    QTreeWidget* list = eventLists_[category - 1];
    list->clear();
    for (const EventRow& row : work_.Panel().eventRows)
        new QTreeWidgetItem(list, {row.command, row.comment});

    const FreeEventToolbarState states = work_.FreeEventToolbar();
    auto set = [this](const char* name, bool on) { Action(QLatin1String(name))->setEnabled(on); };
    set("event.add", states.add);
    set("freeTool.add", states.add);
    set("event.edit", states.edit);
    set("freeTool.change", states.edit);
    set("event.cut", states.cut);
    set("freeTool.cut", states.cut);
    set("event.copy", states.copy);
    set("freeTool.copy", states.copy);
    set("event.paste", states.paste);
    set("freeTool.paste", states.paste);
    set("event.delete", states.remove);
    set("freeTool.delete", states.remove);
    QAction* relation = Action(QStringLiteral("event.relation"));
    const std::optional<RelationMenuItem> item = work_.RelationItem();
    relation->setText(item ? item->text : QStringLiteral("(関連条件はありません)"));
    relation->setEnabled(item && item->enabled);

    if (category != kCategoryCount || work_.SelectedKind() != NodeKind::Rule)
        return;
    static const QIcon plain = Icons::ForCondition(Icons::Condition::FreeEvent);
    static const QIcon related = Icons::ForCondition(Icons::Condition::RelatedEvent);
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    freeEventTree_->clear();
    const QList<FreeEventNode> nodes = work_.FreeEvents().Tree();
    for (const FreeEventNode& node : nodes) {
        auto* item = new QTreeWidgetItem(freeEventTree_, {node.text});
        item->setIcon(0, node.related ? related : plain);
    }
    const int selected = work_.FreeEvents().Selected();
    if (selected >= 0 && selected < freeEventTree_->topLevelItemCount())
        freeEventTree_->setCurrentItem(freeEventTree_->topLevelItem(selected));
    refreshing_ = wasRefreshing;
}

void MainWindow::RefreshStatus() {
    status_[0]->setText(work_.RuleCountText());
    status_[1]->setText(work_.CommandCountText());
}

void MainWindow::SetMessage(const QString& text) {
    status_[3]->setText(text);
}

// --- commands -------------------------------------------------------------------

void MainWindow::ChangePanel(PanelControl control, const QString& value) {
    if (refreshing_)
        return;
    const Notice notice = work_.ChangePanel(control, value);
    Refresh();
    Show(notice);
}

void MainWindow::DeleteRule() {
    const bool group = work_.SelectedKind() == NodeKind::Group;
    const Notice notice = work_.Delete();
    Refresh();
    Show(notice);
    if (group)
        ruleTree_->setFocus();
}

void MainWindow::CutRule() {
    const Notice notice = work_.CutRule();
    Refresh();
    Show(notice);
}

void MainWindow::CopyRule() {
    const Notice notice = work_.CopyRule();
    Refresh();
    Show(notice);
}

bool MainWindow::ConfirmDiscard() {
    if (!work_.IsModified())
        return true;
    const Notice question{QStringLiteral("変更を保存しますか？"), QStringLiteral("確認"),
                          Notice::Icon::Question};
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
    if (dialogs_.Ask(EmptyProjectQuestion(), Dialogs::Buttons::YesNoCancel) != Dialogs::Answer::Yes)
        return;
    Run([this] { work_.NewEmptyProject(); });
}

void MainWindow::NewFromTemplate() {
    if (!work_.TemplatesEnabled() || !ConfirmDiscard())
        return;
    TemplateOpenDialog dialog(
        ListTemplates(templateFolder_),
        [this](const QString& name) {
            const Notice notice = work_.NewFromTemplate(templateFolder_, name);
            Refresh();
            Show(notice);
        },
        this);
    dialogs_.Run(dialog);
    Refresh();
}

void MainWindow::SaveAsTemplate() {
    if (!work_.TemplatesEnabled())
        return;
    TemplateSaveDialog dialog(
        templateFolder_,
        [this](const QString& name) {
            const SaveOutcome outcome = work_.SaveAsTemplate(templateFolder_, name);
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
        {QStringLiteral("プロジェクトを開く"), openFolder_, kProjectFilter, kProjectSuffix});
    if (path.isEmpty())
        return;
    Notice notice;
    {
        WaitCursor wait;
        notice = work_.Open(path);
    }
    if (notice.IsEmpty())
        openFolder_ = QFileInfo(path).absolutePath();
    Refresh();
    Show(notice);
}

void MainWindow::SaveCommand() {
    SaveProject();
}
void MainWindow::SaveAsCommand() {
    SaveProjectAs();
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
    const QString folder =
        work_.CurrentPath().isEmpty() ? openFolder_ : QFileInfo(work_.CurrentPath()).absolutePath();
    const QString path = dialogs_.SaveFile(
        {QStringLiteral("プロジェクトの保存"), folder, kProjectFilter, kProjectSuffix});
    if (path.isEmpty())
        return false;
    const bool exists = QFileInfo::exists(path);
    if (exists && dialogs_.Ask(OverwriteQuestion(path), Dialogs::Buttons::YesNoCancel) !=
                      Dialogs::Answer::Yes)
        return false;
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = work_.SaveAs(path, exists);
    }
    Refresh();
    Show(outcome.notice);
    return outcome.ok;
}

void MainWindow::LaunchGame() {
    if (!game_)
        return;
    Show(GameInstallation(*game_).Launch());
}

void MainWindow::About() {
    AboutDialog dialog(this);
    dialogs_.Run(dialog);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ConfirmDiscard())
        event->accept();
    else
        event->ignore();
}

} // namespace rw

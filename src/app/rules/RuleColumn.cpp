#include "rules/RuleColumn.h"

#include "rules/RuleTree.h"
#include "shell/CommandMap.h"
#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "shell/PopupKeys.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace rw {

RuleColumn::RuleColumn(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QWidget(parent), host_(host), commands_(commands) {
    Workspace& work = host_.Work();
    auto run = [this](std::function<void()> command) {
        return [this, command = std::move(command)] { host_.Do(command); };
    };
    auto report = [this](std::function<Notice()> command) {
        return [this, command = std::move(command)] { host_.Report(command); };
    };

    menu_ = new QMenu(QStringLiteral("ルール(&R)"), this);
    menu_->setObjectName(QStringLiteral("menu.rule"));
    auto item = [&](const char* name, const QString& text, std::function<void()> command) {
        QAction* action = commands_.Add(QLatin1String(name), text, std::move(command));
        menu_->addAction(action);
        return action;
    };
    item("rule.add", QStringLiteral("ルールの追加(&A)"), run([&work] { work.AddRule(); }));
    item("rule.insert", QStringLiteral("ルールの挿入(&R)"), run([&work] { work.InsertRule(); }));
    item("rule.addGroup", QStringLiteral("グループの追加(&G)"), run([&work] { work.AddGroup(); }));
    menu_->addSeparator();
    item("rule.moveUp", QStringLiteral("優先度を上げる(&U)"), run([&work] { work.MoveUp(); }));
    item("rule.moveDown", QStringLiteral("優先度を下げる(&W)"), run([&work] { work.MoveDown(); }));
    menu_->addSeparator();
    item("rule.cut", QStringLiteral("切り取り(&T)"), report([&work] { return work.CutRule(); }));
    item("rule.copy", QStringLiteral("コピー(&C)"), report([&work] { return work.CopyRule(); }));
    item("rule.paste", QStringLiteral("貼り付け(&P)"), run([&work] { work.PasteRule(); }));
    item("rule.delete", QStringLiteral("削除(&D)"), [this] { Delete(); });
    // "スクリプトの表示(&S)" follows; the window adds it.

    // The toolbar offers the same commands under tool tips of its own.
    toolbar_ = new QToolBar(QStringLiteral("ルール"));
    toolbar_->setObjectName(QStringLiteral("toolbar.rules"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto tool = [this](const char* alias, const char* name, Icons::Tool icon, const QString& tip) {
        QAction* action = commands_.Share(QLatin1String(alias), QLatin1String(name));
        action->setIcon(Icons::ForTool(icon));
        action->setToolTip(tip);
        toolbar_->addAction(action);
    };
    tool("ruleTool.newGroup", "rule.addGroup", Icons::Tool::NewGroup,
         QStringLiteral("新しいグループ"));
    tool("ruleTool.newRule", "rule.add", Icons::Tool::NewRule, QStringLiteral("新しいルール"));
    toolbar_->addSeparator();
    tool("ruleTool.moveUp", "rule.moveUp", Icons::Tool::MoveUp,
         QStringLiteral("グループ内で優先度を上げる"));
    tool("ruleTool.moveDown", "rule.moveDown", Icons::Tool::MoveDown,
         QStringLiteral("グループ内で優先度を下げる"));
    toolbar_->addSeparator();
    tool("ruleTool.cut", "rule.cut", Icons::Tool::Cut, QStringLiteral("切り取り"));
    tool("ruleTool.copy", "rule.copy", Icons::Tool::Copy, QStringLiteral("コピー"));
    tool("ruleTool.paste", "rule.paste", Icons::Tool::Paste, QStringLiteral("貼り付け"));
    tool("ruleTool.delete", "rule.delete", Icons::Tool::Delete, QStringLiteral("削除"));

    // F2 renames the selected node in the title box, as in a file manager.
    commands_.Add(QStringLiteral("rule.rename"), QStringLiteral("名前の変更"), [this] {
        titleBox_->setFocus(Qt::ShortcutFocusReason);
        titleBox_->selectAll();
    });

    // One tree per category, as on the tab strip: a tab shown again keeps
    // its items and only redraws what changed meanwhile. A category's tree
    // is made when the category is first shown.
    trees_ = new QStackedWidget;
    tree_ = TreeOf(1);

    titleBox_ = new QLineEdit;
    titleBox_->setObjectName(QStringLiteral("titleBox"));
    titleBox_->setAccessibleName(QStringLiteral("タイトル"));
    titleBox_->setToolTip(QStringLiteral("ルールのタイトルを編集できます"));
    connect(titleBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        typing_ = true;
        host_.Do([this, text] { host_.Work().Rename(text); });
        typing_ = false;
    });
    // A title typed is one step of the history, however many keys it took.
    connect(titleBox_, &QLineEdit::editingFinished, this, [this] { host_.Work().FinishEdit(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(trees_, 1);
    layout->addWidget(titleBox_);
}

RuleTree* RuleColumn::TreeOf(int category) {
    RuleTree*& tree = treeOf_[category - 1];
    if (tree)
        return tree;
    tree = new RuleTree;
    tree->setObjectName(QStringLiteral("rules.%1").arg(category));
    tree->setAccessibleName(QStringLiteral("ルール"));
    connect(tree, &RuleTree::NodeChosen, this, [this](int position) {
        if (!host_.Refreshing())
            host_.Do([this, position] { host_.Work().Select(position); });
    });
    connect(tree, &RuleTree::DeleteRequested, this, [this] { Delete(); });
    connect(tree, &RuleTree::PopupRequested, this, [this](const QPoint& at) { menu_->popup(at); });
    PopupKeys::Install(tree, [this](const QPoint& at) { menu_->popup(at); });
    // The editing keys act on the rules while the rule tree has the focus.
    commands_.BindKey(QStringLiteral("rule.cut"), QKeySequence::Cut, {tree});
    commands_.BindKey(QStringLiteral("rule.copy"), QKeySequence::Copy, {tree});
    commands_.BindKey(QStringLiteral("rule.paste"), QKeySequence::Paste, {tree});
    commands_.BindKey(QStringLiteral("rule.delete"), QKeySequence(Qt::Key_Delete), {tree});
    commands_.BindKey(QStringLiteral("rule.rename"), QKeySequence(Qt::Key_F2), {tree});
    trees_->addWidget(tree);
    // Made late, it would come last in the tab order; the trees stand
    // together before the title box.
    if (category != 1)
        QWidget::setTabOrder(treeOf_[0], tree);
    return tree;
}

void RuleColumn::Delete() {
    const bool group = host_.Work().SelectedKind() == NodeKind::Group;
    host_.Report([this] { return host_.Work().Delete(); });
    if (group)
        tree_->setFocus();
}

void RuleColumn::Refresh() {
    const Workspace& work = host_.Work();
    const int category = work.CurrentCategory();
    tree_ = TreeOf(category);
    trees_->setCurrentWidget(tree_);
    tree_->Show(work.Tree(), work.Selected());

    // The title box shows the selected node's title after every command,
    // an automatic rename included, except the rename the user is typing:
    // the box keeps what was typed (a cleared rule title is stored as " ").
    const bool moved = category != shownCategory_ || work.Selected() != shownSelection_;
    if ((moved || !typing_) && titleBox_->text() != work.TitleBoxText())
        titleBox_->setText(work.TitleBoxText());
    shownCategory_ = category;
    shownSelection_ = work.Selected();

    const RuleCommandStates states = work.RuleCommands();
    auto set = [this](const char* name, bool on) { commands_.SetEnabled(QLatin1String(name), on); };
    set("rule.delete", states.deleteEnabled);
    set("rule.paste", states.pasteEnabled);
    set("rule.copy", states.copyCutEnabled);
    set("rule.cut", states.copyCutEnabled);
    set("rule.moveUp", states.moveUpEnabled);
    set("rule.moveDown", states.moveDownEnabled);
}

} // namespace rw

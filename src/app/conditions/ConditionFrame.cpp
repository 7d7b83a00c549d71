#include "conditions/ConditionFrame.h"

#include "conditions/CommandLimit.h"
#include "conditions/ConditionEntry.h"
#include "conditions/ConditionTree.h"
#include "conditions/FrmIf.h"
#include "shell/CommandMap.h"
#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "shell/PopupKeys.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace rw {

namespace {

// The toolbar offers the operators in the order of the "ANDの書き換え" entries,
// then NOT, which has no rewrite entry (it takes one operand, the others
// two).
QList<const OperatorInfo*> ToolbarOperators() {
    QList<const OperatorInfo*> order;
    for (int kind : kRewriteKinds)
        order << OperatorByKind(kind);
    for (const OperatorInfo& op : Operators())
        if (!order.contains(&op))
            order << &op;
    return order;
}

} // namespace

ConditionFrame::ConditionFrame(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QGroupBox(QStringLiteral("ルール"), parent), host_(host), commands_(commands) {
    setObjectName(QStringLiteral("frame.conditions"));
    tree_ = new ConditionTree;
    tree_->setObjectName(QStringLiteral("conditions"));
    tree_->setAccessibleName(QStringLiteral("条件"));
    BuildCommands();

    connect(tree_, &ConditionTree::NodeChosen, this, [this](int position) {
        if (!host_.Refreshing())
            host_.Do([this, position] { host_.Work().SelectCondition(position); });
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (QAction* edit = commands_.Action(QStringLiteral("condition.edit")); edit->isEnabled())
            edit->trigger();
    });
    connect(tree_, &ConditionTree::PopupRequested, this,
            [this](const QPoint& at) { menu_->popup(at); });
    PopupKeys::Install(tree_, [this](const QPoint& at) { menu_->popup(at); });
    // The editing keys act on the conditions while their tree has the focus.
    commands_.BindKey(QStringLiteral("condition.cut"), QKeySequence::Cut, {tree_});
    commands_.BindKey(QStringLiteral("condition.copy"), QKeySequence::Copy, {tree_});
    commands_.BindKey(QStringLiteral("condition.paste"), QKeySequence::Paste, {tree_});
    commands_.BindKey(QStringLiteral("condition.delete"), QKeySequence(Qt::Key_Delete), {tree_});
    connect(tree_, &ConditionTree::DeleteRequested, this, [this] {
        if (QAction* remove = commands_.Action(QStringLiteral("condition.delete"));
            remove->isEnabled())
            remove->trigger();
    });
}

void ConditionFrame::BuildCommands() {
    Workspace& work = host_.Work();
    auto run = [this](std::function<void()> command) {
        return [this, command = std::move(command)] { host_.Do(command); };
    };
    auto openEditor = [this](FrmIf::Opening opening) {
        return [this, opening] {
            host_.Do([this, opening] {
                FrmIf::Open(host_.Work(), host_.Prompts(), opening, host_.Window());
            });
        };
    };
    auto undo = [this] { host_.Report([this] { return host_.Work().UndoConditions(); }); };

    // The toolbar's commands. Buttons and menu items that act alike share one
    // action; add, change, cut, paste and delete act differently from the
    // toolbar, so those have an action each.
    auto* bar = new QToolBar(QStringLiteral("条件"));
    bar->setObjectName(QStringLiteral("toolbar.conditions"));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto tool = [&](const QString& name, Icons::Tool icon, const QString& tip,
                    std::function<void()> command) {
        QAction* action = commands_.Add(name, tip, std::move(command));
        action->setIcon(Icons::ForTool(icon));
        action->setToolTip(tip);
        bar->addAction(action);
        return action;
    };
    tool(QStringLiteral("conditionTool.add"), Icons::Tool::AddCondition,
         QStringLiteral("新しい条件の追加"), openEditor(FrmIf::Opening::ToolbarAdd));
    tool(QStringLiteral("conditionTool.change"), Icons::Tool::ChangeCondition,
         QStringLiteral("現在の条件を変更して上書きする"),
         openEditor(FrmIf::Opening::ToolbarChange));
    bar->addSeparator();
    for (const OperatorInfo* op : ToolbarOperators()) {
        const int kind = op->kind;
        QAction* action = commands_.Add(QStringLiteral("conditionTool.") + op->cap, op->toolTip,
                                        run([&work, kind] { work.InsertOperator(kind); }));
        // The keyword itself reads better than any picture of it.
        action->setIconText(op->cap);
        action->setToolTip(op->toolTip);
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
    tool(QStringLiteral("conditionTool.cut"), Icons::Tool::Cut, QStringLiteral("切り取り"),
         run([&work] { work.CutCondition(CommandSource::Toolbar); }));
    QAction* copy = tool(QStringLiteral("condition.copy"), Icons::Tool::Copy,
                         QStringLiteral("コピー"), run([&work] { work.CopyCondition(); }));
    tool(QStringLiteral("conditionTool.paste"), Icons::Tool::Paste, QStringLiteral("貼り付け"),
         run([&work] { work.PasteCondition(CommandSource::Toolbar); }));
    tool(QStringLiteral("conditionTool.delete"), Icons::Tool::Delete, QStringLiteral("削除"),
         run([&work] { work.DeleteCondition(CommandSource::Toolbar); }));
    QAction* undoAction =
        tool(QStringLiteral("condition.undo"), Icons::Tool::Undo, QStringLiteral("元に戻す"), undo);
    commands_.Share(QStringLiteral("conditionTool.copy"), QStringLiteral("condition.copy"));
    commands_.Share(QStringLiteral("conditionTool.undo"), QStringLiteral("condition.undo"));
    commands_.Share(QStringLiteral("condition.not"), QStringLiteral("conditionTool.NOT"));

    // The menu "条件(&I)", also the tree's pop-up.
    menu_ = new QMenu(QStringLiteral("条件(&I)"), this);
    menu_->setObjectName(QStringLiteral("menu.condition"));
    menu_->addAction(commands_.Add(QStringLiteral("condition.add"),
                                   QStringLiteral("条件の追加(&A)..."),
                                   openEditor(FrmIf::Opening::MenuAdd)));
    menu_->addAction(commands_.Add(QStringLiteral("condition.edit"),
                                   QStringLiteral("条件の編集(&E)..."),
                                   openEditor(FrmIf::Opening::Change)));
    rewrite_ = menu_->addMenu(QStringLiteral("ANDの書き換え(&R)"));
    rewrite_->setObjectName(QStringLiteral("menu.rewrite"));
    for (int kind : kRewriteKinds) {
        const QString& keyword = OperatorByKind(kind)->cap;
        rewrite_->addAction(commands_.Add(QStringLiteral("condition.rewrite.") + keyword, keyword,
                                          run([&work, kind] { work.RewriteOperator(kind); })));
    }
    QAction* insertNot = commands_.Action(QStringLiteral("condition.not"));
    menu_->addAction(insertNot);
    menu_->addSeparator();
    menu_->addAction(undoAction);
    menu_->addSeparator();
    menu_->addAction(commands_.Add(QStringLiteral("condition.cut"), QStringLiteral("切り取り(&T)"),
                                   run([&work] { work.CutCondition(CommandSource::Menu); })));
    menu_->addAction(copy);
    menu_->addAction(commands_.Add(QStringLiteral("condition.paste"),
                                   QStringLiteral("貼り付け(&P)"),
                                   run([&work] { work.PasteCondition(CommandSource::Menu); })));
    menu_->addAction(commands_.Add(QStringLiteral("condition.overwrite"),
                                   QStringLiteral("書き換え(&O)"),
                                   run([&work] { work.OverwriteCondition(); })));
    menu_->addAction(commands_.Add(QStringLiteral("condition.delete"), QStringLiteral("削除(&D)"),
                                   run([&work] { work.DeleteCondition(CommandSource::Menu); })));

    // A shared action shows its menu text in the menu and its tool tip on the
    // button.
    copy->setText(QStringLiteral("コピー(&C)"));
    // Named apart from 編集's "元に戻す(&U)", which takes back whole steps.
    undoAction->setText(QStringLiteral("条件を元に戻す(&U)"));
    insertNot->setText(QStringLiteral("NOTの挿入(&N)"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(tree_, 1);
}

void ConditionFrame::Refresh() {
    const Workspace& work = host_.Work();
    tree_->Show(work.ConditionTree(), work.Conditions().Selected());

    const ConditionCommandStates states = work.ConditionCommands();
    for (const OperatorInfo& op : Operators())
        commands_.SetEnabled(QStringLiteral("conditionTool.") + op.cap,
                             states.OperatorEnabled(op.kind));
    for (int kind : kRewriteKinds)
        commands_.SetEnabled(QStringLiteral("condition.rewrite.") + OperatorByKind(kind)->cap,
                             states.RewriteEnabled(kind));
    auto set = [this](const char* name, bool on) { commands_.SetEnabled(QLatin1String(name), on); };
    set("condition.add", states.add);
    set("conditionTool.add", states.add);
    set("condition.edit", states.change);
    set("conditionTool.change", states.change);
    set("condition.cut", states.cut);
    set("conditionTool.cut", states.cut);
    set("condition.copy", states.copy);
    set("condition.paste", states.paste);
    set("conditionTool.paste", states.paste);
    set("condition.overwrite", states.overwrite);
    set("condition.delete", states.remove);
    set("conditionTool.delete", states.remove);
    set("condition.undo", states.undo);
    CommandMap::FollowItems(menu_);
}

} // namespace rw

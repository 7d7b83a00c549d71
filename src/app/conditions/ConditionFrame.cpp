#include "conditions/ConditionFrame.h"

#include "conditions/ConditionTree.h"
#include "shell/CommandMap.h"
#include "shell/EditorHost.h"
#include "shell/PopupKeys.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

namespace rw {

ConditionFrame::ConditionFrame(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QGroupBox(QStringLiteral("ルール"), parent), host_(host), commands_(commands) {
    setObjectName(QStringLiteral("frame.conditions"));
    tree_ = new ConditionTree;
    tree_->setObjectName(QStringLiteral("conditions"));
    tree_->setAccessibleName(QStringLiteral("条件"));
    menu_ = commands_.Menu(QStringLiteral("menu.condition"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(commands_.Toolbar(QStringLiteral("toolbar.conditions")));
    layout->addWidget(tree_, 1);

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
    commands_.BindKeys(KeyScope::ConditionTree, {tree_});
    connect(tree_, &ConditionTree::DeleteRequested, this, [this] {
        if (QAction* remove = commands_.Action(QStringLiteral("condition.delete"));
            remove->isEnabled())
            remove->trigger();
    });
}

void ConditionFrame::Refresh() {
    const Workspace& work = host_.Work();
    tree_->Show(work.ConditionTree(), work.Conditions().Selected());
}

} // namespace rw

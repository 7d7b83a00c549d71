#include "events/FreeEventFrame.h"

#include "shell/CommandTable.h"
#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "shell/PopupKeys.h"
#include "shell/SelectionFollows.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

FreeEventFrame::FreeEventFrame(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QWidget(parent), host_(host), commands_(commands) {
    popup_ = commands_.Menu(QStringLiteral("menu.event"));
    QToolBar* bar = commands_.Toolbar(QStringLiteral("toolbar.freeEvents"));

    tree_ = new QTreeWidget;
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    KeepCurrentWithSelection(tree_);
    tree_->setObjectName(QStringLiteral("freeEvents"));
    tree_->setAccessibleName(QStringLiteral("フリーイベント"));
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (QAction* edit = commands_.Action(QStringLiteral("event.edit")); edit->isEnabled())
            edit->trigger();
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
                if (!host_.Refreshing() && item)
                    host_.Do([this, item] {
                        host_.Work().SelectFreeEvent(tree_->indexOfTopLevelItem(item));
                    });
            });
    // The editing keys act on the free events while their tree has the focus.
    commands_.BindKeys(KeyScope::FreeEventTree, {tree_});
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowPopup(tree_->viewport()->mapToGlobal(at)); });
    PopupKeys::Install(tree_, [this](const QPoint& at) { ShowPopup(at); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(tree_, 1);
}

void FreeEventFrame::ShowPopup(const QPoint& at) {
    commands_.Refresh(CommandStates::Read(host_.Work()));
    Refresh();
    popup_->popup(at);
}

void FreeEventFrame::Refresh() {
    const Workspace& work = host_.Work();
    if (work.CurrentCategory() != kCategoryCount || work.SelectedKind() != NodeKind::Rule)
        return;
    static const QIcon plain = Icons::ForCondition(Icons::Condition::FreeEvent);
    static const QIcon related = Icons::ForCondition(Icons::Condition::RelatedEvent);
    const QSignalBlocker quiet(tree_);
    tree_->clear();
    for (const FreeEventNode& node : work.FreeEvents().Tree()) {
        auto* entry = new QTreeWidgetItem(tree_, {node.text});
        entry->setIcon(0, node.related ? related : plain);
    }
    const int selected = work.FreeEvents().Selected();
    if (selected >= 0 && selected < tree_->topLevelItemCount())
        tree_->setCurrentItem(tree_->topLevelItem(selected));
}

} // namespace rw

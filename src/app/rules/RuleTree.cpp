#include "rules/RuleTree.h"

#include "shell/Icons.h"
#include "shell/SelectionFollows.h"

#include <QDragMoveEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace rw {

namespace {

const QIcon& NodeIcon(NodeKind kind) {
    static const QIcon root = Icons::ForNode(Icons::Node::Root);
    static const QIcon group = Icons::ForNode(Icons::Node::Group);
    static const QIcon rule = Icons::ForNode(Icons::Node::Rule);
    switch (kind) {
    case NodeKind::Root:
        return root;
    case NodeKind::Group:
        return group;
    case NodeKind::Rule:
        break;
    }
    return rule;
}

} // namespace

RuleTree::RuleTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    KeepCurrentWithSelection(this);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setItemsExpandable(false);
    setRootIsDecorated(true);
    // Nodes can be dragged, but the only effect of a drag is the selection
    // following the pointer; dropping moves nothing.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::IgnoreAction);
    setDropIndicatorShown(false);

    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!syncing_ && current)
                    emit NodeChosen(Position(current));
            });
}

int RuleTree::Position(const QTreeWidgetItem* item) const {
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

QTreeWidgetItem* RuleTree::ItemAt(int position) const {
    return position >= 1 && position <= items_.size() ? items_[position - 1] : nullptr;
}

bool RuleTree::SameShape(const CategoryTree& a, const CategoryTree& b) {
    if (a.Size() != b.Size())
        return false;
    for (int i = 0; i < a.Size(); ++i) {
        if (a.nodes[i].kind != b.nodes[i].kind || a.nodes[i].parent != b.nodes[i].parent)
            return false;
    }
    return true;
}

void RuleTree::Rebuild(const CategoryTree& tree) {
    ++rebuilds_;
    setUpdatesEnabled(false);
    clear();
    items_.clear();
    items_.reserve(tree.Size());
    QList<QTreeWidgetItem*> topLevel;
    for (const TreeNode& node : tree.nodes) {
        QTreeWidgetItem* parent = node.parent ? items_[node.parent - 1] : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem;
        item->setText(0, node.caption);
        item->setIcon(0, NodeIcon(node.kind));
        item->setData(0, Qt::UserRole, node.position);
        if (!parent)
            topLevel << item;
        items_ << item;
    }
    addTopLevelItems(topLevel);
    expandAll();
    setUpdatesEnabled(true);
}

void RuleTree::Show(const CategoryTree& tree, int selected) {
    syncing_ = true;
    if (SameShape(tree, shown_) && !items_.isEmpty()) {
        for (int i = 0; i < tree.Size(); ++i) {
            if (tree.nodes[i].caption != shown_.nodes[i].caption)
                items_[i]->setText(0, tree.nodes[i].caption);
        }
    } else {
        Rebuild(tree);
    }
    shown_ = tree;
    if (QTreeWidgetItem* item = ItemAt(selected); item && currentItem() != item) {
        setCurrentItem(item);
        scrollToItem(item);
    }
    syncing_ = false;
}

void RuleTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit DeleteRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void RuleTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit PopupRequested(event->globalPosition().toPoint());
}

void RuleTree::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void RuleTree::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
    if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
        emit NodeChosen(Position(item));
}

void RuleTree::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    // A drop away from every node leaves no readable selection.
    if (!itemAt(event->position().toPoint()))
        emit NodeChosen(1);
}

} // namespace rw

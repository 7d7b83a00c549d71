#include "conditions/ConditionTree.h"

#include "shell/Icons.h"
#include "shell/SelectionFollows.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rw {

ConditionTree::ConditionTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    KeepCurrentWithSelection(this);
    // The tree is always shown whole: nothing can be folded away.
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!syncing_ && current)
                    emit NodeChosen(current->data(0, Qt::UserRole).toInt());
            });
}

void ConditionTree::Show(const QList<ConditionNode>& nodes, int selected) {
    static const QIcon normal = Icons::ForCondition(Icons::Condition::Normal);
    static const QIcon locked = Icons::ForCondition(Icons::Condition::Locked);
    static const QIcon placeholder = Icons::ForCondition(Icons::Condition::Placeholder);

    syncing_ = true;
    setUpdatesEnabled(false);
    clear();
    items_.clear();
    for (int i = 0; i < nodes.size(); ++i) {
        const ConditionNode& node = nodes[i];
        QTreeWidgetItem* parent =
            node.parent >= 1 && node.parent <= items_.size() ? items_[node.parent - 1] : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, node.caption);
        item->setData(0, Qt::UserRole, node.position);
        switch (node.icon) {
        case ConditionIcon::Locked:
            item->setIcon(0, locked);
            break;
        case ConditionIcon::Placeholder:
            item->setIcon(0, placeholder);
            break;
        case ConditionIcon::Normal:
            // Operators are conditions too and wear the same picture.
            item->setIcon(0, normal);
            break;
        }
        if (node.grey)
            item->setForeground(0, QColor(128, 128, 128));
        items_ << item;
    }
    expandAll();
    if (selected >= 1 && selected <= items_.size())
        setCurrentItem(items_[selected - 1]);
    setUpdatesEnabled(true);
    syncing_ = false;
}

// Nothing folds, so there are no arrows to draw; the indentation shows the
// structure.
void ConditionTree::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}

void ConditionTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit DeleteRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ConditionTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit PopupRequested(event->globalPosition().toPoint());
}

// The first click of a double click selects a node, which rebuilds the tree;
// Qt then no longer pairs the second click with the pressed item, so the
// double click is reported here from the item under the pointer.
void ConditionTree::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
        emit itemDoubleClicked(item, 0);
}

} // namespace rw

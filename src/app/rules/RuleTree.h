#pragma once

#include "model/CategoryTree.h"

#include <QTreeWidget>

namespace rw {

// The rule tree of the shown category, drawn from the tree data. It reports
// what the user does and never changes the selection on its own account.
class RuleTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit RuleTree(QWidget* parent = nullptr);

    // Shows the tree with `selected` as the selected node. Only what differs
    // from the tree already shown is redrawn.
    void Show(const CategoryTree& tree, int selected);
    int Position(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemAt(int position) const;
    int Rebuilds() const { return rebuilds_; }

signals:
    // A node was clicked, reached with the keyboard or dragged over.
    void NodeChosen(int position);
    void PopupRequested(const QPoint& globalPosition);
    void DeleteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Rebuild(const CategoryTree& tree);
    static bool SameShape(const CategoryTree& a, const CategoryTree& b);

    CategoryTree shown_;
    QList<QTreeWidgetItem*> items_; // items_[p - 1] shows position p
    bool syncing_ = false;
    int rebuilds_ = 0;
};

} // namespace rw

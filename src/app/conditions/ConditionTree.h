#pragma once

#include "conditions/ConditionList.h"

#include <QTreeWidget>

namespace rw {

// The condition tree of the selected rule. Every node stays expanded.
class ConditionTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ConditionTree(QWidget* parent = nullptr);

    void Show(const QList<ConditionNode>& nodes, int selected);

signals:
    void NodeChosen(int position);
    void PopupRequested(const QPoint& globalPosition);
    void DeleteRequested();

protected:
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QList<QTreeWidgetItem*> items_;
    bool syncing_ = false;
};

} // namespace rw

#pragma once

#include <QGroupBox>

class QMenu;

namespace rw {

class CommandMap;
class ConditionTree;
class EditorHost;

// The frame "ルール": the selected rule's condition tree under its toolbar,
// and the "条件(&I)" menu that offers the same commands.
class ConditionFrame : public QGroupBox {
    Q_OBJECT
public:
    ConditionFrame(EditorHost& host, CommandMap& commands, QWidget* parent = nullptr);

    // Re-reads the tree from the workspace.
    void Refresh();

    ConditionTree* Tree() const { return tree_; }
    QMenu* Menu() const { return menu_; }

private:
    EditorHost& host_;
    CommandMap& commands_;
    ConditionTree* tree_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace rw

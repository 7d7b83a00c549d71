#pragma once

#include "model/Project.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace rw {

class CommandMap;
class EditorHost;
class RuleTree;

// The left column: the rule toolbar, one rule tree per category (only the
// current one shown) and the title box; with the "ルール(&R)" menu, which is
// also the trees' pop-up.
class RuleColumn : public QWidget {
    Q_OBJECT
public:
    RuleColumn(EditorHost& host, CommandMap& commands, QWidget* parent = nullptr);

    // Shows the current category's tree and the selected node's title.
    void Refresh();

    // "削除(&D)": deletes the selected node; after a group the tree keeps the
    // focus.
    void DeleteSelected();
    // Renames the selected node in the title box.
    void StartRename();

    RuleTree* Tree() const { return tree_; }
    QLineEdit* TitleBox() const { return titleBox_; }
    QMenu* Menu() const { return menu_; }
    QToolBar* Toolbar() const { return toolbar_; }

private:
    RuleTree* TreeOf(int category);
    void BuildTitleBox();

    EditorHost& host_;
    CommandMap& commands_;
    QToolBar* toolbar_ = nullptr;
    QStackedWidget* trees_ = nullptr;
    std::array<RuleTree*, kCategoryCount> treeOf_{}; // made when first shown
    RuleTree* tree_ = nullptr;                       // the tree of the shown category
    QLineEdit* titleBox_ = nullptr;
    QMenu* menu_ = nullptr;
    int shownCategory_ = 0;
    int shownSelection_ = 0;
    bool typing_ = false; // the title box is reporting what the user typed
};

} // namespace rw

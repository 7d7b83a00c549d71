#include "rules/RuleColumn.h"

#include "rules/RuleTree.h"
#include "shell/CommandMap.h"
#include "shell/EditorHost.h"
#include "shell/PopupKeys.h"
#include "workspace/Workspace.h"

#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace rw {

RuleColumn::RuleColumn(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QWidget(parent), host_(host), commands_(commands) {
    menu_ = commands.Menu(QStringLiteral("menu.rule"));
    toolbar_ = commands.Toolbar(QStringLiteral("toolbar.rules"));
    trees_ = new QStackedWidget;
    tree_ = TreeOf(1);
    BuildTitleBox();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(trees_, 1);
    layout->addWidget(titleBox_);
}

// One tree per category, as on the tab strip: a tab shown again keeps its
// items and only redraws what changed meanwhile. A category's tree is made
// when the category is first shown.
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
    connect(tree, &RuleTree::DeleteRequested, this, [this] { DeleteSelected(); });
    connect(tree, &RuleTree::PopupRequested, this, [this](const QPoint& at) { menu_->popup(at); });
    PopupKeys::Install(tree, [this](const QPoint& at) { menu_->popup(at); });
    // The editing keys act on the rules while the rule tree has the focus.
    commands_.BindKeys(KeyScope::RuleTrees, {tree});
    trees_->addWidget(tree);
    // Made late, it would come last in the tab order; the trees stand
    // together before the title box.
    if (category != 1)
        QWidget::setTabOrder(treeOf_[0], tree);
    return tree;
}

void RuleColumn::BuildTitleBox() {
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
}

void RuleColumn::DeleteSelected() {
    const bool group = host_.Work().SelectedKind() == NodeKind::Group;
    host_.Report([this] { return host_.Work().Delete(); });
    if (group)
        tree_->setFocus();
}

void RuleColumn::StartRename() {
    titleBox_->setFocus(Qt::ShortcutFocusReason);
    titleBox_->selectAll();
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
}

} // namespace rw

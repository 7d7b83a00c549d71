#include "events/FreeEventFrame.h"

#include "events/FrmFree.h"
#include "shell/CommandMap.h"
#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "shell/PopupKeys.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

FreeEventFrame::FreeEventFrame(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QWidget(parent), host_(host), commands_(commands) {
    Workspace& work = host_.Work();
    auto run = [this](std::function<void()> command) {
        return [this, command = std::move(command)] { host_.Do(command); };
    };

    // The pop-up's items and the toolbar's buttons are the same commands.
    popup_ = new QMenu(QStringLiteral("イベント"), this);
    popup_->setObjectName(QStringLiteral("menu.event"));
    auto item = [&](const QString& name, const QString& text, std::function<void()> command) {
        QAction* action = commands_.Add(name, text, std::move(command));
        popup_->addAction(action);
        return action;
    };
    item(QStringLiteral("event.add"), QStringLiteral("イベントの追加(&A)..."),
         run([this] { FrmFree::Add(host_.Work(), host_.Prompts()); }));
    item(QStringLiteral("event.edit"), QStringLiteral("イベントの編集(&E)..."),
         run([this] { FrmFree::Edit(host_.Work(), host_.Prompts()); }));
    popup_->addSeparator();
    item(QStringLiteral("event.cut"), QStringLiteral("切り取り(&C)"),
         run([&work] { work.CutFreeEvent(); }));
    item(QStringLiteral("event.copy"), QStringLiteral("コピー(&C)"),
         run([&work] { work.CopyFreeEvent(); }));
    item(QStringLiteral("event.paste"), QStringLiteral("貼り付け"),
         [this] { host_.Report([this] { return host_.Work().PasteFreeEvent(); }); });
    item(QStringLiteral("event.delete"), QStringLiteral("削除(&D)"),
         run([&work] { work.DeleteFreeEvent(); }));
    popup_->addSeparator();
    QMenu* relation = popup_->addMenu(QStringLiteral("このイベントの関連条件"));
    relation->setObjectName(QStringLiteral("menu.relation"));
    relation->addAction(commands_.Add(QStringLiteral("event.relation"),
                                      QStringLiteral("(関連条件はありません)"),
                                      run([&work] { work.CopyRelatedCondition(); })));

    auto* bar = new QToolBar(QStringLiteral("イベント"));
    bar->setObjectName(QStringLiteral("toolbar.freeEvents"));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto tool = [&](const char* alias, const char* name, Icons::Tool icon, const QString& tip) {
        QAction* action = commands_.Share(QLatin1String(alias), QLatin1String(name));
        action->setIcon(Icons::ForTool(icon));
        action->setToolTip(tip);
        bar->addAction(action);
    };
    tool("freeTool.add", "event.add", Icons::Tool::AddCondition,
         QStringLiteral("新しい条件の追加"));
    tool("freeTool.change", "event.edit", Icons::Tool::ChangeCondition,
         QStringLiteral("現在の条件を変更して上書きする"));
    bar->addSeparator();
    tool("freeTool.cut", "event.cut", Icons::Tool::Cut, QStringLiteral("切り取り"));
    tool("freeTool.copy", "event.copy", Icons::Tool::Copy, QStringLiteral("コピー"));
    tool("freeTool.paste", "event.paste", Icons::Tool::Paste, QStringLiteral("貼り付け"));
    tool("freeTool.delete", "event.delete", Icons::Tool::Delete, QStringLiteral("削除"));

    tree_ = new QTreeWidget;
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
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
    commands_.BindKey(QStringLiteral("event.cut"), QKeySequence::Cut, {tree_});
    commands_.BindKey(QStringLiteral("event.copy"), QKeySequence::Copy, {tree_});
    commands_.BindKey(QStringLiteral("event.paste"), QKeySequence::Paste, {tree_});
    commands_.BindKey(QStringLiteral("event.delete"), QKeySequence(Qt::Key_Delete), {tree_});
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
    Refresh();
    popup_->popup(at);
}

void FreeEventFrame::Refresh() {
    const Workspace& work = host_.Work();
    const FreeEventToolbarState states = work.FreeEventToolbar();
    auto set = [this](const char* name, bool on) { commands_.SetEnabled(QLatin1String(name), on); };
    set("event.add", states.add);
    set("event.edit", states.edit);
    set("event.cut", states.cut);
    set("event.copy", states.copy);
    set("event.paste", states.paste);
    set("event.delete", states.remove);
    QAction* relation = commands_.Action(QStringLiteral("event.relation"));
    const std::optional<RelationMenuItem> item = work.RelationItem();
    relation->setText(item ? item->text : QStringLiteral("(関連条件はありません)"));
    relation->setEnabled(item && item->enabled);
    CommandMap::FollowItems(popup_);

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

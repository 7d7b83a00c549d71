#include "shell/CommandMap.h"

#include "shell/PendingEdit.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace rw {

QAction* CommandMap::Add(const QString& name, const QString& text, std::function<void()> run) {
    Q_ASSERT(!actions_.contains(name));
    auto* action = new QAction(text, owner_);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner_, [run = std::move(run)] {
        SettlePendingEdit();
        run();
    });
    actions_.insert(name, action);
    return action;
}

QAction* CommandMap::Share(const QString& alias, const QString& name) {
    QAction* action = actions_.value(name);
    Q_ASSERT(action && !actions_.contains(alias));
    actions_.insert(alias, action);
    return action;
}

void CommandMap::SetEnabled(const QString& name, bool on) {
    if (QAction* action = actions_.value(name))
        action->setEnabled(on);
}

QAction* CommandMap::BindKey(const QString& name, const QKeySequence& key,
                             std::initializer_list<QWidget*> widgets) {
    BindKey(name, key, QList<QWidget*>(widgets));
    return actions_.value(name);
}

void CommandMap::BindKey(const QString& name, const QKeySequence& key,
                         const QList<QWidget*>& widgets) {
    QAction* action = actions_.value(name);
    Q_ASSERT(action);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget* widget : widgets)
        widget->addAction(action);
}

bool CommandMap::FollowItems(QMenu* menu) {
    bool any = false;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (QMenu* sub = action->menu())
            action->setEnabled(FollowItems(sub));
        any = any || action->isEnabled();
    }
    return any;
}

} // namespace rw

#include "shell/CommandMap.h"

#include <QAction>

namespace rw {

QAction* CommandMap::Add(const QString& name, const QString& text, std::function<void()> run) {
    Q_ASSERT(!actions_.contains(name));
    auto* action = new QAction(text, owner_);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner_, [run = std::move(run)] { run(); });
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

} // namespace rw

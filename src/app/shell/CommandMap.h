#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAction;

namespace rw {

// One QAction per command of the window. The menu, the toolbar and the
// pop-up that offer the same command share its action, so its text, tool
// tip, shortcut and enabled state can never disagree. Actions are found by
// name ("file.open", "rule.delete"); a toolbar may know a command under a
// second name ("ruleTool.delete").
class CommandMap {
public:
    explicit CommandMap(QObject* owner) : owner_(owner) {}

    // A new command; `text` is its menu text and, until set otherwise, its
    // tool tip.
    QAction* Add(const QString& name, const QString& text, std::function<void()> run);
    // A second name for an existing command.
    QAction* Share(const QString& alias, const QString& name);
    // The action of a name or alias; nullptr for an unknown name.
    QAction* Action(const QString& name) const { return actions_.value(name); }
    void SetEnabled(const QString& name, bool on);

private:
    QObject* owner_;
    QHash<QString, QAction*> actions_;
};

} // namespace rw

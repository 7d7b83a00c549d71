#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QWidget;

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
    // Gives a command a key that works only while one of `widgets` has the
    // focus (Ctrl+C copies a rule on the rule tree, a condition on the
    // condition tree). The menus show the key all the same.
    QAction* BindKey(const QString& name, const QKeySequence& key,
                     std::initializer_list<QWidget*> widgets);
    void BindKey(const QString& name, const QKeySequence& key, const QList<QWidget*>& widgets);

    // A sub-menu whose items are all disabled is disabled itself (and one
    // with an item to offer is enabled), at every depth below `menu`.
    // Answers whether `menu` offers anything.
    static bool FollowItems(QMenu* menu);

private:
    QObject* owner_;
    QHash<QString, QAction*> actions_;
};

} // namespace rw

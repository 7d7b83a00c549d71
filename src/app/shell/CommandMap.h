#pragma once

#include "shell/Icons.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace rw {

struct CommandStates;

// Where a command's keys work: anywhere in the window, or only while one
// of a region's widgets has the focus (Ctrl+C copies a rule on the rule
// tree, a condition on the condition tree). The menus show the keys all
// the same.
enum class KeyScope { Window, RuleTrees, ConditionTree, FreeEventTree };

// One command of the window, as the command table describes it.
struct Command {
    QString name;     // "rule.add"
    QString text;     // the menu text, with its mnemonic
    QString tip = {}; // the tool tip, where it is not the text
    std::optional<Icons::Tool> icon = {};
    QString keyword = {}; // a toolbar button that shows this word, not a picture
    QList<QKeySequence> keys = {};
    KeyScope scope = KeyScope::Window;
    QStringList aliases = {};                                // further names, a toolbar's own
    std::function<bool(const CommandStates&)> enabled = {};  // none: always enabled
    std::function<bool(const CommandStates&)> checked = {};  // set: a check item
    std::function<QString(const CommandStates&)> label = {}; // set: a text that changes
    std::function<void()> run = {};
};

// A menu, pop-up, toolbar or menu bar: the names of its commands and of its
// sub-menus ("menu.…") in the order shown, "" for a separator.
struct CommandLayout {
    enum class Kind { Menu, Toolbar, MenuBar };
    Kind kind = Kind::Menu;
    QString name; // "menu.rule", "toolbar.rules"
    QString title;
    QStringList items;
    std::function<bool(const CommandStates&)> enabled = {}; // a menu that can be off
};

// One QAction per command of the window, made from the command table. The
// menu, the toolbar and the pop-up that offer the same command share its
// action, so its text, tool tip, shortcut and enabled state can never
// disagree. Actions are found by name ("file.open", "rule.delete") or by an
// alias ("ruleTool.delete").
class CommandMap {
public:
    CommandMap(QWidget* owner, const QList<Command>& commands, QList<CommandLayout> layouts);

    // The action of a name or alias; nullptr for an unknown name.
    QAction* Action(const QString& name) const;
    // The menu, pop-up or toolbar of a layout, made on the first ask.
    QMenu* Menu(const QString& name);
    QToolBar* Toolbar(const QString& name);
    void FillMenuBar(QMenuBar* bar, const QString& name);
    // A menu made elsewhere (the recent files) that the layouts name.
    void AddMenu(QMenu* menu);
    // The keys of the commands of `scope` work on `widgets`.
    void BindKeys(KeyScope scope, const QList<QWidget*>& widgets);

    // Sets every command's and menu's state from the workspace's.
    void Refresh(const CommandStates& states);

    // A sub-menu whose items are all disabled is disabled itself (and one
    // with an item to offer is enabled), at every depth below `menu`.
    // Answers whether `menu` offers anything.
    static bool FollowItems(QMenu* menu);

private:
    struct Made {
        QAction* action;
        Command command;
    };

    void Make(const Command& command);
    const CommandLayout& Layout(const QString& name, CommandLayout::Kind kind) const;
    QMenu* MakeMenu(const QString& name, QWidget* parent);
    const Made& Named(const QString& name) const;

    QWidget* owner_;
    QList<Made> made_;
    QHash<QString, qsizetype> byName_; // names and aliases
    QList<CommandLayout> layouts_;
    QHash<QString, QMenu*> menus_;
};

} // namespace rw

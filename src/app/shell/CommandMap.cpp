#include "shell/CommandMap.h"

#include "shell/PendingEdit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace rw {

CommandMap::CommandMap(QWidget* owner, const QList<Command>& commands, QList<CommandLayout> layouts)
    : owner_(owner), layouts_(std::move(layouts)) {
    for (const Command& command : commands)
        Make(command);
}

void CommandMap::Make(const Command& command) {
    auto* action = new QAction(command.text, owner_);
    action->setObjectName(command.name);
    if (command.icon)
        action->setIcon(Icons::ForTool(*command.icon));
    if (!command.tip.isEmpty())
        action->setToolTip(command.tip);
    if (!command.keyword.isEmpty())
        action->setIconText(command.keyword);
    action->setShortcuts(command.keys);
    if (command.scope != KeyScope::Window)
        action->setShortcutContext(Qt::WidgetShortcut);
    action->setCheckable(bool(command.checked));
    if (command.run)
        QObject::connect(action, &QAction::triggered, owner_, [run = command.run] {
            SettlePendingEdit();
            run();
        });

    for (const QString& name : QStringList{command.name} + command.aliases) {
        if (byName_.contains(name))
            qFatal("Two commands are named %s", qPrintable(name));
        byName_.insert(name, made_.size());
    }
    made_.append(Made{action, command});
}

QAction* CommandMap::Action(const QString& name) const {
    const auto found = byName_.constFind(name);
    return found == byName_.cend() ? nullptr : made_[*found].action;
}

const CommandMap::Made& CommandMap::Named(const QString& name) const {
    const auto found = byName_.constFind(name);
    if (found == byName_.cend())
        qFatal("No command is named %s", qPrintable(name));
    return made_[*found];
}

const CommandLayout& CommandMap::Layout(const QString& name, CommandLayout::Kind kind) const {
    for (const CommandLayout& layout : layouts_)
        if (layout.name == name && layout.kind == kind)
            return layout;
    qFatal("No layout is named %s", qPrintable(name));
}

QMenu* CommandMap::Menu(const QString& name) {
    if (QMenu* made = menus_.value(name))
        return made;
    return MakeMenu(name, owner_);
}

void CommandMap::AddMenu(QMenu* menu) {
    menus_.insert(menu->objectName(), menu);
}

// An item that names a menu is a sub-menu, any other a command.
QMenu* CommandMap::MakeMenu(const QString& name, QWidget* parent) {
    const CommandLayout& layout = Layout(name, CommandLayout::Kind::Menu);
    auto* menu = new QMenu(layout.title, parent);
    menu->setObjectName(name);
    menus_.insert(name, menu);
    for (const QString& item : layout.items) {
        if (item.isEmpty())
            menu->addSeparator();
        else if (QMenu* sub = menus_.value(item))
            menu->addMenu(sub);
        else if (item.startsWith(QLatin1String("menu.")))
            menu->addMenu(MakeMenu(item, menu));
        else
            menu->addAction(Named(item).action);
    }
    return menu;
}

QToolBar* CommandMap::Toolbar(const QString& name) {
    const CommandLayout& layout = Layout(name, CommandLayout::Kind::Toolbar);
    auto* bar = new QToolBar(layout.title);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const QString& item : layout.items) {
        if (item.isEmpty()) {
            bar->addSeparator();
            continue;
        }
        const Made& made = Named(item);
        if (made.command.keyword.isEmpty()) {
            bar->addAction(made.action);
            continue;
        }
        // A keyword of the script reads better than any picture of it.
        auto* button = new QToolButton;
        button->setDefaultAction(made.action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        QFont font = button->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 0.85);
        button->setFont(font);
        bar->addWidget(button);
    }
    return bar;
}

void CommandMap::FillMenuBar(QMenuBar* bar, const QString& name) {
    for (const QString& item : Layout(name, CommandLayout::Kind::MenuBar).items)
        bar->addMenu(Menu(item));
}

void CommandMap::BindKeys(KeyScope scope, const QList<QWidget*>& widgets) {
    for (const Made& made : made_) {
        if (made.command.scope != scope || made.command.keys.isEmpty())
            continue;
        for (QWidget* widget : widgets)
            widget->addAction(made.action);
    }
}

void CommandMap::Refresh(const CommandStates& states) {
    for (const Made& made : made_) {
        const Command& command = made.command;
        if (command.enabled)
            made.action->setEnabled(command.enabled(states));
        if (command.checked)
            made.action->setChecked(command.checked(states));
        if (command.label)
            made.action->setText(command.label(states));
    }
    for (const CommandLayout& layout : layouts_) {
        QMenu* menu = menus_.value(layout.name);
        if (!layout.enabled || !menu)
            continue;
        const bool on = layout.enabled(states);
        menu->setEnabled(on);
        menu->menuAction()->setEnabled(on);
    }
    for (QMenu* menu : std::as_const(menus_))
        FollowItems(menu);
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

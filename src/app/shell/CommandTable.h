#pragma once

#include "conditions/CommandLimit.h"
#include "events/FreeEventCommands.h"
#include "rules/RuleList.h"
#include "shell/CommandMap.h"

#include <optional>

namespace rw {

class MainWindow;
class Workspace;

// What enables, checks and names the window's commands: the states the
// workspace computes, read once per refresh.
struct CommandStates {
    RuleCommandStates rules;
    ConditionCommandStates conditions;
    FreeEventToolbarState freeEvents;
    std::optional<RelationMenuItem> relation;
    bool templates = false;
    bool canUndo = false;
    bool canRedo = false;
    QString undoText;
    QString redoText;
    bool colourPreview = false;
    bool autoRename = false;

    static CommandStates Read(const Workspace& work);
};

// Every command of the window's menus, toolbars, pop-ups and keys, each
// run through `window`.
QList<Command> WindowCommands(MainWindow& window);
// The menu bar, the menus, the pop-ups and the toolbars that offer them.
QList<CommandLayout> WindowLayouts();

} // namespace rw

#pragma once

#include <QIcon>
#include <QString>

#include "vocabulary/Vocabulary.h"

namespace rw {

// Every picture of the window, drawn here so that the program carries no
// image files. Tree pictures carry a separate pixmap for the selected state.
class Icons {
public:
    enum class Node { Root, Group, Rule };
    enum class Tool {
        NewGroup,
        NewRule,
        MoveUp,
        MoveDown,
        Cut,
        Copy,
        Paste,
        Delete,
        AddCondition,
        ChangeCondition,
        Undo,
        Launch,
    };
    enum class Condition { Normal, Locked, Placeholder, FreeEvent, RelatedEvent };

    static QIcon ForNode(Node node);
    static QIcon ForTool(Tool tool);
    static QIcon ForCondition(Condition condition);
    // The building pickers' two pictures.
    static QIcon ForBuilding(BuildingPicture picture);
    static QIcon Application();
};

} // namespace rw

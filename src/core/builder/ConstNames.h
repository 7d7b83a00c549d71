#pragma once

#include "model/Project.h"

#include <QString>

namespace rw {

// Variables and timers reach the script as "(defconst NAME N)", so a name
// must be a word the game reads there: letters, digits, "-" and "_",
// starting with a letter, different from the other 49 names and from every
// word of the game the program knows.
enum class ConstKind { Variable, Timer };

// Why `name` cannot be the name of variable (1 to 40) or timer (1 to 10)
// `slot` of the project: the rule it breaks, in the user's words. Empty when
// it can. The slot's own current name is not counted as a duplicate.
QString CheckConstName(const Project& project, ConstKind kind, int slot, const QString& name);

// The name of a slot as the project holds it.
const QString& ConstName(const Project& project, ConstKind kind, int slot);

// "変数3" / "タイマー2", for messages.
QString ConstSlotCaption(ConstKind kind, int slot);

} // namespace rw

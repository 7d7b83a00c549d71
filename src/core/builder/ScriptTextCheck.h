#pragma once

#include "builder/ScriptCheck.h"

#include <QByteArrayView>
#include <QList>

namespace rw {

// Checks the text of an AI script as the game reads it, whoever wrote it:
// the bytes must be code page 932 without control characters (TAB aside),
// the expressions balanced, every rule a defrule whose facts and actions the
// game's command reference knows with the arguments it takes, every
// constant defined once before it is used, every #load-if-defined naming a
// symbol of the game and closed by its #end-if. A problem's place is its
// line: "行12".
QList<ScriptProblem> CheckScriptText(QByteArrayView bytes);

} // namespace rw

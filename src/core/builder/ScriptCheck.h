#pragma once

#include "model/Notice.h"
#include "model/Project.h"

#include <QList>
#include <QString>

namespace rw {

// One thing in the script the project would write that the game would not
// read (it refuses the whole AI for any of them), or that is written other
// than the project says.
struct ScriptProblem {
    QString where; // "建物/新しいグループ/家", "プロジェクトの設定/変数/No.3" ...
    QString text; // what is wrong, in the user's words

    // "where: text".
    QString Line() const { return where + QStringLiteral(": ") + text; }
    bool operator==(const ScriptProblem&) const = default;
};

// Checks, without the game, what the builder would write for the project:
// every fact and action is one balanced, non-empty expression that the
// game's command reference knows, with the arguments it takes, each an id or
// symbol of the right kind and within the game's range, every number a whole
// number the script can hold, every defconst name sound and unique, no rule
// holds more than 16 commands, the load conditions name the game's settings,
// and no text written on one line holds a control character or a character
// Shift_JIS lacks. An empty fact, written as "(true)", is reported too.
// Problems come in the order the script holds them: settings, then the
// initialisation rules, then the rules category by category.
QList<ScriptProblem> CheckScript(const Project& project);

// What the generation dialog asks before writing a script with problems:
// the first twenty lines, how many more there are, and whether to generate
// anyway. The safe answer is No.
Notice ScriptProblemsQuestion(const QList<ScriptProblem>& problems);

} // namespace rw

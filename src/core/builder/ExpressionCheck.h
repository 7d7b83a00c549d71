#pragma once

#include "builder/CommandReference.h"
#include "builder/ScriptReader.h"
#include "builder/WordMap.h"

#include <QString>

#include <functional>

namespace rw {

// A text as a report shows it: control characters made visible (␀…␟, ␡).
QString ShownWithControls(QStringView text);

enum class ScriptContext { Fact, Action, Rule };

// The names a script defines, with their values.
using ConstantValues = WordMap<long long>;

// Checks one fact, action or whole defrule against the game's command
// reference: keywords, how many arguments, what each argument may be, ids
// and numbers within the game's ranges, at most 16 commands in a rule.
// Both the project's check and the check of a written script use it; they
// differ only in how they name the place of a problem.
class ExpressionCheck {
public:
    // The name of the fact, action or rule a problem was found in, as the
    // start of the message ("条件「(goal 41 1)」", "初期化ルール").
    using Subject = std::function<QString(const ScriptNode& statement, ScriptContext)>;
    // One problem: the statement it belongs to and the whole message.
    using Report = std::function<void(const ScriptNode& statement, const QString& text)>;

    // `constants` are the names the script defines, with their values: a
    // name may stand wherever a number goes.
    ExpressionCheck(const ConstantValues& constants, Subject subject, Report report);

    void Check(const ScriptNode& node, ScriptContext context);

private:
    void Say(const ScriptNode& statement, ScriptContext context, const QString& text);
    void Defrule(const ScriptNode& node);
    int Statement(const ScriptNode& node, ScriptContext context, const ScriptNode& owner,
                  ScriptContext ownerContext);
    void Argument(const ScriptNode& arg, ParamKind kind, const ScriptNode& statement,
                  ScriptContext context);
    void Number(QStringView word, long long value, ParamKind kind, const ScriptNode& statement,
                ScriptContext context);

    const ConstantValues& constants_;
    Subject subject_;
    Report report_;
};

} // namespace rw

#pragma once

#include "builder/RuleRenderer.h"
#include "model/Notice.h"
#include "model/Project.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace rw {

// What the generation dialog shows while and after a script is built.
inline const QString kBuildingMessage = QStringLiteral("AIを生成中....");
inline const QString kRuleBuildingSuffix = QStringLiteral("生成中...");
inline const QString kBuildSucceeded = QStringLiteral("スクリプトファイルは正常に生成されました！");
inline const QString kBuildCancelled = QStringLiteral("生成をキャンセルしました");

// The comment column every script starts from.
inline constexpr int kScriptCommentColumn = 80;

struct BuildProgress {
    // Before each rule: its 1-based index, the number of rules, its title.
    std::function<void(int index, int count, const QString& title)> rule;
    // Within a rule: first over its conditions, then over its script rows.
    RowProgress row;
    // Asked before each rule; true stops the build with nothing built.
    std::function<bool()> cancelled;
};

struct ScriptBuild {
    QByteArray bytes; // the whole script in code page 932, CR LF line ends
    Notice notice;    // why nothing can be written; empty on success
    int ruleCount = 0;
    bool cancelled = false; // stopped on request: no bytes, no notice

    bool Ok() const { return notice.IsEmpty() && !cancelled; }
    // The script as text (decoded from the bytes; for tests and views).
    QString Text() const;
};

// Builds the AI script of the whole project: header, constants, the two
// initialisation rules, then every rule of every category inside its
// group's load conditions. Reads the project only. Refuses (with a notice)
// a project without rules, text that code page 932 cannot hold, a control
// character other than TAB, CR, LF and NUL (those are written as line ends
// or blanks; a byte a project file could not decode reads as SUB, so a
// damaged file is built only once it is mended) and a rule over the
// command limit (which the window cannot make: only a damaged or
// hand-made file holds one, and its script would grow with the square of
// its depth).
// `settings` leave out the header or the comments, or add the debug chat.
// What the check and the builder say of a rule holding more commands than
// the game reads: "命令が17個あります（1つのルールに16個まで）".
QString CommandLimitProblem(int commands);

// Starts fetching the texts the check and the builder read of a rule: in a
// large project they were decoded long before and have left the cache.
void PrefetchRuleTexts(const RuleEntry& rule);

// Takes the script piece by piece as it is built, in order, so that a large
// script need not be held whole. The taker may keep the piece's array and
// leave another in its place; the build empties whatever it is left. A build
// that ends refused or cancelled has handed over part of its script, which
// the taker must then drop.
using ScriptSink = std::function<void(QByteArray& piece)>;

// With a `sink` the script goes there and the build's bytes stay empty.
ScriptBuild ZuzAdidodi(const Project& project, const BuildProgress& progress = {},
                       const EnvironmentSettings& settings = {}, const ScriptSink& sink = {});

} // namespace rw

#pragma once

#include "conditions/ConditionEntry.h"

#include <QString>
#include <QStringList>

namespace rw {

struct Project;

// What a condition turns into: the caption shown in the tree, the edit data
// the editor is refilled from and the fact the script builder writes.
struct ConditionTriple {
    QString cap;
    QString editdat;
    QString script;

    bool IsError() const { return script == QLatin1String("Err!!"); }
    bool operator==(const ConditionTriple&) const = default;
};

// Composes kind 1 to 11 (ConditionKinds) from its fields in edit-data order:
// picker positions as decimal text counted from 0, number boxes as typed.
// The number goes into the edit data and the fact trimmed of blanks, and
// only when the script can hold it (ScriptNumber; counts and distances not
// below 0). The include box ("建設中…"/"生産中…") matters for the kinds that
// have one. An invalid number, a picker position outside its picker or an
// unknown kind gives the error triple; its caption names the numbers
// accepted when the text was a number the game cannot read.
ConditionTriple Compose(int kind, const QStringList& fields, bool include = false);

// What confirming an error triple answers: "入力が正しくありません", with the
// caption on a second line when it names the numbers the game accepts.
QString RefusalText(const ConditionTriple& error);

struct SplitEditdatResult {
    int kind = 0; // 0 when the text before the first "\" is not a kind
    QStringList fields;
};

// Cuts edit data at every "\": the kind number and at most five fields.
SplitEditdatResult Split(const QString& editdat);

// Whether the condition editor can show the entry for changing: the
// placeholder, or a fact whose edit data names a kind. Locked entries,
// operators and conditions taken over from elsewhere (a free event's related
// condition) cannot be changed, so their change commands stay off.
bool CanChange(const ConditionEntry& entry);

// ">=" ... "!=" for comparison positions 0 to 5; empty text otherwise.
QString Operator(int position);

// --- picker rows -------------------------------------------------------------

enum class ComparisonWords { A, B, C };

// The six comparison words of a word list.
QStringList ComparisonRows(ComparisonWords list);
// The 25 shown player rows.
QStringList PlayerRows();

QStringList ResourceRows();     // kind 1
QStringList BuildingRows();     // kind 2
QStringList UnitCategoryRows(); // kind 3
// Kind 3's unit picker: the category row first for the own player only.
QStringList UnitRows(int player, int category);
QStringList TechnologyCategoryRows(); // kind 4
QStringList TechnologyRows(int category);
QStringList ResearchStateRows();
QStringList PopulationRows(); // kind 5
QStringList AgeRows();        // kind 6
QStringList ClockRows();      // kind 7
QStringList HourRows();       // "0" to "5"
QStringList MinuteRows();     // "0" to "59"; seconds alike
// Kind 8: "p + 1: help text" for the ten timers of the project.
QStringList TimerRows(const Project& project);
// Kind 9: "*乱数用変数", then "v: description" for variables 1 to 40.
QStringList VariableRows(const Project& project);
QStringList StrategicNumberCategoryRows(); // kind 10
QStringList StrategicNumberRows(int category);
// The symbol of a row of StrategicNumberRows; empty when there is none.
QString StrategicNumberSymbol(int category, int entry);
QStringList DistanceRows(); // kind 11

} // namespace rw

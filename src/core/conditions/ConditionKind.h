#pragma once

#include "conditions/ConditionCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rw {

enum class ConditionFieldType { Picker, Number };

// Where a picker of the condition editor takes its rows from.
enum class ConditionRows {
    None,       // a number box
    Comparison, // the six words of the kind's word list
    Player,     // the 25 player rows
    Resource,
    Building,
    UnitCategory,
    Unit, // the units of the category it follows, for the kind's player
    TechnologyCategory,
    Technology, // the technologies of the category it follows
    ResearchState,
    Population,
    Age,
    Clock,
    Hours,   // "0" to "5"
    Minutes, // "0" to "59"
    Seconds, // "0" to "59"
    Timer,   // the project's ten timers
    Variable,
    StrategicNumberCategory,
    StrategicNumber, // the entries of the category it follows
    Distance,
};

// One field of a condition kind, in edit-data order.
struct ConditionField {
    QString label; // beside its control in the editor
    ConditionFieldType type = ConditionFieldType::Picker;
    ConditionRows rows = ConditionRows::None;
    QString initial = QStringLiteral("0"); // what a freshly created editor shows
    // The picker whose row decides this picker's rows (a category); when it
    // changes this one goes back to row 0. -1 for none.
    int follows = -1;
    // Preparing the editor for adding leaves the field as it was.
    bool keptWhenAdding = false;
    // Number boxes: counts and distances cannot be below 0.
    bool notNegative = false;
    // Number boxes: leaving the box with something the script cannot hold
    // sets it to "0".
    bool correctedOnLeaving = false;

    long long Lowest() const;
};

// A kind's fields once Compose has checked them: every picker position lies
// within its rows, and the number is as the script writes it.
struct ConditionChoice {
    QList<int> at;   // picker positions by field index (0 for the number box)
    QStringList row; // the chosen row of each picker (the number for the number box)
    QString number;  // the number box; empty when the kind has none
    QString op;      // the comparison as the fact writes it (">=" ...)
    QString word;    // and as the caption writes it (word list of the kind)
    bool include = false;
};

// Everything about one of the eleven kinds of condition: the editor's tab,
// the fields of its panel and how their values turn into caption and fact.
// Compose, the editor model and the dialog's tabs are all driven from it.
struct ConditionKind {
    int number = 0; // 1 to 11: the tab's position and the head of the edit data
    QString tab;
    QList<ConditionField> fields; // at most five
    ComparisonWords words = ComparisonWords::B;
    // The include box ("建設中…"/"生産中…"), empty when the kind has none. It
    // is not part of the edit data and counts for the own player only.
    QString include{};
    // A note under the fields, empty for none.
    QString note{};
    // The comparison applies while the first picker is on row 0 only (kind 9:
    // the random number compares, a variable does not).
    bool comparisonOnFirstRowOnly = false;
    // The caption of the error triple, and what precedes the range of
    // accepted numbers when the number is one the script cannot hold.
    QString errorCaption = QStringLiteral("データの数は、数字を入力してください");
    QString rangeSubject = QStringLiteral("データの数は、");
    // Caption and fact (the edit data is added by Compose).
    ConditionTriple (*compose)(const ConditionChoice& choice) = nullptr;

    // The index of the first field with these rows or of this type; -1 for none.
    int IndexOf(ConditionRows rows) const;
    int NumberIndex() const;
    int ComparisonIndex() const { return IndexOf(ConditionRows::Comparison); }
    int PlayerIndex() const { return IndexOf(ConditionRows::Player); }
};

// Kind 1 first.
const QList<ConditionKind>& ConditionKinds();
// nullptr outside 1 to 11.
const ConditionKind* FindConditionKind(int number);

// The rows of the pickers that show the project's own names.
struct ProjectNameRows {
    QStringList timers;    // "p + 1: help text"
    QStringList variables; // "*乱数用変数", then "v: description"

    static ProjectNameRows Of(const Project& project);
};

// The rows field `index` of a kind shows, given the kind's current fields
// (the picker it follows and the player must hold valid positions).
QStringList FieldRows(const ConditionKind& kind, int index, const QStringList& fields,
                      const ProjectNameRows& names);

} // namespace rw

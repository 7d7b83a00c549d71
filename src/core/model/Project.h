#pragma once

#include <QList>
#include <QString>

#include <array>

namespace rw {

// One rule, or the start of a group. Everything is text, numbers included,
// because the texts are what the file stores and the editors exchange.
struct RuleEntry {
    static constexpr int kFieldCount = 19;

    QString title;
    QString actions;
    QString variableNumber;
    QString runOnce;
    QString conditions;
    QString panel1;
    QString panel2;
    QString panel3;
    QString panel4;
    QString panel5;
    QString variableValue;
    QString spare11;
    QString spare12;
    QString groupConditionData;
    QString groupConditionScript;
    QString chatText;
    QString scriptText;
    QString scriptColours;
    QString marker;

    // Field i (0..18) in file order.
    QString& Field(int i);
    const QString& Field(int i) const;
    static const char* FieldName(int i);
    // How the editor calls field i, for messages that point the user at it.
    static QString FieldCaption(int i);

    // Asked of every entry, often many times over: compared in place.
    bool IsGroupStart() const { return IsMarker(u'f'); }
    bool IsRootRule() const { return IsMarker(u'm'); }

    bool operator==(const RuleEntry&) const = default;

private:
    bool IsMarker(char16_t letter) const {
        return marker.size() == 2 && marker[0] == u'\\' && marker[1] == letter;
    }
};

inline const QString kMarkerGroup = QStringLiteral("\\f");
inline const QString kMarkerRoot = QStringLiteral("\\m");
inline const QString kMarkerGroupRule = QStringLiteral("\\c");

// The rules of one category. Its root group's caption is a setting of the
// project (ProjectSettings::rootCaptions).
struct Category {
    QList<RuleEntry> entries; // list position p is entries[p - 1]

    bool operator==(const Category&) const = default;
};

struct RootCondition {
    QString conditionData;
    QString conditionScript;
    bool operator==(const RootCondition&) const = default;
};

struct StartupRule {
    QString options;
    QString text;
    int kind = 0;
    bool operator==(const StartupRule&) const = default;
};

struct VariableSlot {
    QString constName;
    QString description;
    bool operator==(const VariableSlot&) const = default;
};

struct TimerSlot {
    QString name;
    QString help;
    bool operator==(const TimerSlot&) const = default;
};

inline constexpr int kCategoryCount = 7;
inline constexpr int kRootConditionSlots = 11;
inline constexpr int kStartupRuleSlots = 11;
inline constexpr int kTimerSlots = 11;    // slot 0 unused
inline constexpr int kVariableSlots = 41; // slot 0 unused
inline constexpr int kMaxRules = 1000;
inline constexpr int kMaxCommands = 16;

// Everything of a project that is not a rule. Undo keeps this whole, so a
// field added here is undone with the rest the day it is added.
struct ProjectSettings {
    std::array<RootCondition, kRootConditionSlots> rootConditions;
    std::array<StartupRule, kStartupRuleSlots> startupRules;
    std::array<QString, kCategoryCount> rootCaptions; // category 1 to 7 at 0 to 6
    std::array<TimerSlot, kTimerSlots> timers;
    std::array<VariableSlot, kVariableSlots> variables;
    QString title;
    QString author;

    bool operator==(const ProjectSettings&) const = default;
};

struct Project {
    std::array<Category, kCategoryCount> categories;
    ProjectSettings settings;

    // Categories are numbered 1 to 7.
    Category& CategoryAt(int number) { return categories[number - 1]; }
    const Category& CategoryAt(int number) const { return categories[number - 1]; }
    QString& RootCaption(int number) { return settings.rootCaptions[number - 1]; }
    const QString& RootCaption(int number) const { return settings.rootCaptions[number - 1]; }

    bool operator==(const Project&) const = default;
};

// Undo knows a project as its categories' rules and its settings: anything
// else would escape it. A new field belongs in ProjectSettings.
static_assert(sizeof(Category) == sizeof(QList<RuleEntry>),
              "a category holds its rules only; put new fields in ProjectSettings");
static_assert(sizeof(Project) ==
                  sizeof(std::array<Category, kCategoryCount>) + sizeof(ProjectSettings),
              "a project is its categories and its settings; put new fields in ProjectSettings");

// The caption of category 1 to 7 ("建物" …), as its tab and the messages
// show it; empty for any other number.
QString CategoryCaption(int number);

// The all-zero execution-condition data of a group (six sections).
QString DefaultGroupConditionData();

} // namespace rw

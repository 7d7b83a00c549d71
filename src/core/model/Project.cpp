#include "model/Project.h"

namespace rw {

namespace {
using FieldPtr = QString RuleEntry::*;
constexpr std::array<FieldPtr, RuleEntry::kFieldCount> kFields = {
    &RuleEntry::title,          &RuleEntry::actions,
    &RuleEntry::variableNumber, &RuleEntry::runOnce,
    &RuleEntry::conditions,     &RuleEntry::panel1,
    &RuleEntry::panel2,         &RuleEntry::panel3,
    &RuleEntry::panel4,         &RuleEntry::panel5,
    &RuleEntry::variableValue,  &RuleEntry::spare11,
    &RuleEntry::spare12,        &RuleEntry::groupConditionData,
    &RuleEntry::groupConditionScript, &RuleEntry::chatText,
    &RuleEntry::scriptText,     &RuleEntry::scriptColours,
    &RuleEntry::marker,
};
constexpr std::array<const char*, RuleEntry::kFieldCount> kNames = {
    "title",      "actions", "variableNumber", "runOnce", "conditions",
    "panel1",     "panel2",  "panel3",         "panel4",  "panel5",
    "variableValue", "spare11", "spare12", "groupConditionData",
    "groupConditionScript", "chatText", "scriptText", "scriptColours", "marker",
};
} // namespace

QString& RuleEntry::Field(int i) { return this->*kFields.at(i); }
const QString& RuleEntry::Field(int i) const { return this->*kFields.at(i); }
const char* RuleEntry::FieldName(int i) { return kNames.at(i); }

QString DefaultGroupConditionData() {
    auto zeros = [](int n) {
        QStringList list;
        for (int i = 0; i < n; ++i)
            list << QStringLiteral("0");
        return list.join(QLatin1Char(','));
    };
    return QStringList{zeros(18), zeros(24), zeros(6), zeros(8), zeros(5), zeros(5)}.join(
        QLatin1Char('\\'));
}

} // namespace rw

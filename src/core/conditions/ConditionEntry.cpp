#include "conditions/ConditionEntry.h"

namespace rw {

bool ConditionEntry::IsLocked() const {
    return editdat == kEditdatLocked;
}

bool ConditionEntry::IsOperator() const {
    return editdat.startsWith(QLatin1String("Sys"));
}

bool ConditionEntry::IsPlaceholder() const {
    return editdat == kEditdatPlaceholder;
}

ConditionEntry PlaceholderEntry(int pw) {
    return ConditionEntry{pw, kCapPlaceholder, kEditdatPlaceholder, kScriptPlaceholder};
}

void MakePlaceholder(ConditionEntry& entry) {
    entry = PlaceholderEntry(entry.pw);
}

ConditionEntry RelatedConditionEntry(const QString& cap, const QString& fact) {
    return ConditionEntry{0, cap, kEditdatRelated, fact};
}

const QList<OperatorInfo>& Operators() {
    static const QList<OperatorInfo> operators = {
        {4, QStringLiteral("以下を両方を満たしているとき"), QStringLiteral("AND"),
         QStringLiteral("Sys_And"), QStringLiteral("and"), 2},
        {5, QStringLiteral("以下のどちらかを満たしているとき"), QStringLiteral("OR"),
         QStringLiteral("Sys_Or"), QStringLiteral("or"), 2},
        {6, QStringLiteral("NOT(以下の両方を満たしているとき)"), QStringLiteral("NAND"),
         QStringLiteral("Sys_Nand"), QStringLiteral("nand"), 2},
        {7, QStringLiteral("NOT(どちらか満たしているとき)"), QStringLiteral("NOR"),
         QStringLiteral("Sys_Nor"), QStringLiteral("nor"), 2},
        {8, QStringLiteral("NOT"), QStringLiteral("NOT"), QStringLiteral("Sys_Not"),
         QStringLiteral("not"), 1},
        {9, QStringLiteral("どちらか片方のみ満たしている"), QStringLiteral("XOR"),
         QStringLiteral("Sys_Xor"), QStringLiteral("xor"), 2},
        {10, QStringLiteral("NOT(どちらか片方のみ満たしている)"), QStringLiteral("XNOR"),
         QStringLiteral("Sys_Xnor"), QStringLiteral("xnor"), 2},
    };
    return operators;
}

const OperatorInfo* OperatorByKind(int kind) {
    for (const OperatorInfo& info : Operators())
        if (info.kind == kind)
            return &info;
    return nullptr;
}

const OperatorInfo* OperatorByEditdat(const QString& editdat) {
    for (const OperatorInfo& info : Operators())
        if (info.editdat == editdat)
            return &info;
    return nullptr;
}

} // namespace rw

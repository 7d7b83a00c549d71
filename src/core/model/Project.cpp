#include "model/Project.h"

namespace rw {

namespace {
using FieldPtr = QString RuleEntry::*;
constexpr std::array<FieldPtr, RuleEntry::kFieldCount> kFields = {
    &RuleEntry::title,
    &RuleEntry::actions,
    &RuleEntry::variableNumber,
    &RuleEntry::runOnce,
    &RuleEntry::conditions,
    &RuleEntry::panel1,
    &RuleEntry::panel2,
    &RuleEntry::panel3,
    &RuleEntry::panel4,
    &RuleEntry::panel5,
    &RuleEntry::variableValue,
    &RuleEntry::spare11,
    &RuleEntry::spare12,
    &RuleEntry::groupConditionData,
    &RuleEntry::groupConditionScript,
    &RuleEntry::chatText,
    &RuleEntry::scriptText,
    &RuleEntry::scriptColours,
    &RuleEntry::marker,
};
constexpr std::array<const char*, RuleEntry::kFieldCount> kNames = {
    "title",
    "actions",
    "variableNumber",
    "runOnce",
    "conditions",
    "panel1",
    "panel2",
    "panel3",
    "panel4",
    "panel5",
    "variableValue",
    "spare11",
    "spare12",
    "groupConditionData",
    "groupConditionScript",
    "chatText",
    "scriptText",
    "scriptColours",
    "marker",
};
constexpr std::array<const char16_t*, RuleEntry::kFieldCount> kCaptions = {
    u"タイトル",         u"イベント",    u"変数番号",     u"一度だけ実行",   u"条件",
    u"パネル設定1",      u"パネル設定2", u"パネル設定3",  u"パネル設定4",    u"パネル設定5",
    u"変数の値",         u"予備11",      u"予備12",       u"実行条件データ", u"実行条件スクリプト",
    u"テストメッセージ", u"スクリプト",  u"色分けデータ", u"種別",
};
} // namespace

QString& RuleEntry::Field(int i) {
    return this->*kFields.at(i);
}
const QString& RuleEntry::Field(int i) const {
    return this->*kFields.at(i);
}
const char* RuleEntry::FieldName(int i) {
    return kNames.at(i);
}
QString RuleEntry::FieldCaption(int i) {
    return QString::fromUtf16(kCaptions.at(i));
}

QString CategoryCaption(int number) {
    static const char16_t* const kTabs[kCategoryCount] = {u"建物", u"研究", u"ユニット", u"資源",
                                                          u"攻撃", u"範囲", u"フリー"};
    if (number < 1 || number > kCategoryCount)
        return {};
    return QString::fromUtf16(kTabs[number - 1]);
}

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

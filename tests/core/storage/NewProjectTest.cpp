#include "storage/NewProject.h"
#include "model/CategoryTree.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(NewProject, StartsWithTheDefaults) {
    const Project p = InitialProject();
    const QStringList captions = {"建物グループ",          "研究グループ", "ユニットグループ",
                                  "資源グループ",          "攻撃グループ", "範囲グループ",
                                  "フリーイベントグループ"};
    for (int c = 1; c <= kCategoryCount; ++c) {
        EXPECT_EQ(p.CategoryAt(c).rootCaption, captions[c - 1]);
        EXPECT_TRUE(p.CategoryAt(c).entries.isEmpty());
    }
    for (const RootCondition& slot : p.rootConditions) {
        EXPECT_EQ(slot.conditionData, DefaultGroupConditionData());
        EXPECT_TRUE(slot.conditionScript.isEmpty());
    }
    EXPECT_EQ(p.title, QStringLiteral("新しいAI"));
    EXPECT_TRUE(p.author.isEmpty());
    EXPECT_EQ(p.variables[0], VariableSlot{});
    EXPECT_EQ(p.variables[1], (VariableSlot{"MEMORY_1", QStringLiteral("1番の変数")}));
    EXPECT_EQ(p.variables[40], (VariableSlot{"MEMORY_40", QStringLiteral("40番の変数")}));
    EXPECT_EQ(p.timers[0], TimerSlot{});
    EXPECT_EQ(p.timers[10], (TimerSlot{"TIMER_10", QStringLiteral("10番のタイマーです")}));
    for (int slot = 2; slot < kStartupRuleSlots; ++slot)
        EXPECT_EQ(p.startupRules[slot], StartupRule{});
}

TEST(NewProject, InitialisationRulesCarryTheirStartingTexts) {
    const Project p = InitialProject();
    EXPECT_EQ(p.startupRules[0].options, QStringLiteral("1,1,0,15"));
    EXPECT_EQ(p.startupRules[0].kind, 1);
    EXPECT_EQ(p.startupRules[0].text,
              QStringLiteral("(defrule\r\n  (true)\r\n=>\r\n"
                             "  (set-strategic-number sn-number-explore-groups 1)\r\n"
                             "  (set-strategic-number sn-total-number-explorers 1)\r\n"
                             "  (set-strategic-number sn-blot-exploration-map 1)\r\n"
                             "  (set-strategic-number sn-blot-size 15)\r\n"
                             "  (disable-self)\r\n)\r\n"));
    // The text says 20 for wood although the options say -1.
    EXPECT_EQ(p.startupRules[1].options, QStringLiteral("0,0,0,-1,20,20,20"));
    EXPECT_EQ(p.startupRules[1].kind, 2);
    EXPECT_EQ(p.startupRules[1].text,
              QStringLiteral("(defrule\r\n  (true)\r\n=>\r\n"
                             "  (set-strategic-number sn-maximum-wood-drop-distance 20)\r\n"
                             "  (set-strategic-number sn-maximum-hunt-drop-distance 20)\r\n"
                             "  (set-strategic-number sn-maximum-gold-drop-distance 20)\r\n"
                             "  (set-strategic-number sn-maximum-stone-drop-distance 20)\r\n"
                             "  (disable-self)\r\n)\r\n"));
}

TEST(NewProject, ClearingTheCategoriesKeepsEverythingElse) {
    Project p = InitialProject();
    p.title = QStringLiteral("残る");
    p.CategoryAt(3).rootCaption = QStringLiteral("兵");
    p.CategoryAt(3).entries << NewRuleEntry(3, QStringLiteral("100"), kMarkerRoot);
    p.CategoryAt(7).entries << NewGroupEntry();
    p.variables[2].description = QStringLiteral("木");
    Project expected = p;
    expected.CategoryAt(3).entries.clear();
    expected.CategoryAt(7).entries.clear();
    ClearAllCategories(p);
    EXPECT_EQ(p, expected);
    EXPECT_EQ(CountRules(p), 0);
}

TEST(NewProject, CaptionAndVariablePicker) {
    EXPECT_EQ(CaptionText(QString()), QStringLiteral("Rulewright"));
    EXPECT_EQ(CaptionText(QStringLiteral("/home/a/b.rwp")),
              QStringLiteral("Rulewright (/home/a/b.rwp)"));

    Project p = InitialProject();
    QStringList entries = VariablePickerEntries(p);
    ASSERT_EQ(entries.size(), 41);
    EXPECT_EQ(entries[0], QStringLiteral("(変数の変更なし)"));
    EXPECT_EQ(entries[1], QStringLiteral("1: 1番の変数"));
    EXPECT_EQ(entries[40], QStringLiteral("40: 40番の変数"));
    p.variables[1].description = QStringLiteral("兵の数");
    EXPECT_EQ(VariablePickerEntries(p)[1], QStringLiteral("1: 兵の数"));
}

struct NewRuleRow {
    int category;
    const char* title;
    const char* actions;
    const char* conditions;
    std::array<const char*, 5> panels;
};

class NewRuleTest : public ::testing::TestWithParam<NewRuleRow> {};

TEST_P(NewRuleTest, HasTheCategoryDefaults) {
    const NewRuleRow& row = GetParam();
    const RuleEntry rule = NewRuleEntry(row.category, QStringLiteral("75"), kMarkerRoot);
    EXPECT_EQ(rule.title, QString::fromUtf8(row.title));
    EXPECT_EQ(rule.actions, QString::fromUtf8(row.actions));
    EXPECT_EQ(rule.conditions, QString::fromUtf8(row.conditions));
    EXPECT_EQ(rule.variableNumber, QStringLiteral("0"));
    EXPECT_EQ(rule.runOnce, QStringLiteral("0"));
    EXPECT_EQ(rule.panel1, QString::fromUtf8(row.panels[0]));
    EXPECT_EQ(rule.panel2, QString::fromUtf8(row.panels[1]));
    EXPECT_EQ(rule.panel3, QString::fromUtf8(row.panels[2]));
    EXPECT_EQ(rule.panel4, QString::fromUtf8(row.panels[3]));
    EXPECT_EQ(rule.panel5, QString::fromUtf8(row.panels[4]));
    for (int f = 10; f <= 17; ++f)
        EXPECT_TRUE(rule.Field(f).isEmpty()) << RuleEntry::FieldName(f);
    EXPECT_EQ(rule.marker, kMarkerRoot);
}

constexpr const char* kPlaceholder = "0;(上書きしてください);Overwrite,true\r\n";

INSTANTIATE_TEST_SUITE_P(
    Categories, NewRuleTest,
    ::testing::Values(
        NewRuleRow{1,
                   "家",
                   "(build house)     ;家を建設する",
                   "0;家が建設できるとき;CannotEdit,can-build house\r\n",
                   {"1", "0", "0", "", ""}},
        NewRuleRow{
            2,
            "領主の時代",
            "(research feudal-age)     ;領主の時代に進化",
            "0;領主の時代に進化できるとき;CannotEdit,can-research-with-escrow feudal-age\r\n",
            {"0", "0", "", "", ""}},
        NewRuleRow{3,
                   "町の人",
                   "(train villager)     ;町の人を生産",
                   "0;町の人が生産できるとき;CannotEdit,can-train villager\r\n",
                   {"0", "0", "0", "", ""}},
        NewRuleRow{4,
                   "資源配分設定",
                   "(set-strategic-number sn-wood-gatherer-percentage 25)    ;木の収集割合\r\n"
                   "(set-strategic-number sn-food-gatherer-percentage 25)    ;食料の収集割合\r\n"
                   "(set-strategic-number sn-gold-gatherer-percentage 25)    ;金の収集割合\r\n"
                   "(set-strategic-number sn-stone-gatherer-percentage 25)   ;石の収集割合",
                   kPlaceholder,
                   {"0", "25", "25", "25", "25"}},
        // The percentage box's text goes into the line; the panel still says 100.
        NewRuleRow{
            5,
            "陸軍％攻撃",
            "(set-strategic-number sn-percent-attack-soldiers 75) ;守備軍の75％が攻撃軍になる"
            "\r\n(attack-now);攻撃する",
            kPlaceholder,
            {"0", "100", "", "", ""}},
        NewRuleRow{6,
                   "町の大きさ",
                   "(set-strategic-number sn-maximum-town-size 15);最大タウンサイズ",
                   kPlaceholder,
                   {"0", "15", "", "", ""}},
        NewRuleRow{7,
                   "フリーイベント",
                   "(do-nothing);なにもしません",
                   kPlaceholder,
                   {"", "", "", "", ""}}));

TEST(NewProject, NewGroupIsAnEmptyGroupStart) {
    const RuleEntry group = NewGroupEntry();
    EXPECT_EQ(group.title, QStringLiteral("新しいグループ"));
    EXPECT_TRUE(group.IsGroupStart());
    EXPECT_EQ(group.groupConditionData, DefaultGroupConditionData());
    for (int f = 1; f <= 17; ++f)
        if (f != 13)
            EXPECT_TRUE(group.Field(f).isEmpty()) << RuleEntry::FieldName(f);
}

} // namespace
} // namespace rw

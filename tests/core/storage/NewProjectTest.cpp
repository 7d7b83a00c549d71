#include "storage/NewProject.h"
#include "model/CategoryTree.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(NewProject, StartsWithTheDefaults) {
    const Project p = InitialProject();
    EXPECT_EQ(CountRules(p), 0);
    EXPECT_EQ(p.RootCaption(7), QStringLiteral("フリーイベントグループ"));
    EXPECT_EQ(p.settings.rootConditions[10].conditionData, DefaultGroupConditionData());
    EXPECT_EQ(p.settings.title, QStringLiteral("新しいAI"));
    EXPECT_EQ(p.settings.variables[0], VariableSlot{});
    EXPECT_EQ(p.settings.variables[40], (VariableSlot{"MEMORY_40", QStringLiteral("40番の変数")}));
    EXPECT_EQ(p.settings.timers[0], TimerSlot{});
    EXPECT_EQ(p.settings.timers[10], (TimerSlot{"TIMER_10", QStringLiteral("10番のタイマーです")}));
    // The starting texts are fixed, not made from the options: wood reads 20, not -1.
    EXPECT_EQ(p.settings.startupRules[1].options, QStringLiteral("0,0,0,-1,20,20,20"));
    EXPECT_TRUE(p.settings.startupRules[1].text.contains(
        QStringLiteral("  (set-strategic-number sn-maximum-wood-drop-distance 20)\r\n")));
    EXPECT_TRUE(
        p.settings.startupRules[0].text.endsWith(QStringLiteral("  (disable-self)\r\n)\r\n")));
    EXPECT_EQ(p.settings.startupRules[0].kind, 1);
    EXPECT_EQ(p.settings.startupRules[1].kind, 2);
    EXPECT_EQ(p.settings.startupRules[2], StartupRule{});
}

TEST(NewProject, ClearingTheCategoriesKeepsEverythingElse) {
    Project p = InitialProject();
    p.settings.title = QStringLiteral("残る");
    p.CategoryAt(3).entries << NewRuleEntry(3, QStringLiteral("100"), kMarkerRoot);
    p.CategoryAt(7).entries << NewGroupEntry();
    Project expected = p;
    expected.CategoryAt(3).entries.clear();
    expected.CategoryAt(7).entries.clear();
    ClearAllCategories(p);
    EXPECT_EQ(p, expected);
}

TEST(NewProject, CaptionAndVariablePicker) {
    EXPECT_EQ(CaptionText(QString()), QStringLiteral("Rulewright[*]"));
    EXPECT_EQ(CaptionText(QStringLiteral("/home/a/b.rwp")),
              QStringLiteral("b.rwp[*] – Rulewright"));
    Project p = InitialProject();
    const QStringList entries = VariablePickerEntries(p);
    ASSERT_EQ(entries.size(), 41);
    EXPECT_EQ(entries[0], QStringLiteral("(変数の変更なし)"));
    EXPECT_EQ(entries[1], QStringLiteral("1: 1番の変数"));
    p.settings.variables[40].description = QStringLiteral("兵の数");
    EXPECT_EQ(VariablePickerEntries(p)[40], QStringLiteral("40: 兵の数"));
}

TEST(NewProject, AttackRuleTakesTheBoxTextButItsPanelStartsAt100) {
    const RuleEntry rule = NewRuleEntry(5, QStringLiteral("75"));
    EXPECT_EQ(rule.actions, QStringLiteral("(set-strategic-number sn-percent-attack-soldiers 75) "
                                           ";守備軍の75％が攻撃軍になる\r\n(attack-now);攻撃する"));
    EXPECT_EQ(rule.panel2, QStringLiteral("100"));
    EXPECT_EQ(rule.conditions, PlaceholderConditionLine());
}

TEST(NewProject, EveryNewRuleIsWellFormed) {
    for (int c = 1; c <= kCategoryCount; ++c) {
        const RuleEntry rule = NewRuleEntry(c, QStringLiteral("100"), kMarkerGroupRule);
        EXPECT_FALSE(rule.title.isEmpty()) << c;
        // Event lines are joined by CR LF with none after the last; every
        // condition line, the last included, ends with one.
        EXPECT_FALSE(rule.actions.endsWith(QStringLiteral("\r\n"))) << c;
        EXPECT_EQ(rule.actions.count(QLatin1Char('\n')),
                  rule.actions.count(QStringLiteral("\r\n")));
        EXPECT_TRUE(rule.conditions.endsWith(QStringLiteral("\r\n"))) << c;
        EXPECT_EQ(rule.conditions.count(QStringLiteral("\r\n")), 1) << c;
        EXPECT_EQ(rule.variableNumber, QStringLiteral("0"));
        EXPECT_EQ(rule.runOnce, QStringLiteral("0"));
        EXPECT_EQ(rule.marker, kMarkerGroupRule);
        for (int f = 10; f <= 17; ++f)
            EXPECT_TRUE(rule.Field(f).isEmpty()) << c << " " << RuleEntry::FieldName(f);
    }
    EXPECT_EQ(NewRuleEntry(4, QString()).actions.count(QStringLiteral("\r\n")), 3);
    EXPECT_TRUE(NewRuleEntry(1, QString()).conditions.contains(QStringLiteral(";CannotEdit,")));
}

TEST(NewProject, NewGroupIsAnEmptyGroupStart) {
    const RuleEntry group = NewGroupEntry();
    EXPECT_EQ(group.title, QStringLiteral("新しいグループ"));
    EXPECT_TRUE(group.IsGroupStart());
    EXPECT_EQ(group.groupConditionData, DefaultGroupConditionData());
    for (int f = 1; f <= 17; ++f) {
        if (f != 13) {
            EXPECT_TRUE(group.Field(f).isEmpty()) << RuleEntry::FieldName(f);
        }
    }
}

} // namespace
} // namespace rw

#include "events/PanelRules.h"
#include "events/CommandGenerator.h"
#include "events/PanelPickers.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

const QString kPlaceholder = QStringLiteral("0;(上書きしてください);Overwrite,true\r\n");

QString Facts(int n) {
    QString text;
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("0;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100\r\n");
    return text;
}

struct BoxCase {
    const char* name;
    PanelControl box;
    const char* typed;
    const char* settled;
};

class NumberBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(NumberBoxes, SettleWhenLeft) {
    const BoxCase& c = GetParam();
    EXPECT_EQ(SettleBox(c.box, c.typed), QString(c.settled));
}

INSTANTIATE_TEST_SUITE_P(
    Panels, NumberBoxes,
    ::testing::Values(BoxCase{"percent_text", PanelControl::AttackPercent, "abc", "0"},
                      BoxCase{"percent_above", PanelControl::AttackPercent, "120", "0"},
                      BoxCase{"percent_below", PanelControl::AttackPercent, "-1", "0"},
                      BoxCase{"percent_edge", PanelControl::AttackPercent, "100", "100"},
                      BoxCase{"groups_text", PanelControl::GroupCount, "abc", "3"},
                      BoxCase{"maximum_text", PanelControl::GroupMax, "1,0", "10"},
                      BoxCase{"distance_text", PanelControl::Distance, "abc", "0"},
                      BoxCase{"distance_unlimited", PanelControl::Distance, "-1", "-1"},
                      BoxCase{"variable_text", PanelControl::VariableValue, "ten", "10"},
                      // A box left empty takes its default.
                      BoxCase{"percent_empty", PanelControl::AttackPercent, "", "100"},
                      BoxCase{"groups_empty", PanelControl::GroupCount, " ", "3"},
                      BoxCase{"minimum_empty", PanelControl::GroupMin, "", "5"},
                      BoxCase{"maximum_empty", PanelControl::GroupMax, "", "10"},
                      BoxCase{"distance_empty", PanelControl::Distance, "", "15"},
                      BoxCase{"variable_empty", PanelControl::VariableValue, "", "10"},
                      // Counts and sizes of groups cannot be negative.
                      BoxCase{"groups_negative", PanelControl::GroupCount, "-2", "3"},
                      BoxCase{"minimum_negative", PanelControl::GroupMin, "-1", "5"},
                      BoxCase{"maximum_negative", PanelControl::GroupMax, "-10", "10"},
                      BoxCase{"groups_none", PanelControl::GroupCount, "0", "0"},
                      // Only numbers the script can hold stay, without blanks.
                      BoxCase{"percent_fraction", PanelControl::AttackPercent, "50.5", "0"},
                      BoxCase{"percent_blanks", PanelControl::AttackPercent, " 50 ", "50"},
                      BoxCase{"groups_plus", PanelControl::GroupCount, "+4", "3"},
                      BoxCase{"minimum_fraction", PanelControl::GroupMin, "1.5", "5"},
                      BoxCase{"maximum_beyond", PanelControl::GroupMax, "2147483648", "10"},
                      BoxCase{"maximum_largest", PanelControl::GroupMax, "2147483647",
                              "2147483647"},
                      BoxCase{"distance_fraction", PanelControl::Distance, "15.5", "0"},
                      BoxCase{"distance_blanks", PanelControl::Distance, "15 ", "15"},
                      BoxCase{"variable_exponent", PanelControl::VariableValue, "1e3", "10"},
                      BoxCase{"variable_negative", PanelControl::VariableValue, "-7", "-7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AllocationBoxes, ValuesOutside0To100AreRefused) {
    EXPECT_EQ(SettleAllocation("12.5").text, "0");
    EXPECT_EQ(SettleAllocation(" 30 ").text, "30");

    const AllocationSettled refused = SettleAllocation("120");
    EXPECT_EQ(refused.text, "0");
    EXPECT_EQ(refused.spinner, 0);
    EXPECT_TRUE(refused.refocus);
    EXPECT_EQ(refused.notice, (Notice{QStringLiteral("0～100を入力してください"),
                                      QStringLiteral("エラー"), Notice::Icon::Critical}));
    EXPECT_FALSE(SettleAllocation("-5").notice.IsEmpty());
    EXPECT_FALSE(SettleAllocation("abc").notice.IsEmpty());

    const AllocationSettled accepted = SettleAllocation("100");
    EXPECT_EQ(accepted.text, "100");
    EXPECT_EQ(accepted.spinner, 100);
    EXPECT_TRUE(accepted.notice.IsEmpty());
    EXPECT_FALSE(accepted.refocus);

    // A box left empty takes its default, without a word.
    const AllocationSettled empty = SettleAllocation("");
    EXPECT_EQ(empty.text, "25");
    EXPECT_EQ(empty.spinner, 25);
    EXPECT_TRUE(empty.notice.IsEmpty());
}

TEST(AllocationBoxes, TotalIsShownNotEnforced) {
    EXPECT_EQ(AllocationTotalLabel({"50", "50", "50", "50"}), QStringLiteral("合計:200％"));
    EXPECT_EQ(AllocationTotalLabel({"25", "25", "25", "25"}), QStringLiteral("合計:100％"));
    EXPECT_EQ(AllocationTotalLabel({"abc", "10", "0", "5"}), QStringLiteral("合計:15％"));

    // The refused 120 becomes 0 and the rule is made again with it.
    PanelState panels;
    panels.resource.boxes[ResourcePanel::Gold] = SettleAllocation("120").text;
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_EQ(rule.panel4, "0");
    EXPECT_TRUE(rule.actions.contains(
        QStringLiteral("(set-strategic-number sn-gold-gatherer-percentage 0);金の収集割合")));
}

TEST(EventList, OneRowPerLineWithCommandAndComment) {
    const QString actions =
        QStringLiteral("(build house)        ;家を建設\r\n"
                       "    (chat-local-to-self \"家を建設します\")        ;チャット\r\n"
                       "    (set-goal 3 10)        ;変数に代入");
    const QList<EventListRow> rows = EventListRows(actions);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (EventListRow{"(build house)", QStringLiteral(";家を建設")}));
    EXPECT_EQ(rows[1], (EventListRow{QStringLiteral("(chat-local-to-self \"家を建設します\")"),
                                     QStringLiteral(";チャット")}));
    EXPECT_EQ(rows[2], (EventListRow{"(set-goal 3 10)", QStringLiteral(";変数に代入")}));
    EXPECT_EQ(EventListRowCount(actions), 3);
    EXPECT_EQ(EventListRows(QStringLiteral("(attack-now);攻撃する")).size(), 1);
}

TEST(CommandLimit, SeventeenthCommandThroughAnOptionIsResetAgain) {
    RuleEntry rule;
    rule.conditions = Facts(15);
    PanelState panels;
    panels.range.distance = "15";
    RuleOptions options;
    GenerateEvents(kRangeCategory, panels, options, rule);
    EXPECT_EQ(CommandCount(rule), 16);
    EXPECT_FALSE(OptionExceedsLimit(rule));

    options.chat = true;
    GenerateEvents(kRangeCategory, panels, options, rule);
    EXPECT_EQ(CommandCount(rule), 17);
    ASSERT_TRUE(OptionExceedsLimit(rule));
    EXPECT_EQ(OptionLimitNotice(),
              (Notice{QStringLiteral("16個までしか追加できないため変更できません"),
                      QStringLiteral("エラー"), Notice::Icon::Critical}));

    options.chat = false;
    GenerateEvents(kRangeCategory, panels, options, rule);
    EXPECT_EQ(CommandCount(rule), 16);
    EXPECT_EQ(rule.chatText, "");
}

TEST(CommandLimit, ResourceKindReturnsToTheLastAcceptedKind) {
    // Thirteen facts and the market condition, one event line: 15 commands.
    RuleEntry rule;
    rule.conditions = Facts(13);
    PanelState panels;
    panels.resource.kind = 1;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    ResourceKindGuard guard;
    guard.Accept(1); // the rule was shown as a market rule
    ASSERT_FALSE(guard.Check(rule, 1).refused);

    panels.resource.kind = 0; // four lines instead of one, the condition withdrawn
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_EQ(CommandCount(rule), 17);
    const ResourceKindGuard::Verdict verdict = guard.Check(rule, 0);
    ASSERT_TRUE(verdict.refused);
    EXPECT_EQ(verdict.revertTo, 1);
    EXPECT_EQ(verdict.notice.title, QStringLiteral("ルール数制限エラー"));
    EXPECT_EQ(verdict.notice.text,
              QStringLiteral("16個を超えて命令を追加することはできません\r\nルールを減らしてくださ"
                             "い\r\n元のデータに戻ります！"));
    EXPECT_EQ(verdict.notice.icon, Notice::Icon::Warning);

    panels.resource.kind = verdict.revertTo;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_FALSE(guard.Check(rule, 1).refused);
    EXPECT_EQ(CommandCount(rule), 15);
    EXPECT_EQ(ImpliedConditionPosition(rule), 14);
}

TEST(CommandLimit, GuardForgetsTheKindOfThePreviouslyShownRule) {
    ResourceKindGuard guard;
    RuleEntry small;
    small.conditions = kPlaceholder;
    small.actions = "(x)";
    EXPECT_FALSE(guard.Check(small, 0).refused); // another rule accepted allocation

    RuleEntry full;
    full.conditions = Facts(16);
    full.actions = "(x)";
    guard.Accept(1); // a market rule is selected
    const ResourceKindGuard::Verdict verdict = guard.Check(full, 0);
    ASSERT_TRUE(verdict.refused);
    EXPECT_EQ(verdict.revertTo, 1);
}

TEST(BuildingPanelView, ForwardOnlyForBuildingsWithTheFirstPicture) {
    const auto& items = PanelPickers::Buildings();
    auto at = [&](const QString& caption) {
        for (int i = 0; i < items.size(); ++i)
            if (items[i].text == caption)
                return BuildingPanel{i + 1, 0, false};
        ADD_FAILURE() << caption.toStdString();
        return BuildingPanel{};
    };
    EXPECT_TRUE(ForwardEnabled(at("城")));
    EXPECT_FALSE(ForwardEnabled(at("家")));
    EXPECT_FALSE(ForwardEnabled(at("柵(狭い)")));
    EXPECT_FALSE(ForwardEnabled(at("門(広い)")));
    EXPECT_FALSE(ForwardEnabled(BuildingPanel{99, 0, false}));
    EXPECT_TRUE(ForwardVisible(BuildingPanel{16, 0, false}));
    EXPECT_FALSE(ForwardVisible(BuildingPanel{16, 1, false}));
}

TEST(Pickers, UnitAndTechnologyPickersFollowTheirCategory) {
    const QStringList& categories = PanelPickers::UnitCategories();
    EXPECT_EQ(categories.first(), QStringLiteral("町の人グループ"));
    EXPECT_FALSE(categories.contains(QStringLiteral("家畜グループ")));

    const QStringList villagers = PanelPickers::Units(0);
    EXPECT_EQ(villagers, QStringList{QStringLiteral("町の人")});
    const QStringList monks =
        PanelPickers::Units(int(categories.indexOf(QStringLiteral("聖職者グループ"))));
    EXPECT_EQ(monks, (QStringList{QStringLiteral("聖職者"), QStringLiteral("宣教師")}));
    EXPECT_TRUE(PanelPickers::Units(99).isEmpty());

    EXPECT_EQ(PanelPickers::TechnologyCategories().first(), QStringLiteral("町の中心"));
    EXPECT_EQ(PanelPickers::TechnologyCaption(0, 0), QStringLiteral("領主の時代"));
    EXPECT_EQ(
        PanelPickers::Technologies(1),
        (QStringList{QStringLiteral("引き具"), QStringLiteral("馬鍬"), QStringLiteral("輪作")}));
    EXPECT_EQ(PanelPickers::TechnologyCaption(0, 99), QString());
}

TEST(Labels, RangeHeadingIsHalfWidthWhereThePickerIsNot) {
    PanelState panels;
    panels.range.kind = 4;
    EXPECT_EQ(RangeHeading(4), QStringLiteral("[羊､苺､畑､小魚の認識距離]"));
    EXPECT_EQ(AutoRenameTitle(kRangeCategory, panels),
              QStringLiteral("羊、苺、畑、小魚の認識距離"));
    EXPECT_EQ(RangeHelp(3),
              QStringLiteral("町の人が木を認識する距離\r\n※-1にすると無制限になります"));
    EXPECT_EQ(RangeHeading(9), QStringLiteral("[]"));

    panels.building.building = 16;
    EXPECT_EQ(AutoRenameTitle(kBuildingCategory, panels), QStringLiteral("城"));
    EXPECT_EQ(AutoRenameTitle(kFreeCategory, panels), QString());
}

// Generating a rule and reading it back gives the panels the same state.
struct RoundTripCase {
    const char* name;
    int category;
    PanelState panels;
    RuleOptions options;
};

PanelState With(std::function<void(PanelState&)> set) {
    PanelState panels;
    set(panels);
    return panels;
}

class PanelRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(PanelRoundTrip, StoredFieldsRestoreThePanel) {
    const RoundTripCase& c = GetParam();
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    GenerateEvents(c.category, c.panels, c.options, rule);
    PanelState read;
    RuleOptions options;
    options.variableValue = "unchanged";
    ReadPanelFields(c.category, rule, read, options);
    EXPECT_EQ(read, c.panels);
    EXPECT_EQ(options.variable, c.options.variable);
    EXPECT_EQ(options.chat, c.options.chat);
    EXPECT_EQ(options.runOnce, c.options.runOnce);
    EXPECT_EQ(options.variableValue,
              c.options.variable != 0 ? c.options.variableValue : QString("unchanged"));
}

INSTANTIATE_TEST_SUITE_P(
    Categories, PanelRoundTrip,
    ::testing::Values(RoundTripCase{"castle_forward",
                                    kBuildingCategory,
                                    With([](PanelState& p) {
                                        p.building = {16, 0, true};
                                    }),
                                    {3, "10", true, true}},
                      RoundTripCase{"research",
                                    kResearchCategory,
                                    With([](PanelState& p) {
                                        p.research = {5, 2};
                                    }),
                                    {0, "10", true, false}},
                      RoundTripCase{"unit_delete",
                                    kUnitCategory,
                                    With([](PanelState& p) {
                                        p.unit = {3, 4, 1};
                                    }),
                                    {40, "-7", false, false}},
                      RoundTripCase{"allocation",
                                    kResourceCategory,
                                    With([](PanelState& p) {
                                        p.resource.boxes = {"50", "50", "0", "0"};
                                        p.resource.spinners = {50, 50, 0, 0};
                                    }),
                                    {}},
                      RoundTripCase{"market",
                                    kResourceCategory,
                                    With([](PanelState& p) {
                                        p.resource.kind = 1;
                                        p.resource.action = 1;
                                        p.resource.resource = 2;
                                    }),
                                    {}},
                      RoundTripCase{"groups",
                                    kAttackCategory,
                                    With([](PanelState& p) {
                                        p.attack = {2, "100", "4", "6", "20"};
                                    }),
                                    {}},
                      RoundTripCase{"range",
                                    kRangeCategory,
                                    With([](PanelState& p) {
                                        p.range = {3, "-1"};
                                    }),
                                    {1, "5", false, true}},
                      RoundTripCase{"free",
                                    kFreeCategory,
                                    With([](PanelState& p) {
                                        p.freeEvents = FreeEventList(
                                            {FreeEvent{"a", "do-nothing", "1)0)a", "", ""},
                                             FreeEvent{"b", "resign", "9)1", "rc", "true"}});
                                    }),
                                    {0, "10", false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPanelFields, StoredNumbersAreRoundedDownButTheDistanceIsNot) {
    RuleEntry rule;
    rule.panel1 = "2.9";
    rule.panel2 = "33.7";
    rule.panel3 = "4.2";
    rule.panel4 = "x";
    PanelState panels;
    RuleOptions options;
    ReadPanelFields(kAttackCategory, rule, panels, options);
    EXPECT_EQ(panels.attack, (AttackPanel{2, "100", "33", "4", "0"}));

    rule.panel1 = "7.5";
    rule.panel2 = "12.5";
    ReadPanelFields(kRangeCategory, rule, panels, options);
    EXPECT_EQ(panels.range, (RangePanel{7, "12.5"}));

    rule.panel1 = "0";
    rule.panel2 = "99.9";
    rule.panel3 = "-3";
    ReadPanelFields(kResourceCategory, rule, panels, options);
    EXPECT_EQ(panels.resource.boxes[0], "99");
    EXPECT_EQ(panels.resource.spinners[0], 99);
    EXPECT_EQ(panels.resource.boxes[1], "-3");
    EXPECT_EQ(panels.resource.spinners[1], 0);
}

} // namespace
} // namespace rw

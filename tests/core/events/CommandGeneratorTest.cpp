#include "events/CommandGenerator.h"
#include "events/PanelPickers.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

const QString kPlaceholder = QStringLiteral("0;(上書きしてください);Overwrite,true\r\n");

int BuildingAt(const QString& caption) {
    const auto& items = PanelPickers::Buildings();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].text == caption)
            return i + 1;
    ADD_FAILURE() << "no building " << caption.toStdString();
    return 0;
}

std::pair<int, int> TechnologyAt(const QString& caption) {
    for (int c = 0; c < PanelPickers::TechnologyCategories().size(); ++c) {
        const int i = PanelPickers::Technologies(c).indexOf(caption);
        if (i >= 0)
            return {c, i};
    }
    ADD_FAILURE() << "no technology " << caption.toStdString();
    return {0, 0};
}

QString Lines(std::initializer_list<const char16_t*> lines) {
    QStringList result;
    for (const char16_t* line : lines)
        result << QString::fromUtf16(line);
    return result.join(QStringLiteral("\r\n"));
}

QString Locked(const QString& cap, const QString& fact) {
    return QStringLiteral("0;") + cap + QStringLiteral(";CannotEdit,") + fact +
           QStringLiteral("\r\n");
}

struct GeneratorCase {
    const char* name;
    int category;
    std::function<void(PanelState&, RuleOptions&)> setUp;
    QString conditionsBefore;
    QString actions;
    QString conditionsAfter;
    std::array<QString, 5> panels;
    QString chatText;
};

class GeneratorExamples : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorExamples, WritesActionsConditionsAndPanelFields) {
    const GeneratorCase& c = GetParam();
    PanelState panels;
    RuleOptions options;
    c.setUp(panels, options);
    RuleEntry rule;
    rule.conditions = c.conditionsBefore;
    GenerateEvents(c.category, panels, options, rule);
    EXPECT_EQ(rule.actions, c.actions);
    EXPECT_EQ(rule.conditions, c.conditionsAfter);
    EXPECT_EQ(
        (std::array<QString, 5>{rule.panel1, rule.panel2, rule.panel3, rule.panel4, rule.panel5}),
        c.panels);
    EXPECT_EQ(rule.chatText, c.chatText);
}

const QString kHouseBuildable = Locked(QStringLiteral("家が建設できるとき"), "can-build house");

const GeneratorCase kGeneratorCases[] = {
    {"HouseWithChatRunOnceAndVariable",
     kBuildingCategory,
     [](PanelState& p, RuleOptions& o) {
         p.building.building = BuildingAt("家");
         o = {3, "10", true, true};
     },
     kHouseBuildable,
     Lines({u"(build house)        ;家を建設",
            u"    (chat-local-to-self \"家を建設します\")        ;チャット",
            u"    (disable-self)        ;無効化", u"    (set-goal 3 10)        ;変数に代入"}),
     kHouseBuildable,
     {"1", "0", "0", "", ""},
     QStringLiteral("家を建設します")},
    {"FeudalAge",
     kResearchCategory,
     [](PanelState& p, RuleOptions&) {
         auto [c, i] = TechnologyAt("領主の時代");
         p.research = {c, i};
     },
     Locked("x", "y"),
     Lines({u"(research feudal-age)    ;領主の時代に進化"}),
     Locked(QStringLiteral("領主の時代に進化できるとき"), "can-research-with-escrow feudal-age"),
     {"0", "0", "", "", ""},
     ""},
    {"LoomChatSaysResearch",
     kResearchCategory,
     [](PanelState& p, RuleOptions& o) {
         auto [c, i] = TechnologyAt("機織り");
         p.research = {c, i};
         o.chat = true;
     },
     Locked("x", "y"),
     Lines({u"(research ri-loom)    ;機織りを研究",
            u"    (chat-local-to-self \"機織りを研究します\")        ;チャット"}),
     Locked(QStringLiteral("機織りを研究できるとき"), "can-research-with-escrow ri-loom"),
     {"0", "3", "", "", ""},
     QStringLiteral("機織りを研究します")},
    {"EliteBerserkAsTheGameSpellsIt",
     kResearchCategory,
     [](PanelState& p, RuleOptions&) {
         auto [c, i] = TechnologyAt("エリートベルセルク");
         p.research = {c, i};
     },
     Locked("x", "y"),
     Lines({u"(research ri-elite-berserk)    ;エリートベルセルクを研究"}),
     Locked(QStringLiteral("エリートベルセルクを研究できるとき"),
            "can-research-with-escrow ri-elite-berserk"),
     {"13", "23", "", "", ""},
     ""},
    {"DeleteVillagerWithChat",
     kUnitCategory,
     [](PanelState& p, RuleOptions& o) {
         p.unit = {0, 0, 1};
         o.chat = true;
     },
     Locked(QStringLiteral("町の人が生産できるとき"), "can-train villager"),
     Lines({u"(delete-unit villager)    ;町の人を削除します",
            u"    (chat-local-to-self \"町の人を削除します\")        ;チャット"}),
     Locked(QStringLiteral("町の人が存在するとき"), "unit-type-count-total villager >= 1"),
     {"0", "0", "1", "", ""},
     QStringLiteral("町の人を削除します")},
    {"SellStoneWithVariable",
     kResourceCategory,
     [](PanelState& p, RuleOptions& o) {
         p.resource.kind = 1;
         p.resource.action = 1;
         p.resource.resource = 2;
         o.variable = 1;
         o.variableValue = "5";
     },
     kPlaceholder,
     Lines({u"(sell-commodity stone);石を100売る", u"    (set-goal 1 5)        ;変数に代入"}),
     Locked(QStringLiteral("市場があり資源があるとき"), "can-sell-commodity stone"),
     {"1", "2", "1", "", ""},
     ""},
    {"AllocationWithAllOptions",
     kResourceCategory,
     [](PanelState& p, RuleOptions& o) {
         p.resource.boxes = {"40", "30", "20", "10"};
         o = {2, "7", true, true};
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-wood-gatherer-percentage 40);木の収集割合",
            u"(set-strategic-number sn-food-gatherer-percentage 30);食料の収集割合",
            u"(set-strategic-number sn-gold-gatherer-percentage 20);金の収集割合",
            u"(set-strategic-number sn-stone-gatherer-percentage 10);石の収集割合",
            u"    (set-goal 2 7)        ;変数に代入",
            u"    (chat-local-to-self \"資源配分をW:40 F:30 G20 S:10 に変更します\")        "
            u";チャット",
            u"    (disable-self)        ;無効化"}),
     kPlaceholder,
     {"0", "40", "30", "20", "10"},
     QStringLiteral("資源配分をW:40 F:30 G20 S:10 に変更します")},
    {"LandPercentAttack",
     kAttackCategory,
     [](PanelState& p, RuleOptions& o) {
         p.attack.percent = "60";
         o.chat = true;
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-percent-attack-soldiers 60) ;守備軍の60％が攻撃軍になる",
            u"(attack-now);攻撃する",
            u"    (chat-local-to-self \"陸の守備軍の60％が攻撃軍になるように設定しました\")        "
            u";チャット"}),
     kPlaceholder,
     {"0", "60", "", "", ""},
     QStringLiteral("陸の守備軍の60％が攻撃軍になるように設定しました")},
    {"NavalPercentAttack",
     kAttackCategory,
     [](PanelState& p, RuleOptions&) { p.attack.kind = 1; },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-percent-attack-boats 100) ;守備軍の100％が攻撃軍になる",
            u"(attack-now);攻撃する"}),
     kPlaceholder,
     {"1", "100", "", "", ""},
     ""},
    {"LandGroupAttack",
     kAttackCategory,
     [](PanelState& p, RuleOptions& o) {
         p.attack.kind = 2;
         o.chat = true;
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-number-attack-groups 3)       ;攻撃に行く最大グループ数",
            u"(set-strategic-number sn-minimum-attack-group-size 5)  ;１グループの最小人数",
            u"(set-strategic-number sn-maximum-attack-group-size 10) ;１グループの最大人数",
            u"    (chat-local-to-self "
            u"\"攻撃に行く陸軍の最大グループ数を3になるように設定しました\")        ;チャット"}),
     kPlaceholder,
     {"2", "3", "5", "10", ""},
     QStringLiteral("攻撃に行く陸軍の最大グループ数を3になるように設定しました")},
    {"NavalGroupAttack",
     kAttackCategory,
     [](PanelState& p, RuleOptions& o) {
         p.attack = {3, "100", "4", "6", "12"};
         o.chat = true;
     },
     kPlaceholder,
     Lines(
         {u"(set-strategic-number sn-number-boat-attack-groups 4)       ;攻撃に行く最大グループ数",
          u"(set-strategic-number sn-minimum-boat-attack-group-size 6)  ;１グループの最小人数",
          u"(set-strategic-number sn-maximum-boat-attack-group-size 12) ;１グループの最大人数",
          u"    (chat-local-to-self \"攻撃に行く海軍の最大グループ数4になるように設定しました\")   "
          u"     ;チャット"}),
     kPlaceholder,
     {"3", "4", "6", "12", ""},
     QStringLiteral("攻撃に行く海軍の最大グループ数4になるように設定しました")},
    {"TownSize",
     kRangeCategory,
     [](PanelState& p, RuleOptions& o) {
         p.range.distance = "20";
         o.chat = true;
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-maximum-town-size 20);最大タウンサイズ",
            u"    (chat-local-to-self \"町の大きさを20に変更\")        ;チャット"}),
     kPlaceholder,
     {"0", "20", "", "", ""},
     QStringLiteral("町の大きさを20に変更")},
    {"FoodDropDistanceHalfWidthChat",
     kRangeCategory,
     [](PanelState& p, RuleOptions& o) {
         p.range = {4, "-1"};
         o.chat = true;
         o.runOnce = true;
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-maximum-food-drop-distance -1)      ;伐採所・採掘所の距離",
            u"    (chat-local-to-self \"羊､苺､畑､小魚の認識距離を-1に変更\")        ;チャット",
            u"    (disable-self)        ;無効化"}),
     kPlaceholder,
     {"4", "-1", "", "", ""},
     QStringLiteral("羊､苺､畑､小魚の認識距離を-1に変更")},
    {"MillDistance",
     kRangeCategory,
     [](PanelState& p, RuleOptions&) {
         p.range = {1, "30"};
     },
     kPlaceholder,
     Lines({u"(set-strategic-number sn-mill-max-distance 30)      ;粉ひき所の距離"}),
     kPlaceholder,
     {"1", "30", "", "", ""},
     ""},
};

INSTANTIATE_TEST_SUITE_P(Categories, GeneratorExamples, ::testing::ValuesIn(kGeneratorCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Walls and gates: one row per caption and event kind.
struct WallCase {
    const char16_t* caption;
    int kind;
    const char16_t* line;
    const char16_t* impliedCaption;
    const char16_t* fact;
};

class WallsAndGates : public ::testing::TestWithParam<WallCase> {};

TEST_P(WallsAndGates, UseTheirOwnCommandsAndFacts) {
    const WallCase& c = GetParam();
    const QString caption = QString::fromUtf16(c.caption);
    PanelState panels;
    panels.building.building = BuildingAt(caption);
    panels.building.kind = c.kind;
    RuleEntry rule;
    rule.conditions = kHouseBuildable;
    GenerateEvents(kBuildingCategory, panels, {}, rule);
    EXPECT_EQ(rule.actions, QString::fromUtf16(c.line));
    EXPECT_EQ(rule.conditions,
              Locked(QString::fromUtf16(c.impliedCaption), QString::fromUtf16(c.fact)));
}

INSTANTIATE_TEST_SUITE_P(
    Buildings, WallsAndGates,
    ::testing::Values(
        WallCase{u"柵(狭い)", 1, u"(delete-building palisade-wall)        ;柵(狭い)を破壊",
                 u"柵(狭い)が存在するとき", u"building-type-count-total palisade-wall >= 1"},
        WallCase{u"柵(狭い)", 0, u"(build-wall 1 palisade-wall)        ;柵(狭い)を建設",
                 u"柵(狭い)が建設できるとき", u"can-build-wall 1 palisade-wall"},
        WallCase{u"石壁系(広い)", 1,
                 u"(delete-building stone-wall-line)        ;石壁系(広い)を破壊",
                 u"石壁系(広い)が存在するとき", u"building-type-count-total stone-wall-line >= 1"},
        WallCase{u"石壁系(広い)", 0, u"(build-wall 2 stone-wall-line)        ;石壁系(広い)を建設",
                 u"石壁系(広い)が建設できるとき", u"can-build-wall 2 stone-wall-line"},
        WallCase{u"門(狭い)", 1, u"(delete-building 939)        ;門(狭い)を破壊",
                 u"門(狭い)が存在するとき", u"building-type-count-total 939 >= 1"},
        WallCase{u"門(広い)", 0, u"(build-gate 2)        ;門(広い)を建設",
                 u"門(広い)が建設できるとき", u"can-build-gate 2"},
        WallCase{u"強化壁(狭い)", 0, u"(build-wall 1 fortified-wall)        ;強化壁(狭い)を建設",
                 u"強化壁(狭い)が建設できるとき", u"can-build-wall 1 fortified-wall"},
        WallCase{u"城", 1, u"(delete-building castle)        ;城を破壊", u"城が存在するとき",
                 u"building-type-count-total castle >= 1"}));

TEST(BuildingEvents, ForwardCastleAndWallChatInFullWidthParentheses) {
    PanelState panels;
    panels.building = {BuildingAt("城"), 0, true};
    RuleEntry rule;
    rule.conditions = kHouseBuildable;
    GenerateEvents(kBuildingCategory, panels, {0, "10", true, false}, rule);
    EXPECT_EQ(rule.actions,
              Lines({u"(build-forward castle)        ;敵陣に城を建設",
                     u"    (chat-local-to-self \"城を建設します\")        ;チャット"}));
    EXPECT_EQ(rule.conditions, Locked(QStringLiteral("城が建設できるとき"), "can-build castle"));

    panels.building = {BuildingAt("柵(狭い)"), 0, false};
    GenerateEvents(kBuildingCategory, panels, {0, "10", true, false}, rule);
    EXPECT_EQ(rule.chatText, QStringLiteral("柵（狭い）を建設します"));
}

TEST(BuildingEvents, KindSwitchRewritesOnlyTheImpliedCondition) {
    const QString fact = QStringLiteral("0;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100\r\n");
    RuleEntry rule;
    rule.conditions = fact + kHouseBuildable;
    PanelState panels;
    panels.building.building = BuildingAt("家");
    panels.building.kind = 1;
    GenerateEvents(kBuildingCategory, panels, {}, rule);
    EXPECT_EQ(rule.actions, QStringLiteral("(delete-building house)        ;家を破壊"));
    EXPECT_EQ(rule.conditions, fact + Locked(QStringLiteral("家が存在するとき"),
                                             "building-type-count-total house >= 1"));
    EXPECT_EQ(ImpliedConditionPosition(rule), 2);

    panels.building.kind = 0;
    GenerateEvents(kBuildingCategory, panels, {}, rule);
    EXPECT_EQ(rule.conditions, fact + kHouseBuildable);
}

TEST(BuildingEvents, RuleWithoutImpliedConditionKeepsItsConditions) {
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    PanelState panels;
    GenerateEvents(kBuildingCategory, panels, {}, rule);
    EXPECT_EQ(rule.actions, QStringLiteral("(build house)        ;家を建設"));
    EXPECT_EQ(rule.conditions, kPlaceholder);
    EXPECT_EQ(ImpliedConditionPosition(rule), 0);
}

TEST(ResourceEvents, MarketAndAllocationTradeTheImpliedConditionForThePlaceholder) {
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    PanelState panels;
    panels.resource.kind = 1;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    const QString buyWood =
        Locked(QStringLiteral("市場があり資源があるとき"), "can-buy-commodity wood");
    EXPECT_EQ(rule.actions, QStringLiteral("(buy-commodity wood);木を100買う"));
    EXPECT_EQ(rule.conditions, buyWood);

    panels.resource.kind = 0;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_EQ(rule.conditions, kPlaceholder);

    panels.resource.kind = 1;
    panels.resource.resource = 1;
    GenerateEvents(kResourceCategory, panels, {0, "10", true, false}, rule);
    EXPECT_EQ(rule.conditions,
              Locked(QStringLiteral("市場があり資源があるとき"), "can-buy-commodity food"));
    EXPECT_EQ(rule.chatText, QStringLiteral("食料を100買います"));
}

TEST(ResourceEvents, MarketConditionBesideOthersIsAppendedAndDeleted) {
    const QString andTree = QStringLiteral("0;AND;Sys_And,and\r\n1;A;k,a\r\n1;B;k,b\r\n");
    RuleEntry rule;
    rule.conditions = andTree;
    PanelState panels;
    panels.resource.kind = 1;
    panels.resource.action = 1;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    const QString sellWood =
        Locked(QStringLiteral("市場があり資源があるとき"), "can-sell-commodity wood");
    EXPECT_EQ(rule.conditions, andTree + sellWood);

    // Withdrawn in front of other entries: those behind it follow their parent.
    rule.conditions = sellWood + QStringLiteral("0;OR;Sys_Or,or\r\n2;A;k,a\r\n2;B;k,b\r\n");
    panels.resource.kind = 0;
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_EQ(rule.conditions, QStringLiteral("0;OR;Sys_Or,or\r\n1;A;k,a\r\n1;B;k,b\r\n"));

    // Allocation again with no implied condition: nothing changes.
    GenerateEvents(kResourceCategory, panels, {}, rule);
    EXPECT_EQ(rule.conditions, QStringLiteral("0;OR;Sys_Or,or\r\n1;A;k,a\r\n1;B;k,b\r\n"));
}

TEST(OptionLines, NoVariableMeansNoGoalAndEmptyValue) {
    RuleEntry rule;
    rule.variableNumber = "5";
    rule.variableValue = "3";
    rule.chatText = "old";
    rule.runOnce = "1";
    PanelState panels;
    GenerateEvents(kRangeCategory, panels, {0, "99", false, false}, rule);
    EXPECT_EQ(rule.actions,
              QStringLiteral("(set-strategic-number sn-maximum-town-size 15);最大タウンサイズ"));
    EXPECT_EQ(rule.variableNumber, "0");
    EXPECT_EQ(rule.variableValue, "");
    EXPECT_EQ(rule.chatText, "");
    EXPECT_EQ(rule.runOnce, "0");

    GenerateEvents(kRangeCategory, panels, {40, "-2", false, true}, rule);
    EXPECT_EQ(rule.variableNumber, "40");
    EXPECT_EQ(rule.variableValue, "-2");
    EXPECT_EQ(rule.runOnce, "1");
    EXPECT_TRUE(rule.actions.endsWith(QStringLiteral(
        "    (set-goal 40 -2)        ;変数に代入\r\n    (disable-self)        ;無効化")));
}

TEST(FreeEvents, EmptyListDoesNothingAndOnlyRunOnceApplies) {
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    rule.panel1 = "stale";
    rule.variableNumber = "4";
    rule.variableValue = "8";
    rule.chatText = "kept";
    PanelState panels;
    GenerateEvents(kFreeCategory, panels, {4, "8", true, false}, rule);
    EXPECT_EQ(rule.actions, QStringLiteral("(do-nothing);なにもしません"));
    EXPECT_EQ(
        (std::array<QString, 5>{rule.panel1, rule.panel2, rule.panel3, rule.panel4, rule.panel5}),
        (std::array<QString, 5>{}));
    EXPECT_EQ(rule.variableNumber, "0");
    EXPECT_EQ(rule.variableValue, "8");
    EXPECT_EQ(rule.chatText, "kept");
    EXPECT_EQ(rule.conditions, kPlaceholder);
}

TEST(FreeEvents, ListBecomesLinesAndColumns) {
    PanelState panels;
    panels.freeEvents = FreeEventList(
        {FreeEvent{"城を敵陣に建設する", "build-forward castle", "2)16)0)1", "", ""},
         FreeEvent{"タイマー(2)を開始(60秒)", "enable-timer 2 60", "12)1)0)60", "", ""}});
    RuleEntry rule;
    rule.conditions = kPlaceholder;
    GenerateEvents(kFreeCategory, panels, {0, "10", false, true}, rule);
    EXPECT_EQ(rule.actions, Lines({u"(build-forward castle);城を敵陣に建設する",
                                   u"(enable-timer 2 60);タイマー(2)を開始(60秒)",
                                   u"    (disable-self)        ;無効化"}));
    EXPECT_EQ(rule.panel1, QStringLiteral("城を敵陣に建設する;タイマー(2)を開始(60秒)"));
    EXPECT_EQ(rule.panel2, "build-forward castle;enable-timer 2 60");
    EXPECT_EQ(rule.panel3, "2)16)0)1;12)1)0)60");
    EXPECT_EQ(rule.panel4, ";");
    EXPECT_EQ(rule.panel5, ";");
    EXPECT_EQ(rule.runOnce, "1");
}

} // namespace
} // namespace rw

namespace rw {
namespace {

// Every choice the pickers offer must lead back to its own game symbol: a
// caption that the lookup cannot find, or finds in another row, would write
// a wrong command without any error.
TEST(PickerSymbols, EveryUnitAndTechnologyFindsItsOwnRow) {
    const VocabTree& units = UnitTree();
    for (int c = 0; c < PanelPickers::UnitCategories().size(); ++c) {
        const int heading = FindCategory(PanelPickers::UnitCategories()[c], units);
        QStringList symbols;
        for (int node : ChildPositions(units, heading))
            symbols << units[node - 1].tag;
        for (const QString& unit : PanelPickers::Units(c))
            EXPECT_TRUE(symbols.contains(UnitSymbol(unit))) << unit.toStdString();
    }
    for (int c = 0; c < PanelPickers::TechnologyCategories().size(); ++c) {
        const QStringList technologies = PanelPickers::Technologies(c);
        ASSERT_FALSE(technologies.isEmpty());
        for (int i = 0; i < technologies.size(); ++i) {
            PanelState panels;
            panels.research = {c, i};
            const CategoryEvents events = ComposeCategoryEvents(kResearchCategory, panels);
            EXPECT_FALSE(events.lines.first().startsWith(QStringLiteral("(research )")))
                << technologies[i].toStdString();
        }
    }
}

TEST(PickerSymbols, EveryBuildingMakesACommandWithASymbol) {
    for (int b = 1; b <= PanelPickers::Buildings().size(); ++b) {
        for (int kind = 0; kind < 2; ++kind) {
            PanelState panels;
            panels.building = {b, kind, false};
            const CategoryEvents events = ComposeCategoryEvents(kBuildingCategory, panels);
            const QString line = events.lines.first();
            EXPECT_FALSE(line.contains(QStringLiteral(" )")) ||
                         line.startsWith(QStringLiteral("()")))
                << line.toStdString();
            EXPECT_FALSE(events.implied->fact.contains(QLatin1Char(':'))) << line.toStdString();
        }
    }
}

} // namespace
} // namespace rw

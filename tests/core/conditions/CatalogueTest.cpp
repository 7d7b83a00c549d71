#include "ListNotation.h"
#include "conditions/ConditionCatalogue.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

struct ComposeCase {
    const char* name;
    int kind;
    QStringList fields;
    bool include;
    const char* cap;
    const char* editdat;
    const char* script;
};

void PrintTo(const ComposeCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeTable : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTable, YieldsCaptionEditdatAndFact) {
    const ComposeCase& c = GetParam();
    const ConditionTriple t = Compose(c.kind, c.fields, c.include);
    EXPECT_EQ(t.cap, QString::fromUtf8(c.cap));
    EXPECT_EQ(t.editdat, QString::fromUtf8(c.editdat));
    EXPECT_EQ(t.script, QString::fromUtf8(c.script));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ComposeTable,
    testing::Values(
        ComposeCase{"wood",
                    1,
                    {"0", "100", "0"},
                    false,
                    "木が100以上のとき",
                    "1\\0\\100\\0",
                    "wood-amount >= 100"},
        ComposeCase{"house",
                    2,
                    {"0", "0", "1", "0"},
                    true,
                    "自軍の家(建設中含む)が1以上のとき",
                    "2\\0\\0\\1\\0",
                    "building-type-count-total house >= 1"},
        ComposeCase{"villager",
                    3,
                    {"0", "0", "1", "1", "0"},
                    false,
                    "自軍の町の人(生産中含まない)が1以上",
                    "3\\0\\0\\1\\1\\0",
                    "unit-type-count villager >= 1"},
        ComposeCase{"loom",
                    4,
                    {"0", "3", "0"},
                    false,
                    "機織りが研究済みのとき",
                    "4\\0\\3\\0",
                    "research-completed ri-loom"},
        ComposeCase{"population",
                    5,
                    {"0", "40", "0"},
                    false,
                    "総人口が40以上のとき",
                    "5\\0\\40\\0",
                    "population >= 40"},
        ComposeCase{"enemyAge",
                    6,
                    {"6", "2", "0"},
                    false,
                    "いずれか敵が城主の時代以上",
                    "6\\6\\2\\0",
                    "players-current-age any-enemy >= castle-age"},
        ComposeCase{"fiveMinutes",
                    7,
                    {"0", "0", "5", "0", "0"},
                    false,
                    "ゲーム開始からの経過時間5分以上のとき",
                    "7\\0\\0\\5\\0\\0",
                    "game-time >= 300"},
        ComposeCase{"timer3",
                    8,
                    {"2"},
                    false,
                    "タイマー(3)がタイムアウトしたとき",
                    "8\\2",
                    "timer-triggered 3"},
        ComposeCase{
            "variable3", 9, {"3", "0", "0"}, false, "変数(3)が0のとき", "9\\3\\0\\0", "goal 3 0"},
        ComposeCase{"woodDistance",
                    11,
                    {"0", "5", "0"},
                    false,
                    "木の最小距離が5以上のとき",
                    "11\\0\\5\\0",
                    "dropsite-min-distance wood >= 5"}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ComposeTable,
    testing::Values(ComposeCase{"zeroTime",
                                7,
                                {"1", "0", "0", "0", "3"},
                                false,
                                "現在の時代からの経過時間0秒より小さいのとき",
                                "7\\1\\0\\0\\0\\3",
                                "current-age-time < 0"},
                    ComposeCase{"longestTime",
                                7,
                                {"0", "5", "59", "59", "4"},
                                false,
                                "ゲーム開始からの経過時間5時間59分59秒等しいのとき",
                                "7\\0\\5\\59\\59\\4",
                                "game-time == 21599"},
                    ComposeCase{"hoursOnly",
                                7,
                                {"0", "2", "0", "0", "0"},
                                false,
                                "ゲーム開始からの経過時間2時間以上のとき",
                                "7\\0\\2\\0\\0\\0",
                                "game-time >= 7200"},
                    ComposeCase{"ownWallDropsColon",
                                2,
                                {"0", "24", "1", "0"},
                                false,
                                "自軍の石壁系(狭い)(建設中含まない)が1以上のとき",
                                "2\\0\\24\\1\\0",
                                "building-type-count stone-wall-line >= 1"},
                    ComposeCase{"ownPalisade",
                                2,
                                {"0", "26", "2", "1"},
                                true,
                                "自軍の柵(狭い)(建設中含む)が2以下のとき",
                                "2\\0\\26\\2\\1",
                                "building-type-count-total palisade-wall <= 2"},

                    ComposeCase{"ownGate",
                                2,
                                {"0", "33", "1", "5"},
                                false,
                                "自軍の門(広い)(建設中含まない)が1等しくないのとき",
                                "2\\0\\33\\1\\5",
                                "building-type-count 939 != 1"},
                    ComposeCase{"ownUnitClass",
                                3,
                                {"0", "0", "0", "1", "0"},
                                true,
                                "自軍の町の人グループ(生産中含む)が1以上",
                                "3\\0\\0\\0\\1\\0",
                                "unit-type-count-total 904 >= 1"},
                    ComposeCase{"enemyUnitHasNoClassRow",
                                3,
                                {"6", "0", "1", "3", "2"},
                                true,
                                "いずれか敵の羊を狩る人[男]が3より大きい",
                                "3\\6\\0\\1\\3\\2",
                                "players-unit-type-count any-enemy 592 > 3"},
                    ComposeCase{"ownAge",
                                6,
                                {"0", "1", "3"},
                                false,
                                "領主の時代より前",
                                "6\\0\\1\\3",
                                "current-age < feudal-age"},
                    ComposeCase{"randomNumber",
                                9,
                                {"0", "0", "2"},
                                false,
                                "乱数用変数が0より大きいのとき",
                                "9\\0\\0\\2",
                                "random-number > 0"},
                    ComposeCase{"variableIgnoresComparison",
                                9,
                                {"40", "7", "5"},
                                false,
                                "変数(40)が7のとき",
                                "9\\40\\7\\5",
                                "goal 40 7"},
                    // The same symbol stands under two headings with different rows.
                    ComposeCase{"strategicNumber",
                                10,
                                {"3", "3", "-2", "5"},
                                false,
                                "索敵率が-2に等しくないのとき",
                                "10\\3\\3\\-2\\5",
                                "strategic-number sn-percent-civilian-explorers != -2"},
                    ComposeCase{"numberTrimmed",
                                1,
                                {"3", " 15 ", "4"},
                                false,
                                "石が15に等しいのとき",
                                "1\\3\\15\\4",
                                "stone-amount == 15"},
                    ComposeCase{"largestCount",
                                5,
                                {"8", "2147483647", "1"},
                                false,
                                "家の残り許容人口が2147483647以下のとき",
                                "5\\8\\2147483647\\1",
                                "housing-headroom <= 2147483647"},
                    ComposeCase{"negativeZeroCount",
                                11,
                                {"1", "-0", "0"},
                                false,
                                "食料の最小距離が-0以上のとき",
                                "11\\1\\-0\\0",
                                "dropsite-min-distance food >= -0"}));

// Symbols as the game spells them, reached through the pickers that produce
// them; the tables once carried spellings no script parser reads.
INSTANTIATE_TEST_SUITE_P(
    GameSpellings, ComposeTable,
    testing::Values(ComposeCase{"allWarships",
                                5,
                                {"5", "10", "0"},
                                false,
                                "全軍事ユニット(海)が10以上のとき",
                                "5\\5\\10\\0",
                                "warboat-count >= 10"},
                    ComposeCase{"attackWarships",
                                5,
                                {"6", "3", "1"},
                                false,
                                "攻撃軍事ユニット(海)が3以下のとき",
                                "5\\6\\3\\1",
                                "attack-warboat-count <= 3"},
                    ComposeCase{"defendWarships",
                                5,
                                {"7", "0", "2"},
                                false,
                                "守備軍事ユニット(海)が0より大きいのとき",
                                "5\\7\\0\\2",
                                "defend-warboat-count > 0"},
                    ComposeCase{"eliteBerserk",
                                4,
                                {"13", "23", "0"},
                                false,
                                "エリートベルセルクが研究済みのとき",
                                "4\\13\\23\\0",
                                "research-completed ri-elite-berserk"},
                    ComposeCase{"idleMaleVillager",
                                3,
                                {"0", "0", "22", "2", "0"},
                                false,
                                "自軍の待機中の人[男](生産中含まない)が2以上",
                                "3\\0\\0\\22\\2\\0",
                                "unit-type-count 83 >= 2"},
                    ComposeCase{"enemyIdleMaleVillager",
                                3,
                                {"14", "0", "21", "2", "0"},
                                false,
                                "全て敵の待機中の人[男]が2以上",
                                "3\\14\\0\\21\\2\\0",
                                "players-unit-type-count every-enemy 83 >= 2"},
                    ComposeCase{"enemyWall",
                                2,
                                {"6", "24", "1", "0"},
                                true,
                                "いずれか敵の石壁系(狭い)が1以上のとき",
                                "2\\6\\24\\1\\0",
                                "players-building-type-count any-enemy stone-wall-line >= 1"},
                    ComposeCase{"playerGate",
                                2,
                                {"19", "32", "1", "4"},
                                false,
                                "PLAYER3の門(狭い)が1等しいのとき",
                                "2\\19\\32\\1\\4",
                                "players-building-type-count 3 939 == 1"},
                    // The lookup already drops ":-"; nothing more goes.
                    ComposeCase{"enemyPalisade",
                                2,
                                {"6", "26", "1", "0"},
                                false,
                                "いずれか敵の柵(狭い)が1以上のとき",
                                "2\\6\\26\\1\\0",
                                "players-building-type-count any-enemy palisade-wall >= 1"}));

struct ErrorCase {
    const char* name;
    int kind;
    QStringList fields;
    const char* cap;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ComposeErrors, YieldErrorTriple) {
    const ErrorCase& c = GetParam();
    const ConditionTriple t = Compose(c.kind, c.fields);
    EXPECT_EQ(t.cap, QString::fromUtf8(c.cap));
    EXPECT_EQ(t.editdat, "Err");
    EXPECT_EQ(t.script, "Err!!");
    EXPECT_TRUE(t.IsError());
}

INSTANTIATE_TEST_SUITE_P(
    InvalidInput, ComposeErrors,
    testing::Values(
        ErrorCase{"letters", 1, {"0", "abc", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"empty", 2, {"0", "0", "", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{
            "thousands", 3, {"0", "0", "0", "1,000", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"exponent", 5, {"0", "1e3", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"star", 10, {"0", "0", "12*", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"backslash", 11, {"0", "1\\2", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"variable", 9, {"1", "x", "0"}, "数字を入力してください"},
        // Numbers the game cannot read name the numbers it can.
        ErrorCase{"fraction",
                  1,
                  {"0", "1.5", "0"},
                  "データの数は、-2147483648～2147483647の整数を入力してください"},
        ErrorCase{"plusSign",
                  10,
                  {"0", "0", "+3", "0"},
                  "データの数は、-2147483648～2147483647の整数を入力してください"},
        ErrorCase{"beyond32Bits",
                  9,
                  {"0", "2147483648", "0"},
                  "-2147483648～2147483647の整数を入力してください"},
        ErrorCase{"negativeBuildingCount",
                  2,
                  {"0", "0", "-1", "0"},
                  "データの数は、0～2147483647の整数を入力してください"},
        ErrorCase{"negativeUnitCount",
                  3,
                  {"0", "0", "1", "-3", "0"},
                  "データの数は、0～2147483647の整数を入力してください"},
        ErrorCase{"fractionalPopulation",
                  5,
                  {"0", "50.5", "0"},
                  "データの数は、0～2147483647の整数を入力してください"},
        ErrorCase{"negativeDistance",
                  11,
                  {"0", "-5", "0"},
                  "距離は、0～2147483647の整数を入力してください"},
        ErrorCase{"pickerOutOfRange", 1, {"4", "1", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{
            "unitOutOfRange", 3, {"6", "1", "1", "1", "0"}, "データの数は、数字を入力してください"},
        ErrorCase{"unknownKind", 12, {"0"}, "データの数は、数字を入力してください"}));

TEST(Catalogue, NegativeAmountsGoalsAndStrategicNumbersCompose) {
    EXPECT_EQ(Compose(1, {"0", "-5", "1"}).script, "wood-amount <= -5");
    EXPECT_EQ(Compose(9, {"2", "-2147483648", "0"}).script, "goal 2 -2147483648");
    EXPECT_EQ(Compose(10, {"5", "12", "-100", "0"}).script,
              "strategic-number sn-target-evaluation-attack-attempts >= -100");
}

TEST(Catalogue, RefusalNamesTheNumbersTheGameReads) {
    EXPECT_EQ(RefusalText(Compose(1, {"0", "abc", "0"})), "入力が正しくありません");
    EXPECT_EQ(RefusalText(Compose(4, {"99", "0", "0"})), "入力が正しくありません");
    EXPECT_EQ(RefusalText(Compose(11, {"0", "-1", "0"})),
              "入力が正しくありません\r\n距離は、0～2147483647の整数を入力してください");
}

TEST(Catalogue, KindsWithoutNumberBoxAlwaysCompose) {
    EXPECT_TRUE(Compose(1, {"0", "abc", "0"}).IsError());
    // Switching to a kind without a number box gives a valid triple again.
    EXPECT_FALSE(Compose(4, {"0", "0", "0"}).IsError());
    EXPECT_FALSE(Compose(6, {"0", "0", "0"}).IsError());
    EXPECT_FALSE(Compose(7, {"0", "0", "0", "0", "0"}).IsError());
    EXPECT_FALSE(Compose(8, {"9"}).IsError());
}

TEST(Catalogue, UnitAndAgeCaptionsLackClosingPhrase) {
    const QString when = QStringLiteral("のとき");
    EXPECT_FALSE(Compose(3, {"0", "0", "1", "1", "0"}).cap.endsWith(when));
    EXPECT_FALSE(Compose(6, {"3", "0", "0"}).cap.endsWith(when));
    for (int kind : {1, 2, 5, 9, 10, 11})
        EXPECT_TRUE(Compose(kind, {"0", "0", "0", "0"}).cap.endsWith(when)) << kind;
    EXPECT_TRUE(Compose(7, {"0", "0", "0", "0", "0"}).cap.endsWith(when));
}

TEST(Catalogue, SplitCutsAtEveryBackslash) {
    SplitEditdatResult s = Split("10\\3\\5\\7\\1");
    EXPECT_EQ(s.kind, 10);
    EXPECT_EQ(s.fields, (QStringList{"3", "5", "7", "1"}));
    s = Split("3\\0\\0\\1\\1\\0\\9");
    EXPECT_EQ(s.kind, 3);
    EXPECT_EQ(s.fields.size(), 5);
    EXPECT_EQ(Split("Overwrite").kind, 0);
    EXPECT_EQ(Split("").kind, 0);
    EXPECT_EQ(Split("12\\0").kind, 0);
    EXPECT_EQ(Split("Sys_And").kind, 0);
}

TEST(Catalogue, OutOfRangePositionsYieldEmptyText) {
    EXPECT_EQ(Operator(5), "!=");
    EXPECT_EQ(Operator(6), "");
    EXPECT_EQ(Operator(-1), "");
}

TEST(Catalogue, PickerRows) {
    const QStringList own = UnitRows(0, 0);
    const QStringList enemy = UnitRows(6, 0);
    EXPECT_EQ(own.first(), "町の人グループ");
    EXPECT_EQ(own.size(), enemy.size() + 1);
    EXPECT_EQ(own.mid(1), enemy);
    EXPECT_EQ(enemy.first(), "町の人");
    EXPECT_TRUE(UnitRows(0, 99).isEmpty());
    EXPECT_EQ(BuildingRows().size(), 34);
    EXPECT_EQ(BuildingRows().first(), "家"); // the economy mark is not shown
    EXPECT_EQ(TechnologyRows(0)[3], "機織り");
    EXPECT_EQ(HourRows(), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(MinuteRows().size(), 60);
    EXPECT_EQ(StrategicNumberRows(3)[3], "索敵率");

    Project project;
    project.settings.timers[3].help = "攻撃開始";
    project.settings.variables[40].description = "兵数";
    const QStringList timers = TimerRows(project);
    ASSERT_EQ(timers.size(), 10);
    EXPECT_EQ(timers[2], "3: 攻撃開始");
    EXPECT_EQ(timers[0], "1: ");
    const QStringList variables = VariableRows(project);
    ASSERT_EQ(variables.size(), 41);
    EXPECT_EQ(variables[0], "*乱数用変数");
    EXPECT_EQ(variables[40], "40: 兵数");
}

} // namespace

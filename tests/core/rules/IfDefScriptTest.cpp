#include "model/Project.h"
#include "rules/GroupChoices.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

struct Tick {
    GroupSection section;
    QList<int> choices;
};

struct IfDefCase {
    const char* name;
    QList<Tick> ticks;
    const char* expected;
};

GroupSelection Select(const QList<Tick>& ticks) {
    GroupSelection s = GroupSelection::Empty();
    for (const Tick& t : ticks)
        for (int k : t.choices)
            s.Section(t.section)[k] = 1;
    return s;
}

QList<int> Range(int from, int to) {
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

class IfDefScripts : public ::testing::TestWithParam<IfDefCase> {};

} // namespace

TEST_P(IfDefScripts, MakesLoadLines) {
    EXPECT_EQ(GetIfDefScript(Select(GetParam().ticks)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IfDefScripts,
    ::testing::Values(
        IfDefCase{"Nothing", {}, ""},
        IfDefCase{"TinyMap", {{GroupSection::MapSize, {0}}}, "#load-if-defined TINY-MAP\r\n"},
        IfDefCase{"GiantMap", {{GroupSection::MapSize, {5}}}, "#load-if-defined GIANT-MAP\r\n"},
        IfDefCase{"TwoOfEightCaps",
                  {{GroupSection::PopulationCap, {0, 1}}},
                  "#load-if-not-defined POPULATION-CAP-75\r\n"
                  "#load-if-not-defined POPULATION-CAP-100\r\n"
                  "#load-if-not-defined POPULATION-CAP-125\r\n"
                  "#load-if-not-defined POPULATION-CAP-150\r\n"
                  "#load-if-not-defined POPULATION-CAP-175\r\n"
                  "#load-if-not-defined POPULATION-CAP-200\r\n"},
        IfDefCase{"AllVictoryTypes", {{GroupSection::Victory, Range(0, 4)}}, ""},
        IfDefCase{"JapaneseAndHard",
                  {{GroupSection::Difficulty, {3}}, {GroupSection::Civilisation, {8}}},
                  "#load-if-defined JAPANESE-CIV\r\n#load-if-defined DIFFICULTY-HARD\r\n"},
        // The game spells this map symbol without the second "i".
        IfDefCase{
            "Scandinavia", {{GroupSection::MapType, {20}}}, "#load-if-defined SCANDANAVIA-MAP\r\n"},
        IfDefCase{"TwentyThreeMaps",
                  {{GroupSection::MapType, Range(0, 22)}},
                  "#load-if-not-defined YUCATAN-MAP\r\n"},
        IfDefCase{"SizeAndDifficulty",
                  {{GroupSection::MapSize, {1}}, {GroupSection::Difficulty, {4}}},
                  "#load-if-defined SMALL-MAP\r\n#load-if-defined DIFFICULTY-HARDEST\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IfDefScript, DataStringRoundTrip) {
    GroupSelection s = GroupSelection::Empty();
    EXPECT_EQ(GetIfDefDat(s), DefaultGroupConditionData());
    s.Section(GroupSection::Victory)[0] = 1;
    s.Section(GroupSection::MapSize)[2] = 2;
    const QString data = GetIfDefDat(s);
    EXPECT_TRUE(data.endsWith("\\1,0,0,0,0"));
    EXPECT_TRUE(data.contains("\\0,0,2,0,0,0\\"));
    GroupSelection back = GroupSelection::Empty();
    LoadIfDefDat(back, data);
    EXPECT_EQ(back, s);
}

TEST(IfDefScript, ShortOrOddDataLeavesTheRestAlone) {
    GroupSelection s = GroupSelection::Empty();
    s.Section(GroupSection::Civilisation)[5] = 1;
    s.Section(GroupSection::Difficulty)[4] = 1;
    LoadIfDefDat(s, "1,0,7\\0,1");
    EXPECT_EQ(s.Section(GroupSection::Civilisation).mid(0, 6), (QList<int>{1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(s.Section(GroupSection::MapType)[1], 1);
    EXPECT_EQ(s.Section(GroupSection::Difficulty)[4], 1);
}

#include "builder/InitSettings.h"
#include "storage/NewProject.h"

#include <gtest/gtest.h>

using namespace rw;

TEST(InitSettings, ConfirmingFreshSettingsWritesBothRules) {
    Project p = InitialProject();
    InitSettings s = LoadInitSettings(p);
    EXPECT_EQ(s.explorerCount, "1");
    EXPECT_TRUE(s.reexplore);
    EXPECT_FALSE(s.noReexplore);
    EXPECT_EQ(s.precision, "15");
    EXPECT_EQ(s.woodDistance, "-1"); // the starting text says 20 all the same
    EXPECT_TRUE(p.settings.startupRules[1].text.contains("wood-drop-distance 20)"));

    ApplyInitSettings(p, s);
    EXPECT_EQ(p.settings.startupRules[0].options, "1,-1,0,15");
    EXPECT_EQ(p.settings.startupRules[0].kind, 1);
    EXPECT_EQ(p.settings.startupRules[1].options, "0,0,0,-1,20,20,20");
    EXPECT_EQ(p.settings.startupRules[1].kind, 2);
    EXPECT_EQ(
        p.settings.startupRules[0].text,
        "(defrule\r\n(true)\r\n=>\r\n"
        "(set-strategic-number sn-percent-civilian-explorers          0) ;索敵率\r\n"
        "(set-strategic-number sn-percent-civilian-builders          15) ;建物率\r\n"
        "(set-strategic-number sn-percent-civilian-gatherers         85) ;生産率\r\n"
        "(set-strategic-number sn-cap-civilian-explorers              0) ;索敵(最大)\r\n"
        "(set-strategic-number sn-cap-civilian-builders             200) ;建物(最大)\r\n"
        "(set-strategic-number sn-cap-civilian-gatherers            400) ;生産(最大)\r\n"
        "(set-strategic-number sn-number-build-attempts-before-skip  15) ;同時建設の建物数\r\n"
        "(set-strategic-number sn-max-build-plan-gatherer-percentage 50) ;収集者建設割合\r\n"
        "(disable-self)\r\n)\r\n"
        "(defrule\r\n  (true)\r\n=>\r\n"
        "  (set-strategic-number sn-number-explore-groups 1)  ;軍の探索人数\r\n"
        "  (set-strategic-number sn-total-number-explorers 1) ;軍＋町の人の探索人数\r\n"
        "  (set-strategic-number sn-blot-exploration-map 1)   ;再探索するか(0:No 1:Yes)\r\n"
        "  (set-strategic-number sn-blot-size 15)             ;探索精度(0:探索一番細かい , "
        "32767:探索一番荒い)\r\n"
        "  (disable-self)\r\n)\r\n");
    EXPECT_EQ(p.settings.startupRules[1].text,
              "(defrule\r\n  (true)\r\n=>\r\n"
              "  (set-strategic-number sn-task-ungrouped-soldiers 0)\r\n"
              "  (set-strategic-number sn-maximum-wood-drop-distance -1)\r\n"
              "  (set-strategic-number sn-maximum-hunt-drop-distance 20)\r\n"
              "  (set-strategic-number sn-maximum-gold-drop-distance 20)\r\n"
              "  (set-strategic-number sn-maximum-stone-drop-distance 20)\r\n"
              "  (set-strategic-number sn-maximum-food-drop-distance 15)\r\n"
              "  (disable-self)\r\n)\r\n");

    // Reopening shows the same choices, the "-1" radio state included.
    EXPECT_EQ(LoadInitSettings(p), s);
}

TEST(InitSettings, WallsDispersalAndChoicesRoundTrip) {
    Project p = InitialProject();
    InitSettings s = LoadInitSettings(p);
    s.narrowWall = true;
    s.wideWall = true;
    s.disperse = true;
    s.reexplore = false;
    s.noReexplore = true;
    s.explorerCount = "3";
    s.deerDistance = "7";
    ApplyInitSettings(p, s);
    const QString& text = p.settings.startupRules[1].text;
    EXPECT_TRUE(text.contains("=>\r\n  (enable-wall-placement 1)\r\n  (enable-wall-placement 2)\r\n"
                              "  (set-strategic-number sn-maximum-wood"));
    EXPECT_FALSE(text.contains("sn-task-ungrouped-soldiers"));
    EXPECT_TRUE(text.contains("hunt-drop-distance 7)"));
    EXPECT_EQ(p.settings.startupRules[1].options, "1,1,1,-1,7,20,20");
    EXPECT_EQ(p.settings.startupRules[0].options, "3,0,-1,15");
    EXPECT_TRUE(p.settings.startupRules[0].text.contains("sn-blot-exploration-map 0)"));
    EXPECT_TRUE(p.settings.startupRules[0].text.contains("sn-total-number-explorers 3)"));
    EXPECT_EQ(LoadInitSettings(p), s);
}

struct Correction {
    const char* typed;
    const char* precision;
    const char* explorers;
};

class FocusOut : public ::testing::TestWithParam<Correction> {};

TEST_P(FocusOut, CorrectsBoxes) {
    EXPECT_EQ(CorrectPrecision(GetParam().typed), GetParam().precision);
    EXPECT_EQ(CorrectExplorerCount(GetParam().typed), GetParam().explorers);
}

INSTANTIATE_TEST_SUITE_P(Cases, FocusOut,
                         ::testing::Values(Correction{"40000", "1", "40000"},
                                           Correction{"-3", "1", "1"}, Correction{"abc", "1", "1"},
                                           Correction{"", "1", "1"},
                                           Correction{"32767", "32767", "32767"},
                                           // Only whole numbers reach the script.
                                           Correction{"32767.5", "1", "1"},
                                           Correction{" 12 ", "12", "12"},
                                           Correction{"+4", "1", "1"}, Correction{"0", "0", "0"},
                                           Correction{"2.5", "1", "1"}));

TEST(InitSettings, DistancesReachTheScriptWhole) {
    Project p = InitialProject();
    InitSettings s = LoadInitSettings(p);
    s.woodDistance = "abc";
    s.deerDistance = "12.5";
    s.goldDistance = " 30 ";
    s.stoneDistance = "-1";
    ApplyInitSettings(p, s);
    EXPECT_EQ(p.settings.startupRules[1].options, "0,0,0,-1,20,30,-1");
    EXPECT_TRUE(p.settings.startupRules[1].text.contains("sn-maximum-hunt-drop-distance 20)"));
    EXPECT_TRUE(p.settings.startupRules[1].text.contains("sn-maximum-gold-drop-distance 30)"));
}

TEST(InitSettings, ConfirmingAppliesTheFocusOutCorrections) {
    Project p = InitialProject();
    InitSettings s = LoadInitSettings(p);
    s.precision = "99999";
    s.explorerCount = "x";
    ApplyInitSettings(p, s);
    EXPECT_EQ(p.settings.startupRules[0].options, "1,-1,0,1");
    EXPECT_TRUE(p.settings.startupRules[0].text.contains("sn-blot-size 1)"));
}

#include "events/FreeEventEditor.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

using Setup = std::function<void(FreeEventEditor&)>;

QString Data(const FreeEventEditor& editor) {
    return editor.MakeEvent().data;
}

struct Composed {
    const char* name;
    Setup setup;
    QString caption;
    QString command;
    QString data;
    QString relatedCaption;
    QString relatedFact;
};

void PrintTo(const Composed& row, std::ostream* os) {
    *os << row.name;
}

class ComposedEvent : public testing::TestWithParam<Composed> {};

TEST_P(ComposedEvent, PreviewAndDataString) {
    const Composed& row = GetParam();
    FreeEventEditor editor;
    row.setup(editor);
    const FreeEventPreview p = editor.Preview();
    EXPECT_EQ(p.caption, row.caption);
    EXPECT_EQ(p.command, row.command);
    EXPECT_EQ(Data(editor), row.data);
    EXPECT_EQ(p.relatedCaption, row.relatedCaption);
    EXPECT_EQ(p.relatedFact, row.relatedFact);
}

// A fresh editor filled from the data string composes the same event.
TEST_P(ComposedEvent, RestoresFromItsDataString) {
    const Composed& row = GetParam();
    FreeEventEditor editor;
    editor.Restore(row.data);
    EXPECT_EQ(Data(editor), row.data);
    EXPECT_EQ(editor.Preview().caption, row.caption);
    EXPECT_EQ(editor.Preview().command, row.command);
}

const int kCastle = 15; // 0-based picker positions
const int kStoneWallWide = 25;
const int kPalisadeNarrow = 26;
const int kGateWide = 33;

Setup Chat(int target, const char* text) {
    return [=](FreeEventEditor& e) {
        FreeEventChat& chat = e.Select<FreeEventChat>();
        chat.SetTarget(target);
        chat.SetText(QString::fromUtf8(text));
    };
}
Setup Chat(const char* text) {
    return Chat(0, text);
}
Setup Building(int position, int action = 0, bool forward = false) {
    return [=](FreeEventEditor& e) {
        FreeEventBuilding& building = e.Select<FreeEventBuilding>();
        building.SetBuilding(position);
        building.SetAction(action);
        building.SetForward(forward);
    };
}
Setup Research(int category, int technology) {
    return [=](FreeEventEditor& e) {
        FreeEventResearch& research = e.Select<FreeEventResearch>();
        research.SetCategory(category);
        research.SetTechnology(technology);
    };
}
Setup Unit(int category, int unit, int action) {
    return [=](FreeEventEditor& e) {
        FreeEventUnit& kind = e.Select<FreeEventUnit>();
        kind.SetCategory(category);
        kind.SetUnit(unit);
        kind.SetAction(action);
    };
}
Setup Resource(int entry, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventResource& resource = e.Select<FreeEventResource>();
        resource.SetValue(v);
        resource.SetEntry(entry);
    };
}
Setup Attack(int entry, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventAttack& attack = e.Select<FreeEventAttack>();
        attack.SetEntry(entry);
        attack.SetValue(v);
    };
}
Setup Distance(int kind, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventRange& range = e.Select<FreeEventRange>();
        range.SetKind(kind);
        range.SetDistance(v);
    };
}
Setup Explore(int entry, const char* box, bool reexplore = true) {
    return [=](FreeEventEditor& e) {
        FreeEventExplore& explore = e.Select<FreeEventExplore>();
        explore.SetBlotSize(box);
        explore.SetGroups(box);
        explore.SetEntry(entry);
        explore.SetReexplore(reexplore);
    };
}
Setup Strategic(int heading, int entry, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventStrategicNumber& number = e.Select<FreeEventStrategicNumber>();
        number.SetHeading(heading);
        number.SetEntry(entry);
        number.SetValue(v);
    };
}
Setup Variable(int entry, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventVariable& variable = e.Select<FreeEventVariable>();
        variable.SetEntry(entry);
        variable.SetValue(v);
    };
}
Setup Stance(int player, int stance) {
    return [=](FreeEventEditor& e) {
        FreeEventDiplomacy& diplomacy = e.Select<FreeEventDiplomacy>();
        diplomacy.SetPlayer(player);
        diplomacy.SetStance(stance);
    };
}
Setup Timer(int timer, int run, const char* v) {
    return [=](FreeEventEditor& e) {
        FreeEventTimer& kind = e.Select<FreeEventTimer>();
        kind.SetTimer(timer);
        kind.SetRun(run);
        kind.SetSeconds(v);
    };
}

INSTANTIATE_TEST_SUITE_P(
    FreeEventEditor, ComposedEvent,
    testing::Values(
        Composed{"castle_forward", Building(kCastle, 0, true), "城を敵陣に建設する",
                 "build-forward castle", "2)16)0)1", "城が建設できるとき", "can-build castle"},
        Composed{"house_build", Building(0), "家を建設する", "build house", "2)1)0)0",
                 "家が建設できるとき", "can-build house"},
        Composed{"wide_gate", Building(kGateWide), "門(広い)を建設する", "build-gate 2 ",
                 "2)34)0)0", "門(広い)が建設できるとき", "can-build 939"},
        Composed{"palisade_destroy", Building(kPalisadeNarrow, 1), "柵(狭い)を破壊する",
                 "delete-building palisade-wall", "2)27)1)0", "柵(狭い)が存在するとき",
                 "building-type-count-total palisade-wall >= 1"},
        Composed{"palisade_build", Building(kPalisadeNarrow), "柵(狭い)を建設する",
                 "build-wall 1 palisade-wall", "2)27)0)0", "柵(狭い)が建設できるとき",
                 "can-build palisade-wall"},
        Composed{"stone_wall_wide_destroy", Building(kStoneWallWide, 1), "石壁系(広い)を破壊する",
                 "delete-building stone-wall-line", "2)26)1)0", "石壁系(広い)が存在するとき",
                 "building-type-count-total stone-wall-line >= 1"},
        Composed{"stone_wall_wide_build", Building(kStoneWallWide), "石壁系(広い)を建設する",
                 "build-wall 2 stone-wall-line", "2)26)0)0", "石壁系(広い)が建設できるとき",
                 "can-build stone-wall-line"},
        Composed{
            "chat_default", [](FreeEventEditor&) {}, "テストメッセージ(メッセージを表示します)",
            "chat-local-to-self \"メッセージを表示します\"", "1)0)メッセージを表示します", "", ""},
        Composed{"chat_to_all", Chat(3, "gg"), "全員にチャット(gg)", "chat-to-all \"gg\"", "1)3)gg",
                 "", ""},
        Composed{"research_first", Research(0, 0), "領主の時代を研究する", "research feudal-age",
                 "3)0)0", "領主の時代が研究できるとき", "can-research feudal-age"},
        Composed{"research_numeric_symbol", Research(11, 9), "薬草学を研究する", "research 441",
                 "3)11)9", "薬草学が研究できるとき", "can-research 441"},
        Composed{"unit_delete_villager", Unit(0, 0, 1), "町の人を削除する", "delete-unit villager",
                 "4)0)0)1", "町の人が削除できるとき", "unit-type-count-total villager >= 1"},
        // 聖職者グループ without the relic carrier: position 1 is the missionary.
        Composed{"unit_train_missionary", Unit(2, 1, 0), "宣教師を生産する", "train 775", "4)2)1)0",
                 "宣教師が生産できるとき", "can-train 775"},
        Composed{"wood_percentage", Resource(0, "30"), "木の収集割合を30 ％に変更",
                 "set-strategic-number sn-wood-gatherer-percentage 30", "5)0)30", "", ""},
        Composed{"food_percentage", Resource(1, "25"), "食料の収集割合を25％に変更",
                 "set-strategic-number sn-food-gatherer-percentage 25", "5)1)25", "", ""},
        Composed{"sell_stone", Resource(9, "25"), "石を100売る", "sell-commodity stone", "5)9)25",
                 "石が100売れるとき", "can-sell-commodity stone"},
        Composed{"attack_now", Attack(0, "100"), "総攻撃開始", "attack-now", "6)0)100", "", ""},
        Composed{"boat_group_size", Attack(8, "7"), "海軍最大グループ数設定",
                 "set-strategic-number sn-maximum-boat-attack-group-size 7", "6)8)7", "", ""},
        Composed{"food_distance", Distance(4, "20"), "羊､苺､畑､小魚の認識距離を20に変更",
                 "set-strategic-number sn-maximum-food-drop-distance 20", "7)4)20", "", ""},
        Composed{"wood_distance_shares_prefix", Distance(3, "15"), "伐採所・採掘所の距離を15に変更",
                 "set-strategic-number sn-maximum-wood-drop-distance 15", "7)3)15", "", ""},
        Composed{"blot_size", Explore(0, "15"), "探索精度を15に変更します",
                 "set-strategic-number sn-blot-size 15", "8)0)15", "", ""},
        Composed{"no_reexplore", Explore(1, "15", false), "再探索をしないように変更します",
                 "set-strategic-number sn-blot-exploration-map 0", "8)1)0)1", "", ""},
        Composed{"explore_groups", Explore(2, "1"), "探索最大数を1に変更します",
                 "set-strategic-number sn-number-explore-groups 1", "8)2)1", "", ""},
        Composed{"strategic_town_size", Strategic(2, 6, "80"), "町の大きさ(最大)を80に設定する",
                 "set-strategic-number sn-maximum-town-size 80", "9)2)6)80", "", ""},
        Composed{"strategic_second_explorer_row", Strategic(3, 3, "0"), "索敵率を0に設定する",
                 "set-strategic-number sn-percent-civilian-explorers 0", "9)3)3)0", "", ""},
        Composed{"set_goal", Variable(3, "10"), "変数(3)を10に設定する", "set-goal 3 10", "10)3)10",
                 "", ""},
        Composed{"random_number", Variable(0, "6"), "乱数を1～6で発生させる",
                 "generate-random-number 6", "10)0)6", "", ""},
        Composed{"stance", Stance(1, 2), "Player2の外交政策を敵対に変更します",
                 "set-stance 2 enemy", "11)1)2", "", ""},
        Composed{"timer_start", Timer(1, 0, "60"), "タイマー(2)を開始(60秒)", "enable-timer 2 60",
                 "12)1)0)60", "", ""},
        Composed{"timer_stop", Timer(0, 1, "10"), "タイマー(1)を停止", "disable-timer 1",
                 "12)0)1)10", "", ""}),
    [](const testing::TestParamInfo<Composed>& info) { return std::string(info.param.name); });

// Stored events lead with their kind's number, so the numbers never move;
// the tab captions follow the same order.
TEST(FreeEventEditor, KindsKeepTheirNumbersAndCaptions) {
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventChat>(), 1);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventBuilding>(), 2);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventResearch>(), 3);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventUnit>(), 4);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventResource>(), 5);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventAttack>(), 6);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventRange>(), 7);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventExplore>(), 8);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventStrategicNumber>(), 9);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventVariable>(), 10);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventDiplomacy>(), 11);
    EXPECT_EQ(FreeEventEditor::NumberOf<FreeEventTimer>(), 12);
    QStringList captions;
    FreeEventEditor().ForEachKind([&](const auto& kind) { captions << kind.Caption(); });
    EXPECT_EQ(captions,
              (QStringList{"チャット", "建物", "研究", "ユニット", "資源", "攻撃", "範囲", "斥候",
                           "戦略数値", "変数/乱数", "外交", "タイマー"}));
}

// What every kind must do, checked for each: a fresh dialog's input composes
// a valid event stored under the kind's number, and that event, restored
// into an editor showing another kind, selects the kind and composes the
// same event again.
TEST(FreeEventEditor, EveryKindStoresAndRestoresItsFreshEvent) {
    for (int kind = 1; kind <= FreeEventEditor::kKindCount; ++kind) {
        FreeEventEditor editor;
        editor.SelectKind(kind);
        const FreeEvent event = editor.MakeEvent();
        EXPECT_TRUE(editor.Preview().IsValid()) << kind;
        EXPECT_TRUE(event.data.startsWith(QString::number(kind) + QLatin1Char(')'))) << kind;

        FreeEventEditor restored;
        restored.SelectKind(kind % FreeEventEditor::kKindCount + 1);
        restored.Restore(event.data);
        EXPECT_EQ(restored.CurrentKind(), kind);
        EXPECT_EQ(restored.MakeEvent().data, event.data) << kind;
        EXPECT_EQ(restored.MakeEvent().command, event.command) << kind;
    }
}

struct Validity {
    const char* name;
    Setup setup;
    bool valid;
};

void PrintTo(const Validity& row, std::ostream* os) {
    *os << row.name;
}

class InputValidity : public testing::TestWithParam<Validity> {};

TEST_P(InputValidity, InvalidInputTurnsThePreviewIntoAnError) {
    FreeEventEditor editor;
    GetParam().setup(editor);
    const FreeEventPreview p = editor.Preview();
    EXPECT_EQ(p.IsValid(), GetParam().valid);
    if (!GetParam().valid) {
        EXPECT_EQ(p.caption, "入力が正しくありません");
        EXPECT_EQ(p.command, "Err!!");
    }
}

INSTANTIATE_TEST_SUITE_P(
    FreeEventEditor, InputValidity,
    testing::Values(
        Validity{"chat_plain", Chat("攻撃開始"), true}, Validity{"chat_empty", Chat(""), false},
        Validity{"chat_semicolon", Chat("a;b"), false}, Validity{"chat_quote", Chat("a\"b"), false},
        Validity{"chat_open_paren", Chat("a(b"), false},
        Validity{"chat_close_paren", Chat("a)b"), false},
        Validity{"chat_line_break", Chat("a\r\nb"), false},
        Validity{"chat_del",
                 Chat("a\x7f"
                      "b"),
                 false},
        Validity{"chat_escape",
                 Chat("a\x1b"
                      "b"),
                 false},
        Validity{"chat_tab", Chat("a\tb"), true}, Validity{"wood_100", Resource(0, "100"), true},
        Validity{"wood_0", Resource(0, "0"), true}, Validity{"wood_101", Resource(0, "101"), false},
        Validity{"wood_minus_1", Resource(0, "-1"), false},
        Validity{"wood_fraction", Resource(0, "50.5"), false},
        Validity{"wood_plus_sign", Resource(0, "+3"), false},
        Validity{"wood_text", Resource(0, "abc"), false},
        Validity{"buy_ignores_box", Resource(4, "150"), true},
        Validity{"attack_now_ignores_box", Attack(0, "x"), true},
        Validity{"land_percent_101", Attack(1, "101"), false},
        Validity{"boat_percent_100", Attack(2, "100"), true},
        Validity{"groups_any_number", Attack(3, "1000"), true},
        Validity{"groups_text", Attack(3, "x"), false},
        Validity{"groups_negative", Attack(3, "-1"), false},
        Validity{"group_size_beyond_32_bits", Attack(5, "2147483648"), false},
        Validity{"group_size_largest", Attack(5, "2147483647"), true},
        Validity{"distance_0", Distance(0, "0"), true},
        Validity{"distance_255", Distance(8, "255"), true},
        Validity{"distance_256", Distance(0, "256"), false},
        Validity{"wood_distance_minus_1", Distance(3, "-1"), false},
        Validity{"random_1", Variable(0, "1"), true},
        Validity{"random_100", Variable(0, "100"), true},
        Validity{"random_0", Variable(0, "0"), false},
        Validity{"random_101", Variable(0, "101"), false},
        Validity{"variable_any_number", Variable(5, "-500"), true},
        Validity{"variable_text", Variable(5, "x"), false},
        Validity{"variable_fraction", Variable(5, "1.5"), false},
        Validity{"variable_smallest", Variable(5, "-2147483648"), true},
        Validity{"random_fraction", Variable(0, "6.5"), false},
        Validity{"timer_negative", Timer(0, 0, "-10"), false},
        Validity{"strategic_plus_sign", Strategic(0, 0, "+3"), false},
        Validity{"strategic_negative", Strategic(0, 0, "-3"), true},
        Validity{"blot_negative", Explore(0, "-1"), false},
        Validity{"timer_start_text", Timer(0, 0, "abc"), false},
        Validity{"timer_stop_text", Timer(0, 1, "abc"), false},
        Validity{"timer_stop_number", Timer(0, 1, "5"), true},
        Validity{"blot_text", Explore(0, "x"), false},
        Validity{"groups_box_text", Explore(2, "x"), false},
        Validity{"reexplore_ignores_boxes", Explore(1, "x"), true},
        Validity{"strategic_empty", Strategic(0, 0, ""), false}),
    [](const testing::TestParamInfo<Validity>& info) { return std::string(info.param.name); });

// Blanks around a number are the box's, not the command's.
TEST(FreeEventEditor, NumbersAreTrimmedBeforeTheyAreStored) {
    FreeEventEditor editor;
    Variable(3, " 10 ")(editor);
    FreeEventPreview p = editor.Preview();
    EXPECT_EQ(p.command, "set-goal 3 10");
    EXPECT_EQ(p.caption, "変数(3)を10に設定する");
    EXPECT_EQ(Data(editor), "10)3)10");
    Timer(1, 0, "\t60")(editor);
    EXPECT_EQ(editor.Preview().command, "enable-timer 2 60");
    EXPECT_EQ(Data(editor), "12)1)0)60");
}

TEST(FreeEventEditor, NumberHintNamesTheAcceptedRange) {
    FreeEventEditor editor;
    Distance(3, "-1")(editor);
    EXPECT_EQ(editor.Preview().numberHint, "0～255の整数を入力してください");
    Attack(4, "1.5")(editor);
    EXPECT_EQ(editor.Preview().numberHint, "0～2147483647の整数を入力してください");
    Attack(4, "abc")(editor); // not a number at all: the plain refusal
    EXPECT_EQ(editor.Preview().numberHint, "");
}

TEST(FreeEventEditor, SwitchingToAMarketEntryKeepsTheTypedPercentageInTheData) {
    FreeEventEditor editor;
    FreeEventResource& resource = editor.Select<FreeEventResource>();
    resource.SetValue("150");
    EXPECT_FALSE(editor.Preview().IsValid());
    resource.SetEntry(4);
    EXPECT_TRUE(editor.Preview().IsValid());
    EXPECT_EQ(Data(editor), "5)4)150");
    EXPECT_FALSE(resource.ValueVisible());
}

TEST(FreeEventEditor, ForwardBoxFollowsBuildingAndEventKind) {
    FreeEventEditor editor;
    FreeEventBuilding& building = editor.Select<FreeEventBuilding>();
    EXPECT_FALSE(building.ForwardEnabled()); // 家 carries the second picture
    building.SetForward(true);
    EXPECT_FALSE(building.Forward());

    building.SetBuilding(kCastle);
    ASSERT_TRUE(building.ForwardEnabled());
    building.SetForward(true);
    building.SetAction(1);
    EXPECT_FALSE(building.ForwardVisible());
    EXPECT_EQ(editor.Preview().caption, "城を破壊する");
    EXPECT_EQ(editor.Preview().command, "delete-building castle");
    EXPECT_EQ(Data(editor), "2)16)1)1");
    building.SetAction(0);
    EXPECT_EQ(editor.Preview().command, "build-forward castle");

    building.SetBuilding(0);
    EXPECT_FALSE(building.Forward());
    building.SetBuilding(kCastle);
    EXPECT_FALSE(building.Forward()); // cleared, not just hidden
}

TEST(FreeEventEditor, RestoredNumbersAreRoundedDown) {
    FreeEventEditor editor;
    editor.Restore("10)3)2.5");
    EXPECT_EQ(editor.CurrentKind(), 10);
    EXPECT_EQ(editor.Get<FreeEventVariable>().Entry(), 3);
    EXPECT_EQ(editor.Get<FreeEventVariable>().Value(), "2");
    editor.Restore("12)9)1)-2.5");
    const FreeEventTimer& timer = editor.Get<FreeEventTimer>();
    EXPECT_EQ(timer.Timer(), 9);
    EXPECT_EQ(timer.Run(), 1);
    EXPECT_EQ(timer.Seconds(), "-3");
}

TEST(FreeEventEditor, RestoreKeepsAnIgnoredBoxTextThatIsNoNumber) {
    FreeEventEditor editor;
    editor.Restore("5)4)abc");
    EXPECT_EQ(editor.Get<FreeEventResource>().Entry(), 4);
    EXPECT_EQ(editor.Get<FreeEventResource>().Value(), "abc");
    EXPECT_TRUE(editor.Preview().IsValid());
}

TEST(FreeEventEditor, RestoreToleratesDamagedData) {
    FreeEventEditor editor;
    editor.Restore("");
    editor.Restore("99)1)2");
    editor.Restore("2");
    EXPECT_EQ(editor.CurrentKind(), 2);
    EXPECT_EQ(editor.Get<FreeEventBuilding>().Building(), 0);
    editor.Restore("4)500)-7)x");
    EXPECT_EQ(editor.Get<FreeEventUnit>().Category(), 0);
    EXPECT_EQ(editor.Get<FreeEventUnit>().Unit(), 0);
    editor.Restore("9)1)999)5");
    EXPECT_TRUE(editor.Preview().IsValid());
    EXPECT_EQ(Data(editor), "9)1)0)5");
}

TEST(FreeEventEditor, ReexploreRestoredFromTheTwoOptionFields) {
    FreeEventEditor editor;
    editor.Restore("8)1)0)1");
    EXPECT_FALSE(editor.Get<FreeEventExplore>().Reexplore());
    editor.Restore("8)1)1)0");
    EXPECT_TRUE(editor.Get<FreeEventExplore>().Reexplore());
}

TEST(FreeEventEditor, CategoryChangeRefillsItsListWithTheFirstEntry) {
    FreeEventEditor editor;
    FreeEventUnit& unit = editor.Select<FreeEventUnit>();
    const QStringList villagers = unit.Units();
    EXPECT_EQ(villagers, QStringList{"町の人"});
    unit.SetCategory(2);
    EXPECT_EQ(unit.Units(), (QStringList{"聖職者", "宣教師"}));
    unit.SetUnit(1);
    unit.SetCategory(3);
    EXPECT_EQ(unit.Unit(), 0);
    EXPECT_EQ(unit.Category(), 3);
    EXPECT_EQ(editor.Preview().command, "train militiaman-line");
}

TEST(FreeEventEditor, ResetRestoresTheDefaultsButKeepsNames) {
    Project project;
    project.settings.variables[1].description = "偵察済み";
    project.settings.timers[2].help = "攻撃待ち";
    FreeEventEditor editor;
    editor.ReloadNames(project);
    FreeEventVariable& variable = editor.Get<FreeEventVariable>();
    FreeEventTimer& timer = editor.Get<FreeEventTimer>();
    EXPECT_EQ(variable.Entries()[1], "1: 偵察済み");
    EXPECT_EQ(timer.Timers()[1], "2: 攻撃待ち");
    variable.SetEntry(1);
    EXPECT_EQ(variable.Label(), "偵察済み");

    editor.SelectKind(12);
    timer.SetSeconds("99");
    editor.SetMode(FreeEventEditor::Mode::Change);
    editor.Reset();
    EXPECT_EQ(editor.CurrentKind(), 1);
    EXPECT_EQ(timer.Seconds(), "10");
    EXPECT_EQ(variable.Entry(), 0);
    EXPECT_EQ(editor.ConfirmCaption(), "追加");
    EXPECT_EQ(timer.Timers()[1], "2: 攻撃待ち");
}

} // namespace
} // namespace rw

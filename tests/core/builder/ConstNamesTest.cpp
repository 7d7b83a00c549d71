#include "builder/ConstNames.h"
#include "storage/NewProject.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

struct NameCase {
    const char* name;
    ConstKind kind;
    int slot;
    const char* text;
    const char* problem; // empty: accepted
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class ConstNames : public testing::TestWithParam<NameCase> {};

TEST_P(ConstNames, AcceptOnlyWordsTheScriptReads) {
    const NameCase& c = GetParam();
    EXPECT_EQ(CheckConstName(InitialProject(), c.kind, c.slot, QString::fromUtf8(c.text)),
              QString::fromUtf8(c.problem));
}

const char kCharacters[] = "名前は英字で始め、英字・数字・「-」・「_」だけで付けてください";

INSTANTIATE_TEST_SUITE_P(
    Table, ConstNames,
    testing::Values(
        NameCase{"plain", ConstKind::Variable, 1, "enemy-count_2", ""},
        NameCase{"ownNameAgain", ConstKind::Variable, 3, "MEMORY_3", ""},
        NameCase{"timer", ConstKind::Timer, 10, "ATTACK-TIMER", ""},
        NameCase{"empty", ConstKind::Variable, 1, "",
                 "名前が空です。名前は英字で始め、英字・数字・「-」・「_」だけで付けてください"},
        NameCase{"blank", ConstKind::Variable, 1, "MY VAR", kCharacters},
        NameCase{"japanese", ConstKind::Variable, 1, "兵数", kCharacters},
        NameCase{"parenthesis", ConstKind::Timer, 1, "T(1)", kCharacters},
        NameCase{"digitFirst", ConstKind::Variable, 1, "1ST", kCharacters},
        NameCase{"dashFirst", ConstKind::Variable, 1, "-X", kCharacters},
        NameCase{"fullWidthLetter", ConstKind::Variable, 1, "Ａ", kCharacters},
        NameCase{"gameWord", ConstKind::Variable, 1, "food",
                 "「food」はゲームの語なので名前に使えません"},
        NameCase{"gameWordAnyCase", ConstKind::Timer, 1, "Castle",
                 "「Castle」はゲームの語なので名前に使えません"},
        NameCase{"symbol", ConstKind::Variable, 1, "sn-blot-size",
                 "「sn-blot-size」はゲームの語なので名前に使えません"},
        NameCase{"languageWord", ConstKind::Variable, 1, "defconst",
                 "「defconst」はゲームの語なので名前に使えません"},
        // Words of the game the program itself never writes.
        NameCase{"referenceWord", ConstKind::Timer, 2, "Resign",
                 "「Resign」はゲームの語なので名前に使えません"},
        NameCase{"otherVariable", ConstKind::Variable, 1, "MEMORY_40",
                 "名前「MEMORY_"
                 "40」は変数40と同じです。変数とタイマーの名前は重ならないようにしてください"},
        NameCase{"timerAsVariable", ConstKind::Variable, 5, "timer_2",
                 "名前「timer_"
                 "2」はタイマー2と同じです。変数とタイマーの名前は重ならないようにしてください"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rw

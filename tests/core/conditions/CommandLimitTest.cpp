#include "conditions/CommandLimit.h"
#include "ListNotation.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

// States as one string, in this order:
// add change | AND OR NAND NOR NOT XOR XNOR | cut copy paste delete undo | overwrite
std::string Flags(const ConditionCommandStates& s) {
    std::string out;
    const auto put = [&out](bool b) { out += b ? '1' : '0'; };
    put(s.add);
    put(s.change);
    out += ' ';
    for (bool b : s.operators)
        put(b);
    out += ' ';
    put(s.cut);
    put(s.copy);
    put(s.paste);
    put(s.remove);
    put(s.undo);
    out += ' ';
    put(s.overwrite);
    return out;
}

struct LimitCase {
    const char* name;
    QStringList list;
    int selected;
    QStringList clipboard;
    int eventRows;
    bool snapshot;
    const char* flags;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(CommandLimit, EnablesWhatFits) {
    const LimitCase& c = GetParam();
    ConditionClipboard clipboard;
    clipboard.Set(Entries(c.clipboard));
    const ConditionCommandStates states =
        CommandLimitRefresh(Entries(c.list), c.selected, clipboard, c.snapshot, c.eventRows);
    EXPECT_EQ(Flags(states), c.flags);
}

const QStringList kTwo = {"0 L", "0 A"};
const QStringList kNested = {"0 AND", "1 P", "1 A"}; // 3 entries
const QStringList kOrSubtree = {"0 OR", "1 A", "1 B"};

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLimit,
    testing::Values(
        // 14 commands
        LimitCase{"fourteenTopLevel", kTwo, 2, {"0 X"}, 12, false, "11 0000100 11110 1"},
        LimitCase{"fourteenBelowOperator", kNested, 2, {"0 X"}, 11, true, "11 1111111 00101 1"},
        LimitCase{
            "fourteenTopLevelPlaceholder", {"0 L", "0 P"}, 2, {}, 12, false, "11 0000100 00000 0"},
        // 15 commands
        LimitCase{
            "fifteenTwoEntryClipboard", kTwo, 2, {"0 NOT", "1 A"}, 13, false, "11 0000000 11010 0"},
        LimitCase{"fifteenOneEntryClipboard", kTwo, 2, {"0 X"}, 13, false, "11 0000000 11110 1"},
        LimitCase{"fifteenBelowOperator", kNested, 3, {}, 12, false, "11 0000100 11010 0"},
        // 16 commands
        LimitCase{"sixteen", kNested, 3, {"0 X"}, 13, true, "01 0000000 11011 1"},
        LimitCase{"pastTheLimit", kNested, 3, {}, 20, false, "01 0000000 11010 0"},
        // classification of the selected entry
        LimitCase{"lockedTopLevel", kTwo, 1, {"0 X"}, 0, false, "10 1111111 00100 0"},
        LimitCase{"operatorSelected", kNested, 1, {"0 X"}, 0, false, "10 1111111 11110 0"},
        LimitCase{"copiedOperatorNeverOverwrites", kNested, 3, kOrSubtree, 0, false,
                  "11 1111111 11110 0"},
        LimitCase{"noSelection", kTwo, 0, {"0 X"}, 0, true, "10 0000000 00101 0"},
        // entries the editor cannot show: copied, cut and deleted like a
        // fact, never changed
        LimitCase{"relatedTopLevel", {"0 L", "0 R"}, 2, {"0 X"}, 0, false, "10 1111111 11110 1"},
        LimitCase{
            "relatedBelowOperator", {"0 AND", "1 R", "1 A"}, 2, {}, 0, false, "10 1111111 11010 0"},
        LimitCase{"lockedBelowOperator",
                  {"0 AND", "1 L", "1 A"},
                  2,
                  {},
                  0,
                  false,
                  "10 1111111 11010 0"}));

TEST(CommandLimitRewrite, OffersOnlyKindsWithTheSameChildren) {
    const ConditionEntries entries = Entries({"0 AND", "1 A", "1 B", "0 NOT", "4 C"});
    ConditionClipboard clipboard;
    auto states = CommandLimitRefresh(entries, 1, clipboard, false, 0);
    EXPECT_EQ(states.rewrite, (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_TRUE(states.RewriteEnabled(9));
    EXPECT_FALSE(states.RewriteEnabled(8));
    states = CommandLimitRefresh(entries, 4, clipboard, false, 0);
    EXPECT_EQ(states.rewrite, (std::array<bool, 6>{}));
    states = CommandLimitRefresh(entries, 2, clipboard, false, 0);
    EXPECT_EQ(states.rewrite, (std::array<bool, 6>{}));
}

TEST(CommandLimitRewrite, AnotherRuleKeepsClipboardButNotUndo) {
    ConditionClipboard clipboard;
    ConditionList first = List({"0 OR", "1 A", "1 B"});
    first.Copy(clipboard);
    first.ToolbarDelete();
    EXPECT_TRUE(CommandLimitRefresh(first, clipboard, 0).undo);

    // Selecting another rule loads its list and empties the snapshot.
    first.LoadConditions("0;家が建設できるとき;CannotEdit,can-build house\r\n");
    first.ClearUndoSnapshot();
    auto states = CommandLimitRefresh(first, clipboard, 12);
    EXPECT_FALSE(states.undo);
    EXPECT_TRUE(states.paste); // 1 + 12 + 3 = 16
    states = CommandLimitRefresh(first, clipboard, 13);
    EXPECT_FALSE(states.paste);
}

} // namespace

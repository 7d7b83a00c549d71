#include "ListNotation.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

const QString kWood = QStringLiteral("0;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100\r\n");
const QString kP = QStringLiteral(";(上書きしてください);Overwrite,true\r\n");

// --- reading and writing --------------------------------------------------------

TEST(ConditionListRead, LinePartsAndStars) {
    ConditionList list;
    list.LoadConditions("0;OR;Sys_Or,or\r\n1;a;b,c\r\n0;NOT;Sys_Not,not\r\n3;x;y,z,w;v\r\n"
                        "0;木が*100*以上のとき*;1\\0\\100\\0,wood-amount >= 100");
    ASSERT_EQ(list.Size(), 5); // the last line has no CR LF and is read all the same
    EXPECT_EQ(list.At(4), (ConditionEntry{3, "x", "y", "z"}));
    EXPECT_EQ(list.At(5).cap, "木が100以上のとき");
    EXPECT_EQ(list.Selected(), 1);
}

TEST(ConditionListRead, EmptyFieldIsOneEmptyEntry) {
    ConditionList list;
    list.LoadConditions(QString());
    ASSERT_EQ(list.Size(), 1);
    EXPECT_EQ(list.At(1), ConditionEntry{});
    const QList<ConditionNode> tree = list.BuildConditionTree();
    ASSERT_EQ(tree.size(), 1);
    EXPECT_EQ(tree[0].icon, ConditionIcon::Normal);
    EXPECT_EQ(tree[0].caption, "");
}

TEST(ConditionListRead, ParentsThatDoNotPointBackAreTopLevel) {
    ConditionList list;
    list.LoadConditions(
        "0;AND;Sys_And,and\r\n2;self;1\\0\\1\\0,a\r\n9;past;1\\0\\1\\0,b\r\n"
        "5;forward;1\\0\\1\\0,c\r\n-1;negative;1\\0\\1\\0,d\r\n1;ok;1\\0\\1\\0,e\r\n");
    QList<int> pws;
    for (const ConditionEntry& e : list.Entries())
        pws << e.pw;
    EXPECT_EQ(pws, (QList<int>{0, 0, 0, 0, 0, 1}));
    // Such a list can be edited without running away.
    list.Select(1);
    list.Del();
    EXPECT_EQ(list.Size(), 4);
    list.TvUpdate();
    EXPECT_EQ(list.Size(), 4);
}

TEST(ConditionListRead, RoundTrip) {
    const QString field = "0;AND;Sys_And,and\r\n1" + kP + "1;A;1\\0\\1\\0,a\r\n";
    ConditionList list;
    list.LoadConditions(field);
    EXPECT_EQ(list.ConditionsField(), field);
    list.Select(3);
    list.Del();
    EXPECT_EQ(list.ConditionsField(), "0;AND;Sys_And,and\r\n1" + kP + "1" + kP);
}

TEST(ConditionListTree, IconsParentsAndChildren) {
    const ConditionList list = List({"0 L", "0 AND", "2 P", "2 NOT", "4 A", "0 P"});
    const QList<ConditionNode> tree = list.BuildConditionTree();
    ASSERT_EQ(tree.size(), 6);
    EXPECT_EQ(tree[0].icon, ConditionIcon::Locked);
    EXPECT_EQ(tree[1].icon, ConditionIcon::Normal);
    EXPECT_EQ(tree[1].children, (QList<int>{3, 4}));
    EXPECT_EQ(tree[2].icon, ConditionIcon::Placeholder);
    EXPECT_TRUE(tree[2].grey);
    EXPECT_FALSE(tree[1].grey);
    EXPECT_EQ(tree[4].parent, 4);
    EXPECT_EQ(tree[5].icon, ConditionIcon::Placeholder);
    EXPECT_EQ(list.SubtreeOf(2), (QList<int>{2, 3, 4, 5}));
    EXPECT_EQ(list.SubtreeOf(7), QList<int>{});
}

// --- operators ---------------------------------------------------------------------

TEST(ConditionListOperators, AndThenOrNestsAndRelinearises) {
    ConditionList list;
    list.LoadConditions(kWood);
    list.InsertOperator(4, false);
    EXPECT_EQ(list.ConditionsField(), kWood + "0;AND;Sys_And,and\r\n2" + kP + "2" + kP);
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_TRUE(list.HasUndoSnapshot());

    list.Select(3);
    list.InsertOperator(5, false);
    EXPECT_EQ(list.ConditionsField(),
              kWood + "0;AND;Sys_And,and\r\n2;OR;Sys_Or,or\r\n3" + kP + "3" + kP + "2" + kP);
    EXPECT_EQ(list.Selected(), 3);
    EXPECT_EQ(list.UndoSnapshot().size(), 4);
}

struct InsertCase {
    const char* name;
    QStringList before;
    int selected;
    int kind;
    QStringList after;
    int selectedAfter;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class OperatorInsertion : public testing::TestWithParam<InsertCase> {};

TEST_P(OperatorInsertion, PlacesOperatorAndPlaceholders) {
    const InsertCase& c = GetParam();
    ConditionList list = List(c.before, c.selected);
    list.InsertOperator(c.kind, list.SelectedEntry()->IsOperator());
    EXPECT_EQ(Describe(list), c.after);
    EXPECT_EQ(list.Selected(), c.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OperatorInsertion,
    testing::Values(
        InsertCase{"notHasOneChild", {"0 A"}, 1, 8, {"0 A", "0 NOT", "2 P"}, 2},
        InsertCase{"topLevelOperatorSelected",
                   {"0 AND", "1 P", "1 P"},
                   1,
                   5,
                   {"0 AND", "1 P", "1 P", "0 OR", "4 P", "4 P"},
                   4},
        InsertCase{"nestedOperatorSelected",
                   {"0 AND", "1 OR", "2 P", "2 P", "1 P"},
                   2,
                   4,
                   {"0 AND", "1 OR", "2 P", "2 P", "1 P", "0 AND", "6 P", "6 P"},
                   6},
        InsertCase{"lonePlaceholderBecomesOperator", {"0 P"}, 1, 4, {"0 AND", "1 P", "1 P"}, 1},
        InsertCase{"factBelowOperatorIsReplaced",
                   {"0 AND", "1 A", "1 B"},
                   2,
                   8,
                   {"0 AND", "1 NOT", "2 P", "1 B"},
                   2},
        InsertCase{"topLevelPlaceholderBesideOthers",
                   {"0 L", "0 P"},
                   2,
                   9,
                   {"0 L", "0 XOR", "2 P", "2 P"},
                   2}));

TEST(ConditionListOperators, NestedOperatorIsNeverOverwritten) {
    // Even when told that the selection is no operator, a nested operator
    // keeps its children and the new operator goes to the end.
    ConditionList list = List({"0 AND", "1 OR", "2 A", "2 B", "1 P"}, 2);
    list.InsertOperator(6, false);
    EXPECT_EQ(Describe(list),
              (QStringList{"0 AND", "1 OR", "2 A", "2 B", "1 P", "0 NAND", "6 P", "6 P"}));
}

TEST(ConditionListOperators, KindsOutsideOperatorsDoNothing) {
    ConditionList list = List({"0 A"});
    list.InsertOperator(1, false);
    list.InsertOperator(11, false);
    EXPECT_EQ(Describe(list), QStringList{"0 A"});
    EXPECT_FALSE(list.HasUndoSnapshot());
}

TEST(ConditionListOperators, RewriteKeepsChildrenAndFitsChildCount) {
    ConditionList list = List({"0 AND", "1 A", "1 B", "0 NOT", "4 C"}, 1);
    EXPECT_TRUE(list.CanRewriteOperator(10));
    EXPECT_FALSE(list.CanRewriteOperator(8));
    list.RewriteOperator(10);
    EXPECT_EQ(Describe(list), (QStringList{"0 XNOR", "1 A", "1 B", "0 NOT", "4 C"}));
    EXPECT_EQ(list.At(1).script, "xnor");
    list.UndoConditions();
    EXPECT_EQ(list.At(1).editdat, "Sys_And");

    list.Select(4);
    for (int kind : {4, 5, 6, 7, 9, 10})
        EXPECT_FALSE(list.CanRewriteOperator(kind)) << kind;
    list.Select(2);
    EXPECT_FALSE(list.CanRewriteOperator(5));
    list.RewriteOperator(5);
    EXPECT_EQ(list.At(2).cap, "A");
}

TEST(ConditionListOperators, TvUpdateRestoresPreOrder) {
    ConditionList list = List({"0 AND", "0 X", "1 OR", "3 A", "1 P", "3 B"}, 5);
    list.TvUpdate();
    EXPECT_EQ(Describe(list), (QStringList{"0 AND", "1 OR", "2 A", "2 B", "1 P", "0 X"}));
    EXPECT_EQ(list.Selected(), 5);
}

// --- deletion ------------------------------------------------------------------------

struct DelCase {
    const char* name;
    QStringList before;
    int selected;
    QStringList after;
    int selectedAfter;
    bool snapshot;
};

void PrintTo(const DelCase& c, std::ostream* os) {
    *os << c.name;
}

class Deletion : public testing::TestWithParam<DelCase> {};

TEST_P(Deletion, KeepsTreeAndSelects) {
    const DelCase& c = GetParam();
    ConditionList list = List(c.before, c.selected);
    list.Del();
    EXPECT_EQ(Describe(list), c.after);
    EXPECT_EQ(list.Selected(), c.selectedAfter);
    EXPECT_EQ(list.HasUndoSnapshot(), c.snapshot);
    if (c.snapshot) {
        EXPECT_EQ(Describe(list.UndoSnapshot()), c.before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Deletion,
    testing::Values(
        DelCase{"topLevelAndBesideOr",
                {"0 AND", "1 P", "1 P", "0 OR", "4 A", "4 B"},
                1,
                {"0 OR", "1 A", "1 B"},
                1,
                true},
        DelCase{"lastTopLevelSubtree", {"0 A", "0 OR", "2 B", "2 P"}, 2, {"0 A"}, 1, true},
        DelCase{"middleTopLevelEntry",
                {"0 A", "0 B", "0 NOT", "3 C"},
                2,
                {"0 A", "0 NOT", "2 C"},
                2,
                true},
        DelCase{"factBelowOperator", {"0 AND", "1 A", "1 B"}, 3, {"0 AND", "1 A", "1 P"}, 3, true},
        DelCase{"operatorBelowOperator",
                {"0 AND", "1 OR", "2 A", "2 B", "1 C"},
                2,
                {"0 AND", "1 P", "1 C"},
                2,
                true},
        DelCase{"onlyFact", {"0 A"}, 1, {"0 P"}, 1, true},
        DelCase{"onlyTopLevelOperator", {"0 AND", "1 A", "1 NOT", "3 P"}, 1, {"0 P"}, 1, true},
        DelCase{"topLevelLocked", {"0 L", "0 A"}, 1, {"0 L", "0 A"}, 1, false},
        DelCase{"placeholder", {"0 AND", "1 P", "1 A"}, 2, {"0 AND", "1 P", "1 A"}, 2, false}));

TEST(ConditionListDelete, ToolbarTakesSnapshotEvenWhenNothingChanges) {
    ConditionList list = List({"0 L", "0 A"}, 1);
    list.ToolbarDelete();
    EXPECT_EQ(list.Size(), 2);
    EXPECT_TRUE(list.HasUndoSnapshot());
}

TEST(ConditionListDelete, DeleteItemRemovesSubtreeWithoutSnapshot) {
    ConditionList list = List({"0 L", "0 AND", "2 A", "2 B", "0 C"}, 5);
    list.DeleteItem(-1);
    EXPECT_EQ(list.Size(), 5);
    list.DeleteItem(2);
    EXPECT_EQ(Describe(list), (QStringList{"0 L", "0 C"}));
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_FALSE(list.HasUndoSnapshot());
    list.DeleteItem(2);
    EXPECT_EQ(Describe(list), QStringList{"0 L"});
    EXPECT_EQ(list.Selected(), 1);
    list.DeleteItem(5); // past the list
    EXPECT_EQ(list.Size(), 1);
}

TEST(ConditionListDelete, DeleteItemNeverEmptiesTheList) {
    ConditionList list = List({"0 L"});
    list.DeleteItem(1);
    EXPECT_EQ(Describe(list), QStringList{"0 P"});
    list = List({"0 NOT", "1 A"});
    list.DeleteItem(1);
    EXPECT_EQ(Describe(list), QStringList{"0 P"});
}

// --- clipboard -------------------------------------------------------------------------

TEST(ConditionClipboardCommands, CopyOperatorAndPasteIntoAnotherRule) {
    ConditionClipboard clipboard;
    const ConditionList source = List({"0 X", "0 AND", "2 OR", "3 A", "3 B", "2 P"}, 3);
    source.Copy(clipboard);
    EXPECT_EQ(Describe(clipboard.Entries()), (QStringList{"0 OR", "1 A", "1 B"}));

    ConditionList other = List({"0 L", "0 C"}, 1);
    other.Paste(clipboard);
    EXPECT_EQ(Describe(other), (QStringList{"0 L", "0 C", "0 OR", "3 A", "3 B"}));
    EXPECT_EQ(other.Selected(), 5);
}

TEST(ConditionClipboardCommands, CopyOfLockedTopLevelDoesNothing) {
    ConditionClipboard clipboard;
    clipboard.SetSingle(E(0, "A"));
    List({"0 L", "0 B"}, 1).Copy(clipboard);
    EXPECT_EQ(Describe(clipboard.Entries()), QStringList{"0 A"});
}

TEST(ConditionClipboardCommands, CutUndoUndo) {
    ConditionClipboard clipboard;
    ConditionList list = List({"0 A", "0 OR", "2 B", "2 C"}, 2);
    list.ToolbarCut(clipboard);
    EXPECT_EQ(Describe(list), QStringList{"0 A"});
    EXPECT_TRUE(list.UndoConditions().IsEmpty());
    EXPECT_EQ(Describe(list), (QStringList{"0 A", "0 OR", "2 B", "2 C"}));
    EXPECT_EQ(list.Selected(), 1);
    list.UndoConditions();
    EXPECT_EQ(Describe(list), QStringList{"0 A"});
    EXPECT_EQ(Describe(clipboard.Entries()), (QStringList{"0 OR", "1 B", "1 C"}));
}

TEST(ConditionClipboardCommands, CutOfPlaceholderOnlyCopies) {
    ConditionClipboard clipboard;
    ConditionList list = List({"0 AND", "1 P", "1 A"}, 2);
    list.Cut(clipboard);
    EXPECT_EQ(list.Size(), 3);
    EXPECT_EQ(Describe(clipboard.Entries()), QStringList{"0 P"});
}

TEST(ConditionClipboardCommands, UndoWithoutSnapshot) {
    ConditionList list = List({"0 A", "0 B"}, 2);
    const Notice notice = list.UndoConditions();
    EXPECT_EQ(notice.text, "アンドゥはできません");
    EXPECT_EQ(list.Size(), 2);
    EXPECT_EQ(list.Selected(), 1);
}

TEST(ConditionClipboardCommands, OneEntryClipboardOnPlaceholders) {
    ConditionClipboard clipboard;
    clipboard.SetSingle(E(0, "X"));

    ConditionList menu = List({"0 AND", "1 P", "1 A"}, 2);
    menu.MenuPaste(clipboard);
    EXPECT_EQ(Describe(menu), (QStringList{"0 AND", "1 X", "1 A"}));
    EXPECT_EQ(menu.Selected(), 2);
    EXPECT_FALSE(menu.HasUndoSnapshot());

    ConditionList toolbar = List({"0 AND", "1 P", "1 A"}, 2);
    toolbar.ToolbarPaste(clipboard);
    EXPECT_EQ(Describe(toolbar), (QStringList{"0 AND", "1 P", "1 A", "0 X"}));
    EXPECT_EQ(toolbar.Selected(), 4);
    EXPECT_TRUE(toolbar.HasUndoSnapshot());

    for (int way = 0; way < 2; ++way) {
        ConditionList lone = List({"0 P"});
        way == 0 ? lone.MenuPaste(clipboard) : lone.ToolbarPaste(clipboard);
        EXPECT_EQ(Describe(lone), QStringList{"0 X"}) << way;
    }

    // On a top-level entry the menu appends as well.
    ConditionList top = List({"0 A", "0 P"}, 2);
    top.MenuPaste(clipboard);
    EXPECT_EQ(Describe(top), (QStringList{"0 A", "0 P", "0 X"}));
}

TEST(ConditionClipboardCommands, SubtreePastedOnLonePlaceholderReplacesIt) {
    ConditionClipboard clipboard;
    List({"0 OR", "1 A", "1 B"}).Copy(clipboard);
    for (int way = 0; way < 3; ++way) {
        ConditionList lone = List({"0 P"});
        if (way == 0)
            lone.Paste(clipboard);
        else if (way == 1)
            lone.PasteIns(clipboard);
        else
            lone.MenuPaste(clipboard);
        EXPECT_EQ(Describe(lone), (QStringList{"0 OR", "1 A", "1 B"})) << way;
        EXPECT_EQ(lone.Selected(), 3);
    }
}

TEST(ConditionClipboardCommands, PasteInsRefusals) {
    ConditionClipboard empty;
    ConditionClipboard one;
    one.SetSingle(E(0, "X"));
    ConditionClipboard many;
    List({"0 NOT", "1 A"}).Copy(many);

    ConditionList list = List({"0 L", "0 AND", "2 A", "2 P"}, 2);
    list.PasteIns(one); // an operator is never overwritten
    list.PasteIns(empty);
    list.Select(1);
    list.PasteIns(one); // nor a top-level locked entry
    EXPECT_EQ(Describe(list), (QStringList{"0 L", "0 AND", "2 A", "2 P"}));
    list.Select(3);
    list.PasteIns(one);
    EXPECT_EQ(Describe(list), (QStringList{"0 L", "0 AND", "2 X", "2 P"}));
    list.PasteIns(many); // several entries: appended
    EXPECT_EQ(Describe(list), (QStringList{"0 L", "0 AND", "2 X", "2 P", "0 NOT", "5 A"}));
    EXPECT_FALSE(list.HasUndoSnapshot());
}

TEST(ConditionClipboardCommands, RelatedConditionIsAnOrdinaryEntry) {
    ConditionClipboard clipboard;
    clipboard.SetSingle(RelatedConditionEntry("城が建設できるとき", "can-build castle"));
    ConditionList list = List({"0 L"});
    list.Paste(clipboard);
    ASSERT_EQ(list.Size(), 2);
    EXPECT_EQ(list.At(2).script, "can-build castle");
    EXPECT_EQ(list.BuildConditionTree()[1].icon, ConditionIcon::Normal);
    list.Select(2);
    list.Del();
    EXPECT_EQ(Describe(list), QStringList{"0 L"});
}

TEST(ConditionClipboardCommands, ClipboardNeverPointsForward) {
    ConditionClipboard clipboard;
    clipboard.Set({E(3, "OR"), E(5, "A"), E(1, "B")});
    EXPECT_EQ(Describe(clipboard.Entries()), (QStringList{"0 OR", "1 A", "1 B"}));
}

} // namespace

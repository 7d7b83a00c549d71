#include "conditions/ConditionEditor.h"
#include "ListNotation.h"
#include "conditions/CommandLimit.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace rw;
using namespace rw::test;

namespace {

ConditionEntry Composed(int kind, const QStringList& fields, bool include = false) {
    const ConditionTriple t = Compose(kind, fields, include);
    return ConditionEntry{0, t.cap, t.editdat, t.script};
}

class ConditionEditorTest : public testing::Test {
protected:
    Project project;
    ConditionEditor editor;
};

TEST_F(ConditionEditorTest, RefillsStrategicNumberInFieldOrder) {
    ConditionList list;
    list.SetEntries({Composed(10, {"3", "5", "7", "1"})});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Tab(), 10);
    EXPECT_EQ(editor.Picker(10, 0), 3);
    EXPECT_EQ(editor.Picker(10, 1), 5);
    EXPECT_EQ(editor.Field(10, 2), "7");
    EXPECT_EQ(editor.Picker(10, 3), 1);
    EXPECT_EQ(editor.Composed().editdat, "10\\3\\5\\7\\1");
    EXPECT_EQ(editor.Mode(), ConditionEditorMode::Changing);
    EXPECT_EQ(editor.Title(), "条件の変更");
    EXPECT_EQ(editor.ConfirmText(), "変更");
}

TEST_F(ConditionEditorTest, UnitOfAnotherPlayerRefillsTheSameUnit) {
    // The panel was left on the own player with a later unit chosen, so the
    // stored unit position only means the stored unit once the player and
    // the category are back.
    ConditionList other;
    other.SetEntries({Composed(3, {"0", "3", "4", "1", "0"})});
    ASSERT_TRUE(editor.IfEditCommand(other, project));
    editor.Cancel(other);

    const ConditionEntry stored = Composed(3, {"6", "0", "1", "1", "0"});
    ASSERT_EQ(stored.cap, "いずれか敵の羊を狩る人[男]が1以上");
    ConditionList list;
    list.SetEntries({stored});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Picker(3, 0), 6);
    EXPECT_FALSE(editor.PickerRows(3, 2).contains("町の人グループ"));
    EXPECT_EQ(editor.Picker(3, 2), 1);
    EXPECT_EQ(editor.Composed().script, stored.script);
    EXPECT_EQ(editor.Composed().cap, stored.cap);
    EXPECT_FALSE(editor.IncludeEnabled(3));
}

TEST_F(ConditionEditorTest, PlayerChangeKeepsTheChosenUnit) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(3);
    editor.SetPicker(3, 2, 3); // own player: row 3 is the third unit
    const QString unit = editor.PickerRows(3, 2)[3];
    editor.SetPicker(3, 0, 6);
    EXPECT_EQ(editor.PickerRows(3, 2)[editor.Picker(3, 2)], unit);
    editor.SetPicker(3, 0, 2); // another player of the same sort: no shift
    EXPECT_EQ(editor.PickerRows(3, 2)[editor.Picker(3, 2)], unit);
    editor.SetPicker(3, 0, 0);
    EXPECT_EQ(editor.Picker(3, 2), 3);
    // The category row itself cannot stay chosen: the first unit takes over.
    editor.SetPicker(3, 2, 0);
    editor.SetPicker(3, 0, 6);
    EXPECT_EQ(editor.Picker(3, 2), 0);
    EXPECT_EQ(editor.Composed().script, "players-unit-type-count any-enemy villager >= 1");
    // A new category starts at its first row.
    editor.SetPicker(3, 2, 5);
    editor.SetPicker(3, 1, 4);
    EXPECT_EQ(editor.Picker(3, 2), 0);
}

TEST_F(ConditionEditorTest, IncludeBoxFollowsTheStoredFact) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(3);
    editor.SetInclude(3, true);
    editor.Cancel(list);

    list.SetEntries({Composed(3, {"0", "0", "1", "1", "0"}, false)});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_FALSE(editor.Include(3));
    EXPECT_EQ(editor.Composed().script, "unit-type-count villager >= 1");
    editor.Cancel(list);

    list.SetEntries({Composed(2, {"0", "5", "2", "0"}, true)});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_TRUE(editor.Include(2));
    EXPECT_EQ(editor.Composed().script, "building-type-count-total market >= 2");
}

TEST_F(ConditionEditorTest, ToolbarAddReplacesLonePlaceholderMenuAppends) {
    ConditionList list = List({"0 P"});
    ASSERT_TRUE(editor.AddCodes(1, list, project));
    EXPECT_EQ(editor.Tab(), 1);
    EXPECT_EQ(editor.Composed().cap, "木が100以上のとき");
    EXPECT_TRUE(editor.Confirm(list).IsEmpty());
    ASSERT_EQ(list.Size(), 1);
    EXPECT_EQ(list.At(1).script, "wood-amount >= 100");
    EXPECT_TRUE(list.HasUndoSnapshot());
    EXPECT_FALSE(editor.IsCreated());

    list = List({"0 P"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    EXPECT_EQ(editor.Title(), "条件の追加");
    EXPECT_EQ(editor.ConfirmText(), "追加");
    editor.Confirm(list);
    EXPECT_EQ(Describe(list), (QStringList{"0 P", "0 木が100以上のとき"}));
    EXPECT_EQ(list.Selected(), 1); // the menu leaves the selection alone

    list = List({"0 A", "0 B"}, 1);
    ASSERT_TRUE(editor.AddCodes(1, list, project));
    editor.Confirm(list);
    EXPECT_EQ(list.Size(), 3);
    EXPECT_EQ(list.Selected(), 3); // the toolbar selects the new entry
}

TEST_F(ConditionEditorTest, ChangingPlaceholderKeepsPwAndPosition) {
    ConditionList list = List({"0 L", "0 AND", "2 A", "2 P"}, 4);
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Tab(), 1); // a placeholder opens on the current tab
    editor.SelectTab(5);
    editor.Confirm(list);
    EXPECT_EQ(Describe(list), (QStringList{"0 L", "0 AND", "2 A", "2 総人口が40以上のとき"}));
    EXPECT_EQ(list.Selected(), 4);
}

TEST_F(ConditionEditorTest, InvalidNumberIsRefused) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SetNumber(1, 1, "abc");
    EXPECT_EQ(editor.Composed().cap, "データの数は、数字を入力してください");
    const Notice notice = editor.Confirm(list);
    EXPECT_EQ(notice.text, "入力が正しくありません");
    EXPECT_TRUE(editor.IsShown());
    EXPECT_EQ(list.Size(), 1);
    EXPECT_FALSE(list.HasUndoSnapshot());
    editor.SelectTab(4); // a kind without a number box composes again
    EXPECT_TRUE(editor.Confirm(list).IsEmpty());
    EXPECT_EQ(list.Size(), 2);
}

TEST_F(ConditionEditorTest, NegativeCountIsRefusedSayingSo) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(3);
    editor.SetNumber(3, 3, "-1");
    const Notice notice = editor.Confirm(list);
    EXPECT_EQ(notice.text,
              "入力が正しくありません\r\nデータの数は、0～2147483647の整数を入力してください");
    EXPECT_TRUE(editor.IsShown());
    editor.SetNumber(3, 3, " 2 ");
    EXPECT_TRUE(editor.Confirm(list).IsEmpty());
    EXPECT_EQ(list.Size(), 2);
    EXPECT_EQ(list.At(2).editdat, "3\\0\\0\\0\\2\\0");
}

TEST_F(ConditionEditorTest, CancelKeepsValuesConfirmStartsAfresh) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(10);
    editor.SetPicker(10, 0, 2);
    editor.SetNumber(10, 2, "12");
    editor.SetPicker(1, 0, 3);
    editor.Cancel(list);
    EXPECT_EQ(list.Size(), 1);

    // Adding again resets most fields but keeps the strategic number and tab.
    ASSERT_TRUE(editor.MenuAdd(list, project));
    EXPECT_EQ(editor.Tab(), 10);
    EXPECT_EQ(editor.Picker(10, 0), 2);
    EXPECT_EQ(editor.Field(10, 2), "12");
    EXPECT_EQ(editor.Picker(1, 0), 0);
    editor.Confirm(list);

    ASSERT_TRUE(editor.MenuAdd(list, project));
    EXPECT_EQ(editor.Tab(), 1);
    EXPECT_EQ(editor.Picker(10, 0), 0);
    EXPECT_EQ(editor.Field(10, 2), "0");
    EXPECT_EQ(editor.Field(11, 1), "5");
    EXPECT_EQ(editor.Picker(7, 2), 5);
}

TEST_F(ConditionEditorTest, EntriesThatAreNotOpened) {
    ConditionList list = List({"0 L", "0 AND", "2 A", "2 P", "0 X"}, 1);
    list.SetEntry(5, ConditionEntry{0, "x", "Related", "can-build castle"});
    for (int position : {1, 2, 5}) {
        list.Select(position);
        EXPECT_FALSE(editor.IfEditCommand(list, project)) << position;
        EXPECT_FALSE(editor.IsShown());
    }
    // Unknown kinds and kinds out of range alike.
    list.SetEntry(5, ConditionEntry{0, "x", "12\\0", "y"});
    EXPECT_FALSE(editor.IfEditCommand(list, project));
    list.SetEntry(5, ConditionEntry{0, "x", "", ""});
    EXPECT_FALSE(editor.IfEditCommand(list, project));
}

TEST_F(ConditionEditorTest, ChangeIsOfferedExactlyWhereTheEditorOpens) {
    ConditionList list = List({"0 L", "0 AND", "2 A", "2 P", "0 R", "0 OR", "6 R", "6 L", "0 B"});
    list.SetEntry(9, ConditionEntry{0, "x", "12\\0", "y"});
    ConditionClipboard clipboard;
    for (int position = 1; position <= list.Size(); ++position) {
        list.Select(position);
        const bool offered = CommandLimitRefresh(list, clipboard, 1).change;
        const bool opened = editor.IfEditCommand(list, project);
        EXPECT_EQ(offered, opened) << position;
        if (opened)
            editor.Cancel(list);
    }
}

TEST_F(ConditionEditorTest, StoredPositionsOutOfRangeChooseFirstRow) {
    ConditionList list;
    list.SetEntries({ConditionEntry{0, "x", "1\\9\\abc\\2.7", "y"}});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Picker(1, 0), 0);
    EXPECT_EQ(editor.Picker(1, 2), 2); // rounded down
    EXPECT_TRUE(editor.Composed().IsError());
}

TEST_F(ConditionEditorTest, OneShowingAtATime) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.AddCodes(1, list, project));
    EXPECT_FALSE(editor.AddCodes(1, list, project));
    EXPECT_FALSE(editor.MenuAdd(list, project));
    EXPECT_FALSE(editor.IfEditCommand(list, project));
    editor.Cancel(list);
    EXPECT_TRUE(editor.AddCodes(2, list, project));
}

TEST_F(ConditionEditorTest, ToolbarChangeStartsFromTabOne) {
    ConditionList list = List({"0 AND", "1 P", "1 A"}, 2);
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(6);
    editor.Cancel(list);
    ASSERT_TRUE(editor.AddCodes(2, list, project));
    EXPECT_EQ(editor.Tab(), 1);
    editor.Cancel(list);
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Tab(), 1);
    editor.SelectTab(6);
    editor.Cancel(list);
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Tab(), 6);
}

TEST_F(ConditionEditorTest, NamesAndNotes) {
    project.settings.timers[2].help = "偵察";
    project.settings.variables[0].description = "未使用";
    project.settings.variables[7].description = "兵数";
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(8);
    editor.SetPicker(8, 0, 1);
    EXPECT_EQ(editor.PickerRows(8, 0)[1], "2: 偵察");
    EXPECT_EQ(editor.TimerHelp(), "偵察");
    EXPECT_EQ(editor.VariableDescription(), "未使用");
    project.settings.variables[7].description = "守備兵数";
    editor.ReloadNames(project);
    editor.SetPicker(9, 0, 7);
    EXPECT_EQ(editor.PickerRows(9, 0)[7], "7: 守備兵数");
    EXPECT_EQ(editor.VariableDescription(), "守備兵数");
    EXPECT_FALSE(editor.ComparisonEnabled(9));
    editor.SetPicker(9, 0, 0);
    EXPECT_TRUE(editor.ComparisonEnabled(9));
}

TEST_F(ConditionEditorTest, StrategicNumberBoxResetsOnLeaving) {
    ConditionList list = List({"0 A"});
    ASSERT_TRUE(editor.MenuAdd(list, project));
    editor.SelectTab(10);
    editor.SetNumber(10, 2, " -3 ");
    editor.LeaveNumberBox(10);
    EXPECT_EQ(editor.Field(10, 2), "-3");
    editor.SetNumber(10, 2, "1.5");
    editor.LeaveNumberBox(10);
    EXPECT_EQ(editor.Field(10, 2), "0");
    editor.SetNumber(10, 2, "1e3");
    EXPECT_TRUE(editor.Composed().IsError());
    editor.LeaveNumberBox(10);
    EXPECT_EQ(editor.Field(10, 2), "0");
    EXPECT_FALSE(editor.Composed().IsError());
}

TEST_F(ConditionEditorTest, ChangeCancelReselects) {
    ConditionList list = List({"0 A", "0 B"}, 2);
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    list.Select(1);
    editor.Cancel(list);
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_FALSE(list.HasUndoSnapshot());
}

} // namespace

#include "Printers.h"
#include "storage/ProjectFile.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QStringList Layout(const Workspace& ws, int category) {
    QStringList rows;
    for (const RuleEntry& e : ws.CurrentProject().CategoryAt(category).entries)
        rows << e.title + "|" + e.marker;
    return rows;
}

class WorkspaceRules : public testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    Workspace ws;
};

TEST_F(WorkspaceRules, StartsWithTheRootGroupOfTheFirstCategory) {
    EXPECT_EQ(ws.CurrentCategory(), 1);
    EXPECT_EQ(ws.Selected(), 1);
    EXPECT_EQ(ws.Tree().Size(), 1);
    EXPECT_EQ(ws.TitleBoxText(), "建物グループ");
    EXPECT_EQ(ws.RuleCountText(), "ルール数: 0/1000");
    EXPECT_EQ(ws.CommandCountText(), "");
    EXPECT_EQ(ws.Caption(), "Rulewright[*]");
    EXPECT_FALSE(ws.IsModified());
    EXPECT_FALSE(ws.RuleCommands().deleteEnabled);
    EXPECT_EQ(ws.Delete().text, "このグループを削除することはできません");
}

TEST_F(WorkspaceRules, AddedRuleIsSelectedWithItsDefaults) {
    ws.AddRule();
    EXPECT_TRUE(ws.IsModified());
    ASSERT_EQ(ws.Selected(), 2);
    EXPECT_EQ(ws.SelectedKind(), NodeKind::Rule);
    EXPECT_EQ(ws.TitleBoxText(), "家");
    EXPECT_EQ(ws.SelectedEntry()->marker, kMarkerRoot);
    EXPECT_EQ(ws.Conditions().Size(), 1);
    EXPECT_EQ(ws.CommandCountText(), "[家]命令数: 2/16");
    EXPECT_EQ(ws.RuleCountText(), "ルール数: 1/1000");
    EXPECT_TRUE(ws.RuleCommands().conditionMenuEnabled);
}

TEST_F(WorkspaceRules, MovedRulesKeepTheirOrderAfterSaveAndOpen) {
    ws.AddGroup();
    ASSERT_EQ(ws.Selected(), 2);
    EXPECT_EQ(ws.SelectedKind(), NodeKind::Group);
    EXPECT_EQ(ws.CommandCountText(), "");
    ws.AddRule();
    ws.Rename("first");
    ws.AddRule(); // with a rule of the group selected: appended to the group
    ws.Rename("second");
    ws.Select(3);
    EXPECT_TRUE(ws.RuleCommands().moveDownEnabled);
    EXPECT_FALSE(ws.RuleCommands().moveUpEnabled);
    ws.MoveDown();
    EXPECT_EQ(ws.Selected(), 4);
    EXPECT_EQ(ws.TitleBoxText(), "first");
    ws.MoveDown(); // the last of its group stays
    EXPECT_EQ(ws.Selected(), 4);
    const QStringList expected{"新しいグループ|\\f", "second|\\c", "first|\\c"};
    EXPECT_EQ(Layout(ws, 1), expected);

    const QString path = PathOf("order.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    EXPECT_FALSE(ws.IsModified());
    Workspace other;
    ASSERT_TRUE(other.Open(path).IsEmpty());
    EXPECT_EQ(Layout(other, 1), expected);
    EXPECT_EQ(other.Caption(), "order.rwp[*] – Rulewright");
    EXPECT_FALSE(other.IsModified());
}

TEST_F(WorkspaceRules, InsertedRuleStaysInItsGroupAfterReopening) {
    ws.AddGroup();
    ws.AddRule();
    ws.Rename("a");
    ws.InsertRule(); // in front of "a", unmarked
    EXPECT_EQ(ws.Selected(), 3);
    EXPECT_EQ(ws.SelectedEntry()->marker, "");
    ws.Select(1);
    ws.AddRule(); // root rule goes in front of the group start
    EXPECT_EQ(ws.Selected(), 2);
    const QString path = PathOf("insert.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    Workspace other;
    ASSERT_TRUE(other.Open(path).IsEmpty());
    EXPECT_EQ(Layout(other, 1), (QStringList{"家|\\m", "新しいグループ|\\f", "家|", "a|\\c"}));
    EXPECT_EQ(other.Tree().At(4).parent, 3);
}

TEST_F(WorkspaceRules, SwitchingCategoryEmptiesTheRuleClipboard) {
    ws.AddRule();
    EXPECT_TRUE(ws.CopyRule().IsEmpty());
    EXPECT_TRUE(ws.RuleCommands().pasteEnabled);
    ws.SwitchCategory(2);
    EXPECT_EQ(ws.TitleBoxText(), "研究グループ");
    ws.SwitchCategory(1);
    EXPECT_EQ(ws.Selected(), 2); // remembered
    EXPECT_FALSE(ws.RuleCommands().pasteEnabled);
    ws.PasteRule();
    EXPECT_EQ(ws.Tree().Size(), 2);
}

TEST_F(WorkspaceRules, PasteTwiceAtTheEndOfTheGroup) {
    ws.AddGroup();
    ws.AddRule();
    ws.Rename("x");
    ws.AddRule();
    ws.Select(3);
    ws.CopyRule();
    ws.PasteRule();
    ws.PasteRule();
    EXPECT_EQ(Layout(ws, 1).mid(1), (QStringList{"x|\\c", "家|\\c", "x|\\c", "x|\\c"}));
    EXPECT_EQ(ws.Selected(), 6);
    ws.Select(2);
    EXPECT_EQ(ws.CopyRule().text, "コピーできません");
    EXPECT_FALSE(ws.RuleCommands().pasteEnabled);
    ws.Select(4);
    ws.CopyRule();
    ws.Select(1); // the root group empties the clipboard without a word
    EXPECT_TRUE(ws.CopyRule().IsEmpty());
    EXPECT_FALSE(ws.RuleCommands().pasteEnabled);
}

TEST_F(WorkspaceRules, CutRemovesTheRuleAndKeepsItForPasting) {
    ws.AddRule();
    ws.Rename("moved");
    ws.AddRule();
    ws.Select(2);
    ws.CutRule();
    EXPECT_EQ(Layout(ws, 1), (QStringList{"家|\\m"}));
    ws.PasteRule();
    EXPECT_EQ(Layout(ws, 1), (QStringList{"家|\\m", "moved|\\m"}));
    ws.AddGroup();
    ws.CutRule(); // a group cannot be cut
    EXPECT_EQ(ws.Tree().Size(), 4);
}

TEST_F(WorkspaceRules, DeleteSelectsTheNodeAboveOrTheNewLast) {
    ws.AddRule();
    ws.AddGroup();
    ws.AddRule();
    ws.AddRule();
    ws.Select(3);
    ws.Delete();
    EXPECT_EQ(ws.Selected(), 2);
    EXPECT_EQ(ws.Tree().Size(), 2);
    ws.AddRule();
    ws.Select(3);
    ws.Delete(); // last rule: the new last node
    EXPECT_EQ(ws.Selected(), 2);
}

TEST_F(WorkspaceRules, ClearingTheTitleBox) {
    ws.AddRule();
    ws.Rename("");
    EXPECT_EQ(ws.SelectedEntry()->title, " ");
    EXPECT_EQ(ws.Tree().At(2).caption, " ");
    EXPECT_EQ(ws.TitleBoxText(), "");
    ws.Select(1);
    ws.Rename("");
    EXPECT_EQ(ws.CurrentProject().RootCaption(1), "");
    EXPECT_EQ(ws.Tree().At(1).caption, "");
}

TEST_F(WorkspaceRules, GroupChoicesAreStoredPerGroup) {
    ws.AddGroup();
    const RuleEntry& group = ws.CurrentProject().CategoryAt(1).entries[0];
    EXPECT_EQ(group.groupConditionScript, "");
    EXPECT_EQ(group.groupConditionData, DefaultGroupConditionData());
    ws.SetChoice(GroupSection::MapSize, 0, 1);
    EXPECT_EQ(ws.CurrentProject().CategoryAt(1).entries[0].groupConditionScript,
              "#load-if-defined TINY-MAP\r\n");
    ws.AddGroup();
    EXPECT_FALSE(ws.Choices().IsTicked(GroupSection::MapSize, 0));
    ws.Select(2);
    EXPECT_TRUE(ws.Choices().IsTicked(GroupSection::MapSize, 0));

    ws.Select(1);
    ws.SetChoice(GroupSection::Victory, 0, 1);
    EXPECT_EQ(ws.CurrentProject().settings.rootConditions[0].conditionData.section('\\', 5),
              "1,0,0,0,0");
    EXPECT_EQ(ws.CurrentProject().settings.rootConditions[1].conditionData,
              DefaultGroupConditionData());
    EXPECT_EQ(ws.CurrentProject().settings.rootConditions[1].conditionScript, "");
}

TEST_F(WorkspaceRules, InvertOnTheMapList) {
    ws.SetChoice(GroupSection::MapType, 0, 1);
    ws.SetChoice(GroupSection::MapType, 5, 1);
    ws.RememberPopupSection("Idmap");
    ws.RunGroupPopup(GroupPopupCommand::Invert);
    const QStringList values =
        ws.CurrentProject().settings.rootConditions[0].conditionData.section('\\', 1, 1).split(',');
    EXPECT_EQ(values.count("1"), 22);
    EXPECT_EQ(values[0], "0");
    EXPECT_EQ(values[5], "0");
    // 22 of 24 ticked: the two others are excluded
    EXPECT_EQ(ws.CurrentProject().settings.rootConditions[0].conditionScript.count(
                  "#load-if-not-defined"),
              2);
}

TEST_F(WorkspaceRules, GroupDataOfUnshownGroupsSurvivesSaveAndOpen) {
    ws.AddGroup();
    ws.SetChoice(GroupSection::Difficulty, 4, 1);
    ws.AddGroup();
    ws.SetChoice(GroupSection::Civilisation, 8, 1);
    const QString path = PathOf("groups.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    Workspace other;
    ASSERT_TRUE(other.Open(path).IsEmpty());
    EXPECT_EQ(other.CurrentProject().CategoryAt(1).entries,
              ws.CurrentProject().CategoryAt(1).entries);
    other.Select(2);
    EXPECT_TRUE(other.Choices().IsTicked(GroupSection::Difficulty, 4));
    EXPECT_FALSE(other.IsModified()); // showing a group is no change
}

} // namespace

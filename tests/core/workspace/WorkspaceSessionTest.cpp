#include "Printers.h"
#include "events/PanelPickers.h"
#include "model/Cp932.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

int BuildingIndex(const QString& caption) {
    const auto& items = PanelPickers::Buildings();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].text == caption)
            return i;
    return -1;
}

QString Fact(const QString& caption, const QString& editdat, const QString& script) {
    return caption + ";" + editdat + "," + script;
}

QStringList ConditionRows(const Workspace& ws) {
    QStringList rows;
    for (const ConditionEntry& e : ws.Conditions().Entries())
        rows << QString::number(e.pw) + ";" + Fact(e.cap, e.editdat, e.script);
    return rows;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The two-rule project of the builder's worked example, made the way a user
// makes it, saved, reopened and built.
TEST(WorkspaceSession, WorkedExampleBuildsByteForByte) {
    QTemporaryDir dir;
    Workspace ws;
    ws.AddRule(); // 家 in the root group of 建物
    ws.SwitchCategory(5);
    ws.AddGroup();
    ws.SetChoice(GroupSection::MapSize, 0, 1); // 極小
    ws.AddRule();
    EXPECT_EQ(ws.TitleBoxText(), "陸軍％攻撃");
    ws.SelectCondition(1); // the lone placeholder becomes the AND
    ws.InsertOperator(4);
    EXPECT_EQ(ConditionRows(ws),
              (QStringList{"0;AND;Sys_And,and", "1;(上書きしてください);Overwrite,true",
                           "1;(上書きしてください);Overwrite,true"}));

    const QString path = dir.filePath("example.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    Workspace reopened;
    ASSERT_TRUE(reopened.Open(path).IsEmpty());
    Notice notice;
    const QByteArray bytes = reopened.BuildScriptBytes(&notice);
    EXPECT_TRUE(notice.IsEmpty()) << notice.text.toStdString();
    EXPECT_EQ(bytes, ReadFile(QStringLiteral(RW_TEST_DATA_DIR) + "/example.per"));
}

TEST(WorkspaceSession, BuildingPanelRewritesTheRule) {
    Workspace ws;
    ws.AddRule();
    ASSERT_GE(BuildingIndex("城"), 0);
    ws.ChangePanel(PanelControl::BuildingPicker, QString::number(BuildingIndex("城")));
    ws.ChangePanel(PanelControl::BuildForward, "1");
    const RuleEntry& rule = *ws.SelectedEntry();
    EXPECT_EQ(rule.title, "城"); // auto-rename
    EXPECT_EQ(ws.Tree().At(2).caption, "城");
    EXPECT_EQ(rule.actions, "(build-forward castle)        ;敵陣に城を建設");
    EXPECT_EQ(ConditionRows(ws).value(0), "0;城が建設できるとき;CannotEdit,can-build castle");
    EXPECT_EQ(ws.Panel().eventRows.value(0).command, "(build-forward castle)");

    // an economic building clears and disables the forward box
    ws.ChangePanel(PanelControl::BuildingPicker, QString::number(BuildingIndex("家")));
    EXPECT_EQ(ws.Panel().At(PanelControl::BuildForward).value, "0");
    EXPECT_FALSE(ws.Panel().At(PanelControl::BuildForward).enabled);
    // destroying hides it and does not rename
    ws.Rename("mine");
    ws.ChangePanel(PanelControl::BuildingAction, "1");
    EXPECT_FALSE(ws.Panel().At(PanelControl::BuildForward).visible);
    EXPECT_EQ(ws.SelectedEntry()->title, "mine");
    EXPECT_TRUE(ws.SelectedEntry()->actions.startsWith("(delete-building house)"));

    // setting the controls back from the view changes nothing
    const RuleEntry before = *ws.SelectedEntry();
    for (int c = 0; c < kPanelControlCount; ++c)
        ws.ChangePanel(PanelControl(c), ws.Panel().controls[c].value);
    EXPECT_EQ(*ws.SelectedEntry(), before);
}

TEST(WorkspaceSession, SelectingARuleOnlyShowsItsStoredState) {
    Workspace ws;
    ws.SwitchCategory(6);
    ws.AddRule();
    ws.ChangePanel(PanelControl::Distance, "abc"); // corrected at once
    EXPECT_EQ(ws.Panel().At(PanelControl::Distance).value, "0");
    EXPECT_EQ(ws.SelectedEntry()->panel2, "0");
    ws.ChangePanel(PanelControl::Distance, "22");
    ws.Select(1);
    ws.AddRule();
    EXPECT_EQ(ws.Panel().At(PanelControl::Distance).value, "15");
    const RuleEntry second = *ws.SelectedEntry();
    ws.Select(2);
    EXPECT_EQ(ws.Panel().At(PanelControl::Distance).value, "22");
    ws.Select(3);
    EXPECT_EQ(*ws.SelectedEntry(), second);
}

TEST(WorkspaceSession, AttackGroupBoxesFallBackToTheirDefaults) {
    Workspace ws;
    ws.SwitchCategory(5);
    ws.AddRule();
    ws.ChangePanel(PanelControl::AttackKind, "2");
    EXPECT_TRUE(ws.Panel().groupFrameShown);
    ws.ChangePanel(PanelControl::GroupCount, "7");
    ws.ChangePanel(PanelControl::GroupCount, "abc");
    EXPECT_EQ(ws.Panel().At(PanelControl::GroupCount).value, "3");
    EXPECT_EQ(ws.SelectedEntry()->panel2, "3");
    EXPECT_EQ(ws.SelectedEntry()->title, "陸軍グループ攻撃");
    ws.ChangePanel(PanelControl::GroupMin, "-4");
    EXPECT_EQ(ws.SelectedEntry()->panel3, "5");
}

TEST(WorkspaceSession, AllocationBoxesRefuseValuesAbove100) {
    Workspace ws;
    ws.SwitchCategory(4);
    ws.AddRule();
    const Notice notice = ws.ChangePanel(PanelControl::WoodBox, "120");
    EXPECT_EQ(notice.text, "0～100を入力してください");
    EXPECT_EQ(notice.title, "エラー");
    EXPECT_EQ(ws.Panel().At(PanelControl::WoodBox).value, "0");
    EXPECT_EQ(ws.SelectedEntry()->panel2, "0");
    for (PanelControl box : {PanelControl::WoodBox, PanelControl::FoodBox, PanelControl::GoldBox,
                             PanelControl::StoneBox})
        ws.ChangePanel(box, "50");
    EXPECT_EQ(ws.Panel().totalLabel, "合計:200％");
}

// What a box lets into the rule's script is a whole number the game reads.
TEST(WorkspaceSession, PanelBoxesPassOnlyWholeNumbers) {
    Workspace ws;
    ws.SwitchCategory(4);
    ws.AddRule();
    ws.ChangePanel(PanelControl::WoodBox, " 30");
    EXPECT_EQ(ws.Panel().At(PanelControl::WoodBox).value, "30");
    EXPECT_TRUE(ws.SelectedEntry()->actions.startsWith(
        "(set-strategic-number sn-wood-gatherer-percentage 30);"));
    EXPECT_FALSE(ws.ChangePanel(PanelControl::FoodBox, "12.5").IsEmpty());
    EXPECT_EQ(ws.SelectedEntry()->panel3, "0");
    // Refused again while it already holds 0: still said.
    EXPECT_FALSE(ws.ChangePanel(PanelControl::FoodBox, "abc").IsEmpty());

    ws.ChangePanel(PanelControl::VariablePicker, "2");
    ws.ChangePanel(PanelControl::VariableValue, "2.5");
    EXPECT_EQ(ws.SelectedEntry()->variableValue, "10");
    ws.ChangePanel(PanelControl::VariableValue, "-2147483648");
    EXPECT_TRUE(ws.SelectedEntry()->actions.contains("(set-goal 2 -2147483648)"));

    ws.SwitchCategory(6);
    ws.AddRule();
    ws.ChangePanel(PanelControl::Distance, "+20");
    EXPECT_EQ(ws.SelectedEntry()->panel2, "0");
}

TEST(WorkspaceSession, RenamingRefusesNamesTheScriptCannotCarry) {
    Workspace ws;
    const Notice refused = ws.RenameConst(ConstKind::Timer, 2, "TIMER_1");
    EXPECT_EQ(refused.text, "名前「TIMER_1」はタイマー1と同じです。変数とタイマーの名前は重ならない"
                            "ようにしてください");
    EXPECT_EQ(refused.icon, Notice::Icon::Warning);
    EXPECT_EQ(ws.CurrentProject().settings.timers[2].name, "TIMER_2");
    EXPECT_FALSE(ws.IsModified());
    EXPECT_TRUE(ws.RenameConst(ConstKind::Variable, 40, "ENEMY-ARMY").IsEmpty());
    EXPECT_EQ(ws.CurrentProject().settings.variables[40].constName, "ENEMY-ARMY");
    EXPECT_TRUE(ws.IsModified());
}

// Fills the selected rule with top-level facts until it holds `count` entries.
void FillConditions(Workspace& ws, int count) {
    ConditionList list;
    list.SetEntries(ws.Conditions().Entries());
    while (list.Size() < count)
        list.Append(ConditionEntry{0, "x", "1\\0\\100\\0", "wood-amount >= 100"});
    ws.ReplaceConditions(list.ConditionsField());
}

TEST(WorkspaceSession, OptionPastSixteenCommandsIsUndone) {
    Workspace ws;
    ws.SwitchCategory(6); // one event line
    ws.AddRule();
    FillConditions(ws, 15);
    EXPECT_EQ(ws.CommandCount(), 16);
    const Notice notice = ws.ChangePanel(PanelControl::TestMessage, "1");
    EXPECT_EQ(notice.text, "16個までしか追加できないため変更できません");
    EXPECT_EQ(notice.icon, Notice::Icon::Critical);
    EXPECT_EQ(ws.Panel().At(PanelControl::TestMessage).value, "0");
    EXPECT_EQ(ws.SelectedEntry()->chatText, "");
    EXPECT_EQ(ws.CommandCount(), 16);
    EXPECT_FALSE(ws.ConditionCommands().add);
}

TEST(WorkspaceSession, ResourceKindPastSixteenCommandsReturnsToMarket) {
    Workspace ws;
    ws.SwitchCategory(4);
    ws.AddRule();
    ws.ChangePanel(PanelControl::ResourceKind, "1"); // market: one line and its condition
    FillConditions(ws, 14);                          // 13 beside the market condition
    EXPECT_EQ(ws.CommandCount(), 15);
    const Notice notice = ws.ChangePanel(PanelControl::ResourceKind, "0");
    EXPECT_EQ(notice.title, "ルール数制限エラー");
    EXPECT_EQ(notice.text,
              "16個を超えて命令を追加することはできません\r\nルールを減らしてください\r\n"
              "元のデータに戻ります！");
    EXPECT_EQ(ws.Panel().At(PanelControl::ResourceKind).value, "1");
    EXPECT_EQ(ws.SelectedEntry()->panel1, "1");
    EXPECT_EQ(ws.CommandCount(), 15);
}

TEST(WorkspaceSession, ConditionCommandsStoreIntoTheRuleAtOnce) {
    Workspace ws;
    ws.AddRule();
    ASSERT_TRUE(ws.OpenConditionEditor(1));
    ConditionEditor& editor = ws.ConditionEditorModel();
    editor.SelectTab(1);
    editor.SetPicker(1, 0, 0);
    editor.SetNumber(1, 1, "100");
    editor.SetPicker(1, 2, 0);
    EXPECT_EQ(editor.Composed().cap, "木が100以上のとき");
    EXPECT_TRUE(ws.ConfirmConditionEditor().IsEmpty());
    EXPECT_EQ(ws.SelectedEntry()->conditions,
              "0;家が建設できるとき;CannotEdit,can-build house\r\n"
              "0;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100\r\n");
    EXPECT_TRUE(ws.IsModified());

    ws.SelectCondition(2);
    ws.CutCondition(CommandSource::Toolbar);
    EXPECT_EQ(ws.Conditions().Size(), 1);
    ws.Select(ws.Selected()); // the window redrawing its tree is no new selection
    EXPECT_TRUE(ws.ConditionCommands().undo);
    EXPECT_EQ(ws.UndoConditions().text, "");
    EXPECT_EQ(ws.Conditions().Size(), 2);
    // another rule: no undo, but the clipboard still pastes
    ws.Select(1);
    ws.AddRule();
    EXPECT_FALSE(ws.ConditionCommands().undo);
    EXPECT_TRUE(ws.ConditionCommands().paste);
    EXPECT_EQ(ws.UndoConditions().text, "アンドゥはできません");
    ws.PasteCondition(CommandSource::Menu);
    EXPECT_TRUE(ws.SelectedEntry()->conditions.endsWith("wood-amount >= 100\r\n"));
}

TEST(WorkspaceSession, FreeEventsRegenerateTheRule) {
    Workspace ws;
    ws.SwitchCategory(7);
    ws.AddRule();
    EXPECT_EQ(ws.SelectedEntry()->actions, "(do-nothing);なにもしません");
    EXPECT_EQ(ws.Panel().eventRows.size(), 1);
    EXPECT_TRUE(ws.FreeEventToolbar().add);
    EXPECT_FALSE(ws.FreeEventToolbar().edit);
    EXPECT_FALSE(ws.Panel().At(PanelControl::VariablePicker).visible);

    ASSERT_TRUE(ws.OpenFreeEventForAdd().IsEmpty());
    FreeEventEditor& editor = ws.FreeEventEditorModel();
    editor.Select<FreeEventChat>().SetText("hello");
    ASSERT_TRUE(ws.ConfirmFreeEvent().IsEmpty());
    ASSERT_EQ(ws.FreeEvents().Size(), 1);
    const QString line = ws.FreeEvents().At(0).EventLine();
    EXPECT_EQ(ws.SelectedEntry()->actions, line);
    EXPECT_EQ(ws.CommandCount(), 2);

    ws.ChangePanel(PanelControl::RunOnce, "1");
    EXPECT_EQ(ws.SelectedEntry()->actions, line + "\r\n    (disable-self)        ;無効化");

    // copy into another rule of the category
    ws.CopyFreeEvent();
    ws.Select(1);
    ws.AddRule();
    EXPECT_TRUE(ws.FreeEventToolbar().paste);
    EXPECT_TRUE(ws.PasteFreeEvent().IsEmpty());
    EXPECT_EQ(ws.SelectedEntry()->actions, line);
    ws.DeleteFreeEvent();
    EXPECT_EQ(ws.SelectedEntry()->actions, "(do-nothing);なにもしません");
    EXPECT_EQ(ws.SelectedEntry()->panel1, "");
}

} // namespace

namespace {

// A whole editing session without a window: several categories and groups,
// operators, panel changes, group limits, free events; saved, reopened and
// built.
TEST(WorkspaceSession, WholeSessionSurvivesSaveOpenAndBuild) {
    QTemporaryDir dir;
    Workspace ws;
    // 建物: a castle built forward with a wood condition under an OR
    ws.AddRule();
    ws.ChangePanel(PanelControl::BuildingPicker, QString::number(BuildingIndex("城")));
    ws.ChangePanel(PanelControl::BuildForward, "1");
    ws.ChangePanel(PanelControl::RunOnce, "1");
    ws.SelectCondition(1);
    ws.InsertOperator(5); // a new top-level OR beside the locked condition
    ws.SelectCondition(3);
    ASSERT_TRUE(ws.OpenConditionEditor(2));
    ConditionEditor& editor = ws.ConditionEditorModel();
    editor.SelectTab(1);
    editor.SetPicker(1, 0, 0);
    editor.SetNumber(1, 1, "100");
    editor.SetPicker(1, 2, 0);
    ASSERT_TRUE(ws.ConfirmConditionEditor().IsEmpty());
    EXPECT_EQ(ConditionRows(ws),
              (QStringList{"0;城が建設できるとき;CannotEdit,can-build castle", "0;OR;Sys_Or,or",
                           "2;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100",
                           "2;(上書きしてください);Overwrite,true"}));
    // a group limited to the Japanese, with a house in it
    ws.AddGroup();
    ws.Rename("日本");
    ws.SetChoice(GroupSection::Civilisation, 8, 1);
    ws.AddRule();

    // 資源: market selling stone, with a variable
    ws.SwitchCategory(4);
    ws.AddRule();
    ws.ChangePanel(PanelControl::ResourceKind, "1");
    ws.ChangePanel(PanelControl::MarketAction, "1");
    ws.ChangePanel(PanelControl::MarketResource, "2");
    ws.ChangePanel(PanelControl::VariablePicker, "1");
    ws.ChangePanel(PanelControl::VariableValue, "5");
    EXPECT_EQ(ws.SelectedEntry()->actions,
              "(sell-commodity stone);石を100売る\r\n    (set-goal 1 5)        ;変数に代入");
    EXPECT_EQ(ws.SelectedEntry()->title, "市場の利用");

    // フリー: a chat free event
    ws.SwitchCategory(7);
    ws.AddRule();
    ASSERT_TRUE(ws.OpenFreeEventForAdd().IsEmpty());
    ws.FreeEventEditorModel().Select<FreeEventChat>().SetText("hi");
    ASSERT_TRUE(ws.ConfirmFreeEvent().IsEmpty());
    const QString freeLine = ws.SelectedEntry()->actions;
    EXPECT_EQ(ws.RuleCountText(), "ルール数: 4/1000");

    const QString path = dir.filePath("session.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    Workspace reopened;
    ASSERT_TRUE(reopened.Open(path).IsEmpty());
    EXPECT_EQ(reopened.CurrentProject(), ws.CurrentProject());

    // the panels come back from the stored fields
    reopened.SwitchCategory(4);
    reopened.Select(2);
    EXPECT_EQ(reopened.Panel().At(PanelControl::ResourceKind).value, "1");
    EXPECT_EQ(reopened.Panel().At(PanelControl::MarketResource).value, "2");
    EXPECT_EQ(reopened.Panel().At(PanelControl::VariablePicker).value, "1");
    EXPECT_TRUE(reopened.Panel().At(PanelControl::VariableValue).visible);
    EXPECT_FALSE(reopened.IsModified());

    Notice notice;
    const QString script = FromCp932(reopened.BuildScriptBytes(&notice));
    ASSERT_TRUE(notice.IsEmpty()) << notice.text.toStdString();
    const QString castle = script.mid(script.indexOf("■城"));
    EXPECT_TRUE(castle.contains("    (can-build castle)"));
    EXPECT_TRUE(castle.contains("    (or\r\n        (wood-amount >= 100)"));
    EXPECT_TRUE(castle.contains("    (build-forward castle)"));
    EXPECT_TRUE(castle.contains("    (disable-self)"));
    const qsizetype japanese = script.indexOf("#load-if-defined JAPANESE-CIV\r\n(defrule");
    ASSERT_GE(japanese, 0);
    EXPECT_GT(script.indexOf("#end-if", japanese), script.indexOf("(build house)", japanese));
    EXPECT_TRUE(script.contains("    (can-sell-commodity stone)"));
    EXPECT_TRUE(script.contains("    (set-goal 1 5)"));
    EXPECT_TRUE(script.contains(freeLine.left(freeLine.indexOf(';')).trimmed()));
}

} // namespace

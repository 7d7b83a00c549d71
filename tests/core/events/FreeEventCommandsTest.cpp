#include "events/FreeEventCommands.h"
#include "conditions/ConditionClipboard.h"
#include "model/ConditionLine.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

RuleEntry FreeRule(int conditions = 1) {
    RuleEntry rule;
    rule.title = "フリーイベント";
    rule.actions = "(do-nothing);なにもしません";
    rule.variableNumber = "0";
    rule.runOnce = "0";
    if (conditions == 1) {
        rule.conditions = "0;(上書きしてください);Overwrite,true\r\n";
    } else {
        for (int i = 0; i < conditions; ++i)
            rule.conditions += "0;木が100以上のとき;1\\0\\100\\0,wood-amount >= 100\r\n";
    }
    rule.marker = kMarkerGroupRule;
    return rule;
}

// Conditions plus event rows, as the status bar counts them.
int CommandCount(const RuleEntry& rule) {
    return int(ReadConditionLines(rule.conditions).size() + rule.actions.split(kCrLf).size());
}

// Adds one event through the editor, as the window does.
void AddThroughEditor(FreeEventCommands& commands, RuleEntry& rule, const Project& project,
                      const std::function<void(FreeEventEditor&)>& fill) {
    ASSERT_TRUE(commands.OpenForAdd(CommandCount(rule), project).IsEmpty());
    fill(commands.Editor());
    ASSERT_TRUE(commands.Confirm().accepted);
    commands.ApplyToRule(rule);
}

void CastleForward(FreeEventEditor& e) {
    FreeEventBuilding& building = e.Select<FreeEventBuilding>();
    building.SetBuilding(15);
    building.SetForward(true);
}

void TimerTwoFor60(FreeEventEditor& e) {
    FreeEventTimer& timer = e.Select<FreeEventTimer>();
    timer.SetTimer(1);
    timer.SetSeconds("60");
}

FreeEvent Related() {
    return {"城を敵陣に建設する", "build-forward castle", "2)16)0)1", "城が建設できるとき",
            "can-build castle"};
}

TEST(FreeEventCommands, TwoEventsWithRunOnceGiveTheStoredLinesAndPanelFields) {
    Project project;
    RuleEntry rule = FreeRule();
    rule.runOnce = "1";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    AddThroughEditor(commands, rule, project, CastleForward);
    AddThroughEditor(commands, rule, project, TimerTwoFor60);

    EXPECT_EQ(rule.actions, "(build-forward castle);城を敵陣に建設する\r\n"
                            "(enable-timer 2 60);タイマー(2)を開始(60秒)\r\n"
                            "    (disable-self)        ;無効化");
    EXPECT_EQ(rule.panel1, "城を敵陣に建設する;タイマー(2)を開始(60秒)");
    EXPECT_EQ(rule.panel2, "build-forward castle;enable-timer 2 60");
    EXPECT_EQ(rule.panel3, "2)16)0)1;12)1)0)60");
    EXPECT_EQ(rule.panel4, ";");
    EXPECT_EQ(rule.panel5, ";");
    EXPECT_EQ(rule.conditions, "0;(上書きしてください);Overwrite,true\r\n");
    EXPECT_EQ(commands.List().Size(), 2);
    EXPECT_EQ(commands.List().Selected(), 0);
}

TEST(FreeEventCommands, WideGateKeepsItsTrailingSpaceInTheEventLine) {
    Project project;
    RuleEntry rule = FreeRule();
    FreeEventCommands commands;
    AddThroughEditor(commands, rule, project,
                     [](FreeEventEditor& e) { e.Select<FreeEventBuilding>().SetBuilding(33); });
    EXPECT_EQ(rule.actions, "(build-gate 2 );門(広い)を建設する");
}

TEST(FreeEventCommands, EmptyListIsTheDoNothingRuleWithOnlyAddEnabled) {
    RuleEntry rule = FreeRule();
    rule.panel1 = "古い";
    rule.panel2 = "attack-now";
    FreeEventCommands commands;
    commands.ApplyToRule(rule); // the empty list written over stale fields
    EXPECT_EQ(rule.actions, "(do-nothing);なにもしません");
    EXPECT_EQ(rule.panel1, "");
    EXPECT_EQ(rule.panel2, "");
    EXPECT_TRUE(commands.List().IsEmpty());
    EXPECT_TRUE(commands.List().Tree().isEmpty());

    FreeEventToolbarState expected;
    expected.add = true;
    EXPECT_EQ(commands.ToolbarState(CommandCount(rule)), expected);
    EXPECT_FALSE(commands.RelationItem().has_value());
}

TEST(FreeEventCommands, DoNothingLineCountsAsOneCommand) {
    Project project;
    RuleEntry full = FreeRule(15);
    FreeEventCommands commands;
    commands.LoadFromRule(full);
    ASSERT_EQ(CommandCount(full), 16);
    const Notice refused = commands.OpenForAdd(CommandCount(full), project);
    EXPECT_EQ(refused.text, "16個までしか追加できないため変更できません");
    EXPECT_EQ(refused.title, "エラー");
    EXPECT_EQ(refused.icon, Notice::Icon::Critical);
    EXPECT_FALSE(commands.IsEditorOpen());
    EXPECT_FALSE(commands.ToolbarState(CommandCount(full)).add);

    RuleEntry room = FreeRule(14);
    commands.LoadFromRule(room);
    AddThroughEditor(commands, room, project, TimerTwoFor60);
    EXPECT_EQ(CommandCount(room), 15); // the event took the do-nothing line's place
}

TEST(FreeEventCommands, PasteRespectsTheLimitAndKeepsTheClipboard) {
    RuleEntry rule = FreeRule(14);
    rule.panel1 = "a";
    rule.panel2 = "attack-now";
    rule.panel3 = "6)0)100";
    rule.actions = "(attack-now);a";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    EXPECT_TRUE(commands.Paste(CommandCount(rule)).IsEmpty()); // empty clipboard: nothing
    EXPECT_EQ(commands.List().Size(), 1);

    commands.Copy();
    EXPECT_TRUE(commands.Paste(CommandCount(rule)).IsEmpty());
    commands.ApplyToRule(rule);
    ASSERT_EQ(CommandCount(rule), 16);
    EXPECT_FALSE(commands.ToolbarState(16).paste);
    EXPECT_EQ(commands.Paste(CommandCount(rule)), FreeEventCommands::LimitNotice());
    EXPECT_EQ(commands.List().Size(), 2);
    EXPECT_TRUE(commands.Clipboard().has_value());
}

TEST(FreeEventCommands, CutThenPasteMovesAnEventToTheEnd) {
    RuleEntry rule = FreeRule();
    rule.panel1 = "一;二;三";
    rule.panel2 = "attack-now;attack-now;attack-now";
    rule.panel3 = "6)0)100;6)0)100;6)0)100";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    commands.Select(0);
    commands.Cut();
    EXPECT_EQ(commands.List().Size(), 2);
    commands.Paste(CommandCount(rule));
    commands.ApplyToRule(rule);
    EXPECT_EQ(rule.panel1, "二;三;一");
}

TEST(FreeEventCommands, CopyAndPasteIntoAnotherRuleCarriesAllFiveColumns) {
    RuleEntry source = FreeRule();
    FreeEventList withRelated(QList<FreeEvent>{Related()});
    withRelated.WritePanelFields(source);
    FreeEventCommands commands;
    commands.LoadFromRule(source);
    commands.Copy();

    RuleEntry target = FreeRule();
    commands.LoadFromRule(target);
    EXPECT_EQ(commands.RelationItem(), std::nullopt);
    EXPECT_TRUE(commands.ToolbarState(CommandCount(target)).paste);
    commands.Paste(CommandCount(target));
    commands.ApplyToRule(target);

    EXPECT_EQ(target.panel4, "城が建設できるとき");
    EXPECT_EQ(target.panel5, "can-build castle");
    ASSERT_EQ(commands.List().Size(), 1);
    EXPECT_EQ(commands.List().At(0), Related());
    EXPECT_EQ(commands.List().Tree()[0].Picture(), FreeEventNode::kRelatedPicture);
    EXPECT_EQ(commands.RelationItem(),
              (RelationMenuItem{"(城が建設できるとき)の条件をコピー", true}));

    ConditionClipboard clipboard;
    ASSERT_TRUE(commands.CopyRelatedCondition(clipboard));
    ASSERT_EQ(clipboard.Size(), 1);
    const ConditionEntry& entry = clipboard.Entries()[0];
    EXPECT_EQ(entry.cap, "城が建設できるとき");
    EXPECT_EQ(entry.script, "can-build castle");
    EXPECT_FALSE(entry.IsLocked());
    EXPECT_FALSE(entry.IsOperator());
    EXPECT_FALSE(entry.IsPlaceholder());
}

TEST(FreeEventCommands, EventWithoutRelatedConditionOffersNothingToCopy) {
    RuleEntry rule = FreeRule();
    rule.panel1 = "総攻撃開始";
    rule.panel2 = "attack-now";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    EXPECT_EQ(commands.List().Tree()[0].Picture(), FreeEventNode::kPlainPicture);
    EXPECT_EQ(commands.RelationItem(), (RelationMenuItem{"(関連条件はありません)", false}));
    ConditionClipboard clipboard;
    EXPECT_FALSE(commands.CopyRelatedCondition(clipboard));
    EXPECT_TRUE(clipboard.IsEmpty());
}

TEST(FreeEventCommands, ChangingAnEventKeepsItsRelatedColumns) {
    Project project;
    RuleEntry rule = FreeRule();
    FreeEventList(QList<FreeEvent>{Related()}).WritePanelFields(rule);
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    ASSERT_TRUE(commands.OpenForChange(project));
    EXPECT_EQ(commands.Editor().ConfirmCaption(), "変更");
    EXPECT_EQ(commands.Editor().CurrentKind(), FreeEventEditor::NumberOf<FreeEventBuilding>());
    EXPECT_EQ(commands.Editor().Get<FreeEventBuilding>().Building(), 15);
    EXPECT_TRUE(commands.Editor().Get<FreeEventBuilding>().Forward());
    commands.Editor().Get<FreeEventBuilding>().SetForward(false);
    ASSERT_TRUE(commands.Confirm().accepted);
    commands.ApplyToRule(rule);

    EXPECT_EQ(rule.actions, "(build castle);城を建設する");
    EXPECT_EQ(rule.panel3, "2)16)0)0");
    EXPECT_EQ(rule.panel4, "城が建設できるとき");
    EXPECT_EQ(rule.panel5, "can-build castle");
}

TEST(FreeEventCommands, EditingAStoredFractionShowsItRoundedDown) {
    Project project;
    RuleEntry rule = FreeRule();
    rule.panel1 = "変数(3)を2.5に設定する";
    rule.panel2 = "set-goal 3 2.5";
    rule.panel3 = "10)3)2.5";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    ASSERT_TRUE(commands.OpenForChange(project));
    EXPECT_EQ(commands.Editor().Get<FreeEventVariable>().Value(), "2");
    commands.Editor().Get<FreeEventVariable>().SetValue("7");
    ASSERT_TRUE(commands.Confirm().accepted);
    commands.ApplyToRule(rule);
    EXPECT_EQ(rule.panel3, "10)3)7");
    EXPECT_EQ(rule.actions, "(set-goal 3 7);変数(3)を7に設定する");
}

TEST(FreeEventCommands, InvalidInputIsRefusedAndTheEditorStaysOpen) {
    Project project;
    RuleEntry rule = FreeRule();
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    ASSERT_TRUE(commands.OpenForAdd(CommandCount(rule), project).IsEmpty());
    commands.Editor().Get<FreeEventChat>().SetText("");
    const FreeEventConfirmOutcome outcome = commands.Confirm();
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.notice.text, "入力が正しくありません");
    EXPECT_TRUE(commands.IsEditorOpen());
    EXPECT_TRUE(commands.List().IsEmpty());

    // A number the game cannot read: the refusal says which it can.
    commands.Editor().Select<FreeEventTimer>().SetSeconds("-5");
    EXPECT_EQ(commands.Confirm().notice.text,
              "入力が正しくありません\r\n0～2147483647の整数を入力してください");
    EXPECT_TRUE(commands.List().IsEmpty());
}

TEST(FreeEventCommands, CancelDiscardsTheEditorButTheCloseBoxKeepsIt) {
    Project project;
    FreeEventCommands commands;
    commands.OpenForAdd(1, project);
    TimerTwoFor60(commands.Editor());
    commands.CloseBox();
    EXPECT_FALSE(commands.IsEditorOpen());
    commands.OpenForAdd(1, project);
    EXPECT_EQ(commands.Editor().CurrentKind(), FreeEventEditor::NumberOf<FreeEventTimer>());
    EXPECT_EQ(commands.Editor().Get<FreeEventTimer>().Seconds(), "60");

    commands.Cancel();
    commands.OpenForAdd(1, project);
    EXPECT_EQ(commands.Editor().CurrentKind(), FreeEventEditor::NumberOf<FreeEventChat>());
    EXPECT_EQ(commands.Editor().Get<FreeEventTimer>().Seconds(), "10");
    EXPECT_TRUE(commands.List().IsEmpty());
}

TEST(FreeEventCommands, ConfirmDiscardsTheEditor) {
    Project project;
    RuleEntry rule = FreeRule();
    FreeEventCommands commands;
    AddThroughEditor(commands, rule, project, TimerTwoFor60);
    EXPECT_FALSE(commands.IsEditorOpen());
    commands.OpenForAdd(CommandCount(rule), project);
    EXPECT_EQ(commands.Editor().CurrentKind(), FreeEventEditor::NumberOf<FreeEventChat>());
}

TEST(FreeEventCommands, CommandsOnAnEmptyListDoNothing) {
    Project project;
    FreeEventCommands commands;
    EXPECT_FALSE(commands.OpenForChange(project));
    EXPECT_FALSE(commands.IsEditorOpen());
    commands.Cut();
    commands.Copy();
    commands.Delete();
    EXPECT_FALSE(commands.Clipboard().has_value());
    EXPECT_TRUE(commands.List().IsEmpty());
}

TEST(FreeEventCommands, DeleteRemovesTheSelectedEvent) {
    RuleEntry rule = FreeRule();
    rule.panel1 = "一;二;三";
    FreeEventCommands commands;
    commands.LoadFromRule(rule);
    commands.Select(1);
    commands.Delete();
    commands.ApplyToRule(rule);
    EXPECT_EQ(rule.panel1, "一;三");
    EXPECT_EQ(commands.List().Selected(), 0);
}

} // namespace
} // namespace rw

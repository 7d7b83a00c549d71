#include "WindowFixture.h"

#include "conditions/ConditionTree.h"
#include "events/EventPanels.h"
#include "events/PanelPickers.h"
#include "rules/RuleOptionsBar.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>

namespace rw {
namespace {

// The rule page's event panels driven through their real controls.
class EventPanelsTest : public WindowFixture {
protected:
    void SetUp() override { StartActiveWindow(); }
    EventPanels& Panels() { return *window_->Panels(); }
    QComboBox* Picker(PanelControl control) {
        return qobject_cast<QComboBox*>(Panels().Control(control));
    }
    QLineEdit* Box(PanelControl control) {
        return qobject_cast<QLineEdit*>(Panels().Control(control));
    }
    QCheckBox* Check(PanelControl control) {
        return qobject_cast<QCheckBox*>(Panels().Control(control));
    }
    // What a user's choice in a picker does.
    void Choose(PanelControl control, int index) {
        QComboBox* picker = Picker(control);
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(picker->isVisible());
        ASSERT_LT(index, picker->count());
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }
    void Choose(PanelControl control, const QString& item) {
        const int index = Picker(control)->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        Choose(control, index);
    }
    // Typing replaces the box's text key by key.
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void LeaveBox() { window_->TitleBox()->setFocus(); }
    void NewRuleIn(int category) {
        ClickTab(category);
        Trigger("ruleTool.newRule");
    }
    // Operators until the limit stops them, so the rule is nearly full.
    void FillWithConditions() {
        while (Enabled("conditionTool.AND"))
            Trigger("conditionTool.AND");
        while (Enabled("conditionTool.NOT"))
            Trigger("conditionTool.NOT");
    }
    QStringList EventListRows() {
        QStringList rows;
        QTreeWidget* list = Panels().EventList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + list->topLevelItem(i)->text(1);
        return rows;
    }
};

TEST_F(EventPanelsTest, CastleBuiltForwardFromThePanel) {
    NewRuleIn(1);
    EXPECT_EQ(SelectedCaption(), QStringLiteral("家"));
    EXPECT_FALSE(Check(PanelControl::BuildForward)->isEnabled()); // a house has no forward build

    Choose(PanelControl::BuildingPicker, QStringLiteral("城"));
    EXPECT_EQ(SelectedCaption(), QStringLiteral("城")); // auto-rename follows the building
    EXPECT_EQ(window_->TitleBox()->text(), QStringLiteral("城"));
    ASSERT_TRUE(Check(PanelControl::BuildForward)->isEnabled());
    QTest::mouseClick(Check(PanelControl::BuildForward), Qt::LeftButton);

    EXPECT_TRUE(Check(PanelControl::BuildForward)->isChecked());
    EXPECT_TRUE(SelectedRule().actions.startsWith(QStringLiteral("(build-forward castle)")))
        << SelectedRule().actions.toStdString();
    EXPECT_TRUE(SelectedRule().conditions.contains(QStringLiteral("can-build castle")))
        << SelectedRule().conditions.toStdString();
    EXPECT_EQ(window_->Conditions()->topLevelItem(0)->text(0),
              QStringLiteral("城が建設できるとき"));
    ASSERT_EQ(EventListRows().size(), 1);
    EXPECT_TRUE(EventListRows()[0].startsWith(QStringLiteral("(build-forward castle);")));

    // The event kind renames nothing; "破壊する" hides the forward box.
    Choose(PanelControl::BuildingAction, 1);
    EXPECT_EQ(SelectedCaption(), QStringLiteral("城"));
    EXPECT_FALSE(Check(PanelControl::BuildForward)->isVisible());
    Choose(PanelControl::BuildingAction, 0);
    EXPECT_TRUE(Check(PanelControl::BuildForward)->isVisible());

    // A building with the second picture clears and disables the forward box.
    const auto& buildings = PanelPickers::Buildings();
    int economic = -1;
    for (int i = 0; i < buildings.size() && economic < 0; ++i)
        if (buildings[i].picture != BuildingPicture::First)
            economic = i;
    ASSERT_GE(economic, 0);
    Choose(PanelControl::BuildingPicker, economic);
    EXPECT_FALSE(Check(PanelControl::BuildForward)->isChecked());
    EXPECT_FALSE(Check(PanelControl::BuildForward)->isEnabled());
    EXPECT_FALSE(SelectedRule().actions.contains(QStringLiteral("build-forward")));
}

TEST_F(EventPanelsTest, PickersRefillByCategory) {
    NewRuleIn(2);
    QComboBox* technologies = Picker(PanelControl::Technology);
    const QString first = technologies->itemText(0);
    Choose(PanelControl::ResearchCategory, 1);
    EXPECT_EQ(technologies->currentIndex(), 0);
    EXPECT_NE(technologies->itemText(0), first);
    EXPECT_EQ(SelectedCaption(), technologies->itemText(0)); // the first technology, renamed

    NewRuleIn(3);
    QComboBox* units = Picker(PanelControl::Unit);
    EXPECT_EQ(Picker(PanelControl::UnitCategory)->count(), PanelPickers::UnitCategories().size());
    for (int i = 0; i < units->count(); ++i) {
        EXPECT_FALSE(units->itemText(i).contains(QStringLiteral("[男]")));
        EXPECT_FALSE(units->itemText(i).contains(QStringLiteral("[女]")));
    }
    Choose(PanelControl::UnitAction, 1);
    EXPECT_TRUE(SelectedRule().actions.startsWith(QStringLiteral("(delete-unit ")))
        << SelectedRule().actions.toStdString();
}

TEST_F(EventPanelsTest, NumberBoxesCorrectWhatIsTyped) {
    NewRuleIn(5);
    Choose(PanelControl::AttackKind, 2);
    EXPECT_FALSE(Box(PanelControl::AttackPercent)->isVisible());
    QLineEdit* groups = Box(PanelControl::GroupCount);
    ASSERT_TRUE(groups->isVisible());
    const QString withThree = SelectedRule().actions;
    Type(groups, QStringLiteral("7"));
    LeaveBox();
    EXPECT_TRUE(SelectedRule().actions.contains(QStringLiteral("sn-number-attack-groups 7")));
    Type(groups, QStringLiteral("abc"));
    LeaveBox();
    EXPECT_EQ(groups->text(), QStringLiteral("3"));
    EXPECT_EQ(SelectedRule().actions, withThree);
    // A size cannot be negative: refused like a text that is no number.
    Type(Box(PanelControl::GroupMin), QStringLiteral("-5"));
    LeaveBox();
    EXPECT_EQ(Box(PanelControl::GroupMin)->text(), QStringLiteral("5"));
    EXPECT_EQ(SelectedRule().panel3, QStringLiteral("5"));

    NewRuleIn(6);
    Choose(PanelControl::RangeKind, 3);
    EXPECT_EQ(Panels().RangeHeading()->text(), QStringLiteral("[木の認識距離]"));
    EXPECT_EQ(Panels().RangeHelp()->text(),
              QStringLiteral("町の人が木を認識する距離\n※-1にすると無制限になります"));
    Type(Box(PanelControl::Distance), QStringLiteral("abc"));
    LeaveBox();
    EXPECT_EQ(Box(PanelControl::Distance)->text(), QStringLiteral("0"));

    QComboBox* variable = window_->Options()->VariablePicker();
    variable->setCurrentIndex(3);
    emit variable->activated(3);
    QLineEdit* value = window_->Options()->VariableValue();
    ASSERT_TRUE(value->isVisible());
    Type(value, QStringLiteral("abc"));
    LeaveBox();
    EXPECT_EQ(value->text(), QStringLiteral("10"));
    EXPECT_EQ(SelectedRule().variableValue, QStringLiteral("10"));
}

// A box being typed in keeps what is typed, empty or half done; the rule
// gets it when the box is left or Enter is pressed.
TEST_F(EventPanelsTest, ABoxClearedAndRetypedKeepsWhatIsTyped) {
    NewRuleIn(5);
    QLineEdit* percent = Box(PanelControl::AttackPercent);
    percent->setFocus();
    percent->selectAll();
    QTest::keyClick(percent, Qt::Key_Delete);
    EXPECT_EQ(percent->text(), QString());
    QTest::keyClicks(percent, QStringLiteral("40"));
    EXPECT_EQ(percent->text(), QStringLiteral("40"));
    EXPECT_EQ(SelectedRule().panel2, QStringLiteral("100"));
    QTest::keyClick(percent, Qt::Key_Return);
    EXPECT_EQ(SelectedRule().panel2, QStringLiteral("40"));
    EXPECT_EQ(percent->text(), QStringLiteral("40"));

    // Left empty, a box takes its default.
    percent->selectAll();
    QTest::keyClick(percent, Qt::Key_Delete);
    LeaveBox();
    EXPECT_EQ(percent->text(), QStringLiteral("100"));
    EXPECT_EQ(SelectedRule().panel2, QStringLiteral("100"));

    // A command that takes no focus (a toolbar button, a shortcut) still
    // finds what was typed in the rule it was typed for.
    Type(percent, QStringLiteral("60"));
    Trigger("ruleTool.newRule");
    int withSixty = 0;
    for (const RuleEntry& entry : Work().CurrentProject().CategoryAt(5).entries)
        withSixty += entry.panel2 == QStringLiteral("60");
    EXPECT_EQ(withSixty, 1);
    EXPECT_EQ(SelectedRule().panel2, QStringLiteral("100"));
}

TEST_F(EventPanelsTest, AllocationBoxRefusesOnFocusLoss) {
    NewRuleIn(4);
    QLineEdit* wood = Box(PanelControl::WoodBox);
    const QString before = SelectedRule().actions;
    Type(wood, QStringLiteral("120"));
    EXPECT_EQ(SelectedRule().actions, before);
    EXPECT_TRUE(dialogs_.informed.isEmpty());
    // The total is that of what the rule holds, not of a half-typed box.
    EXPECT_EQ(Panels().TotalLabel()->text(), QStringLiteral("合計:100％"));

    LeaveBox();
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0].text, QStringLiteral("0～100を入力してください"));
    EXPECT_EQ(dialogs_.informed[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(wood->text(), QStringLiteral("0"));
    EXPECT_TRUE(wood->hasFocus());
    EXPECT_TRUE(SelectedRule().actions.contains(QStringLiteral("sn-wood-gatherer-percentage 0")));
    EXPECT_EQ(Panels().TotalLabel()->text(), QStringLiteral("合計:75％"));

    // Spinners and boxes follow each other; the total is shown, not enforced.
    Panels().Spinner(1)->stepUp();
    EXPECT_EQ(Box(PanelControl::FoodBox)->text(), QStringLiteral("26"));
    EXPECT_EQ(Panels().Spinner(1)->text(), QStringLiteral("26"));
    for (PanelControl box : {PanelControl::WoodBox, PanelControl::FoodBox, PanelControl::GoldBox,
                             PanelControl::StoneBox})
        Type(Box(box), QStringLiteral("50"));
    LeaveBox();
    EXPECT_EQ(Panels().Spinner(3)->value(), 50);
    EXPECT_EQ(Panels().TotalLabel()->text(), QStringLiteral("合計:200％"));
}

TEST_F(EventPanelsTest, SixteenCommandLimitRefusesOptionsAndResourceKinds) {
    NewRuleIn(1);
    FillWithConditions();
    ASSERT_EQ(Work().Conditions().Size() + EventListRows().size(), 16);
    QCheckBox* test = window_->Options()->TestMessage();
    QTest::mouseClick(test, Qt::LeftButton);
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0].text,
              QStringLiteral("16個までしか追加できないため変更できません"));
    EXPECT_FALSE(test->isChecked());
    EXPECT_TRUE(SelectedRule().chatText.isEmpty());
    EXPECT_EQ(EventListRows().size(), 1);

    NewRuleIn(4);
    Choose(PanelControl::ResourceKind, 1); // the market: one line
    EXPECT_TRUE(Box(PanelControl::MarketAmount)->isVisible());
    EXPECT_FALSE(Box(PanelControl::WoodBox)->isVisible());
    FillWithConditions();
    ASSERT_GE(Work().Conditions().Size(), 13);
    Choose(PanelControl::ResourceKind, 0);
    ASSERT_EQ(dialogs_.informed.size(), 2);
    EXPECT_EQ(dialogs_.informed[1].title, QStringLiteral("ルール数制限エラー"));
    EXPECT_EQ(Picker(PanelControl::ResourceKind)->currentIndex(), 1);
    EXPECT_EQ(EventListRows().size(), 1);
}

TEST_F(EventPanelsTest, NotIsInsertedFromTheToolbarAndTheMenu) {
    NewRuleIn(1);
    EXPECT_EQ(window_->Action(QStringLiteral("conditionTool.NOT"))->toolTip(),
              QStringLiteral("NOT"));
    Trigger("condition.not");
    ConditionTree* tree = window_->Conditions();
    ASSERT_EQ(tree->topLevelItemCount(), 2) << tree->topLevelItem(1)->text(0).toStdString();
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("NOT"));
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 1);
    EXPECT_TRUE(SelectedRule().conditions.contains(QStringLiteral("Sys_Not")))
        << SelectedRule().conditions.toStdString();
}

TEST_F(EventPanelsTest, SelectingARuleShowsItsStoredStateAndChangesNothing) {
    // A rule whose stored events disagree with its panel fields, as an older
    // version may have written them.
    Project project = Work().CurrentProject();
    RuleEntry rule = NewRuleEntry(1, QStringLiteral("100"), QStringLiteral("\\m"));
    rule.title = QStringLiteral("古いルール");
    rule.actions = QStringLiteral("(build castle)    ;城を建設する");
    project.categories[0].entries << rule << rule;
    const QString path = FilePath("old.rwp");
    ASSERT_TRUE(SaveProjectFile(project, path, false).ok);
    ASSERT_TRUE(Work().Open(path).IsEmpty());
    window_->Refresh();

    ClickNode(2);
    ClickNode(3);
    ClickNode(2);
    EXPECT_EQ(SelectedRule().actions, rule.actions);
    EXPECT_EQ(EventListRows(), QStringList{QStringLiteral("(build castle);城を建設する")});
    EXPECT_FALSE(Work().IsModified());
}

} // namespace
} // namespace rw

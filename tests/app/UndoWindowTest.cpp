#include "WindowFixture.h"

#include "events/EventPanels.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace rw {
namespace {

class UndoWindowTest : public WindowFixture {
protected:
    void SetUp() override { StartActiveWindow(); }
    QString Text(const char* name) { return window_->Action(QLatin1String(name))->text(); }
};

TEST_F(UndoWindowTest, EditMenuUndoesAndRedoesWithItsKeys) {
    QStringList menus;
    for (QAction* action : window_->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus.mid(0, 3), (QStringList{QStringLiteral("ファイル(&F)"),
                                            QStringLiteral("編集(&E)"), QStringLiteral("表示(&V)")}));
    EXPECT_FALSE(Enabled("edit.undo"));
    EXPECT_FALSE(Enabled("edit.redo"));

    Trigger("ruleTool.newRule");
    Trigger("ruleTool.newRule");
    Trigger("ruleTool.delete");
    EXPECT_EQ(Text("edit.undo"), QStringLiteral("元に戻す(&U): ルールの削除"));
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 1/1000"));

    window_->Rules()->setFocus();
    QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 2/1000"));
    EXPECT_TRUE(window_->RuleViewShown());
    EXPECT_EQ(Text("edit.redo"), QStringLiteral("やり直し(&R): ルールの削除"));
    QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 1/1000"));
    QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 1/1000"));
}

TEST_F(UndoWindowTest, ATitleTypedIsOneStepAndTheBoxKeepsItsOwnUndo) {
    Trigger("ruleTool.newRule");
    QLineEdit* title = window_->TitleBox();
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("abc"));
    EXPECT_EQ(SelectedCaption(), QStringLiteral("abc"));
    // While the box has the focus, Ctrl+Z is the box's own; what it takes
    // back leaves no step behind.
    QTest::keySequence(title, QKeySequence::Undo);
    EXPECT_EQ(title->text(), QStringLiteral("家"));
    EXPECT_EQ(SelectedCaption(), QStringLiteral("家"));
    EXPECT_EQ(Text("edit.undo"), QStringLiteral("元に戻す(&U): ルールの追加"));

    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("xyz"));
    window_->Rules()->setFocus();
    EXPECT_EQ(Text("edit.undo"), QStringLiteral("元に戻す(&U): タイトルの変更"));
    Trigger("edit.undo");
    EXPECT_EQ(SelectedCaption(), QStringLiteral("家"));
    EXPECT_EQ(title->text(), QStringLiteral("家"));
    Trigger("edit.undo");
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 0/1000"));
    EXPECT_FALSE(Enabled("edit.undo"));
}

TEST_F(UndoWindowTest, PanelChangeUndoneShowsTheRuleAgain) {
    ClickTab(1);
    Trigger("ruleTool.newRule");
    auto* buildings =
        qobject_cast<QComboBox*>(window_->Panels()->Control(PanelControl::BuildingPicker));
    const int castle = buildings->findText(QStringLiteral("城"));
    buildings->setCurrentIndex(castle);
    emit buildings->activated(castle);
    ClickTab(3);
    Trigger("edit.undo");
    EXPECT_EQ(window_->Tabs()->currentIndex(), 0);
    EXPECT_EQ(SelectedCaption(), QStringLiteral("家"));
    EXPECT_EQ(buildings->currentText(), QStringLiteral("家"));
    EXPECT_TRUE(SelectedRule().actions.startsWith(QStringLiteral("(build house)")));
    // The condition toolbar's 元に戻す keeps its own single snapshot.
    Trigger("conditionTool.AND");
    Trigger("conditionTool.undo");
    EXPECT_EQ(Work().Conditions().Size(), 1);
    EXPECT_EQ(Text("edit.undo"), QStringLiteral("元に戻す(&U): 条件を元に戻す"));
}

} // namespace
} // namespace rw

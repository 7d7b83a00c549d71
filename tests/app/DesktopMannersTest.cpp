#include "WindowFixture.h"

#include "builder/FrmPer.h"
#include "conditions/ConditionTree.h"
#include "events/EventPanels.h"
#include "events/FreeEventFrame.h"
#include "rules/GroupChoicesView.h"
#include "shell/AboutDialog.h"
#include "shell/Preferences.h"
#include "shell/QtDialogs.h"
#include "storage/Templates.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

namespace rw {
namespace {

// The window as a desktop user meets it: the caption, the keyboard, the
// recent files, the questions' defaults.
class DesktopMannersTest : public WindowFixture {
protected:
    void SetUp() override {
        SaveRecentFiles({});
        StartActiveWindow();
    }
    void TearDown() override { SaveRecentFiles({}); }

    QMenu* MenuOf(const char* name) { return window_->Menu(QLatin1String(name)); }
    QStringList RecentTexts() {
        QStringList texts;
        for (QAction* action : MenuOf("menu.recent")->actions())
            texts << action->text();
        return texts;
    }
    // The pop-up a key opened, closed again; nullptr when none is open.
    QMenu* TakePopup() {
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (shown)
            shown->close();
        return shown;
    }
};

TEST_F(DesktopMannersTest, CaptionNamesTheFileAndMarksUnsavedChanges) {
    QWindow* handle = window_->windowHandle();
    EXPECT_EQ(handle->title(), QStringLiteral("Rulewright"));
    Trigger("ruleTool.newRule");
    EXPECT_TRUE(window_->isWindowModified());
    EXPECT_EQ(handle->title(), QStringLiteral("Rulewright*"));

    dialogs_.files = {FilePath("work.rwp")};
    Trigger("file.save");
    EXPECT_FALSE(window_->isWindowModified());
    EXPECT_EQ(handle->title(), QStringLiteral("work.rwp – Rulewright"));
    Trigger("ruleTool.newRule");
    EXPECT_EQ(handle->title(), QStringLiteral("work.rwp* – Rulewright"));
    Trigger("edit.undo"); // back to the saved state
    EXPECT_EQ(handle->title(), QStringLiteral("work.rwp – Rulewright"));
}

TEST_F(DesktopMannersTest, EmptyingTheProjectOffersToSaveAndDefaultsToNo) {
    Trigger("ruleTool.newRule");
    dialogs_.answers = {Dialogs::Answer::Cancel};
    Trigger("file.newEmpty");
    ASSERT_EQ(dialogs_.asked.size(), 1);
    EXPECT_EQ(dialogs_.asked[0].text, QStringLiteral("変更を保存しますか？"));
    EXPECT_EQ(TreeText().size(), 2);

    dialogs_.answers = {Dialogs::Answer::No, Dialogs::Answer::No};
    Trigger("file.newEmpty");
    ASSERT_EQ(dialogs_.asked.size(), 3);
    EXPECT_EQ(dialogs_.asked[2].text, QStringLiteral("全てのデータが失われますがよろしいですか？"));
    EXPECT_EQ(dialogs_.askedButtons[2], Dialogs::Buttons::YesNoCancelDefaultNo);
    EXPECT_EQ(TreeText().size(), 2);

    dialogs_.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    Trigger("file.newEmpty");
    EXPECT_EQ(TreeText().size(), 1);
}

// Return on a question that throws work away answers No.
TEST_F(DesktopMannersTest, ReturnOnADestructiveQuestionKeepsTheWork) {
    QtDialogs dialogs;
    QString defaultText;
    auto press = std::make_shared<std::function<void()>>();
    *press = [&defaultText, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, *press);
            return;
        }
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    };
    QTimer::singleShot(0, *press);
    EXPECT_EQ(dialogs.Ask(Notice{QStringLiteral("全てのデータが失われますがよろしいですか？"),
                                 QStringLiteral("確認"), Notice::Icon::Information},
                          Dialogs::Buttons::YesNoCancelDefaultNo),
              Dialogs::Answer::No);
    EXPECT_FALSE(defaultText.isEmpty());
}

TEST_F(DesktopMannersTest, SaveAsThenUndoStillSavesToTheNewFile) {
    Trigger("ruleTool.newRule");
    dialogs_.files = {FilePath("work.rwp")};
    Trigger("file.saveAs");
    Trigger("ruleTool.newRule");
    dialogs_.files = {FilePath("other.rwp")};
    Trigger("file.saveAs");
    QTest::keySequence(window_.get(), QKeySequence::Undo);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("other.rwp[*] – Rulewright"));
    EXPECT_EQ(Work().CurrentPath(), FilePath("other.rwp"));
}

TEST_F(DesktopMannersTest, ATemplateGivenFromOutsideStartsANewUnsavedProject) {
    Trigger("ruleTool.newRule");
    Trigger("ruleTool.newRule");
    ASSERT_TRUE(SaveTemplate(CurrentProject(), folder_.path(), QStringLiteral("二つ")).ok);
    window_.reset();
    StartWindow();
    EXPECT_TRUE(window_->OpenGivenFile(FilePath("二つ.aitmp")));
    EXPECT_TRUE(dialogs_.informed.isEmpty()) << dialogs_.informed.value(0).text.toStdString();
    EXPECT_EQ(TreeText().size(), 3);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Rulewright[*]"));
    EXPECT_TRUE(RecentTexts().size() == 1 && !Enabled("file.noRecent")); // no file to remember
}

TEST_F(DesktopMannersTest, RecentFilesOpenAgainAndForgetAFileThatIsGone) {
    EXPECT_FALSE(MenuOf("menu.recent")->menuAction()->isEnabled());
    Trigger("ruleTool.newRule");
    dialogs_.files = {FilePath("a.rwp")};
    Trigger("file.saveAs");
    Trigger("ruleTool.newRule");
    dialogs_.files = {FilePath("b.rwp")};
    Trigger("file.saveAs");
    EXPECT_TRUE(MenuOf("menu.recent")->menuAction()->isEnabled());
    EXPECT_EQ(RecentTexts(), (QStringList{QStringLiteral("&1 ") + FilePath("b.rwp"),
                                          QStringLiteral("&2 ") + FilePath("a.rwp")}));
    EXPECT_EQ(LoadRecentFiles().size(), 2);

    MenuOf("menu.recent")->actions()[1]->trigger();
    EXPECT_EQ(Work().CurrentPath(), FilePath("a.rwp"));
    EXPECT_EQ(TreeText().size(), 2);
    EXPECT_EQ(RecentTexts().first(), QStringLiteral("&1 ") + FilePath("a.rwp"));

    ASSERT_TRUE(QFile::remove(FilePath("b.rwp")));
    MenuOf("menu.recent")->actions()[1]->trigger();
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_TRUE(dialogs_.informed[0].text.startsWith(QStringLiteral("ファイルが見つかりません\n") +
                                                     FilePath("b.rwp")));
    EXPECT_EQ(RecentTexts(), QStringList{QStringLiteral("&1 ") + FilePath("a.rwp")});
    EXPECT_EQ(Work().CurrentPath(), FilePath("a.rwp"));
}

TEST_F(DesktopMannersTest, TitleBoxFollowsAnAutomaticRenameWhileItHasTheFocus) {
    Trigger("ruleTool.newRule");
    QLineEdit* title = window_->TitleBox();
    title->setFocus();
    ASSERT_TRUE(title->hasFocus());
    auto* buildings =
        qobject_cast<QComboBox*>(window_->Panels()->Control(PanelControl::BuildingPicker));
    const int castle = buildings->findText(QStringLiteral("城"));
    buildings->setCurrentIndex(castle);
    emit buildings->activated(castle);
    EXPECT_EQ(SelectedCaption(), QStringLiteral("城"));
    EXPECT_EQ(title->text(), QStringLiteral("城"));
    // What the user types stays as typed, a cleared title included.
    title->selectAll();
    QTest::keyClick(title, Qt::Key_Backspace);
    EXPECT_EQ(title->text(), QString());
}

TEST_F(DesktopMannersTest, ASubMenuWithNothingToOfferIsDisabled) {
    Trigger("ruleTool.newRule"); // from the root group: the condition menu comes on
    QMenu* rewrite = MenuOf("menu.rewrite");
    bool anyItem = false;
    for (QAction* item : rewrite->actions())
        anyItem = anyItem || item->isEnabled();
    EXPECT_FALSE(anyItem);
    EXPECT_FALSE(rewrite->menuAction()->isEnabled());
    Trigger("conditionTool.AND");
    EXPECT_TRUE(rewrite->menuAction()->isEnabled());

    ClickTab(7);
    Trigger("ruleTool.newRule");
    EXPECT_FALSE(MenuOf("menu.relation")->menuAction()->isEnabled());
}

TEST_F(DesktopMannersTest, EditingKeysActOnTheTreeThatHasTheFocus) {
    EXPECT_EQ(window_->Action(QStringLiteral("file.newEmpty"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(window_->Action(QStringLiteral("file.exit"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_FALSE(window_->Action(QStringLiteral("file.buildPer"))->shortcut().isEmpty());

    Trigger("ruleTool.newRule");
    RuleTree* rules = window_->Rules();
    rules->setFocus();
    QTest::keySequence(rules, QKeySequence::Copy);
    EXPECT_TRUE(Work().RuleClipboardFull());
    QTest::keySequence(rules, QKeySequence::Paste);
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 2/1000"));
    QTest::keyClick(rules, Qt::Key_Delete);
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 1/1000"));
    QTest::keyClick(rules, Qt::Key_F2);
    EXPECT_TRUE(window_->TitleBox()->hasFocus());

    Trigger("ruleTool.newRule");
    Trigger("conditionTool.AND");
    ConditionTree* conditions = window_->Conditions();
    conditions->setFocus();
    ASSERT_TRUE(Enabled("condition.copy"));
    const int copied = Work().Conditions().Selected();
    const int before = Work().Conditions().Size();
    QTest::keySequence(conditions, QKeySequence::Copy);
    EXPECT_FALSE(Work().ConditionClipboardContents().IsEmpty());
    EXPECT_TRUE(Work().RuleClipboardFull()); // the rule clipboard is the rule tree's
    QTest::keySequence(conditions, QKeySequence::Paste);
    const int pasted = Work().Conditions().Size();
    EXPECT_GT(pasted, before);
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 2/1000"));
    window_->Do([this, copied] { Work().SelectCondition(copied); });
    ASSERT_TRUE(Enabled("condition.delete"));
    QTest::keyClick(conditions, Qt::Key_Delete);
    EXPECT_LT(Work().Conditions().Size(), pasted);
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 2/1000"));
}

// A screen reader's "select" highlights a row without making it current, and
// Ctrl+click clears the highlight; the program must still act on what is shown.
TEST_F(DesktopMannersTest, TheNodeShownChosenIsTheNodeActedOn) {
    Trigger("ruleTool.newRule");
    RuleTree* rules = window_->Rules();
    ASSERT_EQ(Work().Selected(), 2);
    const QModelIndex root = rules->indexFromItem(rules->ItemAt(1));
    rules->selectionModel()->select(root, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Work().Selected(), 1);
    rules->selectionModel()->select(root, QItemSelectionModel::Deselect);
    EXPECT_TRUE(rules->ItemAt(1)->isSelected());
}

TEST_F(DesktopMannersTest, MenuKeyAndShiftF10OpenThePopUpOfTheFocusedTree) {
    Trigger("ruleTool.newRule");
    window_->Rules()->setFocus();
    QTest::keyClick(window_->Rules(), Qt::Key_Menu);
    EXPECT_EQ(TakePopup(), MenuOf("menu.rule"));
    window_->Conditions()->setFocus();
    QTest::keyClick(window_->Conditions(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(TakePopup(), MenuOf("menu.condition"));

    ClickTab(7);
    Trigger("ruleTool.newRule");
    QTreeWidget* events = window_->Panels()->FreeEvents()->Tree();
    events->setFocus();
    QTest::keyClick(events, Qt::Key_Menu);
    EXPECT_EQ(TakePopup(), MenuOf("menu.event"));

    // A check list: the pop-up's commands act on the list it was opened on.
    ClickNode(1);
    QListWidget* maps = window_->GroupView()->List(GroupSection::MapType);
    maps->setFocus();
    QTest::keyClick(maps, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(TakePopup(), MenuOf("menu.choices"));
    Trigger("choices.invert");
    EXPECT_EQ(maps->item(0)->checkState(), Qt::Checked);
}

TEST_F(DesktopMannersTest, InstalledProgramOffersTheDocumentsFolderAndRemembersAChoice) {
    SaveOutputFolder({});
    const QString program = FilePath("bin");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(FilePath("share/rulewright/Template")));
    window_.reset();
    StartWindowIn(program);
    ASSERT_FALSE(Work().Templates().besideProgram);
    const QString documents = QDir::toNativeSeparators(QStandardPaths::writableLocation(
                                  QStandardPaths::DocumentsLocation)) +
                              QDir::separator();
    const QString chosen = FilePath("out");
    ASSERT_TRUE(QDir().mkpath(chosen));
    QStringList offered;
    OnDialogOf<FrmPer>([&](FrmPer& per) {
        offered << per.UserFolderBox()->text();
        dialogs_.folders = {chosen};
        per.Browse();
    });
    Trigger("file.buildPer");
    Trigger("file.buildPer");
    SaveOutputFolder({});
    EXPECT_EQ(offered,
              (QStringList{documents, QDir::toNativeSeparators(chosen) + QDir::separator()}));
}

// A command the table describes but no menu, toolbar or key offers is out
// of the user's reach.
TEST_F(DesktopMannersTest, EveryCommandIsOfferedByAMenuAToolbarOrAKey) {
    window_->Panels(); // the rule page places its own toolbars and pop-ups
    for (const QAction* action : window_->findChildren<QAction*>()) {
        if (action->objectName().contains(u'.')) {
            EXPECT_FALSE(action->associatedObjects().isEmpty())
                << action->objectName().toStdString();
        }
    }
}

TEST_F(DesktopMannersTest, EveryMenuItemHasAMnemonicAndTheAboutBoxNoPlaceholder) {
    // The operator keywords are words of the script; they stay as they are.
    const QStringList bare{"AND", "OR", "NAND", "NOR", "XOR", "XNOR", "(なし)"};
    std::function<void(QMenu*)> check = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            if (!bare.contains(action->text())) {
                EXPECT_TRUE(action->text().contains(u'&')) << action->text().toStdString();
            }
            if (action->menu())
                check(action->menu());
        }
    };
    for (QAction* top : window_->menuBar()->actions())
        check(top->menu());
    EXPECT_EQ(window_->Action(QStringLiteral("condition.undo"))->text(),
              QStringLiteral("条件を元に戻す(&U)"));

    OnDialogOf<AboutDialog>([](AboutDialog& about) {
        about.show();
        EXPECT_TRUE(about.QtText().contains(QString::fromLatin1(qVersion())));
        EXPECT_FALSE(about.LicenceText().isEmpty());
        for (const QLabel* label : about.findChildren<QLabel*>())
            EXPECT_FALSE(label->text().contains(QStringLiteral("example")))
                << label->text().toStdString();
        about.accept();
    });
    Trigger("help.about");
    EXPECT_EQ(shown_, 1);
}

} // namespace
} // namespace rw

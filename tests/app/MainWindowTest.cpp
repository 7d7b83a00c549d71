#include "WindowFixture.h"

#include "conditions/ConditionTree.h"
#include "rules/GroupChoicesView.h"
#include "shell/AboutDialog.h"
#include "storage/TemplateOpenDialog.h"
#include "storage/TemplateSaveDialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QTreeWidgetItemIterator>

namespace rw {
namespace {

class MainWindowTest : public WindowFixture {};

TEST_F(MainWindowTest, StartsOnTheRootGroupOfTheFirstCategory) {
    StartWindow();
    QTabBar* tabs = Window().Tabs();
    ASSERT_EQ(tabs->count(), 7);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions.join(u','), QStringLiteral("建物,研究,ユニット,資源,攻撃,範囲,フリー"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(TreeText(), QStringList{QStringLiteral("建物グループ")});
    EXPECT_EQ(SelectedCaption(), QStringLiteral("建物グループ"));
    EXPECT_EQ(Window().TitleBox()->text(), QStringLiteral("建物グループ"));
    EXPECT_FALSE(Window().RuleViewShown());
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 0/1000"));
    EXPECT_EQ(Status(2), QString());
    EXPECT_EQ(Status(3), QStringLiteral("Ver0.97"));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Rulewright[*]"));
    EXPECT_TRUE(dialogs_.asked.isEmpty()); // the template folder was there
    EXPECT_FALSE(Enabled("rule.delete"));
    EXPECT_FALSE(Window().Menu(QStringLiteral("menu.condition"))->isEnabled());
    EXPECT_TRUE(Window().Action(QStringLiteral("view.autoRename"))->isChecked());
    EXPECT_TRUE(Window().Action(QStringLiteral("view.colourPreview"))->isChecked());
    EXPECT_TRUE(Enabled("settings.environment"));
}

TEST_F(MainWindowTest, DecliningTheTemplateFolderTurnsTemplatesOffForTheRun) {
    dialogs_.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    StartWindow(false);
    // Asked over the window, once it has been painted.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs_.asked.isEmpty(); }));
    ASSERT_EQ(dialogs_.asked.size(), 1);
    EXPECT_EQ(dialogs_.asked[0].text,
              QStringLiteral("テンプレートフォルダがありませんでした作成しますか？\n"
                             "作成しない場合テンプレート機能が使用できなくなります"));
    EXPECT_EQ(dialogs_.asked[0].title, QStringLiteral("テンプレート機能の確認"));
    EXPECT_FALSE(QFileInfo::exists(FilePath("Template")));
    EXPECT_FALSE(Enabled("file.saveTemplate"));
    EXPECT_FALSE(Enabled("file.newFromTemplate"));
    Trigger("file.newEmpty"); // answered Yes
    EXPECT_FALSE(Enabled("file.saveTemplate"));
    EXPECT_FALSE(Enabled("file.newFromTemplate"));
}

TEST_F(MainWindowTest, AcceptingTheTemplateFolderCreatesIt) {
    dialogs_.answers = {Dialogs::Answer::Yes};
    StartWindow(false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs_.asked.isEmpty(); }));
    EXPECT_TRUE(QFileInfo(FilePath("Template")).isDir());
    EXPECT_TRUE(Enabled("file.saveTemplate"));
    EXPECT_TRUE(Enabled("file.newFromTemplate"));
}

TEST_F(MainWindowTest, ToolbarBuildsRulesAndGroups) {
    StartWindow();
    Trigger("ruleTool.newRule");
    Trigger("ruleTool.newRule");
    Trigger("ruleTool.newGroup");
    EXPECT_EQ(SelectedCaption(), QStringLiteral("新しいグループ"));
    Trigger("ruleTool.newRule");
    EXPECT_EQ(TreeText(), (QStringList{QStringLiteral("建物グループ"), QStringLiteral("  家"),
                                       QStringLiteral("  家"), QStringLiteral("新しいグループ"),
                                       QStringLiteral("  家")}));
    EXPECT_EQ(Window().Rules()->Position(Window().Rules()->currentItem()), 5);
    EXPECT_TRUE(Window().RuleViewShown());
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 3/1000"));
    EXPECT_TRUE(Status(2).startsWith(QStringLiteral("[家]命令数: "))) << Status(2).toStdString();
    EXPECT_TRUE(Window().Menu(QStringLiteral("menu.condition"))->isEnabled());
    EXPECT_TRUE(Enabled("rule.copy"));
    EXPECT_FALSE(Enabled("rule.moveUp")); // the only rule of its group
    EXPECT_GT(Window().Conditions()->topLevelItemCount(), 0);

    // Clicking a node selects it; the title box follows.
    ClickNode(2);
    EXPECT_EQ(Window().Work().Selected(), 2);
    EXPECT_TRUE(Enabled("rule.moveDown"));
    ClickNode(1);
    EXPECT_FALSE(Window().RuleViewShown());
    EXPECT_EQ(Status(2), QString());
    EXPECT_TRUE(Window().Work().IsModified());
}

// The trees of other categories and the rule page are made when first
// shown; Tab still leads from a tree to its title box and on to the page.
TEST_F(MainWindowTest, TabOrderHoldsForWhatIsMadeLate) {
    StartActiveWindow();
    ClickTab(3);
    Trigger("ruleTool.newRule");
    Window().Rules()->setFocus();
    QTest::keyClick(Window().Rules(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Window().TitleBox());
    QTest::keyClick(Window().TitleBox(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(Window().RulePage()->isAncestorOf(QApplication::focusWidget()))
        << QApplication::focusWidget()->metaObject()->className();
}

TEST_F(MainWindowTest, RootGroupCannotBeDeleted) {
    StartWindow();
    Trigger("ruleTool.newRule");
    ClickNode(1);
    EXPECT_FALSE(Enabled("ruleTool.delete"));
    Window().Rules()->setFocus();
    QTest::keyClick(Window().Rules(), Qt::Key_Delete);
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0].text, QStringLiteral("このグループを削除することはできません"));
    EXPECT_EQ(TreeText().size(), 2);

    // The Delete key removes a selected rule.
    ClickNode(2);
    QTest::keyClick(Window().Rules(), Qt::Key_Delete);
    EXPECT_EQ(TreeText(), QStringList{QStringLiteral("建物グループ")});
    EXPECT_EQ(Status(1), QStringLiteral("ルール数: 0/1000"));
}

TEST_F(MainWindowTest, TitleBoxRenamesWhileTyping) {
    StartWindow();
    Trigger("ruleTool.newRule");
    QLineEdit* box = Window().TitleBox();
    box->setFocus();
    box->selectAll();
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("城"), {});
    EXPECT_EQ(SelectedCaption(), QStringLiteral("城"));
    EXPECT_TRUE(Status(2).startsWith(QStringLiteral("[城]")));
    // A cleared title shows a blank caption, and the box keeps what was typed.
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(SelectedCaption(), QStringLiteral(" "));
    EXPECT_EQ(box->text(), QString());
}

TEST_F(MainWindowTest, SwitchingTabsEmptiesTheRuleClipboard) {
    StartWindow();
    Trigger("ruleTool.newRule");
    Trigger("rule.copy");
    EXPECT_TRUE(Enabled("ruleTool.paste"));
    Window().Tabs()->setCurrentIndex(6);
    EXPECT_EQ(TreeText(), QStringList{QStringLiteral("フリーイベントグループ")});
    Window().Tabs()->setCurrentIndex(0);
    EXPECT_FALSE(Enabled("ruleTool.paste"));
    EXPECT_EQ(TreeText().size(), 2);
}

TEST_F(MainWindowTest, SavesAndReopensThroughTheActions) {
    StartWindow();
    Trigger("ruleTool.newGroup");
    Trigger("ruleTool.newRule");
    const QString path = FilePath("ai.rwp");

    dialogs_.files = {path};
    Trigger("file.save"); // no path yet: asks for a name
    ASSERT_EQ(dialogs_.fileRequests.size(), 1);
    EXPECT_EQ(dialogs_.fileRequests[0].title, QStringLiteral("プロジェクトの保存"));
    EXPECT_EQ(dialogs_.fileRequests[0].defaultSuffix, QStringLiteral("rwp"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("ai.rwp[*] – Rulewright"));
    EXPECT_FALSE(Window().Work().IsModified());

    dialogs_.answers = {Dialogs::Answer::Yes};
    Trigger("file.newEmpty");
    EXPECT_EQ(dialogs_.asked.last().text,
              QStringLiteral("全てのデータが失われますがよろしいですか？"));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Rulewright[*]"));
    EXPECT_EQ(TreeText(), QStringList{QStringLiteral("建物グループ")});

    dialogs_.answers = {Dialogs::Answer::No}; // the emptied project is not saved
    dialogs_.files = {path};
    Trigger("file.open");
    EXPECT_EQ(dialogs_.fileRequests.last().title, QStringLiteral("プロジェクトを開く"));
    EXPECT_EQ(dialogs_.fileRequests.last().folder, folder_.path());
    EXPECT_EQ(TreeText(), (QStringList{QStringLiteral("建物グループ"),
                                       QStringLiteral("新しいグループ"), QStringLiteral("  家")}));
    EXPECT_EQ(SelectedCaption(), QStringLiteral("建物グループ"));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("ai.rwp[*] – Rulewright"));
    EXPECT_TRUE(dialogs_.informed.isEmpty());
}

TEST_F(MainWindowTest, DecliningTheOverwriteKeepsTheOldFileAndPath) {
    StartWindow();
    const QString path = FilePath("old.rwp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Trigger("ruleTool.newRule");
    dialogs_.files = {path};
    dialogs_.answers = {Dialogs::Answer::No};
    Trigger("file.saveAs");
    ASSERT_EQ(dialogs_.asked.size(), 1);
    EXPECT_TRUE(
        dialogs_.asked[0].text.startsWith(QStringLiteral("ファイルを上書きしてよろしいですか？")));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Rulewright[*]"));
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutBeforeTheyAreLost) {
    StartWindow();
    // Without changes the window closes without a word.
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(dialogs_.asked.isEmpty());

    Window().show();
    Trigger("ruleTool.newRule");
    dialogs_.answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(dialogs_.asked.last().text, QStringLiteral("変更を保存しますか？"));
    EXPECT_EQ(dialogs_.asked.last().title, QStringLiteral("確認"));

    // Yes, but the save dialog is cancelled: nothing is lost.
    dialogs_.answers = {Dialogs::Answer::Yes};
    EXPECT_FALSE(Window().close());

    // Opening asks too; Cancel stops before the open dialog.
    dialogs_.answers = {Dialogs::Answer::Cancel};
    const qsizetype requests = dialogs_.fileRequests.size();
    Trigger("file.open");
    EXPECT_EQ(dialogs_.fileRequests.size(), requests);
    EXPECT_EQ(TreeText().size(), 2);

    // Yes saves, then the window closes.
    dialogs_.answers = {Dialogs::Answer::Yes};
    dialogs_.files = {FilePath("kept.rwp")};
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(QFileInfo::exists(FilePath("kept.rwp")));
}

TEST_F(MainWindowTest, TemplatesSaveAndStartNewProjects) {
    StartWindow();
    Trigger("ruleTool.newRule");
    dialogs_.onRun = [](QDialog& dialog) {
        auto* save = qobject_cast<TemplateSaveDialog*>(&dialog);
        EXPECT_NE(save, nullptr);
        if (!save)
            return int(QDialog::Rejected);
        EXPECT_EQ(save->NameBox()->text(), QStringLiteral("オリジナルテンプレート"));
        save->NameBox()->setText(QStringLiteral("早攻め"));
        save->Save();
        return save->result();
    };
    Trigger("file.saveTemplate");
    EXPECT_TRUE(dialogs_.informed.isEmpty()) << dialogs_.informed.value(0).text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(FilePath("Template/早攻め.aitmp")));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Rulewright[*]"));

    // A name the file system cannot hold is refused and the dialog stays open.
    dialogs_.onRun = [](QDialog& dialog) {
        auto* save = qobject_cast<TemplateSaveDialog*>(&dialog);
        save->NameBox()->setText(QStringLiteral("../外"));
        save->Save();
        EXPECT_EQ(save->result(), int(QDialog::Rejected));
        return save->result();
    };
    Trigger("file.saveTemplate");
    EXPECT_EQ(dialogs_.informed.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(FilePath("外.aitmp")));

    // Empty the project first, without saving it.
    dialogs_.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    Trigger("file.newEmpty");
    ASSERT_EQ(TreeText().size(), 1);
    dialogs_.onRun = [](QDialog& dialog) {
        auto* open = qobject_cast<TemplateOpenDialog*>(&dialog);
        EXPECT_NE(open, nullptr);
        if (!open)
            return int(QDialog::Rejected);
        open->Decide(); // nothing selected: nothing happens
        EXPECT_EQ(open->result(), int(QDialog::Rejected));
        EXPECT_EQ(open->List()->count(), 1);
        open->List()->setCurrentRow(0);
        open->Decide();
        return open->result();
    };
    Trigger("file.newFromTemplate");
    EXPECT_EQ(TreeText(), (QStringList{QStringLiteral("建物グループ"), QStringLiteral("  家")}));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Rulewright[*]"));
}

TEST_F(MainWindowTest, GroupChoicesAreStoredAsTheyAreTicked) {
    StartWindow();
    QCheckBox* deathmatch = Window().GroupView()->Box(GroupSection::Victory, 0);
    ASSERT_NE(deathmatch, nullptr);
    EXPECT_EQ(deathmatch->text(), QStringLiteral("デスマッチ"));
    QTest::mouseClick(deathmatch, Qt::LeftButton);
    const QString data = Window().Work().CurrentProject().settings.rootConditions[0].conditionData;
    EXPECT_TRUE(data.endsWith(QStringLiteral("\\1,0,0,0,0"))) << data.toStdString();
    EXPECT_TRUE(deathmatch->isChecked());

    // "反転" from the pop-up, on the section that was right-clicked.
    QListWidget* maps = Window().GroupView()->List(GroupSection::MapType);
    Window().Work().RememberPopupSection(QStringLiteral("Idmap"));
    Window().Action(QStringLiteral("choices.invert"))->trigger();
    EXPECT_EQ(maps->item(0)->checkState(), Qt::Checked);
    EXPECT_TRUE(maps->item(23)->font().bold());
    // Cleared again, a row loses the look of a ticked one.
    Window().Action(QStringLiteral("choices.invert"))->trigger();
    EXPECT_FALSE(maps->item(23)->font().bold());
    EXPECT_NE(maps->item(23)->foreground().color(), maps->palette().color(QPalette::Highlight));
}

// A screen reader ticks through the accessibility actions, which send no
// click: the project must change all the same.
TEST_F(MainWindowTest, GroupChoicesTickThroughTheAccessibilityActions) {
    StartWindow();
    const auto toggle = [](QAccessibleInterface* node) {
        ASSERT_NE(node, nullptr);
        QAccessibleActionInterface* actions = node->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
    };
    const auto data = [this] {
        return Window().Work().CurrentProject().settings.rootConditions[0].conditionData.split(
            QLatin1Char('\\'));
    };

    QCheckBox* deathmatch = Window().GroupView()->Box(GroupSection::Victory, 0);
    toggle(QAccessible::queryAccessibleInterface(deathmatch));
    EXPECT_EQ(data().value(5), QStringLiteral("1,0,0,0,0"));

    QListWidget* maps = Window().GroupView()->List(GroupSection::MapType);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(maps);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 24);
    QAccessibleInterface* row = list->child(2);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(QAccessible::Name), maps->item(2)->text());
    EXPECT_TRUE(row->state().checkable);
    EXPECT_FALSE(row->state().checked);
    toggle(row);
    EXPECT_TRUE(row->state().checked);
    EXPECT_EQ(maps->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(data().value(1).startsWith(QStringLiteral("0,0,1,0")));
    toggle(list->child(2));
    EXPECT_TRUE(data().value(1).startsWith(QStringLiteral("0,0,0,0")));
    EXPECT_EQ(list->indexOfChild(list->child(7)), 7);
}

// Every box, picker, spinner and check box of the window, the event panels
// of all categories included, has a name a screen reader can say.
TEST_F(MainWindowTest, EveryInputHasAName) {
    StartWindow();
    Window().Panels(); // the rule page, made when first needed
    EXPECT_EQ(UnnamedInputs(&Window()), QStringList());
}

TEST_F(MainWindowTest, AboutBoxAndMissingGame) {
    StartWindow();
    QString version;
    dialogs_.onRun = [&version](QDialog& dialog) {
        auto* about = qobject_cast<AboutDialog*>(&dialog);
        EXPECT_NE(about, nullptr);
        if (!about)
            return 0;
        EXPECT_EQ(about->windowTitle(), QStringLiteral("バージョン情報"));
        about->show();
        version = about->VersionText();
        about->accept();
        return about->result();
    };
    Trigger("help.about");
    EXPECT_EQ(version, QStringLiteral("バージョン 0.97"));

    EXPECT_EQ(Work().AiFolder(), QString());
    Trigger("tools.launch");
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0].title, QStringLiteral("AOCの起動"));
}

// A game that is never found, counting how often it is looked for.
class CountingGame : public GameSystem {
public:
    explicit CountingGame(int& reads) : reads_(reads) {}
    QString ReadSetting(const QString&, const QString&) const override {
        ++reads_;
        return {};
    }
    QString LocalPath(const QString&) const override { return {}; }
    bool Start(const QString&, const QString&, QString*) override { return false; }

private:
    int& reads_;
};

TEST_F(MainWindowTest, TheGameIsLookedUpOnlyOnceTheWindowIsPaintedOrItsFolderIsNeeded) {
    QDir(folder_.path()).mkpath(QStringLiteral("Template"));
    int reads = 0;
    MainWindow shown(dialogs_, folder_.path(), std::make_unique<CountingGame>(reads));
    shown.Start();
    shown.show();
    EXPECT_EQ(reads, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return reads > 0; }));
    const int lookups = reads;
    shown.update();
    QApplication::processEvents();
    EXPECT_EQ(reads, lookups);

    // The generation dialog shows the folder: it does not wait for a paint.
    int hiddenReads = 0;
    MainWindow hidden(dialogs_, folder_.path(), std::make_unique<CountingGame>(hiddenReads));
    hidden.Start();
    int readsWhenShown = -1;
    dialogs_.onRun = [&](QDialog&) {
        readsWhenShown = hiddenReads;
        return 0;
    };
    hidden.Action(QStringLiteral("file.buildPer"))->trigger();
    EXPECT_GT(readsWhenShown, 0);
}

} // namespace
} // namespace rw

namespace rw {
namespace {

int CountItems(const QTreeWidget* tree) {
    int count = 0;
    QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree));
    for (; *it; ++it)
        ++count;
    return count;
}

TEST_F(MainWindowTest, ConditionToolbarEditsTheSelectedRule) {
    StartWindow();
    Trigger("ruleTool.newRule");
    ConditionTree* tree = Window().Conditions();
    const int before = CountItems(tree);
    ASSERT_GT(before, 0);
    Trigger("conditionTool.AND");
    EXPECT_GT(CountItems(tree), before);
    // Every node stays unfolded, whatever was inserted.
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        EXPECT_TRUE((*it)->childCount() == 0 || (*it)->isExpanded());
    // The change is in the rule at once, and undo takes it back.
    const QString stored = Window().Work().SelectedEntry()->conditions;
    Trigger("conditionTool.undo");
    EXPECT_EQ(CountItems(tree), before);
    EXPECT_NE(Window().Work().SelectedEntry()->conditions, stored);
}

} // namespace
} // namespace rw

#include "WindowFixture.h"
#include "core/builder/BuilderTestUtil.h"

#include "builder/FrmPer.h"
#include "builder/InitSettingsDialog.h"
#include "builder/OutputFiles.h"
#include "builder/ProjectSettingsDialog.h"
#include "builder/ScriptPreviewWindow.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeWidget>

namespace rw {
namespace {

// A Wine prefix without the game: no AI folder is found.
class BuilderWindowsTest : public WindowFixture {
protected:
    void SetUp() override { StartWindow(); }
};

TEST_F(BuilderWindowsTest, PerDialogWritesTheAiIntoTheUserFolder) {
    Trigger("ruleTool.newRule");
    bool shown = false;
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* per = qobject_cast<FrmPer*>(&dialog);
        EXPECT_NE(per, nullptr);
        if (!per)
            return int(QDialog::Rejected);
        shown = true;
        EXPECT_EQ(per->windowTitle(), QStringLiteral("REZOR用 PERファイルの生成"));
        // Without a game AI folder only the user's folder can be chosen.
        EXPECT_FALSE(per->GameChoice()->isEnabled());
        EXPECT_TRUE(per->UserChoice()->isChecked());
        EXPECT_EQ(per->UserFolderBox()->text(),
                  QDir::toNativeSeparators(folder_.path()) + QDir::separator());
        EXPECT_EQ(per->NameBox()->text(), QStringLiteral("mybot"));

        QSignalSpy finished(per, &FrmPer::BuildFinished);
        per->StartButton()->click();
        EXPECT_TRUE(per->IsBuilding());
        EXPECT_FALSE(per->NameBox()->isEnabled());
        EXPECT_TRUE(finished.wait(10000));
        EXPECT_EQ(per->StatusLabel()->text(), kBuildSucceeded);
        EXPECT_EQ(per->CancelButton()->text(), QStringLiteral("完了"));
        EXPECT_TRUE(per->StartButton()->isHidden());
        EXPECT_EQ(window_->StatusPanel(4)->text(), QString());
        return int(QDialog::Rejected);
    };
    Trigger("file.buildPer");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(dialogs_.informed.isEmpty());
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("mybot.ai"))));
    QFile per(folder_.filePath(QStringLiteral("mybot.per")));
    ASSERT_TRUE(per.open(QIODevice::ReadOnly));
    EXPECT_TRUE(per.readAll().contains("(defrule"));
}

TEST_F(BuilderWindowsTest, PerDialogAsksBeforeWritingAScriptWithProblems) {
    Trigger("ruleTool.newRule");
    // A rule the panels cannot make: from a file.
    Project project = CurrentProject();
    project.CategoryAt(1).entries.last().actions =
        QStringLiteral("(research ri-elite-berserker);x");
    ASSERT_TRUE(SaveProjectFile(project, FilePath("odd.rwp"), false).ok);
    ASSERT_TRUE(window_->OpenFile(FilePath("odd.rwp")));
    int finishedBuilds = 0;
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* per = qobject_cast<FrmPer*>(&dialog);
        if (!per)
            return int(QDialog::Rejected);
        QSignalSpy finished(per, &FrmPer::BuildFinished);
        dialogs_.answers = {Dialogs::Answer::No};
        per->StartButton()->click();
        EXPECT_TRUE(finished.wait(10000));
        EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("mybot.per"))));
        EXPECT_EQ(per->StatusLabel()->text(), kBuildCancelled);
        EXPECT_TRUE(per->StartButton()->isEnabled());
        dialogs_.answers = {Dialogs::Answer::Yes};
        per->StartButton()->click();
        EXPECT_TRUE(finished.wait(10000));
        finishedBuilds = int(finished.size());
        return int(QDialog::Rejected);
    };
    Trigger("file.buildPer");
    ASSERT_EQ(dialogs_.asked.size(), 2);
    const Notice& question = dialogs_.asked[0];
    EXPECT_EQ(question.title, QStringLiteral("スクリプトの確認"));
    EXPECT_TRUE(
        question.text.contains(QStringLiteral("「ri-elite-berserker」はゲームの語にありません")));
    EXPECT_TRUE(question.text.endsWith(QStringLiteral("このまま生成しますか？")));
    EXPECT_EQ(finishedBuilds, 2);
    QFile per(folder_.filePath(QStringLiteral("mybot.per")));
    ASSERT_TRUE(per.open(QIODevice::ReadOnly));
    EXPECT_TRUE(per.readAll().contains("(research ri-elite-berserker)"));
}

TEST_F(BuilderWindowsTest, PerDialogWithoutRulesShowsTheRefusalAndCanStartAgain) {
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* per = qobject_cast<FrmPer*>(&dialog);
        if (!per)
            return int(QDialog::Rejected);
        QSignalSpy finished(per, &FrmPer::BuildFinished);
        per->StartButton()->click();
        EXPECT_TRUE(finished.wait(10000));
        EXPECT_FALSE(per->StartButton()->isHidden());
        EXPECT_TRUE(per->StartButton()->isEnabled());
        EXPECT_EQ(per->CancelButton()->text(), QStringLiteral("キャンセル"));
        return int(QDialog::Rejected);
    };
    Trigger("file.buildPer");
    EXPECT_EQ(dialogs_.informed.size(), 1);
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("mybot.per"))));
}

TEST_F(BuilderWindowsTest, ProjectSettingsEditTheProjectAndRefillTheVariablePicker) {
    Trigger("ruleTool.newRule"); // the picker belongs to the rule page
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* settings = qobject_cast<ProjectSettingsDialog*>(&dialog);
        if (!settings)
            return int(QDialog::Rejected);
        EXPECT_EQ(settings->NumberLabel(0)->text(), QStringLiteral("No.1"));
        EXPECT_EQ(settings->List(0)->topLevelItemCount(), 40);
        settings->List(0)->setCurrentItem(settings->List(0)->topLevelItem(2));
        EXPECT_EQ(settings->NumberLabel(0)->text(), QStringLiteral("No.3"));
        EXPECT_EQ(settings->HelpBox(0)->text(), QStringLiteral("3番の変数"));
        settings->HelpBox(0)->clear();
        QTest::keyClicks(settings->HelpBox(0), QStringLiteral("gold"));
        EXPECT_EQ(settings->List(0)->topLevelItem(2)->text(2), QStringLiteral("gold"));

        settings->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(settings->List(1)->topLevelItemCount(), 10);
        QTest::keyClicks(settings->NameBox(1), QStringLiteral("X"));
        settings->TitleBox()->setText(QStringLiteral("強いAI"));
        return int(QDialog::Accepted);
    };
    Trigger("settings.project");
    EXPECT_EQ(CurrentProject().settings.variables[3].description, QStringLiteral("gold"));
    EXPECT_EQ(CurrentProject().settings.timers[1].name, QStringLiteral("TIMER_1X"));
    EXPECT_EQ(CurrentProject().settings.title, QStringLiteral("強いAI"));
    EXPECT_TRUE(window_->Work().IsModified());
    bool found = false;
    for (QComboBox* picker : window_->findChildren<QComboBox*>())
        found = found || picker->findText(QStringLiteral("3: gold")) >= 0;
    EXPECT_TRUE(found);
}

TEST_F(BuilderWindowsTest, ProjectSettingsRefuseANameTheScriptCannotCarry) {
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* settings = qobject_cast<ProjectSettingsDialog*>(&dialog);
        if (!settings)
            return int(QDialog::Rejected);
        QLineEdit* name = settings->NameBox(0);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("MY VAR"));
        // "MY" was a sound name on the way; the blank is not stored.
        EXPECT_EQ(CurrentProject().settings.variables[1].constName, QStringLiteral("MY"));
        EXPECT_FALSE(settings->NameProblem(0)->text().isEmpty());
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(name->text(), QStringLiteral("MEMORY_1"));
        EXPECT_EQ(settings->List(0)->topLevelItem(0)->text(1), QStringLiteral("MEMORY_1"));
        EXPECT_TRUE(settings->NameProblem(0)->text().isEmpty());

        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("food"));
        QTest::keyClick(name, Qt::Key_Return);
        return int(QDialog::Accepted);
    };
    Trigger("settings.project");
    EXPECT_EQ(CurrentProject().settings.variables[1].constName, QStringLiteral("MEMORY_1"));
    ASSERT_EQ(dialogs_.informed.size(), 2);
    EXPECT_EQ(dialogs_.informed[0].text,
              QStringLiteral("名前は英字で始め、英字・数字・「-」・「_」だけで付けてください"));
    EXPECT_EQ(dialogs_.informed[1].text,
              QStringLiteral("「food」はゲームの語なので名前に使えません"));
}

TEST_F(BuilderWindowsTest, InitSettingsApplyOnOkOnly) {
    const StartupRule before = CurrentProject().settings.startupRules[0];
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* init = qobject_cast<InitSettingsDialog*>(&dialog);
        if (!init)
            return int(QDialog::Rejected);
        init->PrecisionBox()->setText(QStringLiteral("20"));
        return int(QDialog::Rejected);
    };
    Trigger("settings.startup");
    EXPECT_EQ(CurrentProject().settings.startupRules[0], before);

    dialogs_.onRun = [&](QDialog& dialog) {
        auto* init = qobject_cast<InitSettingsDialog*>(&dialog);
        if (!init)
            return int(QDialog::Rejected);
        EXPECT_TRUE(init->ReexploreButton()->isChecked());
        init->DisperseBox()->setChecked(true);
        init->accept();
        return dialog.result();
    };
    Trigger("settings.startup");
    EXPECT_EQ(CurrentProject().settings.startupRules[0].options, QStringLiteral("1,-1,0,15"));
    EXPECT_EQ(CurrentProject().settings.startupRules[1].options,
              QStringLiteral("0,0,1,-1,20,20,20"));
    EXPECT_FALSE(CurrentProject().settings.startupRules[1].text.contains(
        QStringLiteral("sn-task-ungrouped-soldiers")));
}

TEST_F(BuilderWindowsTest, PreviewShowsTheSelectedRule) {
    Trigger("ruleTool.newRule");
    QString shown;
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* preview = qobject_cast<ScriptPreviewWindow*>(&dialog);
        if (!preview)
            return int(QDialog::Rejected);
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Preview by ZuzAdidodi"));
        shown = preview->TextArea()->toPlainText();
        // Busy until the window is there to read.
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        preview->show();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        return int(QDialog::Rejected);
    };
    Trigger("rule.showScript");
    EXPECT_TRUE(shown.contains(QStringLiteral("(defrule"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
    EXPECT_FALSE(CurrentProject().categories[0].entries.isEmpty());
    EXPECT_EQ(window_->StatusPanel(4)->text(), QString());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

using Style = ScriptView::CharStyle;

TEST(ScriptPreviewWindow, ColoursCommentsLastAndBracketsOverOperators) {
    const QString text = QStringLiteral("(defrule  ;■true or (and\r\n    (and\r\n        (true)"
                                        "  ;(true)\r\n    )\r\n=>\r\n;");
    ScriptPreviewWindow window(PreviewText{text, true});
    window.show();
    QApplication::processEvents();
    const ScriptView& view = *window.TextArea();
    const QString shown = view.toPlainText();
    const Style navy{QColor(0, 0, 128), true}, blue{QColor(0, 0, 255), true},
        grey{QColor(128, 128, 128), true}, green{QColor(32, 157, 66), false},
        plain{QColor(Qt::black), false};
    auto at = [&](const QString& piece, int from = 0) { return int(shown.indexOf(piece, from)); };
    EXPECT_EQ(view.StyleAt(at("defrule")), blue);
    // a comment holding keywords stays green throughout
    for (int i = at(";■true"); i < at("\n"); ++i)
        EXPECT_EQ(view.StyleAt(i), green) << i;
    // "(and": the bracket grey, the operator navy
    const int and_ = at("    (and") + 4;
    EXPECT_EQ(view.StyleAt(and_), grey);
    EXPECT_EQ(view.StyleAt(and_ + 1), navy);
    EXPECT_EQ(view.StyleAt(and_ + 3), navy);
    EXPECT_EQ(view.StyleAt(and_ - 1), plain);
    const int fact = at("(true)", and_);
    EXPECT_EQ(view.StyleAt(fact), grey);
    EXPECT_EQ(view.StyleAt(fact + 1), blue);
    EXPECT_EQ(view.StyleAt(fact + 5), grey);
    EXPECT_EQ(view.StyleAt(at(";(true)")), green);
    EXPECT_EQ(view.StyleAt(at("=>")), grey);
    // a ";" that ends the text starts no comment
    EXPECT_EQ(view.StyleAt(shown.size() - 1), plain);

    ScriptPreviewWindow uncoloured(PreviewText{text, false});
    uncoloured.show();
    QApplication::processEvents();
    EXPECT_EQ(uncoloured.TextArea()->StyleAt(and_ + 1), plain);
    EXPECT_EQ(uncoloured.TextArea()->toPlainText(), shown);

    // A root without rules previews as an empty text.
    ScriptPreviewWindow empty(PreviewText{QString(), true});
    empty.show();
    QApplication::processEvents();
    QTest::keyClick(empty.TextArea(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(empty.TextArea()->SelectedText(), QString());
    EXPECT_EQ(empty.TextArea()->LineCount(), 1);
}

// The view lays out only what is on the screen, yet it scrolls over the
// whole text and selects and copies what the mouse marks.
TEST(ScriptPreviewWindow, ScrollsSelectsAndCopiesTheWholeText) {
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("(defrule  ;%1\r\n").arg(i);
    const QString wide = QStringLiteral("あ").repeated(200);
    text += QStringLiteral("x").repeated(300) + QStringLiteral("\r") + wide;
    ScriptPreviewWindow window(PreviewText{text, true});
    window.show();
    QApplication::processEvents();
    ScriptView& view = *window.TextArea();
    ASSERT_EQ(view.LineCount(), 3002);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    EXPECT_GT(view.verticalScrollBar()->maximum(), 2900);
    // Scrolled to the right end, the widest line ends on the screen: its
    // Japanese characters take two cells each.
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    const QRect last = view.CharacterRect(view.toPlainText().size() - 1);
    EXPECT_TRUE(view.viewport()->rect().contains(last)) << last.x();

    // A drag from one line into the next, then Ctrl+C: LF between lines.
    QTest::keyClick(&view, Qt::Key_Home);
    view.horizontalScrollBar()->setValue(0);
    QWidget* area = view.viewport();
    // Just right of where a character starts: the place before it.
    const auto before = [&](int offset) {
        return view.CharacterRect(offset).topLeft() + QPoint(1, 4);
    };
    const QPoint from = before(1), to = before(17);
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, area->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, to);
    EXPECT_EQ(view.SelectedText(), QStringLiteral("defrule  ;0\n(def"));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("defrule  ;0\n(def"));
    // Shift-click moves the end and keeps the start.
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, before(3));
    EXPECT_EQ(view.SelectedText(), QStringLiteral("de"));
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(view.SelectedText(), QStringLiteral("defrule  ;0\n(de"));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), view.toPlainText());
    EXPECT_FALSE(view.toPlainText().contains(QLatin1Char('\r')));
}

TEST(ScriptPreviewWindow, JapaneseTakesTwoLatinCells) {
    // Comments align by their width in the script, where a Japanese
    // character counts two; the font must draw it so, bold or not.
    QFont font = ScriptPreviewWindow::ScriptFont();
    for (bool bold : {false, true}) {
        font.setBold(bold);
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.horizontalAdvance(QLatin1Char('x'));
        EXPECT_GT(cell, 0);
        for (const QString& wide : {QStringLiteral("あ"), QStringLiteral("漢"),
                                    QStringLiteral("％"), QStringLiteral("■")})
            EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(wide), 2 * cell) << wide.toStdString();
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("ｶ")), cell);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("(;")), 2 * cell);
    }
    EXPECT_TRUE(ScriptPreviewWindow::BoldKeepsWidth(ScriptPreviewWindow::ScriptFont()));
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class FrmPerBuild : public testing::Test {
protected:
    void SetUp() override {
        QFile old(folder_.filePath(QStringLiteral("mybot.per")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(kOld);
        old.close();
        dialog_.show();
    }

    // Starts a build and stops it at once, by `stop`.
    void StartAndStop(const std::function<void()>& stop) {
        QSignalSpy finished(&dialog_, &FrmPer::BuildFinished);
        dialog_.StartButton()->click();
        ASSERT_TRUE(dialog_.IsBuilding());
        stop();
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_FALSE(dialog_.IsBuilding());
        EXPECT_EQ(dialog_.StatusLabel()->text(), kBuildCancelled);
        EXPECT_TRUE(dialog_.isVisible());
        EXPECT_TRUE(dialogs_.informed.isEmpty());
        // nothing written, nothing left looking done
        EXPECT_EQ(Read(folder_.filePath(QStringLiteral("mybot.per"))), kOld);
        EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("mybot.ai"))));
        EXPECT_EQ(dialog_.RuleProgressBar()->value(), 0);
        EXPECT_EQ(dialog_.RowProgressBar()->value(), 0);
        EXPECT_TRUE(dialog_.StartButton()->isVisible());
        EXPECT_TRUE(dialog_.StartButton()->isEnabled());
        EXPECT_TRUE(dialog_.NameBox()->isEnabled());
        EXPECT_EQ(dialog_.CancelButton()->text(), QStringLiteral("キャンセル"));
    }

    const QByteArray kOld = "old script\r\n";
    const Project project_ = test::RootProject(1000);
    QTemporaryDir folder_;
    FakeDialogs dialogs_;
    const Workspace work_{project_};
    FrmPer dialog_{dialogs_, work_, folder_.path(), {}};
};

TEST_F(FrmPerBuild, CancelWritesNothingAndTheNextStartWritesWhatTheCommandLineWrites) {
    StartAndStop([&] { dialog_.CancelButton()->click(); });

    QSignalSpy finished(&dialog_, &FrmPer::BuildFinished);
    dialog_.StartButton()->click();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(dialog_.StatusLabel()->text(), kBuildSucceeded);
    EXPECT_EQ(dialog_.RuleProgressBar()->value(), dialog_.RuleProgressBar()->maximum());

    QTemporaryDir cliFolder;
    const QString projectPath = cliFolder.filePath(QStringLiteral("large.rwp"));
    ASSERT_TRUE(SaveProjectFile(project_, projectPath, false).ok);
    ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty());
    QProcess cli;
    cli.start(qEnvironmentVariable("RW_CLI"),
              {QStringLiteral("build"), projectPath, QStringLiteral("--out"), cliFolder.path()});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QByteArray expected = Read(cliFolder.filePath(QStringLiteral("mybot.per")));
    EXPECT_GT(expected.size(), 1000 * 1000);
    EXPECT_EQ(Read(folder_.filePath(QStringLiteral("mybot.per"))), expected);
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("mybot.ai"))));
}

TEST_F(FrmPerBuild, ClosingTheWindowDuringABuildCancelsIt) {
    StartAndStop([&] { dialog_.close(); });
    StartAndStop([&] { QTest::keyClick(&dialog_, Qt::Key_Escape); });
    // once nothing runs, the close box closes
    dialog_.close();
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(FrmPerBuild, ARefusedBuildLeavesTheBarsEmpty) {
    Project unwritable = test::RootProject(50);
    unwritable.CategoryAt(1).entries[49].title = QStringLiteral("€");
    const Workspace work(unwritable);
    FrmPer dialog(dialogs_, work, folder_.path(), {});
    QSignalSpy finished(&dialog, &FrmPer::BuildFinished);
    dialog.StartButton()->click();
    ASSERT_TRUE(finished.wait(10000));
    // What cannot be written at all is an error; the question whether to
    // write anyway is not asked.
    EXPECT_TRUE(dialogs_.asked.isEmpty());
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_TRUE(dialogs_.informed[0].text.contains(QStringLiteral("€")));
    EXPECT_EQ(dialog.RuleProgressBar()->value(), 0);
    EXPECT_EQ(dialog.RowProgressBar()->value(), 0);
    EXPECT_EQ(Read(folder_.filePath(QStringLiteral("mybot.per"))), kOld);
}

} // namespace
} // namespace rw

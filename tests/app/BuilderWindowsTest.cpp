#include "FakeDialogs.h"

#include "builder/FrmPer.h"
#include "builder/InitSettingsDialog.h"
#include "builder/OutputFiles.h"
#include "builder/ProjectSettingsDialog.h"
#include "builder/ScriptPreviewWindow.h"
#include "shell/MainWindow.h"
#include "shell/WineGameSystem.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace rw {
namespace {

class BuilderWindowsTest : public testing::Test {
protected:
    void SetUp() override {
        QDir(folder_.path()).mkpath(QStringLiteral("Template"));
        // A Wine prefix without the game: no AI folder is found.
        window_ = std::make_unique<MainWindow>(dialogs_, folder_.path(),
                                               std::make_unique<WineGameSystem>(prefix_.path()));
        window_->Start();
        window_->show();
    }

    void Trigger(const char* name) {
        QAction* action = window_->Action(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    const Project& CurrentProject() { return window_->Work().CurrentProject(); }

    QTemporaryDir folder_;
    QTemporaryDir prefix_;
    FakeDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
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

        per->StartButton()->click();
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

TEST_F(BuilderWindowsTest, PerDialogWithoutRulesShowsTheRefusalAndCanStartAgain) {
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* per = qobject_cast<FrmPer*>(&dialog);
        if (!per)
            return int(QDialog::Rejected);
        per->StartButton()->click();
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
    EXPECT_EQ(CurrentProject().variables[3].description, QStringLiteral("gold"));
    EXPECT_EQ(CurrentProject().timers[1].name, QStringLiteral("TIMER_1X"));
    EXPECT_EQ(CurrentProject().title, QStringLiteral("強いAI"));
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
        EXPECT_EQ(CurrentProject().variables[1].constName, QStringLiteral("MY"));
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
    EXPECT_EQ(CurrentProject().variables[1].constName, QStringLiteral("MEMORY_1"));
    ASSERT_EQ(dialogs_.informed.size(), 2);
    EXPECT_EQ(dialogs_.informed[0].text,
              QStringLiteral("名前は英字で始め、英字・数字・「-」・「_」だけで付けてください"));
    EXPECT_EQ(dialogs_.informed[1].text,
              QStringLiteral("「food」はゲームの語なので名前に使えません"));
}

TEST_F(BuilderWindowsTest, InitSettingsApplyOnOkOnly) {
    const StartupRule before = CurrentProject().startupRules[0];
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* init = qobject_cast<InitSettingsDialog*>(&dialog);
        if (!init)
            return int(QDialog::Rejected);
        init->PrecisionBox()->setText(QStringLiteral("20"));
        return int(QDialog::Rejected);
    };
    Trigger("settings.startup");
    EXPECT_EQ(CurrentProject().startupRules[0], before);

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
    EXPECT_EQ(CurrentProject().startupRules[0].options, QStringLiteral("1,-1,0,15"));
    EXPECT_EQ(CurrentProject().startupRules[1].options, QStringLiteral("0,0,1,-1,20,20,20"));
    EXPECT_FALSE(CurrentProject().startupRules[1].text.contains(
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
        EXPECT_EQ(preview->TextArea()->lineWrapMode(), QTextEdit::NoWrap);
        shown = preview->TextArea()->toPlainText();
        return int(QDialog::Rejected);
    };
    Trigger("rule.showScript");
    EXPECT_TRUE(shown.contains(QStringLiteral("(defrule"))) << shown.toStdString();
    EXPECT_FALSE(CurrentProject().categories[0].entries.isEmpty());
    EXPECT_EQ(window_->StatusPanel(4)->text(), QString());
}

} // namespace
} // namespace rw

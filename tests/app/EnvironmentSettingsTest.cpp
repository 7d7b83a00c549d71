#include "WindowFixture.h"

#include "builder/EnvironmentSettingsDialog.h"
#include "builder/FrmPer.h"
#include "builder/ScriptPreviewWindow.h"
#include "shell/Preferences.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace rw {
namespace {

class EnvironmentSettingsTest : public WindowFixture {
protected:
    void SetUp() override {
        SaveEnvironmentSettings({});
        StartWindow();
    }
    void TearDown() override { SaveEnvironmentSettings({}); }
};

enum class Closing { Ok, Cancel, CloseBox };

struct ClosingCase {
    const char* name;
    Closing closing;
    bool kept;
};

class EnvironmentDialogClosing : public EnvironmentSettingsTest,
                                 public testing::WithParamInterface<ClosingCase> {};

TEST_P(EnvironmentDialogClosing, OnlyOkKeepsTheChoices) {
    const ClosingCase& c = GetParam();
    EnvironmentSettings changed;
    changed.projectHeader = false;
    changed.comments = false;
    changed.debugChat = true;
    bool shown = false;
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* env = qobject_cast<EnvironmentSettingsDialog*>(&dialog);
        if (!env)
            return int(QDialog::Rejected);
        shown = true;
        EXPECT_EQ(env->windowTitle(), QStringLiteral("環境の設定"));
        EXPECT_EQ(env->HeaderBox()->text(), QStringLiteral("プロジェクトヘッダを出力"));
        EXPECT_EQ(env->CommentsBox()->text(), QStringLiteral("コメントを出力する"));
        EXPECT_EQ(env->DebugChatBox()->text(), QStringLiteral("デバッグ用チャットを出力する"));
        EXPECT_EQ(env->OkButton()->text(), QStringLiteral("OK"));
        EXPECT_EQ(env->CancelButton()->text(), QStringLiteral("キャンセル"));
        // The defaults: header and comments on, debug chat off.
        EXPECT_TRUE(env->HeaderBox()->isChecked());
        EXPECT_TRUE(env->CommentsBox()->isChecked());
        EXPECT_FALSE(env->DebugChatBox()->isChecked());
        env->HeaderBox()->click();
        env->CommentsBox()->click();
        env->DebugChatBox()->click();
        EXPECT_EQ(env->Values(), changed);
        env->show();
        switch (c.closing) {
        case Closing::Ok:
            env->OkButton()->click();
            break;
        case Closing::Cancel:
            env->CancelButton()->click();
            break;
        case Closing::CloseBox:
            env->close();
            break;
        }
        EXPECT_FALSE(env->isVisible());
        return env->result();
    };
    Trigger("settings.environment");
    ASSERT_TRUE(shown);
    EXPECT_EQ(LoadEnvironmentSettings(), c.kept ? changed : EnvironmentSettings{});

    // The next opening shows what is kept.
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* env = qobject_cast<EnvironmentSettingsDialog*>(&dialog);
        EXPECT_NE(env, nullptr);
        if (env) {
            EXPECT_EQ(env->Values(), LoadEnvironmentSettings());
        }
        return int(QDialog::Rejected);
    };
    Trigger("settings.environment");
}

INSTANTIATE_TEST_SUITE_P(Closings, EnvironmentDialogClosing,
                         testing::Values(ClosingCase{"Ok", Closing::Ok, true},
                                         ClosingCase{"Cancel", Closing::Cancel, false},
                                         ClosingCase{"CloseBox", Closing::CloseBox, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EnvironmentSettingsTest, GenerationAndPreviewWriteWithThePreferences) {
    EnvironmentSettings settings;
    settings.projectHeader = false;
    settings.debugChat = true;
    SaveEnvironmentSettings(settings);
    Trigger("ruleTool.newRule");

    QString preview;
    dialogs_.onRun = [&](QDialog& dialog) {
        if (auto* shown = qobject_cast<ScriptPreviewWindow*>(&dialog))
            preview = shown->TextArea()->toPlainText();
        return int(QDialog::Rejected);
    };
    Trigger("rule.showScript");
    EXPECT_TRUE(preview.contains(QStringLiteral("(chat-local-to-self \"[建物] ")))
        << preview.toStdString();

    dialogs_.onRun = [&](QDialog& dialog) {
        if (auto* per = qobject_cast<FrmPer*>(&dialog)) {
            QSignalSpy finished(per, &FrmPer::BuildFinished);
            per->StartButton()->click();
            EXPECT_TRUE(finished.wait(10000));
        }
        return int(QDialog::Rejected);
    };
    Trigger("file.buildPer");
    QFile per(FilePath("mybot.per"));
    ASSERT_TRUE(per.open(QIODevice::ReadOnly));
    const QByteArray bytes = per.readAll();
    EXPECT_TRUE(bytes.startsWith("(defconst MEMORY_1 1)\r\n"));
    EXPECT_TRUE(bytes.contains("(chat-local-to-self"));
}

TEST(QtTranslation, StandardButtonsAndFileDialogsReadJapanese) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok}) {
        const QString text = box.button(button)->text();
        EXPECT_FALSE(text.contains(QLatin1String("Yes")) || text.contains(QLatin1String("No")) ||
                     text.contains(QLatin1String("Cancel")))
            << text.toStdString();
    }
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("キャンセル")));

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (QLabel* label : files.findChildren<QLabel*>())
        labels << label->text().remove(QLatin1Char('&'));
    const QString shown = labels.join(QLatin1Char(' '));
    EXPECT_FALSE(shown.contains(QLatin1String("Look in"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("File name"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("Files of type"))) << shown.toStdString();
}

} // namespace
} // namespace rw

#include "WindowFixture.h"

#include "builder/FrmPer.h"
#include "conditions/FrmIf.h"
#include "events/EventPanels.h"
#include "rules/RuleOptionsBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

namespace rw {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A project made through the window only — tabs, toolbars, panels, the
// condition editor, the rule options — saved, and generated through the PER
// dialog, gives the same script as the command line gives for the saved file.
class WindowSessionTest : public WindowFixture {
protected:
    QWidget* Control(PanelControl control) { return window_->Panels()->Control(control); }
    void Choose(QComboBox* picker, int index) {
        ASSERT_TRUE(picker->isVisible());
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }
    void Choose(PanelControl control, int index) {
        Choose(qobject_cast<QComboBox*>(Control(control)), index);
    }
    void Type(QLineEdit* box, const QString& text) {
        ASSERT_TRUE(box->isVisible());
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void Type(PanelControl control, const QString& text) {
        Type(qobject_cast<QLineEdit*>(Control(control)), text);
    }
    void Tick(QCheckBox* box) {
        ASSERT_TRUE(box->isVisible() && box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
    }
};

TEST_F(WindowSessionTest, ScriptOfAProjectMadeInTheWindowEqualsTheCommandLines) {
    const QString cli = qEnvironmentVariable("RW_CLI");
    if (cli.isEmpty())
        GTEST_SKIP() << "RW_CLI is not set";
    StartWindow();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    dialogs_.onRun = [this](QDialog& dialog) {
        if (auto* editor = qobject_cast<FrmIf*>(&dialog)) {
            editor->ConfirmButton()->click(); // 木が100以上のとき
        } else if (auto* per = qobject_cast<FrmPer*>(&dialog)) {
            per->NameBox()->setText(QStringLiteral("session"));
            QSignalSpy finished(per, &FrmPer::BuildFinished);
            per->StartButton()->click();
            EXPECT_TRUE(finished.wait(10000));
        }
        return int(QDialog::Rejected);
    };

    // 建物: a castle built forward when there is wood.
    ClickTab(1);
    Trigger("ruleTool.newRule");
    auto* buildings = qobject_cast<QComboBox*>(Control(PanelControl::BuildingPicker));
    Choose(buildings, buildings->findText(QStringLiteral("城")));
    Tick(qobject_cast<QCheckBox*>(Control(PanelControl::BuildForward)));
    Trigger("conditionTool.add");

    // 資源: gatherer percentages from a box and a spinner.
    ClickTab(4);
    Trigger("ruleTool.newRule");
    Type(PanelControl::WoodBox, QStringLiteral("40"));
    window_->Panels()->Spinner(2)->stepUp();

    // 攻撃: four groups, once.
    ClickTab(5);
    Trigger("ruleTool.newRule");
    Choose(PanelControl::AttackKind, 2);
    Type(PanelControl::GroupCount, QStringLiteral("4"));
    Tick(window_->Options()->RunOnce());

    // 範囲: a group of its own with a rule that sets a variable and chats.
    ClickTab(6);
    Trigger("ruleTool.newGroup");
    Trigger("ruleTool.newRule");
    Choose(PanelControl::RangeKind, 3);
    Type(PanelControl::Distance, QStringLiteral("20"));
    Choose(window_->Options()->VariablePicker(), 2);
    Type(window_->Options()->VariableValue(), QStringLiteral("5"));
    Tick(window_->Options()->TestMessage());
    Trigger("condition.not");

    ASSERT_TRUE(dialogs_.informed.isEmpty()) << dialogs_.informed[0].text.toStdString();
    const QString saved = FilePath("session.rwp");
    dialogs_.files << saved;
    Trigger("file.saveAs");
    ASSERT_FALSE(Work().IsModified());
    Trigger("file.buildPer");
    const QByteArray fromWindow = ReadAll(FilePath("session.per"));
    ASSERT_TRUE(fromWindow.contains("(build-forward castle)"));
    ASSERT_TRUE(fromWindow.contains("sn-number-attack-groups 4"));

    QTemporaryDir out;
    QProcess process;
    process.start(cli, {QStringLiteral("build"), saved, QStringLiteral("--out"), out.path(),
                        QStringLiteral("--name"), QStringLiteral("session")});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(fromWindow, ReadAll(out.filePath(QStringLiteral("session.per"))));
}

} // namespace
} // namespace rw

#include "WindowFixture.h"

#include "events/FrmFree.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace rw {
namespace {

class FrmFreeTest : public WindowFixture {
protected:
    // The window on a new rule of the free category.
    void SetUp() override {
        StartWindow();
        ClickTab(7);
        Trigger("ruleTool.newRule");
    }

    // Runs `drive` on the dialog the next command shows.
    void OnDialog(std::function<void(FrmFree&)> drive) { OnDialogOf<FrmFree>(std::move(drive)); }
    static QComboBox* Picker(FrmFree& dialog, const char* name) {
        auto* picker = dialog.findChild<QComboBox*>(QLatin1String(name));
        EXPECT_NE(picker, nullptr) << name;
        return picker;
    }
    static QLineEdit* Box(FrmFree& dialog, const char* name) {
        auto* box = dialog.findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    const RuleEntry& Rule() { return SelectedRule(); }
};

TEST_F(FrmFreeTest, AddsAnEventAndChangesItAgainFromTheTree) {
    OnDialog([](FrmFree& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("フリーイベント"));
        EXPECT_EQ(dialog.ConfirmButton()->text(), QStringLiteral("追加(&A)"));
        dialog.Tabs()->setCurrentIndex(10);
        Picker(dialog, "diplomacy.player")->setCurrentIndex(1);
        Picker(dialog, "diplomacy.stance")->setCurrentIndex(2);
        EXPECT_EQ(dialog.CaptionLabel()->text(),
                  QStringLiteral("Player2の外交政策を敵対に変更します"));
        EXPECT_EQ(dialog.CommandLabel()->text(), QStringLiteral("set-stance 2 enemy"));
        dialog.ConfirmButton()->click();
    });
    Trigger("freeTool.add");
    EXPECT_EQ(Rule().panel1, QStringLiteral("Player2の外交政策を敵対に変更します"));
    EXPECT_EQ(Rule().panel3, QStringLiteral("11)1)2"));
    EXPECT_TRUE(window_->Action(QStringLiteral("event.edit"))->isEnabled());

    OnDialog([](FrmFree& dialog) {
        EXPECT_EQ(dialog.ConfirmButton()->text(), QStringLiteral("変更(&M)"));
        EXPECT_EQ(dialog.Tabs()->currentIndex(), 10);
        EXPECT_EQ(Picker(dialog, "diplomacy.player")->currentIndex(), 1);
        Picker(dialog, "diplomacy.stance")->setCurrentIndex(0);
        dialog.ConfirmButton()->click();
    });
    auto* tree = window_->findChild<QTreeWidget*>(QStringLiteral("freeEvents"));
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* node = tree->topLevelItem(0);
    const QPoint at = tree->visualItemRect(node).center();
    // The view opens an item only on the second click of a press it saw.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Rule().panel2, QStringLiteral("set-stance 2 ally"));
    EXPECT_TRUE(Rule().actions.startsWith(
        QStringLiteral("(set-stance 2 ally);Player2の外交政策を同盟に変更します")));
}

TEST_F(FrmFreeTest, RefusedInputStaysAndTheCloseBoxKeepsItUntilCancel) {
    OnDialog([](FrmFree& dialog) {
        QLineEdit* text = Box(dialog, "chat.text");
        EXPECT_EQ(text->text(), QStringLiteral("メッセージを表示します"));
        QTest::keyClicks(text, QStringLiteral(";"));
        EXPECT_EQ(dialog.CommandLabel()->text(), QStringLiteral("Err!!"));
        dialog.ConfirmButton()->click();
        EXPECT_FALSE(dialog.Settled());
        dialog.reject(); // the close box
    });
    Trigger("event.add");
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0].text, QStringLiteral("入力が正しくありません"));
    EXPECT_TRUE(Rule().panel1.isEmpty());

    OnDialog([](FrmFree& dialog) {
        EXPECT_EQ(Box(dialog, "chat.text")->text(), QStringLiteral("メッセージを表示します;"));
        dialog.Tabs()->setCurrentIndex(11);
        dialog.CancelButton()->click();
    });
    Trigger("event.add");

    OnDialog([](FrmFree& dialog) {
        EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
        EXPECT_EQ(Box(dialog, "chat.text")->text(), QStringLiteral("メッセージを表示します"));
    });
    Trigger("event.add"); // ends without a button: kept as by the close box
    EXPECT_TRUE(Rule().panel1.isEmpty());
    EXPECT_EQ(dialogs_.informed.size(), 1);
}

// A screen reader names a box by its own name or by the label that points
// at it; a box with neither is read out as an unnamed edit.
TEST_F(FrmFreeTest, EveryInputOfEveryPageHasAName) {
    OnDialog([](FrmFree& dialog) {
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        auto named = [&labels](QWidget* input) {
            if (!input->accessibleName().isEmpty())
                return true;
            for (const QLabel* label : labels)
                if (label->buddy() == input && !label->text().isEmpty())
                    return true;
            // A box alone in a titled frame is named by the frame.
            auto* frame = qobject_cast<QGroupBox*>(input->parentWidget());
            return frame && !frame->title().isEmpty();
        };
        for (int tab = 0; tab < dialog.Tabs()->count(); ++tab) {
            QWidget* page = dialog.Tabs()->widget(tab);
            for (QWidget* input : page->findChildren<QWidget*>())
                if ((qobject_cast<QComboBox*>(input) || qobject_cast<QLineEdit*>(input)) &&
                    input->isVisibleTo(page)) {
                    EXPECT_TRUE(named(input)) << dialog.Tabs()->tabText(tab).toStdString() << " "
                                              << input->objectName().toStdString();
                }
        }
        dialog.CancelButton()->click();
    });
    Trigger("freeTool.add");
}

} // namespace
} // namespace rw

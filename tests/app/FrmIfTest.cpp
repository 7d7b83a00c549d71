#include "WindowFixture.h"

#include "conditions/ConditionTree.h"
#include "conditions/FrmIf.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>

namespace rw {
namespace {

class FrmIfTest : public WindowFixture {
protected:
    void SetUp() override {
        StartWindow();
        Trigger("ruleTool.newRule");
    }

    // Runs `drive` on the dialog when it is shown; answers how it closed.
    void OnDialog(std::function<void(FrmIf&)> drive) { OnDialogOf<FrmIf>(std::move(drive)); }
    const ConditionList& List() { return window_->Work().Conditions(); }
    void DoubleClick(const QString& caption) {
        ConditionTree* tree = window_->Conditions();
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->text(0) == caption) {
                const QPoint at = tree->visualItemRect(*it).center();
                // A real double click: press, release, then the double-click event.
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        }
        ADD_FAILURE() << "no node " << caption.toStdString();
    }
};

TEST_F(FrmIfTest, ToolbarAddRefusesAnInvalidAmountThenAppendsTheFact) {
    const int before = List().Size();
    OnDialog([this](FrmIf& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("条件の追加"));
        EXPECT_EQ(dialog.ConfirmButton()->text(), QStringLiteral("追加(&A)"));
        EXPECT_EQ(dialog.CancelButton()->text(), QStringLiteral("キャンセル"));
        EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
        EXPECT_EQ(dialog.CaptionLabel()->text(), QStringLiteral("木が100以上のとき"));

        dialog.NumberBox(1)->setText(QStringLiteral("abc"));
        EXPECT_EQ(dialog.CaptionLabel()->text(),
                  QStringLiteral("データの数は、数字を入力してください"));
        dialog.ConfirmButton()->click();
        ASSERT_EQ(dialogs_.informed.size(), 1);
        EXPECT_EQ(dialogs_.informed[0].text, QStringLiteral("入力が正しくありません"));
        EXPECT_EQ(dialog.result(), int(QDialog::Rejected)); // still open

        dialog.NumberBox(1)->setText(QStringLiteral("200"));
        dialog.PickerBox(1, 0)->setCurrentIndex(3); // 石
        dialog.PickerBox(1, 2)->setCurrentIndex(1); // 以下
        EXPECT_EQ(dialog.CaptionLabel()->text(), QStringLiteral("石が200以下のとき"));
        dialog.ConfirmButton()->click();
    });
    Trigger("conditionTool.add");
    EXPECT_EQ(shown_, 1);
    ASSERT_EQ(List().Size(), before + 1);
    const ConditionEntry& added = List().At(List().Size());
    EXPECT_EQ(added.cap, QStringLiteral("石が200以下のとき"));
    EXPECT_EQ(added.editdat, QStringLiteral("1\\3\\200\\1"));
    EXPECT_EQ(added.script, QStringLiteral("stone-amount <= 200"));
    EXPECT_EQ(List().Selected(), List().Size());
    EXPECT_TRUE(window_->Work().SelectedEntry()->conditions.contains(
        QStringLiteral("stone-amount <= 200")));
}

TEST_F(FrmIfTest, DoubleClickRefillsTheEntryAndChangesItInPlace) {
    OnDialog([](FrmIf& dialog) {
        dialog.Tabs()->setCurrentIndex(4); // 人口
        dialog.NumberBox(5)->setText(QStringLiteral("60"));
        dialog.ConfirmButton()->click();
    });
    Trigger("condition.add");
    const int size = List().Size();
    const int position = size;
    ASSERT_EQ(List().At(position).cap, QStringLiteral("総人口が60以上のとき"));

    // Cancelling a change leaves the entry as it was.
    OnDialog([](FrmIf& dialog) {
        dialog.NumberBox(5)->setText(QStringLiteral("99"));
        dialog.CancelButton()->click();
    });
    DoubleClick(QStringLiteral("総人口が60以上のとき"));
    ASSERT_EQ(shown_, 2);
    EXPECT_EQ(List().At(position).cap, QStringLiteral("総人口が60以上のとき"));

    OnDialog([](FrmIf& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("条件の変更"));
        EXPECT_EQ(dialog.ConfirmButton()->text(), QStringLiteral("変更(&M)"));
        EXPECT_EQ(dialog.Tabs()->currentIndex(), 4);
        EXPECT_EQ(dialog.NumberBox(5)->text(), QStringLiteral("60"));
        dialog.PickerBox(5, 0)->setCurrentIndex(1); // 全非軍事ユニット
        dialog.NumberBox(5)->setText(QStringLiteral("80"));
        dialog.ConfirmButton()->click();
    });
    DoubleClick(QStringLiteral("総人口が60以上のとき"));
    ASSERT_EQ(shown_, 3);
    ASSERT_EQ(List().Size(), size);
    EXPECT_EQ(List().At(position).cap, QStringLiteral("全非軍事ユニットが80以上のとき"));
    EXPECT_EQ(List().At(position).script, QStringLiteral("civilian-population >= 80"));
    EXPECT_EQ(List().Selected(), position);
}

// The pickers with a description beside them (変数/乱数, タイマー) are
// named by their labels like every other input.
TEST_F(FrmIfTest, EveryInputOfEveryTabHasAName) {
    OnDialog([](FrmIf& dialog) {
        EXPECT_EQ(UnnamedInputs(&dialog), QStringList());
        dialog.CancelButton()->click();
    });
    Trigger("conditionTool.add");
}

} // namespace
} // namespace rw

#pragma once

#include "FakeDialogs.h"

#include "rules/RuleTree.h"
#include "shell/MainWindow.h"
#include "shell/WineGameSystem.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rw {

// The inputs under `root` that a screen reader would read out without a
// name: boxes, pickers, spinners, check boxes and option buttons with neither
// a name of their own nor a label that points at them. (On Linux a picker's
// accessible name is its current text; its label comes by relation.) Hidden
// inputs count: they are shown sooner or later.
inline QStringList UnnamedInputs(QWidget* root) {
    QStringList unnamed;
    for (QWidget* input : root->findChildren<QWidget*>()) {
        const bool inner = qobject_cast<QAbstractSpinBox*>(input->parentWidget()) ||
                           qobject_cast<QComboBox*>(input->parentWidget());
        const bool picker = qobject_cast<QComboBox*>(input);
        if (inner ||
            !(picker || qobject_cast<QLineEdit*>(input) || qobject_cast<QAbstractSpinBox*>(input) ||
              qobject_cast<QCheckBox*>(input) || qobject_cast<QRadioButton*>(input)))
            continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(input);
        const bool named =
            node && (!input->accessibleName().trimmed().isEmpty() ||
                     !node->relations(QAccessible::Label).isEmpty() ||
                     (!picker && !node->text(QAccessible::Name).trimmed().isEmpty()));
        if (!named)
            unnamed << QString::fromLatin1(input->metaObject()->className()) + QLatin1Char(' ') +
                           input->objectName();
    }
    return unnamed;
}

// A started main window over a program folder of its own (with its template
// folder unless told otherwise) and a Wine prefix with nothing installed;
// its questions are answered by FakeDialogs.
class WindowFixture : public testing::Test {
protected:
    void StartWindow(bool withTemplateFolder = true, QScreen* screen = nullptr) {
        if (withTemplateFolder)
            QDir(folder_.path()).mkpath(QStringLiteral("Template"));
        StartWindowIn(folder_.path(), screen);
    }
    // The window as started from `programFolder`, on `screen` when given.
    void StartWindowIn(const QString& programFolder, QScreen* screen = nullptr) {
        window_ = std::make_unique<MainWindow>(dialogs_, programFolder,
                                               std::make_unique<WineGameSystem>(prefix_.path()));
        if (screen)
            window_->setScreen(screen);
        window_->Start();
        window_->show();
    }

    // Started and given the focus, for tests that type into it.
    void StartActiveWindow() {
        StartWindow();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    MainWindow& Window() { return *window_; }
    Workspace& Work() { return window_->Work(); }
    const Project& CurrentProject() { return Work().CurrentProject(); }
    void Trigger(const char* name) {
        QAction* action = window_->Action(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    bool Enabled(const char* name) { return window_->Action(QLatin1String(name))->isEnabled(); }
    QString Status(int panel) { return window_->StatusPanel(panel)->text(); }
    QString SelectedCaption() { return window_->Rules()->currentItem()->text(0); }
    void ClickTab(int category) { window_->Tabs()->setCurrentIndex(category - 1); }
    void ClickNode(int position) {
        RuleTree* tree = window_->Rules();
        QTreeWidgetItem* item = tree->ItemAt(position);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    }
    // The captions of the rule tree, children indented by two spaces.
    QStringList TreeText() {
        QStringList lines;
        for (int i = 0; i < window_->Rules()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* top = window_->Rules()->topLevelItem(i);
            lines << top->text(0);
            for (int c = 0; c < top->childCount(); ++c)
                lines << QStringLiteral("  ") + top->child(c)->text(0);
        }
        return lines;
    }
    QString FilePath(const char* name) { return folder_.filePath(QString::fromUtf8(name)); }
    const RuleEntry& SelectedRule() { return *Work().SelectedEntry(); }

    // Runs `drive` on the next dialog shown, which must be a `Dialog`;
    // answers how it closed. shown_ counts the dialogs shown so.
    template <class Dialog> void OnDialogOf(std::function<void(Dialog&)> drive) {
        dialogs_.onRun = [this, drive](QDialog& dialog) {
            ++shown_;
            auto* shown = qobject_cast<Dialog*>(&dialog);
            if (!shown) {
                ADD_FAILURE() << "not a " << Dialog::staticMetaObject.className();
                return int(QDialog::Rejected);
            }
            drive(*shown);
            return dialog.result();
        };
    }

    QTemporaryDir folder_;
    QTemporaryDir prefix_;
    FakeDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
    int shown_ = 0;
};

} // namespace rw

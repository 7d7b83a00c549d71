#pragma once

#include "FakeDialogs.h"

#include "rules/RuleTree.h"
#include "shell/MainWindow.h"
#include "shell/WineGameSystem.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace rw {

// A started main window over a program folder of its own (with its template
// folder unless told otherwise) and a Wine prefix with nothing installed;
// its questions are answered by FakeDialogs.
class WindowFixture : public testing::Test {
protected:
    void StartWindow(bool withTemplateFolder = true) {
        if (withTemplateFolder)
            QDir(folder_.path()).mkpath(QStringLiteral("Template"));
        window_ = std::make_unique<MainWindow>(dialogs_, folder_.path(),
                                               std::make_unique<WineGameSystem>(prefix_.path()));
        window_->Start();
        window_->show();
    }

    MainWindow& Window() { return *window_; }
    Workspace& Work() { return window_->Work(); }
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
    QString FilePath(const char* name) { return folder_.filePath(QString::fromUtf8(name)); }
    const RuleEntry& SelectedRule() { return *Work().SelectedEntry(); }

    QTemporaryDir folder_;
    QTemporaryDir prefix_;
    FakeDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace rw

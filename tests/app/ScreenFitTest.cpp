#include "WindowFixture.h"

#include "rules/GroupChoicesView.h"
#include "rules/RuleColumn.h"
#include "shell/Preferences.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

namespace rw {
namespace {

QScreen* ScreenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

// Whether a widget lies inside the scrolled part of a scroll area, where
// being beyond the window's edge only means being scrolled away.
bool Scrolled(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
            area && area->viewport() == w)
            return true;
    return false;
}

class ScreenFit : public WindowFixture, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ForgetWindowMemory();
        screen_ = ScreenNamed(QLatin1String(GetParam()));
        if (!screen_)
            GTEST_SKIP() << "no screen " << GetParam() << " on this platform";
        StartWindow(true, screen_);
        QCoreApplication::processEvents();
    }
    void TearDown() override { ForgetWindowMemory(); }

    bool Large() const { return screen_->geometry().width() >= 1024; }

    // The window stays on the screen, and every widget it shows stands
    // inside it, or inside a scroll area that lets it be reached.
    void ExpectNothingOutside(const char* page) {
        MainWindow& w = Window();
        EXPECT_TRUE(screen_->availableGeometry().contains(w.frameGeometry())) << page;
        const QRect inside = w.rect();
        for (QWidget* widget : w.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&w) || widget->isWindow() || Scrolled(widget))
                continue;
            const QRect at(widget->mapTo(&w, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(inside.contains(at))
                << page << ": " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString() << " at " << at.x() << "," << at.y() << " "
                << at.width() << "x" << at.height();
        }
    }

    // A toolbar shows every one of its commands: none is put away behind "»".
    void ExpectAllTools(const QToolBar* bar) {
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                continue;
            QWidget* button = bar->widgetForAction(action);
            ASSERT_NE(button, nullptr) << action->toolTip().toStdString();
            EXPECT_TRUE(button->isVisible()) << action->toolTip().toStdString();
            EXPECT_TRUE(bar->rect().contains(button->geometry()))
                << action->toolTip().toStdString();
        }
        for (QToolButton* more :
             bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
            EXPECT_FALSE(more->isVisible()) << bar->objectName().toStdString();
    }

    // On a screen of 1024 by 768 and more nothing needs scrolling.
    void ExpectNoScrolling(const QScrollArea* area, const char* page) {
        if (!Large())
            return;
        EXPECT_FALSE(area->verticalScrollBar()->isVisible()) << page;
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << page;
    }

    QScreen* screen_ = nullptr;
};

TEST_P(ScreenFit, OpensWithinTheScreen) {
    const QRect available = screen_->availableGeometry();
    const QRect frame = Window().frameGeometry();
    EXPECT_TRUE(available.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    // Small screens: the top-left corner.
    if (screen_->geometry().width() <= 800) {
        EXPECT_EQ(frame.topLeft(), available.topLeft());
    }
    // Large screens: the size the window was made for.
    if (screen_->geometry().width() >= 1400) {
        EXPECT_EQ(Window().size(), QSize(1120, 760));
    }
}

TEST_P(ScreenFit, EveryPageFitsOrScrolls) {
    ASSERT_FALSE(Window().RuleViewShown());
    ExpectNothingOutside("groups");
    ExpectNoScrolling(Window().GroupPage(), "groups");
    ExpectAllTools(Window().RuleArea()->findChild<QToolBar*>());
    // The group check boxes keep their height however small the screen.
    for (QCheckBox* box : Window().GroupView()->findChildren<QCheckBox*>())
        EXPECT_GE(box->height(), box->minimumSizeHint().height()) << box->text().toStdString();

    for (int category = 1; category <= kCategoryCount; ++category) {
        ClickTab(category);
        Trigger("ruleTool.newRule");
        QCoreApplication::processEvents();
        ASSERT_TRUE(Window().RuleViewShown()) << category;
        const std::string page = "rule page of category " + std::to_string(category);
        ExpectNothingOutside(page.c_str());
        ExpectNoScrolling(Window().RulePage(), page.c_str());
        for (const QToolBar* bar : Window().findChildren<QToolBar*>())
            if (bar->isVisibleTo(&Window()))
                ExpectAllTools(bar);
    }
}

TEST_P(ScreenFit, GeometryAndSplittersAreRememberedBetweenRuns) {
    if (!Large())
        GTEST_SKIP() << "the screen leaves no room to move";
    auto* split = Window().findChild<QSplitter*>(QStringLiteral("splitter.main"));
    ASSERT_NE(split, nullptr);
    const QRect available = screen_->availableGeometry();
    Window().setGeometry(QRect(available.topLeft() + QPoint(40, 50), QSize(900, 600)));
    split->setSizes({400, 480});
    const QList<int> sizes = split->sizes();
    const QRect geometry = Window().geometry();
    Window().close();

    MainWindow again(dialogs_, folder_.path(), std::make_unique<WineGameSystem>(prefix_.path()));
    again.setScreen(screen_);
    again.Start();
    again.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(again.geometry(), geometry);
    EXPECT_EQ(again.findChild<QSplitter*>(QStringLiteral("splitter.main"))->sizes(), sizes);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenFit, testing::Values("800x600", "1024x768", "1400x1000"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace rw

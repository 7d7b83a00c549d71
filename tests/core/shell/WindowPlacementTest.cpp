#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace rw;

namespace {

const QMargins kFrame(4, 30, 4, 4);
const QSize kPreferred(1120, 760);

struct PlacementCase {
    const char* name;
    QRect screen;
    QRect available;
    std::optional<QRect> remembered;
    QPoint framePosition;
    QSize clientSize;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class Placement : public testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, FitsTheAvailableArea) {
    const PlacementCase& c = GetParam();
    const WindowPlacement placed =
        PlaceMainWindow(c.screen, c.available, kFrame, kPreferred, c.remembered);
    EXPECT_EQ(placed.framePosition, c.framePosition);
    EXPECT_EQ(placed.clientSize, c.clientSize);
    // Frame and all, the window lies within the available area.
    const QRect outer(placed.framePosition, placed.clientSize.grownBy(kFrame));
    EXPECT_TRUE(c.available.contains(outer))
        << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Placement,
    testing::Values(
        // First runs: the preferred size where it fits, else the available area.
        PlacementCase{"SmallScreenTopLeft", QRect(0, 0, 800, 600), QRect(0, 0, 800, 570),
                      std::nullopt, QPoint(0, 0), QSize(792, 536)},
        PlacementCase{"MediumScreenCentredAndShrunk", QRect(0, 0, 1024, 768),
                      QRect(0, 0, 1024, 740), std::nullopt, QPoint(0, 0), QSize(1016, 706)},
        PlacementCase{"LargeScreenPreferredCentred", QRect(0, 0, 1400, 1000),
                      QRect(0, 0, 1400, 1000), std::nullopt, QPoint(136, 103), QSize(1120, 760)},
        // A task bar on the left of a second screen shifts the area.
        PlacementCase{"SecondScreenWithTaskBar", QRect(1400, 0, 800, 600), QRect(1460, 0, 740, 600),
                      std::nullopt, QPoint(1460, 0), QSize(732, 566)},
        // Remembered windows keep size and place where they fit...
        PlacementCase{"RememberedFits", QRect(0, 0, 1400, 1000), QRect(0, 0, 1400, 1000),
                      QRect(104, 130, 900, 700), QPoint(100, 100), QSize(900, 700)},
        // ...are pushed back onto a screen that got smaller...
        PlacementCase{"RememberedOnABiggerScreen", QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768),
                      QRect(500, 300, 1300, 900), QPoint(0, 0), QSize(1016, 734)},
        PlacementCase{"RememberedPartlyOff", QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768),
                      QRect(700, 500, 600, 400), QPoint(416, 334), QSize(600, 400)},
        // ...and fetched from a screen that is gone.
        PlacementCase{"RememberedOnAMissingScreen", QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768),
                      QRect(-2000, -50, 640, 480), QPoint(0, 0), QSize(640, 480)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, AnInvalidMemoryCountsAsNone) {
    const QRect screen(0, 0, 1400, 1000);
    EXPECT_EQ(PlaceMainWindow(screen, screen, kFrame, kPreferred, QRect()),
              PlaceMainWindow(screen, screen, kFrame, kPreferred, std::nullopt));
}

} // namespace

// --- which screen ------------------------------------------------------------------

// Two monitors side by side, the second one to the right of the first.
const ScreenArea kLeft{QStringLiteral("DISPLAY1"), QRect(0, 0, 1920, 1080),
                       QRect(0, 0, 1920, 1040)};
const ScreenArea kRight{QStringLiteral("DISPLAY2"), QRect(1920, 0, 2560, 1440),
                        QRect(1920, 0, 2560, 1400)};
const QRect kOnRight(2100, 100, 1000, 700);

struct ScreenCase {
    const char* name;
    QList<ScreenArea> screens;
    std::optional<RememberedWindow> remembered;
    ScreenChoice expected;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class Screens : public testing::TestWithParam<ScreenCase> {};

TEST_P(Screens, WindowGoesBackToTheScreenItWasLeftOn) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(ChooseScreen(c.screens, 0, c.remembered), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, Screens,
    testing::Values(
        ScreenCase{"first run: the primary screen", {kLeft, kRight}, std::nullopt, {0, {}}},
        ScreenCase{"left on the second screen",
                   {kLeft, kRight},
                   RememberedWindow{kOnRight, kRight.name, kRight.geometry},
                   {1, kOnRight}},
        ScreenCase{"the second screen now stands left of the first: same place on it",
                   {ScreenArea{kLeft.name, QRect(2560, 0, 1920, 1080), QRect(2560, 0, 1920, 1040)},
                    ScreenArea{kRight.name, QRect(0, 0, 2560, 1440), QRect(0, 0, 2560, 1400)}},
                   RememberedWindow{kOnRight, kRight.name, kRight.geometry},
                   {1, QRect(180, 100, 1000, 700)}},
        ScreenCase{"the screens were renamed: the one holding most of the window",
                   {ScreenArea{QStringLiteral("A"), kLeft.geometry, kLeft.available},
                    ScreenArea{QStringLiteral("B"), kRight.geometry, kRight.available}},
                   RememberedWindow{QRect(1500, 100, 1000, 700), kLeft.name, kLeft.geometry},
                   {1, QRect(1500, 100, 1000, 700)}},
        ScreenCase{"the second screen is gone: the primary one, as on a first run",
                   {kLeft},
                   RememberedWindow{kOnRight, kRight.name, kRight.geometry},
                   {0, {}}}));

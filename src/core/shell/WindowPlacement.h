#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace rw {

// Where the main window opens. `clientSize` is the window without its frame;
// `framePosition` is where the frame's top-left corner goes.
struct WindowPlacement {
    QPoint framePosition;
    QSize clientSize;

    bool operator==(const WindowPlacement&) const = default;
};

// The main window's place on a screen (`screen` its whole area, `available`
// what the task bars leave), framed by `frame`. A window remembered from the
// last run (its client rectangle) keeps its size and place as far as they
// fit; otherwise the window opens at `preferred`, centred, or in the top-left
// corner of a screen 800 pixels wide or less. Never larger than the
// available area, never beyond it.
WindowPlacement PlaceMainWindow(const QRect& screen, const QRect& available, const QMargins& frame,
                                const QSize& preferred, const std::optional<QRect>& remembered);

// A screen as the window system reports it: its name, its whole area and
// what the task bars leave of it, in the desktop's coordinates.
struct ScreenArea {
    QString name;
    QRect geometry;
    QRect available;
};

// The main window as it was left: its client rectangle (as when not
// maximised) and the screen it was on, with that screen's area then.
struct RememberedWindow {
    QRect geometry;
    QString screen;
    QRect screenGeometry;
};

// Which screen the window opens on, and where on the desktop the remembered
// rectangle now lies.
struct ScreenChoice {
    int screen = 0;
    std::optional<QRect> remembered;

    bool operator==(const ScreenChoice&) const = default;
};

// The window goes back to the screen it was left on, found by its name, at
// the same place on it, wherever that screen now stands in the desktop. A
// screen no longer there gives way to the one that holds most of the
// remembered rectangle, and that to the screen the window opens on by itself
// (`fallback`), where it opens as on a first run. PlaceMainWindow then fits
// it in.
ScreenChoice ChooseScreen(const QList<ScreenArea>& screens, int fallback,
                          const std::optional<RememberedWindow>& remembered);

} // namespace rw

#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

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

} // namespace rw

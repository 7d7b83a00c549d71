#include "shell/WindowPlacement.h"

#include <algorithm>

namespace rw {

namespace {

// `start` moved as little as possible so that [start, start + length)
// lies within [low, low + room); the low end wins when nothing fits.
int Clamp(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

WindowPlacement PlaceMainWindow(const QRect& screen, const QRect& available, const QMargins& frame,
                                const QSize& preferred, const std::optional<QRect>& remembered) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const QSize room(std::max(1, available.width() - frameWidth),
                     std::max(1, available.height() - frameHeight));

    const bool known = remembered && remembered->isValid();
    const QSize client = (known ? remembered->size() : preferred).boundedTo(room);
    const QSize outer(client.width() + frameWidth, client.height() + frameHeight);

    QPoint position;
    if (known)
        position = remembered->topLeft() - QPoint(frame.left(), frame.top());
    else if (screen.width() <= 800)
        position = available.topLeft();
    else
        position = available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                                (available.height() - outer.height()) / 2);
    position.setX(Clamp(position.x(), outer.width(), available.left(), available.width()));
    position.setY(Clamp(position.y(), outer.height(), available.top(), available.height()));
    return WindowPlacement{position, client};
}

ScreenChoice ChooseScreen(const QList<ScreenArea>& screens, int fallback,
                          const std::optional<RememberedWindow>& remembered) {
    if (fallback < 0 || fallback >= screens.size())
        fallback = 0;
    if (!remembered || !remembered->geometry.isValid())
        return ScreenChoice{fallback, std::nullopt};
    const QRect& window = remembered->geometry;

    if (!remembered->screen.isEmpty()) {
        for (int i = 0; i < screens.size(); ++i) {
            if (screens[i].name != remembered->screen)
                continue;
            const QPoint moved = remembered->screenGeometry.isValid()
                                     ? screens[i].geometry.topLeft() -
                                           remembered->screenGeometry.topLeft()
                                     : QPoint();
            return ScreenChoice{i, window.translated(moved)};
        }
    }

    int best = -1;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect common = screens[i].geometry.intersected(window);
        const qint64 area = qint64(common.width()) * common.height();
        if (!common.isEmpty() && area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (best >= 0)
        return ScreenChoice{best, window};
    return ScreenChoice{fallback, std::nullopt};
}

} // namespace rw

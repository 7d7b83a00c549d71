#include "shell/PopupKeys.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace rw {

PopupKeys::PopupKeys(QWidget* widget, Show show)
    : QObject(widget), widget_(widget), show_(std::move(show)) {}

void PopupKeys::Install(QWidget* widget, Show show) {
    widget->installEventFilter(new PopupKeys(widget, std::move(show)));
}

QPoint PopupKeys::Anchor(const QWidget* widget) {
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        const QRect item = view->visualRect(view->currentIndex());
        const QRect shown = item.intersected(view->viewport()->rect());
        if (!shown.isEmpty())
            return view->viewport()->mapToGlobal(shown.bottomLeft() + QPoint(8, 0));
        return view->viewport()->mapToGlobal(view->viewport()->rect().center());
    }
    return widget->mapToGlobal(widget->rect().center());
}

bool PopupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool menuKey = key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            show_(Anchor(widget_));
            return true;
        }
    }
    // Some systems follow the key with a context-menu event of their own;
    // the key has already opened the pop-up.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
        return true;
    return false;
}

} // namespace rw

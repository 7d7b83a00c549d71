#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace rw {

// The keyboard's way to a pop-up menu: the Menu key and Shift+F10 open,
// on a widget that has one, the pop-up a right click opens, placed at the
// current item (or the middle of the widget) instead of the pointer.
class PopupKeys : public QObject {
public:
    using Show = std::function<void(const QPoint& globalPosition)>;

    // Watches `widget` for the keys for as long as it lives.
    static void Install(QWidget* widget, Show show);
    // Where a pop-up opened from the keyboard appears over `widget`.
    static QPoint Anchor(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PopupKeys(QWidget* widget, Show show);

    QWidget* widget_;
    Show show_;
};

} // namespace rw

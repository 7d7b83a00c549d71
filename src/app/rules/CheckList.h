#pragma once

#include <QListWidget>

namespace rw {

// A list of rows that are ticked and cleared, as a screen reader should
// meet it: each row is a list item that says it can be ticked and whether it
// is, and whose Toggle action ticks or clears it exactly as a click on its
// box does (the list's own rows would only be selected by it). Ticks from
// any source reach itemChanged.
class CheckList : public QListWidget {
    Q_OBJECT
public:
    explicit CheckList(QWidget* parent = nullptr);
};

} // namespace rw

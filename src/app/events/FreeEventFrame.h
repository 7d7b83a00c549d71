#pragma once

#include <QWidget>

class QMenu;
class QPoint;
class QTreeWidget;

namespace rw {

class CommandMap;
class EditorHost;

// The free events of the selected rule: the free-event tree under its
// toolbar, and the pop-up "イベント" that offers the same commands.
class FreeEventFrame : public QWidget {
    Q_OBJECT
public:
    FreeEventFrame(EditorHost& host, CommandMap& commands, QWidget* parent = nullptr);

    // Re-reads the tree while a free-event rule is shown.
    void Refresh();

    QTreeWidget* Tree() const { return tree_; }
    QMenu* Popup() const { return popup_; }

private:
    // Brings the pop-up's items up to date, then shows it at `at`.
    void ShowPopup(const QPoint& at);

    EditorHost& host_;
    CommandMap& commands_;
    QTreeWidget* tree_ = nullptr;
    QMenu* popup_ = nullptr;
};

} // namespace rw

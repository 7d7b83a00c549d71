#pragma once

#include <QMenu>

namespace rw {

// "最近使ったファイル(&R)": the projects opened or saved last, newest first,
// as the user's preferences keep them. `none` stands in the menu while it
// is empty.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    RecentFilesMenu(QAction* none, QWidget* parent = nullptr);

    // Puts `path` first (an open or a save as).
    void Remember(const QString& path);
    // Drops `path` (a file no longer there).
    void Forget(const QString& path);
    // Shows the list as kept.
    void Reload();

signals:
    void FileChosen(const QString& path);

private:
    QAction* none_;
};

} // namespace rw

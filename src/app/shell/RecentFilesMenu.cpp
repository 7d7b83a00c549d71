#include "shell/RecentFilesMenu.h"

#include "shell/Preferences.h"
#include "storage/RecentFiles.h"

namespace rw {

RecentFilesMenu::RecentFilesMenu(QAction* none, QWidget* parent)
    : QMenu(QStringLiteral("最近使ったファイル(&R)"), parent), none_(none) {
    setObjectName(QStringLiteral("menu.recent"));
    Reload();
}

void RecentFilesMenu::Remember(const QString& path) {
    SaveRecentFiles(WithRecentFile(LoadRecentFiles(), path));
    Reload();
}

void RecentFilesMenu::Forget(const QString& path) {
    SaveRecentFiles(WithoutRecentFile(LoadRecentFiles(), path));
    Reload();
}

void RecentFilesMenu::Reload() {
    clear();
    const QStringList files = LoadRecentFiles().mid(0, kRecentFileLimit);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = addAction(RecentFileMenuText(i, path));
        entry->setObjectName(QStringLiteral("file.recent.%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] { emit FileChosen(path); });
    }
    if (files.isEmpty())
        addAction(none_);
}

} // namespace rw

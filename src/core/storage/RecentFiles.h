#pragma once

#include <QString>
#include <QStringList>

namespace rw {

// "最近使ったファイル": the project files opened or saved last, newest first.
inline constexpr int kRecentFileLimit = 8;

// The list with `path` put first, once, and cut to the limit.
QStringList WithRecentFile(const QStringList& files, const QString& path);
// The list without `path`.
QStringList WithoutRecentFile(const QStringList& files, const QString& path);
// The menu text of entry `index` (0 first): its number as the mnemonic, then
// the file as the system writes it.
QString RecentFileMenuText(int index, const QString& path);

} // namespace rw

#include "storage/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace rw {

namespace {

QString Normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList WithoutRecentFile(const QStringList& files, const QString& path) {
    const QString wanted = Normalised(path);
    QStringList kept;
    for (const QString& file : files) {
        if (!file.isEmpty() && Normalised(file) != wanted && !kept.contains(file))
            kept << file;
    }
    return kept;
}

QStringList WithRecentFile(const QStringList& files, const QString& path) {
    QStringList list = WithoutRecentFile(files, path);
    list.prepend(Normalised(path));
    return list.mid(0, kRecentFileLimit);
}

QString RecentFileMenuText(int index, const QString& path) {
    // The tenth and later entries would have no digit of their own.
    const QString number =
        index < 9 ? QStringLiteral("&%1 ").arg(index + 1) : QStringLiteral("%1 ").arg(index + 1);
    return number + QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace rw

#include "storage/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace rw {
namespace {

// The list keeps absolute paths: on Windows with the drive letter.
QString P(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

TEST(RecentFiles, NewestFirstOnceAndNoMoreThanEight) {
    QStringList files;
    for (int i = 1; i <= 10; ++i)
        files = WithRecentFile(files, QStringLiteral("/p/%1.rwp").arg(i));
    ASSERT_EQ(files.size(), kRecentFileLimit);
    EXPECT_EQ(files.first(), P("/p/10.rwp"));
    EXPECT_EQ(files.last(), P("/p/3.rwp"));

    // Opened again, by another spelling of the same path: moved up, not doubled.
    files = WithRecentFile(files, QStringLiteral("/p/x/../5.rwp"));
    EXPECT_EQ(files.first(), P("/p/5.rwp"));
    EXPECT_EQ(files.size(), kRecentFileLimit);
    EXPECT_EQ(files.count(P("/p/5.rwp")), 1);

    files = WithoutRecentFile(files, QStringLiteral("/p/5.rwp"));
    EXPECT_FALSE(files.contains(P("/p/5.rwp")));
    EXPECT_EQ(files.size(), kRecentFileLimit - 1);
}

TEST(RecentFiles, MenuTextNumbersTheEntryAndKeepsAmpersands) {
    EXPECT_EQ(RecentFileMenuText(0, QStringLiteral("/p/a&b.rwp")),
              "&1 " + QDir::toNativeSeparators("/p/a&&b.rwp"));
    EXPECT_EQ(RecentFileMenuText(7, QStringLiteral("/p/c.rwp")), "&8 " + QDir::toNativeSeparators("/p/c.rwp"));
}

} // namespace
} // namespace rw

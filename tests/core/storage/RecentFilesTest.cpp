#include "storage/RecentFiles.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(RecentFiles, NewestFirstOnceAndNoMoreThanEight) {
    QStringList files;
    for (int i = 1; i <= 10; ++i)
        files = WithRecentFile(files, QStringLiteral("/p/%1.rwp").arg(i));
    ASSERT_EQ(files.size(), kRecentFileLimit);
    EXPECT_EQ(files.first(), QStringLiteral("/p/10.rwp"));
    EXPECT_EQ(files.last(), QStringLiteral("/p/3.rwp"));

    // Opened again, by another spelling of the same path: moved up, not doubled.
    files = WithRecentFile(files, QStringLiteral("/p/x/../5.rwp"));
    EXPECT_EQ(files.first(), QStringLiteral("/p/5.rwp"));
    EXPECT_EQ(files.size(), kRecentFileLimit);
    EXPECT_EQ(files.count(QStringLiteral("/p/5.rwp")), 1);

    files = WithoutRecentFile(files, QStringLiteral("/p/5.rwp"));
    EXPECT_FALSE(files.contains(QStringLiteral("/p/5.rwp")));
    EXPECT_EQ(files.size(), kRecentFileLimit - 1);
}

TEST(RecentFiles, MenuTextNumbersTheEntryAndKeepsAmpersands) {
    EXPECT_EQ(RecentFileMenuText(0, QStringLiteral("/p/a&b.rwp")),
              QStringLiteral("&1 /p/a&&b.rwp"));
    EXPECT_EQ(RecentFileMenuText(7, QStringLiteral("/p/c.rwp")), QStringLiteral("&8 /p/c.rwp"));
}

} // namespace
} // namespace rw

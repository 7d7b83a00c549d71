#include "core/storage/FullDisk.h"

#include "storage/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/syscall.h>

namespace {
bool failNextSync = false;
bool failChmod = false;
} // namespace

// Likewise fchmod, for a file system that refuses to set a file's mode.
extern "C" int fchmod(int fd, mode_t mode) {
    if (failChmod) {
        errno = EPERM;
        return -1;
    }
    return int(syscall(SYS_fchmod, fd, mode));
}

// Stands in for the C library's fsync in this test program, so that a disk
// that fails to sync can be played; otherwise it is the real call.
extern "C" int fsync(int fd) {
    if (failNextSync) {
        failNextSync = false;
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}

namespace rw {
namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray Pattern(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

QStringList Entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

struct FullDiskRow {
    const char* name;
    qsizetype size;
    rlim_t limit; // bytes the disk still takes
};

void PrintTo(const FullDiskRow& row, std::ostream* os) {
    *os << row.name;
}

class AtomicWriteOnFullDisk : public ::testing::TestWithParam<FullDiskRow> {};

// Below Qt's 16 KiB buffer the bytes only reach the disk when the file is
// flushed; above it the write itself fails, at once or part-way.
TEST_P(AtomicWriteOnFullDisk, FailsWithTheSystemsReasonAndKeepsTheOldFile) {
    const FullDiskRow& row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("project.rwp");
    const QByteArray old = "the old project, complete";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const QByteArray bytes = Pattern(row.size);
    const test::ChildReport report = test::WriteOnFullDisk(row.limit, [&] {
        const FileWriteResult r = WriteFileAtomically(path, bytes);
        return std::make_pair(r.ok, r.reason);
    });
    ASSERT_TRUE(report.finished);
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.text, SystemReason(EFBIG));
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(Entries(dir), QStringList{"project.rwp"}) << "the temporary file is removed";
}

INSTANTIATE_TEST_SUITE_P(
    SizeClasses, AtomicWriteOnFullDisk,
    ::testing::Values(FullDiskRow{"OneByte", 1, 0}, FullDiskRow{"Small15KiB", 15 * 1024, 0},
                      FullDiskRow{"Small15KiBHalfWritten", 15 * 1024, 7 * 1024},
                      FullDiskRow{"Large17KiB", 17 * 1024, 0},
                      FullDiskRow{"Large17KiBHalfWritten", 17 * 1024, 9 * 1024},
                      FullDiskRow{"Large2MB", 2'000'000, 0},
                      FullDiskRow{"Large2MBHalfWritten", 2'000'000, 1'000'000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicWrite, ReplacesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.per");
    for (const qsizetype size : {qsizetype(2'000'000), qsizetype(1), qsizetype(0)}) {
        const QByteArray bytes = Pattern(size);
        const FileWriteResult r = WriteFileAtomically(path, bytes);
        ASSERT_TRUE(r.ok) << r.reason.toStdString();
        EXPECT_TRUE(r.reason.isEmpty());
        EXPECT_EQ(Read(path), bytes);
    }
    EXPECT_EQ(Entries(dir), QStringList{"a.per"});
}

TEST(AtomicWrite, AFailedSyncIsAFailedWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.per");
    ASSERT_TRUE(WriteFileAtomically(path, "old").ok);
    failNextSync = true;
    const FileWriteResult r = WriteFileAtomically(path, "new");
    EXPECT_FALSE(failNextSync) << "the writer syncs";
    failNextSync = false;
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, SystemReason(EIO));
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Entries(dir), QStringList{"a.per"});
}

// The new file keeps the old one's mode, or the write fails and the old
// file stays: never a silently narrowed 0600.
TEST(AtomicWrite, AModeThatCannotBeKeptIsAFailedWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.rwp");
    ASSERT_TRUE(WriteFileAtomically(path, "old").ok);
    const QFileDevice::Permissions groupReadable = QFileDevice::ReadOwner |
                                                   QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                                   QFileDevice::WriteUser | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, groupReadable));

    ASSERT_TRUE(WriteFileAtomically(path, "new").ok);
    EXPECT_EQ(QFileInfo(path).permissions(), groupReadable);

    failChmod = true;
    const FileWriteResult r = WriteFileAtomically(path, "newer");
    failChmod = false;
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.contains(QStringLiteral("アクセス権"))) << r.reason.toStdString();
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(QFileInfo(path).permissions(), groupReadable);
    EXPECT_EQ(Entries(dir), QStringList{"a.rwp"});
}

TEST(AtomicWrite, TargetsThatCannotBeWrittenAreReportedAndLeftAlone) {
    QTemporaryDir dir;
    // a folder that does not exist
    FileWriteResult r = WriteFileAtomically(dir.filePath("missing/a.per"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));

    // a folder standing where the file should go
    ASSERT_TRUE(QDir(dir.path()).mkdir("a.per"));
    r = WriteFileAtomically(dir.filePath("a.per"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("a.per")).isDir());
    EXPECT_EQ(Entries(dir), QStringList{"a.per"});
}

} // namespace
} // namespace rw

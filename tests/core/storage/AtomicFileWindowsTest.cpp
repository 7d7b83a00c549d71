#include "storage/AtomicFile.h"
#include "storage/FileFailure.h"
#include "storage/InputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

namespace rw {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

class WindowsTarget : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.path() + QStringLiteral("/保存 テスト.rwp");
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    // Nothing but the target is left in the folder: no temporary file.
    void ExpectOnlyTheOldFile() {
        EXPECT_EQ(Read(path_), "old");
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("保存 テスト.rwp")});
    }

    QTemporaryDir dir_;
    QString path_;
};

TEST_F(WindowsTarget, JapaneseNamesAreReplacedWhole) {
    const FileWriteResult result = WriteFileAtomically(path_, "new");
    EXPECT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_EQ(Read(path_), "new");
}

TEST_F(WindowsTarget, AReadOnlyTargetIsRefusedAndKept) {
    ASSERT_TRUE(SetFileAttributesW(Native(path_).c_str(), FILE_ATTRIBUTE_READONLY));
    const FileWriteResult result = WriteFileAtomically(path_, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(DiagnoseFileProblem(path_, result.error, true), FileProblem::ReadOnly);
    SetFileAttributesW(Native(path_).c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectOnlyTheOldFile();
}

// Another program holds the file open and does not let it be replaced.
TEST_F(WindowsTarget, AFileHeldOpenByAnotherProgramIsRefusedAndKept) {
    HANDLE held = CreateFileW(Native(path_).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileWriteResult result = WriteFileAtomically(path_, "new");
    // The user is told the file is in use, not only the system's words.
    const FileProblem problem = DiagnoseFileProblem(path_, result.error, true);
    CloseHandle(held);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(problem, FileProblem::InUse) << result.error << " " << result.reason.toStdString();
    ExpectOnlyTheOldFile();
}

TEST_F(WindowsTarget, AFileLockedByAnotherProgramIsReportedInUseWhenOpened) {
    HANDLE held = CreateFileW(Native(path_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const InputRead read = ReadInputFile(path_, 1024);
    const FileProblem problem = DiagnoseFileProblem(path_, read.error, false);
    CloseHandle(held);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(problem, FileProblem::InUse) << read.error << " " << read.reason.toStdString();
}

} // namespace
} // namespace rw

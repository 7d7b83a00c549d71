#include "storage/FileFailure.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace rw {
namespace {

struct ErrnoRow {
    const char* name;
    int error;
    FileProblem problem;
};

class FileProblemFromErrno : public testing::TestWithParam<ErrnoRow> {};

// A file in a folder that is there: the error number decides.
TEST_P(FileProblemFromErrno, NamesTheCommonReasons) {
    QTemporaryDir dir;
    EXPECT_EQ(DiagnoseFileProblem(dir.filePath("a.rwp"), GetParam().error, true),
              GetParam().problem);
}

// Quotas and busy program files are words some systems do not have.
const ErrnoRow kErrnoRows[] = {
    {"NoSpace", ENOSPC, FileProblem::DiskFull},
#ifdef EDQUOT
    {"Quota", EDQUOT, FileProblem::DiskFull},
#endif
    {"TooLarge", EFBIG, FileProblem::DiskFull},
    {"ReadOnlyMedium", EROFS, FileProblem::ReadOnly},
    {"Busy", EBUSY, FileProblem::InUse},
#ifdef ETXTBSY
    {"TextBusy", ETXTBSY, FileProblem::InUse},
#endif
    {"Denied", EACCES, FileProblem::AccessDenied},
    {"NotPermitted", EPERM, FileProblem::AccessDenied},
    {"NoWord", 0, FileProblem::Other},
    {"Unusual", EIO, FileProblem::Other},
};

INSTANTIATE_TEST_SUITE_P(Reasons, FileProblemFromErrno, testing::ValuesIn(kErrnoRows),
                         [](const auto& info) { return std::string(info.param.name); });

// What the path shows is told even when the system gave no error number.
TEST(FileProblem, ThePathItselfShowsAMissingFolderAFileInTheWayAndAFolderInPlace) {
    QTemporaryDir dir;
    QFile file(dir.filePath("plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.rwp"));
    for (int error : {0, EACCES}) {
        EXPECT_EQ(DiagnoseFileProblem(dir.filePath("no/such/a.rwp"), error, true),
                  FileProblem::NoFolder);
        EXPECT_EQ(DiagnoseFileProblem(dir.filePath("plain/a.rwp"), error, true),
                  FileProblem::NotAFolder);
        EXPECT_EQ(DiagnoseFileProblem(dir.filePath("folder.rwp"), error, true),
                  FileProblem::IsAFolder);
    }
}

TEST(FileProblem, MessageNamesTheFileTheReasonAndTheSystemsWords) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.rwp");
    EXPECT_EQ(FileFailureMessage(QStringLiteral("ファイルを保存できませんでした。"), path, ENOSPC,
                                 QStringLiteral("No space left on device"), true),
              QStringLiteral("ファイルを保存できませんでした。\n") +
                  QDir::toNativeSeparators(path) +
                  QStringLiteral("\nディスクの空き容量が足りません（No space left on device）"));
    EXPECT_EQ(FileProblemText(FileProblem::NoFolder, false),
              QStringLiteral("ファイルが見つかりません"));
    EXPECT_EQ(FileProblemText(FileProblem::NoFolder, true),
              QStringLiteral("保存先のフォルダがありません"));
}

TEST(FileProblem, ASaveIntoAMissingFolderSaysSoInJapanese) {
    QTemporaryDir dir;
    const QString path = dir.filePath("gone/a.rwp");
    const SaveResult saved = SaveProjectFile(InitialProject(), path, false);
    ASSERT_FALSE(saved.ok);
    EXPECT_TRUE(saved.notice.text.startsWith(QStringLiteral("ファイルを保存できませんでした。\n") +
                                             QDir::toNativeSeparators(path) +
                                             QStringLiteral("\n保存先のフォルダがありません")))
        << saved.notice.text.toStdString();
}

} // namespace
} // namespace rw

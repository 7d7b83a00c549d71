#include "storage/FileFailure.h"

#include "storage/SystemError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace rw {

namespace {

// The nearest part of the path that exists, starting from the file's folder.
QString NearestExisting(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo::exists(folder)) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    return folder;
}

std::optional<FileProblem> FromErrno(int error, const QFileInfo& file, bool writing) {
    switch (error) {
    case ENOENT:
        return FileProblem::NoFolder;
    case ENOTDIR:
        return FileProblem::NotAFolder;
    case EISDIR:
        return FileProblem::IsAFolder;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileProblem::DiskFull;
    case EROFS:
        return FileProblem::ReadOnly;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return FileProblem::InUse;
    case EACCES:
    case EPERM:
        if (writing && file.exists() && !file.isWritable())
            return FileProblem::ReadOnly;
        if (file.exists() && HeldOpenElsewhere(file.absoluteFilePath()))
            return FileProblem::InUse;
        return FileProblem::AccessDenied;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

FileProblem DiagnoseFileProblem(const QString& path, int systemError, bool writing) {
    const QFileInfo file(path);
    if (file.isDir())
        return FileProblem::IsAFolder;
    // What the path shows wins over the error number, which some systems do
    // not set at all.
    if (!file.exists()) {
        const QString nearest = NearestExisting(path);
        if (!QFileInfo(nearest).isDir())
            return FileProblem::NotAFolder;
        if (QDir::cleanPath(nearest) != QDir::cleanPath(file.absolutePath()))
            return FileProblem::NoFolder;
    }
    if (const std::optional<FileProblem> known = FromErrno(systemError, file, writing))
        return *known;
    if (writing && file.exists() && !file.isWritable())
        return FileProblem::ReadOnly;
    return FileProblem::Other;
}

QString FileProblemText(FileProblem problem, bool writing) {
    switch (problem) {
    case FileProblem::NoFolder:
        return writing ? QStringLiteral("保存先のフォルダがありません")
                       : QStringLiteral("ファイルが見つかりません");
    case FileProblem::NotAFolder:
        return QStringLiteral("パスの途中にフォルダではないものがあります");
    case FileProblem::IsAFolder:
        return writing ? QStringLiteral("同じ名前のフォルダがあります")
                       : QStringLiteral("ファイルではなくフォルダです");
    case FileProblem::AccessDenied:
        return QStringLiteral("アクセスする権限がありません");
    case FileProblem::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません");
    case FileProblem::ReadOnly:
        return QStringLiteral("読み取り専用のため書き込めません");
    case FileProblem::InUse:
        return QStringLiteral("ファイルが他のプログラムで使用中です");
    case FileProblem::Other:
        break;
    }
    return QStringLiteral("予期しないエラーが発生しました");
}

QString FileFailureMessage(const QString& heading, const QString& path, int systemError,
                           const QString& systemText, bool writing) {
    QString text = heading + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                   QLatin1Char('\n') +
                   FileProblemText(DiagnoseFileProblem(path, systemError, writing), writing);
    if (!systemText.isEmpty())
        text += QStringLiteral("（") + systemText + QStringLiteral("）");
    return text;
}

} // namespace rw

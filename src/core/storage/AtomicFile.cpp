#include "storage/AtomicFile.h"

#include "storage/SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rw {

namespace {

// The words of the system for an error number, as Qt would give them.
QString ErrnoReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt's description of the device's last error. A failure Qt did not put in
// words (it says "Unknown error" after a short write) falls back to the
// system's error number.
QString Reason(const QSaveFile& file, int savedErrno) {
    static const QString unknown = QFile().errorString();
    const QString qtReason = file.errorString();
    if (savedErrno != 0 && (qtReason.isEmpty() || qtReason == unknown))
        return ErrnoReason(savedErrno);
    return qtReason;
}

bool SyncToDisk(int handle, int& error) {
#ifdef Q_OS_WIN
    if (_commit(handle) == 0)
        return true;
#else
    if (::fsync(handle) == 0)
        return true;
#endif
    error = errno;
    return false;
}

} // namespace

FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    // Writing straight into the target when no temporary file can be made
    // beside it would destroy the old file on a failed write.
    file.setDirectWriteFallback(false);
    auto fail = [&file](const QString& reason, int error) {
        // Leaves the old file alone; the destructor removes the temporary file.
        file.cancelWriting();
        return FileWriteResult{false, reason, error};
    };
    // The last call failed: say why, in the system's words where Qt has none.
    auto failed = [&file, &fail] {
        const int error = LastSystemError();
        return fail(Reason(file, error), error);
    };

    // Unbuffered: each write reaches the system at once, so a failure is
    // seen where it happens and not in a flush inside commit(), which Qt
    // does not report.
    const QFileInfo old(path);
    const bool replacing = old.exists();
    const QFileDevice::Permissions mode = old.permissions();
    ClearSystemError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    // The new file is to keep the old one's mode. QSaveFile sets it but does
    // not say when that failed, which would leave the file readable by its
    // owner alone.
    if (replacing && file.permissions() != mode) {
        ClearSystemError();
        if (!file.setPermissions(mode)) {
            const int error = LastSystemError();
            return fail(QStringLiteral("元のファイルのアクセス権を引き継げませんでした（%1）")
                            .arg(Reason(file, error)),
                        error);
        }
    }

    // A write that stops part-way sets no error; writing the rest again
    // either goes on or fails with the system's reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        ClearSystemError();
        const qint64 n = file.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0)
            return failed();
        written += n;
    }
    ClearSystemError();
    if (!file.flush())
        return failed();
    int syncError = 0;
    if (!SyncToDisk(file.handle(), syncError))
        return fail(ErrnoReason(syncError), syncError);
    ClearSystemError();
    if (!file.commit()) {
        const int error = LastSystemError();
        return FileWriteResult{false, Reason(file, error), error};
    }
    return FileWriteResult{true, QString()};
}

} // namespace rw

#include "storage/AtomicFile.h"

#include "storage/FileSync.h"
#include "storage/SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

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

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : file_(path) {
    // Writing straight into the target when no temporary file can be made
    // beside it would destroy the old file on a failed write.
    file_.setDirectWriteFallback(false);
    // Unbuffered: each write reaches the system at once, so a failure is
    // seen where it happens and not in a flush inside commit(), which Qt
    // does not report.
    const QFileInfo old(path);
    const bool replacing = old.exists();
    const QFileDevice::Permissions mode = old.permissions();
    ClearSystemError();
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        FailWithSystemReason();
        return;
    }
    // The new file is to keep the old one's mode. QSaveFile sets it but does
    // not say when that failed, which would leave the file readable by its
    // owner alone.
    if (replacing && file_.permissions() != mode) {
        ClearSystemError();
        if (!file_.setPermissions(mode)) {
            const int error = LastSystemError();
            Fail(QStringLiteral("元のファイルのアクセス権を引き継げませんでした（%1）")
                     .arg(Reason(file_, error)),
                 error);
        }
    }
}

bool AtomicFileWriter::Fail(const QString& reason, int error) {
    // Leaves the old file alone; the destructor removes the temporary file.
    file_.cancelWriting();
    failed_ = true;
    failure_ = FileWriteResult{false, reason, error};
    return false;
}

// The last call failed: says why, in the system's words where Qt has none.
bool AtomicFileWriter::FailWithSystemReason() {
    const int error = LastSystemError();
    return Fail(Reason(file_, error), error);
}

bool AtomicFileWriter::Write(QByteArrayView bytes) {
    // A write that stops part-way sets no error; writing the rest again
    // either goes on or fails with the system's reason.
    qint64 written = 0;
    while (!failed_ && written < bytes.size()) {
        ClearSystemError();
        const qint64 n = file_.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0)
            return FailWithSystemReason();
        written += n;
    }
    if (failed_)
        return false;
    // A large file goes to the disk while the rest of it is made.
    if (written > 0)
        StartWriteback(file_.handle(), size_, written);
    size_ += written;
    return true;
}

FileWriteResult AtomicFileWriter::Commit() {
    if (failed_)
        return failure_;
    ClearSystemError();
    if (!file_.flush()) {
        FailWithSystemReason();
        return failure_;
    }
    int syncError = 0;
    if (!SyncToDisk(file_.handle(), syncError)) {
        Fail(ErrnoReason(syncError), syncError);
        return failure_;
    }
    ClearSystemError();
    if (!file_.commit()) {
        const int error = LastSystemError();
        return FileWriteResult{false, Reason(file_, error), error};
    }
    return FileWriteResult{true, QString()};
}

FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    AtomicFileWriter writer(path);
    writer.Write(bytes);
    return writer.Commit();
}

} // namespace rw

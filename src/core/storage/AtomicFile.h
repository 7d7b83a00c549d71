#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace rw {

struct FileWriteResult {
    bool ok = false;
    QString reason; // the system's own words for what failed; empty on success
    int error = 0;  // the system's error number (errno) when it gave one
};

// Replaces the file at `path` with `bytes` so that the path holds either the
// whole old file or the whole new one, never a mixture or an empty file: the
// bytes go to a temporary file beside it, which is written, flushed and
// synced to disk, each step checked, before it is renamed over the old file.
// On any failure the old file is left as it was and the temporary file is
// removed. Every file the program writes goes through here.
FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes);

// The same in pieces, for a file too large to hold whole: the temporary file
// is opened at once, takes each piece as it comes, and replaces the old file
// only on Commit(). Dropped without a commit, or after a failure, it leaves
// the old file as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Whether a step has failed; the first failure is what Commit() reports.
    bool Failed() const { return failed_; }
    // False once anything has failed; later pieces are ignored.
    bool Write(QByteArrayView bytes);
    // Flushes, syncs to disk and renames over the old file, each step checked.
    FileWriteResult Commit();

private:
    bool Fail(const QString& reason, int error);
    bool FailWithSystemReason();

    QSaveFile file_;
    qint64 size_ = 0; // written so far
    bool failed_ = false;
    FileWriteResult failure_;
};

} // namespace rw

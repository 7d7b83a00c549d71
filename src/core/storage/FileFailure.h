#pragma once

#include <QString>

namespace rw {

// Why a file could not be written or read, as the user can act on it.
enum class FileProblem {
    NoFolder,     // the folder it goes into is not there
    NotAFolder,   // something on the way is a file, not a folder
    IsAFolder,    // a folder stands where the file should be
    AccessDenied, // no permission
    DiskFull,     // no room left (or the user's quota is used up)
    ReadOnly,     // a read-only file or medium
    InUse,        // another program holds the file
    Other,
};

// The problem behind a failure at `path`, from the system's error number
// (errno; 0 when the system gave none) and a look at the path itself.
FileProblem DiagnoseFileProblem(const QString& path, int systemError, bool writing);

// The problem in Japanese; a read and a write may say it differently.
QString FileProblemText(FileProblem problem, bool writing);

// The message of a failed save or read: `heading`, the file, the reason in
// Japanese and the system's own words in brackets when it gave any.
QString FileFailureMessage(const QString& heading, const QString& path, int systemError,
                           const QString& systemText, bool writing);

} // namespace rw

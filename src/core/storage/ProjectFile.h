#pragma once

#include "model/Notice.h"
#include "model/Project.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace rw {

inline constexpr char kProjectMagic[] = "VURI";
inline constexpr char kTemplateMagic[] = "TEMP";

struct SaveResult {
    bool ok = false;
    Notice notice; // empty on success
};

struct LoadResult {
    std::optional<Project> project; // set only when the whole file was read
    bool isTemplate = false;        // the file carried the template magic
    Notice notice;                  // empty on success
    // Where the file held bytes code page 932 lacks: the project is read
    // all the same, each such byte as SUB. Empty for a sound file.
    QStringList undecodable;
};

// Writes the project atomically: the old file stays as it was until the new
// one is complete. Asking before overwriting is the caller's business. Text
// that code page 932 cannot hold is refused before anything is written.
SaveResult SaveProjectFile(const Project& project, const QString& path, bool asTemplate);

// Reads a project or template file into a fresh project, which is handed back
// only when the file was read to its end; the open project is never touched.
LoadResult LoadProjectFile(const QString& path, bool templatesAccepted);

// The file body without the file system, for tests and the command line.
// The mode picks the scrambling (1/2 projects, 100/101 templates).
QByteArray EncodeProject(const Project& project, bool asTemplate, uint8_t mode, uint8_t randomByte);
LoadResult DecodeProject(QByteArrayView bytes, bool templatesAccepted);

// Whether the bytes begin as a project or template file does (its magic);
// anything else is some other file, such as a script.
bool HasProjectMagic(QByteArrayView head);

// The first text of the project that code page 932 cannot hold, as the
// message that names where it is; an empty notice when everything fits.
Notice FindUnsavableText(const Project& project);

// What opening a file with undecodable bytes tells: which fields held them.
Notice UndecodableNotice(const QStringList& places);

// What the window asks before replacing an existing project file.
Notice OverwriteQuestion(const QString& path);

// Messages of the file functions, for callers that need to recognise them.
Notice FileNotFoundNotice();
Notice TemplateRefusedNotice();
Notice CorruptFileNotice();

} // namespace rw

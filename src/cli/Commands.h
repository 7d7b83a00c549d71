#pragma once

#include "model/Project.h"

#include <QStringList>

#include <optional>

namespace rw::cli {

// Each sub-command takes its own arguments (without the program and command
// names) and answers the exit code: 0 success, 1 input refused, 2 usage error.
int RunDump(const QStringList& args);
int RunPack(const QStringList& args);
int RunBuild(const QStringList& args);
int RunPreview(const QStringList& args);
int RunCheck(const QStringList& args);

// Writes UTF-8 text to standard output / standard error as it stands.
// Out answers false, after saying why on standard error, when standard
// output cannot take it (a full disk, a closed output).
[[nodiscard]] bool Out(const QString& text);
[[nodiscard]] bool OutBytes(QByteArrayView bytes);
void Err(const QString& text);
// Flushes and closes standard output at the end; false (said) on failure.
bool CloseOut();

// Loads a project or template, printing "FILE: reason" when it is refused.
std::optional<Project> LoadForCommand(const QString& path);

} // namespace rw::cli

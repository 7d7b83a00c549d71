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
void Out(const QString& text);
void Err(const QString& text);

// Loads a project or template, printing "FILE: reason" when it is refused.
std::optional<Project> LoadForCommand(const QString& path);

} // namespace rw::cli

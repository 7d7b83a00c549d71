#pragma once

#include "model/Notice.h"
#include "model/Project.h"
#include "storage/ProjectFile.h"

#include <QString>
#include <QStringList>

namespace rw {

inline constexpr char kTemplateExtension[] = ".aitmp";

// The template folder beside the program, ending in a separator.
QString TemplateFolder(const QString& programFolder);

// Creates the folder and every missing folder above it; true when it exists
// afterwards.
bool EnsureFolder(const QString& path);

// The names (without ".aitmp") of the template files in the folder, in file
// name order.
QStringList ListTemplates(const QString& folder);

// An empty notice when the name can be a template's file name; otherwise the
// message that says why not. Names that would reach outside the folder are
// refused, as are characters file systems refuse.
Notice CheckTemplateName(const QString& name);

// The template file of a name.
QString TemplatePath(const QString& folder, const QString& name);

// Saves the project as a template, replacing one of the same name.
SaveResult SaveTemplate(const Project& project, const QString& folder, const QString& name);

// Loads a template (project files placed in the folder load too).
LoadResult LoadTemplate(const QString& folder, const QString& name);

// What start-up asks when the template folder is missing.
Notice CreateTemplateFolderQuestion();

} // namespace rw

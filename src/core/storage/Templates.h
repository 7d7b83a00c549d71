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

// Whether a file can be made in the folder, found by making one (and
// removing it). On Windows Qt's isWritable() reads only the read-only
// attribute, which Program Files does not carry though it refuses a user's
// files.
bool FolderAcceptsFiles(const QString& folder);

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

// Where templates are listed from and saved to. A program run from a folder
// it may write keeps them in the Template folder beside itself. An installed
// program cannot write there: the user's templates live in the user's data
// folder, and the templates that came with the program (in the data folder,
// or on Windows in the Template folder beside it) are listed beside them,
// read-only; a user's template of the same name wins.
struct TemplateFolders {
    QString user;               // where templates are saved; ends in a separator
    QString shipped;            // the program's own templates, never written; empty when none
    bool besideProgram = false; // the user folder is the one beside the program

    bool operator==(const TemplateFolders&) const = default;
};

// The folder an installed program's own templates are installed into, found
// from the program's folder (the data folder lies beside the binary folder).
QString InstalledTemplateFolder(const QString& programFolder);

// Decides the folders. `shippedFolder` counts only when it exists;
// `userDataFolder` is the user's application data folder.
TemplateFolders LocateTemplateFolders(const QString& programFolder, bool programFolderWritable,
                                      const QString& shippedFolder, const QString& userDataFolder);

// The names of the user's and the shipped templates together, in file name
// order, each name once.
QStringList ListTemplates(const TemplateFolders& folders);

// The file a template name stands for: the user's when there is one, else the
// shipped one, else where the user's would be.
QString TemplatePath(const TemplateFolders& folders, const QString& name);

// Saves into the user's folder, creating it when missing.
SaveResult SaveTemplate(const Project& project, const TemplateFolders& folders,
                        const QString& name);

LoadResult LoadTemplate(const TemplateFolders& folders, const QString& name);

// What start-up asks when the template folder is missing.
Notice CreateTemplateFolderQuestion();

} // namespace rw

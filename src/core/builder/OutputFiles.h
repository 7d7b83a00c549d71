#pragma once

#include "builder/ZuzAdidodi.h"
#include "model/Notice.h"
#include "model/Project.h"

#include <QString>

namespace rw {

// Why a name cannot be an AI's file name (empty, a path, or characters a
// file name cannot hold); an empty notice when it can.
Notice CheckAiName(const QString& name);

// Where "PERファイル生成(&P)..." offers to put an AI of the user's own: the
// folder the user chose last time while it is still there; else the
// program's own folder when the program keeps its files beside itself (not
// installed, and that folder can be written); else the user's documents.
QString DefaultOutputFolder(const QString& remembered, const QString& programFolder,
                            bool programFolderWritable, bool installed,
                            const QString& documentsFolder);

struct OutputResult {
    Notice notice; // empty on success
    QString aiPath;
    QString perPath;
    bool cancelled = false; // the build was stopped: nothing was written

    bool Ok() const { return notice.IsEmpty() && !cancelled; }
};

// Where folder/name.ai and folder/name.per go, or why they cannot go there
// (a name that is no plain file name, a folder that does not exist).
OutputResult AiFilePaths(const QString& folder, const QString& name);

// Writes a finished build to the paths of `target`: replaces the .per in one
// step, then creates the .ai when it is missing. A build that was refused
// or cancelled writes nothing and hands its outcome on.
OutputResult WriteScript(const OutputResult& target, const ScriptBuild& build);

// What "開始" does: builds the script, then creates folder/name.ai when it
// is missing (an existing one is left as it is) and replaces folder/name.per
// in one step. Nothing is touched unless the script could be built, and the
// old .per stays whole until the new one is complete.
OutputResult WriteAiFiles(const Project& project, const QString& folder, const QString& name,
                          const BuildProgress& progress = {},
                          const EnvironmentSettings& settings = {});

} // namespace rw

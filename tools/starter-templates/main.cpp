// Writes the shipped templates' JSON sources: run it after changing a recipe
// (or anything that changes what the editor makes of one) and commit the
// result.
#include "StarterTemplates.h"

#include "storage/ProjectJson.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Usage: rw-starter-templates FOLDER\n"
                             "Writes FOLDER/NAME.json for every shipped template.\n");
        return 2;
    }
    const QDir folder(args[1]);
    for (const rw::StarterTemplate& entry : rw::StarterTemplates()) {
        QSaveFile file(folder.filePath(entry.name + QStringLiteral(".json")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(rw::ProjectToJson(entry.project, true)) < 0 || !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(file.fileName()),
                         qUtf8Printable(file.errorString()));
            return 1;
        }
        std::printf("%s\n", qUtf8Printable(file.fileName()));
    }
    return 0;
}

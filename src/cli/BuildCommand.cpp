#include "Commands.h"

#include "builder/OutputFiles.h"
#include "storage/ProjectFile.h"

namespace rw::cli {

namespace {
const char kBuildUsage[] =
    "Usage: rulewright-cli build FILE --out DIR [--name NAME]\n"
    "\n"
    "Builds the AI script of the project FILE into DIR/NAME.per and creates an empty\n"
    "DIR/NAME.ai when there is none. NAME defaults to \"mybot\".\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";

int Usage(const QString& problem) {
    Err(QStringLiteral("rulewright-cli build: ") + problem + QStringLiteral("\n\n") +
        QString::fromLatin1(kBuildUsage));
    return 2;
}
} // namespace

int RunBuild(const QStringList& args) {
    QString input;
    QString folder;
    QString name = QStringLiteral("mybot");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            Out(QString::fromLatin1(kBuildUsage));
            return 0;
        }
        if (arg == QLatin1String("--out") || arg == QLatin1String("--name")) {
            if (i + 1 >= args.size())
                return Usage(QStringLiteral("%1 needs a value").arg(arg));
            (arg == QLatin1String("--out") ? folder : name) = args[++i];
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return Usage(QStringLiteral("unknown option \"%1\"").arg(arg));
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            return Usage(QStringLiteral("more than one project file given"));
        }
    }
    if (input.isEmpty())
        return Usage(QStringLiteral("no project file given"));
    if (folder.isEmpty())
        return Usage(QStringLiteral("no output folder given (--out DIR)"));

    const LoadResult loaded = LoadProjectFile(input, true);
    if (!loaded.project) {
        Err(input + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
        return 1;
    }
    const OutputResult written = WriteAiFiles(*loaded.project, folder, name);
    if (!written.Ok()) {
        Err(written.notice.text + QLatin1Char('\n'));
        return 1;
    }
    Out(kBuildSucceeded + QLatin1Char('\n'));
    return 0;
}

} // namespace rw::cli

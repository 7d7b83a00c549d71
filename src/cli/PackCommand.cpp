#include "Commands.h"

#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

#include <QFile>

namespace rw::cli {

namespace {
const char kPackUsage[] =
    "Usage: rulewright-cli pack JSON -o FILE [--template]\n"
    "\n"
    "Writes the JSON project (as printed by dump; \"-\" reads standard input) to FILE\n"
    "as a project file, or as a template with --template. FILE is replaced.\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";

int Usage(const QString& problem) {
    Err(QStringLiteral("rulewright-cli pack: ") + problem + QStringLiteral("\n\n") +
        QString::fromLatin1(kPackUsage));
    return 2;
}
} // namespace

int RunPack(const QStringList& args) {
    QString input;
    QString output;
    bool asTemplate = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            Out(QString::fromLatin1(kPackUsage));
            return 0;
        }
        if (arg == QLatin1String("--template")) {
            asTemplate = true;
        } else if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
            if (i + 1 >= args.size())
                return Usage(QStringLiteral("%1 needs a file name").arg(arg));
            output = args[++i];
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            return Usage(QStringLiteral("unknown option \"%1\"").arg(arg));
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            return Usage(QStringLiteral("more than one JSON file given"));
        }
    }
    if (input.isEmpty())
        return Usage(QStringLiteral("no JSON file given"));
    if (output.isEmpty())
        return Usage(QStringLiteral("no output file given (-o FILE)"));

    QFile file;
    const bool opened = input == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(input), file.open(QIODevice::ReadOnly));
    if (!opened) {
        Err(input + QStringLiteral(": ") + file.errorString() + QLatin1Char('\n'));
        return 1;
    }
    const QByteArray json = file.readAll();
    const JsonReadResult read = ProjectFromJson(json);
    if (!read.project) {
        Err(input + QStringLiteral(": ") + read.error + QLatin1Char('\n'));
        return 1;
    }
    const SaveResult saved = SaveProjectFile(*read.project, output, asTemplate);
    if (!saved.ok) {
        Err(saved.notice.text + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

} // namespace rw::cli

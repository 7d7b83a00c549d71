#include "CommandLine.h"
#include "Commands.h"

#include "storage/LineBreakers.h"
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
    "A NUL anywhere, or a line break in a one-line field, is refused.\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";
} // namespace

int RunPack(const QStringList& args) {
    CommandLine line(QStringLiteral("pack"), kPackUsage, QStringLiteral("JSON file"));
    line.AddOption({"o", "output"}, true);
    line.AddOption({"template"});
    if (const std::optional<int> done = line.Parse(args))
        return *done;
    const QString input = line.File();
    const QString output = line.Value(QStringLiteral("o"));
    if (output.isEmpty())
        return line.UsageError(QStringLiteral("no output file given (-o FILE)"));
    const bool asTemplate = line.Has(QStringLiteral("template"));

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
    // A line break or NUL in a one-line field would break the script line
    // it becomes; refuse it here, where the text can still be mended.
    const QList<LineBreakerFound> breakers = FindLineBreakers(*read.project);
    if (!breakers.isEmpty()) {
        const LineBreakerFound& first = breakers.first();
        Err(input + QStringLiteral(": ") + first.jsonPlace +
            QStringLiteral(": control character %1 in a one-line field\n").arg(first.character));
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

#include "CommandLine.h"
#include "Commands.h"

#include "storage/InputFile.h"
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
    "A control character other than TAB is refused, but for the line breaks\n"
    "of a field of many lines.\n"
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

    InputRead source;
    if (input == QLatin1String("-")) {
        QFile in;
        source = in.open(stdin, QIODevice::ReadOnly) ? ReadInputStream(in)
                                                     : InputRead{false, {}, in.errorString()};
    } else {
        source = ReadInputFile(input);
    }
    if (!source.ok) {
        Err(input + QStringLiteral(": ") + source.reason + QLatin1Char('\n'));
        return 1;
    }
    const JsonReadResult read = ProjectFromJson(source.bytes);
    if (!read.project) {
        Err(input + QStringLiteral(": ") + read.error + QLatin1Char('\n'));
        return 1;
    }
    // A line break or NUL in a one-line field would break the script line
    // it becomes, and no other control character belongs in a script;
    // refuse them here, where the text can still be mended.
    const QList<LineBreakerFound> breakers = FindLineBreakers(*read.project);
    if (!breakers.isEmpty()) {
        const LineBreakerFound& first = breakers.first();
        const bool breaker = first.character == QLatin1String("CR") ||
                             first.character == QLatin1String("LF") ||
                             first.character == QLatin1String("NUL");
        Err(input + QStringLiteral(": ") + first.jsonPlace +
            QStringLiteral(": control character %1%2\n")
                .arg(first.character,
                     breaker ? QStringLiteral(" in a one-line field") : QString()));
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

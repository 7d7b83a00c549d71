#include "CommandLine.h"
#include "Commands.h"

#include "builder/OutputFiles.h"
#include "builder/ScriptCheck.h"
#include "builder/ScriptTextCheck.h"
#include "storage/ProjectFile.h"
#include "storage/Templates.h"

#include <QFile>
#include <QFileInfo>

namespace rw::cli {

namespace {
const char kCheckUsage[] =
    "Usage: rulewright-cli check FILE [--name NAME]\n"
    "\n"
    "Checks the AI script the project (or template) FILE would give, without the game:\n"
    "facts and actions against the game's command reference (argument counts, ids and\n"
    "ranges), symbols, numbers, variable and timer names, the 16 commands a rule may\n"
    "hold, load conditions and characters a line of the script cannot hold.\n"
    "Prints one line per problem, \"category/group/rule: problem\", nothing when clean.\n"
    "A FILE that is not a project or template by its first bytes (and is not named\n"
    "*.rwp or *.aitmp) is read as an AI script (.per, code page 932) and checked as\n"
    "the game reads it; its problems are \"行N: problem\".\n"
    "With --name, NAME is checked as the AI's file name too; a template's own name\n"
    "(its file name) is always checked.\n"
    "Exit status: 0 clean, 1 problems found (or FILE refused), 2 usage error.\n";
// The largest script anyone writes is a few megabytes; a larger file is not
// read as one.
constexpr qint64 kLargestScript = 64LL * 1024 * 1024;

// The bytes of FILE when it is a script rather than a project or template:
// a regular file that is not named as a project and does not begin as one.
// Anything else is left to the project reader, which says what is wrong.
std::optional<QByteArray> ScriptFile(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (path == QLatin1String("-") || !info.isFile() || suffix == QLatin1String("rwp") ||
        suffix == QLatin1String("aitmp") || info.size() > kLargestScript)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || HasProjectMagic(file.peek(6)))
        return std::nullopt;
    QByteArray bytes = file.read(kLargestScript + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargestScript)
        return std::nullopt;
    return bytes;
}

} // namespace

int RunCheck(const QStringList& args) {
    CommandLine line(QStringLiteral("check"), kCheckUsage, QStringLiteral("project file"));
    line.AddOption({"name"}, true);
    if (const std::optional<int> done = line.Parse(args))
        return *done;
    const QString path = line.File();
    QStringList lines;
    if (const std::optional<QByteArray> script = ScriptFile(path)) {
        for (const ScriptProblem& problem : CheckScriptText(*script))
            lines << problem.Line();
    } else if (const std::optional<Project> project = LoadForCommand(path)) {
        for (const ScriptProblem& problem : CheckScript(*project))
            lines << problem.Line();
    } else {
        return 1;
    }
    if (line.Has(QStringLiteral("name"))) {
        const Notice name = CheckAiName(line.Value(QStringLiteral("name")));
        if (!name.IsEmpty())
            lines << QStringLiteral("AI名: ") + name.text;
    }
    const QFileInfo file(path);
    if (file.suffix().compare(QLatin1String("aitmp"), Qt::CaseInsensitive) == 0) {
        const Notice name = CheckTemplateName(file.completeBaseName());
        if (!name.IsEmpty())
            lines << QStringLiteral("テンプレート名: ") + name.text;
    }
    for (const QString& line : lines)
        if (!Out(line + QLatin1Char('\n')))
            return 1;
    return lines.isEmpty() ? 0 : 1;
}

} // namespace rw::cli

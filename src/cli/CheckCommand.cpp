#include "CommandLine.h"
#include "Commands.h"

#include "builder/OutputFiles.h"
#include "builder/ScriptCheck.h"
#include "storage/Templates.h"

#include <QFileInfo>

namespace rw::cli {

namespace {
const char kCheckUsage[] =
    "Usage: rulewright-cli check FILE [--name NAME]\n"
    "\n"
    "Checks the AI script the project (or template) FILE would give, without the game:\n"
    "facts and actions, symbols, numbers, variable and timer names, the 16 commands a\n"
    "rule may hold, load conditions and characters a line of the script cannot hold.\n"
    "Prints one line per problem, \"category/group/rule: problem\", nothing when clean.\n"
    "With --name, NAME is checked as the AI's file name too; a template's own name\n"
    "(its file name) is always checked.\n"
    "Exit status: 0 clean, 1 problems found (or FILE refused), 2 usage error.\n";
} // namespace

int RunCheck(const QStringList& args) {
    CommandLine line(QStringLiteral("check"), kCheckUsage, QStringLiteral("project file"));
    line.AddOption({"name"}, true);
    if (const std::optional<int> done = line.Parse(args))
        return *done;
    const QString path = line.File();
    const std::optional<Project> project = LoadForCommand(path);
    if (!project)
        return 1;

    QStringList lines;
    for (const ScriptProblem& problem : CheckScript(*project))
        lines << problem.Line();
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

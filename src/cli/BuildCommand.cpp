#include "CommandLine.h"
#include "Commands.h"

#include "builder/OutputFiles.h"
#include "builder/ScriptCheck.h"

#include <optional>
#include <thread>

namespace rw::cli {

namespace {
const char kBuildUsage[] =
    "Usage: rulewright-cli build FILE --out DIR [--name NAME] [--no-header]\n"
    "                            [--no-comments] [--debug-chat] [--strict]\n"
    "\n"
    "Builds the AI script of the project FILE into DIR/NAME.per and creates an empty\n"
    "DIR/NAME.ai when there is none. NAME defaults to \"mybot\". What \"check\" finds\n"
    "is printed on standard error as warnings, and the script is written all the same.\n"
    "  --no-header    leave out the title and author block\n"
    "  --no-comments  leave out the comments (no padding, no trailing blanks)\n"
    "  --debug-chat   begin every rule's actions with a chat naming the rule\n"
    "  --strict       write nothing when \"check\" finds anything\n"
    "Exit status: 0 success, 1 input refused (or, with --strict, problems found),\n"
    "2 usage error.\n";
} // namespace

int RunBuild(const QStringList& args) {
    CommandLine line(QStringLiteral("build"), kBuildUsage, QStringLiteral("project file"));
    line.AddOption({"out"}, true);
    line.AddOption({"name"}, true);
    line.AddOption({"no-header"});
    line.AddOption({"no-comments"});
    line.AddOption({"debug-chat"});
    line.AddOption({"strict"});
    if (const std::optional<int> done = line.Parse(args))
        return *done;
    const QString folder = line.Value(QStringLiteral("out"));
    if (folder.isEmpty())
        return line.UsageError(QStringLiteral("no output folder given (--out DIR)"));
    const QString name = line.Value(QStringLiteral("name"), QStringLiteral("mybot"));

    // The project is kept to the end of the process: freeing a large one
    // string by string costs more than writing out its script, and the
    // system takes the memory back at once when the process ends.
    static std::optional<Project>* kept = nullptr;
    delete kept;
    kept = new std::optional<Project>(LoadForCommand(line.File()));
    const std::optional<Project>& project = *kept;
    if (!project)
        return 1;
    EnvironmentSettings settings;
    settings.projectHeader = !line.Has(QStringLiteral("no-header"));
    settings.comments = !line.Has(QStringLiteral("no-comments"));
    settings.debugChat = line.Has(QStringLiteral("debug-chat"));
    const bool strict = line.Has(QStringLiteral("strict"));
    // The game refuses a whole AI for one of these; they are told either
    // way. Unless they stop the build, the check and the build both only
    // read the project and run side by side.
    QList<ScriptProblem> problems;
    std::optional<OutputResult> written;
    std::thread check([&] { problems = CheckScript(*project); });
    if (!strict)
        written = WriteAiFiles(*project, folder, name, {}, settings);
    check.join();
    for (const ScriptProblem& problem : problems)
        Err((strict ? QStringLiteral("問題: ") : QStringLiteral("警告: ")) + problem.Line() +
            QLatin1Char('\n'));
    if (strict && !problems.isEmpty()) {
        Err(QStringLiteral("問題が%1件あるため書き出しませんでした\n").arg(problems.size()));
        return 1;
    }
    if (!written)
        written = WriteAiFiles(*project, folder, name, {}, settings);
    if (!written->Ok()) {
        Err(written->notice.text + QLatin1Char('\n'));
        return 1;
    }
    return Out(kBuildSucceeded + QLatin1Char('\n')) ? 0 : 1;
}

} // namespace rw::cli

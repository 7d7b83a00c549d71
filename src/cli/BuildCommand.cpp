#include "Arguments.h"
#include "Commands.h"

#include "builder/OutputFiles.h"

namespace rw::cli {

namespace {
const char kBuildUsage[] =
    "Usage: rulewright-cli build FILE --out DIR [--name NAME] [--no-header]\n"
    "                            [--no-comments] [--debug-chat]\n"
    "\n"
    "Builds the AI script of the project FILE into DIR/NAME.per and creates an empty\n"
    "DIR/NAME.ai when there is none. NAME defaults to \"mybot\".\n"
    "  --no-header    leave out the title and author block\n"
    "  --no-comments  leave out the comments (no padding, no trailing blanks)\n"
    "  --debug-chat   begin every rule's actions with a chat naming the rule\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";
} // namespace

int RunBuild(const QStringList& args) {
    const Arguments parsed = ParseArguments(args,
                                            {{{"--out"}, true},
                                             {{"--name"}, true},
                                             {{"--no-header"}, false},
                                             {{"--no-comments"}, false},
                                             {{"--debug-chat"}, false}},
                                            1, QStringLiteral("project file"));
    if (parsed.help) {
        Out(QString::fromLatin1(kBuildUsage));
        return 0;
    }
    if (!parsed.problem.isEmpty())
        return UsageError(QStringLiteral("build"), kBuildUsage, parsed.problem);
    const QString folder = parsed.Value(QStringLiteral("--out"));
    if (folder.isEmpty())
        return UsageError(QStringLiteral("build"), kBuildUsage,
                          QStringLiteral("no output folder given (--out DIR)"));
    const QString name = parsed.Value(QStringLiteral("--name"), QStringLiteral("mybot"));

    const std::optional<Project> project = LoadForCommand(parsed.positional.first());
    if (!project)
        return 1;
    EnvironmentSettings settings;
    settings.projectHeader = !parsed.Has(QStringLiteral("--no-header"));
    settings.comments = !parsed.Has(QStringLiteral("--no-comments"));
    settings.debugChat = parsed.Has(QStringLiteral("--debug-chat"));
    const OutputResult written = WriteAiFiles(*project, folder, name, {}, settings);
    if (!written.Ok()) {
        Err(written.notice.text + QLatin1Char('\n'));
        return 1;
    }
    Out(kBuildSucceeded + QLatin1Char('\n'));
    return 0;
}

} // namespace rw::cli

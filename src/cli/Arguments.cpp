#include "Arguments.h"

#include "Commands.h"
#include "storage/ProjectFile.h"

namespace rw::cli {

Arguments ParseArguments(const QStringList& args, const QList<OptionSpec>& specs, int maxPositional,
                         const QString& positionalName) {
    Arguments result;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.help = true;
            return result;
        }
        const OptionSpec* option = nullptr;
        for (const OptionSpec& candidate : specs)
            if (candidate.names.contains(arg))
                option = &candidate;
        if (option) {
            const QString& key = option->names.first();
            if (!option->takesValue) {
                result.options.insert(key, QString());
            } else if (i + 1 >= args.size()) {
                result.problem = QStringLiteral("%1 needs a value").arg(arg);
                return result;
            } else {
                result.options.insert(key, args[++i]);
            }
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            result.problem = QStringLiteral("unknown option \"%1\"").arg(arg);
            return result;
        } else if (result.positional.size() >= maxPositional) {
            result.problem = QStringLiteral("more than one %1 given").arg(positionalName);
            return result;
        } else {
            result.positional << arg;
        }
    }
    if (result.positional.isEmpty())
        result.problem = QStringLiteral("no %1 given").arg(positionalName);
    return result;
}

int UsageError(const QString& command, const char* usage, const QString& problem) {
    Err(QStringLiteral("rulewright-cli ") + command + QStringLiteral(": ") + problem +
        QStringLiteral("\n\n") + QString::fromLatin1(usage));
    return 2;
}

std::optional<Project> LoadForCommand(const QString& path) {
    LoadResult loaded = LoadProjectFile(path, true);
    if (!loaded.project)
        Err(path + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
    return std::move(loaded.project);
}

} // namespace rw::cli

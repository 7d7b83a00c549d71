#include "Commands.h"

#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

namespace rw::cli {

namespace {
const char kDumpUsage[] = "Usage: rulewright-cli dump FILE\n"
                          "\n"
                          "Prints the project or template FILE as JSON (UTF-8) on standard "
                          "output.\n"
                          "Exit status: 0 success, 1 file refused, 2 usage error.\n";
}

int RunDump(const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h")))
        return Out(QString::fromLatin1(kDumpUsage)) ? 0 : 1;
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        Err(QString::fromLatin1(kDumpUsage));
        return 2;
    }
    const LoadResult loaded = LoadProjectFile(args[0], true);
    if (!loaded.project) {
        Err(args[0] + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
        return 1;
    }
    if (!loaded.undecodable.isEmpty())
        Err(args[0] + QStringLiteral(": ") + UndecodableNotice(loaded.undecodable).text +
            QLatin1Char('\n'));
    // A JSON cut short by a full disk must not pass for a whole one.
    return OutBytes(ProjectToJson(*loaded.project, loaded.isTemplate)) ? 0 : 1;
}

} // namespace rw::cli

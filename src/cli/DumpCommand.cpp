#include "Commands.h"

#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

#include <cstdio>

namespace rw::cli {

namespace {
const char kDumpUsage[] = "Usage: rulewright-cli dump FILE\n"
                          "\n"
                          "Prints the project or template FILE as JSON (UTF-8) on standard "
                          "output.\n"
                          "Exit status: 0 success, 1 file refused, 2 usage error.\n";
}

int RunDump(const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        Out(QString::fromLatin1(kDumpUsage));
        return 0;
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        Err(QString::fromLatin1(kDumpUsage));
        return 2;
    }
    const LoadResult loaded = LoadProjectFile(args[0], true);
    if (!loaded.project) {
        Err(args[0] + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
        return 1;
    }
    const QByteArray json = ProjectToJson(*loaded.project, loaded.isTemplate);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace rw::cli

#include "Commands.h"
#include "Console.h"

#include "model/Cp932.h"
#include "storage/ProjectFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace rw::cli {

void Out(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void Err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

std::optional<Project> LoadForCommand(const QString& path) {
    LoadResult loaded = LoadProjectFile(path, true);
    if (!loaded.project)
        Err(path + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
    return std::move(loaded.project);
}

} // namespace rw::cli

namespace {

const char kUsage[] =
    "Usage: rulewright-cli COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  dump FILE                          print a project or template as JSON\n"
    "  pack JSON -o FILE [--template]     write JSON as a project (or template) file\n"
    "  build FILE --out DIR [--name NAME] write DIR/NAME.ai and DIR/NAME.per\n"
    "  preview FILE --category K [--position P]\n"
    "                                     print the script preview of a tree position\n"
    "  check FILE [--name NAME]           list what in the script the game would refuse\n"
    "\n"
    "Run 'rulewright-cli COMMAND --help' for a command's options.\n"
    "Exit status: 0 success, 1 input refused (check: problems found), 2 usage error.\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    rw::cli::PrepareConsole();
    // Without a code page 932 converter every text would read as empty.
    if (const QString problem = rw::Cp932Problem(); !problem.isEmpty()) {
        rw::cli::Err(QStringLiteral("rulewright-cli: ") + problem + QLatin1Char('\n'));
        return 1;
    }
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        rw::cli::Err(QString::fromLatin1(kUsage));
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        rw::cli::Out(QString::fromLatin1(kUsage));
        return 0;
    }
    if (command == QLatin1String("dump"))
        return rw::cli::RunDump(args);
    if (command == QLatin1String("pack"))
        return rw::cli::RunPack(args);
    if (command == QLatin1String("build"))
        return rw::cli::RunBuild(args);
    if (command == QLatin1String("preview"))
        return rw::cli::RunPreview(args);
    if (command == QLatin1String("check"))
        return rw::cli::RunCheck(args);
    rw::cli::Err(QStringLiteral("rulewright-cli: unknown command \"%1\"\n\n").arg(command) +
                 QString::fromLatin1(kUsage));
    return 2;
}

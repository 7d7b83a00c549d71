#include "Commands.h"
#include "Console.h"

#include "model/Cp932.h"
#include "storage/ProjectFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace rw::cli {

namespace {

bool outputWritten = false; // something was handed to standard output
bool outputFailed = false;  // and that failed, which was said

void SayOutputFailed(int error) {
    outputFailed = true;
    Err(QStringLiteral("標準出力に書き込めませんでした: %1\n")
            .arg(QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

bool OutBytes(QByteArrayView bytes) {
    if (outputFailed)
        return false;
    outputWritten = true;
    if (bytes.isEmpty())
        return true; // nothing to write (and no buffer to hand fwrite)
    errno = 0;
    const size_t written = std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout);
    if (written != size_t(bytes.size()) || std::fflush(stdout) != 0) {
        SayOutputFailed(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

bool Out(const QString& text) {
    return OutBytes(text.toUtf8());
}

// Whatever is still buffered, and the closing itself, can fail too: a
// full disk may show only here.
bool CloseOut() {
    if (outputFailed)
        return false;
    if (!outputWritten)
        return true;
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        SayOutputFailed(errno != 0 ? errno : EIO);
        return false;
    }
    errno = 0;
    if (std::fclose(stdout) != 0) {
        SayOutputFailed(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

void Err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

std::optional<Project> LoadForCommand(const QString& path) {
    LoadResult loaded = LoadProjectFile(path, true);
    if (!loaded.project)
        Err(path + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
    else if (!loaded.undecodable.isEmpty())
        Err(path + QStringLiteral(": ") + UndecodableNotice(loaded.undecodable).text +
            QLatin1Char('\n'));
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

namespace {

int Run(QStringList args) {
    if (args.isEmpty()) {
        rw::cli::Err(QString::fromLatin1(kUsage));
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        return rw::cli::Out(QString::fromLatin1(kUsage)) ? 0 : 1;
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    rw::cli::PrepareConsole();
    // Without a code page 932 converter every text would read as empty.
    if (const QString problem = rw::Cp932Problem(); !problem.isEmpty()) {
        rw::cli::Err(QStringLiteral("rulewright-cli: ") + problem + QLatin1Char('\n'));
        return 1;
    }
    const int code = Run(app.arguments().mid(1));
    // A command that wrote everything still fails when the output does.
    if (!rw::cli::CloseOut())
        return 1;
    return code;
}

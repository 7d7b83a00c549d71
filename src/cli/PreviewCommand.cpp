#include "Commands.h"

#include "builder/ScriptPreview.h"
#include "model/CategoryTree.h"
#include "storage/ProjectFile.h"

namespace rw::cli {

namespace {
const char kPreviewUsage[] =
    "Usage: rulewright-cli preview FILE --category K [--position P]\n"
    "\n"
    "Prints the script preview of tree position P (default 1, the root group) of\n"
    "category K (1 to 7) of the project FILE, as UTF-8 with CR LF line ends.\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";

int Usage(const QString& problem) {
    Err(QStringLiteral("rulewright-cli preview: ") + problem + QStringLiteral("\n\n") +
        QString::fromLatin1(kPreviewUsage));
    return 2;
}
} // namespace

int RunPreview(const QStringList& args) {
    QString input;
    QString categoryText;
    QString positionText = QStringLiteral("1");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            Out(QString::fromLatin1(kPreviewUsage));
            return 0;
        }
        if (arg == QLatin1String("--category") || arg == QLatin1String("--position")) {
            if (i + 1 >= args.size())
                return Usage(QStringLiteral("%1 needs a value").arg(arg));
            (arg == QLatin1String("--category") ? categoryText : positionText) = args[++i];
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return Usage(QStringLiteral("unknown option \"%1\"").arg(arg));
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            return Usage(QStringLiteral("more than one project file given"));
        }
    }
    if (input.isEmpty())
        return Usage(QStringLiteral("no project file given"));
    if (categoryText.isEmpty())
        return Usage(QStringLiteral("no category given (--category K)"));
    bool ok = false;
    const int category = categoryText.toInt(&ok);
    if (!ok || category < 1 || category > kCategoryCount)
        return Usage(QStringLiteral("the category must be 1 to 7"));
    const int position = positionText.toInt(&ok);
    if (!ok || position < 1)
        return Usage(QStringLiteral("the position must be a whole number from 1"));

    const LoadResult loaded = LoadProjectFile(input, true);
    if (!loaded.project) {
        Err(input + QStringLiteral(": ") + loaded.notice.text + QLatin1Char('\n'));
        return 1;
    }
    const int size = BuildCategoryTree(loaded.project->CategoryAt(category)).Size();
    if (position > size) {
        Err(QStringLiteral("category %1 has no tree position %2 (it has %3)\n")
                .arg(category)
                .arg(position)
                .arg(size));
        return 1;
    }
    Out(ScriptBuilder(PreviewScopeAt(*loaded.project, category, position)));
    return 0;
}

} // namespace rw::cli

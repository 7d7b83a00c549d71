#include "CommandLine.h"
#include "Commands.h"

#include "builder/ScriptPreview.h"
#include "model/CategoryTree.h"

namespace rw::cli {

namespace {
const char kPreviewUsage[] =
    "Usage: rulewright-cli preview FILE --category K [--position P]\n"
    "\n"
    "Prints the script preview of tree position P (default 1, the root group) of\n"
    "category K (1 to 7) of the project FILE, as UTF-8 with CR LF line ends.\n"
    "Exit status: 0 success, 1 input refused, 2 usage error.\n";
} // namespace

int RunPreview(const QStringList& args) {
    CommandLine line(QStringLiteral("preview"), kPreviewUsage, QStringLiteral("project file"));
    line.AddOption({"category"}, true);
    line.AddOption({"position"}, true);
    if (const std::optional<int> done = line.Parse(args))
        return *done;
    const QString categoryText = line.Value(QStringLiteral("category"));
    if (categoryText.isEmpty())
        return line.UsageError(QStringLiteral("no category given (--category K)"));
    bool ok = false;
    const int category = categoryText.toInt(&ok);
    if (!ok || category < 1 || category > kCategoryCount)
        return line.UsageError(QStringLiteral("the category must be 1 to 7"));
    const int position = line.Value(QStringLiteral("position"), QStringLiteral("1")).toInt(&ok);
    if (!ok || position < 1)
        return line.UsageError(QStringLiteral("the position must be a whole number from 1"));

    const std::optional<Project> project = LoadForCommand(line.File());
    if (!project)
        return 1;
    const int size =
        BuildCategoryTree(project->CategoryAt(category), project->RootCaption(category)).Size();
    if (position > size) {
        Err(QStringLiteral("category %1 has no tree position %2 (it has %3)\n")
                .arg(category)
                .arg(position)
                .arg(size));
        return 1;
    }
    return Out(ScriptBuilder(PreviewScopeAt(*project, category, position))) ? 0 : 1;
}

} // namespace rw::cli

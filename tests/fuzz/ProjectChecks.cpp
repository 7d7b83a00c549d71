#include "ProjectChecks.h"

#include "FuzzCheck.h"

#include "builder/RuleRenderer.h"
#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "events/PanelRules.h"
#include "model/CategoryTree.h"
#include "model/ConditionLine.h"
#include "storage/LineBreakers.h"
#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

#include <type_traits>

namespace rw::fuzz {

namespace {

// Every CR is followed by LF, every LF follows a CR, and there is no other
// control character but TAB (nor DEL) in any line.
template <typename Text> bool CleanLines(const Text& text) {
    const auto n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = text[i];
        unsigned u;
        if constexpr (std::is_same_v<std::decay_t<decltype(c)>, QChar>)
            u = c.unicode();
        else
            u = uint8_t(c);
        if ((u < 0x20 && u != '\t' && u != '\r' && u != '\n') || u == 0x7F)
            return false;
        if (u == '\r' && (i + 1 >= n || text[i + 1] != '\n'))
            return false;
        if (u == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return true;
}

void CheckRenderedRule(const RuleEntry& rule, const EnvironmentSettings& settings) {
    RuleRenderer renderer(kScriptCommentColumn, settings);
    QString text;
    renderer.Render(rule, text, {}, 1);
    FUZZ_CHECK(CleanLines(text));
    FUZZ_CHECK(text.endsWith(QLatin1String(")\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    FUZZ_CHECK(lines.first().startsWith(QLatin1String("(defrule")));
    FUZZ_CHECK(lines.count(QStringLiteral("=>")) == 1);
    // Between the arrow and the closing bracket: one line per event row.
    const qsizetype events = lines.size() - 2 - lines.indexOf(QStringLiteral("=>")) - 1;
    const bool chat = settings.debugChat && EventListRowCount(rule.actions) +
                                                    SplitConditionLines(rule.conditions).size() <
                                                kMaxCommands;
    FUZZ_CHECK(events == EventListRowCount(rule.actions) + (chat ? 1 : 0));
}

void CheckScript(const Project& project) {
    EnvironmentSettings plain;
    plain.comments = false;
    plain.projectHeader = false;
    plain.debugChat = true;
    for (const EnvironmentSettings& settings : {EnvironmentSettings{}, plain}) {
        const ScriptBuild build = ZuzAdidodi(project, {}, settings);
        if (build.Ok())
            FUZZ_CHECK(CleanLines(build.bytes));
        else
            FUZZ_CHECK(build.bytes.isEmpty());
        for (const Category& category : project.categories)
            for (const RuleEntry& entry : category.entries)
                if (!entry.IsGroupStart())
                    CheckRenderedRule(entry, settings);
    }
}

void CheckPreviews(const Project& project) {
    Project copy = project;
    for (int c = 1; c <= kCategoryCount; ++c) {
        const int nodes = BuildCategoryTree(copy.CategoryAt(c), copy.RootCaption(c)).Size();
        for (int position = 1; position <= nodes; ++position) {
            const PreviewText plain = PreviewCommand(copy, c, position, false);
            FUZZ_CHECK(!plain.coloured && CleanLines(plain.content));
            PreviewCommand(copy, c, position, true);
        }
    }
    // The preview fills only the rules' caches.
    for (int c = 1; c <= kCategoryCount; ++c)
        for (qsizetype e = 0; e < project.CategoryAt(c).entries.size(); ++e) {
            RuleEntry cached = copy.CategoryAt(c).entries[e];
            const RuleEntry& original = project.CategoryAt(c).entries[e];
            cached.scriptText = original.scriptText;
            cached.scriptColours = original.scriptColours;
            FUZZ_CHECK(cached == original);
        }
}

void CheckFileRoundTrip(const Project& project, bool isTemplate) {
    if (!FindUnsavableText(project).IsEmpty())
        return;
    for (const uint8_t mode : {uint8_t(isTemplate ? 100 : 1), uint8_t(isTemplate ? 101 : 2)}) {
        const QByteArray bytes = EncodeProject(project, isTemplate, mode, 7);
        const LoadResult again = DecodeProject(bytes, true);
        FUZZ_CHECK(again.project.has_value());
        FUZZ_CHECK(again.isTemplate == isTemplate);
        FUZZ_CHECK(*again.project == project);
    }
}

void CheckJsonRoundTrip(const Project& project, bool isTemplate) {
    const QByteArray json = ProjectToJson(project, isTemplate);
    const JsonReadResult read = ProjectFromJson(json);
    FUZZ_CHECK(read.project.has_value());
    FUZZ_CHECK(ProjectToJson(*read.project, isTemplate) == json);
    // Text a project file can hold comes back exactly (a lone surrogate,
    // which no file holds, cannot be written as UTF-8).
    if (FindUnsavableText(project).IsEmpty())
        FUZZ_CHECK(*read.project == project);
}

} // namespace

void CheckProject(const Project& project, bool isTemplate) {
    CheckFileRoundTrip(project, isTemplate);
    CheckJsonRoundTrip(project, isTemplate);
    CheckScript(project);
    CheckPreviews(project);
    for (const LineBreakerFound& found : FindLineBreakers(project))
        FUZZ_CHECK(!found.jsonPlace.isEmpty() && !found.Message().isEmpty());
}

} // namespace rw::fuzz

#include "builder/ScriptPreview.h"

#include "builder/RuleRenderer.h"
#include "model/CategoryTree.h"
#include "model/Cp932.h"

#include <QVarLengthArray>

#include <algorithm>
#include <vector>

namespace rw {

namespace {

void ColourKeywords(const QString& text, std::initializer_list<const char*> keywords, bool bold,
                    uint32_t rgb, QList<ColourRange>& ranges) {
    for (const char* keyword : keywords) {
        const QLatin1String word(keyword);
        // Occurrences may overlap: the next search starts one after the last.
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1))
            ranges.append(ColourRange{int(at), int(word.size()), bold, rgb});
    }
}

void AppendEscaped(QString& html, QStringView piece) {
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar c = piece[i];
        switch (c.unicode()) {
        case '&':
            html += QLatin1String("&amp;");
            break;
        case '<':
            html += QLatin1String("&lt;");
            break;
        case '>':
            html += QLatin1String("&gt;");
            break;
        case '"':
            html += QLatin1String("&quot;");
            break;
        case '\r':
            if (i + 1 < piece.size() && piece[i + 1] == QLatin1Char('\n'))
                ++i;
            html += QLatin1String("<br />");
            break;
        case '\n':
            html += QLatin1String("<br />");
            break;
        default:
            if (c.unicode() >= 0x80 && !IsCp932(QStringView(&c, 1)))
                html += QStringLiteral("&#x%1;").arg(c.unicode(), 0, 16);
            else
                html += c;
        }
    }
}

} // namespace

PreviewScope PreviewScopeAt(const Project& project, int category, int position) {
    PreviewScope scope;
    if (category < 1 || category > kCategoryCount)
        return scope;
    const Category& cat = project.CategoryAt(category);
    const CategoryTree tree = BuildCategoryTree(cat);
    if (position < 1 || position > tree.Size())
        return scope;
    const TreeNode& node = tree.At(position);
    scope.category = category;
    switch (node.kind) {
    case NodeKind::Rule:
        scope.rules << EntryAt(cat, position);
        break;
    case NodeKind::Root:
    case NodeKind::Group:
        scope.script = node.kind == NodeKind::Root
                           ? project.rootConditions[category - 1].conditionScript
                           : EntryAt(cat, position)->groupConditionScript;
        for (int child : node.children)
            scope.rules << EntryAt(cat, child);
        break;
    }
    return scope;
}

QString ScriptBuilder(const PreviewScope& scope, const EnvironmentSettings& settings) {
    QString text = scope.script;
    RuleRenderer renderer(kPreviewCommentColumn, settings);
    renderer.SetLayoutLimits(kPreviewDeepestIndent, kPreviewWidestColumn);
    for (const RuleEntry* rule : scope.rules)
        renderer.Render(*rule, text, {}, scope.category);
    AppendEndIfs(scope.script, text);
    return text;
}

QList<ColourRange> ColSet(const QString& text) {
    QList<ColourRange> ranges;
    ColourKeywords(text, {"(and", "(or", "(nand", "(nor", "(not", "(xor", "(xnor"}, true, 0x000080,
                   ranges);
    ColourKeywords(
        text, {"defrule", "true", "false", "#load-if-not-defined", "#load-if-defined", "#end-if"},
        true, 0x0000FF, ranges);
    ColourKeywords(text, {"(", ")", "=>"}, true, 0x808080, ranges);
    // Comments, from each ";" to the end of its line; a ";" inside a comment
    // already coloured adds nothing new.
    qsizetype coveredTo = -1;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char(';') || i < coveredTo)
            continue;
        qsizetype end = text.indexOf(QLatin1String("\r\n"), i);
        if (end < 0)
            end = text.size();
        ranges.append(ColourRange{int(i), int(end - i), false, 0x209D42});
        coveredTo = end;
    }
    return ranges;
}

QList<ColourRange> ColourRuns(const QString& text) {
    const QList<ColourRange> ranges = ColSet(text);
    // The range that styles each character last; -1 for none.
    std::vector<int> last(size_t(text.size()), -1);
    for (int r = 0; r < int(ranges.size()); ++r)
        std::fill_n(last.begin() + ranges[r].start, ranges[r].length, r);
    QList<ColourRange> runs;
    for (int i = 0; i < int(text.size()); ++i) {
        const int r = last[size_t(i)];
        if (r < 0)
            continue;
        const ColourRange& range = ranges[r];
        if (!runs.isEmpty()) {
            ColourRange& previous = runs.back();
            if (previous.start + previous.length == i && previous.bold == range.bold &&
                previous.rgb == range.rgb) {
                ++previous.length;
                continue;
            }
        }
        runs.append(ColourRange{i, 1, range.bold, range.rgb});
    }
    return runs;
}

QString ColouredText(const QString& text) {
    QString html;
    html.reserve(text.size() * 3);
    html += QLatin1String("<html><body><pre>");
    qsizetype at = 0;
    for (const ColourRange& run : ColourRuns(text)) {
        AppendEscaped(html, QStringView(text).mid(at, run.start - at));
        html += QStringLiteral("<span style=\"color:#%1;%2\">")
                    .arg(run.rgb, 6, 16, QLatin1Char('0'))
                    .arg(run.bold ? QLatin1String("font-weight:bold")
                                  : QLatin1String("font-weight:normal"));
        AppendEscaped(html, QStringView(text).mid(run.start, run.length));
        html += QLatin1String("</span>");
        at = run.start + run.length;
    }
    AppendEscaped(html, QStringView(text).mid(at));
    html += QLatin1String("</pre></body></html>");
    return html;
}

PreviewText PreviewCommand(Project& project, int category, int position, bool colourOn,
                           const EnvironmentSettings& settings) {
    const PreviewScope scope = PreviewScopeAt(project, category, position);
    const QString plain = ScriptBuilder(scope, settings);
    const bool ruleNode = !scope.rules.isEmpty() && position >= 2 &&
                          !EntryAt(project.CategoryAt(category), position)->IsGroupStart();
    if (ruleNode) {
        RuleEntry& rule = *EntryAt(project.CategoryAt(category), position);
        // The coloured form is kept only while the plain text it was made
        // from is unchanged.
        if (colourOn && (rule.scriptText != plain || rule.scriptColours.isEmpty()))
            rule.scriptColours = ColouredText(plain);
        rule.scriptText = plain;
    }
    return {plain, colourOn};
}

} // namespace rw

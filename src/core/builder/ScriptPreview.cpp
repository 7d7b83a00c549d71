#include "builder/ScriptPreview.h"

#include "builder/RuleRenderer.h"
#include "model/CategoryTree.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "vocabulary/ScriptWords.h"

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
    const CategoryTree tree = BuildCategoryTree(cat, project.RootCaption(category));
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
                           ? project.settings.rootConditions[category - 1].conditionScript
                           : EntryAt(cat, position)->groupConditionScript;
        for (int child : node.children)
            scope.rules << EntryAt(cat, child);
        break;
    }
    return scope;
}

QString ScriptBuilder(const PreviewScope& scope, const EnvironmentSettings& settings) {
    // The load conditions' lines end as the script's do.
    QString text;
    AppendCrLfLines(text, scope.script);
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

namespace {

enum Style : uint8_t { kPlain, kOperator, kKeyword, kBracket, kComment };

// Every character's style as ColSet's ranges leave it, in one pass. What
// keeps the steps' order: the brackets and "=>" (step 3) are never part of
// a keyword (step 2) or of an operator's letters (step 1), a keyword never
// contains the "(" an operator starts with, and a comment (step 4) ends
// every other match it starts inside.
std::vector<uint8_t> StylesOf(QStringView text, bool lineBreakFollows) {
    const QStringList& operators = LogicalOperatorWords();
    static const QLatin1String kKeywords[] = {QLatin1String("defrule"),
                                              QLatin1String("true"),
                                              QLatin1String("false"),
                                              QLatin1String("#load-if-not-defined"),
                                              QLatin1String("#load-if-defined"),
                                              QLatin1String("#end-if")};
    const qsizetype size = text.size();
    std::vector<uint8_t> style(size_t(size), kPlain);
    auto mark = [&](qsizetype from, qsizetype length, uint8_t what) {
        std::fill_n(style.begin() + from, length, what);
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QStringView rest = text.mid(i);
        switch (text[i].unicode()) {
        case ';': {
            if (i + 1 == size && !lineBreakFollows)
                break;
            qsizetype end = text.indexOf(QLatin1String("\r\n"), i);
            if (end < 0)
                end = size;
            mark(i, end - i, kComment);
            i = end - 1;
            continue;
        }
        case '(':
            for (const QString& op : operators)
                if (rest.mid(1).startsWith(op))
                    mark(i + 1, op.size(), kOperator);
            style[size_t(i)] = kBracket;
            continue;
        case ')':
            style[size_t(i)] = kBracket;
            continue;
        case '=':
            if (rest.startsWith(QLatin1String("=>")))
                mark(i, 2, kBracket);
            continue;
        default:
            break;
        }
        for (const QLatin1String& keyword : kKeywords)
            if (rest.startsWith(keyword))
                mark(i, keyword.size(), kKeyword);
    }
    return style;
}

// The styled runs: neighbours of one style joined, plain ones left out.
QList<ColourRange> RunsOf(const std::vector<uint8_t>& style) {
    static const ColourRange kStyles[] = {{0, 0, false, 0},
                                          {0, 0, true, 0x000080},
                                          {0, 0, true, 0x0000FF},
                                          {0, 0, true, 0x808080},
                                          {0, 0, false, 0x209D42}};
    const qsizetype size = qsizetype(style.size());
    QList<ColourRange> runs;
    for (qsizetype i = 0; i < size;) {
        qsizetype j = i + 1;
        while (j < size && style[size_t(j)] == style[size_t(i)])
            ++j;
        if (style[size_t(i)] != kPlain) {
            ColourRange run = kStyles[style[size_t(i)]];
            run.start = int(i);
            run.length = int(j - i);
            runs.append(run);
        }
        i = j;
    }
    return runs;
}

} // namespace

QList<ColourRange> ColourRuns(QStringView text, bool lineBreakFollows) {
    return RunsOf(StylesOf(text, lineBreakFollows));
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

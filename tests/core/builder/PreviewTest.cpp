#include "BuilderTestUtil.h"

#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "model/Cp932.h"
#include "storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

using namespace rw;
using rw::test::Group;
using rw::test::Rule;

namespace {

QString Pad(const QString& text, int column) {
    return text + QString(column - Cp932Width(text), QLatin1Char(' '));
}

Project GroupProject() {
    Project p = InitialProject();
    p.CategoryAt(1).entries << Group("g", "#load-if-defined TINY-MAP\r\n")
                            << Rule("a", "(build house);家", "0;x;k,x\r\n")
                            << Rule("b", "(build mill);粉", "0;y;k,y\r\n");
    return p;
}

// The style of each character after the ranges are applied in order.
QList<ColourRange> StyleAt(const QString& text, const QString& piece, qsizetype from = 0) {
    QList<ColourRange> styles;
    const qsizetype at = text.indexOf(piece, from);
    for (qsizetype i = at; i < at + piece.size(); ++i) {
        ColourRange style{int(i), 1, false, 0};
        for (const ColourRange& r : ColSet(text))
            if (i >= r.start && i < r.start + r.length)
                style = ColourRange{int(i), 1, r.bold, r.rgb};
        styles << style;
    }
    return styles;
}

} // namespace

TEST(Preview, GroupRulesBackToBackWithOneEndIf) {
    const Project p = GroupProject();
    const QString text = ScriptBuilder(PreviewScopeAt(p, 1, 2));
    EXPECT_EQ(text, "#load-if-defined TINY-MAP\r\n" + Pad("(defrule", 30) + ";■a\r\n" +
                        Pad("    (x)", 30) + ";x\r\n=>\r\n" + Pad("    (build house)", 30) +
                        ";家\r\n)\r\n" + Pad("(defrule", 30) + ";■b\r\n" + Pad("    (y)", 30) +
                        ";y\r\n=>\r\n" + Pad("    (build mill)", 30) + ";粉\r\n)\r\n#end-if\r\n");
    // one rule alone: no load conditions
    EXPECT_TRUE(ScriptBuilder(PreviewScopeAt(p, 1, 4)).startsWith(Pad("(defrule", 30) + ";■b"));
}

TEST(Preview, RootWithoutRootRulesGivesOnlyItsConditions) {
    Project p = GroupProject();
    EXPECT_EQ(ScriptBuilder(PreviewScopeAt(p, 1, 1)), "");
    p.settings.rootConditions[0].conditionScript = "#load-if-defined A\r\n#load-if-defined B\r\n";
    EXPECT_EQ(ScriptBuilder(PreviewScopeAt(p, 1, 1)),
              "#load-if-defined A\r\n#load-if-defined B\r\n#end-if\r\n#end-if\r\n");
    EXPECT_TRUE(PreviewScopeAt(p, 1, 9).rules.isEmpty());
    EXPECT_TRUE(PreviewScopeAt(p, 8, 1).rules.isEmpty());
}

TEST(Preview, ScopeFollowsTheRuleTree) {
    Project p = GroupProject();
    Category& c = p.CategoryAt(1);
    // a root rule after the group belongs to the root, not to the group
    c.entries.insert(2, Rule("late", "(x)", "0;z;k,z\r\n", kMarkerRoot));
    const PreviewScope group = PreviewScopeAt(p, 1, 2);
    ASSERT_EQ(group.rules.size(), 2);
    EXPECT_EQ(group.rules[0]->title, "a");
    EXPECT_EQ(group.rules[1]->title, "b");
    const PreviewScope root = PreviewScopeAt(p, 1, 1);
    ASSERT_EQ(root.rules.size(), 1);
    EXPECT_EQ(root.rules[0]->title, "late");
}

TEST(Preview, ColouringOrder) {
    // "(not" also matches inside "(nothing"
    const QString text =
        "(defrule ;true\r\n(nothing)\r\n    (and\r\n        (true)\r\n    )\r\n=>\r\n";
    const QList<ColourRange> ranges = ColSet(text);
    // steps in order: operators, keywords, brackets, comments last
    ASSERT_FALSE(ranges.isEmpty());
    EXPECT_EQ(ranges.front(), (ColourRange{int(text.indexOf("(and")), 4, true, 0x000080}));
    EXPECT_EQ(ranges.back(), (ColourRange{9, 5, false, 0x209D42}));

    const ColourRange navy{0, 1, true, 0x000080}, blue{0, 1, true, 0x0000FF},
        grey{0, 1, true, 0x808080}, green{0, 1, false, 0x209D42};
    auto same = [](QList<ColourRange> got, QList<ColourRange> want) {
        for (qsizetype i = 0; i < got.size(); ++i)
            got[i].start = 0;
        return got == want;
    };
    EXPECT_TRUE(same(StyleAt(text, "(and"), {grey, navy, navy, navy}));
    EXPECT_TRUE(same(StyleAt(text, "(true)"), {grey, blue, blue, blue, blue, grey}));
    EXPECT_TRUE(same(StyleAt(text, ";true"), {green, green, green, green, green}));
    EXPECT_TRUE(same(StyleAt(text, "=>"), {grey, grey}));
    EXPECT_TRUE(same(StyleAt(text, "(noth"), {grey, navy, navy, navy, {0, 1, false, 0}}));
}

TEST(Preview, ColourRunsAreTheLastStyleOfEachCharacter) {
    const QString text = "    (and ;true (or\r\n(true)=>";
    const QList<ColourRange> runs = ColourRuns(text);
    // "(" grey over the navy operator, the whole comment one green run, the
    // neighbouring ")" and "=>" joined into one grey run
    EXPECT_EQ(runs, (QList<ColourRange>{{4, 1, true, 0x808080},
                                        {5, 3, true, 0x000080},
                                        {9, 9, false, 0x209D42},
                                        {20, 1, true, 0x808080},
                                        {21, 4, true, 0x0000FF},
                                        {25, 3, true, 0x808080}}));
    EXPECT_TRUE(ColourRuns(u"plain words").isEmpty());
    EXPECT_TRUE(ColourRuns(u"").isEmpty());
}

// ColSet's ranges applied one after another, as runs: what ColourRuns
// must come to in its single pass.
QList<ColourRange> LayeredRuns(const QString& text, qsizetype length) {
    std::vector<ColourRange> styleOf(size_t(text.size()));
    for (const ColourRange& r : ColSet(text))
        for (int i = r.start; i < r.start + r.length; ++i)
            styleOf[size_t(i)] = r;
    QList<ColourRange> runs;
    for (int i = 0; i < length; ++i) {
        const ColourRange& s = styleOf[size_t(i)];
        if (s.rgb == 0 && !s.bold)
            continue;
        if (!runs.isEmpty() && runs.back().start + runs.back().length == i &&
            runs.back().rgb == s.rgb && runs.back().bold == s.bold)
            ++runs.back().length;
        else
            runs.append(ColourRange{i, 1, s.bold, s.rgb});
    }
    return runs;
}

TEST(Preview, ColourRunsAgreeWithTheLayeredColouring) {
    const char* const pieces[] = {"(",       ")",       "=",        ">",         ";",     "\r\n",
                                  "\r",      "\n",      " ",        "a",         "and",   "or",
                                  "n",       "x",       "ot",       "true",      "tru",   "e",
                                  "false",   "defrule", "#",        "#load-if-", "not-",  "defined",
                                  "#end-if", "日本",    "(nothing", "(xnor",     "(nand", "=>"};
    std::mt19937 random(14);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        for (int k = length(random); k > 0; --k)
            text += QString::fromUtf8(pieces[pick(random)]);
        ASSERT_EQ(ColourRuns(text), LayeredRuns(text, text.size())) << text.toStdString();
        // one line of a longer text colours as it does inside that text
        if (!text.contains('\r') && !text.contains('\n')) {
            ASSERT_EQ(ColourRuns(text, true), LayeredRuns(text + "\r\n", text.size()))
                << text.toStdString();
        }
    }
}

TEST(Preview, ColouredTextSurvivesSavingAndLoading) {
    Project p = GroupProject();
    RuleEntry& rule = p.CategoryAt(1).entries[1];
    rule.title = "<&\"> ★ €"; // markup characters and one outside code page 932
    const PreviewText shown = PreviewCommand(p, 1, 3, true);
    EXPECT_TRUE(shown.coloured);
    EXPECT_EQ(shown.content, rule.scriptText);
    const QString& html = rule.scriptColours;
    EXPECT_TRUE(html.contains("&lt;&amp;&quot;&gt;"));
    EXPECT_TRUE(html.contains("&#x20ac;"));
    EXPECT_TRUE(html.contains("<span style=\"color:#808080;font-weight:bold\">(</span>"));
    EXPECT_FALSE(html.contains('\r'));
    EXPECT_TRUE(IsCp932(html));

    rule.title = "ok"; // the file cannot hold the euro sign of the title itself
    PreviewCommand(p, 1, 3, true);
    const LoadResult back = DecodeProject(EncodeProject(p, false, 1, 0), false);
    ASSERT_TRUE(back.project);
    EXPECT_EQ(back.project->CategoryAt(1).entries[1].scriptColours, rule.scriptColours);
    EXPECT_EQ(back.project->CategoryAt(1).entries[1].scriptText, rule.scriptText);
}

TEST(Preview, RuleColoursAreCachedUntilTheScriptChanges) {
    Project p = GroupProject();
    RuleEntry& rule = p.CategoryAt(1).entries[1];
    const PreviewText plain = PreviewCommand(p, 1, 3, false);
    EXPECT_FALSE(plain.coloured);
    EXPECT_EQ(rule.scriptText, plain.content);
    EXPECT_TRUE(rule.scriptColours.isEmpty());

    EXPECT_TRUE(PreviewCommand(p, 1, 3, true).coloured);
    EXPECT_EQ(rule.scriptColours, ColouredText(rule.scriptText));
    rule.scriptColours = "cached"; // a second preview must not colour again
    EXPECT_EQ(PreviewCommand(p, 1, 3, true).content, plain.content);
    EXPECT_EQ(rule.scriptColours, "cached");

    rule.actions = "(build castle);城";
    const PreviewText fresh = PreviewCommand(p, 1, 3, true);
    EXPECT_TRUE(fresh.content.contains("(build castle)"));
    EXPECT_EQ(rule.scriptText, fresh.content);
    EXPECT_EQ(rule.scriptColours, ColouredText(fresh.content));

    // with colour off only the plain text is refreshed
    rule.actions = "(build dock);港";
    PreviewCommand(p, 1, 3, false);
    EXPECT_TRUE(rule.scriptText.contains("(build dock)"));
    EXPECT_TRUE(rule.scriptColours.contains("castle"));

    // a rule without conditions is still coloured afresh, never shown stale
    rule.conditions.clear();
    PreviewCommand(p, 1, 3, true);
    EXPECT_EQ(rule.scriptColours, ColouredText(rule.scriptText));
    EXPECT_TRUE(rule.scriptText.contains("\r\n    (true)\r\n=>"));

    // a group preview touches no cache
    const Project before = p;
    EXPECT_TRUE(PreviewCommand(p, 1, 2, true).coloured);
    EXPECT_EQ(p, before);
}

// Rules no editor makes but a file can hold: the preview must stay in
// proportion to the rule, where the script's own layout would spend four
// blanks per level on every row, or pad every row to the widest one.
struct OversizeCase {
    const char* name;
    RuleEntry (*make)(int n);
};

RuleEntry NestedOperators(int n) {
    QString conditions;
    for (int i = 0; i < n; ++i)
        conditions += QString("%1;AND;Sys_And,and\r\n").arg(i);
    conditions += QString("%1;(上書きしてください);Overwrite,true\r\n").arg(n);
    return Rule("deep", "(attack-now);攻撃する", conditions);
}

RuleEntry NestedUnderFacts(int n) {
    // every level holds a fact with a comment: wide rows and deep ones
    QString conditions;
    for (int i = 0; i < n; ++i)
        conditions += QString("%1;NOT;Sys_Not,not\r\n%2;木が%3以上;Res,wood-amount >= %3\r\n")
                          .arg(i == 0 ? 0 : 2 * i - 1)
                          .arg(2 * i + 1)
                          .arg(i);
    return Rule("deep", "(x);y", conditions);
}

RuleEntry ManyRowsOneWideCommand(int n) {
    QStringList events(n, QString());
    events << "(chat-to-all \"" + QString(n, 'w') + "\");長い";
    return Rule("wide", events.join("\r\n"), "0;a;k,a\r\n");
}

RuleEntry ManyFactsOneWideFact(int n) {
    QString conditions;
    for (int i = 0; i < n; ++i)
        conditions += "0;c;k,f\r\n";
    conditions += "0;wide;k," + QString(n, 'w') + "\r\n";
    return Rule("wide", "(x);y", conditions);
}

class PreviewSize : public testing::TestWithParam<OversizeCase> {};

TEST_P(PreviewSize, GrowsInProportionToTheRule) {
    auto previewOf = [](const RuleEntry& rule) {
        Project p = InitialProject();
        p.CategoryAt(1).entries << rule;
        return ScriptBuilder(PreviewScopeAt(p, 1, 2));
    };
    const RuleEntry small = GetParam().make(1000);
    const RuleEntry large = GetParam().make(4000);
    const QString smallText = previewOf(small);
    const QString largeText = previewOf(large);
    const qsizetype ruleSize = large.conditions.size() + large.actions.size() + large.title.size();
    // Four times the rule, about four times the text (a square would be 16).
    EXPECT_LT(largeText.size(), 5 * smallText.size());
    // A row costs at least its line break in the rule and at most the
    // widest column plus its own text in the preview.
    EXPECT_LT(largeText.size(), kPreviewWidestColumn / 2 * ruleSize);
    // The colouring is as long again, at most.
    EXPECT_LE(ColourRuns(largeText).size(), largeText.size());
    EXPECT_LT(ColouredText(largeText).size(), 40 * largeText.size());
}

INSTANTIATE_TEST_SUITE_P(
    Preview, PreviewSize,
    testing::Values(OversizeCase{"NestedOperators", NestedOperators},
                    OversizeCase{"NestedUnderFacts", NestedUnderFacts},
                    OversizeCase{"ManyRowsOneWideCommand", ManyRowsOneWideCommand},
                    OversizeCase{"ManyFactsOneWideFact", ManyFactsOneWideFact}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Preview, DeepAndWideRowsStayWithinTheBounds) {
    Project p = InitialProject();
    p.CategoryAt(1).entries << NestedOperators(40);
    const QStringList lines = ScriptBuilder(PreviewScopeAt(p, 1, 2)).split("\r\n");
    // level 32 is the deepest shown: the rows below it stand at its indent
    const QString deepest = QString(4 * 33, ' ');
    EXPECT_TRUE(lines.contains(deepest + "(and"));
    EXPECT_FALSE(lines.contains(deepest + "    (and"));
    EXPECT_EQ(lines.count(deepest + "(and"), 40 - 32);
    EXPECT_TRUE(lines.contains(deepest + "(true)"));

    // a row wider than the widest column has its comment right after it
    p.CategoryAt(1).entries[0] = ManyFactsOneWideFact(300);
    const QString text = ScriptBuilder(PreviewScopeAt(p, 1, 2));
    EXPECT_TRUE(text.contains("    (" + QString(300, 'w') + ");wide\r\n"));
    EXPECT_TRUE(text.contains(Pad("    (f)", kPreviewWidestColumn) + ";c\r\n"));
    // the script itself keeps its own layout (within the command limit,
    // which the builder holds to)
    p.CategoryAt(1).entries[0].conditions = "0;c;k,f\r\n0;wide;k," + QString(300, 'w') + "\r\n";
    EXPECT_EQ(ZuzAdidodi(p).Text().count(Pad("    (f)", 4 + 300 + 2) + ";c\r\n"), 1);
}

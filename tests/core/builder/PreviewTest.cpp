#include "BuilderTestUtil.h"

#include "builder/ScriptPreview.h"
#include "model/Cp932.h"
#include "storage/ProjectFile.h"

#include <gtest/gtest.h>

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
    p.rootConditions[0].conditionScript = "#load-if-defined A\r\n#load-if-defined B\r\n";
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

TEST(Preview, ColouredTextSurvivesSavingAndLoading) {
    Project p = GroupProject();
    RuleEntry& rule = p.CategoryAt(1).entries[1];
    rule.title = "<&\"> ★ €"; // markup characters and one outside code page 932
    const PreviewText shown = PreviewCommand(p, 1, 3, true);
    EXPECT_TRUE(shown.rich);
    EXPECT_EQ(shown.content, rule.scriptColours);
    EXPECT_TRUE(shown.content.contains("&lt;&amp;&quot;&gt;"));
    EXPECT_TRUE(shown.content.contains("&#x20ac;"));
    EXPECT_FALSE(shown.content.contains('\r'));
    EXPECT_TRUE(IsCp932(shown.content));

    rule.title = "ok"; // the file cannot hold the euro sign of the title itself
    PreviewCommand(p, 1, 3, true);
    const LoadResult back = DecodeProject(EncodeProject(p, false, 1, 0), false);
    ASSERT_TRUE(back.project);
    EXPECT_EQ(back.project->CategoryAt(1).entries[1].scriptColours, rule.scriptColours);
}

TEST(Preview, RuleColoursAreCachedUntilTheScriptChanges) {
    Project p = GroupProject();
    RuleEntry& rule = p.CategoryAt(1).entries[1];
    const PreviewText plain = PreviewCommand(p, 1, 3, false);
    EXPECT_FALSE(plain.rich);
    EXPECT_EQ(rule.scriptText, plain.content);
    EXPECT_TRUE(rule.scriptColours.isEmpty());

    PreviewCommand(p, 1, 3, true);
    ASSERT_FALSE(rule.scriptColours.isEmpty());
    rule.scriptColours = "cached"; // a second preview must not colour again
    EXPECT_EQ(PreviewCommand(p, 1, 3, true).content, "cached");

    rule.actions = "(build castle);城";
    const PreviewText fresh = PreviewCommand(p, 1, 3, true);
    EXPECT_NE(fresh.content, "cached");
    EXPECT_TRUE(fresh.content.contains("castle"));
    EXPECT_TRUE(rule.scriptText.contains("(build castle)"));

    // a rule without conditions is still coloured afresh, never shown stale
    rule.conditions.clear();
    EXPECT_EQ(PreviewCommand(p, 1, 3, true).content, rule.scriptColours);
    EXPECT_TRUE(rule.scriptText.contains("\r\n    (true)\r\n=>"));

    // a group preview touches no cache
    const Project before = p;
    EXPECT_TRUE(PreviewCommand(p, 1, 2, true).rich);
    EXPECT_EQ(p, before);
}

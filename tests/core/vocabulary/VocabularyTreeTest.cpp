#include "vocabulary/Vocabulary.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

QString S(const char16_t* text) {
    return QString::fromUtf16(text);
}

QList<int> Parents(const VocabTree& tree) {
    QList<int> parents;
    for (const VocabNode& node : tree)
        parents.append(node.parent);
    return parents;
}

TEST(VocabularyTrees, StrategicNumberTreeKeepsDuplicateSymbolsApart) {
    const VocabTree& tree = StrategicNumberTree();
    ASSERT_EQ(tree.size(), 103);
    EXPECT_EQ(ChildPositions(tree, 0).size(), 8);
    EXPECT_EQ(tree[0],
              (VocabNode{S(u"*町の人の作業の割合"), S(u"町の人の作業の割合"), {}, 0, true}));

    QList<int> explorers;
    for (qsizetype i = 0; i < tree.size(); ++i) {
        if (tree[i].tag == u"sn-percent-civilian-explorers")
            explorers.append(int(i) + 1);
    }
    ASSERT_EQ(explorers.size(), 2);
    const VocabNode& a = tree[explorers[0] - 1];
    const VocabNode& b = tree[explorers[1] - 1];
    EXPECT_EQ(a.text, S(u"索敵率"));
    EXPECT_EQ(b.text, S(u"索敵率"));
    EXPECT_EQ(tree[a.parent - 1].text, S(u"町の人の作業の割合"));
    EXPECT_EQ(tree[b.parent - 1].text, S(u"索敵"));
    // The default is read from the row behind the node, position for position.
    const QStringList& rows = TableRows(VocabTable::StrategicNumber);
    EXPECT_EQ(SplitFields(rows[explorers[0] - 1], u',')[1], "0");
    EXPECT_EQ(SplitFields(rows[explorers[1] - 1], u',')[1], "100");

    const int scouting = FindCategory(u"索敵", tree);
    ASSERT_GT(scouting, 0);
    EXPECT_TRUE(IsTopLevel(tree, scouting));
    EXPECT_EQ(ChildTexts(tree, scouting).size(), 12);
    EXPECT_EQ(ChildTexts(tree, scouting).at(2), S(u"索敵(最大)"));
}

TEST(VocabularyTrees, TechnologyTreeKeysAndTags) {
    const VocabTree& tree = TechnologyTree();
    ASSERT_EQ(tree.size(), 155);
    EXPECT_EQ(tree[0], (VocabNode{S(u"*町の中心"), S(u"町の中心"), {}, 0, true}));
    const int loom = FindCategory(u"機織り", tree);
    ASSERT_GT(loom, 0);
    EXPECT_EQ(tree[loom - 1], (VocabNode{"ri-loomkey", S(u"機織り"), "0", 1, true}));
    const int castle = FindCategory(u"城", tree);
    ASSERT_GT(castle, 0);
    EXPECT_EQ(ChildPositions(tree, castle).size(), 45);
    EXPECT_EQ(ChildTexts(tree, FindCategory(u"神殿", tree)).last(), S(u"薬草学"));
    for (const VocabNode& node : tree)
        EXPECT_TRUE(node.expanded);
}

TEST(VocabularyTrees, UnitTreeHeadingsCarryClassIds) {
    const VocabTree& tree = UnitTree();
    ASSERT_EQ(tree.size(), 174);
    EXPECT_EQ(tree[0],
              (VocabNode{S(u"*904 町の人グループ"), S(u"町の人グループ"), "904", 0, true}));
    EXPECT_EQ(tree[1], (VocabNode{S(u"villager 町の人"), S(u"町の人"), "villager", 1, true}));
    const int wagon = FindCategory(u"戦車", tree);
    ASSERT_GT(wagon, 0);
    EXPECT_EQ(tree[wagon - 1].key, S(u"war-wagon 戦車 "));
    EXPECT_EQ(tree[wagon - 1].tag, "war-wagon");
    const int livestock = FindCategory(u"家畜グループ", tree);
    EXPECT_EQ(livestock, 172);
    EXPECT_EQ(ChildTexts(tree, livestock), (QStringList{S(u"羊"), S(u"七面鳥")}));
    EXPECT_EQ(ChildPositions(tree, 0).size(), 18);
}

TEST(VocabularyTrees, UnitSubCategories) {
    const QStringList rows{"*1 A", "a1 x", "\\s1 S1", "b1 y", "\\s2 S2", "c1 z", "*2 B", "d1 w"};
    const VocabTree tree = BuildUnitTree(rows);
    ASSERT_EQ(tree.size(), rows.size());
    EXPECT_EQ(Parents(tree), (QList<int>{0, 1, 1, 3, 1, 5, 0, 7}));
    EXPECT_EQ(tree[2], (VocabNode{"\\s1 S1", "S1", "s1", 1, true}));
    EXPECT_EQ(ChildTexts(tree, 1), (QStringList{"x", "S1", "S2"}));
    EXPECT_TRUE(IsTopLevel(tree, 7));
    EXPECT_FALSE(IsTopLevel(tree, 3));
    EXPECT_FALSE(IsTopLevel(tree, 0));
    EXPECT_FALSE(IsTopLevel(tree, 9));
}

TEST(VocabularyTrees, TechnologySubCategories) {
    const QStringList rows{"*H", "t1,T1", "\\sub,Sub", "t2,T2", "*K", "t3,T3"};
    const VocabTree tree = BuildTechnologyTree(rows);
    EXPECT_EQ(Parents(tree), (QList<int>{0, 1, 1, 3, 0, 5}));
    EXPECT_EQ(tree[2], (VocabNode{"subkey", "Sub", "0", 1, true}));
}

TEST(VocabularyTrees, FindCategoryTakesTheFirstMatch) {
    const QStringList rows{"*1 A", "a1 x", "*2 x", "b1 y"};
    const VocabTree tree = BuildUnitTree(rows);
    EXPECT_EQ(FindCategory(u"x", tree), 2);
    EXPECT_EQ(FindCategory(u"A", tree), 1);
    EXPECT_EQ(FindCategory(u"none", tree), 0);
    EXPECT_EQ(FindCategory(u"", VocabTree{}), 0);
    // Duplicate entry captions in the shipped tree resolve to the first heading's.
    const VocabTree& sn = StrategicNumberTree();
    EXPECT_EQ(FindCategory(u"索敵(最大)", sn), 5);
}

} // namespace
} // namespace rw

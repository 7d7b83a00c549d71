#include "model/Numeric.h"
#include "vocabulary/Vocabulary.h"

#include <gtest/gtest.h>

#include <QSet>

namespace rw {
namespace {

struct TableShape {
    VocabTable table;
    const char* name;
    int rows;
    int headings;
    const char16_t* firstRow;
    const char16_t* lastRow;
};

class TableShapeTest : public ::testing::TestWithParam<TableShape> {};

TEST_P(TableShapeTest, RowCountsHeadingsAndEnds) {
    const TableShape& s = GetParam();
    const QStringList& rows = TableRows(s.table);
    ASSERT_EQ(rows.size(), s.rows);
    int headings = 0;
    for (const QString& row : rows)
        headings += IsHeadingRow(row) ? 1 : 0;
    EXPECT_EQ(headings, s.headings);
    EXPECT_EQ(rows.first(), QString::fromUtf16(s.firstRow));
    EXPECT_EQ(rows.last(), QString::fromUtf16(s.lastRow));
    // The same list every time: pickers keep positions into it.
    EXPECT_EQ(&TableRows(s.table), &rows);
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, TableShapeTest,
    ::testing::Values(
        TableShape{VocabTable::Victory, "Victory", 5, 0, u"DEATH-MATCH デスマッチ",
                   u"DEFEND-WONDER 民族の象徴の防衛"},
        TableShape{VocabTable::MapSize, "MapSize", 6, 0, u"TINY-MAP 極小", u"GIANT-MAP 特大"},
        TableShape{VocabTable::PopulationCap, "PopulationCap", 8, 0, u"POPULATION-CAP-25 25人",
                   u"POPULATION-CAP-200 200人"},
        TableShape{VocabTable::Difficulty, "Difficulty", 5, 0, u"DIFFICULTY-EASIEST 非常に簡単",
                   u"DIFFICULTY-HARDEST 非常に難しい"},
        TableShape{VocabTable::Civilisation, "Civilisation", 18, 0, u"AZTEC-CIV アステカ",
                   u"VIKING-CIV バイキング"},
        TableShape{VocabTable::MapType, "MapType", 24, 0, u"ARABIA-MAP アラビア",
                   u"YUCATAN-MAP ユカタン"},
        TableShape{VocabTable::Building, "Building", 34, 0, u"house *家", u":939 門(広い)"},
        TableShape{VocabTable::StrategicNumber, "StrategicNumber", 103, 8, u"*町の人の作業の割合",
                   u"sn-build-frequency,1,パス頻度"},
        TableShape{VocabTable::Unit, "Unit", 174, 18, u"*904 町の人グループ", u"833 七面鳥"},
        TableShape{VocabTable::Technology, "Technology", 155, 14, u"*町の中心",
                   u"49,ベルセルクギャング"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VocabularyTables, TrailingBlanksAreKept) {
    const QStringList& units = TableRows(VocabTable::Unit);
    EXPECT_TRUE(units.contains(QStringLiteral("janissary イュニチェリ   ")));
    EXPECT_TRUE(units.contains(QStringLiteral("siege-ram 改良強化破城槌   ")));
    EXPECT_TRUE(units.contains(QStringLiteral("war-wagon 戦車 ")));
    EXPECT_EQ(SplitSpaceRow(u"janissary イュニチェリ   "),
              (RowFields{"janissary", QStringLiteral("イュニチェリ")}));
}

// Every row of a space table must give a symbol and a caption, or a picker
// shows a blank line and a lookup can never find it.
TEST(VocabularyTables, SpaceRowsSplitIntoSymbolAndCaption) {
    for (VocabTable t : {VocabTable::Victory, VocabTable::MapSize, VocabTable::PopulationCap,
                         VocabTable::Difficulty, VocabTable::Civilisation, VocabTable::MapType,
                         VocabTable::Building, VocabTable::Unit}) {
        for (const QString& row : TableRows(t)) {
            const RowFields f = SplitSpaceRow(row);
            EXPECT_FALSE(f.first.isEmpty()) << row.toStdString();
            EXPECT_FALSE(f.second.isEmpty()) << row.toStdString();
            EXPECT_FALSE(f.first.contains(u' ')) << row.toStdString();
        }
    }
}

TEST(VocabularyTables, StrategicNumberRowsHaveSymbolDefaultCaption) {
    for (const QString& row : TableRows(VocabTable::StrategicNumber)) {
        if (IsHeadingRow(row))
            continue;
        const QStringList f = SplitFields(row, u',');
        ASSERT_EQ(f.size(), 3) << row.toStdString();
        EXPECT_TRUE(f[0].startsWith(u"sn-")) << row.toStdString();
        EXPECT_TRUE(IsNumber(f[1]) || f[1] == u"TRUE" || f[1] == u"FALSE") << row.toStdString();
        EXPECT_FALSE(f[2].isEmpty()) << row.toStdString();
    }
}

TEST(VocabularyTables, TechnologyRowsHaveSymbolAndCaption) {
    for (const QString& row : TableRows(VocabTable::Technology)) {
        if (IsHeadingRow(row))
            continue;
        const QStringList f = SplitFields(row, u',');
        ASSERT_EQ(f.size(), 2) << row.toStdString();
        EXPECT_FALSE(f[0].isEmpty()) << row.toStdString();
        EXPECT_FALSE(f[1].isEmpty()) << row.toStdString();
    }
}

// Lookups go from caption back to symbol, so every caption a picker can
// show must lead back to its own row.
TEST(VocabularyTables, EveryPickerCaptionLooksUpItsOwnSymbol) {
    const QStringList& buildings = TableRows(VocabTable::Building);
    const QStringList& plain = PlainBuildingPickerItems();
    for (qsizetype i = 0; i < buildings.size(); ++i) {
        QString symbol = SplitSpaceRow(buildings[i]).first;
        if (symbol.startsWith(u":-"))
            symbol = symbol.mid(2);
        EXPECT_EQ(BuildingSymbol(plain[i]), symbol) << plain[i].toStdString();
    }
    for (const VocabNode& node : UnitTree())
        EXPECT_EQ(UnitSymbol(node.text), node.tag) << node.text.toStdString();
    for (const VocabNode& node : TechnologyTree()) {
        if (node.parent == 0)
            continue;
        EXPECT_EQ(TechnologySymbol(node.text) + QStringLiteral("key"), node.key)
            << node.text.toStdString();
    }
}

TEST(VocabularyTables, WallAndGateRowsComeInNarrowWidePairs) {
    const QStringList& rows = TableRows(VocabTable::Building);
    int pairs = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!rows[i].startsWith(u':'))
            continue;
        ASSERT_LT(i + 1, rows.size());
        const RowFields narrow = SplitSpaceRow(rows[i]);
        const RowFields wide = SplitSpaceRow(rows[i + 1]);
        EXPECT_EQ(narrow.first, wide.first);
        EXPECT_TRUE(narrow.second.endsWith(u"(狭い)")) << narrow.second.toStdString();
        EXPECT_TRUE(wide.second.endsWith(u"(広い)")) << wide.second.toStdString();
        EXPECT_EQ(narrow.second.chopped(4), wide.second.chopped(4));
        ++pairs;
        ++i;
    }
    EXPECT_EQ(pairs, 5);
}

} // namespace
} // namespace rw

#include "vocabulary/Vocabulary.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

QString S(const char16_t* text) {
    return QString::fromUtf16(text);
}

struct SplitCase {
    const char16_t* row;
    const char16_t* first;
    const char16_t* second;
};

class SpaceSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SpaceSplitTest, Fields) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitSpaceRow(S(c.row)), (RowFields{S(c.first), S(c.second)}));
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, SpaceSplitTest,
    ::testing::Values(SplitCase{u"*904 町の人グループ", u"904", u"町の人グループ"},
                      SplitCase{u"house *家", u"house", u"家"},
                      SplitCase{u"war-wagon 戦車 ", u"war-wagon", u"戦車"},
                      SplitCase{u"a b c", u"a", u"b"},          // rest ignored
                      SplitCase{u"\\sub *x\\y", u"sub", u"xy"}, // marks dropped anywhere
                      SplitCase{u"lonely", u"lonely", u""}, SplitCase{u" lead", u"", u"lead"},
                      SplitCase{u"", u"", u""}));

class CommaSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommaSplitTest, Fields) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitCommaRow(S(c.row)), (RowFields{S(c.first), S(c.second)}));
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, CommaSplitTest,
    ::testing::Values(SplitCase{u"ri-loom,機織り", u"ri-loom", u"機織り"},
                      SplitCase{u"sn-blot-size,1,再探索区域サイズ", u"sn-blot-size", u"1"},
                      SplitCase{u"*a,\\b", u"*a", u"\\b"}, // nothing dropped
                      SplitCase{u"a,", u"a", u""}, SplitCase{u"nocomma", u"nocomma", u""}));

TEST(VocabularySplit, GeneralSplitterKeepsEveryField) {
    EXPECT_EQ(SplitFields(u"sn-x,-100,キャプション", u','),
              (QStringList{"sn-x", "-100", S(u"キャプション")}));
    EXPECT_EQ(SplitFields(u"a,,b,", u','), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(SplitFields(u"", u','), QStringList{""});
    EXPECT_EQ(SplitFields(u"3\\0\\1", u'\\'), (QStringList{"3", "0", "1"}));
}

struct LookupCase {
    enum Kind { Building, Unit, Technology } kind;
    const char16_t* caption;
    const char16_t* symbol;
};

class LookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, Symbol) {
    const LookupCase& c = GetParam();
    const QString caption = S(c.caption);
    QString got;
    switch (c.kind) {
    case LookupCase::Building:
        got = BuildingSymbol(caption);
        break;
    case LookupCase::Unit:
        got = UnitSymbol(caption);
        break;
    case LookupCase::Technology:
        got = TechnologySymbol(caption);
        break;
    }
    EXPECT_EQ(got, S(c.symbol)) << caption.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, LookupTest,
    ::testing::Values(
        LookupCase{LookupCase::Building, u"家", u"house"},
        LookupCase{LookupCase::Building, u"畑", u"farm"},
        LookupCase{LookupCase::Building, u"*家", u""}, // the mark is not part of the caption
        LookupCase{LookupCase::Building, u"城", u"castle"},
        LookupCase{LookupCase::Building, u"柵(狭い)", u"palisade-wall"},
        LookupCase{LookupCase::Building, u"強化壁(広い)", u"fortified-wall"},
        LookupCase{LookupCase::Building, u"石壁系(狭い)", u":stone-wall-line"},
        LookupCase{LookupCase::Building, u"門(広い)", u":939"},
        LookupCase{LookupCase::Building, u"house", u""}, LookupCase{LookupCase::Building, u"", u""},
        LookupCase{LookupCase::Unit, u"町の人グループ", u"904"},
        LookupCase{LookupCase::Unit, u"家畜グループ", u"958"},
        LookupCase{LookupCase::Unit, u"町の人", u"villager"},
        LookupCase{LookupCase::Unit, u"戦車", u"war-wagon"},
        LookupCase{LookupCase::Unit, u"戦車 ", u""},
        LookupCase{LookupCase::Unit, u"イュニチェリ", u"janissary"},
        LookupCase{LookupCase::Unit, u"羊を狩る人[男]", u"592"},
        LookupCase{LookupCase::Unit, u"エリートハスカール[戦士育成所]", u"761"},
        LookupCase{LookupCase::Unit, u"villager", u""}, LookupCase{LookupCase::Unit, u"", u""},
        LookupCase{LookupCase::Technology, u"機織り", u"ri-loom"},
        LookupCase{LookupCase::Technology, u"薬草学", u"441"},
        LookupCase{LookupCase::Technology, u"エリートユニークユニット", u"my-unique-unit-upgrade"},
        LookupCase{LookupCase::Technology, u"町の中心", u""}, // headings are not technologies
        LookupCase{LookupCase::Technology, u"ri-loom", u""},
        LookupCase{LookupCase::Technology, u"", u""}));

TEST(VocabularyPickers, BuildingPickerPictures) {
    const QList<BuildingPickerItem>& items = BuildingPickerItems();
    ASSERT_EQ(items.size(), 34);
    EXPECT_EQ(items[0], (BuildingPickerItem{S(u"家"), BuildingPicture::Second}));
    EXPECT_EQ(items[5], (BuildingPickerItem{S(u"市場"), BuildingPicture::First}));
    EXPECT_EQ(items[15], (BuildingPickerItem{S(u"城"), BuildingPicture::First}));
    EXPECT_EQ(items[17], (BuildingPickerItem{S(u"畑"), BuildingPicture::Second}));
    EXPECT_EQ(items[23], (BuildingPickerItem{S(u"見張り台系"), BuildingPicture::First}));
    EXPECT_EQ(items[24], (BuildingPickerItem{S(u"石壁系(狭い)"), BuildingPicture::Second}));
    EXPECT_EQ(items[33], (BuildingPickerItem{S(u"門(広い)"), BuildingPicture::Second}));
    int first = 0;
    for (const BuildingPickerItem& item : items) {
        EXPECT_FALSE(item.text.contains(u'*')) << item.text.toStdString();
        first += item.picture == BuildingPicture::First ? 1 : 0;
    }
    EXPECT_EQ(first, 34 - 7 - 10); // economy buildings and walls/gates excluded

    const QStringList& plain = PlainBuildingPickerItems();
    ASSERT_EQ(plain.size(), items.size());
    for (qsizetype i = 0; i < plain.size(); ++i)
        EXPECT_EQ(plain[i], items[i].text);
}

TEST(VocabularyPickers, CategoryPickers) {
    const QStringList& units = UnitCategoryPickerItems();
    ASSERT_EQ(units.size(), 18);
    EXPECT_EQ(units.first(), S(u"町の人グループ"));
    EXPECT_EQ(units[3], S(u"歩兵グループ"));
    EXPECT_EQ(units.last(), S(u"家畜グループ"));

    const QStringList& techs = TechnologyCategoryPickerItems();
    ASSERT_EQ(techs.size(), 14);
    EXPECT_EQ(techs.first(), S(u"町の中心"));
    EXPECT_EQ(techs.last(), S(u"城"));
}

TEST(VocabularyPickers, GameSettingItemsPairSymbolAndCaption) {
    const QList<GameSettingItem>& civs = GameSettingItems(VocabTable::Civilisation);
    ASSERT_EQ(civs.size(), 18);
    EXPECT_EQ(civs.first(), (GameSettingItem{"AZTEC-CIV", S(u"アステカ")}));
    EXPECT_EQ(civs.last(), (GameSettingItem{"VIKING-CIV", S(u"バイキング")}));
    const QList<GameSettingItem>& maps = GameSettingItems(VocabTable::MapType);
    ASSERT_EQ(maps.size(), 24);
    EXPECT_EQ(maps[22], (GameSettingItem{"SCENARIO-MAP", S(u"シナリオ")}));
    EXPECT_EQ(GameSettingItems(VocabTable::PopulationCap)[7],
              (GameSettingItem{"POPULATION-CAP-200", S(u"200人")}));
    EXPECT_EQ(GameSettingItems(VocabTable::Victory).size(), 5);
    EXPECT_EQ(GameSettingItems(VocabTable::MapSize).size(), 6);
    EXPECT_EQ(GameSettingItems(VocabTable::Difficulty)[4].caption, S(u"非常に難しい"));
    EXPECT_TRUE(GameSettingItems(VocabTable::Unit).isEmpty());
}

} // namespace
} // namespace rw

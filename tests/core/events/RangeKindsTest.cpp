#include "events/CommandGenerator.h"
#include "events/FreeEventRange.h"
#include "events/PanelPickers.h"
#include "events/PanelRules.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

// One row per range kind: everything the range panel and the free event
// write for a distance of 15, as scripts written so far carry it.
struct RangeRow {
    int kind;
    const char16_t* picker;
    const char16_t* heading;
    const char16_t* panelLine;
    const char16_t* panelChat;
    const char16_t* eventCaption;
    const char* eventCommand;
};

void PrintTo(const RangeRow& row, std::ostream* os) {
    *os << "kind " << row.kind;
}

class EveryRangeKind : public testing::TestWithParam<RangeRow> {};

TEST_P(EveryRangeKind, PanelAndFreeEventWriteTheSameSymbol) {
    const RangeRow& row = GetParam();
    EXPECT_EQ(PanelPickers::RangeKinds().value(row.kind), QString::fromUtf16(row.picker));
    EXPECT_EQ(RangeHeading(row.kind), QString::fromUtf16(row.heading));
    EXPECT_FALSE(RangeHelp(row.kind).isEmpty());

    PanelState panels;
    panels.range = {row.kind, QStringLiteral("15")};
    const CategoryEvents events = ComposeCategoryEvents(kRangeCategory, panels);
    EXPECT_EQ(events.lines, QStringList{QString::fromUtf16(row.panelLine)});
    EXPECT_EQ(events.chatMessage, QString::fromUtf16(row.panelChat));

    FreeEventRange range;
    range.SetKind(row.kind);
    range.SetDistance(QStringLiteral("15"));
    EXPECT_EQ(range.Preview().caption, QString::fromUtf16(row.eventCaption));
    EXPECT_EQ(range.Preview().command, QString::fromUtf8(row.eventCommand));
    EXPECT_EQ(FreeEventRange::Kinds().value(row.kind), QString::fromUtf16(row.picker));
    EXPECT_EQ(range.Heading(), RangeHeading(row.kind));
    EXPECT_EQ(range.Help(), RangeHelp(row.kind));
}

INSTANTIATE_TEST_SUITE_P(
    RangeKinds, EveryRangeKind,
    testing::Values(
        RangeRow{0, u"町の大きさ", u"[町の大きさ]",
                 u"(set-strategic-number sn-maximum-town-size 15);最大タウンサイズ",
                 u"町の大きさを15に変更", u"町の大きさを15に変更",
                 "set-strategic-number sn-maximum-town-size 15"},
        RangeRow{1, u"粉ひき所の距離", u"[粉ひき所の距離]",
                 u"(set-strategic-number sn-mill-max-distance 15)      ;粉ひき所の距離",
                 u"粉ひき所の距離を15に変更", u"粉ひき所の距離を15に変更",
                 "set-strategic-number sn-mill-max-distance 15"},
        RangeRow{2, u"伐採所・採掘所の距離", u"[伐採所・採掘所の距離]",
                 u"(set-strategic-number sn-camp-max-distance 15)      ;伐採所・採掘所の距離",
                 u"伐採所・採掘所の距離を15に変更", u"伐採所・採掘所の距離を15に変更",
                 "set-strategic-number sn-camp-max-distance 15"},
        RangeRow{3, u"木の認識距離", u"[木の認識距離]",
                 u"(set-strategic-number sn-maximum-wood-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"伐採所・採掘所の距離を15に変更", u"伐採所・採掘所の距離を15に変更",
                 "set-strategic-number sn-maximum-wood-drop-distance 15"},
        RangeRow{4, u"羊、苺、畑、小魚の認識距離", u"[羊､苺､畑､小魚の認識距離]",
                 u"(set-strategic-number sn-maximum-food-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"羊､苺､畑､小魚の認識距離を15に変更", u"羊､苺､畑､小魚の認識距離を15に変更",
                 "set-strategic-number sn-maximum-food-drop-distance 15"},
        RangeRow{5, u"漁船の認識距離", u"[漁船の認識距離]",
                 u"(set-strategic-number sn-maximum-fish-boat-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"漁をする人の認識距離を15に変更", u"漁船の認識距離を15に変更",
                 "set-strategic-number sn-maximum-fish-boat-drop-distance 15"},
        RangeRow{6, u"鹿狩りの認識距離", u"[鹿狩りの認識距離]",
                 u"(set-strategic-number sn-maximum-hunt-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"鹿狩りの認識距離を15に変更", u"鹿狩りの認識距離を15に変更",
                 "set-strategic-number sn-maximum-hunt-drop-distance 15"},
        RangeRow{7, u"金の認識距離", u"[金の認識距離]",
                 u"(set-strategic-number sn-maximum-gold-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"金の認識距離を15に変更", u"金の認識距離を15に変更",
                 "set-strategic-number sn-maximum-gold-drop-distance 15"},
        RangeRow{8, u"石の認識距離", u"[石の認識距離]",
                 u"(set-strategic-number sn-maximum-stone-drop-distance 15)      "
                 u";伐採所・採掘所の距離",
                 u"石の認識距離を15に変更", u"石の認識距離を15に変更",
                 "set-strategic-number sn-maximum-stone-drop-distance 15"}),
    [](const testing::TestParamInfo<RangeRow>& info) {
        return "kind" + std::to_string(info.param.kind);
    });

TEST(RangeKinds, EveryPickerListsEveryKind) {
    EXPECT_EQ(PanelPickers::RangeKinds().size(), 9);
    EXPECT_EQ(FreeEventRange::Kinds(), PanelPickers::RangeKinds());
}

} // namespace
} // namespace rw

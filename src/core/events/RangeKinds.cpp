#include "events/RangeKinds.h"

namespace rw {

const QList<RangeKind>& RangeKindTable() {
    // The captions, comments and messages are the ones scripts written so far
    // carry (several share the camp's comment), so they stay as they are.
    static const QList<RangeKind> table = {
        {QStringLiteral("町の大きさ"), QStringLiteral("町の大きさ"),
         QStringLiteral("建物を建設する範囲、守備軍が守備する範囲"),
         QStringLiteral("sn-maximum-town-size"), QStringLiteral("町の大きさを"),
         QStringLiteral(");最大タウンサイズ"), QStringLiteral("町の大きさを")},
        {QStringLiteral("粉ひき所の距離"), QStringLiteral("粉ひき所の距離"),
         QStringLiteral("粉ひき所を建設する距離"), QStringLiteral("sn-mill-max-distance"),
         QStringLiteral("粉ひき所の距離を"), QStringLiteral(")      ;粉ひき所の距離"),
         QStringLiteral("粉ひき所の距離を")},
        {QStringLiteral("伐採所・採掘所の距離"), QStringLiteral("伐採所・採掘所の距離"),
         QStringLiteral("伐採所を建設する距離"), QStringLiteral("sn-camp-max-distance"),
         QStringLiteral("伐採所・採掘所の距離を"), QStringLiteral(")      ;伐採所・採掘所の距離"),
         QStringLiteral("伐採所・採掘所の距離を")},
        {QStringLiteral("木の認識距離"), QStringLiteral("木の認識距離"),
         QStringLiteral("町の人が木を認識する距離\r\n※-1にすると無制限になります"),
         QStringLiteral("sn-maximum-wood-drop-distance"), QStringLiteral("伐採所・採掘所の距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"), QStringLiteral("伐採所・採掘所の距離を")},
        {QStringLiteral("羊、苺、畑、小魚の認識距離"), QStringLiteral("羊､苺､畑､小魚の認識距離"),
         QStringLiteral(
             "町の人が鹿以外の食料を認識する距離\r\n※0にすると鹿を除く食料を食べなくなります"),
         QStringLiteral("sn-maximum-food-drop-distance"),
         QStringLiteral("羊､苺､畑､小魚の認識距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"),
         QStringLiteral("羊､苺､畑､小魚の認識距離を")},
        {QStringLiteral("漁船の認識距離"), QStringLiteral("漁船の認識距離"),
         QStringLiteral("漁船がどこまで魚を取りに行くか\r\n※0にすると漁をしません"),
         QStringLiteral("sn-maximum-fish-boat-drop-distance"), QStringLiteral("漁船の認識距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"), QStringLiteral("漁をする人の認識距離を")},
        {QStringLiteral("鹿狩りの認識距離"), QStringLiteral("鹿狩りの認識距離"),
         QStringLiteral("狩りをする人がどこまで鹿を捕りに行くか\r\n※0にすると鹿狩りをしません"),
         QStringLiteral("sn-maximum-hunt-drop-distance"), QStringLiteral("鹿狩りの認識距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"), QStringLiteral("鹿狩りの認識距離を")},
        {QStringLiteral("金の認識距離"), QStringLiteral("金の認識距離"),
         QStringLiteral("金を採掘する人が金鉱をどこまで採掘に行くか\r\n※0にすると金を採掘しません"),
         QStringLiteral("sn-maximum-gold-drop-distance"), QStringLiteral("金の認識距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"), QStringLiteral("金の認識距離を")},
        {QStringLiteral("石の認識距離"), QStringLiteral("石の認識距離"),
         QStringLiteral("金を採掘する人が石をどこまで採掘に行くか\r\n※0にすると石を採掘しません"),
         QStringLiteral("sn-maximum-stone-drop-distance"), QStringLiteral("石の認識距離を"),
         QStringLiteral(")      ;伐採所・採掘所の距離"), QStringLiteral("石の認識距離を")},
    };
    return table;
}

const RangeKind* RangeKindAt(int position) {
    const QList<RangeKind>& table = RangeKindTable();
    return position >= 0 && position < table.size() ? &table[position] : nullptr;
}

QStringList RangeKindPickerItems() {
    QStringList items;
    for (const RangeKind& kind : RangeKindTable())
        items << kind.pickerText;
    return items;
}

QString RangeHeading(int position) {
    const RangeKind* kind = RangeKindAt(position);
    return QLatin1Char('[') + (kind ? kind->label : QString()) + QLatin1Char(']');
}

QString RangeHelp(int position) {
    const RangeKind* kind = RangeKindAt(position);
    return kind ? kind->help : QString();
}

} // namespace rw

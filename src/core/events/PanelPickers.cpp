#include "events/PanelPickers.h"

#include "events/RangeKinds.h"

#include <array>

namespace rw::PanelPickers {

namespace {

QStringList Items(std::initializer_list<const char16_t*> texts) {
    QStringList items;
    for (const char16_t* text : texts)
        items << QString::fromUtf16(text);
    return items;
}

// Picker lists derived from the vocabulary are built once; the panels ask
// for them on every change.
template <typename Build> const QList<QStringList>& PerCategory(int count, Build build) {
    static const QList<QStringList> lists = [&] {
        QList<QStringList> result;
        for (int i = 0; i < count; ++i)
            result << build(i);
        return result;
    }();
    return lists;
}

const QList<QStringList>& TechnologyLists() {
    return PerCategory(TechnologyCategories().size(), [](int category) {
        const VocabTree& tree = TechnologyTree();
        const int node = FindCategory(TechnologyCategories().at(category), tree);
        return node > 0 ? ChildTexts(tree, node) : QStringList();
    });
}

const QList<QStringList>& UnitLists() {
    return PerCategory(UnitCategories().size(), [](int category) {
        const VocabTree& tree = UnitTree();
        const int node = FindCategory(UnitCategories().at(category), tree);
        QStringList units;
        if (node > 0) {
            for (const QString& caption : ChildTexts(tree, node))
                if (!IsHiddenUnit(caption))
                    units << caption;
        }
        return units;
    });
}

} // namespace

bool IsHiddenUnit(const QString& caption) {
    return caption.contains(QStringLiteral("[男]")) || caption.contains(QStringLiteral("[女]")) ||
           caption.contains(QStringLiteral("聖なる箱"));
}

QString ItemAt(const QStringList& items, int k) {
    return k >= 0 && k < items.size() ? items.at(k) : QString();
}

const QList<BuildingPickerItem>& Buildings() {
    return BuildingPickerItems();
}

const QStringList& BuildingNames() {
    static const QStringList names = [] {
        QStringList texts;
        for (const BuildingPickerItem& item : Buildings())
            texts << item.text;
        return texts;
    }();
    return names;
}

QString BuildingCaption(int position) {
    const auto& items = Buildings();
    return position >= 1 && position <= items.size() ? items.at(position - 1).text : QString();
}

bool HasFirstPicture(int position) {
    const auto& items = Buildings();
    return position >= 1 && position <= items.size() &&
           items.at(position - 1).picture == BuildingPicture::First;
}

const QStringList& TechnologyCategories() {
    return TechnologyCategoryPickerItems();
}

QStringList Technologies(int category) {
    const auto& lists = TechnologyLists();
    return category >= 0 && category < lists.size() ? lists.at(category) : QStringList();
}

QString TechnologyCaption(int category, int technology) {
    return ItemAt(Technologies(category), technology);
}

const QStringList& UnitCategories() {
    // The panel has no use for the livestock category.
    static const QStringList items = [] {
        QStringList all = UnitCategoryPickerItems();
        if (!all.isEmpty())
            all.removeLast();
        return all;
    }();
    return items;
}

QStringList Units(int category) {
    const auto& lists = UnitLists();
    return category >= 0 && category < lists.size() ? lists.at(category) : QStringList();
}

QString UnitCaption(int category, int unit) {
    return ItemAt(Units(category), unit);
}

const QStringList& BuildingKinds() {
    static const QStringList items = Items({u"建設する", u"破壊する"});
    return items;
}

const QStringList& UnitKinds() {
    static const QStringList items = Items({u"生産する", u"削除する"});
    return items;
}

const QStringList& ResourceKinds() {
    static const QStringList items = Items({u"資源配分設定", u"市場の利用"});
    return items;
}

const QStringList& MarketActions() {
    static const QStringList items = Items({u"買う", u"売る"});
    return items;
}

const QStringList& MarketResources() {
    static const QStringList items = Items({u"木", u"食料", u"石"});
    return items;
}

const QStringList& AttackKinds() {
    static const QStringList items =
        Items({u"陸軍％攻撃", u"海軍％攻撃", u"陸軍グループ攻撃", u"海軍グループ攻撃"});
    return items;
}

const QStringList& RangeKinds() {
    static const QStringList items = RangeKindPickerItems();
    return items;
}

} // namespace rw::PanelPickers

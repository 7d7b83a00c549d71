#pragma once

#include "vocabulary/Vocabulary.h"

#include <QString>
#include <QStringList>

namespace rw {

// The items of the event panels' pickers, and the captions behind their
// positions. Positions out of range give an empty caption (and so an empty
// symbol), never a crash.
namespace PanelPickers {

// Building picker (1-based positions, pictures from the vocabulary).
const QList<BuildingPickerItem>& Buildings();
const QStringList& BuildingNames(); // their texts
QString BuildingCaption(int position);
// Whether the building at the 1-based position has the first picture, the one
// that allows building near the enemy.
bool HasFirstPicture(int position);

// Technology categories and the technologies of one of them.
const QStringList& TechnologyCategories();
QStringList Technologies(int category);
QString TechnologyCaption(int category, int technology);

// The units no picker offers: the gendered workers and the relic-carrying
// monk, which cannot be trained.
bool IsHiddenUnit(const QString& caption);

// Unit categories (all but the last) and the units of one of them, without
// the gendered workers and the relic-carrying monk.
const QStringList& UnitCategories();
QStringList Units(int category);
QString UnitCaption(int category, int unit);

// Fixed pickers.
const QStringList& BuildingKinds(); // "建設する", "破壊する"
const QStringList& UnitKinds();     // "生産する", "削除する"
const QStringList& ResourceKinds(); // "資源配分設定", "市場の利用"
const QStringList& MarketActions(); // "買う", "売る"
const QStringList& MarketResources();
const QStringList& AttackKinds();
const QStringList& RangeKinds();

// Item k of a list, or the empty text.
QString ItemAt(const QStringList& items, int k);

} // namespace PanelPickers

} // namespace rw

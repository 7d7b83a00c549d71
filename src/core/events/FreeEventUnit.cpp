#include "events/FreeEventUnit.h"

#include "events/PanelPickers.h"

namespace rw {

void FreeEventUnit::SetCategory(int position) {
    if (!ValidPosition(position, HeadingCount(UnitTree())))
        return;
    category_ = position;
    unit_ = 0;
}

QStringList FreeEventUnit::Units() const {
    QStringList units;
    for (const QString& caption : HeadingChildren(UnitTree(), category_)) {
        if (!PanelPickers::IsHiddenUnit(caption))
            units.append(caption);
    }
    return units;
}

void FreeEventUnit::SetUnit(int position) {
    if (ValidPosition(position, Units().size()))
        unit_ = position;
}

QStringList FreeEventUnit::Actions() {
    return {QStringLiteral("生産する"), QStringLiteral("削除する")};
}

void FreeEventUnit::SetAction(int position) {
    if (ValidPosition(position, 2))
        action_ = position;
}

void FreeEventUnit::Reset() {
    action_ = 0;
    SetCategory(0);
}

void FreeEventUnit::Restore(const StoredFields& fields) {
    SetCategory(fields.Position(0));
    SetUnit(fields.Position(1));
    SetAction(fields.Position(2));
}

FreeEventPreview FreeEventUnit::Preview() const {
    const QString name = Units().value(unit_);
    const QString symbol = UnitSymbol(name);
    const QStringList fields{Num(category_), Num(unit_), Num(action_)};
    const QString caption = name + QStringLiteral("を") + Actions()[action_];
    if (action_ == 0) {
        return Make(caption, QStringLiteral("train ") + symbol, fields,
                    name + QStringLiteral("が生産できるとき"),
                    QStringLiteral("can-train ") + symbol);
    }
    return Make(caption, QStringLiteral("delete-unit ") + symbol, fields,
                name + QStringLiteral("が削除できるとき"),
                QStringLiteral("unit-type-count-total ") + symbol + QStringLiteral(" >= 1"));
}

} // namespace rw

#include "events/FreeEventResearch.h"

namespace rw {

void FreeEventResearch::SetCategory(int position) {
    if (!ValidPosition(position, HeadingCount(TechnologyTree())))
        return;
    category_ = position;
    technology_ = 0;
}

QStringList FreeEventResearch::Technologies() const {
    return HeadingChildren(TechnologyTree(), category_);
}

void FreeEventResearch::SetTechnology(int position) {
    if (ValidPosition(position, Technologies().size()))
        technology_ = position;
}

void FreeEventResearch::Reset() {
    SetCategory(0);
}

void FreeEventResearch::Restore(const StoredFields& fields) {
    SetCategory(fields.Position(0));
    SetTechnology(fields.Position(1));
}

FreeEventPreview FreeEventResearch::Preview() const {
    const QString name = Technologies().value(technology_);
    const QString symbol = TechnologySymbol(name);
    return Make(name + QStringLiteral("を研究する"), QStringLiteral("research ") + symbol,
                {Num(category_), Num(technology_)}, name + QStringLiteral("が研究できるとき"),
                QStringLiteral("can-research ") + symbol);
}

} // namespace rw

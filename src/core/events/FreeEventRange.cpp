#include "events/FreeEventRange.h"

#include "events/RangeKinds.h"

namespace rw {

QStringList FreeEventRange::Kinds() {
    return RangeKindPickerItems();
}

void FreeEventRange::SetKind(int position) {
    if (RangeKindAt(position))
        kind_ = position;
}

void FreeEventRange::SetDistance(const QString& text) {
    distance_ = text;
}

QString FreeEventRange::Heading() const {
    return RangeHeading(kind_);
}

QString FreeEventRange::Help() const {
    return RangeHelp(kind_);
}

void FreeEventRange::Reset() {
    kind_ = 0;
    distance_ = QStringLiteral("15");
}

void FreeEventRange::Restore(const StoredFields& fields) {
    SetKind(fields.Position(0));
    SetDistance(fields.Box(1));
}

FreeEventPreview FreeEventRange::Preview() const {
    const RangeKind& kind = RangeKindTable()[kind_];
    const QStringList fields{Num(kind_), distance_};
    const BoxNumber distance = Whole(distance_, 0, 255);
    if (!distance.text)
        return Invalid(fields, distance_, distance);
    const QString d = *distance.text;
    return Make(kind.eventCaption + d + QStringLiteral("に変更"),
                QStringLiteral("set-strategic-number ") + kind.symbol + QLatin1Char(' ') + d,
                {Num(kind_), d});
}

} // namespace rw

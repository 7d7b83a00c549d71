#include "events/FreeEventResource.h"

namespace rw {

namespace {

struct ResourceRow {
    const char* picker;
    const char* command; // entries 0-3: followed by the percentage
    const char* captionHead;
    const char* captionTail;
    const char* relatedCaption;
    const char* relatedFact;
};

const ResourceRow kResourceRows[] = {
    {"木の％を変更", "set-strategic-number sn-wood-gatherer-percentage ", "木の収集割合を",
     " ％に変更", "", ""},
    {"食料の％変更", "set-strategic-number sn-food-gatherer-percentage ", "食料の収集割合を",
     "％に変更", "", ""},
    {"金の％変更", "set-strategic-number sn-gold-gatherer-percentage ", "金の収集割合を",
     "％に変更", "", ""},
    {"石の％変更", "set-strategic-number sn-stone-gatherer-percentage ", "石の収集割合を",
     "％に変更", "", ""},
    {"木を100買う", "buy-commodity wood", "", "", "木が100買えるとき", "can-buy-commodity wood"},
    {"食料を100買う", "buy-commodity food", "", "", "食料が100買えるとき",
     "can-buy-commodity food"},
    {"石を100買う", "buy-commodity stone", "", "", "石が100買えるとき", "can-buy-commodity stone"},
    {"木を100売る", "sell-commodity wood", "", "", "木が100売れるとき", "can-sell-commodity wood"},
    {"食料を100売る", "sell-commodity food", "", "", "食料が100売れるとき",
     "can-sell-commodity food"},
    {"石を100売る", "sell-commodity stone", "", "", "石が100売れるとき",
     "can-sell-commodity stone"},
};

} // namespace

QStringList FreeEventResource::Entries() {
    QStringList entries;
    for (const ResourceRow& row : kResourceRows)
        entries.append(QString::fromUtf8(row.picker));
    return entries;
}

void FreeEventResource::SetEntry(int position) {
    if (ValidPosition(position, std::size(kResourceRows)))
        entry_ = position;
}

void FreeEventResource::SetValue(const QString& text) {
    value_ = text;
}

void FreeEventResource::Reset() {
    entry_ = 0;
    value_ = QStringLiteral("25");
}

void FreeEventResource::Restore(const StoredFields& fields) {
    SetEntry(fields.Position(0));
    SetValue(fields.Box(1));
}

FreeEventPreview FreeEventResource::Preview() const {
    const ResourceRow& row = kResourceRows[entry_];
    const QStringList fields{Num(entry_), value_};
    if (ValueVisible()) {
        const BoxNumber percent = Whole(value_, 0, 100);
        if (!percent.text)
            return Invalid(fields, value_, percent);
        const QString v = *percent.text;
        return Make(QString::fromUtf8(row.captionHead) + v + QString::fromUtf8(row.captionTail),
                    QLatin1String(row.command) + v, {Num(entry_), v});
    }
    return Make(QString::fromUtf8(row.picker), QLatin1String(row.command), fields,
                QString::fromUtf8(row.relatedCaption), QLatin1String(row.relatedFact));
}

} // namespace rw

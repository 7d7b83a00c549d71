#include "events/FreeEventAttack.h"

namespace rw {

namespace {

struct AttackRow {
    const char* caption;
    const char* symbol; // nullptr: attack-now
    const char* unit;
    bool percentage;
};

const AttackRow kAttackRows[] = {
    {"総攻撃開始", nullptr, "", false},
    {"陸軍％攻撃設定", "sn-percent-attack-soldiers", "％", true},
    {"海軍％攻撃設定", "sn-percent-attack-boats", "％", true},
    {"陸軍グループ数設定", "sn-number-attack-groups", "グループ", false},
    {"陸軍最小グループ数設定", "sn-minimum-attack-group-size", "人  (1グループの最小人数)", false},
    {"陸軍最大グループ数設定", "sn-maximum-attack-group-size", "人  (1グループの最大人数", false},
    {"海軍グループ数設定", "sn-number-boat-attack-groups", "グループ", false},
    {"海軍最小グループ数設定", "sn-minimum-boat-attack-group-size", "人  (1グループが最小人数)",
     false},
    {"海軍最大グループ数設定", "sn-maximum-boat-attack-group-size", "人  (1グループの最大人数",
     false},
};

} // namespace

QStringList FreeEventAttack::Entries() {
    QStringList entries;
    for (const AttackRow& row : kAttackRows)
        entries.append(QString::fromUtf8(row.caption));
    return entries;
}

void FreeEventAttack::SetEntry(int position) {
    if (ValidPosition(position, std::size(kAttackRows)))
        entry_ = position;
}

void FreeEventAttack::SetValue(const QString& text) {
    value_ = text;
}

QString FreeEventAttack::UnitLabel() const {
    return QString::fromUtf8(kAttackRows[entry_].unit);
}

void FreeEventAttack::Reset() {
    entry_ = 0;
    value_ = QStringLiteral("100");
}

void FreeEventAttack::Restore(const StoredFields& fields) {
    SetEntry(fields.Position(0));
    SetValue(fields.Box(1));
}

FreeEventPreview FreeEventAttack::Preview() const {
    const AttackRow& row = kAttackRows[entry_];
    const QStringList fields{Num(entry_), value_};
    if (!row.symbol)
        return Make(QString::fromUtf8(row.caption), QStringLiteral("attack-now"), fields);
    const BoxNumber value = row.percentage ? Whole(value_, 0, 100) : Count(value_);
    if (!value.text)
        return Invalid(fields, value_, value);
    return Make(QString::fromUtf8(row.caption),
                QStringLiteral("set-strategic-number ") + QLatin1String(row.symbol) +
                    QLatin1Char(' ') + *value.text,
                {Num(entry_), *value.text});
}

} // namespace rw

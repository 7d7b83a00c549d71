#include "events/FreeEventVariable.h"

namespace rw {

QStringList FreeEventVariable::Entries() const {
    QStringList entries{QStringLiteral("*乱数を発生させる")};
    for (int k = 1; k < kVariableSlots; ++k)
        entries.append(Num(k) + QStringLiteral(": ") + names_[k]);
    return entries;
}

void FreeEventVariable::SetEntry(int position) {
    if (ValidPosition(position, kVariableSlots))
        entry_ = position;
}

void FreeEventVariable::SetValue(const QString& text) {
    value_ = text;
}

QString FreeEventVariable::Label() const {
    return names_[entry_];
}

void FreeEventVariable::Reset() {
    entry_ = 0;
    value_ = QStringLiteral("1");
}

void FreeEventVariable::Restore(const StoredFields& fields) {
    SetEntry(fields.Position(0));
    SetValue(fields.Box(1));
}

void FreeEventVariable::ReloadNames(const Project& project) {
    for (int k = 0; k < kVariableSlots; ++k)
        names_[k] = project.settings.variables[k].description;
}

FreeEventPreview FreeEventVariable::Preview() const {
    const QStringList fields{Num(entry_), value_};
    const BoxNumber value = entry_ == 0 ? Whole(value_, 1, 100) : Whole(value_);
    if (!value.text)
        return Invalid(fields, value_, value);
    const QString v = *value.text;
    if (entry_ == 0) {
        return Make(QStringLiteral("乱数を1～") + v + QStringLiteral("で発生させる"),
                    QStringLiteral("generate-random-number ") + v, {Num(entry_), v});
    }
    const QString k = Num(entry_);
    return Make(QStringLiteral("変数(") + k + QStringLiteral(")を") + v +
                    QStringLiteral("に設定する"),
                QStringLiteral("set-goal ") + k + QLatin1Char(' ') + v, {Num(entry_), v});
}

} // namespace rw

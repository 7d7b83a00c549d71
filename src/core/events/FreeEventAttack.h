#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "攻撃": attack now, or set the share of the army that attacks and the
// number and sizes of attack groups on land and at sea.
class FreeEventAttack : public FreeEventKind {
public:
    static QStringList Entries();
    int Entry() const { return entry_; }
    void SetEntry(int position);
    QString Value() const { return value_; }
    void SetValue(const QString& text);
    // Attacking now takes no number.
    bool ValueVisible() const { return entry_ != 0; }
    // What the number counts ("％", "グループ", ...).
    QString UnitLabel() const;

    QString Caption() const override { return QStringLiteral("攻撃"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int entry_ = 0;
    QString value_;
};

} // namespace rw

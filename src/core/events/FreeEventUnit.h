#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "ユニット": train or delete a unit, chosen by its category.
class FreeEventUnit : public FreeEventKind {
public:
    int Category() const { return category_; }
    // Choosing a category selects its first unit.
    void SetCategory(int position);
    // The category's units that a picker offers (see PanelPickers::IsHiddenUnit).
    QStringList Units() const;
    int Unit() const { return unit_; }
    void SetUnit(int position);
    static QStringList Actions();
    int Action() const { return action_; }
    void SetAction(int position);

    QString Caption() const override { return QStringLiteral("ユニット"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int category_ = 0;
    int unit_ = 0;
    int action_ = 0;
};

} // namespace rw

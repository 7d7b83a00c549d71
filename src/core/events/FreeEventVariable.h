#pragma once

#include "events/FreeEventKind.h"
#include "model/Project.h"

namespace rw {

// "変数/乱数": set one of the 40 variables (the game's goals) to a number, or
// draw a random number from 1 to at most 100.
class FreeEventVariable : public FreeEventKind {
public:
    // "*乱数を発生させる", then the 40 variables with their descriptions.
    QStringList Entries() const;
    int Entry() const { return entry_; }
    void SetEntry(int position);
    QString Value() const { return value_; }
    void SetValue(const QString& text);
    // The description of variable k for entry k (empty for the random entry).
    QString Label() const;

    QString Caption() const override { return QStringLiteral("変数/乱数"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;
    void ReloadNames(const Project& project) override;

private:
    int entry_ = 0;
    QString value_;
    QStringList names_ = QStringList(kVariableSlots); // slot 0 holds no variable
};

} // namespace rw

#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "資源": set a gatherer percentage, or buy or sell 100 of a resource at the
// market.
class FreeEventResource : public FreeEventKind {
public:
    static QStringList Entries();
    int Entry() const { return entry_; }
    void SetEntry(int position);
    QString Value() const { return value_; }
    void SetValue(const QString& text);
    // Only the four percentages take a number.
    bool ValueVisible() const { return entry_ <= 3; }

    QString Caption() const override { return QStringLiteral("資源"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int entry_ = 0;
    QString value_;
};

} // namespace rw

#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "研究": research a technology, chosen by the building that offers it.
class FreeEventResearch : public FreeEventKind {
public:
    int Category() const { return category_; }
    // Choosing a category selects its first technology.
    void SetCategory(int position);
    QStringList Technologies() const;
    int Technology() const { return technology_; }
    void SetTechnology(int position);

    QString Caption() const override { return QStringLiteral("研究"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int category_ = 0;
    int technology_ = 0;
};

} // namespace rw

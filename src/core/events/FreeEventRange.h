#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "範囲": the town size or how far villagers go for a resource (the range
// kinds), in tiles from 0 to 255.
class FreeEventRange : public FreeEventKind {
public:
    static QStringList Kinds();
    int Kind() const { return kind_; }
    void SetKind(int position);
    QString Distance() const { return distance_; }
    void SetDistance(const QString& text);
    // "[" label "]" and the help lines joined by CR LF.
    QString Heading() const;
    QString Help() const;

    QString Caption() const override { return QStringLiteral("範囲"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int kind_ = 0;
    QString distance_;
};

} // namespace rw

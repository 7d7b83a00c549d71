#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "チャット": a message to oneself (a test message), allies, enemies or all.
class FreeEventChat : public FreeEventKind {
public:
    static QStringList Targets();
    int Target() const { return target_; }
    void SetTarget(int position);
    QString Text() const { return text_; }
    void SetText(const QString& text);
    static QString ForbiddenLabel();

    QString Caption() const override { return QStringLiteral("チャット"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int target_ = 0;
    QString text_;
};

} // namespace rw

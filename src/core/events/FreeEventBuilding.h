#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "建物": build a building (near the enemy where it can be) or destroy one.
class FreeEventBuilding : public FreeEventKind {
public:
    int Building() const { return building_; } // 0-based picker position
    void SetBuilding(int position);
    static QStringList Actions();
    int Action() const { return action_; }
    void SetAction(int position);
    bool Forward() const { return forward_; }
    void SetForward(bool on);
    // Only buildings with the first picture can be built near the enemy, and
    // only when they are built.
    bool ForwardEnabled() const { return forwardEnabled_; }
    bool ForwardVisible() const { return action_ == 0; }

    QString Caption() const override { return QStringLiteral("建物"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int building_ = 0;
    int action_ = 0;
    bool forward_ = false;
    bool forwardEnabled_ = false;
};

} // namespace rw

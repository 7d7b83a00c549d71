#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "外交": change the stance towards one of the eight players.
class FreeEventDiplomacy : public FreeEventKind {
public:
    static QStringList Players();
    int Player() const { return player_; }
    void SetPlayer(int position);
    static QStringList Stances();
    int Stance() const { return stance_; }
    void SetStance(int position);

    QString Caption() const override { return QStringLiteral("外交"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int player_ = 0;
    int stance_ = 0;
};

} // namespace rw

#include "events/FreeEventDiplomacy.h"

namespace rw {

namespace {

const char* const kStanceSymbols[] = {"ally", "neutral", "enemy"};

} // namespace

QStringList FreeEventDiplomacy::Players() {
    QStringList players;
    for (int k = 1; k <= 8; ++k)
        players.append(QStringLiteral("Player") + Num(k));
    return players;
}

void FreeEventDiplomacy::SetPlayer(int position) {
    if (ValidPosition(position, 8))
        player_ = position;
}

QStringList FreeEventDiplomacy::Stances() {
    return {QStringLiteral("同盟"), QStringLiteral("中立"), QStringLiteral("敵対")};
}

void FreeEventDiplomacy::SetStance(int position) {
    if (ValidPosition(position, 3))
        stance_ = position;
}

void FreeEventDiplomacy::Reset() {
    player_ = 0;
    stance_ = 0;
}

void FreeEventDiplomacy::Restore(const StoredFields& fields) {
    SetPlayer(fields.Position(0));
    SetStance(fields.Position(1));
}

FreeEventPreview FreeEventDiplomacy::Preview() const {
    return Make(Players()[player_] + QStringLiteral("の外交政策を") + Stances()[stance_] +
                    QStringLiteral("に変更します"),
                QStringLiteral("set-stance ") + Num(player_ + 1) + QLatin1Char(' ') +
                    QLatin1String(kStanceSymbols[stance_]),
                {Num(player_), Num(stance_)});
}

} // namespace rw

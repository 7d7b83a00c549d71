#pragma once

// The facts and actions of the game's rule language (Age of Empires II: The
// Conquerors 1.0c) with what each argument stands for, and the ids and
// symbols each kind of argument takes. The script check measures every fact
// and action against it; the game refuses an AI whose script breaks it.

#include <QList>
#include <QString>
#include <QStringView>

namespace rw {

// What one argument of a fact or an action stands for.
enum class ParamKind {
    Compare,             // <, >=, less-than ...
    Value,               // any whole number
    Percent,             // 0 to 100
    Player,              // 1 to 8, or my-player-number, any-enemy ...
    Age,                 // dark-age ... post-imperial-age
    Building,            // house, 12, a class ...
    Unit,                // villager, 83, a class ...
    Technology,          // ri-loom, feudal-age, 441 ...
    StrategicNumber,     // sn-...
    Goal,                // variable 1 to 40
    SharedGoal,          // shared variable 1 to 256
    Timer,               // 1 to 10
    Commodity,           // what the market trades: food, stone, wood
    Resource,            // food, gold, stone, wood
    Civilisation,        // aztec ... viking, my-civ
    MapSize,             // tiny ... giant
    MapType,             // arabia ...
    Difficulty,          // easiest ... hardest
    StartingResources,   // low-resources ...
    Victory,             // standard, conquest ...
    Stance,              // ally, neutral, enemy
    Perimeter,           // wall perimeter 1 or 2
    WallType,            // palisade-wall ...
    EventType,           // trigger
    EventId,             // 0 to 255
    Taunt,               // 1 to 255
    DifficultyParameter, // ability-to-dodge-missiles ...
    RandomRange,         // the top of a random number, 1 to 32767
    Text,                // a quoted text
};

struct CommandSignature {
    QString keyword;
    QList<ParamKind> params;
};

// The fact or action a keyword opens; nullptr when the game has none.
const CommandSignature* FindFact(QStringView keyword);
const CommandSignature* FindAction(QStringView keyword);

// What the user calls the kind in a message: "ユニット", "変数の番号" ...
QString ParamKindName(ParamKind kind);

// Whether `word` (not a number) is one of the kind's symbols.
bool IsSymbolOf(ParamKind kind, QStringView word);

// Whether the kind takes numbers at all, and whether it takes this one.
bool TakesNumbers(ParamKind kind);
bool IsNumberOf(ParamKind kind, long long value);
// The numbers the kind takes, for a message: "1～40".
QString NumbersOf(ParamKind kind);

// A keyword of any fact or action, or a symbol of any kind.
bool IsReferenceWord(QStringView word);

// A symbol #load-if-defined can test: the game settings the program offers,
// and the other symbols the game defines at the start of a game.
bool IsLoadSymbol(const QString& word);

} // namespace rw

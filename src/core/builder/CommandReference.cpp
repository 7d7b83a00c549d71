#include "builder/CommandReference.h"

#include "builder/WordMap.h"

#include "vocabulary/ScriptWords.h"
#include "vocabulary/Vocabulary.h"

#include <QSet>

#include <climits>

namespace rw {

namespace {

using K = ParamKind;

// Object ids of the game's units and buildings run below 900; 900 to 961
// are the unit classes, which the facts that count or look for units take
// in place of one unit.
constexpr long long kLastObjectId = 899;
constexpr long long kFirstClassId = 900;
constexpr long long kLastClassId = 961;
constexpr long long kLastTechnologyId = 499;
constexpr long long kLastStrategicNumberId = 241;

QSet<QString> SetOf(std::initializer_list<const char*> words) {
    QSet<QString> set;
    for (const char* word : words)
        set.insert(QString::fromLatin1(word));
    return set;
}

const QList<CommandSignature>& Facts() {
    static const QList<CommandSignature> facts = {
        {"true", {}},
        {"false", {}},
        {"attack-soldier-count", {K::Compare, K::Value}},
        {"attack-warboat-count", {K::Compare, K::Value}},
        {"building-available", {K::Building}},
        {"building-count", {K::Compare, K::Value}},
        {"building-count-total", {K::Compare, K::Value}},
        {"building-type-count", {K::Building, K::Compare, K::Value}},
        {"building-type-count-total", {K::Building, K::Compare, K::Value}},
        {"can-afford-building", {K::Building}},
        {"can-afford-complete-wall", {K::Perimeter, K::WallType}},
        {"can-afford-research", {K::Technology}},
        {"can-afford-unit", {K::Unit}},
        {"can-build", {K::Building}},
        {"can-build-gate", {K::Perimeter}},
        {"can-build-gate-with-escrow", {K::Perimeter}},
        {"can-build-wall", {K::Perimeter, K::WallType}},
        {"can-build-wall-with-escrow", {K::Perimeter, K::WallType}},
        {"can-build-with-escrow", {K::Building}},
        {"can-buy-commodity", {K::Commodity}},
        {"can-research", {K::Technology}},
        {"can-research-with-escrow", {K::Technology}},
        {"can-sell-commodity", {K::Commodity}},
        {"can-spy", {}},
        {"can-spy-with-escrow", {}},
        {"can-train", {K::Unit}},
        {"can-train-with-escrow", {K::Unit}},
        {"cc-players-building-count", {K::Player, K::Compare, K::Value}},
        {"cc-players-building-type-count", {K::Player, K::Building, K::Compare, K::Value}},
        {"cc-players-unit-count", {K::Player, K::Compare, K::Value}},
        {"cc-players-unit-type-count", {K::Player, K::Unit, K::Compare, K::Value}},
        {"cheats-enabled", {}},
        {"civ-selected", {K::Civilisation}},
        {"civilian-population", {K::Compare, K::Value}},
        {"commodity-buying-price", {K::Commodity, K::Compare, K::Value}},
        {"commodity-selling-price", {K::Commodity, K::Compare, K::Value}},
        {"current-age", {K::Compare, K::Age}},
        {"current-age-time", {K::Compare, K::Value}},
        {"current-score", {K::Compare, K::Value}},
        {"death-match-game", {}},
        {"defend-soldier-count", {K::Compare, K::Value}},
        {"defend-warboat-count", {K::Compare, K::Value}},
        {"difficulty", {K::Compare, K::Difficulty}},
        {"doctrine", {K::Value}},
        {"dropsite-min-distance", {K::Resource, K::Compare, K::Value}},
        {"enemy-buildings-in-town", {}},
        {"enemy-captured-relics", {}},
        {"escrow-amount", {K::Resource, K::Compare, K::Value}},
        {"event-detected", {K::EventType, K::EventId}},
        {"food-amount", {K::Compare, K::Value}},
        {"game-time", {K::Compare, K::Value}},
        {"goal", {K::Goal, K::Value}},
        {"gold-amount", {K::Compare, K::Value}},
        {"housing-headroom", {K::Compare, K::Value}},
        {"idle-farm-count", {K::Compare, K::Value}},
        {"map-size", {K::MapSize}},
        {"map-type", {K::MapType}},
        {"military-population", {K::Compare, K::Value}},
        {"player-computer", {K::Player}},
        {"player-human", {K::Player}},
        {"player-in-game", {K::Player}},
        {"player-number", {K::Player}},
        {"player-resigned", {K::Player}},
        {"player-valid", {K::Player}},
        {"players-building-count", {K::Player, K::Compare, K::Value}},
        {"players-building-type-count", {K::Player, K::Building, K::Compare, K::Value}},
        {"players-civ", {K::Player, K::Civilisation}},
        {"players-civilian-population", {K::Player, K::Compare, K::Value}},
        {"players-current-age", {K::Player, K::Compare, K::Age}},
        {"players-current-age-time", {K::Player, K::Compare, K::Value}},
        {"players-military-population", {K::Player, K::Compare, K::Value}},
        {"players-population", {K::Player, K::Compare, K::Value}},
        {"players-score", {K::Player, K::Compare, K::Value}},
        {"players-stance", {K::Player, K::Stance}},
        {"players-tribute", {K::Player, K::Resource, K::Compare, K::Value}},
        {"players-tribute-memory", {K::Player, K::Resource, K::Compare, K::Value}},
        {"players-unit-count", {K::Player, K::Compare, K::Value}},
        {"players-unit-type-count", {K::Player, K::Unit, K::Compare, K::Value}},
        {"population", {K::Compare, K::Value}},
        {"population-cap", {K::Compare, K::Value}},
        {"population-headroom", {K::Compare, K::Value}},
        {"random-number", {K::Compare, K::Value}},
        {"regicide-game", {}},
        {"research-available", {K::Technology}},
        {"research-completed", {K::Technology}},
        {"resource-found", {K::Resource}},
        {"shared-goal", {K::SharedGoal, K::Value}},
        {"sheep-and-forage-too-far", {}},
        {"soldier-count", {K::Compare, K::Value}},
        {"stance-toward", {K::Player, K::Stance}},
        {"starting-age", {K::Compare, K::Age}},
        {"starting-resources", {K::Compare, K::StartingResources}},
        {"stone-amount", {K::Compare, K::Value}},
        {"strategic-number", {K::StrategicNumber, K::Compare, K::Value}},
        {"taunt-detected", {K::Player, K::Taunt}},
        {"timer-triggered", {K::Timer}},
        {"town-under-attack", {}},
        {"unit-available", {K::Unit}},
        {"unit-count", {K::Compare, K::Value}},
        {"unit-count-total", {K::Compare, K::Value}},
        {"unit-type-count", {K::Unit, K::Compare, K::Value}},
        {"unit-type-count-total", {K::Unit, K::Compare, K::Value}},
        {"victory-condition", {K::Victory}},
        {"wall-completed-percentage", {K::Perimeter, K::Compare, K::Value}},
        {"wall-invisible-percentage", {K::Perimeter, K::Compare, K::Value}},
        {"warboat-count", {K::Compare, K::Value}},
        {"wood-amount", {K::Compare, K::Value}},
    };
    return facts;
}

const QList<CommandSignature>& Actions() {
    static const QList<CommandSignature> actions = {
        {"acknowledge-event", {K::EventType, K::EventId}},
        {"acknowledge-taunt", {K::Player, K::Taunt}},
        {"attack-now", {}},
        {"build", {K::Building}},
        {"build-forward", {K::Building}},
        {"build-gate", {K::Perimeter}},
        {"build-wall", {K::Perimeter, K::WallType}},
        {"buy-commodity", {K::Commodity}},
        {"cc-add-resource", {K::Resource, K::Value}},
        {"chat-local", {K::Text}},
        {"chat-local-to-self", {K::Text}},
        {"chat-local-using-id", {K::Value}},
        {"chat-local-using-range", {K::Value, K::Value}},
        {"chat-to-all", {K::Text}},
        {"chat-to-all-using-id", {K::Value}},
        {"chat-to-all-using-range", {K::Value, K::Value}},
        {"chat-to-allies", {K::Text}},
        {"chat-to-allies-using-id", {K::Value}},
        {"chat-to-allies-using-range", {K::Value, K::Value}},
        {"chat-to-enemies", {K::Text}},
        {"chat-to-enemies-using-id", {K::Value}},
        {"chat-to-enemies-using-range", {K::Value, K::Value}},
        {"chat-to-player", {K::Player, K::Text}},
        {"chat-to-player-using-id", {K::Player, K::Value}},
        {"chat-to-player-using-range", {K::Player, K::Value, K::Value}},
        {"chat-trace", {K::Value}},
        {"clear-tribute-memory", {K::Player, K::Resource}},
        {"delete-building", {K::Building}},
        {"delete-unit", {K::Unit}},
        {"disable-self", {}},
        {"disable-timer", {K::Timer}},
        {"do-nothing", {}},
        {"enable-timer", {K::Timer, K::Value}},
        {"enable-wall-placement", {K::Perimeter}},
        {"generate-random-number", {K::RandomRange}},
        {"log", {K::Text}},
        {"log-trace", {K::Value}},
        {"release-escrow", {K::Resource}},
        {"research", {K::Technology}},
        {"resign", {}},
        {"sell-commodity", {K::Commodity}},
        {"set-difficulty-parameter", {K::DifficultyParameter, K::Percent}},
        {"set-doctrine", {K::Value}},
        {"set-escrow-percentage", {K::Resource, K::Percent}},
        {"set-goal", {K::Goal, K::Value}},
        {"set-shared-goal", {K::SharedGoal, K::Value}},
        {"set-stance", {K::Player, K::Stance}},
        {"set-strategic-number", {K::StrategicNumber, K::Value}},
        {"spy", {}},
        {"taunt", {K::Taunt}},
        {"taunt-using-range", {K::Taunt, K::Value}},
        {"train", {K::Unit}},
        {"tribute-to-player", {K::Player, K::Resource, K::Value}},
    };
    return actions;
}

// The program's own table of a kind with the game's other names added:
// whatever a picker offers must pass.
QSet<QString> TableAnd(VocabTable table, std::initializer_list<const char*> more) {
    QSet<QString> set = SetOf(more);
    for (const QString& row : TableRows(table))
        if (const QString symbol = TableSymbol(table, row);
            !symbol.isEmpty() && !symbol.front().isDigit())
            set.insert(symbol);
    return set;
}

const QSet<QString>& Symbols(ParamKind kind) {
    static const QSet<QString> none;
    static const QSet<QString> compare =
        SetOf({"<", "<=", ">", ">=", "==", "!=", "less-than", "less-or-equal", "greater-than",
               "greater-or-equal", "equal", "not-equal"});
    static const QSet<QString> player = [] {
        QSet<QString> set;
        for (const QString& word : PlayerWords())
            if (!word.front().isDigit())
                set.insert(word);
        return set;
    }();
    static const QSet<QString> age =
        SetOf({"dark-age", "feudal-age", "castle-age", "imperial-age", "post-imperial-age"});
    static const QSet<QString> wallType =
        SetOf({"fortified-wall", "palisade-wall", "stone-wall", "stone-wall-line"});
    // Walls are buildings too: the building panels count and delete them by
    // their wall names.
    static const QSet<QString> building = TableAnd(VocabTable::Building, {}).unite(wallType);
    static const QSet<QString> unit =
        TableAnd(VocabTable::Unit, {"trade-cart", "missionary", "my-unique-unit",
                                    "my-elite-unique-unit", "my-unique-unit-line"});
    static const QSet<QString> technology = TableAnd(VocabTable::Technology, {});
    // The program's own table is taken whole: the initialisation rules
    // always write several of its numbers (sn-percent-civilian-explorers,
    // sn-cap-civilian-gatherers, sn-blot-size ...) and the pickers offer
    // every one.
    static const QSet<QString> strategicNumber =
        TableAnd(VocabTable::StrategicNumber,
                 {// The attack panels set the boat groups, which the table does not list.
                  "sn-percent-attack-boats",
                  "sn-number-boat-attack-groups",
                  "sn-minimum-boat-attack-group-size",
                  "sn-maximum-boat-attack-group-size",
                  "sn-number-boat-explore-groups",
                  "sn-minimum-boat-explore-group-size",
                  "sn-maximum-boat-explore-group-size",
                  "sn-number-boat-defend-groups",
                  "sn-minimum-boat-defend-group-size",
                  "sn-maximum-boat-defend-group-size",
                  "sn-target-evaluation-distance",
                  "sn-target-evaluation-hitpoints",
                  "sn-target-evaluation-damage-capability",
                  "sn-target-evaluation-kills",
                  "sn-target-evaluation-ally-proximity",
                  "sn-target-evaluation-rof",
                  "sn-target-evaluation-randomness",
                  "sn-target-evaluation-range",
                  "sn-target-evaluation-continent",
                  "sn-target-evaluation-boat",
                  "sn-target-evaluation-time-kill-ratio",
                  "sn-initial-attack-delay",
                  "sn-initial-attack-delay-type",
                  "sn-save-scenario-information",
                  "sn-max-skips-per-attempt",
                  "sn-number-enemy-objects-required",
                  "sn-number-max-skip-cycles",
                  "sn-attack-diplomacy-impact",
                  "sn-percent-half-exploration",
                  "sn-attack-winning-player-factor",
                  "sn-coop-share-attacking",
                  "sn-track-player-history",
                  "sn-minimum-amount-for-trading",
                  "sn-easiest-reaction-percentage",
                  "sn-easier-reaction-percentage",
                  "sn-hits-before-alliance-change",
                  "sn-garrison-rams"});
    static const QSet<QString> commodity = SetOf({"food", "stone", "wood"});
    static const QSet<QString> resource = SetOf({"food", "gold", "stone", "wood"});
    static const QSet<QString> civilisation =
        SetOf({"aztec", "briton", "byzantine", "celtic", "chinese", "frankish", "gothic", "hun",
               "japanese", "korean", "mayan", "mongol", "persian", "saracen", "spanish", "teutonic",
               "turkish", "viking", "my-civ"});
    static const QSet<QString> mapSize =
        SetOf({"tiny", "small", "medium", "normal", "large", "giant"});
    static const QSet<QString> mapType = SetOf(
        {"arabia",      "archipelago",   "arena",       "baltic",       "black-forest", "coastal",
         "continental", "crater-lake",   "fortress",    "ghost-lake",   "gold-rush",    "highland",
         "islands",     "mediterranean", "migration",   "mongolia",     "nomad",        "oasis",
         "rivers",      "salt-marsh",    "scandanavia", "scenario-map", "team-islands", "yucatan"});
    static const QSet<QString> difficulty =
        SetOf({"easiest", "easy", "moderate", "hard", "hardest"});
    static const QSet<QString> startingResources =
        SetOf({"low-resources", "medium-resources", "high-resources"});
    static const QSet<QString> victory =
        SetOf({"standard", "conquest", "time-limit", "score", "custom"});
    static const QSet<QString> stance = SetOf({"ally", "neutral", "enemy"});
    static const QSet<QString> eventType = SetOf({"trigger"});
    static const QSet<QString> difficultyParameter =
        SetOf({"ability-to-dodge-missiles", "ability-to-maintain-distance"});
    switch (kind) {
    case K::Compare:
        return compare;
    case K::Player:
        return player;
    case K::Age:
        return age;
    case K::Building:
        return building;
    case K::Unit:
        return unit;
    case K::Technology:
        return technology;
    case K::StrategicNumber:
        return strategicNumber;
    case K::Commodity:
        return commodity;
    case K::Resource:
        return resource;
    case K::Civilisation:
        return civilisation;
    case K::MapSize:
        return mapSize;
    case K::MapType:
        return mapType;
    case K::Difficulty:
        return difficulty;
    case K::StartingResources:
        return startingResources;
    case K::Victory:
        return victory;
    case K::Stance:
        return stance;
    case K::WallType:
        return wallType;
    case K::EventType:
        return eventType;
    case K::DifficultyParameter:
        return difficultyParameter;
    default:
        return none;
    }
}

struct Range {
    long long low = 1;
    long long high = 0; // empty when high < low
};

Range NumberRange(ParamKind kind) {
    switch (kind) {
    case K::Value:
        return {LLONG_MIN, LLONG_MAX};
    case K::Percent:
        return {0, 100};
    case K::Player:
        return {1, 8};
    case K::Building:
    case K::Unit:
        return {0, kLastObjectId};
    case K::Technology:
        return {0, kLastTechnologyId};
    case K::StrategicNumber:
        return {0, kLastStrategicNumberId};
    case K::Goal:
        return {1, 40};
    case K::SharedGoal:
        return {1, 256};
    case K::Timer:
        return {1, 10};
    case K::Perimeter:
        return {1, 2};
    case K::EventId:
        return {0, 255};
    case K::Taunt:
        return {1, 255};
    case K::RandomRange:
        return {1, 32767};
    default:
        return {};
    }
}

bool TakesClasses(ParamKind kind) {
    return kind == K::Unit || kind == K::Building;
}

// Everything the reference says of one word: the fact and the action it
// opens, and the kinds it is a symbol of (one bit each), found in one lookup.
struct WordEntry {
    const CommandSignature* fact = nullptr;
    const CommandSignature* action = nullptr;
    quint32 kinds = 0;
};
static_assert(int(K::Text) < 32);

const WordEntry* FindWord(QStringView word) {
    static const WordMap<WordEntry> words = [] {
        WordMap<WordEntry> map;
        for (const CommandSignature& signature : Facts())
            map[signature.keyword].fact = &signature;
        for (const CommandSignature& signature : Actions())
            map[signature.keyword].action = &signature;
        for (int k = int(K::Compare); k <= int(K::Text); ++k)
            for (const QString& symbol : Symbols(ParamKind(k)))
                map[symbol].kinds |= 1u << k;
        return map;
    }();
    const auto found = words.find(word);
    return found == words.end() ? nullptr : &found->second;
}

} // namespace

const CommandSignature* FindFact(QStringView keyword) {
    const WordEntry* word = FindWord(keyword);
    return word ? word->fact : nullptr;
}

const CommandSignature* FindAction(QStringView keyword) {
    const WordEntry* word = FindWord(keyword);
    return word ? word->action : nullptr;
}

QString ParamKindName(ParamKind kind) {
    switch (kind) {
    case K::Compare:
        return QStringLiteral("比較演算子");
    case K::Value:
        return QStringLiteral("数値");
    case K::Percent:
        return QStringLiteral("割合");
    case K::Player:
        return QStringLiteral("プレイヤー");
    case K::Age:
        return QStringLiteral("時代");
    case K::Building:
        return QStringLiteral("建物");
    case K::Unit:
        return QStringLiteral("ユニット");
    case K::Technology:
        return QStringLiteral("研究");
    case K::StrategicNumber:
        return QStringLiteral("戦略数値");
    case K::Goal:
        return QStringLiteral("変数の番号");
    case K::SharedGoal:
        return QStringLiteral("共有変数の番号");
    case K::Timer:
        return QStringLiteral("タイマーの番号");
    case K::Commodity:
        return QStringLiteral("市場の資源");
    case K::Resource:
        return QStringLiteral("資源");
    case K::Civilisation:
        return QStringLiteral("文明");
    case K::MapSize:
        return QStringLiteral("マップの大きさ");
    case K::MapType:
        return QStringLiteral("マップの種類");
    case K::Difficulty:
        return QStringLiteral("難易度");
    case K::StartingResources:
        return QStringLiteral("初期資源");
    case K::Victory:
        return QStringLiteral("勝利条件");
    case K::Stance:
        return QStringLiteral("外交政策");
    case K::Perimeter:
        return QStringLiteral("壁の位置");
    case K::WallType:
        return QStringLiteral("壁の種類");
    case K::EventType:
        return QStringLiteral("イベントの種類");
    case K::EventId:
        return QStringLiteral("イベントの番号");
    case K::Taunt:
        return QStringLiteral("挑発の番号");
    case K::DifficultyParameter:
        return QStringLiteral("難易度の項目");
    case K::RandomRange:
        return QStringLiteral("乱数の最大値");
    case K::Text:
        return QStringLiteral("文字列");
    }
    return {};
}

bool IsSymbolOf(ParamKind kind, QStringView word) {
    const WordEntry* entry = FindWord(word);
    return entry && (entry->kinds & (1u << int(kind))) != 0;
}

bool TakesNumbers(ParamKind kind) {
    const Range range = NumberRange(kind);
    return range.low <= range.high;
}

bool IsNumberOf(ParamKind kind, long long value) {
    const Range range = NumberRange(kind);
    if (value >= range.low && value <= range.high)
        return true;
    // The unit tables head each category with its class id, which the
    // condition editor writes for "the whole category".
    return TakesClasses(kind) && value >= kFirstClassId && value <= kLastClassId;
}

QString NumbersOf(ParamKind kind) {
    const Range range = NumberRange(kind);
    QString text = QString::number(range.low) + QStringLiteral("～") + QString::number(range.high);
    if (TakesClasses(kind))
        text += QStringLiteral("と分類の") + QString::number(kFirstClassId) + QStringLiteral("～") +
                QString::number(kLastClassId);
    return text;
}

bool IsReferenceWord(QStringView word) {
    const WordEntry* entry = FindWord(word);
    return entry && (entry->fact || entry->action || entry->kinds != 0);
}

bool IsLoadSymbol(const QString& word) {
    static const QSet<QString> more = SetOf(
        {"LOW-RESOURCES", "MEDIUM-RESOURCES", "HIGH-RESOURCES", "DARK-AGE-START",
         "FEUDAL-AGE-START", "CASTLE-AGE-START", "IMPERIAL-AGE-START", "POST-IMPERIAL-AGE-START"});
    return IsGameSettingSymbol(word) || more.contains(word);
}

} // namespace rw

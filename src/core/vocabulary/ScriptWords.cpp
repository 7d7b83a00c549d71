#include "vocabulary/ScriptWords.h"

#include "vocabulary/Vocabulary.h"

#include <QSet>

namespace rw {

namespace {

QSet<QString> SetOf(const QStringList& words) {
    return QSet<QString>(words.begin(), words.end());
}

const QSet<QString>& FactWords() {
    static const QSet<QString> words = [] {
        QSet<QString> set = SetOf({"true",
                                   "building-type-count",
                                   "building-type-count-total",
                                   "players-building-type-count",
                                   "unit-type-count",
                                   "unit-type-count-total",
                                   "players-unit-type-count",
                                   "research-completed",
                                   "research-available",
                                   "can-research",
                                   "can-afford-research",
                                   "current-age",
                                   "players-current-age",
                                   "game-time",
                                   "current-age-time",
                                   "timer-triggered",
                                   "goal",
                                   "random-number",
                                   "strategic-number",
                                   "dropsite-min-distance",
                                   "can-build",
                                   "can-build-wall",
                                   "can-build-gate",
                                   "can-research-with-escrow",
                                   "can-train",
                                   "can-buy-commodity",
                                   "can-sell-commodity"});
        set.unite(SetOf(AmountWords()));
        set.unite(SetOf(PopulationWords()));
        return set;
    }();
    return words;
}

const QSet<QString>& CommandWords() {
    static const QSet<QString> words = SetOf({"build",
                                              "build-forward",
                                              "build-wall",
                                              "build-gate",
                                              "delete-building",
                                              "research",
                                              "train",
                                              "delete-unit",
                                              "set-strategic-number",
                                              "buy-commodity",
                                              "sell-commodity",
                                              "attack-now",
                                              "chat-local-to-self",
                                              "chat-to-allies",
                                              "chat-to-enemies",
                                              "chat-to-all",
                                              "disable-self",
                                              "set-goal",
                                              "generate-random-number",
                                              "set-stance",
                                              "enable-timer",
                                              "disable-timer",
                                              "do-nothing",
                                              "enable-wall-placement"});
    return words;
}

} // namespace

QString TableSymbol(VocabTable table, const QString& row) {
    switch (table) {
    case VocabTable::StrategicNumber:
    case VocabTable::Technology:
        return IsHeadingRow(row) ? QString() : SplitCommaRow(row).first;
    case VocabTable::Building: {
        QString symbol = row.section(QLatin1Char(' '), 0, 0);
        if (symbol.startsWith(QLatin1String(":-")))
            symbol.remove(0, 2);
        else if (symbol.startsWith(QLatin1Char(':')))
            symbol.remove(0, 1);
        return symbol;
    }
    default:
        return SplitSpaceRow(row).first;
    }
}

namespace {

const QSet<QString>& ArgumentWords() {
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (VocabTable table : {VocabTable::Building, VocabTable::StrategicNumber,
                                 VocabTable::Unit, VocabTable::Technology})
            for (const QString& row : TableRows(table))
                if (const QString symbol = TableSymbol(table, row); !symbol.isEmpty())
                    set.insert(symbol);
        set.unite(SetOf(PlayerWords()));
        set.unite(SetOf(AgeWords()));
        set.unite(
            SetOf({">=", "<=", ">", "<", "==", "!=", "wood", "food", "gold", "stone", "ally",
                   "neutral", "enemy",
                   // The attack panels set these; the strategic-number
                   // table does not list them.
                   "sn-percent-attack-boats", "sn-number-boat-attack-groups",
                   "sn-minimum-boat-attack-group-size", "sn-maximum-boat-attack-group-size"}));
        return set;
    }();
    return words;
}

const QSet<QString>& GameSettingSymbols() {
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (VocabTable table :
             {VocabTable::Victory, VocabTable::MapSize, VocabTable::PopulationCap,
              VocabTable::Difficulty, VocabTable::Civilisation, VocabTable::MapType})
            for (const GameSettingItem& item : GameSettingItems(table))
                set.insert(item.symbol);
        return set;
    }();
    return words;
}

const QSet<QString>& LowerCaseGameWords() {
    static const QSet<QString> words = [] {
        QSet<QString> all = SetOf({"defrule", "defconst", "load-if-defined", "load-if-not-defined",
                                   "end-if", "else", "false"});
        for (const QString& word : LogicalOperatorWords())
            all.insert(word);
        for (const QSet<QString>* set :
             {&FactWords(), &CommandWords(), &ArgumentWords(), &GameSettingSymbols()})
            all.unite(*set);
        QSet<QString> lower;
        for (const QString& word : all)
            lower.insert(word.toLower());
        return lower;
    }();
    return words;
}

} // namespace

const QStringList& PlayerWords() {
    static const QStringList words = {"my-player-number",
                                      "any-ally",
                                      "any-computer",
                                      "any-computer-ally",
                                      "any-computer-enemy",
                                      "any-computer-neutral",
                                      "any-enemy",
                                      "any-human",
                                      "any-human-ally",
                                      "any-human-enemy",
                                      "any-human-neutral",
                                      "any-neutral",
                                      "every-ally",
                                      "every-computer",
                                      "every-enemy",
                                      "every-human",
                                      "every-neutral",
                                      "1",
                                      "2",
                                      "3",
                                      "4",
                                      "5",
                                      "6",
                                      "7",
                                      "8"};
    return words;
}

const QStringList& AmountWords() {
    static const QStringList words = {"wood-amount", "food-amount", "gold-amount", "stone-amount"};
    return words;
}

const QStringList& PopulationWords() {
    static const QStringList words = {
        "population",           "civilian-population",  "soldier-count",
        "attack-soldier-count", "defend-soldier-count", "warboat-count",
        "attack-warboat-count", "defend-warboat-count", "housing-headroom"};
    return words;
}

const QStringList& AgeWords() {
    static const QStringList words = {"dark-age", "feudal-age", "castle-age", "imperial-age"};
    return words;
}

const QStringList& LogicalOperatorWords() {
    static const QStringList words = {"and", "or", "not", "nand", "nor", "xor", "xnor"};
    return words;
}

bool IsLogicalOperatorWord(QStringView word) {
    return LogicalOperatorWords().contains(word);
}

bool IsGameSettingSymbol(const QString& word) {
    return GameSettingSymbols().contains(word);
}

bool IsGameWord(const QString& word) {
    return LowerCaseGameWords().contains(word.toLower());
}

} // namespace rw

#include "conditions/ConditionCatalogue.h"

#include "model/Numeric.h"
#include "model/Project.h"
#include "vocabulary/ScriptWords.h"
#include "vocabulary/Vocabulary.h"

#include <optional>

namespace rw {

namespace {

QStringList Numbers(int from, int to) {
    QStringList rows;
    for (int i = from; i <= to; ++i)
        rows << QString::number(i);
    return rows;
}

const QStringList kOperators = {">=", "<=", ">", "<", "==", "!="};

const QStringList& kPlayerWords = PlayerWords();
const QStringList& kAmountWords = AmountWords();
const QStringList kResearchStateWords = {"research-completed ", "research-available ",
                                         "can-research ", "can-afford-research "};
const QStringList& kPopulationWords = PopulationWords();
const QStringList& kAgeWords = AgeWords();
const QStringList kClockWords = {"game-time ", "current-age-time "};
const QStringList kDistanceWords = {"wood ", "food ", "gold ", "stone "};

constexpr int kVariableCount = 40;
constexpr int kTimerCount = 10;

// The field at index i read as a picker position within rows.
std::optional<int> Position(const QStringList& fields, int i, qsizetype rows) {
    if (i >= fields.size())
        return std::nullopt;
    bool ok = false;
    const int value = fields[i].toInt(&ok);
    if (!ok || value < 0 || value >= rows)
        return std::nullopt;
    return value;
}

QString Field(const QStringList& fields, int i) {
    return i < fields.size() ? fields[i] : QString();
}

ConditionTriple ErrorTriple(int kind) {
    return {kind == 9 ? QStringLiteral("数字を入力してください")
                      : QStringLiteral("データの数は、数字を入力してください"),
            QStringLiteral("Err"), QStringLiteral("Err!!")};
}

QString Editdat(int kind, const QStringList& fields) {
    QString text = QString::number(kind);
    for (const QString& f : fields)
        text += QLatin1Char('\\') + f;
    return text;
}

QString Word(ComparisonWords list, int cmp) {
    return ComparisonRows(list).value(cmp);
}

// The heading node of the n-th category of a vocabulary tree, 0 when none.
int CategoryNode(const VocabTree& tree, int category) {
    return ChildPositions(tree, 0).value(category, 0);
}

// Where a kind keeps its number box among its fields; -1 for none.
int NumberIndex(int kind) {
    switch (kind) {
    case 1:
    case 5:
    case 9:
    case 11:
        return 1;
    case 2:
    case 10:
        return 2;
    case 3:
        return 3;
    default:
        return -1;
    }
}

// Counts and distances cannot be below 0; amounts, goals and strategic
// numbers can.
long long NumberLow(int kind) {
    return kind == 2 || kind == 3 || kind == 5 || kind == 11 ? 0 : kScriptNumberMin;
}

// The caption of a number box holding something the script cannot hold. A
// text that is no number at all keeps the editor's long-standing caption.
QString NumberErrorCaption(int kind, const QString& text) {
    if (!IsNumber(text))
        return ErrorTriple(kind).cap;
    const QString hint = ScriptNumberHint(NumberLow(kind));
    if (kind == 9)
        return hint;
    return (kind == 11 ? QStringLiteral("距離は、") : QStringLiteral("データの数は、")) + hint;
}

// Composes a kind whose number box, if any, already holds a number the
// script can hold.
std::optional<ConditionTriple> ComposeChecked(int kind, const QStringList& f, bool include) {
    const int numberIndex = NumberIndex(kind);
    const QString number = numberIndex >= 0 ? Field(f, numberIndex) : QString();
    switch (kind) {
    case 1: {
        const auto res = Position(f, 0, 4), cmp = Position(f, 2, 6);
        if (!res || !cmp)
            return std::nullopt;
        return ConditionTriple{ResourceRows()[*res] + "が" + number +
                                   Word(ComparisonWords::B, *cmp) + "のとき",
                               {},
                               kAmountWords[*res] + " " + kOperators[*cmp] + " " + number};
    }
    case 2: {
        const QStringList buildings = BuildingRows();
        const auto player = Position(f, 0, 25), building = Position(f, 1, buildings.size()),
                   cmp = Position(f, 3, 6);
        if (!player || !building || !cmp)
            return std::nullopt;
        const QString caption = buildings[*building];
        const QString symbol = BuildingSymbol(caption);
        const QString op = kOperators[*cmp];
        QString mark, fact;
        if (*player == 0) {
            QString tail = symbol + " " + op + " " + number;
            // Wall and gate symbols carry a leading ":" that the own-player
            // count does not take.
            if (tail.startsWith(QLatin1Char(':')))
                tail.remove(0, 1);
            fact = (include ? "building-type-count-total " : "building-type-count ") + tail;
            mark = include ? "(建設中含む)" : "(建設中含まない)";
        } else {
            // No player's count takes the ":" of a wall or gate symbol.
            QString bare = symbol;
            if (bare.startsWith(QLatin1Char(':')))
                bare.remove(0, 1);
            fact = "players-building-type-count " + kPlayerWords[*player] + " " + bare + " " + op +
                   " " + number;
        }
        return ConditionTriple{PlayerRows()[*player] + "の" + caption + mark + "が" + number +
                                   Word(ComparisonWords::A, *cmp) + "のとき",
                               {},
                               fact};
    }
    case 3: {
        const auto player = Position(f, 0, 25);
        const auto category = Position(f, 1, UnitCategoryRows().size());
        if (!player || !category)
            return std::nullopt;
        const QStringList units = UnitRows(*player, *category);
        const auto unit = Position(f, 2, units.size()), cmp = Position(f, 4, 6);
        if (!unit || !cmp)
            return std::nullopt;
        const QString caption = units[*unit];
        const QString symbol = UnitSymbol(caption);
        const QString op = kOperators[*cmp];
        QString mark, fact;
        if (*player == 0) {
            fact = (include ? "unit-type-count-total " : "unit-type-count ") + symbol + " " + op +
                   " " + number;
            mark = include ? "(生産中含む)" : "(生産中含まない)";
        } else {
            fact = "players-unit-type-count " + kPlayerWords[*player] + " " + symbol + " " + op +
                   " " + number;
        }
        return ConditionTriple{PlayerRows()[*player] + "の" + caption + mark + "が" + number +
                                   Word(ComparisonWords::B, *cmp),
                               {},
                               fact};
    }
    case 4: {
        const auto category = Position(f, 0, TechnologyCategoryRows().size());
        if (!category)
            return std::nullopt;
        const QStringList technologies = TechnologyRows(*category);
        const auto technology = Position(f, 1, technologies.size()), state = Position(f, 2, 4);
        if (!technology || !state)
            return std::nullopt;
        const QString caption = technologies[*technology];
        return ConditionTriple{caption + "が" + ResearchStateRows()[*state],
                               {},
                               kResearchStateWords[*state] + TechnologySymbol(caption)};
    }
    case 5: {
        const auto category = Position(f, 0, 9), cmp = Position(f, 2, 6);
        if (!category || !cmp)
            return std::nullopt;
        return ConditionTriple{PopulationRows()[*category] + "が" + number +
                                   Word(ComparisonWords::B, *cmp) + "のとき",
                               {},
                               kPopulationWords[*category] + " " + kOperators[*cmp] + " " + number};
    }
    case 6: {
        const auto player = Position(f, 0, 25), age = Position(f, 1, 4), cmp = Position(f, 2, 6);
        if (!player || !age || !cmp)
            return std::nullopt;
        const QString word = Word(ComparisonWords::C, *cmp);
        if (*player == 0)
            return ConditionTriple{AgeRows()[*age] + word,
                                   {},
                                   "current-age " + kOperators[*cmp] + " " + kAgeWords[*age]};
        return ConditionTriple{PlayerRows()[*player] + "が" + AgeRows()[*age] + word,
                               {},
                               "players-current-age " + kPlayerWords[*player] + " " +
                                   kOperators[*cmp] + " " + kAgeWords[*age]};
    }
    case 7: {
        const auto clock = Position(f, 0, 2), hours = Position(f, 1, 6),
                   minutes = Position(f, 2, 60), seconds = Position(f, 3, 60),
                   cmp = Position(f, 4, 6);
        if (!clock || !hours || !minutes || !seconds || !cmp)
            return std::nullopt;
        QString cap = ClockRows()[*clock];
        if (*hours != 0)
            cap += QString::number(*hours) + "時間";
        if (*minutes != 0)
            cap += QString::number(*minutes) + "分";
        if (*seconds != 0)
            cap += QString::number(*seconds) + "秒";
        if (*hours == 0 && *minutes == 0 && *seconds == 0)
            cap += "0秒";
        const int total = *hours * 3600 + *minutes * 60 + *seconds;
        return ConditionTriple{cap + Word(ComparisonWords::A, *cmp) + "のとき",
                               {},
                               kClockWords[*clock] + kOperators[*cmp] + " " +
                                   QString::number(total)};
    }
    case 8: {
        const auto timer = Position(f, 0, kTimerCount);
        if (!timer)
            return std::nullopt;
        const QString t = QString::number(*timer + 1);
        return ConditionTriple{
            "タイマー(" + t + ")がタイムアウトしたとき", {}, "timer-triggered " + t};
    }
    case 9: {
        const auto variable = Position(f, 0, kVariableCount + 1), cmp = Position(f, 2, 6);
        if (!variable || !cmp)
            return std::nullopt;
        if (*variable == 0)
            return ConditionTriple{"乱数用変数が" + number + Word(ComparisonWords::B, *cmp) +
                                       "のとき",
                                   {},
                                   "random-number " + kOperators[*cmp] + " " + number};
        const QString v = QString::number(*variable);
        return ConditionTriple{
            "変数(" + v + ")が" + number + "のとき", {}, "goal " + v + " " + number};
    }
    case 10: {
        const VocabTree& tree = StrategicNumberTree();
        const auto category = Position(f, 0, StrategicNumberCategoryRows().size());
        if (!category)
            return std::nullopt;
        const QList<int> entries = ChildPositions(tree, CategoryNode(tree, *category));
        const auto entry = Position(f, 1, entries.size()), cmp = Position(f, 3, 6);
        if (!entry || !cmp)
            return std::nullopt;
        const VocabNode& node = tree[entries[*entry] - 1];
        // The symbol comes from the entry's own row: the same caption can
        // stand under two headings.
        const QString symbol = SplitFields(node.key, QLatin1Char(',')).value(0);
        return ConditionTriple{
            node.text + "が" + number + Word(ComparisonWords::B, *cmp) + "のとき",
            {},
            "strategic-number " + symbol + " " + kOperators[*cmp] + " " + number};
    }
    case 11: {
        const auto resource = Position(f, 0, 4), cmp = Position(f, 2, 6);
        if (!resource || !cmp)
            return std::nullopt;
        return ConditionTriple{
            DistanceRows()[*resource] + "が" + number + Word(ComparisonWords::B, *cmp) + "のとき",
            {},
            "dropsite-min-distance " + kDistanceWords[*resource] + kOperators[*cmp] + " " + number};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

ConditionTriple Compose(int kind, const QStringList& given, bool include) {
    QStringList fields = given;
    const int numberIndex = NumberIndex(kind);
    if (numberIndex >= 0) {
        // The number goes into the fact as it is stored: trimmed, and only
        // when the game can read it.
        const QString text = Field(fields, numberIndex);
        const std::optional<QString> number = ScriptNumber(text, NumberLow(kind));
        if (!number) {
            ConditionTriple error = ErrorTriple(kind);
            error.cap = NumberErrorCaption(kind, text);
            return error;
        }
        fields[numberIndex] = *number;
    }
    std::optional<ConditionTriple> triple = ComposeChecked(kind, fields, include);
    if (!triple)
        return ErrorTriple(kind);
    triple->editdat = Editdat(kind, fields);
    return *triple;
}

QString RefusalText(const ConditionTriple& error) {
    QString text = QStringLiteral("入力が正しくありません");
    if (error.cap != ErrorTriple(1).cap && error.cap != ErrorTriple(9).cap)
        text += QStringLiteral("\r\n") + error.cap;
    return text;
}

SplitEditdatResult Split(const QString& editdat) {
    SplitEditdatResult result;
    QStringList parts = editdat.split(QLatin1Char('\\'));
    bool ok = false;
    const int kind = parts.takeFirst().toInt(&ok);
    result.kind = ok && kind >= 1 && kind <= kConditionKindCount ? kind : 0;
    result.fields = parts.mid(0, 5);
    return result;
}

bool CanChange(const ConditionEntry& entry) {
    if (entry.IsLocked() || entry.IsOperator())
        return false;
    return entry.IsPlaceholder() || Split(entry.editdat).kind != 0;
}

QString Operator(int position) {
    return kOperators.value(position);
}

QString PlayerWord(int position) {
    return kPlayerWords.value(position);
}

QStringList ComparisonRows(ComparisonWords list) {
    switch (list) {
    case ComparisonWords::A:
        return {"以上", "以下", "より大きい", "より小さい", "等しい", "等しくない"};
    case ComparisonWords::B:
        return {"以上", "以下", "より大きい", "より小さい", "に等しい", "に等しくない"};
    case ComparisonWords::C:
        return {"以上", "以下", "より後", "より前", "である", "ではない"};
    }
    return {};
}

ComparisonWords ComparisonWordsOf(int kind) {
    if (kind == 2 || kind == 7)
        return ComparisonWords::A;
    if (kind == 6)
        return ComparisonWords::C;
    return ComparisonWords::B;
}

QStringList PlayerRows() {
    return {"自軍",
            "いずれか味方",
            "いずれかCOM",
            "いずれか味方COM",
            "いずれか敵COM",
            "いずれかCOM中立",
            "いずれか敵",
            "いずれか人間",
            "いずれか味方人間",
            "いずれか敵人間",
            "いずれか中立人間",
            "いずれか中立",
            "すべて味方",
            "全てCOM",
            "全て敵",
            "全て人間",
            "全て中立",
            "PLAYER1",
            "PLAYER2",
            "PLAYER3",
            "PLAYER4",
            "PLAYER5",
            "PLAYER6",
            "PLAYER7",
            "PLAYER8"};
}

QStringList ResourceRows() {
    return {"木", "食料", "金", "石"};
}

QStringList BuildingRows() {
    return PlainBuildingPickerItems();
}

QStringList UnitCategoryRows() {
    return UnitCategoryPickerItems();
}

QStringList UnitRows(int player, int category) {
    const VocabTree& tree = UnitTree();
    const int node = CategoryNode(tree, category);
    if (node == 0)
        return {};
    QStringList rows = ChildTexts(tree, node);
    // For the own player the whole class comes first; the caption ends in
    // "グループ", which is how the row is told from a unit.
    if (player == 0)
        rows.prepend(tree[node - 1].text);
    return rows;
}

QStringList TechnologyCategoryRows() {
    return TechnologyCategoryPickerItems();
}

QStringList TechnologyRows(int category) {
    const VocabTree& tree = TechnologyTree();
    const int node = CategoryNode(tree, category);
    return node == 0 ? QStringList() : ChildTexts(tree, node);
}

QStringList ResearchStateRows() {
    return {"研究済みのとき", "有効なとき", "可能なとき", "研究できる資源があるとき"};
}

QStringList PopulationRows() {
    return {"総人口",
            "全非軍事ユニット",
            "全軍事ユニット(陸)",
            "攻撃軍事ユニット(陸)",
            "守備軍事ユニット(陸)",
            "全軍事ユニット(海)",
            "攻撃軍事ユニット(海)",
            "守備軍事ユニット(海)",
            "家の残り許容人口"};
}

QStringList AgeRows() {
    return {"暗黒の時代", "領主の時代", "城主の時代", "帝王の時代"};
}

QStringList ClockRows() {
    return {"ゲーム開始からの経過時間", "現在の時代からの経過時間"};
}

QStringList HourRows() {
    return Numbers(0, 5);
}

QStringList MinuteRows() {
    return Numbers(0, 59);
}

QStringList TimerRows(const Project& project) {
    QStringList rows;
    for (int t = 1; t <= kTimerCount; ++t)
        rows << QString::number(t) + ": " + project.timers[t].help;
    return rows;
}

QStringList VariableRows(const Project& project) {
    QStringList rows{"*乱数用変数"};
    for (int v = 1; v <= kVariableCount; ++v)
        rows << QString::number(v) + ": " + project.variables[v].description;
    return rows;
}

QStringList StrategicNumberCategoryRows() {
    return ChildTexts(StrategicNumberTree(), 0);
}

QStringList StrategicNumberRows(int category) {
    const VocabTree& tree = StrategicNumberTree();
    const int node = CategoryNode(tree, category);
    return node == 0 ? QStringList() : ChildTexts(tree, node);
}

QStringList DistanceRows() {
    return {"木の最小距離", "食料の最小距離", "金の最小距離", "石の最小距離"};
}

QStringList ConditionTabCaptions() {
    return {"資源", "建物",     "ユニット",  "研究",     "人口", "時代",
            "時間", "タイマー", "変数/乱数", "戦略数値", "距離"};
}

} // namespace rw

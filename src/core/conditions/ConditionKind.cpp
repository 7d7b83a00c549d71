#include "conditions/ConditionKind.h"

#include "model/Numeric.h"
#include "model/Project.h"
#include "vocabulary/ScriptWords.h"
#include "vocabulary/Vocabulary.h"

namespace rw {

namespace {

const QStringList kResearchStateWords = {"research-completed ", "research-available ",
                                         "can-research ", "can-afford-research "};
const QStringList kClockWords = {"game-time ", "current-age-time "};
const QStringList kDistanceWords = {"wood ", "food ", "gold ", "stone "};

// Kind 1: wood-amount >= 100.
ConditionTriple ComposeResource(const ConditionChoice& c) {
    return {c.row[0] + "が" + c.number + c.word + "のとき",
            {},
            AmountWords()[c.at[0]] + " " + c.op + " " + c.number};
}

// Kind 2: the own player counts with or without buildings under
// construction; other players count through the players- fact.
ConditionTriple ComposeBuilding(const ConditionChoice& c) {
    const QString& building = c.row[1];
    QString symbol = BuildingSymbol(building);
    QString mark, fact;
    // Wall and gate symbols carry a leading ":" that no count takes.
    if (symbol.startsWith(QLatin1Char(':')))
        symbol.remove(0, 1);
    if (c.at[0] == 0) {
        fact = (c.include ? "building-type-count-total " : "building-type-count ") + symbol + " " +
               c.op + " " + c.number;
        mark = c.include ? "(建設中含む)" : "(建設中含まない)";
    } else {
        fact = "players-building-type-count " + PlayerWords()[c.at[0]] + " " + symbol + " " + c.op +
               " " + c.number;
    }
    return {c.row[0] + "の" + building + mark + "が" + c.number + c.word + "のとき", {}, fact};
}

// Kind 3: like buildings, with units in production; no "のとき".
ConditionTriple ComposeUnit(const ConditionChoice& c) {
    const QString& unit = c.row[2];
    const QString symbol = UnitSymbol(unit);
    QString mark, fact;
    if (c.at[0] == 0) {
        fact = (c.include ? "unit-type-count-total " : "unit-type-count ") + symbol + " " + c.op +
               " " + c.number;
        mark = c.include ? "(生産中含む)" : "(生産中含まない)";
    } else {
        fact = "players-unit-type-count " + PlayerWords()[c.at[0]] + " " + symbol + " " + c.op +
               " " + c.number;
    }
    return {c.row[0] + "の" + unit + mark + "が" + c.number + c.word, {}, fact};
}

// Kind 4: research-completed ri-loom.
ConditionTriple ComposeResearch(const ConditionChoice& c) {
    const QString& technology = c.row[1];
    return {technology + "が" + c.row[2],
            {},
            kResearchStateWords[c.at[2]] + TechnologySymbol(technology)};
}

// Kind 5: population >= 40.
ConditionTriple ComposePopulation(const ConditionChoice& c) {
    return {c.row[0] + "が" + c.number + c.word + "のとき",
            {},
            PopulationWords()[c.at[0]] + " " + c.op + " " + c.number};
}

// Kind 6: current-age, or players-current-age for any other player.
ConditionTriple ComposeAge(const ConditionChoice& c) {
    const QString& age = AgeWords()[c.at[1]];
    if (c.at[0] == 0)
        return {c.row[1] + c.word, {}, "current-age " + c.op + " " + age};
    return {c.row[0] + "が" + c.row[1] + c.word,
            {},
            "players-current-age " + PlayerWords()[c.at[0]] + " " + c.op + " " + age};
}

// Kind 7: game-time >= 300; the caption names only the parts that are not 0.
ConditionTriple ComposeTime(const ConditionChoice& c) {
    const int hours = c.at[1], minutes = c.at[2], seconds = c.at[3];
    QString cap = c.row[0];
    if (hours != 0)
        cap += QString::number(hours) + "時間";
    if (minutes != 0)
        cap += QString::number(minutes) + "分";
    if (seconds != 0)
        cap += QString::number(seconds) + "秒";
    if (hours == 0 && minutes == 0 && seconds == 0)
        cap += "0秒";
    const int total = hours * 3600 + minutes * 60 + seconds;
    return {
        cap + c.word + "のとき", {}, kClockWords[c.at[0]] + c.op + " " + QString::number(total)};
}

// Kind 8: timer-triggered 3 for the third timer (row 2).
ConditionTriple ComposeTimer(const ConditionChoice& c) {
    const QString t = QString::number(c.at[0] + 1);
    return {"タイマー(" + t + ")がタイムアウトしたとき", {}, "timer-triggered " + t};
}

// Kind 9: row 0 compares the random number, any other row sets a goal.
ConditionTriple ComposeVariable(const ConditionChoice& c) {
    if (c.at[0] == 0)
        return {"乱数用変数が" + c.number + c.word + "のとき",
                {},
                "random-number " + c.op + " " + c.number};
    const QString v = QString::number(c.at[0]);
    return {"変数(" + v + ")が" + c.number + "のとき", {}, "goal " + v + " " + c.number};
}

// Kind 10: strategic-number sn-... >= n.
ConditionTriple ComposeStrategicNumber(const ConditionChoice& c) {
    return {c.row[1] + "が" + c.number + c.word + "のとき",
            {},
            "strategic-number " + StrategicNumberSymbol(c.at[0], c.at[1]) + " " + c.op + " " +
                c.number};
}

// Kind 11: dropsite-min-distance wood >= 5.
ConditionTriple ComposeDistance(const ConditionChoice& c) {
    return {c.row[0] + "が" + c.number + c.word + "のとき",
            {},
            "dropsite-min-distance " + kDistanceWords[c.at[0]] + c.op + " " + c.number};
}

QList<ConditionKind> MakeKinds() {
    using enum ConditionRows;
    using Type = ConditionFieldType;
    const ConditionField comparison{.label = "符号", .rows = Comparison};
    ConditionField keptComparison = comparison;
    keptComparison.keptWhenAdding = true;
    return {
        {.number = 1,
         .tab = "資源",
         .fields = {{.label = "対象", .rows = Resource},
                    {.label = "量", .type = Type::Number, .initial = "100"},
                    comparison},
         .compose = ComposeResource},
        {.number = 2,
         .tab = "建物",
         .fields = {{.label = "対象プレイヤー", .rows = Player},
                    {.label = "対象の建物", .rows = Building},
                    {.label = "数", .type = Type::Number, .initial = "1", .notNegative = true},
                    comparison},
         .words = ComparisonWords::A,
         .include = "建設中の建物の数を含む",
         .compose = ComposeBuilding},
        {.number = 3,
         .tab = "ユニット",
         .fields = {{.label = "対象プレイヤーの選択", .rows = Player},
                    {.label = "カテゴリの選択", .rows = UnitCategory},
                    {.label = "条件対象の選択", .rows = Unit, .follows = 1},
                    {.label = "数", .type = Type::Number, .initial = "1", .notNegative = true},
                    comparison},
         .include = "生産中のユニットの数を含む",
         .compose = ComposeUnit},
        {.number = 4,
         .tab = "研究",
         .fields = {{.label = "研究施設", .rows = TechnologyCategory, .keptWhenAdding = true},
                    {.label = "対象テクノロジー",
                     .rows = Technology,
                     .follows = 0,
                     .keptWhenAdding = true},
                    {.label = "条件", .rows = ResearchState}},
         .compose = ComposeResearch},
        {.number = 5,
         .tab = "人口",
         .fields = {{.label = "対象", .rows = Population},
                    {.label = "数", .type = Type::Number, .initial = "40", .notNegative = true},
                    comparison},
         .compose = ComposePopulation},
        {.number = 6,
         .tab = "時代",
         .fields = {{.label = "対象プレイヤー", .rows = Player},
                    {.label = "対象の時代", .rows = Age},
                    comparison},
         .words = ComparisonWords::C,
         .compose = ComposeAge},
        {.number = 7,
         .tab = "時間",
         .fields = {{.label = "基準", .rows = Clock},
                    {.label = "時間", .rows = Hours},
                    {.label = "分", .rows = Minutes, .initial = "5"},
                    {.label = "秒", .rows = Seconds},
                    comparison},
         .words = ComparisonWords::A,
         .compose = ComposeTime},
        {.number = 8,
         .tab = "タイマー",
         .fields = {{.label = "タイマー", .rows = Timer, .keptWhenAdding = true}},
         .note = "* 書き出しするときにタイマー名が適用されます",
         .compose = ComposeTimer},
        {.number = 9,
         .tab = "変数/乱数",
         .fields = {{.label = "変数", .rows = Variable},
                    {.label = "数", .type = Type::Number},
                    comparison},
         .note = "* 書き出しするときに変数名が適用されます",
         .comparisonOnFirstRowOnly = true,
         .errorCaption = "数字を入力してください",
         .rangeSubject = "",
         .compose = ComposeVariable},
        {.number = 10,
         .tab = "戦略数値",
         .fields = {{.label = "カテゴリ", .rows = StrategicNumberCategory, .keptWhenAdding = true},
                    {.label = "戦略数値の選択",
                     .rows = StrategicNumber,
                     .follows = 0,
                     .keptWhenAdding = true},
                    {.label = "数値",
                     .type = Type::Number,
                     .keptWhenAdding = true,
                     .correctedOnLeaving = true},
                    keptComparison},
         .compose = ComposeStrategicNumber},
        {.number = 11,
         .tab = "距離",
         .fields = {{.label = "対象", .rows = Distance, .keptWhenAdding = true},
                    {.label = "認識距離",
                     .type = Type::Number,
                     .initial = "5",
                     .keptWhenAdding = true,
                     .notNegative = true},
                    keptComparison},
         .rangeSubject = "距離は、",
         .compose = ComposeDistance},
    };
}

} // namespace

long long ConditionField::Lowest() const {
    return notNegative ? 0 : kScriptNumberMin;
}

int ConditionKind::IndexOf(ConditionRows wanted) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].type == ConditionFieldType::Picker && fields[i].rows == wanted)
            return i;
    return -1;
}

int ConditionKind::NumberIndex() const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].type == ConditionFieldType::Number)
            return i;
    return -1;
}

const QList<ConditionKind>& ConditionKinds() {
    static const QList<ConditionKind> kinds = MakeKinds();
    return kinds;
}

const ConditionKind* FindConditionKind(int number) {
    const QList<ConditionKind>& kinds = ConditionKinds();
    return number >= 1 && number <= kinds.size() ? &kinds[number - 1] : nullptr;
}

ProjectNameRows ProjectNameRows::Of(const Project& project) {
    return {TimerRows(project), VariableRows(project)};
}

QStringList FieldRows(const ConditionKind& kind, int index, const QStringList& fields,
                      const ProjectNameRows& names) {
    if (index < 0 || index >= kind.fields.size())
        return {};
    const ConditionField& field = kind.fields[index];
    const auto at = [&fields](int i) { return fields.value(i).toInt(); };
    switch (field.rows) {
    case ConditionRows::None:
        return {};
    case ConditionRows::Comparison:
        return ComparisonRows(kind.words);
    case ConditionRows::Player:
        return PlayerRows();
    case ConditionRows::Resource:
        return ResourceRows();
    case ConditionRows::Building:
        return BuildingRows();
    case ConditionRows::UnitCategory:
        return UnitCategoryRows();
    case ConditionRows::Unit:
        return UnitRows(at(kind.PlayerIndex()), at(field.follows));
    case ConditionRows::TechnologyCategory:
        return TechnologyCategoryRows();
    case ConditionRows::Technology:
        return TechnologyRows(at(field.follows));
    case ConditionRows::ResearchState:
        return ResearchStateRows();
    case ConditionRows::Population:
        return PopulationRows();
    case ConditionRows::Age:
        return AgeRows();
    case ConditionRows::Clock:
        return ClockRows();
    case ConditionRows::Hours:
        return HourRows();
    case ConditionRows::Minutes:
    case ConditionRows::Seconds:
        return MinuteRows();
    case ConditionRows::Timer:
        return names.timers;
    case ConditionRows::Variable:
        return names.variables;
    case ConditionRows::StrategicNumberCategory:
        return StrategicNumberCategoryRows();
    case ConditionRows::StrategicNumber:
        return StrategicNumberRows(at(field.follows));
    case ConditionRows::Distance:
        return DistanceRows();
    }
    return {};
}

} // namespace rw

#include "conditions/ConditionCatalogue.h"

#include "conditions/ConditionKind.h"
#include "model/Numeric.h"
#include "model/Project.h"
#include "vocabulary/ScriptWords.h"
#include "vocabulary/Vocabulary.h"

#include <algorithm>
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

ConditionTriple ErrorTriple(const ConditionKind* kind) {
    return {kind ? kind->errorCaption : ConditionKind().errorCaption, QStringLiteral("Err"),
            QStringLiteral("Err!!")};
}

// The caption of a number box holding something the script cannot hold. A
// text that is no number at all keeps the editor's long-standing caption.
QString NumberErrorCaption(const ConditionKind& kind, const QString& text) {
    if (!IsNumber(text))
        return kind.errorCaption;
    return kind.rangeSubject + ScriptNumberHint(kind.fields[kind.NumberIndex()].Lowest());
}

QString Editdat(int kind, const QStringList& fields) {
    QString text = QString::number(kind);
    for (const QString& f : fields)
        text += QLatin1Char('\\') + f;
    return text;
}

// The heading node of the n-th category of a vocabulary tree, 0 when none.
int CategoryNode(const VocabTree& tree, int category) {
    return ChildPositions(tree, 0).value(category, 0);
}

} // namespace

ConditionTriple Compose(int number, const QStringList& given, bool include) {
    const ConditionKind* kind = FindConditionKind(number);
    if (!kind)
        return ErrorTriple(kind);
    QStringList fields = given;
    ConditionChoice choice;
    choice.include = include;
    const int numberIndex = kind->NumberIndex();
    if (numberIndex >= 0) {
        // The number goes into the fact as it is stored: trimmed, and only
        // when the game can read it.
        const QString text = fields.value(numberIndex);
        const std::optional<QString> checked =
            ScriptNumber(text, kind->fields[numberIndex].Lowest());
        if (!checked) {
            ConditionTriple error = ErrorTriple(kind);
            error.cap = NumberErrorCaption(*kind, text);
            return error;
        }
        fields[numberIndex] = choice.number = *checked;
    }
    // Pickers are checked in field order: a picker's rows can depend on the
    // ones before it (the units on the player and the category).
    static const ProjectNameRows blankNames = ProjectNameRows::Of(Project());
    for (int i = 0; i < kind->fields.size(); ++i) {
        if (i == numberIndex) {
            choice.at << 0;
            choice.row << choice.number;
            continue;
        }
        const QStringList rows = FieldRows(*kind, i, fields, blankNames);
        const std::optional<int> position = Position(fields, i, rows.size());
        if (!position)
            return ErrorTriple(kind);
        choice.at << *position;
        choice.row << rows[*position];
    }
    if (const int comparison = kind->ComparisonIndex(); comparison >= 0) {
        choice.op = Operator(choice.at[comparison]);
        choice.word = choice.row[comparison];
    }
    ConditionTriple triple = kind->compose(choice);
    triple.editdat = Editdat(number, fields);
    return triple;
}

QString RefusalText(const ConditionTriple& error) {
    QString text = QStringLiteral("入力が正しくありません");
    const QList<ConditionKind>& kinds = ConditionKinds();
    const bool plain = std::any_of(kinds.begin(), kinds.end(), [&error](const ConditionKind& k) {
        return k.errorCaption == error.cap;
    });
    if (!plain)
        text += QStringLiteral("\r\n") + error.cap;
    return text;
}

SplitEditdatResult Split(const QString& editdat) {
    SplitEditdatResult result;
    QStringList parts = editdat.split(QLatin1Char('\\'));
    bool ok = false;
    const int kind = parts.takeFirst().toInt(&ok);
    result.kind = ok && FindConditionKind(kind) ? kind : 0;
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
        rows << QString::number(t) + ": " + project.settings.timers[t].help;
    return rows;
}

QStringList VariableRows(const Project& project) {
    QStringList rows{"*乱数用変数"};
    for (int v = 1; v <= kVariableCount; ++v)
        rows << QString::number(v) + ": " + project.settings.variables[v].description;
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

QString StrategicNumberSymbol(int category, int entry) {
    const VocabTree& tree = StrategicNumberTree();
    const int node = CategoryNode(tree, category);
    const int position = node == 0 ? 0 : ChildPositions(tree, node).value(entry, 0);
    // The symbol comes from the entry's own row: the same caption can stand
    // under two headings.
    return position == 0 ? QString()
                         : SplitFields(tree[position - 1].key, QLatin1Char(',')).value(0);
}

QStringList DistanceRows() {
    return {"木の最小距離", "食料の最小距離", "金の最小距離", "石の最小距離"};
}

} // namespace rw

#include "events/FreeEventEditor.h"

#include "events/RangeKinds.h"
#include "model/Numeric.h"
#include "model/Project.h"
#include "vocabulary/Vocabulary.h"

#include <optional>

namespace rw {

namespace {

const QString kInvalidCaption = QStringLiteral("入力が正しくありません");
const QString kInvalidCommand = QStringLiteral("Err!!");
const QString kCrLf = QStringLiteral("\r\n");

QString Num(long long n) {
    return QString::number(n);
}

FreeEventPreview Invalid(QStringList fields) {
    FreeEventPreview p;
    p.caption = kInvalidCaption;
    p.command = kInvalidCommand;
    p.fields = std::move(fields);
    return p;
}

// A number box's text as a command takes it: a whole number within
// [low, high] (never beyond what the script can hold), blanks trimmed.
struct BoxNumber {
    std::optional<QString> text;
    long long low;
    long long high;
};

BoxNumber Whole(const QString& text, long long low = kScriptNumberMin,
                long long high = kScriptNumberMax) {
    return {ScriptNumber(text, low, high), low, high};
}

// Counts, sizes and times cannot be below 0.
BoxNumber Count(const QString& text) {
    return Whole(text, 0);
}

// The error preview for a box the command cannot take; a number the game
// cannot read gets a hint naming the numbers it can.
FreeEventPreview Invalid(QStringList fields, const QString& text, const BoxNumber& number) {
    FreeEventPreview p = Invalid(std::move(fields));
    if (IsNumber(text))
        p.numberHint = ScriptNumberHint(number.low, number.high);
    return p;
}

FreeEventPreview Make(QString caption, QString command, QStringList fields,
                      QString relatedCaption = {}, QString relatedFact = {}) {
    return {std::move(caption),        std::move(command),     std::move(fields),
            std::move(relatedCaption), std::move(relatedFact), {}};
}

bool ValidPosition(int position, qsizetype count) {
    return position >= 0 && position < count;
}

// A stored field read back into a picker: rounded down, -1 when it is no
// number at all (the picker then keeps its choice).
int StoredPosition(const QString& field) {
    return FloorNumberOr(field, -1);
}

// A stored field read back into a number box: a number comes back rounded
// down; anything else (a box that a kind ignored when it was confirmed)
// comes back as it was.
QString StoredBoxText(const QString& field) {
    const std::optional<long long> value = FloorNumber(field);
    return value ? Num(*value) : field;
}

struct AttackRow {
    const char* caption;
    const char* symbol; // nullptr: attack-now
    const char* unit;
    bool percentage;
};

const AttackRow kAttackRows[] = {
    {"総攻撃開始", nullptr, "", false},
    {"陸軍％攻撃設定", "sn-percent-attack-soldiers", "％", true},
    {"海軍％攻撃設定", "sn-percent-attack-boats", "％", true},
    {"陸軍グループ数設定", "sn-number-attack-groups", "グループ", false},
    {"陸軍最小グループ数設定", "sn-minimum-attack-group-size", "人  (1グループの最小人数)", false},
    {"陸軍最大グループ数設定", "sn-maximum-attack-group-size", "人  (1グループの最大人数", false},
    {"海軍グループ数設定", "sn-number-boat-attack-groups", "グループ", false},
    {"海軍最小グループ数設定", "sn-minimum-boat-attack-group-size", "人  (1グループが最小人数)",
     false},
    {"海軍最大グループ数設定", "sn-maximum-boat-attack-group-size", "人  (1グループの最大人数",
     false},
};
constexpr int kAttackEntryCount = int(std::size(kAttackRows));

struct ResourceRow {
    const char* picker;
    const char* command; // entries 0-3: followed by the percentage
    const char* captionHead;
    const char* captionTail;
    const char* relatedCaption;
    const char* relatedFact;
};

const ResourceRow kResourceRows[] = {
    {"木の％を変更", "set-strategic-number sn-wood-gatherer-percentage ", "木の収集割合を",
     " ％に変更", "", ""},
    {"食料の％変更", "set-strategic-number sn-food-gatherer-percentage ", "食料の収集割合を",
     "％に変更", "", ""},
    {"金の％変更", "set-strategic-number sn-gold-gatherer-percentage ", "金の収集割合を",
     "％に変更", "", ""},
    {"石の％変更", "set-strategic-number sn-stone-gatherer-percentage ", "石の収集割合を",
     "％に変更", "", ""},
    {"木を100買う", "buy-commodity wood", "", "", "木が100買えるとき", "can-buy-commodity wood"},
    {"食料を100買う", "buy-commodity food", "", "", "食料が100買えるとき",
     "can-buy-commodity food"},
    {"石を100買う", "buy-commodity stone", "", "", "石が100買えるとき", "can-buy-commodity stone"},
    {"木を100売る", "sell-commodity wood", "", "", "木が100売れるとき", "can-sell-commodity wood"},
    {"食料を100売る", "sell-commodity food", "", "", "食料が100売れるとき",
     "can-sell-commodity food"},
    {"石を100売る", "sell-commodity stone", "", "", "石が100売れるとき",
     "can-sell-commodity stone"},
};
constexpr int kResourceEntryCount = int(std::size(kResourceRows));

const char* const kChatKeywords[] = {"chat-local-to-self", "chat-to-allies", "chat-to-enemies",
                                     "chat-to-all"};
const char* const kStanceSymbols[] = {"ally", "neutral", "enemy"};

constexpr int kVariableCount = kVariableSlots - 1;
constexpr int kTimerCount = kTimerSlots - 1;

// Top-level node positions of a vocabulary tree: the category pickers.
QList<int> Headings(const VocabTree& tree) {
    return ChildPositions(tree, 0);
}

// Node position of category `position`, 0 when there is none.
int HeadingNode(const VocabTree& tree, int position) {
    const QList<int> headings = Headings(tree);
    return ValidPosition(position, headings.size()) ? headings[position] : 0;
}

bool IsExcludedUnit(const QString& caption) {
    return caption.contains(QStringLiteral("[男]")) || caption.contains(QStringLiteral("[女]")) ||
           caption.contains(QStringLiteral("聖なる箱"));
}

// The entries listed under strategic-number heading `heading`: their node
// positions.
QList<int> StrategicEntryNodes(int heading) {
    const VocabTree& tree = StrategicNumberTree();
    const int node = HeadingNode(tree, heading);
    return node ? ChildPositions(tree, node) : QList<int>();
}

} // namespace

bool FreeEventPreview::IsValid() const {
    return command != kInvalidCommand;
}

FreeEventEditor::FreeEventEditor() {
    for (int i = 0; i < kVariableSlots; ++i)
        variableNames_.append(QString());
    for (int i = 0; i < kTimerSlots; ++i)
        timerNames_.append(QString());
    Reset();
}

void FreeEventEditor::Reset() {
    mode_ = Mode::Add;
    kind_ = kChat;
    chatTarget_ = 0;
    chatText_ = QStringLiteral("メッセージを表示します");
    buildingAction_ = 0;
    forward_ = false;
    SetBuilding(0);
    SetTechnologyCategory(0);
    unitAction_ = 0;
    SetUnitCategory(0);
    resourceEntry_ = 0;
    resourceValue_ = QStringLiteral("25");
    attackEntry_ = 0;
    attackValue_ = QStringLiteral("100");
    rangeKind_ = 0;
    distance_ = QStringLiteral("15");
    exploreEntry_ = 0;
    blotSize_ = QStringLiteral("15");
    reexplore_ = true;
    exploreGroups_ = QStringLiteral("1");
    SetStrategicHeading(0);
    snValue_ = QStringLiteral("0");
    variableEntry_ = 0;
    variableValue_ = QStringLiteral("1");
    player_ = 0;
    stance_ = 0;
    timer_ = 0;
    timerRun_ = 0;
    seconds_ = QStringLiteral("10");
}

void FreeEventEditor::ReloadNames(const Project& project) {
    for (int k = 0; k < kVariableSlots; ++k)
        variableNames_[k] = project.variables[k].description;
    for (int k = 0; k < kTimerSlots; ++k)
        timerNames_[k] = project.timers[k].help;
}

QString FreeEventEditor::ConfirmCaption() const {
    return mode_ == Mode::Add ? QStringLiteral("追加") : QStringLiteral("変更");
}

// --- restoring ---------------------------------------------------------------

void FreeEventEditor::Restore(const QString& data) {
    const QStringList f = data.split(QLatin1Char(')'));
    const auto field = [&f](int i) { return i < f.size() ? f[i] : QString(); };
    const int kind = StoredPosition(field(0));
    if (kind < 1 || kind > kKindCount)
        return;
    SelectKind(kind);
    const int f1 = StoredPosition(field(1));
    const int f2 = StoredPosition(field(2));
    const int f3 = StoredPosition(field(3));
    switch (kind) {
    case kChat:
        SetChatTarget(f1);
        SetChatText(field(2));
        break;
    case kBuilding:
        SetBuilding(f1 - 1);
        SetBuildingAction(f2);
        SetForward(FloorNumberOr(field(3), 0) != 0);
        break;
    case kResearch:
        SetTechnologyCategory(f1);
        SetTechnology(f2);
        break;
    case kUnit:
        SetUnitCategory(f1);
        SetUnit(f2);
        SetUnitAction(f3);
        break;
    case kResource:
        SetResourceEntry(f1);
        SetResourceValue(StoredBoxText(field(2)));
        break;
    case kAttack:
        SetAttackEntry(f1);
        SetAttackValue(StoredBoxText(field(2)));
        break;
    case kRange:
        SetRangeKind(f1);
        SetDistance(StoredBoxText(field(2)));
        break;
    case kExplore:
        SetExploreEntry(f1);
        if (f1 == 0) {
            SetBlotSize(StoredBoxText(field(2)));
        } else if (f1 == 1) {
            // Option buttons: a nonzero field selects its button, the later
            // one winning; two zeros leave the choice as it was.
            if (FloorNumberOr(field(2), 0) != 0)
                SetReexplore(true);
            if (FloorNumberOr(field(3), 0) != 0)
                SetReexplore(false);
        } else if (f1 == 2) {
            SetExploreGroups(StoredBoxText(field(2)));
        }
        break;
    case kStrategicNumber:
        SetStrategicHeading(f1);
        SetStrategicEntry(f2);
        SetStrategicValue(StoredBoxText(field(3)));
        break;
    case kVariable:
        SetVariableEntry(f1);
        SetVariableValue(StoredBoxText(field(2)));
        break;
    case kDiplomacy:
        SetPlayer(f1);
        SetStance(f2);
        break;
    case kTimer:
        SetTimer(f1);
        SetTimerRun(f2);
        SetSeconds(StoredBoxText(field(3)));
        break;
    }
}

// --- preview -----------------------------------------------------------------

FreeEventPreview FreeEventEditor::Preview() const {
    return PreviewOf(kind_);
}

QString FreeEventEditor::DataString() const {
    return Num(kind_) + QLatin1Char(')') + Preview().fields.join(QLatin1Char(')'));
}

FreeEvent FreeEventEditor::MakeEvent() const {
    const FreeEventPreview p = Preview();
    FreeEvent event;
    event.caption = p.caption;
    event.command = p.command;
    event.data = Num(kind_) + QLatin1Char(')') + p.fields.join(QLatin1Char(')'));
    return event;
}

FreeEventPreview FreeEventEditor::PreviewOf(int kind) const {
    switch (kind) {
    case kChat:
        return ChatPreview();
    case kBuilding:
        return BuildingPreview();
    case kResearch:
        return ResearchPreview();
    case kUnit:
        return UnitPreview();
    case kResource:
        return ResourcePreview();
    case kAttack:
        return AttackPreview();
    case kRange:
        return RangePreview();
    case kExplore:
        return ExplorePreview();
    case kStrategicNumber:
        return StrategicNumberPreview();
    case kVariable:
        return VariablePreview();
    case kDiplomacy:
        return DiplomacyPreview();
    default:
        return TimerPreview();
    }
}

FreeEventPreview FreeEventEditor::ChatPreview() const {
    const QStringList fields{Num(chatTarget_), chatText_};
    // These characters would break the command's quotes, the line's comment
    // or the data string; a line break would split the stored event line.
    static const QString forbidden = QStringLiteral("()\";\r\n");
    if (chatText_.isEmpty())
        return Invalid(fields);
    for (QChar c : chatText_) {
        if (forbidden.contains(c))
            return Invalid(fields);
    }
    return Make(ChatTargets()[chatTarget_] + QLatin1Char('(') + chatText_ + QLatin1Char(')'),
                QLatin1String(kChatKeywords[chatTarget_]) + QStringLiteral(" \"") + chatText_ +
                    QLatin1Char('"'),
                fields);
}

FreeEventPreview FreeEventEditor::BuildingPreview() const {
    const QList<BuildingPickerItem>& items = BuildingPickerItems();
    const QString name = ValidPosition(building_, items.size()) ? items[building_].text : QString();
    QString symbol = BuildingSymbol(name);
    if (symbol.startsWith(QLatin1Char(':')))
        symbol.remove(0, 1);
    const bool forward = ForwardVisible() && forward_;
    const QStringList fields{Num(building_ + 1), Num(buildingAction_), Num(forward_ ? 1 : 0)};
    const QString actionCaption = BuildingActions()[buildingAction_];

    const QString caption = name + QStringLiteral("を") +
                            (forward ? QStringLiteral("敵陣に") : QString()) + actionCaption;
    if (buildingAction_ == 1) {
        return Make(caption, QStringLiteral("delete-building ") + symbol, fields,
                    name + QStringLiteral("が存在するとき"),
                    QStringLiteral("building-type-count-total ") + symbol +
                        QStringLiteral(" >= 1"));
    }
    QString command;
    if (name.contains(QStringLiteral("門(狭い)"))) {
        command = QStringLiteral("build-gate 1 ");
    } else if (name.contains(QStringLiteral("門(広い)"))) {
        command = QStringLiteral("build-gate 2 ");
    } else {
        QString keyword;
        if (name.contains(QStringLiteral("狭い")))
            keyword = QStringLiteral("build-wall 1");
        else if (!name.contains(QStringLiteral("広い")))
            keyword = QStringLiteral("build");
        else
            keyword = QStringLiteral("build-wall 2");
        command = keyword + (forward ? QStringLiteral("-forward ") : QStringLiteral(" ")) + symbol;
    }
    return Make(caption, command, fields, name + QStringLiteral("が建設できるとき"),
                QStringLiteral("can-build ") + symbol);
}

FreeEventPreview FreeEventEditor::ResearchPreview() const {
    const QStringList techs = Technologies();
    const QString name = ValidPosition(technology_, techs.size()) ? techs[technology_] : QString();
    const QString symbol = TechnologySymbol(name);
    return Make(name + QStringLiteral("を研究する"), QStringLiteral("research ") + symbol,
                {Num(techCategory_), Num(technology_)}, name + QStringLiteral("が研究できるとき"),
                QStringLiteral("can-research ") + symbol);
}

FreeEventPreview FreeEventEditor::UnitPreview() const {
    const QStringList units = Units();
    const QString name = ValidPosition(unit_, units.size()) ? units[unit_] : QString();
    const QString symbol = UnitSymbol(name);
    const QStringList fields{Num(unitCategory_), Num(unit_), Num(unitAction_)};
    const QString caption = name + QStringLiteral("を") + UnitActions()[unitAction_];
    if (unitAction_ == 0) {
        return Make(caption, QStringLiteral("train ") + symbol, fields,
                    name + QStringLiteral("が生産できるとき"),
                    QStringLiteral("can-train ") + symbol);
    }
    return Make(caption, QStringLiteral("delete-unit ") + symbol, fields,
                name + QStringLiteral("が削除できるとき"),
                QStringLiteral("unit-type-count-total ") + symbol + QStringLiteral(" >= 1"));
}

FreeEventPreview FreeEventEditor::ResourcePreview() const {
    const ResourceRow& row = kResourceRows[resourceEntry_];
    const QStringList fields{Num(resourceEntry_), resourceValue_};
    if (resourceEntry_ <= 3) {
        const BoxNumber percent = Whole(resourceValue_, 0, 100);
        if (!percent.text)
            return Invalid(fields, resourceValue_, percent);
        const QString v = *percent.text;
        return Make(QString::fromUtf8(row.captionHead) + v + QString::fromUtf8(row.captionTail),
                    QLatin1String(row.command) + v, {Num(resourceEntry_), v});
    }
    return Make(QString::fromUtf8(row.picker), QLatin1String(row.command), fields,
                QString::fromUtf8(row.relatedCaption), QLatin1String(row.relatedFact));
}

FreeEventPreview FreeEventEditor::AttackPreview() const {
    const AttackRow& row = kAttackRows[attackEntry_];
    const QStringList fields{Num(attackEntry_), attackValue_};
    if (!row.symbol)
        return Make(QString::fromUtf8(row.caption), QStringLiteral("attack-now"), fields);
    const BoxNumber value = row.percentage ? Whole(attackValue_, 0, 100) : Count(attackValue_);
    if (!value.text)
        return Invalid(fields, attackValue_, value);
    return Make(QString::fromUtf8(row.caption),
                QStringLiteral("set-strategic-number ") + QLatin1String(row.symbol) +
                    QLatin1Char(' ') + *value.text,
                {Num(attackEntry_), *value.text});
}

FreeEventPreview FreeEventEditor::RangePreview() const {
    const rw::RangeKind& row = RangeKindTable()[rangeKind_];
    const QStringList fields{Num(rangeKind_), distance_};
    const BoxNumber distance = Whole(distance_, 0, 255);
    if (!distance.text)
        return Invalid(fields, distance_, distance);
    const QString d = *distance.text;
    return Make(row.eventCaption + d + QStringLiteral("に変更"),
                QStringLiteral("set-strategic-number ") + row.symbol + QLatin1Char(' ') + d,
                {Num(rangeKind_), d});
}

FreeEventPreview FreeEventEditor::ExplorePreview() const {
    switch (exploreEntry_) {
    case 0: {
        const BoxNumber size = Count(blotSize_);
        if (!size.text)
            return Invalid({QStringLiteral("0"), blotSize_}, blotSize_, size);
        const QString l = *size.text;
        return Make(QStringLiteral("探索精度を") + l + QStringLiteral("に変更します"),
                    QStringLiteral("set-strategic-number sn-blot-size ") + l,
                    {QStringLiteral("0"), l});
    }
    case 1:
        if (reexplore_) {
            return Make(QStringLiteral("再探索をするように変更します"),
                        QStringLiteral("set-strategic-number sn-blot-exploration-map 1"),
                        {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")});
        }
        return Make(QStringLiteral("再探索をしないように変更します"),
                    QStringLiteral("set-strategic-number sn-blot-exploration-map 0"),
                    {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1")});
    default: {
        const BoxNumber groups = Count(exploreGroups_);
        if (!groups.text)
            return Invalid({QStringLiteral("2"), exploreGroups_}, exploreGroups_, groups);
        const QString n = *groups.text;
        return Make(QStringLiteral("探索最大数を") + n + QStringLiteral("に変更します"),
                    QStringLiteral("set-strategic-number sn-number-explore-groups ") + n,
                    {QStringLiteral("2"), n});
    }
    }
}

FreeEventPreview FreeEventEditor::StrategicNumberPreview() const {
    const QStringList fields{Num(snHeading_), Num(snEntry_), snValue_};
    const BoxNumber value = Whole(snValue_);
    if (!value.text)
        return Invalid(fields, snValue_, value);
    const QString v = *value.text;
    const QList<int> nodes = StrategicEntryNodes(snHeading_);
    if (!ValidPosition(snEntry_, nodes.size()))
        return Invalid(fields);
    const int node = nodes[snEntry_];
    // Node p stands for table row p - 1; the row holds the symbol.
    const QString row = TableRows(VocabTable::StrategicNumber)[node - 1];
    const QString symbol = SplitFields(row, QLatin1Char(','))[0];
    const QString caption = StrategicNumberTree()[node - 1].text;
    return Make(caption + QStringLiteral("を") + v + QStringLiteral("に設定する"),
                QStringLiteral("set-strategic-number ") + symbol + QLatin1Char(' ') + v,
                {Num(snHeading_), Num(snEntry_), v});
}

FreeEventPreview FreeEventEditor::VariablePreview() const {
    const QStringList fields{Num(variableEntry_), variableValue_};
    const BoxNumber value =
        variableEntry_ == 0 ? Whole(variableValue_, 1, 100) : Whole(variableValue_);
    if (!value.text)
        return Invalid(fields, variableValue_, value);
    const QString v = *value.text;
    if (variableEntry_ == 0) {
        return Make(QStringLiteral("乱数を1～") + v + QStringLiteral("で発生させる"),
                    QStringLiteral("generate-random-number ") + v, {Num(variableEntry_), v});
    }
    const QString k = Num(variableEntry_);
    return Make(QStringLiteral("変数(") + k + QStringLiteral(")を") + v +
                    QStringLiteral("に設定する"),
                QStringLiteral("set-goal ") + k + QLatin1Char(' ') + v, {Num(variableEntry_), v});
}

FreeEventPreview FreeEventEditor::DiplomacyPreview() const {
    return Make(Players()[player_] + QStringLiteral("の外交政策を") + Stances()[stance_] +
                    QStringLiteral("に変更します"),
                QStringLiteral("set-stance ") + Num(player_ + 1) + QLatin1Char(' ') +
                    QLatin1String(kStanceSymbols[stance_]),
                {Num(player_), Num(stance_)});
}

FreeEventPreview FreeEventEditor::TimerPreview() const {
    // The box is checked for a stop too: it is only hidden, not emptied.
    const BoxNumber seconds = Count(seconds_);
    if (!seconds.text)
        return Invalid({Num(timer_), Num(timerRun_), seconds_}, seconds_, seconds);
    const QString s = *seconds.text;
    const QStringList fields{Num(timer_), Num(timerRun_), s};
    const QString t = Num(timer_ + 1);
    if (timerRun_ == 0) {
        return Make(QStringLiteral("タイマー(") + t + QStringLiteral(")を開始(") + s +
                        QStringLiteral("秒)"),
                    QStringLiteral("enable-timer ") + t + QLatin1Char(' ') + s, fields);
    }
    return Make(QStringLiteral("タイマー(") + t + QStringLiteral(")を停止"),
                QStringLiteral("disable-timer ") + t, fields);
}

// --- tabs ----------------------------------------------------------------------

QStringList FreeEventEditor::KindCaptions() {
    return {QStringLiteral("チャット"),  QStringLiteral("建物"), QStringLiteral("研究"),
            QStringLiteral("ユニット"),  QStringLiteral("資源"), QStringLiteral("攻撃"),
            QStringLiteral("範囲"),      QStringLiteral("斥候"), QStringLiteral("戦略数値"),
            QStringLiteral("変数/乱数"), QStringLiteral("外交"), QStringLiteral("タイマー")};
}

void FreeEventEditor::SelectKind(int kind) {
    if (kind >= 1 && kind <= kKindCount)
        kind_ = kind;
}

// --- kind 1 --------------------------------------------------------------------

QStringList FreeEventEditor::ChatTargets() {
    return {QStringLiteral("テストメッセージ"), QStringLiteral("味方にチャット"),
            QStringLiteral("敵にチャット"), QStringLiteral("全員にチャット")};
}

void FreeEventEditor::SetChatTarget(int position) {
    if (ValidPosition(position, 4))
        chatTarget_ = position;
}

void FreeEventEditor::SetChatText(const QString& text) {
    chatText_ = text;
}

QString FreeEventEditor::ChatForbiddenLabel() {
    return QStringLiteral("( ) \" ; は使用できません");
}

// --- kind 2 --------------------------------------------------------------------

void FreeEventEditor::SetBuilding(int position) {
    const QList<BuildingPickerItem>& items = BuildingPickerItems();
    if (!ValidPosition(position, items.size()))
        return;
    building_ = position;
    forwardEnabled_ = items[position].picture == BuildingPicture::First;
    if (!forwardEnabled_)
        forward_ = false;
}

QStringList FreeEventEditor::BuildingActions() {
    return {QStringLiteral("建設する"), QStringLiteral("破壊する")};
}

void FreeEventEditor::SetBuildingAction(int position) {
    if (ValidPosition(position, 2))
        buildingAction_ = position;
}

void FreeEventEditor::SetForward(bool on) {
    // A disabled box cannot be ticked; a stored tick for a building that
    // cannot be built forward is ignored.
    forward_ = on && forwardEnabled_;
}

// --- kind 3 --------------------------------------------------------------------

void FreeEventEditor::SetTechnologyCategory(int position) {
    if (!ValidPosition(position, Headings(TechnologyTree()).size()))
        return;
    techCategory_ = position;
    technology_ = 0;
}

QStringList FreeEventEditor::Technologies() const {
    const VocabTree& tree = TechnologyTree();
    const int node = HeadingNode(tree, techCategory_);
    return node ? ChildTexts(tree, node) : QStringList();
}

void FreeEventEditor::SetTechnology(int position) {
    if (ValidPosition(position, Technologies().size()))
        technology_ = position;
}

// --- kind 4 --------------------------------------------------------------------

void FreeEventEditor::SetUnitCategory(int position) {
    if (!ValidPosition(position, Headings(UnitTree()).size()))
        return;
    unitCategory_ = position;
    unit_ = 0;
}

QStringList FreeEventEditor::Units() const {
    const VocabTree& tree = UnitTree();
    const int node = HeadingNode(tree, unitCategory_);
    QStringList units;
    if (!node)
        return units;
    for (const QString& caption : ChildTexts(tree, node)) {
        if (!IsExcludedUnit(caption))
            units.append(caption);
    }
    return units;
}

void FreeEventEditor::SetUnit(int position) {
    if (ValidPosition(position, Units().size()))
        unit_ = position;
}

QStringList FreeEventEditor::UnitActions() {
    return {QStringLiteral("生産する"), QStringLiteral("削除する")};
}

void FreeEventEditor::SetUnitAction(int position) {
    if (ValidPosition(position, 2))
        unitAction_ = position;
}

// --- kind 5 --------------------------------------------------------------------

QStringList FreeEventEditor::ResourceEntries() {
    QStringList entries;
    for (const ResourceRow& row : kResourceRows)
        entries.append(QString::fromUtf8(row.picker));
    return entries;
}

void FreeEventEditor::SetResourceEntry(int position) {
    if (ValidPosition(position, kResourceEntryCount))
        resourceEntry_ = position;
}

void FreeEventEditor::SetResourceValue(const QString& text) {
    resourceValue_ = text;
}

// --- kind 6 --------------------------------------------------------------------

QStringList FreeEventEditor::AttackEntries() {
    QStringList entries;
    for (const AttackRow& row : kAttackRows)
        entries.append(QString::fromUtf8(row.caption));
    return entries;
}

void FreeEventEditor::SetAttackEntry(int position) {
    if (ValidPosition(position, kAttackEntryCount))
        attackEntry_ = position;
}

void FreeEventEditor::SetAttackValue(const QString& text) {
    attackValue_ = text;
}

QString FreeEventEditor::AttackUnitLabel() const {
    return QString::fromUtf8(kAttackRows[attackEntry_].unit);
}

// --- kind 7 --------------------------------------------------------------------

QStringList FreeEventEditor::RangeKinds() {
    return RangeKindPickerItems();
}

void FreeEventEditor::SetRangeKind(int position) {
    if (RangeKindAt(position))
        rangeKind_ = position;
}

void FreeEventEditor::SetDistance(const QString& text) {
    distance_ = text;
}

QString FreeEventEditor::RangeHeading() const {
    return rw::RangeHeading(rangeKind_);
}

QString FreeEventEditor::RangeHelp() const {
    return rw::RangeHelp(rangeKind_);
}

// --- kind 8 --------------------------------------------------------------------

QStringList FreeEventEditor::ExploreEntries() {
    return {QStringLiteral("探索精度"), QStringLiteral("再探索"), QStringLiteral("探索最大数")};
}

void FreeEventEditor::SetExploreEntry(int position) {
    if (ValidPosition(position, 3))
        exploreEntry_ = position;
}

void FreeEventEditor::SetBlotSize(const QString& text) {
    blotSize_ = text;
}

void FreeEventEditor::SetReexplore(bool yes) {
    reexplore_ = yes;
}

void FreeEventEditor::SetExploreGroups(const QString& text) {
    exploreGroups_ = text;
}

// --- kind 9 --------------------------------------------------------------------

QStringList FreeEventEditor::StrategicHeadings() {
    return ChildTexts(StrategicNumberTree(), 0);
}

void FreeEventEditor::SetStrategicHeading(int position) {
    if (!ValidPosition(position, Headings(StrategicNumberTree()).size()))
        return;
    snHeading_ = position;
    snEntry_ = 0;
}

QStringList FreeEventEditor::StrategicEntries() const {
    const VocabTree& tree = StrategicNumberTree();
    const int node = HeadingNode(tree, snHeading_);
    return node ? ChildTexts(tree, node) : QStringList();
}

void FreeEventEditor::SetStrategicEntry(int position) {
    if (ValidPosition(position, StrategicEntryNodes(snHeading_).size()))
        snEntry_ = position;
}

void FreeEventEditor::SetStrategicValue(const QString& text) {
    snValue_ = text;
}

// --- kind 10 -------------------------------------------------------------------

QStringList FreeEventEditor::VariableEntries() const {
    QStringList entries{QStringLiteral("*乱数を発生させる")};
    for (int k = 1; k <= kVariableCount; ++k)
        entries.append(Num(k) + QStringLiteral(": ") + variableNames_[k]);
    return entries;
}

void FreeEventEditor::SetVariableEntry(int position) {
    if (ValidPosition(position, kVariableSlots))
        variableEntry_ = position;
}

void FreeEventEditor::SetVariableValue(const QString& text) {
    variableValue_ = text;
}

QString FreeEventEditor::VariableLabel() const {
    return variableNames_[variableEntry_];
}

// --- kind 11 -------------------------------------------------------------------

QStringList FreeEventEditor::Players() {
    QStringList players;
    for (int k = 1; k <= 8; ++k)
        players.append(QStringLiteral("Player") + Num(k));
    return players;
}

void FreeEventEditor::SetPlayer(int position) {
    if (ValidPosition(position, 8))
        player_ = position;
}

QStringList FreeEventEditor::Stances() {
    return {QStringLiteral("同盟"), QStringLiteral("中立"), QStringLiteral("敵対")};
}

void FreeEventEditor::SetStance(int position) {
    if (ValidPosition(position, 3))
        stance_ = position;
}

// --- kind 12 -------------------------------------------------------------------

QStringList FreeEventEditor::TimerEntries() const {
    QStringList entries;
    for (int k = 1; k <= kTimerCount; ++k)
        entries.append(Num(k) + QStringLiteral(": ") + timerNames_[k]);
    return entries;
}

void FreeEventEditor::SetTimer(int position) {
    if (ValidPosition(position, kTimerCount))
        timer_ = position;
}

QStringList FreeEventEditor::TimerRuns() {
    return {QStringLiteral("開始"), QStringLiteral("停止")};
}

void FreeEventEditor::SetTimerRun(int position) {
    if (ValidPosition(position, 2))
        timerRun_ = position;
}

void FreeEventEditor::SetSeconds(const QString& text) {
    seconds_ = text;
}

} // namespace rw

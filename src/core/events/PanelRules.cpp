#include "events/PanelRules.h"

#include "events/PanelPickers.h"
#include "model/ConditionLine.h"
#include "model/Numeric.h"
#include "model/ScriptLines.h"

#include <algorithm>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

int Position(const QString& field) {
    return std::max(0, FloorNumberOr(field, 0));
}
bool Flag(const QString& field) {
    return FloorNumberOr(field, 0) != 0;
}
QString Floored(const QString& field) {
    return QString::number(FloorNumberOr(field, 0));
}

} // namespace

void ReadPanelFields(int category, const RuleEntry& rule, PanelState& panels,
                     RuleOptions& options) {
    options.runOnce = Flag(rule.runOnce);
    options.chat = !rule.chatText.isEmpty();
    const int variable = FloorNumberOr(rule.variableNumber, 0);
    options.variable = variable >= 1 && variable < kVariableSlots ? variable : 0;
    if (options.variable != 0)
        options.variableValue = rule.variableValue;

    switch (category) {
    case kBuildingCategory:
        panels.building.building = std::max(1, FloorNumberOr(rule.panel1, 1));
        panels.building.kind = Position(rule.panel2);
        panels.building.forward = Flag(rule.panel3);
        break;
    case kResearchCategory:
        panels.research = {Position(rule.panel1), Position(rule.panel2)};
        break;
    case kUnitCategory:
        panels.unit = {Position(rule.panel1), Position(rule.panel2), Position(rule.panel3)};
        break;
    case kResourceCategory: {
        ResourcePanel& r = panels.resource;
        r.kind = Position(rule.panel1);
        if (r.kind == 1) {
            r.resource = Position(rule.panel2);
            r.action = Position(rule.panel3);
        } else {
            const QString* fields[4] = {&rule.panel2, &rule.panel3, &rule.panel4, &rule.panel5};
            for (int i = 0; i < 4; ++i) {
                r.boxes[i] = Floored(*fields[i]);
                r.spinners[i] = std::clamp(FloorNumberOr(*fields[i], 0), 0, 100);
            }
        }
        break;
    }
    case kAttackCategory: {
        AttackPanel& a = panels.attack;
        a.kind = Position(rule.panel1);
        if (a.kind == 2 || a.kind == 3) {
            a.groups = Floored(rule.panel2);
            a.minimum = Floored(rule.panel3);
            a.maximum = Floored(rule.panel4);
        } else {
            a.percent = Floored(rule.panel2);
        }
        break;
    }
    case kRangeCategory:
        panels.range = {Position(rule.panel1), rule.panel2};
        break;
    case kFreeCategory:
        panels.freeEvents = FreeEventList::FromRule(rule);
        break;
    default:
        break;
    }
}

QString SettleBox(NumberBox box, const QString& text) {
    struct Rule {
        const char* empty; // the box's default
        const char* other; // what any other text that is no number falls back to
        long long low = kScriptNumberMin;
        long long high = kScriptNumberMax;
    };
    static const Rule kRules[] = {
        {"100", "0", 0, 100}, // attack percentage
        {"3", "3", 0},        // groups
        {"5", "5", 0},        // minimum per group
        {"10", "10", 0},      // maximum per group
        {"15", "0"},          // distance: any number, -1 is "no limit"
        {"10", "10"},         // variable value
    };
    const Rule& rule = kRules[int(box)];
    if (text.trimmed().isEmpty())
        return QString::fromLatin1(rule.empty);
    return ScriptNumber(text, rule.low, rule.high).value_or(QString::fromLatin1(rule.other));
}

AllocationSettled SettleAllocation(const QString& text) {
    if (text.trimmed().isEmpty())
        return {QStringLiteral("25"), 25, {}, false};
    if (const std::optional<QString> number = ScriptNumber(text, 0, 100))
        return {*number, number->toInt(), {}, false};
    return {QStringLiteral("0"), 0,
            Notice{QStringLiteral("0～100を入力してください"), QStringLiteral("エラー"),
                   Notice::Icon::Critical},
            true};
}

QString AllocationTotalLabel(const std::array<QString, 4>& boxes) {
    long long total = 0;
    for (const QString& box : boxes)
        total += FloorNumber(box).value_or(0);
    return QStringLiteral("合計:") + QString::number(total) + QStringLiteral("％");
}

bool ForwardEnabled(const BuildingPanel& panel) {
    return PanelPickers::HasFirstPicture(panel.building);
}

bool ForwardVisible(const BuildingPanel& panel) {
    return panel.kind != 1;
}

QString AutoRenameTitle(int category, const PanelState& panels) {
    using namespace PanelPickers;
    switch (category) {
    case kBuildingCategory:
        return BuildingCaption(panels.building.building);
    case kResearchCategory:
        return TechnologyCaption(panels.research.category, panels.research.technology);
    case kUnitCategory:
        return UnitCaption(panels.unit.category, panels.unit.unit);
    case kResourceCategory:
        return ItemAt(ResourceKinds(), panels.resource.kind);
    case kAttackCategory:
        return ItemAt(AttackKinds(), panels.attack.kind);
    case kRangeCategory:
        return ItemAt(RangeKinds(), panels.range.kind);
    default:
        return {};
    }
}

QString VariablePickerText(const Project& project, int k) {
    if (k < 1 || k >= kVariableSlots)
        return kNoVariableText;
    return QString::number(k) + QStringLiteral(": ") + project.settings.variables[k].description;
}

QList<EventListRow> EventListRows(const QString& actions) {
    QList<EventListRow> rows;
    for (const QStringView line : SplitLines(actions)) {
        const EventLine read = ReadEventLine(line);
        rows.append({read.command.toString(), read.comment.toString()});
    }
    return rows;
}

int EventListRowCount(const QString& actions) {
    return int(SplitLines(actions).size());
}

int CommandCount(const RuleEntry& rule) {
    return int(SplitConditionLines(rule.conditions).size()) + EventListRowCount(rule.actions);
}

Notice ResourceLimitNotice() {
    return Notice{QStringLiteral("16個を超えて命令を追加することはできません") + kCrLf +
                      QStringLiteral("ルールを減らしてください") + kCrLf +
                      QStringLiteral("元のデータに戻ります！"),
                  QStringLiteral("ルール数制限エラー"), Notice::Icon::Warning};
}

Notice OptionLimitNotice() {
    return Notice{QStringLiteral("16個までしか追加できないため変更できません"),
                  QStringLiteral("エラー"), Notice::Icon::Critical};
}

ResourceKindGuard::Verdict ResourceKindGuard::Check(const RuleEntry& rule, int kind) {
    if (CommandCount(rule) <= kMaxCommands) {
        lastAccepted_ = kind;
        return {false, kind, {}};
    }
    return {true, lastAccepted_, ResourceLimitNotice()};
}

bool OptionExceedsLimit(const RuleEntry& rule) {
    return CommandCount(rule) > kMaxCommands;
}

} // namespace rw

#include "events/PanelRules.h"

#include "events/PanelBinding.h"
#include "events/PanelPickers.h"
#include "events/PanelTable.h"
#include "model/ConditionLine.h"
#include "model/Numeric.h"
#include "model/ScriptLines.h"

#include <algorithm>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool Flag(const QString& field) {
    return FloorNumberOr(field, 0) != 0;
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

    if (category == kFreeCategory)
        panels.freeEvents = FreeEventList::FromRule(rule);
    else
        ReadControlFields(category, rule, panels);
}

QString SettleBox(PanelControl box, const QString& text) {
    const PanelControlRow& row = ControlRow(box);
    if (text.trimmed().isEmpty())
        return QString::fromLatin1(row.empty);
    return ScriptNumber(text, row.low, row.high).value_or(QString::fromLatin1(row.fallback));
}

AllocationSettled SettleAllocation(const QString& text) {
    const PanelControlRow& row = ControlRow(PanelControl::WoodBox);
    if (text.trimmed().isEmpty()) {
        const QString empty = QString::fromLatin1(row.empty);
        return {empty, empty.toInt(), {}, false};
    }
    if (const std::optional<QString> number = ScriptNumber(text, row.low, row.high))
        return {*number, number->toInt(), {}, false};
    const QString refused = QString::fromLatin1(row.fallback);
    return {refused, refused.toInt(),
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

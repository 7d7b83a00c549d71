#include "workspace/PanelBinding.h"

#include "events/PanelPickers.h"
#include "model/Numeric.h"

#include <algorithm>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

int Floor(const QString& text, int fallback) {
    return FloorNumberOr(text, fallback);
}

QString FloorText(const QString& text) {
    return QString::number(Floor(text, 0));
}

int Position(const QString& value) {
    return std::max(0, Floor(value, 0));
}

bool On(const QString& value) {
    return Floor(value, 0) != 0;
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A box whose text is not a number takes its fallback at once.
QString NumericOr(const QString& text, const char* fallback) {
    return IsNumber(text) ? text : QString::fromLatin1(fallback);
}

int AllocationIndex(PanelControl control) {
    switch (control) {
    case PanelControl::WoodBox:
        return ResourcePanel::Wood;
    case PanelControl::FoodBox:
        return ResourcePanel::Food;
    case PanelControl::GoldBox:
        return ResourcePanel::Gold;
    case PanelControl::StoneBox:
        return ResourcePanel::Stone;
    default:
        return -1;
    }
}

struct RangeLabel {
    QString label;
    QString help;
};

const QList<RangeLabel>& RangeLabels() {
    static const QList<RangeLabel> labels = {
        {QStringLiteral("町の大きさ"), QStringLiteral("建物を建設する範囲、守備軍が守備する範囲")},
        {QStringLiteral("粉ひき所の距離"), QStringLiteral("粉ひき所を建設する距離")},
        {QStringLiteral("伐採所・採掘所の距離"), QStringLiteral("伐採所を建設する距離")},
        {QStringLiteral("木の認識距離"),
         QStringLiteral("町の人が木を認識する距離\r\n※-1にすると無制限になります")},
        {QStringLiteral("羊､苺､畑､小魚の認識距離"),
         QStringLiteral(
             "町の人が鹿以外の食料を認識する距離\r\n※0にすると鹿を除く食料を食べなくなります")},
        {QStringLiteral("漁船の認識距離"),
         QStringLiteral("漁船がどこまで魚を取りに行くか\r\n※0にすると漁をしません")},
        {QStringLiteral("鹿狩りの認識距離"),
         QStringLiteral("狩りをする人がどこまで鹿を捕りに行くか\r\n※0にすると鹿狩りをしません")},
        {QStringLiteral("金の認識距離"),
         QStringLiteral(
             "金を採掘する人が金鉱をどこまで採掘に行くか\r\n※0にすると金を採掘しません")},
        {QStringLiteral("石の認識距離"),
         QStringLiteral("金を採掘する人が石をどこまで採掘に行くか\r\n※0にすると石を採掘しません")},
    };
    return labels;
}

template <typename T> bool Assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

bool IsResourceControl(PanelControl control) {
    switch (control) {
    case PanelControl::ResourceKind:
    case PanelControl::MarketAction:
    case PanelControl::MarketResource:
    case PanelControl::WoodBox:
    case PanelControl::FoodBox:
    case PanelControl::GoldBox:
    case PanelControl::StoneBox:
        return true;
    default:
        return false;
    }
}

bool IsOptionControl(PanelControl control) {
    switch (control) {
    case PanelControl::VariablePicker:
    case PanelControl::VariableValue:
    case PanelControl::TestMessage:
    case PanelControl::RunOnce:
        return true;
    default:
        return false;
    }
}

void FillPanelsFromRule(int category, const RuleEntry& rule, PanelState& panels,
                        RuleOptions& options) {
    options.runOnce = On(rule.runOnce);
    options.chat = !rule.chatText.isEmpty();
    options.variable = std::clamp(Floor(rule.variableNumber, 0), 0, kVariableSlots - 1);
    if (options.variable != 0)
        options.variableValue = rule.variableValue;

    switch (category) {
    case kBuildingCategory:
        panels.building.building = std::max(1, Floor(rule.panel1, 1));
        panels.building.kind = Position(rule.panel2);
        panels.building.forward = On(rule.panel3);
        break;
    case kResearchCategory:
        panels.research.category = Position(rule.panel1);
        panels.research.technology = Position(rule.panel2);
        break;
    case kUnitCategory:
        panels.unit.category = Position(rule.panel1);
        panels.unit.unit = Position(rule.panel2);
        panels.unit.kind = Position(rule.panel3);
        break;
    case kResourceCategory: {
        ResourcePanel& r = panels.resource;
        r.kind = Position(rule.panel1);
        if (r.kind == 1) {
            r.resource = Position(rule.panel2);
            r.action = Position(rule.panel3);
        } else {
            const QString fields[4] = {rule.panel2, rule.panel3, rule.panel4, rule.panel5};
            for (int i = 0; i < 4; ++i) {
                r.boxes[i] = FloorText(fields[i]);
                r.spinners[i] = std::clamp(Floor(fields[i], 0), 0, 100);
            }
        }
        break;
    }
    case kAttackCategory: {
        AttackPanel& a = panels.attack;
        a.kind = Position(rule.panel1);
        if (a.kind == 2 || a.kind == 3) {
            a.groups = FloorText(rule.panel2);
            a.minimum = FloorText(rule.panel3);
            a.maximum = FloorText(rule.panel4);
        } else {
            a.percent = FloorText(rule.panel2);
        }
        break;
    }
    case kRangeCategory:
        panels.range.kind = Position(rule.panel1);
        panels.range.distance = rule.panel2;
        break;
    default:
        break;
    }
}

ControlChange ApplyControl(PanelState& panels, RuleOptions& options, PanelControl control,
                           const QString& value) {
    using namespace PanelPickers;
    ControlChange out;
    switch (control) {
    case PanelControl::VariablePicker:
        out.changed = Assign(options.variable, std::clamp(Floor(value, 0), 0, kVariableSlots - 1));
        break;
    case PanelControl::VariableValue:
        out.changed = Assign(options.variableValue, NumericOr(value, "10"));
        break;
    case PanelControl::TestMessage:
        out.changed = Assign(options.chat, On(value));
        break;
    case PanelControl::RunOnce:
        out.changed = Assign(options.runOnce, On(value));
        break;
    case PanelControl::BuildingPicker: {
        BuildingPanel& b = panels.building;
        out.changed = Assign(b.building, Position(value) + 1);
        if (!HasFirstPicture(b.building))
            out.changed |= Assign(b.forward, false);
        out.renameTo = BuildingCaption(b.building);
        break;
    }
    case PanelControl::BuildingAction:
        out.changed = Assign(panels.building.kind, Position(value));
        break;
    case PanelControl::BuildForward:
        out.changed = Assign(panels.building.forward, On(value));
        break;
    case PanelControl::ResearchCategory:
        // A new category refills the technologies and picks the first one.
        out.changed = Assign(panels.research.category, Position(value));
        if (out.changed)
            panels.research.technology = 0;
        out.renameTo = TechnologyCaption(panels.research.category, panels.research.technology);
        break;
    case PanelControl::Technology:
        out.changed = Assign(panels.research.technology, Position(value));
        out.renameTo = TechnologyCaption(panels.research.category, panels.research.technology);
        break;
    case PanelControl::UnitCategory:
        out.changed = Assign(panels.unit.category, Position(value));
        if (out.changed)
            panels.unit.unit = 0;
        out.renameTo = UnitCaption(panels.unit.category, panels.unit.unit);
        break;
    case PanelControl::Unit:
        out.changed = Assign(panels.unit.unit, Position(value));
        out.renameTo = UnitCaption(panels.unit.category, panels.unit.unit);
        break;
    case PanelControl::UnitAction:
        out.changed = Assign(panels.unit.kind, Position(value));
        out.renameTo = UnitCaption(panels.unit.category, panels.unit.unit);
        break;
    case PanelControl::ResourceKind:
        out.changed = Assign(panels.resource.kind, Position(value));
        break;
    case PanelControl::MarketAction:
        out.changed = Assign(panels.resource.action, Position(value));
        break;
    case PanelControl::MarketResource:
        out.changed = Assign(panels.resource.resource, Position(value));
        break;
    case PanelControl::WoodBox:
    case PanelControl::FoodBox:
    case PanelControl::GoldBox:
    case PanelControl::StoneBox: {
        ResourcePanel& r = panels.resource;
        const int i = AllocationIndex(control);
        out.changed = Assign(r.boxes[i], value);
        // A text that is not yet a value up to 100 waits for the focus loss.
        const std::optional<long long> number = FloorNumber(value);
        if (!out.changed || !number || *number > 100)
            return ControlChange{out.changed, false, {}};
        r.spinners[i] = int(std::clamp<long long>(*number, 0, 100));
        break;
    }
    case PanelControl::MarketAmount:
        return {};
    case PanelControl::AttackKind:
        out.changed = Assign(panels.attack.kind, Position(value));
        break;
    case PanelControl::AttackPercent:
        out.changed = Assign(panels.attack.percent, NumericOr(value, "100"));
        break;
    case PanelControl::GroupCount:
        out.changed = Assign(panels.attack.groups, NumericOr(value, "3"));
        break;
    case PanelControl::GroupMin:
        out.changed = Assign(panels.attack.minimum, NumericOr(value, "5"));
        break;
    case PanelControl::GroupMax:
        out.changed = Assign(panels.attack.maximum, NumericOr(value, "10"));
        break;
    case PanelControl::RangeKind:
        out.changed = Assign(panels.range.kind, Position(value));
        break;
    case PanelControl::Distance:
        out.changed = Assign(panels.range.distance, NumericOr(value, "0"));
        break;
    }
    if (IsResourceControl(control))
        out.renameTo = ItemAt(ResourceKinds(), panels.resource.kind);
    else if (control >= PanelControl::AttackKind && control <= PanelControl::GroupMax)
        out.renameTo = ItemAt(AttackKinds(), panels.attack.kind);
    else if (control == PanelControl::RangeKind || control == PanelControl::Distance)
        out.renameTo = ItemAt(RangeKinds(), panels.range.kind);
    out.regenerate = out.changed;
    if (!out.changed)
        out.renameTo.clear();
    return out;
}

FocusLossChange ApplyFocusLoss(PanelState& panels, PanelControl control) {
    FocusLossChange out;
    switch (control) {
    case PanelControl::AttackPercent: {
        QString& text = panels.attack.percent;
        const std::optional<long long> number = FloorNumber(text);
        if (!number || *number < 0 || *number > 100) {
            text = QStringLiteral("0");
            out.regenerate = true;
        }
        break;
    }
    case PanelControl::Distance:
        if (!IsNumber(panels.range.distance)) {
            panels.range.distance = QStringLiteral("0");
            out.regenerate = true;
        }
        break;
    case PanelControl::WoodBox:
    case PanelControl::FoodBox:
    case PanelControl::GoldBox:
    case PanelControl::StoneBox: {
        ResourcePanel& r = panels.resource;
        const int i = AllocationIndex(control);
        const std::optional<long long> number = FloorNumber(r.boxes[i]);
        if (number && *number >= 0 && *number <= 100) {
            r.spinners[i] = int(*number);
        } else {
            out.notice = Notice{QStringLiteral("0～100を入力してください"),
                                QStringLiteral("エラー"), Notice::Icon::Critical};
            r.boxes[i] = QStringLiteral("0");
            r.spinners[i] = 0;
        }
        out.regenerate = true;
        break;
    }
    default:
        break;
    }
    return out;
}

QList<EventRow> EventRows(const QString& actions) {
    QList<EventRow> rows;
    for (const QString& raw : actions.split(kCrLf)) {
        QString line = raw;
        qsizetype lead = 0;
        while (lead < line.size() && line[lead] == QLatin1Char(' '))
            ++lead;
        line.remove(0, lead);
        const qsizetype close = line.indexOf(QLatin1Char(')'));
        const qsizetype semi = line.indexOf(QLatin1Char(';'));
        rows.append(EventRow{close >= 0 ? line.left(close + 1) : line,
                             semi >= 0 ? line.mid(semi) : QString()});
    }
    return rows;
}

PanelView MakePanelView(int category, const PanelState& panels, const RuleOptions& options,
                        const RuleEntry* rule) {
    using namespace PanelPickers;
    PanelView view;
    auto set = [&view](PanelControl control, const QString& value) {
        view.At(control).value = value;
    };
    auto number = [](int n) { return QString::number(n); };

    const bool free = category == kFreeCategory;
    set(PanelControl::VariablePicker, number(options.variable));
    set(PanelControl::VariableValue, options.variableValue);
    set(PanelControl::TestMessage, Flag(options.chat));
    set(PanelControl::RunOnce, Flag(options.runOnce));
    view.At(PanelControl::VariablePicker).visible = !free;
    view.At(PanelControl::TestMessage).visible = !free;
    view.At(PanelControl::VariableValue).visible = !free && options.variable != 0;

    const BuildingPanel& b = panels.building;
    set(PanelControl::BuildingPicker, number(b.building - 1));
    set(PanelControl::BuildingAction, number(b.kind));
    set(PanelControl::BuildForward, Flag(b.forward));
    view.At(PanelControl::BuildForward).enabled = HasFirstPicture(b.building);
    view.At(PanelControl::BuildForward).visible = b.kind != 1;

    set(PanelControl::ResearchCategory, number(panels.research.category));
    set(PanelControl::Technology, number(panels.research.technology));
    view.technologyItems = Technologies(panels.research.category);

    set(PanelControl::UnitCategory, number(panels.unit.category));
    set(PanelControl::Unit, number(panels.unit.unit));
    set(PanelControl::UnitAction, number(panels.unit.kind));
    view.unitItems = Units(panels.unit.category);

    const ResourcePanel& r = panels.resource;
    set(PanelControl::ResourceKind, number(r.kind));
    set(PanelControl::WoodBox, r.boxes[ResourcePanel::Wood]);
    set(PanelControl::FoodBox, r.boxes[ResourcePanel::Food]);
    set(PanelControl::GoldBox, r.boxes[ResourcePanel::Gold]);
    set(PanelControl::StoneBox, r.boxes[ResourcePanel::Stone]);
    set(PanelControl::MarketAction, number(r.action));
    set(PanelControl::MarketResource, number(r.resource));
    set(PanelControl::MarketAmount, QStringLiteral("100"));
    view.allocationShown = r.kind != 1;
    view.marketShown = r.kind == 1;
    int total = 0;
    for (const QString& box : r.boxes)
        total += Floor(box, 0);
    view.totalLabel = QStringLiteral("合計:") + number(total) + QStringLiteral("％");

    const AttackPanel& a = panels.attack;
    set(PanelControl::AttackKind, number(a.kind));
    set(PanelControl::AttackPercent, a.percent);
    set(PanelControl::GroupCount, a.groups);
    set(PanelControl::GroupMin, a.minimum);
    set(PanelControl::GroupMax, a.maximum);
    view.groupFrameShown = a.kind == 2 || a.kind == 3;
    view.percentFrameShown = !view.groupFrameShown;

    set(PanelControl::RangeKind, number(panels.range.kind));
    set(PanelControl::Distance, panels.range.distance);
    const RangeLabel label = RangeLabels().value(panels.range.kind);
    view.rangeHeading = QStringLiteral("[") + label.label + QStringLiteral("]");
    view.rangeHelp = label.help;

    if (rule)
        view.eventRows = EventRows(rule->actions);
    return view;
}

} // namespace rw

#include "events/PanelBinding.h"

#include "events/PanelPickers.h"
#include "events/PanelRules.h"
#include "model/Numeric.h"

#include <algorithm>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

int Floor(const QString& text, int fallback) {
    return FloorNumberOr(text, fallback);
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

bool IsTypedControl(PanelControl control) {
    switch (control) {
    case PanelControl::VariableValue:
    case PanelControl::WoodBox:
    case PanelControl::FoodBox:
    case PanelControl::GoldBox:
    case PanelControl::StoneBox:
    case PanelControl::MarketAmount:
    case PanelControl::AttackPercent:
    case PanelControl::GroupCount:
    case PanelControl::GroupMin:
    case PanelControl::GroupMax:
    case PanelControl::Distance:
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
    ReadPanelFields(category, rule, panels, options);
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
        out.changed = Assign(options.variableValue, SettleBox(NumberBox::Variable, value));
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
        const AllocationSettled settled = SettleAllocation(value);
        out.changed = Assign(r.boxes[i], settled.text);
        out.changed |= Assign(r.spinners[i], settled.spinner);
        out.notice = settled.notice;
        break;
    }
    case PanelControl::MarketAmount:
        return {};
    case PanelControl::AttackKind:
        out.changed = Assign(panels.attack.kind, Position(value));
        break;
    case PanelControl::AttackPercent:
        out.changed = Assign(panels.attack.percent, SettleBox(NumberBox::AttackPercent, value));
        break;
    case PanelControl::GroupCount:
        out.changed = Assign(panels.attack.groups, SettleBox(NumberBox::GroupCount, value));
        break;
    case PanelControl::GroupMin:
        out.changed = Assign(panels.attack.minimum, SettleBox(NumberBox::GroupMinimum, value));
        break;
    case PanelControl::GroupMax:
        out.changed = Assign(panels.attack.maximum, SettleBox(NumberBox::GroupMaximum, value));
        break;
    case PanelControl::RangeKind:
        out.changed = Assign(panels.range.kind, Position(value));
        break;
    case PanelControl::Distance:
        out.changed = Assign(panels.range.distance, SettleBox(NumberBox::Distance, value));
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
    view.At(PanelControl::BuildForward).enabled = ForwardEnabled(b);
    view.At(PanelControl::BuildForward).visible = ForwardVisible(b);

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
    view.totalLabel = AllocationTotalLabel(r.boxes);
    view.spinners = r.spinners;

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
    view.rangeHeading = RangeHeading(panels.range.kind);
    view.rangeHelp = RangeHelp(panels.range.kind);

    if (rule)
        view.eventRows = EventListRows(rule->actions);
    return view;
}

} // namespace rw

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace rw {

// Every control of the rule options and the six event panels that the
// window turns into a Workspace call.
enum class PanelControl {
    // rule options (all categories; category 7 shows only RunOnce)
    VariablePicker, // value: 0 to 40
    VariableValue,  // the value box text
    TestMessage,    // "0" / "1"
    RunOnce,        // "0" / "1"
    // 1 building
    BuildingPicker, // 0-based picker position
    BuildingAction, // 0 build, 1 destroy
    BuildForward,   // "0" / "1"
    // 2 research
    ResearchCategory,
    Technology,
    // 3 unit
    UnitCategory,
    Unit,
    UnitAction,
    // 4 resource
    ResourceKind, // 0 allocation, 1 market
    WoodBox,      // allocation boxes: the text; a spinner move sends its number
    FoodBox,
    GoldBox,
    StoneBox,
    MarketAction,   // 0 buy, 1 sell
    MarketResource, // 0 wood, 1 food, 2 stone
    MarketAmount,   // shown, used by nothing
    // 5 attack
    AttackKind,
    AttackPercent,
    GroupCount,
    GroupMin,
    GroupMax,
    // 6 range
    RangeKind,
    Distance,
};
inline constexpr int kPanelControlCount = int(PanelControl::Distance) + 1;

// One control as the window shows it: a picker's 0-based position, a box's
// text, or "0"/"1" for a check box.
struct ControlState {
    QString value;
    bool visible = true;
    bool enabled = true;

    bool operator==(const ControlState&) const = default;
};

// One row of the rule's event list.
struct EventListRow {
    QString command; // up to and including the first ")"
    QString comment; // from the first ";" on

    bool operator==(const EventListRow&) const = default;
};

// Everything the event panel of the current category and the rule options
// show for the selected rule.
struct PanelView {
    std::array<ControlState, kPanelControlCount> controls;
    QStringList technologyItems;                 // the technology picker, refilled by category
    QStringList unitItems;                       // the unit picker, refilled by category
    QString totalLabel;                          // "合計:100％"
    std::array<int, 4> spinners{25, 25, 25, 25}; // beside the allocation boxes, 0 to 100
    QString rangeHeading;                        // "[町の大きさ]"
    QString rangeHelp;                           // lines joined by CR LF
    bool allocationShown = true;                 // resource sub-panels
    bool marketShown = false;
    bool percentFrameShown = true; // attack frames
    bool groupFrameShown = false;
    QList<EventListRow> eventRows;

    const ControlState& At(PanelControl control) const { return controls[int(control)]; }
    ControlState& At(PanelControl control) { return controls[int(control)]; }
};

} // namespace rw

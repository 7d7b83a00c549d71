#pragma once

#include "events/FreeEventList.h"

#include <QString>

#include <array>

namespace rw {

// Category numbers of the event panels.
inline constexpr int kBuildingCategory = 1;
inline constexpr int kResearchCategory = 2;
inline constexpr int kUnitCategory = 3;
inline constexpr int kResourceCategory = 4;
inline constexpr int kAttackCategory = 5;
inline constexpr int kRangeCategory = 6;
inline constexpr int kFreeCategory = 7;

// Every control of the rule options and the six event panels that the
// window turns into a Workspace call, in the order of their rows in the
// panel table (PanelTable.cpp), which says what each one is and does.
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

// What the controls of each event panel hold. Pickers are positions, boxes
// keep their exact text: the script gets the text as typed.
struct BuildingPanel {
    int building = 1; // 1-based position in the building picker
    int kind = 0;     // 0 build, 1 destroy
    bool forward = false;
    bool operator==(const BuildingPanel&) const = default;
};

struct ResearchPanel {
    int category = 0;   // technology category picker
    int technology = 0; // position within the category
    bool operator==(const ResearchPanel&) const = default;
};

struct UnitPanel {
    int category = 0; // unit category picker
    int unit = 0;     // position in the (filtered) unit picker
    int kind = 0;     // 0 train, 1 delete
    bool operator==(const UnitPanel&) const = default;
};

struct ResourcePanel {
    enum Box { Wood, Food, Gold, Stone };
    int kind = 0; // 0 gatherer percentages, 1 market
    std::array<QString, 4> boxes{QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("25"),
                                 QStringLiteral("25")};
    std::array<int, 4> spinners{25, 25, 25, 25}; // 0 to 100
    int action = 0;                              // market: 0 buy, 1 sell
    int resource = 0;                            // market: 0 wood, 1 food, 2 stone
    bool operator==(const ResourcePanel&) const = default;
};

struct AttackPanel {
    int kind = 0; // 0 land %, 1 naval %, 2 land groups, 3 naval groups
    QString percent = QStringLiteral("100");
    QString groups = QStringLiteral("3");
    QString minimum = QStringLiteral("5");
    QString maximum = QStringLiteral("10");
    bool operator==(const AttackPanel&) const = default;
};

struct RangePanel {
    int kind = 0; // 0 town size, 1 to 8 drop distances
    QString distance = QStringLiteral("15");
    bool operator==(const RangePanel&) const = default;
};

// The state of all event panels; only the one of the rule's category is used.
struct PanelState {
    BuildingPanel building;
    ResearchPanel research;
    UnitPanel unit;
    ResourcePanel resource;
    AttackPanel attack;
    RangePanel range;
    FreeEventList freeEvents; // category 7
    bool operator==(const PanelState&) const = default;
};

// The three rule options beside the panels.
struct RuleOptions {
    int variable = 0; // 0 "(変数の変更なし)", else 1 to 40
    QString variableValue = QStringLiteral("10");
    bool chat = false; // "テストメッセージ"
    bool runOnce = false;
    bool operator==(const RuleOptions&) const = default;
};

} // namespace rw

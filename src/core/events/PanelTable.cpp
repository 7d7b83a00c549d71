#include "events/PanelTable.h"

#include "events/PanelPickers.h"
#include "events/PanelRules.h"

#include <iterator>
#include <type_traits>

namespace rw {

namespace {

using namespace PanelPickers;

template <typename T> ControlField FieldOf(T& value) {
    if constexpr (std::is_same_v<T, int>)
        return {.number = &value};
    else if constexpr (std::is_same_v<T, bool>)
        return {.flag = &value};
    else
        return {.text = &value};
}

// A field of one category's panel, of the rule options, or an allocation box
// with its spinner.
template <auto Panel, auto Member> ControlField In(PanelState& panels, RuleOptions&) {
    return FieldOf((panels.*Panel).*Member);
}
template <auto Member> ControlField Option(PanelState&, RuleOptions& options) {
    return FieldOf(options.*Member);
}
template <int Box> ControlField Allocation(PanelState& panels, RuleOptions&) {
    return {.number = &panels.resource.spinners[Box], .text = &panels.resource.boxes[Box]};
}

bool NotFree(int category, const PanelState&, const RuleOptions&) {
    return category != kFreeCategory;
}
bool Allocating(const PanelState& panels) {
    return panels.resource.kind != 1;
}
bool Trading(const PanelState& panels) {
    return panels.resource.kind == 1;
}
bool InGroups(const PanelState& panels) {
    return panels.attack.kind >= 2;
}
bool ByPercent(const PanelState& panels) {
    return !InGroups(panels);
}

const char16_t kVariableTip[] = u"変数を使うことで他のルールと連携できます";
const char16_t kAllocationTip[] = u"全て足して100%になるようにしてください";

// An allocation box: 0 to 100; an empty box takes 25, anything else is
// refused (and becomes 0).
constexpr PanelControlRow AllocationRow(PanelControl control, const char16_t* caption,
                                        int panelField,
                                        ControlField (*field)(PanelState&, RuleOptions&)) {
    return {.control = control,
            .category = kResourceCategory,
            .kind = ControlKind::Spinner,
            .place = PanelPlace::Allocation,
            .caption = caption,
            .toolTip = kAllocationTip,
            .unit = u"％",
            .field = field,
            .empty = "25",
            .fallback = "0",
            .low = 0,
            .high = 100,
            .panelField = panelField,
            .inUse = Allocating,
            .renames = true};
}

// Counts and sizes of groups cannot be negative; what is no such number
// takes the default.
constexpr PanelControlRow GroupBoxRow(PanelControl control, const char16_t* caption, int panelField,
                                      ControlField (*field)(PanelState&, RuleOptions&),
                                      const char* empty) {
    return {.control = control,
            .category = kAttackCategory,
            .kind = ControlKind::Box,
            .place = PanelPlace::GroupFrame,
            .caption = caption,
            .field = field,
            .empty = empty,
            .fallback = empty,
            .low = 0,
            .panelField = panelField,
            .inUse = InGroups,
            .renames = true};
}

constexpr PanelControlRow kRows[] = {
    // The rule options.
    {.control = PanelControl::VariablePicker,
     .place = PanelPlace::Options,
     .name = u"変数",
     .toolTip = kVariableTip,
     .field = Option<&RuleOptions::variable>,
     .high = kVariableSlots - 1,
     .visible = NotFree},
    {.control = PanelControl::VariableValue,
     .kind = ControlKind::Box,
     .place = PanelPlace::Options,
     .name = u"変数の値",
     .toolTip = kVariableTip,
     .field = Option<&RuleOptions::variableValue>,
     .empty = "10",
     .fallback = "10",
     .visible =
         [](int category, const PanelState&, const RuleOptions& options) {
             return category != kFreeCategory && options.variable != 0;
         }},
    {.control = PanelControl::TestMessage,
     .kind = ControlKind::Check,
     .place = PanelPlace::Options,
     .caption = u"テストメッセージ",
     .toolTip = u"イベントが実行されるときにイベント内容を表示します",
     .field = Option<&RuleOptions::chat>,
     .visible = NotFree},
    {.control = PanelControl::RunOnce,
     .kind = ControlKind::Check,
     .place = PanelPlace::Options,
     .caption = u"一度だけ実行",
     .toolTip = u"実行後削除します（無条件の場合は必ずチェックしてください無限ループします)",
     .field = Option<&RuleOptions::runOnce>},

    // 1 building
    {.control = PanelControl::BuildingPicker,
     .category = kBuildingCategory,
     .caption = u"建設する建物",
     .toolTip = u"建設する建物を選択します",
     .entries = BuildingNames,
     .picture = [](int entry) { return Buildings().at(entry).picture; },
     .field = In<&PanelState::building, &BuildingPanel::building>,
     .first = 1,
     .panelField = 1,
     .renames = true,
     // Only buildings with the first picture can be built near the enemy.
     .follow =
         [](PanelState& panels, bool) {
             return !HasFirstPicture(panels.building.building) &&
                    Assign(panels.building.forward, false);
         }},
    {.control = PanelControl::BuildingAction,
     .category = kBuildingCategory,
     .caption = u"イベントの種類",
     .toolTip = u"普通に建てるか、敵の近くに建てるを選ぶことができます（建物により異なる）",
     .entries = BuildingKinds,
     .field = In<&PanelState::building, &BuildingPanel::kind>,
     .panelField = 2},
    {.control = PanelControl::BuildForward,
     .category = kBuildingCategory,
     .kind = ControlKind::Check,
     .caption = u"敵陣に建設",
     .name = u"敵陣に建設",
     .field = In<&PanelState::building, &BuildingPanel::forward>,
     .panelField = 3,
     .visible = [](int, const PanelState& panels,
                   const RuleOptions&) { return ForwardVisible(panels.building); },
     .enabled = [](const PanelState& panels) { return ForwardEnabled(panels.building); }},

    // 2 research
    {.control = PanelControl::ResearchCategory,
     .category = kResearchCategory,
     .caption = u"研究施設",
     .entries = TechnologyCategories,
     .field = In<&PanelState::research, &ResearchPanel::category>,
     .panelField = 1,
     .renames = true,
     // A new category refills the technologies and picks the first one.
     .follow = [](PanelState& panels,
                  bool changed) { return changed && Assign(panels.research.technology, 0); }},
    {.control = PanelControl::Technology,
     .category = kResearchCategory,
     .caption = u"研究するテクノロジー",
     .refill = [](const PanelState& panels) { return Technologies(panels.research.category); },
     .field = In<&PanelState::research, &ResearchPanel::technology>,
     .panelField = 2,
     .renames = true},

    // 3 unit
    {.control = PanelControl::UnitCategory,
     .category = kUnitCategory,
     .caption = u"カテゴリ",
     .entries = UnitCategories,
     .field = In<&PanelState::unit, &UnitPanel::category>,
     .panelField = 1,
     .renames = true,
     .follow = [](PanelState& panels,
                  bool changed) { return changed && Assign(panels.unit.unit, 0); }},
    {.control = PanelControl::Unit,
     .category = kUnitCategory,
     .caption = u"対象ユニット",
     .refill = [](const PanelState& panels) { return Units(panels.unit.category); },
     .field = In<&PanelState::unit, &UnitPanel::unit>,
     .panelField = 2,
     .renames = true},
    {.control = PanelControl::UnitAction,
     .category = kUnitCategory,
     .caption = u"イベントの種類",
     .entries = UnitKinds,
     .field = In<&PanelState::unit, &UnitPanel::kind>,
     .panelField = 3,
     .renames = true},

    // 4 resource: gatherer percentages or the market, by turns.
    {.control = PanelControl::ResourceKind,
     .category = kResourceCategory,
     .place = PanelPlace::Head,
     .caption = u"イベントの種類",
     .entries = ResourceKinds,
     .field = In<&PanelState::resource, &ResourcePanel::kind>,
     .panelField = 1,
     .renames = true},
    AllocationRow(PanelControl::WoodBox, u"木", 2, Allocation<ResourcePanel::Wood>),
    AllocationRow(PanelControl::FoodBox, u"食料", 3, Allocation<ResourcePanel::Food>),
    AllocationRow(PanelControl::GoldBox, u"金", 4, Allocation<ResourcePanel::Gold>),
    AllocationRow(PanelControl::StoneBox, u"石", 5, Allocation<ResourcePanel::Stone>),
    {.control = PanelControl::MarketAction,
     .category = kResourceCategory,
     .place = PanelPlace::Market,
     .caption = u"行動の選択",
     .entries = MarketActions,
     .field = In<&PanelState::resource, &ResourcePanel::action>,
     .panelField = 3,
     .inUse = Trading,
     .renames = true},
    {.control = PanelControl::MarketResource,
     .category = kResourceCategory,
     .place = PanelPlace::Market,
     .caption = u"対象資源",
     .entries = MarketResources,
     .field = In<&PanelState::resource, &ResourcePanel::resource>,
     .panelField = 2,
     .inUse = Trading,
     .renames = true},
    // The market always trades 100.
    {.control = PanelControl::MarketAmount,
     .category = kResourceCategory,
     .kind = ControlKind::Box,
     .place = PanelPlace::Market,
     .caption = u"量",
     .empty = "100",
     .inUse = Trading},

    // 5 attack: a percentage or groups, by turns.
    {.control = PanelControl::AttackKind,
     .category = kAttackCategory,
     .place = PanelPlace::Head,
     .caption = u"攻撃の種類",
     .entries = AttackKinds,
     .field = In<&PanelState::attack, &AttackPanel::kind>,
     .panelField = 1,
     .renames = true},
    {.control = PanelControl::AttackPercent,
     .category = kAttackCategory,
     .kind = ControlKind::Box,
     .place = PanelPlace::PercentFrame,
     .name = u"攻撃する割合",
     .unit = u"％",
     .field = In<&PanelState::attack, &AttackPanel::percent>,
     .empty = "100",
     .fallback = "0",
     .low = 0,
     .high = 100,
     .panelField = 2,
     .inUse = ByPercent,
     .renames = true},
    GroupBoxRow(PanelControl::GroupCount, u"グループ数", 2,
                In<&PanelState::attack, &AttackPanel::groups>, "3"),
    GroupBoxRow(PanelControl::GroupMin, u"最小人数／グループ", 3,
                In<&PanelState::attack, &AttackPanel::minimum>, "5"),
    GroupBoxRow(PanelControl::GroupMax, u"最大人数／グループ", 4,
                In<&PanelState::attack, &AttackPanel::maximum>, "10"),

    // 6 range
    {.control = PanelControl::RangeKind,
     .category = kRangeCategory,
     .place = PanelPlace::Head,
     .caption = u"範囲の種類",
     .entries = RangeKinds,
     .field = In<&PanelState::range, &RangePanel::kind>,
     .panelField = 1,
     .renames = true},
    // Any number: -1 is "no limit".
    {.control = PanelControl::Distance,
     .category = kRangeCategory,
     .kind = ControlKind::Box,
     .place = PanelPlace::Head,
     .name = u"距離",
     .unit = u"タイル",
     .field = In<&PanelState::range, &RangePanel::distance>,
     .empty = "15",
     .fallback = "0",
     .panelField = 2,
     .readAsStored = true,
     .renames = true},
};

constexpr bool InControlOrder() {
    for (int i = 0; i < int(std::size(kRows)); ++i)
        if (int(kRows[i].control) != i)
            return false;
    return true;
}
static_assert(std::size(kRows) == kPanelControlCount && InControlOrder(),
              "one row per panel control, in the order of PanelControl");

} // namespace

std::span<const PanelControlRow> PanelControlRows() {
    return kRows;
}

const PanelControlRow& ControlRow(PanelControl control) {
    return kRows[int(control)];
}

} // namespace rw

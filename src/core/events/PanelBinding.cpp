#include "events/PanelBinding.h"

#include "events/PanelRules.h"
#include "events/PanelTable.h"
#include "model/Numeric.h"

#include <algorithm>
#include <array>

namespace rw {

namespace {

int Floor(const QString& text, int fallback) {
    return FloorNumberOr(text, fallback);
}

bool On(const QString& value) {
    return Floor(value, 0) != 0;
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The field behind a control, to be read only. The rows hand out pointers
// for writing; reading through them changes nothing.
ControlField Peek(const PanelControlRow& row, const PanelState& panels,
                  const RuleOptions& options = {}) {
    return row.field(const_cast<PanelState&>(panels), const_cast<RuleOptions&>(options));
}

bool InUse(const PanelControlRow& row, const PanelState& panels) {
    return !row.inUse || row.inUse(panels);
}

// Whether the rule of the category keeps the control in a panel field now.
bool Kept(const PanelControlRow& row, int category, const PanelState& panels) {
    return row.category == category && row.field && row.panelField != 0 && InUse(row, panels);
}

// panel1 to panel5 of a rule.
template <typename Rule> auto* PanelField(Rule& rule, int n) {
    const std::array fields{&rule.panel1, &rule.panel2, &rule.panel3, &rule.panel4, &rule.panel5};
    return fields[n - 1];
}

// --- a change of one control ----------------------------------------------------

ControlChange Take(const PanelControlRow& row, const ControlField& field, const QString& value) {
    ControlChange out;
    switch (row.kind) {
    case ControlKind::Picker:
        out.changed = Assign(*field.number,
                             int(row.first + std::clamp<long long>(Floor(value, 0), 0, row.high)));
        break;
    case ControlKind::Check:
        out.changed = Assign(*field.flag, On(value));
        break;
    case ControlKind::Box:
        out.changed = Assign(*field.text, SettleBox(row.control, value));
        break;
    case ControlKind::Spinner: {
        const AllocationSettled settled = SettleAllocation(value);
        out.changed = Assign(*field.text, settled.text);
        out.changed |= Assign(*field.number, settled.spinner);
        out.notice = settled.notice;
        break;
    }
    }
    return out;
}

// --- the view -------------------------------------------------------------------

ControlState Show(const PanelControlRow& row, int category, const PanelState& panels,
                  const RuleOptions& options) {
    ControlState state;
    if (!row.field) {
        state.value = QString::fromLatin1(row.empty);
    } else {
        const ControlField field = Peek(row, panels, options);
        switch (row.kind) {
        case ControlKind::Picker:
            state.value = QString::number(*field.number - row.first);
            break;
        case ControlKind::Check:
            state.value = Flag(*field.flag);
            break;
        case ControlKind::Spinner:
            state.spinner = *field.number;
            [[fallthrough]];
        case ControlKind::Box:
            state.value = *field.text;
            break;
        }
    }
    if (row.refill)
        state.items = row.refill(panels);
    if (row.visible)
        state.visible = row.visible(category, panels, options);
    if (row.enabled)
        state.enabled = row.enabled(panels);
    return state;
}

// A place is shown while one of its controls is in use.
bool PlaceShown(PanelPlace place, const PanelState& panels) {
    for (const PanelControlRow& row : PanelControlRows())
        if (row.place == place && InUse(row, panels))
            return true;
    return false;
}

void ShowPlaces(const PanelState& panels, PanelView& view) {
    view.allocationShown = PlaceShown(PanelPlace::Allocation, panels);
    view.marketShown = PlaceShown(PanelPlace::Market, panels);
    view.percentFrameShown = PlaceShown(PanelPlace::PercentFrame, panels);
    view.groupFrameShown = PlaceShown(PanelPlace::GroupFrame, panels);
    view.totalLabel = AllocationTotalLabel(panels.resource.boxes);
    view.rangeHeading = RangeHeading(panels.range.kind);
    view.rangeHelp = RangeHelp(panels.range.kind);
}

} // namespace

bool IsResourceControl(PanelControl control) {
    return ControlRow(control).category == kResourceCategory;
}

bool IsTypedControl(PanelControl control) {
    const ControlKind kind = ControlRow(control).kind;
    return kind == ControlKind::Box || kind == ControlKind::Spinner;
}

bool IsOptionControl(PanelControl control) {
    return ControlRow(control).category == kOptionsCategory;
}

void WriteControlFields(int category, const PanelState& panels, RuleEntry& rule) {
    for (int n = 1; n <= 5; ++n)
        PanelField(rule, n)->clear();
    for (const PanelControlRow& row : PanelControlRows()) {
        if (!Kept(row, category, panels))
            continue;
        const ControlField field = Peek(row, panels);
        QString& stored = *PanelField(rule, row.panelField);
        if (field.text)
            stored = *field.text;
        else if (field.flag)
            stored = Flag(*field.flag);
        else
            stored = QString::number(*field.number);
    }
}

void ReadControlFields(int category, const RuleEntry& rule, PanelState& panels) {
    RuleOptions unused;
    // In the order of the rows: a kind is read before the controls it puts in use.
    for (const PanelControlRow& row : PanelControlRows()) {
        if (!Kept(row, category, panels))
            continue;
        const QString& stored = *PanelField(rule, row.panelField);
        const ControlField field = row.field(panels, unused);
        switch (row.kind) {
        case ControlKind::Picker:
            *field.number = std::max(row.first, Floor(stored, row.first));
            break;
        case ControlKind::Check:
            *field.flag = On(stored);
            break;
        case ControlKind::Spinner:
            *field.number = int(std::clamp<long long>(Floor(stored, 0), row.low, row.high));
            [[fallthrough]];
        case ControlKind::Box:
            *field.text = row.readAsStored ? stored : QString::number(Floor(stored, 0));
            break;
        }
    }
}

ControlChange ApplyControl(PanelState& panels, RuleOptions& options, PanelControl control,
                           const QString& value) {
    const PanelControlRow& row = ControlRow(control);
    if (!row.field)
        return {};
    ControlChange out = Take(row, row.field(panels, options), value);
    if (row.follow)
        out.changed |= row.follow(panels, out.changed);
    out.regenerate = out.changed;
    if (out.changed && row.renames)
        out.renameTo = AutoRenameTitle(row.category, panels);
    return out;
}

PanelView MakePanelView(int category, const PanelState& panels, const RuleOptions& options,
                        const RuleEntry* rule) {
    PanelView view;
    for (const PanelControlRow& row : PanelControlRows())
        view.At(row.control) = Show(row, category, panels, options);
    ShowPlaces(panels, view);
    if (rule)
        view.eventRows = EventListRows(rule->actions);
    return view;
}

} // namespace rw

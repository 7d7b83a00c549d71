#pragma once

#include "events/PanelState.h"
#include "events/PanelView.h"
#include "model/Notice.h"
#include "model/Project.h"

namespace rw {

// Between the window's controls and the generator's panel state: turning
// one control change into a state change, and the view the window draws.
// (The state is filled from a rule by ReadPanelFields.)

// What a change of one control asks for.
struct ControlChange {
    bool changed = false;    // the state took the value
    bool regenerate = false; // the rule's events must be made again
    QString renameTo;        // the title under auto-rename, empty for none
    Notice notice;           // an allocation box refused what was typed
};

// A control's new value. `value` is a picker position, "0"/"1", or the text
// of a box that was left (settled here: SettleBox, SettleAllocation); an
// allocation spinner sends its number as its box's text.
ControlChange ApplyControl(PanelState& panels, RuleOptions& options, PanelControl control,
                           const QString& value);

bool IsResourceControl(PanelControl control);
bool IsOptionControl(PanelControl control);
// The boxes a value is typed into, which report their text when they are
// left (an allocation spinner sends to its box).
bool IsTypedControl(PanelControl control);

// The category's panel fields (panel1 to panel5) from the controls in use,
// and back: pickers keep their number, check boxes "0"/"1", boxes their text.
// Read back, numbers are rounded down; fields nothing uses are left empty.
void WriteControlFields(int category, const PanelState& panels, RuleEntry& rule);
void ReadControlFields(int category, const RuleEntry& rule, PanelState& panels);

// The view of the category's panel and the rule options.
PanelView MakePanelView(int category, const PanelState& panels, const RuleOptions& options,
                        const RuleEntry* rule);

} // namespace rw

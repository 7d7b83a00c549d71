#pragma once

#include "events/PanelState.h"
#include "model/Numeric.h"
#include "vocabulary/Vocabulary.h"

#include <QStringList>

#include <span>

namespace rw {

// The category of the rule options, which stand beside every category's panel.
inline constexpr int kOptionsCategory = 0;

enum class ControlKind {
    Picker,  // a drop-down list; its value is the chosen position
    Check,   // a check box; "0" or "1"
    Box,     // a number box; its text, settled when the box is left
    Spinner, // a number box with a spinner beside it, each following the other
};

// Where a control stands; the window lays out each place.
enum class PanelPlace {
    Options,      // the bar of rule options under the panels
    Form,         // a row of its panel's form: the caption, then the control
    Head,         // the row across the top of the panel
    Allocation,   // the gatherer percentages and their total
    Market,       // the market's form
    PercentFrame, // the attack percentage's frame
    GroupFrame,   // the attack groups' frame
};

// Sets a state field; answers whether that changed it.
template <typename T> bool Assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// The state behind a control: a picker's number, a check box's flag, a box's
// text; a spinner's box has its text and the spinner's number.
struct ControlField {
    int* number = nullptr;
    bool* flag = nullptr;
    QString* text = nullptr;
};

// One control, described once. The window builds its widget from its row; a
// change of the control reaches the panel state through it; the rule's panel
// fields are written from it and read back through it. What a control makes
// of the rule's events is the command generator's.
struct PanelControlRow {
    PanelControl control;
    int category = kOptionsCategory;
    ControlKind kind = ControlKind::Picker;
    PanelPlace place = PanelPlace::Form;

    // What the window shows.
    const char16_t* caption = nullptr; // the label before it; a check box's own text
    const char16_t* name = nullptr;    // what a screen reader calls it, when not the caption
    const char16_t* toolTip = nullptr;
    const char16_t* unit = nullptr;                  // written after a box
    const QStringList& (*entries)() = nullptr;       // a picker's fixed entries
    BuildingPicture (*picture)(int entry) = nullptr; // the picture before each entry
    // A picker's entries that follow another choice, refilled as it changes.
    QStringList (*refill)(const PanelState&) = nullptr;

    // The value. A control without a field shows `empty` and keeps nothing.
    ControlField (*field)(PanelState&, RuleOptions&) = nullptr;
    const char* empty = "";            // what a box left empty takes
    const char* fallback = "";         // what a box takes for a text out of range
    long long low = kScriptNumberMin;  // a box's range
    long long high = kScriptNumberMax; // ... and a picker's last position
    int first = 0;                     // the number a picker keeps for its first entry

    // The rule. Controls that share a panel field are in use by turns.
    int panelField = 0;                         // 1 to 5: kept in panel1 to panel5
    bool (*inUse)(const PanelState&) = nullptr; // when it is shown and kept; none: always
    bool readAsStored = false;                  // read back as stored, not rounded down

    // Behaviour.
    bool renames = false; // a change renames the rule under auto-rename
    // What else a change does to the state; true when that changed something.
    bool (*follow)(PanelState&, bool changed) = nullptr;
    bool (*visible)(int category, const PanelState&, const RuleOptions&) = nullptr;
    bool (*enabled)(const PanelState&) = nullptr;
};

// A text of a row; none gives the empty text.
inline QString RowText(const char16_t* text) {
    return text ? QString::fromUtf16(text) : QString();
}

// Every control's row, in the order of PanelControl.
std::span<const PanelControlRow> PanelControlRows();
const PanelControlRow& ControlRow(PanelControl control);

} // namespace rw

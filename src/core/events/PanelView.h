#pragma once

#include "events/PanelState.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace rw {

// One control as the window shows it: a picker's 0-based position, a box's
// text, or "0"/"1" for a check box.
struct ControlState {
    QString value;
    bool visible = true;
    bool enabled = true;
    QStringList items; // a picker's entries, when they follow another choice
    int spinner = 0;   // the spinner beside a box, when it has one

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
    QString totalLabel;          // "合計:100％"
    QString rangeHeading;        // "[町の大きさ]"
    QString rangeHelp;           // lines joined by CR LF
    bool allocationShown = true; // resource sub-panels
    bool marketShown = false;
    bool percentFrameShown = true; // attack frames
    bool groupFrameShown = false;
    QList<EventListRow> eventRows;

    const ControlState& At(PanelControl control) const { return controls[int(control)]; }
    ControlState& At(PanelControl control) { return controls[int(control)]; }
};

} // namespace rw

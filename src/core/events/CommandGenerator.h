#pragma once

#include "events/PanelState.h"
#include "model/Project.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rw {

// The condition an event needs in order to run ("家が建設できるとき" /
// "can-build house"), kept in the rule's condition list as a locked entry.
struct ImpliedCondition {
    QString caption;
    QString fact;
    bool operator==(const ImpliedCondition&) const = default;
};

// What one category's panel turns into, before the rule options. (The
// controls' panel fields are written from the panel table.)
struct CategoryEvents {
    QStringList lines;   // event lines, spaces exact
    QString chatMessage; // the test message for this event
    std::optional<ImpliedCondition> implied;
};

// Categories 1 to 6 (category 7 takes its lines from the free-event list).
CategoryEvents ComposeCategoryEvents(int category, const PanelState& panels);

// Rebuilds the rule's whole event text from the panel of its category and the
// rule options: actions, panel1 to panel5, variableNumber, variableValue,
// runOnce, chatText, and for categories 1 to 4 the implied condition; the
// condition list is always written back in its stored form.
void GenerateEvents(int category, const PanelState& panels, const RuleOptions& options,
                    RuleEntry& rule);

// 1-based position of the rule's implied condition (its first "CannotEdit"
// entry), 0 when there is none.
int ImpliedConditionPosition(const RuleEntry& rule);

} // namespace rw

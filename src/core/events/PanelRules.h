#pragma once

#include "events/PanelState.h"
#include "events/PanelView.h"
#include "events/RangeKinds.h"
#include "model/Notice.h"
#include "model/Project.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace rw {

// The rules the event panels follow, as plain functions: reading a rule back
// into the panels, the corrections of the number boxes, the labels, the
// event list and the 16-command limit. The window (through the workspace)
// owns the controls; these decide what they show and what a change does.

// Sets the panel of the rule's category and the rule options from the
// stored fields; stored numbers are rounded down, the distance is taken as
// it is. The other categories' panels and the value box of a rule without a
// variable keep what they had.
void ReadPanelFields(int category, const RuleEntry& rule, PanelState& panels, RuleOptions& options);

// --- number boxes ---------------------------------------------------------------

// Every box's text goes into the script, so "a number" here is one the
// script can hold (ScriptNumber): whole, 32 bits, kept without its blanks.
//
// While a box has the focus its text may be empty or half typed, and nothing
// of it reaches the rule. The box is settled when it is left (the focus moves
// on, or Enter): these give the text it then holds and the rule stores.

// An empty box takes its default; any other text that is not a number in the
// box's range takes its fallback. Defaults, fallbacks and ranges are the
// boxes' rows in the panel table.
QString SettleBox(PanelControl box, const QString& text);

struct AllocationSettled {
    QString text; // what the box holds afterwards
    int spinner = 25;
    Notice notice; // "0～100を入力してください" when the text was refused
    bool refocus = false;
};
// An allocation box: a number from 0 to 100 is taken; an empty box takes its
// default "25"; anything else is refused with the message and becomes "0".
AllocationSettled SettleAllocation(const QString& text);

// "合計:" + the sum of the four boxes' values + "％". Texts that are not
// numbers count as 0.
QString AllocationTotalLabel(const std::array<QString, 4>& boxes);

// --- what the panels show ---------------------------------------------------------

// "敵陣に建設" is available only for buildings with the first picture, and
// hidden while the building is to be destroyed.
bool ForwardEnabled(const BuildingPanel& panel);
bool ForwardVisible(const BuildingPanel& panel);

// The title auto-rename gives a rule of the category: the chosen building,
// technology or unit, or the caption of the resource, attack or range kind.
// Empty for the free category.
QString AutoRenameTitle(int category, const PanelState& panels);

// Entry k (1 to 40) of the variable picker: k + ": " + the description.
QString VariablePickerText(const Project& project, int k);
inline const QString kNoVariableText = QStringLiteral("(変数の変更なし)");

// --- event list and command count ---------------------------------------------------

// One row per line of actions (as the script builder splits them), option
// lines included; leading blanks dropped.
QList<EventListRow> EventListRows(const QString& actions);
int EventListRowCount(const QString& actions);

// Condition entries plus event-list rows.
int CommandCount(const RuleEntry& rule);

// --- the 16-command limit -------------------------------------------------------------

Notice ResourceLimitNotice();
Notice OptionLimitNotice();

// The resource panel's limit check. It remembers the last resource kind that
// kept the rule within 16 commands; a rule shown in the panel counts as
// accepted with its stored kind, so a refusal always returns to a kind the
// rule really had.
class ResourceKindGuard {
public:
    // The rule was selected and its kind shown.
    void Accept(int kind) { lastAccepted_ = kind; }

    struct Verdict {
        bool refused = false;
        int revertTo = 0; // the kind to set the picker back to
        Notice notice;
    };
    // After a regeneration with `kind`.
    Verdict Check(const RuleEntry& rule, int kind);

private:
    int lastAccepted_ = 0;
};

// After an option change: true when the rule now exceeds 16 commands and the
// option must be reset (variable to none, check box off).
bool OptionExceedsLimit(const RuleEntry& rule);

} // namespace rw

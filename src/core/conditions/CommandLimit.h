#pragma once

#include "conditions/ConditionClipboard.h"
#include "conditions/ConditionEntry.h"

#include <array>

namespace rw {

class ConditionList;

// Which condition commands may run, so that a rule never exceeds its 16
// commands. Each toolbar button and the "条件(&I)" item beside it share one
// state; "書き換え(&O)" and the "ANDの書き換え" entries have no button.
struct ConditionCommandStates {
    bool add = false;                // button 1, "条件の追加(&A)..."
    bool change = false;             // button 2, "条件の編集(&E)..."
    std::array<bool, 7> operators{}; // buttons 4 to 10: AND, OR, NAND, NOR, NOT, XOR, XNOR
    bool cut = false;                // button 12, "切り取り(&T)"
    bool copy = false;               // button 13, "コピー(&C)"
    bool paste = false;              // button 14, "貼り付け(&P)"
    bool overwrite = false;          // "書き換え(&O)", no button
    bool remove = false;             // button 15, "削除(&D)"
    bool undo = false;               // button 17, "元に戻す(&U)"
    // "ANDの書き換え": AND, OR, NAND, NOR, XOR, XNOR.
    std::array<bool, 6> rewrite{};

    // The state of the operator button of kind 4 to 10 (OperatorInfo::kind).
    bool OperatorEnabled(int kind) const { return kind >= 4 && kind <= 10 && operators[kind - 4]; }
    // The state of the rewrite entry that gives an operator kind 4 to 10.
    bool RewriteEnabled(int kind) const;

    bool operator==(const ConditionCommandStates&) const = default;
};

// The operator kinds of the "ANDの書き換え" entries, in menu order.
inline constexpr std::array<int, 6> kRewriteKinds{4, 5, 6, 7, 9, 10};

// The command count is the number of condition entries plus eventRows.
ConditionCommandStates CommandLimitRefresh(const ConditionEntries& entries, int selected,
                                           const ConditionClipboard& clipboard, bool hasSnapshot,
                                           int eventRows);
ConditionCommandStates CommandLimitRefresh(const ConditionList& list,
                                           const ConditionClipboard& clipboard, int eventRows);

} // namespace rw

#include "conditions/CommandLimit.h"

#include "conditions/ConditionCatalogue.h"
#include "conditions/ConditionList.h"
#include "model/Project.h"

#include <algorithm>

namespace rw {

bool ConditionCommandStates::RewriteEnabled(int kind) const {
    const auto it = std::find(kRewriteKinds.begin(), kRewriteKinds.end(), kind);
    return it != kRewriteKinds.end() && rewrite[it - kRewriteKinds.begin()];
}

ConditionCommandStates CommandLimitRefresh(const ConditionEntries& entries, int selected,
                                           const ConditionClipboard& clipboard, bool hasSnapshot,
                                           int eventRows) {
    ConditionCommandStates states;
    const int count = int(entries.size()) + eventRows;
    const auto fits = [count](int added) { return count + added <= kMaxCommands; };

    states.add = fits(1);
    states.paste = !clipboard.IsEmpty() && fits(clipboard.Size());
    states.undo = hasSnapshot;
    if (selected < 1 || selected > entries.size())
        return states;

    const ConditionEntry& entry = entries[selected - 1];
    // Exactly the entries the editor opens, so that "変更" never does nothing.
    states.change = CanChange(entry);
    // An operator put in place of an entry below an operator adds only its
    // placeholders; anywhere else it is a new entry as well.
    const bool inPlace = !entry.IsTopLevel() && !entry.IsOperator() && !entry.IsTopLevelLocked();
    for (const OperatorInfo& op : Operators())
        states.operators[op.kind - 4] = fits(op.children + (inPlace ? 0 : 1));
    const bool normal = !entry.IsTopLevelLocked() && !entry.IsPlaceholder();
    states.cut = normal;
    states.copy = normal;
    states.remove = normal;
    states.overwrite = clipboard.Size() == 1 && !entry.IsOperator() && !entry.IsTopLevelLocked();

    if (const OperatorInfo* current = OperatorByEditdat(entry.editdat)) {
        const int children =
            int(std::count_if(entries.cbegin(), entries.cend(),
                              [selected](const ConditionEntry& e) { return e.pw == selected; }));
        for (size_t i = 0; i < kRewriteKinds.size(); ++i) {
            const int wanted = OperatorByKind(kRewriteKinds[i])->children;
            states.rewrite[i] = current->children == wanted && children == wanted;
        }
    }
    return states;
}

ConditionCommandStates CommandLimitRefresh(const ConditionList& list,
                                           const ConditionClipboard& clipboard, int eventRows) {
    return CommandLimitRefresh(list.Entries(), list.Selected(), clipboard, list.HasUndoSnapshot(),
                               eventRows);
}

} // namespace rw

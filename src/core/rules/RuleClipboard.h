#pragma once

#include "model/CategoryTree.h"
#include "model/Notice.h"
#include "model/Project.h"

#include <optional>

namespace rw {

// Holds at most one copied rule (fields 0 to 17; the marker is not part of
// a copy, the place it is pasted to decides it).
class RuleClipboard {
public:
    bool IsEmpty() const { return !rule_.has_value(); }
    void Clear() { rule_.reset(); }

    // Copy of the selected node: a rule is taken, the root group leaves the
    // clipboard empty silently, a group empties it with "コピーできません".
    Notice Copy(const Category& category, const CategoryTree& tree, int selected);

    // Pastes at the end of the group holding the selected node. Answers the
    // tree position of the new rule, or nothing when the clipboard is empty.
    std::optional<int> Paste(Category& category, const CategoryTree& tree, int selected) const;

    const std::optional<RuleEntry>& Rule() const { return rule_; }

private:
    std::optional<RuleEntry> rule_;
};

} // namespace rw

#pragma once

#include "conditions/ConditionEntry.h"

namespace rw {

// The condition clipboard: one copied subtree in pre-order, its root first
// with Pw 0 and every other Pw counted within the clipboard. It lasts for
// the whole run and is replaced as a whole by every copy.
class ConditionClipboard {
public:
    bool IsEmpty() const { return entries_.isEmpty(); }
    int Size() const { return int(entries_.size()); }
    const ConditionEntries& Entries() const { return entries_; }

    // Replaces the contents. Parents that do not stand before their child
    // are read as the root, so a pasted subtree can never point forward.
    void Set(const ConditionEntries& entries);
    // One entry on its own, e.g. a free event's related condition.
    void SetSingle(const ConditionEntry& entry);

private:
    ConditionEntries entries_;
};

} // namespace rw

#include "conditions/ConditionClipboard.h"

namespace rw {

void ConditionClipboard::Set(const ConditionEntries& entries) {
    entries_ = entries;
    for (int i = 0; i < int(entries_.size()); ++i) {
        int& pw = entries_[i].pw;
        if (i == 0 || pw < 1 || pw > i)
            pw = i == 0 ? 0 : 1;
    }
}

void ConditionClipboard::SetSingle(const ConditionEntry& entry) {
    ConditionEntry copy = entry;
    copy.pw = 0;
    entries_ = {copy};
}

} // namespace rw

#include "rules/RuleClipboard.h"

#include "rules/RuleList.h"

namespace rw {

Notice RuleClipboard::Copy(const Category& category, const CategoryTree& tree, int selected) {
    rule_.reset();
    switch (KindAt(tree, selected)) {
    case NodeKind::Root:
        return {};
    case NodeKind::Group:
        return Notice{QStringLiteral("コピーできません"), QString(), Notice::Icon::None};
    case NodeKind::Rule:
        break;
    }
    if (const RuleEntry* entry = EntryAt(category, selected)) {
        RuleEntry copy = *entry;
        copy.marker.clear();
        rule_ = std::move(copy);
    }
    return {};
}

std::optional<int> RuleClipboard::Paste(Category& category, const CategoryTree& tree,
                                        int selected) const {
    if (!rule_)
        return std::nullopt;
    return InsertEntry(category, tree, HoldingGroup(tree, selected), *rule_);
}

} // namespace rw

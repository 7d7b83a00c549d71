#include "events/FreeEventExplore.h"

namespace rw {

QStringList FreeEventExplore::Entries() {
    return {QStringLiteral("探索精度"), QStringLiteral("再探索"), QStringLiteral("探索最大数")};
}

void FreeEventExplore::SetEntry(int position) {
    if (ValidPosition(position, 3))
        entry_ = position;
}

void FreeEventExplore::SetBlotSize(const QString& text) {
    blotSize_ = text;
}

void FreeEventExplore::SetReexplore(bool yes) {
    reexplore_ = yes;
}

void FreeEventExplore::SetGroups(const QString& text) {
    groups_ = text;
}

void FreeEventExplore::Reset() {
    entry_ = 0;
    blotSize_ = QStringLiteral("15");
    reexplore_ = true;
    groups_ = QStringLiteral("1");
}

void FreeEventExplore::Restore(const StoredFields& fields) {
    const int entry = fields.Position(0);
    SetEntry(entry);
    if (entry == 0) {
        SetBlotSize(fields.Box(1));
    } else if (entry == 1) {
        // Option buttons: a nonzero field selects its button, the later one
        // winning; two zeros leave the choice as it was.
        if (fields.Flag(1))
            SetReexplore(true);
        if (fields.Flag(2))
            SetReexplore(false);
    } else if (entry == 2) {
        SetGroups(fields.Box(1));
    }
}

FreeEventPreview FreeEventExplore::Preview() const {
    switch (entry_) {
    case 0: {
        const BoxNumber size = Count(blotSize_);
        if (!size.text)
            return Invalid({QStringLiteral("0"), blotSize_}, blotSize_, size);
        const QString l = *size.text;
        return Make(QStringLiteral("探索精度を") + l + QStringLiteral("に変更します"),
                    QStringLiteral("set-strategic-number sn-blot-size ") + l,
                    {QStringLiteral("0"), l});
    }
    case 1:
        if (reexplore_) {
            return Make(QStringLiteral("再探索をするように変更します"),
                        QStringLiteral("set-strategic-number sn-blot-exploration-map 1"),
                        {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")});
        }
        return Make(QStringLiteral("再探索をしないように変更します"),
                    QStringLiteral("set-strategic-number sn-blot-exploration-map 0"),
                    {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1")});
    default: {
        const BoxNumber groups = Count(groups_);
        if (!groups.text)
            return Invalid({QStringLiteral("2"), groups_}, groups_, groups);
        const QString n = *groups.text;
        return Make(QStringLiteral("探索最大数を") + n + QStringLiteral("に変更します"),
                    QStringLiteral("set-strategic-number sn-number-explore-groups ") + n,
                    {QStringLiteral("2"), n});
    }
    }
}

} // namespace rw

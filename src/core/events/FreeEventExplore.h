#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "斥候": how exploration runs: the size of the patches explorers look at
// (blot size), whether they explore known ground again, and how many
// exploring groups there are at most.
class FreeEventExplore : public FreeEventKind {
public:
    static QStringList Entries();
    int Entry() const { return entry_; }
    void SetEntry(int position);
    QString BlotSize() const { return blotSize_; }
    void SetBlotSize(const QString& text);
    // true: "あり" selected, false: "なし".
    bool Reexplore() const { return reexplore_; }
    void SetReexplore(bool yes);
    QString Groups() const { return groups_; }
    void SetGroups(const QString& text);

    QString Caption() const override { return QStringLiteral("斥候"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    int entry_ = 0;
    QString blotSize_;
    bool reexplore_ = true;
    QString groups_;
};

} // namespace rw

#pragma once

#include "events/FreeEventKind.h"

namespace rw {

// "戦略数値": set any strategic number (the game's tuning values for the AI),
// chosen from the headings of the strategic-number tree.
class FreeEventStrategicNumber : public FreeEventKind {
public:
    static QStringList Headings();
    int Heading() const { return heading_; }
    // Choosing a heading selects its first entry.
    void SetHeading(int position);
    QStringList Entries() const;
    int Entry() const { return entry_; }
    void SetEntry(int position);
    QString Value() const { return value_; }
    void SetValue(const QString& text);

    QString Caption() const override { return QStringLiteral("戦略数値"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;

private:
    // The node positions of the current heading's entries.
    QList<int> EntryNodes() const;

    int heading_ = 0;
    int entry_ = 0;
    QString value_;
};

} // namespace rw

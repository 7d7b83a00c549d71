#pragma once

#include "model/Project.h"

#include <QList>
#include <QString>

#include <array>

namespace rw {

// One free event of a rule of the free category: one game command with its
// Japanese caption and the editor state that produced it.
struct FreeEvent {
    static constexpr int kColumnCount = 5;

    QString caption;        // node text and line comment
    QString command;        // without the outer parentheses
    QString data;           // kind ")" fields, read back by the editor
    QString relatedCaption; // condition under which the command can run, or empty
    QString relatedFact;

    // Column i (0..4) in panel-field order.
    QString& Column(int i);
    const QString& Column(int i) const;

    bool HasRelated() const { return !relatedCaption.isEmpty(); }

    // The event line the rule stores for it: "(" command ");" caption.
    QString EventLine() const;

    bool operator==(const FreeEvent&) const = default;
};

// One node of the free-event tree.
struct FreeEventNode {
    static constexpr int kPlainPicture = 0;
    static constexpr int kRelatedPicture = 3;

    QString text;
    bool related = false;

    int Picture() const { return related ? kRelatedPicture : kPlainPicture; }
    bool operator==(const FreeEventNode&) const = default;
};

// The free events of the selected rule: a working copy of its five panel
// fields, one column per field, rows joined by ";". The selection is the
// selected node of the free-event tree.
class FreeEventList {
public:
    FreeEventList() = default;
    explicit FreeEventList(QList<FreeEvent> events);

    // Rebuilds the list from panel1 to panel5 and selects the first event.
    // Columns with fewer pieces than panel1 leave the rest empty; extra
    // pieces are dropped.
    static FreeEventList
    FromPanelFields(const std::array<QString, FreeEvent::kColumnCount>& fields);
    static FreeEventList FromRule(const RuleEntry& rule);

    // Column i of every event joined by ";" (empty for an empty list).
    QString JoinedColumn(int column) const;
    std::array<QString, FreeEvent::kColumnCount> PanelFields() const;
    // Writes panel1 to panel5 only; the rest of the rule is the generator's.
    void WritePanelFields(RuleEntry& rule) const;

    int Size() const { return events_.size(); }
    bool IsEmpty() const { return events_.isEmpty(); }
    const QList<FreeEvent>& Events() const { return events_; }
    const FreeEvent& At(int i) const { return events_.at(i); }
    FreeEvent& At(int i) { return events_[i]; }

    void Append(const FreeEvent& event);
    void RemoveAt(int i);

    // 0-based position of the selected event, -1 when the list is empty.
    int Selected() const { return selected_; }
    void Select(int i);
    const FreeEvent* SelectedEvent() const;

    // The tree as data: one node per event, in list order.
    QList<FreeEventNode> Tree() const;

    bool operator==(const FreeEventList&) const = default;

private:
    QList<FreeEvent> events_;
    int selected_ = -1;
};

} // namespace rw

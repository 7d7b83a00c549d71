#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rw {

// The distances an AI can set: the town size and how far villagers, fishing
// boats and hunters go for each resource. The range panel and the free-event
// "範囲" page both offer them; each row holds every text either of them shows
// or writes for one kind, so the two can never disagree on a symbol.
struct RangeKind {
    QString pickerText;   // the pickers' entry
    QString label;        // shown in brackets above the help; half-width commas
    QString help;         // what the number does, lines joined by CR LF
    QString symbol;       // the strategic number the event sets
    QString eventCaption; // free event: caption before the distance
    QString panelComment; // range panel: the event line after the distance
    QString panelChat;    // range panel: the test message before the distance
};

// The kinds in picker order.
const QList<RangeKind>& RangeKindTable();
// The kind at a picker position, nullptr when there is none.
const RangeKind* RangeKindAt(int position);
QStringList RangeKindPickerItems();

// "[" + label + "]" and the help of the kind at a picker position; "[]" and
// the empty text when there is none.
QString RangeHeading(int position);
QString RangeHelp(int position);

} // namespace rw

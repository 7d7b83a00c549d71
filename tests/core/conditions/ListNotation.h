#pragma once

// Short notation for condition lists in tests: "2 A" is a fact A under
// entry 2, "0 AND" a top-level AND, "1 P" a placeholder, "0 L" a locked
// implied condition, "0 R" a free event's related condition.

#include "conditions/ConditionList.h"

#include <QStringList>

#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace rw::test {

inline ConditionEntry E(int pw, const QString& name) {
    if (name == "P")
        return PlaceholderEntry(pw);
    for (const OperatorInfo& op : Operators())
        if (op.cap == name)
            return ConditionEntry{pw, op.cap, op.editdat, op.script};
    if (name == "L")
        return ConditionEntry{pw, "家が建設できるとき", kEditdatLocked, "can-build house"};
    if (name == "R") {
        ConditionEntry related = RelatedConditionEntry("城が建設できるとき", "can-build castle");
        related.pw = pw;
        return related;
    }
    return ConditionEntry{pw, name, "1\\0\\1\\0", "fact-" + name.toLower()};
}

// "0 AND", "1 P", ... into entries.
inline ConditionEntries Entries(const QStringList& items) {
    ConditionEntries entries;
    for (const QString& item : items) {
        const qsizetype space = item.indexOf(' ');
        entries << E(item.left(space).toInt(), item.mid(space + 1));
    }
    return entries;
}

inline ConditionList List(const QStringList& items, int selected = 1) {
    ConditionList list;
    list.SetEntries(Entries(items));
    list.Select(selected);
    return list;
}

// The list back in the same notation (operators, P and L by kind).
inline QStringList Describe(const ConditionEntries& entries) {
    QStringList items;
    for (const ConditionEntry& e : entries) {
        QString name = e.cap;
        if (e.IsPlaceholder())
            name = "P";
        else if (e.IsLocked())
            name = "L";
        else if (e.editdat == kEditdatRelated)
            name = "R";
        items << QString::number(e.pw) + " " + name;
    }
    return items;
}

inline QStringList Describe(const ConditionList& list) {
    return Describe(list.Entries());
}

} // namespace rw::test

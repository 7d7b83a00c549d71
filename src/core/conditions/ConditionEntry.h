#pragma once

#include <QList>
#include <QString>

namespace rw {

// One condition of a rule: a fact, an operator, the placeholder or a locked
// implied condition. The locked flag is derived from editdat so that it can
// never disagree with what is stored.
struct ConditionEntry {
    int pw = 0; // 1-based position of the parent in the same list, 0 at the top
    QString cap;
    QString editdat;
    QString script;

    bool IsLocked() const;
    bool IsOperator() const;
    bool IsPlaceholder() const;
    bool IsTopLevel() const { return pw == 0; }
    // A top-level locked entry: neither copied, cut, deleted nor overwritten.
    bool IsTopLevelLocked() const { return IsTopLevel() && IsLocked(); }

    bool operator==(const ConditionEntry&) const = default;
};

using ConditionEntries = QList<ConditionEntry>;

inline const QString kEditdatLocked = QStringLiteral("CannotEdit");
inline const QString kEditdatPlaceholder = QStringLiteral("Overwrite");
inline const QString kCapPlaceholder = QStringLiteral("(上書きしてください)");
inline const QString kScriptPlaceholder = QStringLiteral("true");
// A condition taken over from elsewhere (a free event's related condition):
// deletable and copyable like a fact, but it names no kind, so the editor
// never opens it.
inline const QString kEditdatRelated = QStringLiteral("Related");

// The placeholder under the given parent.
ConditionEntry PlaceholderEntry(int pw = 0);
// Turns an entry into the placeholder, keeping its Pw.
void MakePlaceholder(ConditionEntry& entry);
// A related condition ready for the condition clipboard.
ConditionEntry RelatedConditionEntry(const QString& cap, const QString& fact);

// The logical operators, by kind: the number of the condition toolbar command
// that inserts them (4 to 10; 1 and 2 open the condition editor).
struct OperatorInfo {
    int kind = 0;
    QString toolTip;
    QString cap;
    QString editdat;
    QString script;
    int children = 0;
};

const QList<OperatorInfo>& Operators();
// nullptr for a kind outside 4 to 10.
const OperatorInfo* OperatorByKind(int kind);
// nullptr when editdat names no operator.
const OperatorInfo* OperatorByEditdat(const QString& editdat);

} // namespace rw

#pragma once

#include "model/Numeric.h"
#include "vocabulary/Vocabulary.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rw {

struct Project;

// What a free-event kind would produce from its current input.
struct FreeEventPreview {
    QString caption;
    QString command;
    QStringList fields; // the kind's data fields, without the kind number
    QString relatedCaption;
    QString relatedFact;
    // For a number box holding a number the game cannot read: which numbers
    // it takes ("0～100の整数を入力してください"). Empty otherwise.
    QString numberHint;

    bool IsValid() const;
};

// The data fields of a stored free event after its kind number, read back
// the way the controls take them. A missing field reads as the empty text.
class StoredFields {
public:
    explicit StoredFields(QStringList fields) : fields_(std::move(fields)) {}

    QString Text(int i) const { return fields_.value(i); }
    // For a picker: rounded down, -1 when it is no number at all (the picker
    // then keeps its choice).
    int Position(int i) const;
    // For a number box: a number comes back rounded down; anything else (a
    // box the kind ignored when it was confirmed) comes back as it was.
    QString Box(int i) const;
    // For a check box or an option button: any nonzero number.
    bool Flag(int i) const;

private:
    QStringList fields_;
};

// One kind of free event, the page of a tab in the dialog "フリーイベント":
// its inputs, what they compose into, and how a stored event fills them
// again. The editor numbers the kinds by their tab; a stored event is that
// number followed by the preview's fields, joined by ")".
class FreeEventKind {
public:
    virtual ~FreeEventKind() = default;

    // The tab's caption.
    virtual QString Caption() const = 0;
    // The inputs of a freshly created dialog. Names loaded by ReloadNames
    // are kept.
    virtual void Reset() = 0;
    // Fills the inputs from stored fields one control after the other, as a
    // user would; a field a control cannot take leaves it as it was.
    virtual void Restore(const StoredFields& fields) = 0;
    virtual FreeEventPreview Preview() const = 0;
    // Kinds that list the project's variables or timers read their names.
    virtual void ReloadNames(const Project&) {}

protected:
    // A number box's text as a command takes it: a whole number within
    // [low, high] (never beyond what the script can hold), blanks trimmed.
    struct BoxNumber {
        std::optional<QString> text;
        long long low;
        long long high;
    };
    static BoxNumber Whole(const QString& text, long long low = kScriptNumberMin,
                           long long high = kScriptNumberMax);
    // Counts, sizes and times cannot be below 0.
    static BoxNumber Count(const QString& text) { return Whole(text, 0); }

    static FreeEventPreview Make(QString caption, QString command, QStringList fields,
                                 QString relatedCaption = {}, QString relatedFact = {});
    // The error preview.
    static FreeEventPreview Invalid(QStringList fields);
    // The error preview for a box the command cannot take; a number the game
    // cannot read gets a hint naming the numbers it can.
    static FreeEventPreview Invalid(QStringList fields, const QString& text,
                                    const BoxNumber& number);

    static QString Num(long long n) { return QString::number(n); }
    static bool ValidPosition(int position, qsizetype count) {
        return position >= 0 && position < count;
    }
    // The top-level nodes of a vocabulary tree are the category pickers:
    // how many there are, and the node position of one (0 when none).
    static qsizetype HeadingCount(const VocabTree& tree);
    static int HeadingNode(const VocabTree& tree, int position);
    // The captions listed under category `position`.
    static QStringList HeadingChildren(const VocabTree& tree, int position);
};

} // namespace rw

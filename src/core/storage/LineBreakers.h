#pragma once

#include "model/Project.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace rw {

// A character that would break the script line a field becomes, or that no
// line of a script should hold: a control character other than TAB, except
// the CR and LF that end the lines of a field of many lines (event lines,
// load conditions, initialisation rules, preview caches) or the CR LF that
// ends each line of a condition field.
struct LineBreakerFound {
    QString jsonPlace; // as the JSON form names the field: categories[4].entries[1].title
    QString place;     // in the user's words: 攻撃/序盤/陸軍％攻撃: タイトル
    QString character; // "NUL", "CR", "LF", "DEL" ...

    // "<place>に制御文字(LF)があります"
    QString Message() const;
};

// The first such character of each field of the project, in file order.
QList<LineBreakerFound> FindLineBreakers(const Project& project);

// The places, in the user's words as above, of the given fields of the
// project (by address), in the same order.
QStringList FieldPlaces(const Project& project, const QSet<const QString*>& fields);

} // namespace rw

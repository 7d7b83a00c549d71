#pragma once

#include "model/Project.h"

#include <QList>
#include <QString>

namespace rw {

// A character that would break the script line a field becomes: NUL, or a
// CR or LF in a field that is one line (a title, a caption, a name, a chat
// text) or inside one line of a condition field.
struct LineBreakerFound {
    QString jsonPlace; // as the JSON form names the field: categories[4].entries[1].title
    QString place;     // in the user's words: 攻撃/序盤/陸軍％攻撃: タイトル
    QString character; // "NUL", "CR" or "LF"

    // "<place>に制御文字(LF)があります"
    QString Message() const;
};

// Every such character of the project, one per field, in file order.
// Multi-line fields (event lines, load conditions, initialisation rules,
// preview caches) may hold line breaks of any kind; a condition field only
// the CR LF that ends each of its lines.
QList<LineBreakerFound> FindLineBreakers(const Project& project);

} // namespace rw

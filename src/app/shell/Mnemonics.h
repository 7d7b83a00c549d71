#pragma once

#include <QString>

namespace rw {

// The confirm button of the editors reads "追加" or "変更"; with the letter
// Alt reaches it by.
inline QString ConfirmButtonText(const QString& word) {
    if (word == QStringLiteral("追加"))
        return QStringLiteral("追加(&A)");
    if (word == QStringLiteral("変更"))
        return QStringLiteral("変更(&M)");
    return word;
}

} // namespace rw

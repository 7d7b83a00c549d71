#pragma once

#include <QString>

namespace rw {

// What a command must tell the user. The core never shows it; the window
// (or the command line) does.
struct Notice {
    enum class Icon { None, Information, Warning, Critical, Question };

    QString text;
    QString title;
    Icon icon = Icon::None;

    bool IsEmpty() const { return text.isEmpty(); }
    bool operator==(const Notice&) const = default;
};

} // namespace rw

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace rw {

// The one numeric test of the program: optional blanks, an optional sign,
// digits, optionally "." and digits, optional blanks. Nothing else, so
// "1,000", "1e3" and "12*" are not numbers.
bool IsNumber(QStringView text);

// The value of a text that passes IsNumber, rounded down to a whole number
// (-2.5 gives -3). std::nullopt for anything else.
std::optional<long long> FloorNumber(QStringView text);

// FloorNumber with a fallback for texts that are not numbers (stored fields
// read back into a box or picker).
int FloorNumberOr(QStringView text, int fallback);

} // namespace rw

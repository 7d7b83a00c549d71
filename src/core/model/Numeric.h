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

// The game reads numbers in a script as whole decimal numbers that fit in 32
// signed bits; anything else ("+3", "1.5", "1e3", "99999999999") makes it
// refuse the whole AI.
inline constexpr long long kScriptNumberMin = -2147483648LL;
inline constexpr long long kScriptNumberMax = 2147483647LL;

// The one test for a text that goes into a script as a number: blanks
// around it, then an optional "-" and digits, with the value between low and
// high (the script's range unless narrowed). Yields the text to store, with
// the blanks trimmed, or std::nullopt.
std::optional<QString> ScriptNumber(QStringView text, long long low = kScriptNumberMin,
                                    long long high = kScriptNumberMax);
// Its value, without making the text.
std::optional<long long> ScriptNumberValue(QStringView text, long long low = kScriptNumberMin,
                                           long long high = kScriptNumberMax);

// What a refusal tells the user about such a number: "0～100の整数を入力してください".
QString ScriptNumberHint(long long low = kScriptNumberMin, long long high = kScriptNumberMax);

// FloorNumber with a fallback for texts that are not numbers (stored fields
// read back into a box or picker).
int FloorNumberOr(QStringView text, int fallback);

} // namespace rw

#include "model/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {

namespace {
bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

bool IsNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && IsDigit(text[i]))
        ++i;
    if (i == digitsStart)
        return false;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        const qsizetype fractionStart = i;
        while (i < n && IsDigit(text[i]))
            ++i;
        if (i == fractionStart)
            return false;
    }
    while (i < n && IsBlank(text[i]))
        ++i;
    return i == n;
}

std::optional<long long> FloorNumber(QStringView text) {
    if (!IsNumber(text))
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double floored = std::floor(value);
    // 2^63 itself is out of range: the largest long long rounds up to it as a
    // double, so comparing with that would let 2^63 through to the cast.
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (floored >= kLimit || floored < -kLimit)
        return std::nullopt;
    return static_cast<long long>(floored);
}

std::optional<long long> ScriptNumberValue(QStringView text, long long low, long long high) {
    const QStringView t = text.trimmed();
    qsizetype i = t.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    // Eleven digits already lie outside any 32-bit value; stop before the
    // sum could overflow, whatever the length of the text.
    long long magnitude = 0;
    for (qsizetype k = i; k < t.size(); ++k) {
        if (!IsDigit(t[k]))
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (t[k].unicode() - '0'), 100000000000LL);
    }
    const long long value = i == 1 ? -magnitude : magnitude;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<QString> ScriptNumber(QStringView text, long long low, long long high) {
    if (!ScriptNumberValue(text, low, high))
        return std::nullopt;
    return text.trimmed().toString();
}

QString ScriptNumberHint(long long low, long long high) {
    return QString::number(low) + QStringLiteral("～") + QString::number(high) +
           QStringLiteral("の整数を入力してください");
}

int FloorNumberOr(QStringView text, int fallback) {
    const std::optional<long long> value = FloorNumber(text);
    if (!value || *value > std::numeric_limits<int>::max() ||
        *value < std::numeric_limits<int>::min())
        return fallback;
    return int(*value);
}

} // namespace rw

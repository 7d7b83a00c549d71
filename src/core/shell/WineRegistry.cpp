#include "shell/WineRegistry.h"

#include <QStringTokenizer>

namespace rw::WineRegistry {

namespace {

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Unescapes up to the first unescaped `terminator`; `consumed` counts the
// terminator too (or the whole text when it is missing).
QString Unescape(QStringView text, QChar terminator, qsizetype* consumed) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == terminator) {
            ++i;
            break;
        }
        if (c != u'\\' || i + 1 >= text.size()) {
            out += c;
            ++i;
            continue;
        }
        const QChar e = text[i + 1];
        i += 2;
        switch (e.unicode()) {
        case 'a':
            out += QChar(0x07);
            break;
        case 'b':
            out += QChar(0x08);
            break;
        case 'e':
            out += QChar(0x1b);
            break;
        case 'f':
            out += QChar(0x0c);
            break;
        case 'n':
            out += QChar(0x0a);
            break;
        case 'r':
            out += QChar(0x0d);
            break;
        case 't':
            out += QChar(0x09);
            break;
        case 'v':
            out += QChar(0x0b);
            break;
        case 'x': {
            // Wine writes characters beyond ASCII as up to four hex digits.
            int value = 0;
            int digits = 0;
            while (digits < 4 && i < text.size() && HexValue(text[i]) >= 0) {
                value = value * 16 + HexValue(text[i]);
                ++i;
                ++digits;
            }
            out += digits ? QChar(char16_t(value)) : QChar(u'x');
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                int value = e.unicode() - '0';
                int digits = 1;
                while (digits < 3 && i < text.size() && text[i] >= u'0' && text[i] <= u'7') {
                    value = value * 8 + (text[i].unicode() - '0');
                    ++i;
                    ++digits;
                }
                out += QChar(char16_t(value));
            } else {
                out += e;
            }
        }
    }
    if (consumed)
        *consumed = i;
    return out;
}

} // namespace

QString UnescapeString(QStringView text, qsizetype* consumed) {
    return Unescape(text, u'"', consumed);
}

QString ReadString(QStringView registryText, QStringView key, QStringView valueName, bool* found) {
    if (found)
        *found = false;
    bool inKey = false;
    for (QStringView line : QStringTokenizer(registryText, u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            if (inKey)
                return {}; // a key appears once; its values have ended
            const QString name = Unescape(line.mid(1), u']', nullptr);
            inKey = name.compare(key, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey || !line.startsWith(u'"'))
            continue;
        qsizetype used = 0;
        const QString name = UnescapeString(line.mid(1), &used);
        if (name.compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        QStringView rest = line.mid(1 + used);
        if (!rest.startsWith(u'='))
            continue;
        rest = rest.mid(1);
        // REG_SZ is written bare, REG_EXPAND_SZ as str(2):"..."; both are text.
        if (rest.startsWith(u"str(2):"))
            rest = rest.mid(7);
        if (!rest.startsWith(u'"'))
            return {}; // a value of another type
        if (found)
            *found = true;
        return UnescapeString(rest.mid(1));
    }
    return {};
}

} // namespace rw::WineRegistry

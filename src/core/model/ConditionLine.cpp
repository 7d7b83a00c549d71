#include "model/ConditionLine.h"

#include "model/ScriptLines.h"
#include "model/TextScan.h"

#include <algorithm>
#include <bit>

namespace rw {

namespace {

int PwOf(QStringView pw) {
    // Nearly every Pw is a few plain digits: those are read without the
    // general number reader.
    bool digits = !pw.isEmpty() && pw.size() <= 9;
    int value = 0;
    for (qsizetype i = 0; digits && i < pw.size(); ++i) {
        digits = pw[i] >= QLatin1Char('0') && pw[i] <= QLatin1Char('9');
        value = value * 10 + (pw[i].unicode() - '0');
    }
    if (digits)
        return value;
    bool ok = false;
    value = pw.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QStringList SplitConditionLines(const QString& field) {
    if (field.isEmpty())
        return {QString()};
    QStringList lines;
    const QChar* text = field.constData();
    const qsizetype size = field.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < size; ++i) {
        if (text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) {
            lines << QString(text + start, i - start);
            start = i + 2;
            ++i;
        }
    }
    if (start < size)
        lines << QString(text + start, size - start);
    return lines;
}

ConditionLineParts SplitConditionLine(const QString& line) {
    // Three parts cut at ";" (whatever follows a third ";" is dropped), each
    // without its "*"s. One pass, and a part without "*" (most are) is
    // copied whole.
    ConditionLineParts parts;
    QString* targets[3] = {&parts.pw, &parts.cap, &parts.kindAndData};
    const QChar* text = line.constData();
    const qsizetype size = line.size();
    qsizetype start = 0;
    bool star = false;
    int part = 0;
    for (qsizetype i = 0; i <= size && part < 3; ++i) {
        if (i < size && text[i] != QLatin1Char(';')) {
            star = star || text[i] == QLatin1Char('*');
            continue;
        }
        QString& target = *targets[part++];
        if (star) {
            target.reserve(i - start);
            for (qsizetype j = start; j < i; ++j)
                if (text[j] != QLatin1Char('*'))
                    target.append(text[j]);
        } else if (i > start) {
            target = QString(text + start, i - start);
        }
        start = i + 1;
        star = false;
    }
    return parts;
}

std::pair<QString, QString> SplitKindAndData(const QString& kindAndData) {
    const qsizetype first = kindAndData.indexOf(QLatin1Char(','));
    if (first < 0)
        return {kindAndData, QString()};
    const qsizetype second = kindAndData.indexOf(QLatin1Char(','), first + 1);
    return {kindAndData.left(first), second < 0 ? kindAndData.mid(first + 1)
                                                : kindAndData.mid(first + 1, second - first - 1)};
}

int ReadPw(const QString& pw) {
    return PwOf(pw);
}

namespace {

// A line without "*" (most are): its parts are where they stand.
ConditionLineView ReadInPlace(QStringView line) {
    const QChar* begin = line.data();
    const QChar* end = begin + line.size();
    QStringView parts[3];
    qsizetype start = 0;
    for (QStringView& part : parts) {
        const QChar* semicolon = std::find(begin + start, end, QLatin1Char(';'));
        const qsizetype stop = semicolon - begin;
        part = line.mid(start, stop - start);
        if (semicolon == end)
            break;
        start = stop + 1;
    }
    const QStringView kindAndData = parts[2];
    QStringView editdat = kindAndData, script;
    if (const qsizetype first = FindChar(kindAndData, QLatin1Char(',')); first >= 0) {
        editdat = kindAndData.left(first);
        script = kindAndData.mid(first + 1);
        if (const qsizetype second = FindChar(script, QLatin1Char(',')); second >= 0)
            script = script.left(second);
    }
    return ConditionLineView{PwOf(parts[0]), parts[1], editdat, script};
}

bool HasStar(QStringView line) {
    return FindChar(line, QLatin1Char('*')) >= 0;
}

} // namespace

ConditionLine ReadConditionLine(const QString& line) {
    if (HasStar(line)) {
        const ConditionLineParts parts = SplitConditionLine(line);
        auto [editdat, script] = SplitKindAndData(parts.kindAndData);
        return ConditionLine{ReadPw(parts.pw), parts.cap, editdat, script};
    }
    const ConditionLineView read = ReadInPlace(line);
    return ConditionLine{read.pw, read.cap.toString(), read.editdat.toString(),
                         read.script.toString()};
}

ConditionLineViews::ConditionLineViews(QStringView field) {
    // One pass over the field: where each line ends, where its parts end,
    // and whether it holds a "*" (then it is read as a copy).
    const qsizetype size = field.size();
    const char16_t* text = reinterpret_cast<const char16_t*>(field.utf16());
    qsizetype start = 0;
    qsizetype semicolons[3], commas[2];
    int semicolonCount = 0, commaCount = 0;
    bool star = false;
    auto finish = [&](qsizetype end) {
        const QStringView line = field.mid(start, end - start);
        if (star) {
            const ConditionLine& read = starred_.emplace_back(ReadConditionLine(line.toString()));
            lines_.append(ConditionLineView{read.pw, read.cap, read.editdat, read.script});
        } else {
            auto part = [&](int n) {
                if (n > semicolonCount)
                    return QStringView();
                const qsizetype from = n == 0 ? start : semicolons[n - 1] + 1;
                const qsizetype to = n < semicolonCount ? semicolons[n] : end;
                return field.mid(from, to - from);
            };
            const QStringView kindAndData = part(2);
            QStringView editdat = kindAndData, script;
            if (commaCount > 0) {
                editdat = field.mid(semicolons[1] + 1, commas[0] - semicolons[1] - 1);
                const qsizetype to = commaCount > 1       ? commas[1]
                                     : semicolonCount > 2 ? semicolons[2]
                                                          : end;
                script = field.mid(commas[0] + 1, to - commas[0] - 1);
            }
            lines_.append(ConditionLineView{PwOf(part(0)), part(1), editdat, script});
        }
        semicolonCount = commaCount = 0;
        star = false;
    };
    // Only the units that cut a line are looked at, found a block at a time.
    auto at = [&](qsizetype i) {
        switch (text[i]) {
        case u'\r':
            if (i + 1 < size && text[i + 1] == u'\n') {
                finish(i);
                start = i + 2;
            }
            break;
        case u';':
            if (semicolonCount < 3)
                semicolons[semicolonCount++] = i;
            break;
        case u',':
            if (semicolonCount == 2 && commaCount < 2)
                commas[commaCount++] = i;
            break;
        default: // "*"
            star = true;
            break;
        }
    };
    qsizetype i = 0;
    for (; i + textscan::kBlock <= size; i += textscan::kBlock)
        for (unsigned bits = textscan::MatchAny4(text + i, u'\r', u';', u',', u'*'); bits != 0;
             bits &= bits - 1)
            at(i + std::countr_zero(bits));
    for (; i < size; ++i)
        if (text[i] == u'\r' || text[i] == u';' || text[i] == u',' || text[i] == u'*')
            at(i);
    if (start < size || size == 0)
        finish(size);
}

QList<ConditionLine> ReadConditionLines(const QString& field) {
    QList<ConditionLine> result;
    if (field.isEmpty())
        return result;
    for (const QString& line : SplitConditionLines(field))
        result << ReadConditionLine(line);
    return result;
}

namespace {

// A part may hold CR LF (the reader makes one of "\r*\n" when it drops the
// "*"). Written as it stands it would end the line early; written with a
// "*" between, it reads back as the same text, since every "*" is dropped.
QString Part(const QString& text) {
    if (!text.contains(QLatin1String("\r\n")))
        return text;
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\r*\n"));
}

} // namespace

QString WriteConditionLine(const ConditionLine& line) {
    return QString::number(line.pw) + QLatin1Char(';') + Part(line.cap) + QLatin1Char(';') +
           Part(line.editdat) + QLatin1Char(',') + Part(line.script) + QLatin1String("\r\n");
}

QString WriteConditionLines(const QList<ConditionLine>& lines) {
    QString text;
    for (const ConditionLine& line : lines)
        text += WriteConditionLine(line);
    return text;
}

} // namespace rw

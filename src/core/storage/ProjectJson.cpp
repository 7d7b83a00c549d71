#include "storage/ProjectJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace rw {

namespace {

// QJsonDocument sorts keys, so the text is written by hand to keep file order.
class JsonWriter {
public:
    void Open(char bracket) {
        out_ += bracket;
        ++depth_;
        first_ = true;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) {
            out_ += '\n';
            Indent();
        }
        out_ += bracket;
        first_ = false;
    }
    // Starts an element of the current object (key set) or array (key empty).
    void Item(const char* key = nullptr) {
        if (!first_)
            out_ += ',';
        out_ += '\n';
        Indent();
        first_ = false;
        if (key) {
            out_ += '"';
            out_ += key;
            out_ += "\": ";
        }
    }
    void String(const QString& text) {
        out_ += '"';
        const QByteArray utf8 = text.toUtf8();
        for (char ch : utf8) {
            const auto c = uint8_t(ch);
            switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\b':
                out_ += "\\b";
                break;
            case '\f':
                out_ += "\\f";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20) {
                    static const char hex[] = "0123456789abcdef";
                    out_ += "\\u00";
                    out_ += hex[c >> 4];
                    out_ += hex[c & 0xF];
                } else {
                    out_ += ch;
                }
            }
        }
        out_ += '"';
    }
    void Number(int value) { out_ += QByteArray::number(value); }
    void Field(const char* key, const QString& text) {
        Item(key);
        String(text);
    }
    QByteArray Take() {
        out_ += '\n';
        return std::move(out_);
    }

private:
    void Indent() { out_.append(QByteArray(depth_ * 2, ' ')); }

    QByteArray out_;
    int depth_ = 0;
    bool first_ = true;
};

// Reading: each step knows its place, so every refusal can name it.
class JsonReader {
public:
    QString error;

    bool Fail(const QString& place, const QString& what) {
        error = (place.isEmpty() ? QString() : place + QStringLiteral(": ")) + what;
        return false;
    }

    bool Keys(const QJsonObject& object, const QString& place,
              std::initializer_list<const char*> known) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool found = false;
            for (const char* key : known)
                found = found || it.key() == QLatin1String(key);
            if (!found)
                return Fail(place, QStringLiteral("unknown key \"%1\"").arg(it.key()));
        }
        return true;
    }

    bool Object(const QJsonValue& value, const QString& place, QJsonObject& object) {
        if (!value.isObject())
            return Fail(place, QStringLiteral("expected an object"));
        object = value.toObject();
        return true;
    }

    bool String(const QJsonObject& object, const QString& place, const char* key, QString& text) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            text.clear();
            return true;
        }
        if (!value.isString())
            return Fail(Join(place, key), QStringLiteral("expected a string"));
        text = value.toString();
        return true;
    }

    bool Integer(const QJsonObject& object, const QString& place, const char* key, int& number) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            number = 0;
            return true;
        }
        const double d = value.toDouble();
        if (!value.isDouble() || std::floor(d) != d || d < std::numeric_limits<int>::min() ||
            d > std::numeric_limits<int>::max())
            return Fail(Join(place, key), QStringLiteral("expected a whole number"));
        number = int(d);
        return true;
    }

    // An array under key; fixedLength < 0 means any length.
    bool Array(const QJsonObject& object, const QString& place, const char* key,
               qsizetype fixedLength, QJsonArray& array) {
        const QJsonValue value = object.value(QLatin1String(key));
        const QString here = Join(place, key);
        if (value.isUndefined() && fixedLength < 0) {
            array = QJsonArray();
            return true;
        }
        if (value.isUndefined())
            return Fail(place, QStringLiteral("missing key \"%1\"").arg(QLatin1String(key)));
        if (!value.isArray())
            return Fail(here, QStringLiteral("expected an array"));
        array = value.toArray();
        if (fixedLength >= 0 && array.size() != fixedLength)
            return Fail(here, QStringLiteral("expected %1 elements, found %2")
                                  .arg(fixedLength)
                                  .arg(array.size()));
        return true;
    }

    // Reads every element of a fixed-length array of objects.
    template <typename List, typename Fn>
    bool ReadObjects(const QJsonObject& top, const char* key, List& items, Fn&& read) {
        QJsonArray array;
        if (!Array(top, QString(), key, qsizetype(items.size()), array))
            return false;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString place = Index(QLatin1String(key), i);
            QJsonObject object;
            if (!Object(array[i], place, object) || !read(object, place, items[size_t(i)]))
                return false;
        }
        return true;
    }

    static QString Join(const QString& place, const char* key) {
        return place.isEmpty() ? QLatin1String(key) : place + QLatin1Char('.') + QLatin1String(key);
    }
    static QString Index(const QString& place, qsizetype i) {
        return place + QLatin1Char('[') + QString::number(i) + QLatin1Char(']');
    }
};

QString LineAndColumn(QByteArrayView json, qsizetype offset) {
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < json.size(); ++i) {
        if (json[i] == '\n') {
            ++line;
            column = 1;
        } else if ((uint8_t(json[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// QJsonDocument keeps the last of two equal keys without a word; this walk
// over text Qt has already accepted finds the first repeated key and names
// its place the way the reader does.
class DuplicateKeyFinder {
public:
    explicit DuplicateKeyFinder(QByteArrayView json) : json_(json) {}

    QString Find() {
        while (at_ < json_.size()) {
            const char c = json_[at_];
            switch (c) {
            case '{':
            case '[':
                Open(c == '{');
                ++at_;
                break;
            case '}':
            case ']':
                if (!frames_.empty())
                    frames_.pop_back();
                ++at_;
                break;
            case ',':
                if (!frames_.empty()) {
                    Frame& frame = frames_.back();
                    if (frame.object)
                        frame.expectKey = true;
                    else
                        ++frame.index;
                }
                ++at_;
                break;
            case '"': {
                const QString text = ReadString();
                if (frames_.empty() || !frames_.back().object || !frames_.back().expectKey)
                    break;
                Frame& frame = frames_.back();
                frame.expectKey = false;
                if (frame.keys.contains(text)) {
                    const QString what = QStringLiteral("duplicate key \"%1\"").arg(text);
                    return frame.place.isEmpty() ? what : frame.place + QStringLiteral(": ") + what;
                }
                frame.keys.insert(text);
                frame.key = text;
                break;
            }
            default:
                ++at_; // blanks, ":", numbers and literals
            }
        }
        return {};
    }

private:
    struct Frame {
        bool object = false;
        bool expectKey = true;
        QString place;
        QSet<QString> keys;
        QString key;         // the key of the value being read (objects)
        qsizetype index = 0; // the element being read (arrays)
    };

    void Open(bool object) {
        Frame frame;
        frame.object = object;
        if (!frames_.empty()) {
            const Frame& parent = frames_.back();
            frame.place = parent.object ? (parent.place.isEmpty()
                                               ? parent.key
                                               : parent.place + QLatin1Char('.') + parent.key)
                                        : parent.place + QLatin1Char('[') +
                                              QString::number(parent.index) + QLatin1Char(']');
        }
        frames_.push_back(std::move(frame));
    }

    // Reads the string starting at the opening quote, escapes resolved.
    QString ReadString() {
        QString text;
        QByteArray utf8;
        ++at_;
        while (at_ < json_.size() && json_[at_] != '"') {
            if (json_[at_] != '\\') {
                utf8.append(json_[at_++]);
                continue;
            }
            text += QString::fromUtf8(utf8);
            utf8.clear();
            const char e = at_ + 1 < json_.size() ? json_[at_ + 1] : '\0';
            at_ += 2;
            switch (e) {
            case 'b':
                text += QLatin1Char('\b');
                break;
            case 'f':
                text += QLatin1Char('\f');
                break;
            case 'n':
                text += QLatin1Char('\n');
                break;
            case 'r':
                text += QLatin1Char('\r');
                break;
            case 't':
                text += QLatin1Char('\t');
                break;
            case 'u':
                text += QChar(char16_t(
                    QByteArrayView(json_.data() + at_, std::min<qsizetype>(4, json_.size() - at_))
                        .toUShort(nullptr, 16)));
                at_ += 4;
                break;
            default:
                text += QLatin1Char(e); // " \ /
            }
        }
        ++at_;
        return text + QString::fromUtf8(utf8);
    }

    QByteArrayView json_;
    qsizetype at_ = 0;
    std::vector<Frame> frames_;
};

} // namespace

QByteArray ProjectToJson(const Project& project, bool isTemplate) {
    JsonWriter w;
    w.Open('{');
    w.Field("magic", QLatin1String(isTemplate ? "TEMP" : "VURI"));
    w.Field("title", project.settings.title);
    w.Field("author", project.settings.author);
    w.Item("categories");
    w.Open('[');
    for (int c = 1; c <= kCategoryCount; ++c) {
        const Category& category = project.CategoryAt(c);
        w.Item();
        w.Open('{');
        w.Field("rootCaption", project.RootCaption(c));
        w.Item("entries");
        w.Open('[');
        for (const RuleEntry& entry : category.entries) {
            w.Item();
            w.Open('{');
            for (int f = 0; f < RuleEntry::kFieldCount; ++f)
                w.Field(RuleEntry::FieldName(f), entry.Field(f));
            w.Close('}');
        }
        w.Close(']');
        w.Close('}');
    }
    w.Close(']');
    w.Item("rootConditions");
    w.Open('[');
    for (const RootCondition& slot : project.settings.rootConditions) {
        w.Item();
        w.Open('{');
        w.Field("conditionData", slot.conditionData);
        w.Field("conditionScript", slot.conditionScript);
        w.Close('}');
    }
    w.Close(']');
    w.Item("startupRules");
    w.Open('[');
    for (const StartupRule& slot : project.settings.startupRules) {
        w.Item();
        w.Open('{');
        w.Field("options", slot.options);
        w.Field("text", slot.text);
        w.Item("kind");
        w.Number(slot.kind);
        w.Close('}');
    }
    w.Close(']');
    w.Item("timers");
    w.Open('[');
    for (const TimerSlot& slot : project.settings.timers) {
        w.Item();
        w.Open('{');
        w.Field("name", slot.name);
        w.Field("help", slot.help);
        w.Close('}');
    }
    w.Close(']');
    w.Item("variables");
    w.Open('[');
    for (const VariableSlot& slot : project.settings.variables) {
        w.Item();
        w.Open('{');
        w.Field("constName", slot.constName);
        w.Field("description", slot.description);
        w.Close('}');
    }
    w.Close(']');
    w.Close('}');
    return w.Take();
}

JsonReadResult ProjectFromJson(QByteArrayView json) {
    JsonReadResult result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("invalid JSON at %1: %2")
                           .arg(LineAndColumn(json, parseError.offset), parseError.errorString());
        return result;
    }
    if (const QString duplicate = DuplicateKeyFinder(json).Find(); !duplicate.isEmpty()) {
        result.error = duplicate;
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("expected an object at the top level");
        return result;
    }
    const QJsonObject top = document.object();
    JsonReader in;
    Project project;
    auto done = [&](bool ok) {
        if (ok)
            result.project = std::move(project);
        else
            result.error = in.error;
        return result;
    };

    if (!in.Keys(top, QString(),
                 {"magic", "title", "author", "categories", "rootConditions", "startupRules",
                  "timers", "variables"}) ||
        !in.String(top, QString(), "title", project.settings.title) ||
        !in.String(top, QString(), "author", project.settings.author))
        return done(false);

    const bool ok =
        in.ReadObjects(
            top, "categories", project.categories,
            [&in, &project](const QJsonObject& object, const QString& place, Category& category) {
                QString& caption =
                    project.settings.rootCaptions[&category - project.categories.data()];
                QJsonArray entries;
                if (!in.Keys(object, place, {"rootCaption", "entries"}) ||
                    !in.String(object, place, "rootCaption", caption) ||
                    !in.Array(object, place, "entries", -1, entries))
                    return false;
                category.entries.reserve(entries.size());
                for (qsizetype e = 0; e < entries.size(); ++e) {
                    const QString here = JsonReader::Index(JsonReader::Join(place, "entries"), e);
                    QJsonObject fields;
                    if (!in.Object(entries[e], here, fields))
                        return false;
                    for (auto it = fields.begin(); it != fields.end(); ++it) {
                        bool known = false;
                        for (int f = 0; f < RuleEntry::kFieldCount && !known; ++f)
                            known = it.key() == QLatin1String(RuleEntry::FieldName(f));
                        if (!known)
                            return in.Fail(here,
                                           QStringLiteral("unknown key \"%1\"").arg(it.key()));
                    }
                    RuleEntry& entry = category.entries.emplace_back();
                    for (int f = 0; f < RuleEntry::kFieldCount; ++f)
                        if (!in.String(fields, here, RuleEntry::FieldName(f), entry.Field(f)))
                            return false;
                }
                return true;
            }) &&
        in.ReadObjects(top, "rootConditions", project.settings.rootConditions,
                       [&in](const QJsonObject& object, const QString& place, RootCondition& slot) {
                           return in.Keys(object, place, {"conditionData", "conditionScript"}) &&
                                  in.String(object, place, "conditionData", slot.conditionData) &&
                                  in.String(object, place, "conditionScript", slot.conditionScript);
                       }) &&
        in.ReadObjects(top, "startupRules", project.settings.startupRules,
                       [&in](const QJsonObject& object, const QString& place, StartupRule& slot) {
                           return in.Keys(object, place, {"options", "text", "kind"}) &&
                                  in.String(object, place, "options", slot.options) &&
                                  in.String(object, place, "text", slot.text) &&
                                  in.Integer(object, place, "kind", slot.kind);
                       }) &&
        in.ReadObjects(top, "timers", project.settings.timers,
                       [&in](const QJsonObject& object, const QString& place, TimerSlot& slot) {
                           return in.Keys(object, place, {"name", "help"}) &&
                                  in.String(object, place, "name", slot.name) &&
                                  in.String(object, place, "help", slot.help);
                       }) &&
        in.ReadObjects(top, "variables", project.settings.variables,
                       [&in](const QJsonObject& object, const QString& place, VariableSlot& slot) {
                           return in.Keys(object, place, {"constName", "description"}) &&
                                  in.String(object, place, "constName", slot.constName) &&
                                  in.String(object, place, "description", slot.description);
                       });
    return done(ok);
}

} // namespace rw

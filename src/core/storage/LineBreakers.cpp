#include "storage/LineBreakers.h"

#include "model/ScriptLines.h"

#include <functional>

namespace rw {

namespace {

enum class FieldKind { OneLine, Lines, ConditionLines };

FieldKind KindOf(int field) {
    switch (field) {
    case 1:  // actions
    case 14: // groupConditionScript
    case 16: // scriptText
    case 17: // scriptColours
        return FieldKind::Lines;
    case 4: // conditions
        return FieldKind::ConditionLines;
    default:
        return FieldKind::OneLine;
    }
}

// The first character of the text that the field's kind does not allow.
std::optional<QChar> FirstBreaker(const QString& text, FieldKind kind) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!IsControlCharacter(c))
            continue;
        const bool lineEnd = c == QLatin1Char('\r') || c == QLatin1Char('\n');
        if (!lineEnd || kind == FieldKind::OneLine)
            return c;
        if (kind == FieldKind::Lines)
            continue;
        // Condition lines end with CR LF and hold no other CR or LF.
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            ++i;
            continue;
        }
        return c;
    }
    return std::nullopt;
}

// Walks every field of the project with its kind and both names of its
// place; `visit` is called for each.
class Finder {
public:
    using Visit = std::function<void(const QString& text, FieldKind kind, const QString& jsonPlace,
                                     const QString& place)>;
    explicit Finder(Visit visit) : visit_(std::move(visit)) {}

    void Check(const QString& text, FieldKind kind, const QString& jsonPlace,
               const QString& place) {
        visit_(text, kind, jsonPlace, place);
    }
    void Check(const QString& text, const QString& jsonPlace, const QString& place) {
        Check(text, FieldKind::OneLine, jsonPlace, place);
    }

private:
    Visit visit_;
};

void Walk(const Project& project, Finder& f);

QString Slot(const char* array, int index, const char* key) {
    return QStringLiteral("%1[%2].%3").arg(QLatin1String(array)).arg(index).arg(QLatin1String(key));
}

} // namespace

QString LineBreakerFound::Message() const {
    return QStringLiteral("%1に制御文字(%2)があります").arg(place, character);
}

QList<LineBreakerFound> FindLineBreakers(const Project& project) {
    QList<LineBreakerFound> found;
    Finder f([&found](const QString& text, FieldKind kind, const QString& jsonPlace,
                      const QString& place) {
        if (const std::optional<QChar> c = FirstBreaker(text, kind))
            found.append(LineBreakerFound{jsonPlace, place, ControlCharacterName(*c)});
    });
    Walk(project, f);
    return found;
}

QStringList FieldPlaces(const Project& project, const QSet<const QString*>& fields) {
    QStringList places;
    if (fields.isEmpty())
        return places;
    Finder f([&](const QString& text, FieldKind, const QString&, const QString& place) {
        if (fields.contains(&text))
            places.append(place);
    });
    Walk(project, f);
    return places;
}

namespace {

void Walk(const Project& project, Finder& f) {
    f.Check(project.settings.title, QStringLiteral("title"), QStringLiteral("AIの名前"));
    f.Check(project.settings.author, QStringLiteral("author"), QStringLiteral("作者"));
    for (int c = 1; c <= kCategoryCount; ++c) {
        const Category& category = project.CategoryAt(c);
        const QString categoryPlace = QStringLiteral("categories[%1]").arg(c - 1);
        const QString tab = CategoryCaption(c);
        const QString root = OneLine(project.RootCaption(c));
        f.Check(project.RootCaption(c), categoryPlace + QStringLiteral(".rootCaption"),
                tab + QStringLiteral(": ルートグループ名"));
        QString group = root;
        for (int e = 0; e < category.entries.size(); ++e) {
            const RuleEntry& entry = category.entries[e];
            QString where;
            if (entry.IsGroupStart()) {
                group = OneLine(entry.title);
                where = tab + QLatin1Char('/') + group;
            } else {
                where = tab + QLatin1Char('/') + (entry.IsRootRule() ? root : group) +
                        QLatin1Char('/') + OneLine(entry.title);
            }
            const QString entryPlace = categoryPlace + QStringLiteral(".entries[%1]").arg(e);
            for (int i = 0; i < RuleEntry::kFieldCount; ++i)
                f.Check(entry.Field(i), KindOf(i),
                        entryPlace + QLatin1Char('.') + QLatin1String(RuleEntry::FieldName(i)),
                        where + QStringLiteral(": ") + RuleEntry::FieldCaption(i));
        }
    }
    for (int i = 0; i < kRootConditionSlots; ++i) {
        const QString place = QStringLiteral("ルートグループの実行条件(%1番)").arg(i);
        f.Check(project.settings.rootConditions[i].conditionData,
                Slot("rootConditions", i, "conditionData"), place);
        f.Check(project.settings.rootConditions[i].conditionScript, FieldKind::Lines,
                Slot("rootConditions", i, "conditionScript"), place);
    }
    for (int i = 0; i < kStartupRuleSlots; ++i) {
        const QString place = QStringLiteral("初期化設定(%1番)").arg(i);
        f.Check(project.settings.startupRules[i].options, Slot("startupRules", i, "options"),
                place);
        f.Check(project.settings.startupRules[i].text, FieldKind::Lines,
                Slot("startupRules", i, "text"), place);
    }
    for (int i = 0; i < kTimerSlots; ++i) {
        const QString place = QStringLiteral("タイマー%1").arg(i);
        f.Check(project.settings.timers[i].name, Slot("timers", i, "name"),
                place + QStringLiteral("の名前"));
        f.Check(project.settings.timers[i].help, Slot("timers", i, "help"),
                place + QStringLiteral("の説明"));
    }
    for (int i = 0; i < kVariableSlots; ++i) {
        const QString place = QStringLiteral("変数%1").arg(i);
        f.Check(project.settings.variables[i].constName, Slot("variables", i, "constName"),
                place + QStringLiteral("の名前"));
        f.Check(project.settings.variables[i].description, Slot("variables", i, "description"),
                place + QStringLiteral("の説明"));
    }
}

} // namespace

} // namespace rw

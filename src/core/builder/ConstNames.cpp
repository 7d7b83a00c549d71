#include "builder/ConstNames.h"

#include "builder/CommandReference.h"
#include "builder/ScriptHeader.h"
#include "vocabulary/ScriptWords.h"

namespace rw {

namespace {

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsNameCharacter(QChar c) {
    return IsAsciiLetter(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('-') || c == QLatin1Char('_');
}

const QString kCharacterRule =
    QStringLiteral("名前は英字で始め、英字・数字・「-」・「_」だけで付けてください");

} // namespace

const QString& ConstName(const Project& project, ConstKind kind, int slot) {
    return kind == ConstKind::Variable ? project.settings.variables[slot].constName
                                       : project.settings.timers[slot].name;
}

QString ConstSlotCaption(ConstKind kind, int slot) {
    return (kind == ConstKind::Variable ? QStringLiteral("変数") : QStringLiteral("タイマー")) +
           QString::number(slot);
}

QString CheckConstName(const Project& project, ConstKind kind, int slot, const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("名前が空です。") + kCharacterRule;
    if (!IsAsciiLetter(name.front()))
        return kCharacterRule;
    for (QChar c : name)
        if (!IsNameCharacter(c))
            return kCharacterRule;
    if (IsGameWord(name) || IsReferenceWord(name.toLower()))
        return QStringLiteral("「%1」はゲームの語なので名前に使えません").arg(name);
    // Compared without regard to case, so that no reading of the script can
    // take two constants for one.
    auto clash = [&](ConstKind other, int count) -> QString {
        for (int i = 1; i <= count; ++i) {
            if (other == kind && i == slot)
                continue;
            if (ConstName(project, other, i).compare(name, Qt::CaseInsensitive) == 0)
                return QStringLiteral("名前「%1」は%2と同じです。変数とタイマーの名前は重ならない"
                                      "ようにしてください")
                    .arg(name, ConstSlotCaption(other, i));
        }
        return {};
    };
    if (QString same = clash(ConstKind::Variable, kScriptVariables); !same.isEmpty())
        return same;
    return clash(ConstKind::Timer, kScriptTimers);
}

} // namespace rw

#include "events/FreeEventChat.h"

#include "model/ScriptLines.h"

namespace rw {

namespace {

const char* const kChatKeywords[] = {"chat-local-to-self", "chat-to-allies", "chat-to-enemies",
                                     "chat-to-all"};

} // namespace

QStringList FreeEventChat::Targets() {
    return {QStringLiteral("テストメッセージ"), QStringLiteral("味方にチャット"),
            QStringLiteral("敵にチャット"), QStringLiteral("全員にチャット")};
}

void FreeEventChat::SetTarget(int position) {
    if (ValidPosition(position, 4))
        target_ = position;
}

void FreeEventChat::SetText(const QString& text) {
    text_ = text;
}

QString FreeEventChat::ForbiddenLabel() {
    return QStringLiteral("( ) \" ; は使用できません");
}

void FreeEventChat::Reset() {
    target_ = 0;
    text_ = QStringLiteral("メッセージを表示します");
}

void FreeEventChat::Restore(const StoredFields& fields) {
    SetTarget(fields.Position(0));
    SetText(fields.Text(1));
}

FreeEventPreview FreeEventChat::Preview() const {
    const QStringList fields{Num(target_), text_};
    // These characters would break the command's quotes, the line's comment
    // or the data string; a line break would split the stored event line,
    // and no control character belongs in a script.
    static const QString forbidden = QStringLiteral("()\";\r\n");
    if (text_.isEmpty())
        return Invalid(fields);
    for (QChar c : text_) {
        if (forbidden.contains(c) || IsControlCharacter(c))
            return Invalid(fields);
    }
    return Make(Targets()[target_] + QLatin1Char('(') + text_ + QLatin1Char(')'),
                QLatin1String(kChatKeywords[target_]) + QStringLiteral(" \"") + text_ +
                    QLatin1Char('"'),
                fields);
}

} // namespace rw

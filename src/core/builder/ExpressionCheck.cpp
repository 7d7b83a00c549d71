#include "builder/ExpressionCheck.h"

#include "model/Numeric.h"
#include "model/Project.h"
#include "vocabulary/ScriptWords.h"

namespace rw {

QString ShownWithControls(QStringView text) {
    QString shown = text.toString();
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    }
    return shown;
}

namespace {

QString Shown(QStringView text) {
    return ShownWithControls(text);
}

} // namespace

ExpressionCheck::ExpressionCheck(const ConstantValues& constants, Subject subject, Report report)
    : constants_(constants), subject_(std::move(subject)), report_(std::move(report)) {}

void ExpressionCheck::Check(const ScriptNode& node, ScriptContext context) {
    Statement(node, context, node, context);
}

void ExpressionCheck::Say(const ScriptNode& statement, ScriptContext context, const QString& text) {
    report_(statement, subject_(statement, context) + text);
}

// Answers how many commands the game counts in the node: one for a fact or
// an action, one more for each fact under a logical operator.
int ExpressionCheck::Statement(const ScriptNode& node, ScriptContext context,
                               const ScriptNode& owner, ScriptContext ownerContext) {
    if (node.kind != ScriptNode::Kind::List) {
        Say(owner, ownerContext,
            QStringLiteral("の「%1」は括弧の外にあります").arg(Shown(node.text)));
        return 1;
    }
    if (node.items.isEmpty() || node.items.front().kind != ScriptNode::Kind::Word) {
        Say(node, context, QStringLiteral("に語のない括弧があります"));
        return 1;
    }
    const QStringView head = node.items.front().text;
    if (context == ScriptContext::Rule) {
        Defrule(node);
        return 0;
    }
    const qsizetype args = node.items.size() - 1;
    if (context == ScriptContext::Fact && IsLogicalOperatorWord(head)) {
        if (args < 1)
            Say(node, context, QStringLiteral("の演算子「%1」に条件がありません").arg(head));
        else if (head == QLatin1String("not") && args > 1)
            Say(node, context,
                QStringLiteral("の演算子「not」には条件を1個だけ書きます（%1個あります）")
                    .arg(args));
        int count = 1;
        for (qsizetype i = 1; i < node.items.size(); ++i)
            count += Statement(node.items[i], ScriptContext::Fact, node, context);
        return count;
    }
    const bool fact = context == ScriptContext::Fact;
    const CommandSignature* signature = fact ? FindFact(head) : FindAction(head);
    if (!signature) {
        Say(node, context,
            QStringLiteral("の「%1」はゲームの%2にありません")
                .arg(Shown(head), fact ? QStringLiteral("条件") : QStringLiteral("命令")));
        return 1;
    }
    const qsizetype wanted = signature->params.size();
    if (args != wanted)
        Say(node, context,
            wanted == 0
                ? QStringLiteral("の「%1」に引数は要りません（%2個あります）").arg(head).arg(args)
                : QStringLiteral("の「%1」には引数が%2個要ります（%3個あります）")
                      .arg(head)
                      .arg(wanted)
                      .arg(args));
    for (qsizetype i = 0; i < std::min(args, wanted); ++i)
        Argument(node.items[i + 1], signature->params[i], node, context);
    return 1;
}

// (defrule facts... => actions...)
void ExpressionCheck::Defrule(const ScriptNode& node) {
    const ScriptContext rule = ScriptContext::Rule;
    if (node.items.front().text != QLatin1String("defrule")) {
        Say(node, rule,
            QStringLiteral("の「%1」はdefruleではありません").arg(Shown(node.items.front().text)));
        return;
    }
    bool actions = false;
    int facts = 0, commands = 0, counted = 0;
    for (qsizetype i = 1; i < node.items.size(); ++i) {
        const ScriptNode& item = node.items[i];
        if (item.kind == ScriptNode::Kind::Word && item.text == QLatin1String("=>") && !actions) {
            actions = true;
            continue;
        }
        counted +=
            Statement(item, actions ? ScriptContext::Action : ScriptContext::Fact, node, rule);
        (actions ? commands : facts) += 1;
    }
    if (!actions || facts == 0 || commands == 0)
        Say(node, rule, QStringLiteral("の形がdefruleになっていません"));
    if (counted > kMaxCommands)
        Say(node, rule,
            QStringLiteral("の命令が%1個あります（1つのルールに%2個まで）")
                .arg(counted)
                .arg(kMaxCommands));
}

void ExpressionCheck::Argument(const ScriptNode& arg, ParamKind kind, const ScriptNode& statement,
                               ScriptContext context) {
    switch (arg.kind) {
    case ScriptNode::Kind::List:
        Say(statement, context, QStringLiteral("の中に括弧があります"));
        return;
    case ScriptNode::Kind::Text:
        if (kind != ParamKind::Text)
            Say(statement, context,
                QStringLiteral("に文字列「\"%1\"」は書けません").arg(Shown(arg.text)));
        return;
    case ScriptNode::Kind::Word:
        break;
    }
    const QStringView word = arg.text;
    if (kind == ParamKind::Text) {
        Say(statement, context,
            QStringLiteral("の「%1」は文字列ではありません（\"\"で囲んでください）")
                .arg(Shown(word)));
        return;
    }
    if (LooksNumeric(word)) {
        const std::optional<long long> number = ScriptNumberValue(word);
        if (!number) {
            Say(statement, context,
                QStringLiteral("の数値「%1」をゲームは読めません（読めるのは%2～%3の整数です）")
                    .arg(Shown(word), QString::number(kScriptNumberMin),
                         QString::number(kScriptNumberMax)));
            return;
        }
        Number(word, *number, kind, statement, context);
    } else if (const auto constant = constants_.find(word); constant != constants_.end()) {
        Number(word, constant->second, kind, statement, context);
    } else if (IsSymbolOf(kind, word)) {
        return;
    } else if (IsReferenceWord(word) || IsGameWord(word.toString())) {
        Say(statement, context,
            QStringLiteral("の「%1」は%2ではありません").arg(word, ParamKindName(kind)));
    } else {
        Say(statement, context,
            QStringLiteral("の「%1」はゲームの語にありません").arg(Shown(word)));
    }
}

void ExpressionCheck::Number(QStringView word, long long value, ParamKind kind,
                             const ScriptNode& statement, ScriptContext context) {
    if (IsNumberOf(kind, value))
        return;
    if (TakesNumbers(kind))
        Say(statement, context,
            QStringLiteral("の%1「%2」はゲームにありません（使えるのは%3）")
                .arg(ParamKindName(kind), word, NumbersOf(kind)));
    else
        Say(statement, context,
            QStringLiteral("の「%1」は%2ではありません").arg(word, ParamKindName(kind)));
}

} // namespace rw

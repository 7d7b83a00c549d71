#include "builder/ScriptCheck.h"

#include "builder/ConstNames.h"
#include "builder/ExpressionCheck.h"
#include "builder/ScriptHeader.h"
#include "builder/ZuzAdidodi.h"
#include "model/ConditionLine.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "vocabulary/ScriptWords.h"

#include <QHash>

namespace rw {

namespace {

// What a one-line text holds that a line of the script cannot: the builder
// writes CR, LF and NUL as blanks (so the text reads differently), and
// passes any other control character on as it is.
enum class Controls { None, LineBreakers, Other };

Controls ControlsIn(QStringView text) {
    if (FirstLineBreaker(text) >= 0)
        return Controls::LineBreakers;
    return FirstControlCharacter(text) >= 0 ? Controls::Other : Controls::None;
}

class Checker {
public:
    Checker(const Project& project, QList<ScriptProblem>& problems)
        : project_(project), problems_(problems) {
        // Sound names are constants the script may use wherever a number goes.
        for (int i = 1; i <= kScriptVariables; ++i)
            AddConstant(ConstKind::Variable, i);
        for (int i = 1; i <= kScriptTimers; ++i)
            AddConstant(ConstKind::Timer, i);
    }

    void Settings() {
        const QString where = QStringLiteral("プロジェクトの設定");
        SingleLine(where + QStringLiteral("/ヘッダ"), QStringLiteral("AIのタイトル"),
                   project_.settings.title);
        SingleLine(where + QStringLiteral("/ヘッダ"), QStringLiteral("作者"),
                   project_.settings.author);
        for (int i = 1; i <= kScriptVariables; ++i)
            Name(where + QStringLiteral("/変数/No.") + QString::number(i), ConstKind::Variable, i);
        for (int i = 1; i <= kScriptTimers; ++i)
            Name(where + QStringLiteral("/タイマー/No.") + QString::number(i), ConstKind::Timer, i);
    }

    void StartupRules() {
        for (int slot = 0; slot < 2; ++slot) {
            where_ = QStringLiteral("初期化設定/ルール") + QString::number(slot + 1);
            const QString& text = project_.settings.startupRules[slot].text;
            if (const QString c = FirstNonCp932Character(text); !c.isEmpty())
                Report(QStringLiteral("Shift_JISで書けない文字「%1」があります").arg(c));
            InitTextControls(text);
            QString error;
            const QList<ScriptNode> nodes = ScriptReader(text).ReadAll(error);
            if (!error.isEmpty()) {
                Report(QStringLiteral("初期化ルールの") + error);
                continue;
            }
            SetSubject(QStringLiteral("初期化ルール"), nullptr);
            for (const ScriptNode& node : nodes)
                Expression(node, ScriptContext::Rule);
        }
    }

    void Rules() {
        for (int k = 1; k <= kCategoryCount; ++k) {
            const Category& category = project_.CategoryAt(k);
            const QString caption = CategoryCaption(k);
            const QString& rootScript = project_.settings.rootConditions[k - 1].conditionScript;
            QString group = project_.RootCaption(k);
            const QString* script = &rootScript;
            bool rootChecked = false;
            const RuleEntry* groupEntry = nullptr;
            bool groupChecked = false;
            for (const RuleEntry& entry : category.entries) {
                if (entry.IsGroupStart()) {
                    groupEntry = &entry;
                    groupChecked = false;
                    group = entry.title;
                    script = &entry.groupConditionScript;
                    continue;
                }
                // A root rule belongs to the root group wherever it stands.
                const bool root = entry.IsRootRule() || !groupEntry;
                const QString groupName = Shown(root ? project_.RootCaption(k) : group);
                if (root ? !rootChecked : !groupChecked) {
                    LoadConditions(caption + QLatin1Char('/') + groupName,
                                   root ? rootScript : *script);
                    (root ? rootChecked : groupChecked) = true;
                }
                Rule(caption + QLatin1Char('/') + groupName + QLatin1Char('/') + Shown(entry.title),
                     entry);
            }
        }
    }

private:
    void AddConstant(ConstKind kind, int slot) {
        if (CheckConstName(project_, kind, slot, ConstName(project_, kind, slot)).isEmpty())
            constants_.insert(ConstName(project_, kind, slot), slot);
    }

    void Report(const QString& text) { problems_.append({where_, text}); }

    // `text` fills the pattern's %1; it must outlive the subject's use.
    void SetSubject(const QString& pattern, const QString* text) {
        subjectPattern_ = pattern;
        subjectText_ = text;
    }
    QString Subject() const {
        return subjectText_ ? subjectPattern_.arg(Shown(*subjectText_)) : subjectPattern_;
    }

    void SingleLine(const QString& where, const QString& what, const QString& text) {
        where_ = where;
        OneLineText(what, nullptr, text);
    }

    // `what` names the text in the report ("ルール名", "条件「%1」の説明"
    // with `whose` for %1); it is made only when there is a problem.
    void OneLineText(const QString& what, const QString* whose, QStringView text) {
        const Controls controls = ControlsIn(text);
        const QString bad = FirstNonCp932Character(text);
        if (controls == Controls::None && bad.isEmpty())
            return;
        const QString name = whose ? what.arg(Shown(*whose)) : what;
        switch (controls) {
        case Controls::LineBreakers:
            Report(name + QStringLiteral("の改行とNULは空白として書き出します"));
            break;
        case Controls::Other:
            Report(name + QStringLiteral("に制御文字があります"));
            break;
        case Controls::None:
            break;
        }
        if (!bad.isEmpty())
            Report(name + QStringLiteral("にShift_JISで書けない文字「%1」があります").arg(bad));
    }

    void Name(const QString& where, ConstKind kind, int slot) {
        where_ = where;
        const QString problem =
            CheckConstName(project_, kind, slot, ConstName(project_, kind, slot));
        if (!problem.isEmpty())
            Report(problem);
    }

    void LoadConditions(const QString& where, const QString& script) {
        where_ = where;
        if (script.isEmpty())
            return;
        // Every line, the last too, must end: the rule's "(defrule" follows.
        QList<QStringView> lines = SplitLines(script);
        if (lines.last().isEmpty())
            lines.removeLast();
        else
            Report(QStringLiteral("実行条件が改行で終わっていません"));
        for (const QStringView view : lines) {
            const QString line = view.toString();
            const QString word = line.section(QLatin1Char(' '), 1);
            const bool known = line.startsWith(QLatin1String("#load-if-defined ")) ||
                               line.startsWith(QLatin1String("#load-if-not-defined "));
            if (!known || line.count(QLatin1Char('#')) != 1 || ControlsIn(line) != Controls::None)
                Report(QStringLiteral("実行条件の行「%1」を読めません").arg(Shown(line)));
            else if (!IsGameSettingSymbol(word))
                Report(QStringLiteral("実行条件「%1」の「%2」はゲームの記号にありません")
                           .arg(line, word));
        }
    }

    void Rule(const QString& where, const RuleEntry& rule) {
        where_ = where;
        OneLineText(QStringLiteral("ルール名"), nullptr, rule.title);

        // Lines as the builder and the event list cut them.
        const QStringList lines = SplitConditionLines(rule.conditions);
        const QList<QStringView> events = SplitLines(rule.actions);
        const int commands = int(lines.size() + events.size());
        if (commands > kMaxCommands)
            Report(CommandLimitProblem(commands));

        QList<ConditionLine> entries;
        for (const QString& line : lines)
            entries.append(ReadConditionLine(line));
        for (int i = 0; i < entries.size(); ++i)
            Condition(entries, i);
        for (const QStringView line : events)
            Event(line);
    }

    void Condition(const QList<ConditionLine>& entries, int i) {
        const ConditionLine& entry = entries[i];
        OneLineText(QStringLiteral("条件「%1」の説明"), &entry.cap, entry.cap);
        OneLineText(QStringLiteral("条件「%1」の式"), &entry.cap, entry.script);
        if (entry.editdat.startsWith(QLatin1String("Sys"))) {
            int children = 0;
            for (const ConditionLine& other : entries)
                children += other.pw == i + 1 ? 1 : 0;
            const QString op = entry.script.toUpper();
            if (!IsLogicalOperatorWord(entry.script))
                Report(QStringLiteral("演算子「%1」はゲームにありません").arg(Shown(entry.script)));
            else if (children == 0)
                Report(QStringLiteral("演算子「%1」の下に条件がありません").arg(op));
            else if (entry.script == QLatin1String("not") && children > 1)
                Report(
                    QStringLiteral("演算子「NOT」の下に条件が%1個あります（1個だけにしてください）")
                        .arg(children));
            return;
        }
        if (entry.script.trimmed().isEmpty()) {
            Report(entries.size() == 1 && entry.cap.isEmpty() && entry.editdat.isEmpty()
                       ? QStringLiteral("条件がありません（(true)として書き出します）")
                       : QStringLiteral("条件「%1」が空です（(true)として書き出します）")
                             .arg(Shown(entry.cap)));
            return;
        }
        SetSubject(QStringLiteral("条件「(%1)」"), &entry.script);
        One(QLatin1Char('(') + entry.script + QLatin1Char(')'), ScriptContext::Fact);
    }

    void Event(QStringView view) {
        const QString line = view.toString();
        // What the builder keeps of the line: the command up to its first ")".
        const QString command = ReadEventLine(line).command.toString();
        OneLineText(QStringLiteral("イベントの行「%1」"), &line, line);
        DroppedEventText(line);
        if (command.isEmpty()) {
            Report(line.trimmed().isEmpty()
                       ? QStringLiteral("イベントの行が空です")
                       : QStringLiteral("イベントの行「%1」に命令がありません").arg(Shown(line)));
            return;
        }
        SetSubject(QStringLiteral("イベント「%1」"), &command);
        One(command, ScriptContext::Action);
    }

    // The initialisation text is written line by line as it stands: any
    // control character but the line ends would reach the script.
    void InitTextControls(const QString& text) {
        const qsizetype at = FirstControlCharacter(text, true);
        if (at >= 0)
            Report(QStringLiteral("初期化ルールに制御文字(%1)があります")
                       .arg(ControlCharacterName(text[at])));
    }

    // The builder keeps an event line's command up to its first ")" and its
    // comment from its first ";": whatever stands between is never written.
    void DroppedEventText(const QString& line) {
        const qsizetype close = line.indexOf(QLatin1Char(')'));
        if (close < 0)
            return;
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        if (semicolon >= 0 && semicolon < close)
            return; // the rest stands in the comment
        const qsizetype end = semicolon < 0 ? line.size() : semicolon;
        const QString dropped = line.mid(close + 1, end - close - 1).trimmed();
        if (!dropped.isEmpty())
            Report(QStringLiteral("イベントの行「%1」の「%2」は書き出されません")
                       .arg(Shown(line), Shown(dropped)));
    }

    // A text that must hold exactly one parenthesised expression.
    void One(const QString& text, ScriptContext context) {
        QString error;
        const QList<ScriptNode> nodes = ScriptReader(text).ReadAll(error);
        if (!error.isEmpty()) {
            Report(Subject() + QStringLiteral("の") + error);
            return;
        }
        if (nodes.size() != 1 || nodes.front().kind != ScriptNode::Kind::List) {
            Report(Subject() + QStringLiteral("の括弧が合っていません"));
            return;
        }
        Expression(nodes.front(), context);
    }

    void Expression(const ScriptNode& node, ScriptContext context) {
        // Every problem of the expression belongs to the subject the caller
        // set: a condition, an event line or an initialisation rule.
        ExpressionCheck(
            constants_, [this](const ScriptNode&, ScriptContext) { return Subject(); },
            [this](const ScriptNode&, const QString& text) { Report(text); })
            .Check(node, context);
    }

    // A text as the user is shown it: control characters made visible.
    static QString Shown(const QString& text) {
        return ControlsIn(text) == Controls::None ? text : ShownWithControls(text);
    }

    const Project& project_;
    QList<ScriptProblem>& problems_;
    QHash<QString, long long> constants_;
    QString where_;
    // What the current expression is called in a report, made only when
    // there is something to report: most texts are clean.
    QString subjectPattern_;
    const QString* subjectText_ = nullptr;
};

} // namespace

Notice ScriptProblemsQuestion(const QList<ScriptProblem>& problems) {
    constexpr int kShown = 20;
    QString text = QStringLiteral("生成するスクリプトに%1件の問題があります。ゲームがこのAIを"
                                  "読み込めないことがあります。\n\n")
                       .arg(problems.size());
    for (int i = 0; i < problems.size() && i < kShown; ++i)
        text += problems[i].Line() + QLatin1Char('\n');
    if (problems.size() > kShown)
        text += QStringLiteral("ほか%1件\n").arg(problems.size() - kShown);
    text += QStringLiteral("\nこのまま生成しますか？");
    return Notice{text, QStringLiteral("スクリプトの確認"), Notice::Icon::Warning};
}

QList<ScriptProblem> CheckScript(const Project& project) {
    QList<ScriptProblem> problems;
    Checker checker(project, problems);
    checker.Settings();
    checker.StartupRules();
    checker.Rules();
    return problems;
}

} // namespace rw

#include "builder/ScriptCheck.h"

#include "builder/ConstNames.h"
#include "builder/ExpressionCheck.h"
#include "builder/ScriptHeader.h"
#include "builder/WordMap.h"
#include "builder/ZuzAdidodi.h"
#include "model/ConditionLine.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "vocabulary/ScriptWords.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace rw {

namespace {

// What a one-line text holds that a line of the script cannot: the builder
// writes CR, LF and NUL as blanks (so the text reads differently), and
// passes any other control character on as it is.
enum class Controls { None, LineBreakers, Other };

Controls ControlsIn(QStringView text) {
    // Line breaks and NUL are control characters too: most texts hold none
    // and are looked at once.
    if (FirstControlCharacter(text) < 0)
        return Controls::None;
    return FirstLineBreaker(text) >= 0 ? Controls::LineBreakers : Controls::Other;
}

// Texts found clean once, so that a text met again is not looked at again:
// a large project repeats the same captions, facts, event lines and whole
// fields thousands of times. Whether such a text is clean depends on it
// alone (the constants stay as they are for the whole check), so a text met
// again has nothing to tell either. Each keeps a number (the lines of a
// field). It pays only where texts repeat: a run of lookups that finds few
// of them ends its use, so that a project whose texts all differ costs
// little time, and it is bounded, so that such a project costs little
// memory.
class CleanTexts {
public:
    // The number kept with the text, or null when it was not found clean.
    const qsizetype* Find(QStringView text) {
        if (off_ || count_ == 0)
            return nullptr;
        const std::size_t hash = WordHash()(text);
        const std::size_t i = SlotFor(text, hash);
        const bool found = tags_[i] != 0;
        hits_ += found ? 1 : 0;
        if (++lookups_ == kTrial) {
            off_ = hits_ * 4 < lookups_;
            lookups_ = hits_ = 0;
        }
        return found ? &texts_[i].value : nullptr;
    }
    bool Contains(QStringView text) { return Find(text) != nullptr; }

    void Add(QStringView text, qsizetype value = 0) {
        if (off_ || text.size() > kLongest || units_ + text.size() > kMostUnits ||
            count_ == kMostTexts)
            return;
        // Open addressing, at most half full.
        if (2 * (count_ + 1) > tags_.size())
            Rehash(std::max<std::size_t>(64, 2 * tags_.size()));
        const std::size_t hash = WordHash()(text);
        const std::size_t i = SlotFor(text, hash);
        if (tags_[i] != 0)
            return;
        tags_[i] = TagOf(hash);
        texts_[i] = Text{text.toString(), value};
        units_ += text.size();
        ++count_;
    }

private:
    struct Text {
        QString text;
        qsizetype value = 0;
    };

    // A slot's tag is part of its text's hash (never 0, which marks an empty
    // slot): the tags alone are looked through, and they are few enough to
    // stay in the nearest cache while the project's texts stream past.
    static std::uint32_t TagOf(std::size_t hash) { return std::uint32_t(hash >> 32) | 1; }

    // The slot holding the text, or the empty one where it would go.
    std::size_t SlotFor(QStringView text, std::size_t hash) const {
        const std::size_t mask = tags_.size() - 1;
        const std::uint32_t tag = TagOf(hash);
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            if (tags_[i] == 0 || (tags_[i] == tag && texts_[i].text == text))
                return i;
        }
    }

    void Rehash(std::size_t size) {
        std::vector<std::uint32_t> oldTags = std::exchange(tags_, std::vector<std::uint32_t>(size));
        std::vector<Text> oldTexts = std::exchange(texts_, std::vector<Text>(size));
        for (std::size_t i = 0; i < oldTags.size(); ++i) {
            if (oldTags[i] == 0)
                continue;
            const std::size_t i2 = SlotFor(oldTexts[i].text, WordHash()(oldTexts[i].text));
            tags_[i2] = oldTags[i];
            texts_[i2] = std::move(oldTexts[i]);
        }
    }

    static constexpr qsizetype kLongest = 4000;
    // Few enough that the tags stay in the nearer caches.
    static constexpr std::size_t kMostTexts = 4096;
    static constexpr qsizetype kMostUnits = qsizetype(1) << 18;
    static constexpr int kTrial = 4096;
    std::vector<std::uint32_t> tags_;
    std::vector<Text> texts_;
    std::size_t count_ = 0;
    qsizetype units_ = 0;
    int lookups_ = 0, hits_ = 0;
    bool off_ = false;
};

class Checker {
public:
    Checker(const Project& project, QList<ScriptProblem>& problems)
        : project_(project), problems_(problems),
          expressions_(
              constants_, [this](const ScriptNode&, ScriptContext) { return Subject(); },
              [this](const ScriptNode&, const QString& text) { Report(text); }) {
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
            SetWhere(QStringLiteral("初期化設定/ルール") + QString::number(slot + 1));
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
            SetSubject(QStringLiteral("初期化ルール"));
            for (const ScriptNode& node : nodes)
                Expression(node, ScriptContext::Rule);
        }
    }

    void Rules() {
        for (int k = 1; k <= kCategoryCount; ++k) {
            const Category& category = project_.CategoryAt(k);
            const QString caption = CategoryCaption(k) + QLatin1Char('/');
            const QString& rootScript = project_.settings.rootConditions[k - 1].conditionScript;
            const QString rootGroup = caption + Shown(project_.RootCaption(k));
            QString group = rootGroup;
            const QString* script = &rootScript;
            bool rootChecked = false;
            bool inGroup = false;
            bool groupChecked = false;
            for (qsizetype e = 0; e < category.entries.size(); ++e) {
                const RuleEntry& entry = category.entries[e];
                // The texts of the entry after next are fetched while this
                // one is read.
                if (e + 2 < category.entries.size())
                    PrefetchRuleTexts(category.entries[e + 2]);
                if (entry.IsGroupStart()) {
                    inGroup = true;
                    groupChecked = false;
                    group = caption + Shown(entry.title);
                    script = &entry.groupConditionScript;
                    continue;
                }
                // A root rule belongs to the root group wherever it stands.
                const bool root = entry.IsRootRule() || !inGroup;
                if (root ? !rootChecked : !groupChecked) {
                    LoadConditions(root ? rootGroup : group, root ? rootScript : *script);
                    (root ? rootChecked : groupChecked) = true;
                }
                Rule(root ? rootGroup : group, entry);
            }
        }
    }

private:
    void AddConstant(ConstKind kind, int slot) {
        if (CheckConstName(project_, kind, slot, ConstName(project_, kind, slot)).isEmpty())
            constants_.insert_or_assign(ConstName(project_, kind, slot), slot);
    }

    // Where a problem is: a fixed place, or a rule of a group (its name is
    // made only when there is a problem: most rules have none).
    void SetWhere(const QString& where) {
        where_ = where;
        ruleTitle_ = nullptr;
    }
    void SetRuleWhere(const QString& group, const QString& title) {
        where_ = group;
        ruleTitle_ = &title;
    }
    QString Where() const {
        return ruleTitle_ ? where_ + QLatin1Char('/') + Shown(*ruleTitle_) : where_;
    }
    void Report(const QString& text) { problems_.append({Where(), text}); }

    // `text` fills the pattern's %1; it must outlive the subject's use.
    void SetSubject(const QString& pattern, std::optional<QStringView> text = std::nullopt) {
        subjectPattern_ = pattern;
        subjectText_ = text;
    }
    QString Subject() const {
        return subjectText_ ? subjectPattern_.arg(Shown(*subjectText_)) : subjectPattern_;
    }

    void SingleLine(const QString& where, const QString& what, const QString& text) {
        SetWhere(where);
        OneLineText(what, std::nullopt, text);
    }

    // `what` names the text in the report ("ルール名", "条件「%1」の説明"
    // with `whose` for %1); it is made only when there is a problem.
    void OneLineText(const QString& what, std::optional<QStringView> whose, QStringView text) {
        const Controls controls = ControlsIn(text);
        const bool bad = !IsCp932(text);
        if (controls == Controls::None && !bad)
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
        if (bad)
            Report(name + QStringLiteral("にShift_JISで書けない文字「%1」があります")
                              .arg(FirstNonCp932Character(text)));
    }

    void Name(const QString& where, ConstKind kind, int slot) {
        SetWhere(where);
        const QString problem =
            CheckConstName(project_, kind, slot, ConstName(project_, kind, slot));
        if (!problem.isEmpty())
            Report(problem);
    }

    void LoadConditions(const QString& where, const QString& script) {
        SetWhere(where);
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

    void Rule(const QString& group, const RuleEntry& rule) {
        SetRuleWhere(group, rule.title);
        OneLineText(QStringLiteral("ルール名"), std::nullopt, rule.title);

        // Lines as the builder and the event list cut them; a field found
        // clean before is known by its number of lines alone.
        const std::optional<qsizetype> conditionCount = Known(cleanConditions_, rule.conditions);
        const std::optional<qsizetype> eventCount = Known(cleanActions_, rule.actions);
        std::optional<ConditionLineViews> entries;
        QList<QStringView> events;
        if (!conditionCount)
            entries.emplace(rule.conditions);
        if (!eventCount)
            events = SplitLines(rule.actions);
        const qsizetype commands = (conditionCount ? *conditionCount : entries->size()) +
                                   (eventCount ? *eventCount : events.size());
        if (commands > kMaxCommands)
            Report(CommandLimitProblem(int(commands)));

        if (entries) {
            const qsizetype before = problems_.size();
            for (qsizetype i = 0; i < entries->size(); ++i)
                Condition(*entries, i);
            if (problems_.size() == before)
                cleanConditions_.Add(rule.conditions, entries->size());
        }
        if (!eventCount) {
            const qsizetype before = problems_.size();
            for (const QStringView line : events)
                Event(line);
            if (problems_.size() == before)
                cleanActions_.Add(rule.actions, events.size());
        }
    }

    static std::optional<qsizetype> Known(CleanTexts& clean, QStringView text) {
        const qsizetype* value = clean.Find(text);
        return value ? std::optional<qsizetype>(*value) : std::nullopt;
    }

    // Runs `check` unless `text` was found clean before; remembers it when
    // the check finds nothing.
    template <typename Check> void Once(CleanTexts& clean, QStringView text, Check check) {
        if (clean.Contains(text))
            return;
        const qsizetype before = problems_.size();
        check();
        if (problems_.size() == before)
            clean.Add(text);
    }

    void Condition(const ConditionLineViews& entries, qsizetype i) {
        const ConditionLineView& entry = entries[i];
        Once(cleanCaptions_, entry.cap,
             [&] { OneLineText(QStringLiteral("条件「%1」の説明"), entry.cap, entry.cap); });
        if (entry.editdat.startsWith(QLatin1String("Sys"))) {
            OneLineText(QStringLiteral("条件「%1」の式"), entry.cap, entry.script);
            Operator(entries, i);
            return;
        }
        Once(cleanFacts_, entry.script, [&] { Fact(entries, entry); });
    }

    void Fact(const ConditionLineViews& entries, const ConditionLineView& entry) {
        OneLineText(QStringLiteral("条件「%1」の式"), entry.cap, entry.script);
        if (entry.script.trimmed().isEmpty()) {
            Report(entries.size() == 1 && entry.cap.isEmpty() && entry.editdat.isEmpty()
                       ? QStringLiteral("条件がありません（(true)として書き出します）")
                       : QStringLiteral("条件「%1」が空です（(true)として書き出します）")
                             .arg(Shown(entry.cap)));
            return;
        }
        SetSubject(QStringLiteral("条件「(%1)」"), entry.script);
        // The fact as the builder writes it, in a buffer kept for the next.
        fact_.resize(0);
        fact_.append(QLatin1Char('('));
        fact_.append(entry.script);
        fact_.append(QLatin1Char(')'));
        One(fact_, ScriptContext::Fact);
    }

    void Operator(const ConditionLineViews& entries, qsizetype i) {
        const QStringView op = entries[i].script;
        int children = 0;
        for (const ConditionLineView& other : entries)
            children += other.pw == i + 1 ? 1 : 0;
        if (!IsLogicalOperatorWord(op))
            Report(QStringLiteral("演算子「%1」はゲームにありません").arg(Shown(op)));
        else if (children == 0)
            Report(
                QStringLiteral("演算子「%1」の下に条件がありません").arg(op.toString().toUpper()));
        else if (op == QLatin1String("not") && children > 1)
            Report(QStringLiteral("演算子「NOT」の下に条件が%1個あります（1個だけにしてください）")
                       .arg(children));
    }

    void Event(QStringView line) {
        Once(cleanEvents_, line, [&] { CheckEvent(line); });
    }

    void CheckEvent(QStringView line) {
        // What the builder keeps of the line: the command up to its first ")".
        const QStringView command = ReadEventLine(line).command;
        OneLineText(QStringLiteral("イベントの行「%1」"), line, line);
        DroppedEventText(line);
        if (command.isEmpty()) {
            Report(line.trimmed().isEmpty()
                       ? QStringLiteral("イベントの行が空です")
                       : QStringLiteral("イベントの行「%1」に命令がありません").arg(Shown(line)));
            return;
        }
        SetSubject(QStringLiteral("イベント「%1」"), command);
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
    void DroppedEventText(QStringView line) {
        const qsizetype close = FindChar(line, QLatin1Char(')'));
        if (close < 0)
            return;
        const qsizetype semicolon = FindChar(line, QLatin1Char(';'));
        if (semicolon >= 0 && semicolon < close)
            return; // the rest stands in the comment
        const qsizetype end = semicolon < 0 ? line.size() : semicolon;
        const QStringView dropped = line.mid(close + 1, end - close - 1).trimmed();
        if (!dropped.isEmpty())
            Report(QStringLiteral("イベントの行「%1」の「%2」は書き出されません")
                       .arg(Shown(line), Shown(dropped)));
    }

    // A text that must hold exactly one parenthesised expression.
    void One(QStringView text, ScriptContext context) {
        ScriptReader reader(text);
        QString error;
        qsizetype count = 0;
        while (reader.Next(count == 0 ? first_ : next_, error))
            ++count;
        if (!error.isEmpty()) {
            Report(Subject() + QStringLiteral("の") + error);
            return;
        }
        if (count != 1 || first_.kind != ScriptNode::Kind::List) {
            Report(Subject() + QStringLiteral("の括弧が合っていません"));
            return;
        }
        Expression(first_, context);
    }

    // Every problem of the expression belongs to the subject set last: a
    // condition, an event line or an initialisation rule.
    void Expression(const ScriptNode& node, ScriptContext context) {
        expressions_.Check(node, context);
    }

    // A text as the user is shown it: control characters made visible.
    static QString Shown(QStringView text) {
        return ControlsIn(text) == Controls::None ? text.toString() : ShownWithControls(text);
    }

    const Project& project_;
    QList<ScriptProblem>& problems_;
    ConstantValues constants_;
    ExpressionCheck expressions_;
    QString where_;
    const QString* ruleTitle_ = nullptr;
    // What the current expression is called in a report, made only when
    // there is something to report: most texts are clean.
    QString subjectPattern_;
    std::optional<QStringView> subjectText_;
    // Kept from one expression to the next, with the room they have.
    QString fact_;
    ScriptNode first_, next_;
    CleanTexts cleanCaptions_, cleanFacts_, cleanEvents_, cleanConditions_, cleanActions_;
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

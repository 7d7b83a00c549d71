#include "builder/ZuzAdidodi.h"

#include "builder/ScriptHeader.h"
#include "model/CategoryTree.h"
#include "model/ConditionLine.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "model/TextScan.h"

#include <bit>

namespace rw {

namespace {

struct BuildEntry {
    const RuleEntry* rule = nullptr;
    const QString* script = nullptr;
    int category = 0;
};

QList<BuildEntry> Flatten(const Project& project) {
    QList<BuildEntry> entries;
    entries.reserve(CountRules(project));
    for (int k = 1; k <= kCategoryCount; ++k) {
        const QString& rootScript = project.settings.rootConditions[k - 1].conditionScript;
        const QString* current = &rootScript;
        for (const RuleEntry& entry : project.CategoryAt(k).entries) {
            if (entry.IsGroupStart()) {
                current = &entry.groupConditionScript;
                continue;
            }
            // A root rule belongs to the root group wherever it stands, as
            // the rule tree shows it, so it carries the root's conditions.
            entries.append(BuildEntry{&entry, entry.IsRootRule() ? &rootScript : current, k});
        }
    }
    return entries;
}

Notice Refusal(const QString& text) {
    return Notice{text, QStringLiteral("ビルドエラー"), Notice::Icon::Critical};
}

// The first control character the builder cannot mend: line breaks and
// NUL become line ends or blanks, anything else is refused.
std::optional<QChar> RefusedControl(QStringView text) {
    const qsizetype i = FirstControlBesidesLineBreakers(text);
    return i < 0 ? std::nullopt : std::optional<QChar>(text[i]);
}

Notice ControlRefusal(const QString& where, QChar c) {
    return Refusal(
        QStringLiteral("%1に制御文字(%2)があります").arg(where, ControlCharacterName(c)));
}

Notice CheckSettingsControls(const Project& project) {
    std::optional<QChar> c;
    if ((c = RefusedControl(project.settings.title)))
        return ControlRefusal(QStringLiteral("AIのタイトル"), *c);
    if ((c = RefusedControl(project.settings.author)))
        return ControlRefusal(QStringLiteral("作者"), *c);
    for (int i = 1; i <= kScriptVariables; ++i)
        if ((c = RefusedControl(project.settings.variables[i].constName)))
            return ControlRefusal(QStringLiteral("変数%1の名前").arg(i), *c);
    for (int i = 1; i <= kScriptTimers; ++i)
        if ((c = RefusedControl(project.settings.timers[i].name)))
            return ControlRefusal(QStringLiteral("タイマー%1の名前").arg(i), *c);
    for (int slot = 0; slot < 2; ++slot)
        if ((c = RefusedControl(project.settings.startupRules[slot].text)))
            return ControlRefusal(QStringLiteral("初期化設定"), *c);
    return {};
}

// What the check of a rule needs of a multi-line field, from one pass over
// it: how many CR LF it holds, how many line ends of any kind (CR LF, a
// lone CR, a lone LF), and whether it holds a control character the
// builder cannot mend. Line ends are control characters too, so a block
// without any control character holds none of these.
struct FieldScan {
    qsizetype crLfs = 0;
    qsizetype lineEnds = 0;
    bool refused = false;
};

FieldScan ScanField(QStringView text) {
    FieldScan scan;
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    auto at = [&](qsizetype i) {
        const char16_t u = s[i];
        if (u == u'\r') {
            ++scan.lineEnds;
            scan.crLfs += i + 1 < n && s[i + 1] == u'\n' ? 1 : 0;
        } else if (u == u'\n') {
            scan.lineEnds += i == 0 || s[i - 1] != u'\r' ? 1 : 0;
        } else if (u != 0 && IsControlCharacter(QChar(u))) {
            scan.refused = true;
        }
    };
    qsizetype i = 0;
    for (; i + textscan::kBlock <= n; i += textscan::kBlock)
        for (unsigned bits = textscan::ControlMask(s + i); bits != 0; bits &= bits - 1)
            at(i + std::countr_zero(bits));
    for (; i < n; ++i)
        at(i);
    return scan;
}

// What of a rule the builder will not write: more commands than a rule may
// hold, or a control character in a text it writes (the conditions' Pw and
// editdat are not written).
Notice CheckRule(const BuildEntry& entry) {
    const RuleEntry& rule = *entry.rule;
    auto where = [&] {
        return QStringLiteral("「%1」のルール「%2」")
            .arg(CategoryCaption(entry.category), OneLine(rule.title));
    };
    // The lines SplitConditionLines and SplitLines find, without making them.
    const FieldScan conditions = ScanField(rule.conditions);
    const FieldScan actions = ScanField(rule.actions);
    const qsizetype conditionLines =
        rule.conditions.isEmpty()
            ? 1
            : conditions.crLfs + (rule.conditions.endsWith(QLatin1String("\r\n")) ? 0 : 1);
    const int commands = int(conditionLines + actions.lineEnds + 1);
    if (commands > kMaxCommands)
        return Refusal(where() + QStringLiteral(": ") + CommandLimitProblem(commands));
    std::optional<QChar> c;
    if ((c = RefusedControl(rule.title)) ||
        (actions.refused && (c = RefusedControl(rule.actions))) ||
        (c = RefusedControl(*entry.script)))
        return ControlRefusal(where(), *c);
    if (conditions.refused) {
        for (const ConditionLineView& read : ConditionLineViews(rule.conditions))
            if ((c = RefusedControl(read.cap)) || (c = RefusedControl(read.script)))
                return ControlRefusal(where(), *c);
    }
    return {};
}

Notice CheckSettings(const Project& project) {
    auto refuse = [](const QString& where, const QString& c) {
        return Refusal(QStringLiteral("%1にShift_JISで書けない文字「%2」があります").arg(where, c));
    };
    QString c;
    if (!(c = FirstNonCp932Character(project.settings.title)).isEmpty())
        return refuse(QStringLiteral("AIのタイトル"), c);
    if (!(c = FirstNonCp932Character(project.settings.author)).isEmpty())
        return refuse(QStringLiteral("作者"), c);
    for (int i = 1; i <= kScriptVariables; ++i)
        if (!(c = FirstNonCp932Character(project.settings.variables[i].constName)).isEmpty())
            return refuse(QStringLiteral("変数%1の名前").arg(i), c);
    for (int i = 1; i <= kScriptTimers; ++i)
        if (!(c = FirstNonCp932Character(project.settings.timers[i].name)).isEmpty())
            return refuse(QStringLiteral("タイマー%1の名前").arg(i), c);
    for (int slot = 0; slot < 2; ++slot)
        if (!(c = FirstNonCp932Character(project.settings.startupRules[slot].text)).isEmpty())
            return refuse(QStringLiteral("初期化設定"), c);
    return CheckSettingsControls(project);
}

} // namespace

QString CommandLimitProblem(int commands) {
    return QStringLiteral("命令が%1個あります（1つのルールに%2個まで）")
        .arg(commands)
        .arg(kMaxCommands);
}

void PrefetchRuleTexts(const RuleEntry& rule) {
    for (const QString* text : {&rule.title, &rule.conditions, &rule.actions})
        textscan::Prefetch(reinterpret_cast<const char16_t*>(text->constData()), text->size());
}

QString ScriptBuild::Text() const {
    return FromCp932(bytes);
}

namespace {

// The header, the constants and the initialisation rules.
void AppendOpening(const Project& project, const EnvironmentSettings& settings, QByteArray& bytes) {
    QString opening =
        (settings.projectHeader ? ScriptHeader(project) : QString()) + ScriptConstants(project);
    AppendCrLfLines(opening, project.settings.startupRules[0].text);
    AppendCrLfLines(opening, project.settings.startupRules[1].text);
    AppendCp932(opening, bytes);
}

// Writes the rules one at a time, each straight into the script's bytes:
// the text of the whole script is never held.
class RuleWriter {
public:
    RuleWriter(const EnvironmentSettings& settings, const RowProgress& progress)
        : renderer_(kScriptCommentColumn, settings), progress_(progress) {}

    // The rule inside its group's load conditions, or why it cannot be
    // written in code page 932.
    Notice Append(const BuildEntry& entry, QByteArray& bytes) {
        Cp932Writer out(bytes);
        out.AppendAscii(QLatin1StringView("\r\n"));
        out.AppendCrLfLines(*entry.script);
        renderer_.Render(*entry.rule, out, progress_, entry.category);
        AppendEndIfs(*entry.script, out);
        out.Finish();
        if (!out.Failed())
            return {};
        return Refusal(
            QStringLiteral("「%1」のルール「%2」にShift_JISで書けない文字「%3」があります")
                .arg(CategoryCaption(entry.category), entry.rule->title, out.Unwritable()));
    }

private:
    RuleRenderer renderer_;
    const RowProgress& progress_;
};

} // namespace

ScriptBuild ZuzAdidodi(const Project& project, const BuildProgress& progress,
                       const EnvironmentSettings& settings, const ScriptSink& sink) {
    ScriptBuild build;
    const QList<BuildEntry> entries = Flatten(project);
    build.ruleCount = int(entries.size());
    if (entries.isEmpty()) {
        build.notice = Refusal(QStringLiteral("ルールが一個もありません"));
        return build;
    }
    build.notice = CheckSettings(project);
    if (!build.Ok())
        return build;

    // A rule of a dozen rows padded to the comment column is about 1.5 kB.
    // A sink takes the script in pieces of about a megabyte.
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray& bytes = build.bytes;
    bytes.reserve(sink ? kPiece + 65536 : 8192 + qsizetype(entries.size()) * 1536);
    AppendOpening(project, settings, bytes);
    RuleWriter writer(settings, progress.row);
    const int count = int(entries.size());
    for (int i = 0; i < count; ++i) {
        if (progress.cancelled && progress.cancelled()) {
            build.bytes.clear();
            build.cancelled = true;
            return build;
        }
        const BuildEntry& entry = entries[i];
        // The rule after next is fetched while this one is written.
        if (i + 2 < count)
            PrefetchRuleTexts(*entries[i + 2].rule);
        build.notice = CheckRule(entry);
        if (build.Ok()) {
            if (progress.rule)
                progress.rule(i + 1, count, entry.rule->title);
            build.notice = writer.Append(entry, bytes);
        }
        if (!build.Ok()) {
            build.bytes.clear();
            return build;
        }
        if (sink && bytes.size() >= kPiece) {
            sink(bytes);
            bytes.resize(0);
            bytes.reserve(kPiece + 65536);
        }
    }
    if (sink) {
        sink(bytes);
        bytes = QByteArray();
    }
    return build;
}

} // namespace rw

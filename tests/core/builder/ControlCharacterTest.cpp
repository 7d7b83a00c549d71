#include "BuilderTestUtil.h"

#include "builder/ScriptCheck.h"
#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "events/PanelRules.h"
#include "model/ScriptLines.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace rw;
using rw::test::Rule;

namespace {

const QString kNul(1, QChar(0));

// Every line ends with CR LF, no CR or LF stands alone and there is no NUL.
void ExpectCleanLines(const QString& text) {
    EXPECT_FALSE(text.contains(QChar(0)));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r')) {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) << "CR at " << i;
        }
        if (text[i] == QLatin1Char('\n')) {
            EXPECT_TRUE(i > 0 && text[i - 1] == QLatin1Char('\r')) << "LF at " << i;
        }
    }
}

QStringList ScriptLines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

// A project whose one-line texts hold line breaks and NULs of every kind.
Project Damaged() {
    Project p = InitialProject();
    p.settings.title = QStringLiteral("AI\r\n(defrule");
    p.settings.author = QStringLiteral("me\nyou") + kNul;
    p.settings.variables[3].constName = QStringLiteral("GOLD\r");
    p.settings.startupRules[0].text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    p.settings.rootConditions[0].conditionScript = QStringLiteral("#load-if-defined TINY-MAP\n");
    p.CategoryAt(1).entries << Rule(QStringLiteral("家\r\n=>\r\n(attack-now)"),
                                    QStringLiteral("(build house) ;建設") + kNul,
                                    QStringLiteral("0;木が\n100;1,wood-amount") + kNul +
                                        QStringLiteral(" >= 100\r\n0;x\ry;1,true\r\n"),
                                    kMarkerRoot);
    p.CategoryAt(5).entries << Rule(
        QStringLiteral("攻撃"),
        QStringLiteral("(set-strategic-number sn-percent-attack-soldiers "
                       "100) ;守備軍の100％\n(attack-now);攻撃する"),
        QStringLiteral("0;(上書きしてください);Overwrite,true\r\n"), kMarkerRoot);
    return p;
}

TEST(ControlCharacters, NeverReachAScriptLine) {
    const ScriptBuild build = ZuzAdidodi(Damaged());
    ASSERT_TRUE(build.Ok()) << build.notice.text.toStdString();
    const QString text = build.Text();
    ExpectCleanLines(text);
    const QStringList lines = ScriptLines(text);
    EXPECT_EQ(lines.count(QStringLiteral("=>")), 2 + build.ruleCount) << "no rule gained an arrow";
    EXPECT_TRUE(lines.contains(QStringLiteral(";タイトル:AI (defrule")));
    EXPECT_TRUE(lines.contains(QStringLiteral(";著作権:me you ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("(defconst GOLD  3)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("#load-if-defined TINY-MAP")));
    EXPECT_GE(
        lines.indexOf(QRegularExpression(QStringLiteral("^\\(defrule +;■家 => \\(attack-now\\)$"))),
        0);
    EXPECT_GE(lines.indexOf(
                  QRegularExpression(QStringLiteral("^    \\(wood-amount  >= 100\\) +;木が 100$"))),
              0);
    EXPECT_GE(lines.indexOf(QRegularExpression(QStringLiteral("^    \\(true\\) +;x y$"))), 0);
}

// The event list, the command count, the script and the preview agree on
// where an event field's lines end, whatever ends them.
TEST(ControlCharacters, EventListScriptAndPreviewSplitEventsAlike) {
    const Project p = Damaged();
    const RuleEntry& attack = p.CategoryAt(5).entries[0];
    const QList<EventListRow> rows = EventListRows(attack.actions);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(EventListRowCount(attack.actions), 2);
    EXPECT_EQ(rows[1].command, QStringLiteral("(attack-now)"));
    EXPECT_EQ(rows[1].comment, QStringLiteral(";攻撃する"));

    const QString script = ZuzAdidodi(p).Text();
    Project copy = p;
    const QString preview = PreviewCommand(copy, 5, 2, false).content;
    ExpectCleanLines(preview);
    for (const QString& text : {script, preview}) {
        const QStringList lines = ScriptLines(text);
        const qsizetype arrow = lines.lastIndexOf(QStringLiteral("=>"));
        ASSERT_GE(arrow, 0);
        EXPECT_TRUE(lines[arrow + 1].startsWith(QStringLiteral("    (set-strategic-number")));
        EXPECT_TRUE(lines[arrow + 1].endsWith(QStringLiteral(";守備軍の100％")));
        EXPECT_TRUE(lines[arrow + 2].startsWith(QStringLiteral("    (attack-now)")));
        EXPECT_TRUE(lines[arrow + 2].endsWith(QStringLiteral(";攻撃する")));
        EXPECT_EQ(lines[arrow + 3], QStringLiteral(")"));
    }
}

// The check reports what the builder had to mend, and agrees with it that a
// lone LF between event lines is a line break, not a character in a line.
TEST(ControlCharacters, CheckReportsThemInTextsOfOneLine) {
    QStringList lines;
    for (const ScriptProblem& problem : CheckScript(Damaged()))
        lines << problem.Line();
    const QString rule = QStringLiteral("建物/建物グループ/家␍␊=>␍␊(attack-now): ");
    const QString mended = QStringLiteral("の改行とNULは空白として書き出します");
    EXPECT_TRUE(lines.contains(rule + QStringLiteral("ルール名") + mended));
    EXPECT_TRUE(lines.contains(rule + QStringLiteral("条件「x␍y」の説明") + mended));
    EXPECT_TRUE(
        lines.contains(rule + QStringLiteral("イベントの行「(build house) ;建設␀」") + mended));
    EXPECT_TRUE(lines.contains(QStringLiteral("プロジェクトの設定/ヘッダ: 作者") + mended));
    for (const QString& line : lines)
        EXPECT_FALSE(line.startsWith(QStringLiteral("攻撃/"))) << line.toStdString();
}

} // namespace

namespace {

Project WithRule(const RuleEntry& rule) {
    Project p = InitialProject();
    p.CategoryAt(1).entries << rule;
    return p;
}

// Any other control character stops the build, naming where it is: one
// that a damaged file was read with (SUB), one a hand-made file holds.
TEST(ControlCharacters, OtherThanLineBreaksStopTheBuildNamingThePlace) {
    const QString del(1, QChar(0x7F));
    const QString sub(1, QChar(0x1A));
    struct Row {
        Project project;
        QString message;
    };
    Project title = WithRule(Rule(QStringLiteral("家") + del, QStringLiteral("(build house)"),
                                  QStringLiteral("0;a;k,true\r\n"), kMarkerRoot));
    Project caption =
        WithRule(Rule(QStringLiteral("家"), QStringLiteral("(build house)"),
                      QStringLiteral("0;木") + sub + QStringLiteral(";k,true\r\n"), kMarkerRoot));
    Project author = WithRule(Rule(QStringLiteral("家"), QStringLiteral("(build house)"),
                                   QStringLiteral("0;a;k,true\r\n"), kMarkerRoot));
    author.settings.author = QStringLiteral("me") + QChar(0x07);
    Project init = author;
    init.settings.author.clear();
    init.settings.startupRules[1].text += QStringLiteral("\x1b[0m");
    for (const Row& row :
         {Row{title, QStringLiteral("「建物」のルール「家 」に制御文字(DEL)があります")},
          Row{caption, QStringLiteral("「建物」のルール「家」に制御文字(SUB)があります")},
          Row{author, QStringLiteral("作者に制御文字(BEL)があります")},
          Row{init, QStringLiteral("初期化設定に制御文字(ESC)があります")}}) {
        const ScriptBuild build = ZuzAdidodi(row.project);
        EXPECT_FALSE(build.Ok());
        EXPECT_TRUE(build.bytes.isEmpty());
        EXPECT_EQ(build.notice.text, row.message);
    }
    // TAB is a blank to the game.
    Project tab = WithRule(Rule(QStringLiteral("家\t1"), QStringLiteral("(build\thouse)"),
                                QStringLiteral("0;a;k,true\r\n"), kMarkerRoot));
    EXPECT_TRUE(ZuzAdidodi(tab).Ok());
}

// The preview is no script file, but shows what the script would hold:
// the same characters, as blanks.
TEST(ControlCharacters, ThePreviewShowsThemAsBlanks) {
    Project p = WithRule(
        Rule(QStringLiteral("家") + QChar(0x7F), QStringLiteral("(build house);建") + QChar(0x1A),
             QStringLiteral("0;a") + QChar(0x1B) + QStringLiteral(";k,true\r\n"), kMarkerRoot));
    const QString preview = PreviewCommand(p, 1, 2, false).content;
    EXPECT_EQ(FirstControlCharacter(preview, true), -1);
    EXPECT_TRUE(preview.contains(QStringLiteral(";■家 \r\n")));
    EXPECT_TRUE(preview.contains(QStringLiteral(";建 \r\n")));
    EXPECT_TRUE(preview.contains(QStringLiteral(";a \r\n")));
}

// A rule nested far deeper than the window allows would give a script
// growing with the square of its depth; the build stops at once.
TEST(ControlCharacters, ARuleOverTheCommandLimitIsNotBuilt) {
    QString conditions;
    for (int i = 0; i < 10000; ++i)
        conditions += QStringLiteral("%1;AND;Sys_And,and\r\n").arg(i);
    conditions += QStringLiteral("10000;(上書きしてください);Overwrite,true\r\n");
    const Project p = WithRule(
        Rule(QStringLiteral("深い"), QStringLiteral("(attack-now)"), conditions, kMarkerRoot));
    const ScriptBuild build = ZuzAdidodi(p);
    EXPECT_FALSE(build.Ok());
    EXPECT_TRUE(build.bytes.isEmpty());
    const QString problem = QStringLiteral("命令が10002個あります（1つのルールに16個まで）");
    EXPECT_EQ(build.notice.text, QStringLiteral("「建物」のルール「深い」: ") + problem);
    QStringList found;
    for (const ScriptProblem& each : CheckScript(p))
        found << each.text;
    EXPECT_TRUE(found.contains(problem));
}

} // namespace

namespace {

QStringList CheckLines(const Project& p) {
    QStringList lines;
    for (const ScriptProblem& problem : CheckScript(p))
        lines << problem.Line();
    return lines;
}

// DEL was not counted as a control character; the initialisation text
// was not looked at; text between an event's ")" and its comment is
// dropped without a word.
TEST(ControlCharacters, CheckReportsDelTheInitialisationTextAndDroppedText) {
    Project p = WithRule(Rule(QStringLiteral("家"),
                              QStringLiteral("(build house);家") + QChar(0x7F) +
                                  QStringLiteral("\r\n(build house) house ;家"),
                              QStringLiteral("0;a;k,true\r\n"), kMarkerRoot));
    p.settings.startupRules[0].text.insert(0, QStringLiteral(";\x1a\r\n"));
    const QStringList lines = CheckLines(p);
    const QString rule = QStringLiteral("建物/") + p.RootCaption(1) + QStringLiteral("/家: ");
    EXPECT_TRUE(lines.contains(
        rule + QStringLiteral("イベントの行「(build house);家␡」に制御文字があります")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(
        rule +
        QStringLiteral("イベントの行「(build house) house ;家」の「house」は書き出されません")));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("初期化設定/ルール1: 初期化ルールに制御文字(SUB)があります")));
    EXPECT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
}

} // namespace

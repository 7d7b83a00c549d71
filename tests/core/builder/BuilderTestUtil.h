#pragma once

#include "model/Project.h"
#include "storage/NewProject.h"

#include <QString>
#include <QStringList>

namespace rw::test {

inline RuleEntry Rule(const QString& title, const QString& actions, const QString& conditions,
                      const QString& marker = kMarkerGroupRule) {
    RuleEntry e;
    e.title = title;
    e.actions = actions;
    e.conditions = conditions;
    e.marker = marker;
    return e;
}

inline RuleEntry Group(const QString& title, const QString& script) {
    RuleEntry e;
    e.title = title;
    e.groupConditionScript = script;
    e.marker = kMarkerGroup;
    return e;
}

// The two-rule project of the documented example script.
inline Project ExampleProject() {
    Project p = InitialProject();
    p.CategoryAt(1).entries << Rule("家", "(build house)     ;家を建設する",
                                    "0;家が建設できるとき;CannotEdit,can-build house\r\n",
                                    kMarkerRoot);
    p.CategoryAt(5).entries << Group("新しいグループ", "#load-if-defined TINY-MAP\r\n")
                            << Rule("陸軍％攻撃",
                                    "(set-strategic-number sn-percent-attack-soldiers 100) "
                                    ";守備軍の100％が攻撃軍になる\r\n"
                                    "(attack-now);攻撃する",
                                    "0;AND;Sys_And,and\r\n1;(上書きしてください);Overwrite,true\r\n"
                                    "1;(上書きしてください);Overwrite,true\r\n");
    return p;
}

// A rule of 16 commands: 9 condition entries under nested operators and 7
// event lines, with Japanese captions and comments; `n` varies the texts.
inline RuleEntry BigRule(int n, const QString& marker) {
    RuleEntry e;
    e.title = QStringLiteral("ルール%1 町の人を生産").arg(n);
    e.marker = marker;
    e.conditions = QStringLiteral("0;町の人が生産できるとき;CannotEdit,can-train villager\r\n"
                                  "0;AND;Sys_And,and\r\n"
                                  "2;OR;Sys_Or,or\r\n"
                                  "3;木が100以上のとき;Res,wood-amount >= 100\r\n"
                                  "3;食料が50以上のとき;Res,food-amount >= 50\r\n"
                                  "2;NOT;Sys_Not,not\r\n"
                                  "6;町の人が%1人未満のとき;Unit,unit-type-count villager < %1\r\n"
                                  "2;1番の変数が0のとき;Goal,goal 1 0\r\n"
                                  "0;タイマー3が鳴ったとき;Timer,timer-triggered 3\r\n")
                       .arg(n % 100);
    QStringList events;
    for (int i = 0; i < 7; ++i)
        events << QStringLiteral("(train villager)     ;町の人を%1人生産する").arg(i + 1);
    e.actions = events.join(QStringLiteral("\r\n"));
    return e;
}

// `rules` big rules, all in the root group of category 1.
inline Project RootProject(int rules) {
    Project p = InitialProject();
    for (int i = 0; i < rules; ++i)
        p.CategoryAt(1).entries << BigRule(i, kMarkerRoot);
    return p;
}

} // namespace rw::test

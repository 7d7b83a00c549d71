#pragma once

#include "model/Project.h"
#include "storage/NewProject.h"

#include <QString>

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

} // namespace rw::test

#pragma once

#include "model/Notice.h"
#include "model/Project.h"

#include <QString>
#include <QStringList>

namespace rw {

// Every value a project has before the user adds anything: no rules, the
// default root captions and conditions, variables, timers, title, and the
// starting texts of the two initialisation rules.
void InitialiseProject(Project& project);
Project InitialProject();

// Removes every entry of all seven categories and nothing else.
void ClearAllCategories(Project& project);

// Initialisation rule slot 0 (exploration) or 1 (drop distances) as the
// program starts; any other slot is empty with kind 0.
StartupRule InitialStartupRule(int slot);

// The main window's caption for the current path: the file's name, then the
// program's; "[*]" marks where the unsaved mark goes.
QString CaptionText(const QString& currentPath);

// The 41 entries of the rule panel's variable picker: "(変数の変更なし)" and
// then "n: " followed by the description of variable n.
QStringList VariablePickerEntries(const Project& project);

// A rule as "新しいルール" adds it to category 1..7. The attack category's
// event line carries the attack panel's current percentage text. The marker
// depends on where the rule goes, so the caller passes it.
RuleEntry NewRuleEntry(int category, const QString& attackPercentText,
                       const QString& marker = QString());

// A group start as "新しいグループ" adds it.
RuleEntry NewGroupEntry();

// The placeholder condition line a new rule starts with, CR LF included.
QString PlaceholderConditionLine();

// The question "空のプロジェクト" asks before emptying the project.
Notice EmptyProjectQuestion();

} // namespace rw

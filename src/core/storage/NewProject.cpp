#include "storage/NewProject.h"

#include <QFileInfo>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

const char* const kRootCaptions[kCategoryCount] = {
    "建物グループ", "研究グループ", "ユニットグループ",      "資源グループ",
    "攻撃グループ", "範囲グループ", "フリーイベントグループ"};

QString Lines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + kCrLf;
    return text;
}

} // namespace

void ClearAllCategories(Project& project) {
    for (Category& category : project.categories)
        category.entries.clear();
}

StartupRule InitialStartupRule(int slot) {
    StartupRule rule;
    if (slot == 0) {
        rule.options = QStringLiteral("1,1,0,15");
        rule.kind = 1;
        rule.text = Lines({"(defrule", "  (true)", "=>",
                           "  (set-strategic-number sn-number-explore-groups 1)",
                           "  (set-strategic-number sn-total-number-explorers 1)",
                           "  (set-strategic-number sn-blot-exploration-map 1)",
                           "  (set-strategic-number sn-blot-size 15)", "  (disable-self)", ")"});
    } else if (slot == 1) {
        rule.options = QStringLiteral("0,0,0,-1,20,20,20");
        rule.kind = 2;
        rule.text = Lines({"(defrule", "  (true)", "=>",
                           "  (set-strategic-number sn-maximum-wood-drop-distance 20)",
                           "  (set-strategic-number sn-maximum-hunt-drop-distance 20)",
                           "  (set-strategic-number sn-maximum-gold-drop-distance 20)",
                           "  (set-strategic-number sn-maximum-stone-drop-distance 20)",
                           "  (disable-self)", ")"});
    }
    return rule;
}

void InitialiseProject(Project& project) {
    for (RootCondition& slot : project.settings.rootConditions) {
        slot.conditionData = DefaultGroupConditionData();
        slot.conditionScript.clear();
    }
    project.settings.title = QStringLiteral("新しいAI");
    project.settings.author.clear();
    for (int c = 0; c < kCategoryCount; ++c) {
        project.settings.rootCaptions[c] = QString::fromUtf8(kRootCaptions[c]);
        project.categories[c].entries.clear();
    }
    project.settings.variables[0] = VariableSlot{};
    for (int n = 1; n < kVariableSlots; ++n)
        project.settings.variables[n] =
            VariableSlot{QStringLiteral("MEMORY_") + QString::number(n),
                         QString::number(n) + QStringLiteral("番の変数")};
    project.settings.timers[0] = TimerSlot{};
    for (int n = 1; n < kTimerSlots; ++n)
        project.settings.timers[n] =
            TimerSlot{QStringLiteral("TIMER_") + QString::number(n),
                      QString::number(n) + QStringLiteral("番のタイマーです")};
    for (int slot = 0; slot < kStartupRuleSlots; ++slot)
        project.settings.startupRules[slot] = InitialStartupRule(slot);
}

Project InitialProject() {
    Project project;
    InitialiseProject(project);
    return project;
}

QString CaptionText(const QString& currentPath) {
    // "[*]" is where the window shows its unsaved mark.
    if (currentPath.isEmpty())
        return QStringLiteral("Rulewright[*]");
    return QFileInfo(currentPath).fileName() + QStringLiteral("[*] – Rulewright");
}

QStringList VariablePickerEntries(const Project& project) {
    QStringList entries;
    entries.reserve(kVariableSlots);
    entries << QStringLiteral("(変数の変更なし)");
    for (int n = 1; n < kVariableSlots; ++n)
        entries << QString::number(n) + QStringLiteral(": ") +
                       project.settings.variables[n].description;
    return entries;
}

QString PlaceholderConditionLine() {
    return QStringLiteral("0;(上書きしてください);Overwrite,true") + kCrLf;
}

RuleEntry NewRuleEntry(int category, const QString& attackPercentText, const QString& marker) {
    RuleEntry rule;
    rule.variableNumber = QStringLiteral("0");
    rule.runOnce = QStringLiteral("0");
    rule.marker = marker;
    auto panels = [&rule](const char* p1, const char* p2, const char* p3) {
        rule.panel1 = QString::fromUtf8(p1);
        rule.panel2 = QString::fromUtf8(p2);
        rule.panel3 = QString::fromUtf8(p3);
    };
    switch (category) {
    case 1:
        rule.title = QStringLiteral("家");
        rule.actions = QStringLiteral("(build house)     ;家を建設する");
        rule.conditions = QStringLiteral("0;家が建設できるとき;CannotEdit,can-build house") + kCrLf;
        panels("1", "0", "0");
        break;
    case 2:
        rule.title = QStringLiteral("領主の時代");
        rule.actions = QStringLiteral("(research feudal-age)     ;領主の時代に進化");
        rule.conditions =
            QStringLiteral(
                "0;領主の時代に進化できるとき;CannotEdit,can-research-with-escrow feudal-age") +
            kCrLf;
        panels("0", "0", "");
        break;
    case 3:
        rule.title = QStringLiteral("町の人");
        rule.actions = QStringLiteral("(train villager)     ;町の人を生産");
        rule.conditions =
            QStringLiteral("0;町の人が生産できるとき;CannotEdit,can-train villager") + kCrLf;
        panels("0", "0", "0");
        break;
    case 4:
        rule.title = QStringLiteral("資源配分設定");
        rule.actions =
            QStringLiteral(
                "(set-strategic-number sn-wood-gatherer-percentage 25)    ;木の収集割合") +
            kCrLf +
            QStringLiteral(
                "(set-strategic-number sn-food-gatherer-percentage 25)    ;食料の収集割合") +
            kCrLf +
            QStringLiteral(
                "(set-strategic-number sn-gold-gatherer-percentage 25)    ;金の収集割合") +
            kCrLf +
            QStringLiteral(
                "(set-strategic-number sn-stone-gatherer-percentage 25)   ;石の収集割合");
        rule.conditions = PlaceholderConditionLine();
        panels("0", "25", "25");
        rule.panel4 = QStringLiteral("25");
        rule.panel5 = QStringLiteral("25");
        break;
    case 5:
        rule.title = QStringLiteral("陸軍％攻撃");
        rule.actions = QStringLiteral("(set-strategic-number sn-percent-attack-soldiers ") +
                       attackPercentText + QStringLiteral(") ;守備軍の") + attackPercentText +
                       QStringLiteral("％が攻撃軍になる") + kCrLf +
                       QStringLiteral("(attack-now);攻撃する");
        rule.conditions = PlaceholderConditionLine();
        // The panel starts at 100 whatever the box showed.
        panels("0", "100", "");
        break;
    case 6:
        rule.title = QStringLiteral("町の大きさ");
        rule.actions =
            QStringLiteral("(set-strategic-number sn-maximum-town-size 15);最大タウンサイズ");
        rule.conditions = PlaceholderConditionLine();
        panels("0", "15", "");
        break;
    case 7:
        rule.title = QStringLiteral("フリーイベント");
        rule.actions = QStringLiteral("(do-nothing);なにもしません");
        rule.conditions = PlaceholderConditionLine();
        break;
    default:
        break;
    }
    return rule;
}

RuleEntry NewGroupEntry() {
    RuleEntry group;
    group.title = QStringLiteral("新しいグループ");
    group.groupConditionData = DefaultGroupConditionData();
    group.marker = kMarkerGroup;
    return group;
}

Notice EmptyProjectQuestion() {
    return Notice{QStringLiteral("全てのデータが失われますがよろしいですか？"),
                  QStringLiteral("確認"), Notice::Icon::Information};
}

} // namespace rw

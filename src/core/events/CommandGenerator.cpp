#include "events/CommandGenerator.h"

#include "conditions/ConditionList.h"
#include "events/PanelBinding.h"
#include "events/PanelPickers.h"
#include "events/RangeKinds.h"
#include "vocabulary/Vocabulary.h"

#include <algorithm>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kEightSpaces = QStringLiteral("        ");

QString Num(int value) {
    return QString::number(value);
}

// Walls and gates are not built with "build": each has its own command.
struct WallCommand {
    const char16_t* caption;
    const char16_t* command;
    const char16_t* fact;
};

constexpr WallCommand kWallCommands[] = {
    {u"柵(狭い)", u"(build-wall 1 palisade-wall)", u"can-build-wall 1 palisade-wall"},
    {u"石壁(狭い)", u"(build-wall 1 stone-wall)", u"can-build-wall 1 stone-wall"},
    {u"強化壁(狭い)", u"(build-wall 1 fortified-wall)", u"can-build-wall 1 fortified-wall"},
    {u"石壁系(狭い)", u"(build-wall 1 stone-wall-line)", u"can-build-wall 1 stone-wall-line"},
    {u"柵(広い)", u"(build-wall 2 palisade-wall)", u"can-build-wall 2 palisade-wall"},
    {u"石壁(広い)", u"(build-wall 2 stone-wall)", u"can-build-wall 2 stone-wall"},
    {u"強化壁(広い)", u"(build-wall 2 fortified-wall)", u"can-build-wall 2 fortified-wall"},
    {u"石壁系(広い)", u"(build-wall 2 stone-wall-line)", u"can-build-wall 2 stone-wall-line"},
    {u"門(狭い)", u"(build-gate 1)", u"can-build-gate 1"},
    {u"門(広い)", u"(build-gate 2)", u"can-build-gate 2"},
};

const WallCommand* FindWall(const QString& caption) {
    for (const WallCommand& wall : kWallCommands)
        if (caption == QString::fromUtf16(wall.caption))
            return &wall;
    return nullptr;
}

CategoryEvents Building(const BuildingPanel& panel) {
    CategoryEvents events;
    const QString n = PanelPickers::BuildingCaption(panel.building);
    const QString s = BuildingSymbol(n);
    // Walls and gates keep a ":" the destroy command and count do not want.
    const QString bare = s.startsWith(QLatin1Char(':')) ? s.mid(1) : s;
    const bool destroy = panel.kind == 1;
    if (destroy) {
        events.lines << QStringLiteral("(delete-building ") + bare + QStringLiteral(")") +
                            kEightSpaces + QLatin1Char(';') + n + QStringLiteral("を破壊");
        events.implied = ImpliedCondition{n + QStringLiteral("が存在するとき"),
                                          QStringLiteral("building-type-count-total ") + bare +
                                              QStringLiteral(" >= 1")};
    } else {
        const QString comment = kEightSpaces + QLatin1Char(';') +
                                (panel.forward ? QStringLiteral("敵陣に") : QString()) + n +
                                QStringLiteral("を建設");
        QString command;
        QString fact;
        if (const WallCommand* wall = FindWall(n)) {
            command = QString::fromUtf16(wall->command);
            fact = QString::fromUtf16(wall->fact);
        } else {
            command =
                (panel.forward ? QStringLiteral("(build-forward ") : QStringLiteral("(build ")) +
                s + QLatin1Char(')');
            fact = QStringLiteral("can-build ") + s;
        }
        events.lines << command + comment;
        events.implied = ImpliedCondition{n + QStringLiteral("が建設できるとき"), fact};
    }
    QString chat = n + QStringLiteral("を") +
                   (destroy ? QStringLiteral("破壊") : QStringLiteral("建設")) +
                   QStringLiteral("します");
    chat.replace(QLatin1Char('('), QChar(0xFF08)).replace(QLatin1Char(')'), QChar(0xFF09));
    events.chatMessage = chat;
    return events;
}

CategoryEvents Research(const ResearchPanel& panel) {
    CategoryEvents events;
    const QString t = PanelPickers::TechnologyCaption(panel.category, panel.technology);
    const QString s = TechnologySymbol(t);
    const QString x =
        t.contains(QStringLiteral("時代")) ? QStringLiteral("に進化") : QStringLiteral("を研究");
    events.lines << QStringLiteral("(research ") + s + QStringLiteral(")    ;") + t + x;
    events.implied = ImpliedCondition{t + x + QStringLiteral("できるとき"),
                                      QStringLiteral("can-research-with-escrow ") + s};
    events.chatMessage = t + x + QStringLiteral("します");
    return events;
}

CategoryEvents Unit(const UnitPanel& panel) {
    CategoryEvents events;
    const QString u = PanelPickers::UnitCaption(panel.category, panel.unit);
    const QString s = UnitSymbol(u);
    QString comment;
    if (panel.kind == 1) {
        comment = u + QStringLiteral("を削除します");
        events.lines << QStringLiteral("(delete-unit ") + s + QStringLiteral(")    ;") + comment;
        events.implied = ImpliedCondition{u + QStringLiteral("が存在するとき"),
                                          QStringLiteral("unit-type-count-total ") + s +
                                              QStringLiteral(" >= 1")};
    } else {
        comment = u + QStringLiteral("を生産します");
        events.lines << QStringLiteral("(train ") + s + QStringLiteral(")    ;") + comment;
        events.implied = ImpliedCondition{u + QStringLiteral("が生産できるとき"),
                                          QStringLiteral("can-train ") + s};
    }
    events.chatMessage = comment;
    return events;
}

CategoryEvents Resource(const ResourcePanel& panel) {
    CategoryEvents events;
    if (panel.kind == 1) {
        const bool sell = panel.action == 1;
        const QString v = sell ? QStringLiteral("sell") : QStringLiteral("buy");
        static const char* const kSymbols[] = {"wood", "food", "stone"};
        const int r = std::clamp(panel.resource, 0, 2);
        const QString symbol = QLatin1String(kSymbols[r]);
        const QString caption = PanelPickers::MarketResources().at(r);
        events.lines << QLatin1Char('(') + v + QStringLiteral("-commodity ") + symbol +
                            QStringLiteral(");") + caption +
                            (sell ? QStringLiteral("を100売る") : QStringLiteral("を100買う"));
        events.chatMessage =
            caption + (sell ? QStringLiteral("を100売ります") : QStringLiteral("を100買います"));
        events.implied =
            ImpliedCondition{QStringLiteral("市場があり資源があるとき"),
                             QStringLiteral("can-") + v + QStringLiteral("-commodity ") + symbol};
        return events;
    }
    const auto& [w, f, g, s] = panel.boxes;
    events.lines << QStringLiteral("(set-strategic-number sn-wood-gatherer-percentage ") + w +
                        QStringLiteral(");木の収集割合")
                 << QStringLiteral("(set-strategic-number sn-food-gatherer-percentage ") + f +
                        QStringLiteral(");食料の収集割合")
                 << QStringLiteral("(set-strategic-number sn-gold-gatherer-percentage ") + g +
                        QStringLiteral(");金の収集割合")
                 << QStringLiteral("(set-strategic-number sn-stone-gatherer-percentage ") + s +
                        QStringLiteral(");石の収集割合");
    events.chatMessage = QStringLiteral("資源配分をW:") + w + QStringLiteral(" F:") + f +
                         QStringLiteral(" G") + g + QStringLiteral(" S:") + s +
                         QStringLiteral(" に変更します");
    return events;
}

CategoryEvents Attack(const AttackPanel& panel) {
    CategoryEvents events;
    const int kind = std::clamp(panel.kind, 0, 3);
    if (kind <= 1) {
        const QString& p = panel.percent;
        events.lines << (kind == 0
                             ? QStringLiteral("(set-strategic-number sn-percent-attack-soldiers ")
                             : QStringLiteral("(set-strategic-number sn-percent-attack-boats ")) +
                            p + QStringLiteral(") ;守備軍の") + p +
                            QStringLiteral("％が攻撃軍になる")
                     << QStringLiteral("(attack-now);攻撃する");
        events.chatMessage =
            (kind == 0 ? QStringLiteral("陸の守備軍の") : QStringLiteral("海の守備軍の")) + p +
            QStringLiteral("％が攻撃軍になるように設定しました");
        return events;
    }
    const bool naval = kind == 3;
    const QString& q = panel.groups;
    const QString& m = panel.minimum;
    const QString& mx = panel.maximum;
    events.lines
        << (naval ? QStringLiteral("(set-strategic-number sn-number-boat-attack-groups ")
                  : QStringLiteral("(set-strategic-number sn-number-attack-groups ")) +
               q + QStringLiteral(")       ;攻撃に行く最大グループ数")
        << (naval ? QStringLiteral("(set-strategic-number sn-minimum-boat-attack-group-size ")
                  : QStringLiteral("(set-strategic-number sn-minimum-attack-group-size ")) +
               m + QStringLiteral(")  ;１グループの最小人数")
        << (naval ? QStringLiteral("(set-strategic-number sn-maximum-boat-attack-group-size ")
                  : QStringLiteral("(set-strategic-number sn-maximum-attack-group-size ")) +
               mx + QStringLiteral(") ;１グループの最大人数");
    events.chatMessage = naval ? QStringLiteral("攻撃に行く海軍の最大グループ数") + q +
                                     QStringLiteral("になるように設定しました")
                               : QStringLiteral("攻撃に行く陸軍の最大グループ数を") + q +
                                     QStringLiteral("になるように設定しました");
    return events;
}

CategoryEvents Range(const RangePanel& panel) {
    CategoryEvents events;
    const QList<RangeKind>& kinds = RangeKindTable();
    const RangeKind& kind = kinds[std::clamp(panel.kind, 0, int(kinds.size()) - 1)];
    const QString& d = panel.distance;
    events.lines << QStringLiteral("(set-strategic-number ") + kind.symbol + QLatin1Char(' ') + d +
                        kind.panelComment;
    events.chatMessage = kind.panelChat + d + QStringLiteral("に変更");
    return events;
}

QString VariableLine(const RuleOptions& options) {
    return QStringLiteral("    (set-goal ") + Num(options.variable) + QLatin1Char(' ') +
           options.variableValue + QLatin1Char(')') + kEightSpaces + QStringLiteral(";変数に代入");
}

QString ChatLine(const QString& message) {
    return QStringLiteral("    (chat-local-to-self \"") + message + QStringLiteral("\")") +
           kEightSpaces + QStringLiteral(";チャット");
}

QString RunOnceLine() {
    return QStringLiteral("    (disable-self)") + kEightSpaces + QStringLiteral(";無効化");
}

bool HasVariable(const RuleOptions& options) {
    return options.variable >= 1 && options.variable <= 40;
}

ConditionEntry LockedEntry(const ImpliedCondition& implied) {
    return ConditionEntry{0, implied.caption, kEditdatLocked, implied.fact};
}

// Keeps the implied condition in step with the event. Only categories 1 to 4
// have one; the resource category creates and withdraws it with its kind.
void UpdateImpliedCondition(int category, const PanelState& panels, const CategoryEvents& events,
                            ConditionList& list) {
    const int implied = list.ImpliedConditionPosition();
    if (category == kResourceCategory && panels.resource.kind != 1) {
        if (implied == 0)
            return;
        if (list.Size() == 1)
            list.SetEntry(implied, PlaceholderEntry());
        else
            list.DeleteItem(implied);
        return;
    }
    if (!events.implied)
        return;
    if (implied > 0) {
        list.SetEntry(implied, LockedEntry(*events.implied));
    } else if (category == kResourceCategory) {
        if (!list.IsEmpty() && list.At(1).IsPlaceholder())
            list.SetEntry(1, LockedEntry(*events.implied));
        else
            list.Append(LockedEntry(*events.implied));
    }
}

} // namespace

CategoryEvents ComposeCategoryEvents(int category, const PanelState& panels) {
    switch (category) {
    case kBuildingCategory:
        return Building(panels.building);
    case kResearchCategory:
        return Research(panels.research);
    case kUnitCategory:
        return Unit(panels.unit);
    case kResourceCategory:
        return Resource(panels.resource);
    case kAttackCategory:
        return Attack(panels.attack);
    case kRangeCategory:
        return Range(panels.range);
    default:
        return {};
    }
}

int ImpliedConditionPosition(const RuleEntry& rule) {
    ConditionList list;
    list.LoadConditions(rule.conditions);
    return list.ImpliedConditionPosition();
}

void GenerateEvents(int category, const PanelState& panels, const RuleOptions& options,
                    RuleEntry& rule) {
    ConditionList list;
    list.LoadConditions(rule.conditions);

    if (category == kFreeCategory) {
        const FreeEventList& free = panels.freeEvents;
        QStringList lines;
        for (const FreeEvent& event : free.Events())
            lines << event.EventLine();
        if (lines.isEmpty())
            lines << QStringLiteral("(do-nothing);なにもしません");
        free.WritePanelFields(rule);
        rule.variableNumber = QStringLiteral("0");
        rule.runOnce = options.runOnce ? QStringLiteral("1") : QStringLiteral("0");
        if (options.runOnce)
            lines << RunOnceLine();
        rule.actions = lines.join(kCrLf);
        rule.conditions = list.ConditionsField();
        return;
    }

    const CategoryEvents events = ComposeCategoryEvents(category, panels);
    QStringList lines = events.lines;

    const bool variable = HasVariable(options);
    rule.variableNumber = variable ? Num(options.variable) : QStringLiteral("0");
    rule.variableValue = variable ? options.variableValue : QString();
    rule.chatText = options.chat ? events.chatMessage : QString();
    rule.runOnce = options.runOnce ? QStringLiteral("1") : QStringLiteral("0");

    const QString variableLine = variable ? VariableLine(options) : QString();
    const QString chatLine = options.chat ? ChatLine(events.chatMessage) : QString();
    const QString runOnceLine = options.runOnce ? RunOnceLine() : QString();
    // The building panel has always listed its options in another order.
    const QStringList optionLines = category == kBuildingCategory
                                        ? QStringList{chatLine, runOnceLine, variableLine}
                                        : QStringList{variableLine, chatLine, runOnceLine};
    for (const QString& line : optionLines)
        if (!line.isEmpty())
            lines << line;
    rule.actions = lines.join(kCrLf);

    WriteControlFields(category, panels, rule);

    UpdateImpliedCondition(category, panels, events, list);
    rule.conditions = list.ConditionsField();
}

} // namespace rw

#include "builder/InitSettings.h"

#include "model/Numeric.h"

#include <QStringList>

namespace rw {

namespace {

QString Lines(std::initializer_list<const char16_t*> lines) {
    QString text;
    for (const char16_t* line : lines)
        text += QString::fromUtf16(line) + QLatin1String("\r\n");
    return text;
}

QString Field(const QStringList& fields, int i) {
    return i < fields.size() ? fields[i] : QString();
}

bool NonZero(const QString& text) {
    return FloorNumberOr(text, 0) != 0;
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
QString RadioState(bool selected) {
    return selected ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

InitSettings LoadInitSettings(const Project& project) {
    InitSettings s;
    const QStringList explore = project.settings.startupRules[0].options.split(QLatin1Char(','));
    s.explorerCount = QString::number(FloorNumberOr(Field(explore, 0), 1));
    // Two option buttons: selecting "なし" clears "あり".
    s.noReexplore = NonZero(Field(explore, 2));
    s.reexplore = NonZero(Field(explore, 1)) && !s.noReexplore;
    s.precision = Field(explore, 3);

    const QStringList gather = project.settings.startupRules[1].options.split(QLatin1Char(','));
    s.narrowWall = NonZero(Field(gather, 0));
    s.wideWall = NonZero(Field(gather, 1));
    s.disperse = NonZero(Field(gather, 2));
    s.woodDistance = Field(gather, 3);
    s.deerDistance = Field(gather, 4);
    s.goldDistance = Field(gather, 5);
    s.stoneDistance = Field(gather, 6);
    return s;
}

QString CorrectExplorerCount(const QString& text) {
    return ScriptNumber(text, 0).value_or(QStringLiteral("1"));
}

QString CorrectPrecision(const QString& text) {
    return ScriptNumber(text, 0, 32767).value_or(QStringLiteral("1"));
}

QString CorrectDistance(const QString& text, const QString& fallback) {
    return ScriptNumber(text).value_or(fallback);
}

void ApplyInitSettings(Project& project, const InitSettings& settings) {
    const QString count = CorrectExplorerCount(settings.explorerCount);
    const QString precision = CorrectPrecision(settings.precision);
    const QString wood = CorrectDistance(settings.woodDistance, kDefaultWoodDistance);
    const QString deer = CorrectDistance(settings.deerDistance, kDefaultDistance);
    const QString gold = CorrectDistance(settings.goldDistance, kDefaultDistance);
    const QString stone = CorrectDistance(settings.stoneDistance, kDefaultDistance);

    StartupRule& explore = project.settings.startupRules[0];
    explore.text = Lines({
        u"(defrule",
        u"(true)",
        u"=>",
        u"(set-strategic-number sn-percent-civilian-explorers          0) ;索敵率",
        u"(set-strategic-number sn-percent-civilian-builders          15) ;建物率",
        u"(set-strategic-number sn-percent-civilian-gatherers         85) ;生産率",
        u"(set-strategic-number sn-cap-civilian-explorers              0) ;索敵(最大)",
        u"(set-strategic-number sn-cap-civilian-builders             200) ;建物(最大)",
        u"(set-strategic-number sn-cap-civilian-gatherers            400) ;生産(最大)",
        u"(set-strategic-number sn-number-build-attempts-before-skip  15) ;同時建設の建物数",
        u"(set-strategic-number sn-max-build-plan-gatherer-percentage 50) ;収集者建設割合",
        u"(disable-self)",
        u")",
        u"(defrule",
        u"  (true)",
        u"=>",
    });
    explore.text += QStringLiteral("  (set-strategic-number sn-number-explore-groups ") + count +
                    QStringLiteral(")  ;軍の探索人数\r\n");
    explore.text += QStringLiteral("  (set-strategic-number sn-total-number-explorers ") + count +
                    QStringLiteral(") ;軍＋町の人の探索人数\r\n");
    explore.text += QStringLiteral("  (set-strategic-number sn-blot-exploration-map ") +
                    Flag(settings.reexplore) + QStringLiteral(")   ;再探索するか(0:No 1:Yes)\r\n");
    explore.text += QStringLiteral("  (set-strategic-number sn-blot-size ") + precision +
                    QStringLiteral(")             ;探索精度(0:探索一番細かい , "
                                   "32767:探索一番荒い)\r\n");
    explore.text += Lines({u"  (disable-self)", u")"});
    explore.kind = 1;
    explore.options = QStringList{count, RadioState(settings.reexplore),
                                  RadioState(settings.noReexplore), precision}
                          .join(QLatin1Char(','));

    StartupRule& gather = project.settings.startupRules[1];
    gather.text = Lines({u"(defrule", u"  (true)", u"=>"});
    if (settings.narrowWall)
        gather.text += QStringLiteral("  (enable-wall-placement 1)\r\n");
    if (settings.wideWall)
        gather.text += QStringLiteral("  (enable-wall-placement 2)\r\n");
    if (!settings.disperse)
        gather.text += QStringLiteral("  (set-strategic-number sn-task-ungrouped-soldiers 0)\r\n");
    auto distance = [&gather](const char* what, const QString& value) {
        gather.text += QStringLiteral("  (set-strategic-number sn-maximum-") + QLatin1String(what) +
                       QStringLiteral("-drop-distance ") + value + QStringLiteral(")\r\n");
    };
    distance("wood", wood);
    distance("hunt", deer);
    distance("gold", gold);
    distance("stone", stone);
    gather.text += Lines(
        {u"  (set-strategic-number sn-maximum-food-drop-distance 15)", u"  (disable-self)", u")"});
    gather.kind = 2;
    gather.options = QStringList{Flag(settings.narrowWall),
                                 Flag(settings.wideWall),
                                 Flag(settings.disperse),
                                 wood,
                                 deer,
                                 gold,
                                 stone}
                         .join(QLatin1Char(','));
}

} // namespace rw

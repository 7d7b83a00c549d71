#include "StarterTemplates.h"

#include "TemplateAuthor.h"
#include "events/PanelState.h"

namespace rw {

namespace {

// Captions used by several recipes, spelled once.
const QString kDark = QStringLiteral("暗黒の時代");
const QString kFeudal = QStringLiteral("領主の時代");
const QString kCastle = QStringLiteral("城主の時代");
const QString kImperial = QStringLiteral("帝王の時代");
const QString kCivilians = QStringLiteral("全非軍事ユニット");
const QString kLandSoldiers = QStringLiteral("全軍事ユニット(陸)");
const QString kHeadroom = QStringLiteral("家の残り許容人口");
const QString kTownCentre = QStringLiteral("町の中心");

// Houses before the population runs into the housing limit; 40 houses
// hold the largest population cap.
void Houses(TemplateAuthor& a) {
    a.Group(QStringLiteral("家"));
    a.Rule(QStringLiteral("家を建てる（空きが5人分を切ったら）"));
    a.Build(QStringLiteral("家"));
    a.Population(kHeadroom, QStringLiteral("<"), 5);
    a.BuildingCount(QStringLiteral("家"), QStringLiteral("<"), 40);
}

// Drop sites near wood, food and gold, then farms once the villagers are
// many enough to run out of berries and hunt.
void DropSites(TemplateAuthor& a, int maxMiningCamps) {
    a.Group(QStringLiteral("資源の拠点"));
    a.Rule(QStringLiteral("最初の伐採所を建てる"));
    a.Build(QStringLiteral("伐採所"));
    a.BuildingCount(QStringLiteral("伐採所"), QStringLiteral("<"), 1);

    a.Rule(QStringLiteral("木が遠くなったら伐採所を増やす"));
    a.Build(QStringLiteral("伐採所"));
    a.DropsiteDistance(QStringLiteral("木の最小距離"), QStringLiteral(">"), 5);
    a.BuildingCount(QStringLiteral("伐採所"), QStringLiteral("<"), 4);

    a.Rule(QStringLiteral("最初の粉ひき所を建てる（町の人8人から）"));
    a.Build(QStringLiteral("粉ひき所"));
    a.Population(kCivilians, QStringLiteral(">="), 8);
    a.BuildingCount(QStringLiteral("粉ひき所"), QStringLiteral("<"), 1);

    a.Rule(QStringLiteral("採掘所を建てる（領主の時代から）"));
    a.Build(QStringLiteral("採掘所"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.BuildingCount(QStringLiteral("採掘所"), QStringLiteral("<"), 1);

    a.Rule(QStringLiteral("金が遠くなったら採掘所を増やす"));
    a.Build(QStringLiteral("採掘所"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.DropsiteDistance(QStringLiteral("金の最小距離"), QStringLiteral(">"), 5);
    a.BuildingCount(QStringLiteral("採掘所"), QStringLiteral("<"), maxMiningCamps);

    a.Rule(QStringLiteral("畑を作る（町の人18人から、20枚まで）"));
    a.Build(QStringLiteral("畑"));
    a.Population(kCivilians, QStringLiteral(">="), 18);
    a.BuildingCount(QStringLiteral("畑"), QStringLiteral("<"), 20);
}

// One building that an age needs, once the age before it is reached.
void OneBuilding(TemplateAuthor& a, const QString& title, const QString& building,
                 const QString& fromAge) {
    a.Rule(title);
    a.Build(building);
    a.Age(fromAge, QStringLiteral(">="));
    a.BuildingCount(building, QStringLiteral("<"), 1);
}

void AgeUp(TemplateAuthor& a, const QString& age, int villagers) {
    a.Rule(QStringLiteral("%1に進化（町の人%2人から）").arg(age).arg(villagers));
    a.Research(kTownCentre, age);
    a.Population(kCivilians, QStringLiteral(">="), villagers);
}

void Technology(TemplateAuthor& a, const QString& title, const QString& building,
                const QString& technology) {
    a.Rule(title);
    a.Research(building, technology);
}

// Villagers up to a number in the dark age (the town centre is then free
// to research the next age), more from the feudal age on.
void Villagers(TemplateAuthor& a, int darkAge, int later) {
    a.Group(QStringLiteral("町の人"));
    a.Rule(QStringLiteral("町の人を生産（暗黒の時代は%1人まで）").arg(darkAge));
    a.Train(QStringLiteral("町の人グループ"), QStringLiteral("町の人"));
    a.Age(kDark, QStringLiteral("=="));
    a.Population(kCivilians, QStringLiteral("<"), darkAge);

    a.Rule(QStringLiteral("町の人を生産（領主の時代から%1人まで）").arg(later));
    a.Train(QStringLiteral("町の人グループ"), QStringLiteral("町の人"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.Population(kCivilians, QStringLiteral("<"), later);
}

struct Shares {
    int wood, food, gold, stone;
};

// Gatherer shares for each age: the dark age lives on food and wood.
void GathererShares(TemplateAuthor& a, Shares dark, Shares feudal, Shares castle) {
    a.Category(kResourceCategory);
    a.Group(QStringLiteral("資源の配分"));
    a.Rule(QStringLiteral("暗黒の時代の配分（木%1 食料%2 金%3 石%4）")
               .arg(dark.wood)
               .arg(dark.food)
               .arg(dark.gold)
               .arg(dark.stone));
    a.Allocate(dark.wood, dark.food, dark.gold, dark.stone);
    a.Age(kDark, QStringLiteral("=="));

    a.Rule(QStringLiteral("領主の時代の配分（木%1 食料%2 金%3 石%4）")
               .arg(feudal.wood)
               .arg(feudal.food)
               .arg(feudal.gold)
               .arg(feudal.stone));
    a.Allocate(feudal.wood, feudal.food, feudal.gold, feudal.stone);
    a.Age(kFeudal, QStringLiteral("=="));

    a.Rule(QStringLiteral("城主の時代からの配分（木%1 食料%2 金%3 石%4）")
               .arg(castle.wood)
               .arg(castle.food)
               .arg(castle.gold)
               .arg(castle.stone));
    a.Allocate(castle.wood, castle.food, castle.gold, castle.stone);
    a.Age(kCastle, QStringLiteral(">="));
}

struct AttackPlan {
    QString fromAge;
    int groups, minimum, maximum; // attack groups and their sizes
    int soldiers;                 // the land army that sets off
    int firstWait, wait;          // seconds, from the age on and between attacks
};

// Attack groups from an age on, and an attack with the whole land army each
// time timer 1 runs out while the army is big enough.
void TimedAttacks(TemplateAuthor& a, const AttackPlan& plan) {
    a.NameTimer(1, QStringLiteral("ATTACK-TIMER"), QStringLiteral("攻撃の間隔"));
    a.Category(kAttackCategory);
    a.Rule(QStringLiteral("攻撃グループを決める（%1組、%2～%3人）")
               .arg(plan.groups)
               .arg(plan.minimum)
               .arg(plan.maximum));
    a.AttackGroups(plan.groups, plan.minimum, plan.maximum);
    a.Age(plan.fromAge, QStringLiteral(">="));
    a.RunOnce();
    a.Rule(QStringLiteral("陸軍が%1人以上なら全軍で攻撃（タイマー1ごと）").arg(plan.soldiers));
    a.AttackPercent(100);
    a.TimerTriggered(1);
    a.Population(kLandSoldiers, QStringLiteral(">="), plan.soldiers);

    a.Category(kFreeCategory);
    a.Rule(QStringLiteral("攻撃タイマーを始める（%1に入ったら）").arg(plan.fromAge));
    a.StartTimer(1, plan.firstWait);
    a.Age(plan.fromAge, QStringLiteral(">="));
    a.RunOnce();
    a.Rule(QStringLiteral("攻撃タイマーをかけ直す（%1秒ごと）").arg(plan.wait));
    a.StopTimer(1);
    a.StartTimer(1, plan.wait);
    a.TimerTriggered(1);
}

// A sound economy through all four ages and nothing else.
Project BasicEconomy() {
    TemplateAuthor a(QStringLiteral("基本の内政"));
    a.ConfirmInitSettings(false, false);

    a.Category(kBuildingCategory);
    Houses(a);
    DropSites(a, 3);
    a.Group(QStringLiteral("時代を進めるための建物"));
    OneBuilding(a, QStringLiteral("市場を建てる（城主の時代に必要）"), QStringLiteral("市場"),
                kFeudal);
    OneBuilding(a, QStringLiteral("鉄工所を建てる（城主の時代に必要）"), QStringLiteral("鉄工所"),
                kFeudal);
    OneBuilding(a, QStringLiteral("学問所を建てる（帝王の時代に必要）"), QStringLiteral("学問所"),
                kCastle);
    OneBuilding(a, QStringLiteral("神殿を建てる（帝王の時代に必要）"), QStringLiteral("神殿"),
                kCastle);
    a.Group(QStringLiteral("町を広げる"));
    a.Rule(QStringLiteral("町の中心を増やす（城主の時代、3つまで）"));
    a.Build(kTownCentre);
    a.Age(kCastle, QStringLiteral(">="));
    a.Population(kCivilians, QStringLiteral(">="), 35);
    a.BuildingCount(kTownCentre, QStringLiteral("<"), 3);

    a.Category(kResearchCategory);
    a.Group(QStringLiteral("時代の進化"));
    AgeUp(a, kFeudal, 22);
    AgeUp(a, kCastle, 32);
    AgeUp(a, kImperial, 50);
    a.Group(QStringLiteral("内政の研究"));
    a.Rule(QStringLiteral("機織りを研究（町の人18人から）"));
    a.Research(kTownCentre, QStringLiteral("機織り"));
    a.Population(kCivilians, QStringLiteral(">="), 18);
    Technology(a, QStringLiteral("手押し車を研究（町の人が速く運ぶ）"), kTownCentre,
               QStringLiteral("手押し車"));
    Technology(a, QStringLiteral("両刃斧を研究（木の収集が速くなる）"), QStringLiteral("伐採所"),
               QStringLiteral("両刃斧"));
    Technology(a, QStringLiteral("引き具を研究（畑の食料が増える）"), QStringLiteral("粉ひき所"),
               QStringLiteral("引き具"));
    Technology(a, QStringLiteral("金の採掘を研究（金の収集が速くなる）"), QStringLiteral("採掘所"),
               QStringLiteral("金の採掘"));
    Technology(a, QStringLiteral("荷車を研究（城主の時代）"), kTownCentre, QStringLiteral("荷車"));
    Technology(a, QStringLiteral("のこぎりを研究（城主の時代）"), QStringLiteral("伐採所"),
               QStringLiteral("のこぎり"));
    Technology(a, QStringLiteral("馬鍬を研究（城主の時代）"), QStringLiteral("粉ひき所"),
               QStringLiteral("馬鍬"));

    a.Category(kUnitCategory);
    Villagers(a, 22, 70);

    GathererShares(a, {40, 60, 0, 0}, {35, 45, 20, 0}, {30, 40, 25, 5});
    return a.Finish();
}

// Economy straight to the castle age, then knights and rams that gather
// into attack groups and set off every time the attack timer runs out.
Project CastleAgeRush() {
    TemplateAuthor a(QStringLiteral("城主の時代ラッシュ"));
    a.ConfirmInitSettings(false, false);

    a.Category(kBuildingCategory);
    Houses(a);
    DropSites(a, 3);
    a.Group(QStringLiteral("軍事施設"));
    a.Rule(QStringLiteral("戦士育成所を建てる（騎兵育成所に必要）"));
    a.Build(QStringLiteral("戦士育成所"));
    a.Population(kCivilians, QStringLiteral(">="), 15);
    a.BuildingCount(QStringLiteral("戦士育成所"), QStringLiteral("<"), 1);
    OneBuilding(a, QStringLiteral("騎兵育成所を建てる（城主の時代に必要）"),
                QStringLiteral("騎兵育成所"), kFeudal);
    OneBuilding(a, QStringLiteral("鉄工所を建てる（城主の時代に必要）"), QStringLiteral("鉄工所"),
                kFeudal);
    a.Rule(QStringLiteral("騎兵育成所を増やす（城主の時代、3つまで）"));
    a.Build(QStringLiteral("騎兵育成所"));
    a.Age(kCastle, QStringLiteral(">="));
    a.BuildingCount(QStringLiteral("騎兵育成所"), QStringLiteral("<"), 3);
    OneBuilding(a, QStringLiteral("包囲攻撃訓練所を建てる（破城槌のため）"),
                QStringLiteral("包囲攻撃訓練所"), kCastle);

    a.Category(kResearchCategory);
    a.Group(QStringLiteral("時代の進化"));
    AgeUp(a, kFeudal, 20);
    AgeUp(a, kCastle, 26);
    a.Group(QStringLiteral("研究"));
    a.Rule(QStringLiteral("機織りを研究（町の人16人から）"));
    a.Research(kTownCentre, QStringLiteral("機織り"));
    a.Population(kCivilians, QStringLiteral(">="), 16);
    Technology(a, QStringLiteral("手押し車を研究（町の人が速く運ぶ）"), kTownCentre,
               QStringLiteral("手押し車"));
    Technology(a, QStringLiteral("両刃斧を研究（木の収集が速くなる）"), QStringLiteral("伐採所"),
               QStringLiteral("両刃斧"));
    Technology(a, QStringLiteral("血統を研究（騎兵の体力が増える）"), QStringLiteral("騎兵育成所"),
               QStringLiteral("血統"));
    Technology(a, QStringLiteral("鍛造を研究（騎兵と歩兵の攻撃力）"), QStringLiteral("鉄工所"),
               QStringLiteral("鍛造"));
    Technology(a, QStringLiteral("騎馬用うろこの鎧を研究（騎兵の防御力）"),
               QStringLiteral("鉄工所"), QStringLiteral("騎馬用うろこの鎧"));

    a.Category(kUnitCategory);
    Villagers(a, 20, 35);
    a.Group(QStringLiteral("城主の時代の陸軍"));
    a.Rule(QStringLiteral("騎士を生産（城主の時代、30騎まで）"));
    a.Train(QStringLiteral("騎兵系グループ"), QStringLiteral("騎士系"));
    a.Age(kCastle, QStringLiteral(">="));
    a.UnitCount(QStringLiteral("騎兵系グループ"), QStringLiteral("騎士系"), QStringLiteral("<"),
                30);
    a.Rule(QStringLiteral("破城槌を生産（2台まで）"));
    a.Train(QStringLiteral("包囲攻撃グループ"), QStringLiteral("破城槌系"));
    a.UnitCount(QStringLiteral("包囲攻撃グループ"), QStringLiteral("破城槌系"), QStringLiteral("<"),
                2);

    GathererShares(a, {40, 60, 0, 0}, {30, 45, 25, 0}, {25, 40, 35, 0});

    TimedAttacks(a, {kCastle, 2, 6, 15, 12, 60, 90});
    return a.Finish();
}

// Few villagers and an early feudal age, then archers from two ranges that
// attack in small groups; the castle age follows once the rush is out.
Project FeudalArcherRush() {
    TemplateAuthor a(QStringLiteral("領主の時代の射手ラッシュ"));
    a.ConfirmInitSettings(false, false);

    a.Category(kBuildingCategory);
    Houses(a);
    DropSites(a, 2);
    a.Group(QStringLiteral("軍事施設"));
    a.Rule(QStringLiteral("戦士育成所を建てる（射手育成所に必要）"));
    a.Build(QStringLiteral("戦士育成所"));
    a.Population(kCivilians, QStringLiteral(">="), 14);
    a.BuildingCount(QStringLiteral("戦士育成所"), QStringLiteral("<"), 1);
    a.Rule(QStringLiteral("射手育成所を建てる（領主の時代、2つまで）"));
    a.Build(QStringLiteral("射手育成所"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.BuildingCount(QStringLiteral("射手育成所"), QStringLiteral("<"), 2);
    OneBuilding(a, QStringLiteral("鉄工所を建てる（矢羽根と城主の時代に必要）"),
                QStringLiteral("鉄工所"), kFeudal);

    a.Category(kResearchCategory);
    a.Group(QStringLiteral("時代の進化"));
    AgeUp(a, kFeudal, 19);
    AgeUp(a, kCastle, 28);
    a.Group(QStringLiteral("研究"));
    Technology(a, QStringLiteral("両刃斧を研究（木の収集が速くなる）"), QStringLiteral("伐採所"),
               QStringLiteral("両刃斧"));
    Technology(a, QStringLiteral("矢羽根を研究（射手の射程と攻撃力）"), QStringLiteral("鉄工所"),
               QStringLiteral("矢羽根"));
    Technology(a, QStringLiteral("射手用胸当てを研究（射手の防御力）"), QStringLiteral("鉄工所"),
               QStringLiteral("射手用胸当て"));
    a.Rule(QStringLiteral("機織りを研究（領主の時代から）"));
    a.Research(kTownCentre, QStringLiteral("機織り"));
    a.Age(kFeudal, QStringLiteral(">="));

    a.Category(kUnitCategory);
    Villagers(a, 19, 30);
    a.Group(QStringLiteral("領主の時代の射手"));
    a.Rule(QStringLiteral("射手を生産（領主の時代、20人まで）"));
    a.Train(QStringLiteral("射手グループ"), QStringLiteral("射手系"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.UnitCount(QStringLiteral("射手グループ"), QStringLiteral("射手系"), QStringLiteral("<"), 20);

    GathererShares(a, {45, 55, 0, 0}, {35, 35, 30, 0}, {30, 40, 30, 0});
    TimedAttacks(a, {kFeudal, 1, 5, 12, 8, 30, 60});
    return a.Finish();
}

// A stone wall round the town with gates, watch towers and a castle, and
// spearmen and archers that stay home to defend.
Project StrongCastle() {
    TemplateAuthor a(QStringLiteral("守りの固い城"));
    a.ConfirmInitSettings(false, true); // walls are built only where they are reserved

    a.Category(kBuildingCategory);
    Houses(a);
    DropSites(a, 4);
    a.Group(QStringLiteral("壁と門"));
    // The wide ring leaves room for the farms and camps inside; a gate lets
    // the villagers and defenders through.
    a.Rule(QStringLiteral("石壁で町を広く囲む（領主の時代から）"));
    a.Build(QStringLiteral("石壁(広い)"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.Rule(QStringLiteral("石壁に門を作る"));
    a.Build(QStringLiteral("門(広い)"));
    a.BuildingCount(QStringLiteral("石壁系(広い)"), QStringLiteral(">="), 1);
    a.RunOnce();
    a.Rule(QStringLiteral("門をもう1つ作る（城主の時代）"));
    a.Build(QStringLiteral("門(広い)"));
    a.Age(kCastle, QStringLiteral(">="));
    a.BuildingCount(QStringLiteral("石壁系(広い)"), QStringLiteral(">="), 1);
    a.RunOnce();
    a.Group(QStringLiteral("塔と城"));
    a.Rule(QStringLiteral("見張り台を建てる（領主の時代から、4つまで）"));
    a.Build(QStringLiteral("見張り台"));
    a.Age(kFeudal, QStringLiteral(">="));
    a.BuildingCount(QStringLiteral("見張り台系"), QStringLiteral("<"), 4);
    OneBuilding(a, QStringLiteral("城を建てる（城主の時代）"), QStringLiteral("城"), kCastle);
    a.Group(QStringLiteral("守備兵と研究の建物"));
    a.Rule(QStringLiteral("戦士育成所を建てる（町の人15人から）"));
    a.Build(QStringLiteral("戦士育成所"));
    a.Population(kCivilians, QStringLiteral(">="), 15);
    a.BuildingCount(QStringLiteral("戦士育成所"), QStringLiteral("<"), 1);
    OneBuilding(a, QStringLiteral("射手育成所を建てる（城主の時代に必要）"),
                QStringLiteral("射手育成所"), kFeudal);
    OneBuilding(a, QStringLiteral("鉄工所を建てる（城主の時代に必要）"), QStringLiteral("鉄工所"),
                kFeudal);
    OneBuilding(a, QStringLiteral("学問所を建てる（塔と壁の研究）"), QStringLiteral("学問所"),
                kCastle);

    a.Category(kResearchCategory);
    a.Group(QStringLiteral("時代の進化"));
    AgeUp(a, kFeudal, 22);
    AgeUp(a, kCastle, 30);
    a.Group(QStringLiteral("内政の研究"));
    a.Rule(QStringLiteral("機織りを研究（町の人18人から）"));
    a.Research(kTownCentre, QStringLiteral("機織り"));
    a.Population(kCivilians, QStringLiteral(">="), 18);
    Technology(a, QStringLiteral("手押し車を研究（町の人が速く運ぶ）"), kTownCentre,
               QStringLiteral("手押し車"));
    Technology(a, QStringLiteral("両刃斧を研究（木の収集が速くなる）"), QStringLiteral("伐採所"),
               QStringLiteral("両刃斧"));
    Technology(a, QStringLiteral("石の切り出しを研究（石の収集が速くなる）"),
               QStringLiteral("採掘所"), QStringLiteral("石の切り出し"));
    a.Group(QStringLiteral("守りの研究"));
    Technology(a, QStringLiteral("矢羽根を研究（塔と射手の射程）"), QStringLiteral("鉄工所"),
               QStringLiteral("矢羽根"));
    Technology(a, QStringLiteral("石工技術を研究（建物と壁を固く）"), QStringLiteral("学問所"),
               QStringLiteral("石工技術"));
    Technology(a, QStringLiteral("迎撃用窓を研究（塔の死角をなくす）"), QStringLiteral("学問所"),
               QStringLiteral("迎撃用窓"));
    Technology(a, QStringLiteral("監視塔を研究（見張り台を強く）"), QStringLiteral("学問所"),
               QStringLiteral("監視塔"));
    Technology(a, QStringLiteral("城壁強化を研究（城を固く）"), QStringLiteral("城"),
               QStringLiteral("城壁強化"));

    a.Category(kUnitCategory);
    Villagers(a, 22, 50);
    a.Group(QStringLiteral("守備兵"));
    a.Rule(QStringLiteral("槍兵を生産（10人まで）"));
    a.Train(QStringLiteral("歩兵グループ"), QStringLiteral("槍兵系"));
    a.UnitCount(QStringLiteral("歩兵グループ"), QStringLiteral("槍兵系"), QStringLiteral("<"), 10);
    a.Rule(QStringLiteral("射手を生産（10人まで）"));
    a.Train(QStringLiteral("射手グループ"), QStringLiteral("射手系"));
    a.UnitCount(QStringLiteral("射手グループ"), QStringLiteral("射手系"), QStringLiteral("<"), 10);

    GathererShares(a, {40, 60, 0, 0}, {30, 40, 15, 15}, {25, 35, 20, 20});
    return a.Finish();
}

} // namespace

QList<StarterTemplate> StarterTemplates() {
    return {
        {QStringLiteral("基本の内政"), BasicEconomy()},
        {QStringLiteral("城主の時代ラッシュ"), CastleAgeRush()},
        {QStringLiteral("守りの固い城"), StrongCastle()},
        {QStringLiteral("領主の時代の射手ラッシュ"), FeudalArcherRush()},
    };
}

} // namespace rw

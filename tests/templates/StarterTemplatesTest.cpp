#include "StarterTemplates.h"
#include "cli/CliRun.h"

#include "model/Cp932.h"
#include "storage/ProjectJson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Cli;
using test::CliRun;
using test::ReadFile;

const QString kSources = QStringLiteral(RW_TEMPLATE_SOURCE_DIR);

const QList<StarterTemplate>& Recipes() {
    static const QList<StarterTemplate> recipes = StarterTemplates();
    return recipes;
}

QStringList RecipeNames() {
    QStringList names;
    for (const StarterTemplate& recipe : Recipes())
        names << recipe.name;
    return names;
}

TEST(StarterTemplates, EveryJsonSourceHasARecipeAndEveryRecipeASource) {
    QStringList sources;
    for (const QString& file : QDir(kSources).entryList({QStringLiteral("*.json")}, QDir::Files))
        sources << file.chopped(5);
    QStringList names = RecipeNames();
    sources.sort();
    names.sort();
    EXPECT_EQ(sources, names);
}

class StarterTemplateTest : public ::testing::TestWithParam<int> {
protected:
    const StarterTemplate& Recipe() const { return Recipes().at(GetParam()); }
    QString Source() const { return kSources + QLatin1Char('/') + Recipe().name + ".json"; }
};

// The JSON is what the editor's commands make of the recipe today. When this
// fails after a change of the editor's output, the templates would ship
// stale event lines: write them again with
//   build/default/tools/starter-templates/rw-starter-templates templates
// and review the difference.
TEST_P(StarterTemplateTest, SourceIsWhatTheEditorMakesOfTheRecipe) {
    const QStringList committed = QString::fromUtf8(ReadFile(Source())).split(QLatin1Char('\n'));
    const QStringList made =
        QString::fromUtf8(ProjectToJson(Recipe().project, true)).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(committed.size(), made.size()); ++i) {
        ASSERT_EQ(committed[i].toStdString(), made[i].toStdString())
            << qPrintable(Source()) << " is stale from line " << i + 1;
    }
    EXPECT_EQ(committed.size(), made.size()) << qPrintable(Source()) << " is stale";
}

// Small enough to read, and every rule within the game's and the editor's
// limits: a title that says what it does, at most 16 commands.
TEST_P(StarterTemplateTest, RulesHaveTitlesAndFitTheCommandLimit) {
    const Project& project = Recipe().project;
    EXPECT_EQ(project.settings.title, Recipe().name);
    int rules = 0;
    QStringList titles;
    for (int k = 1; k <= kCategoryCount; ++k) {
        for (const RuleEntry& entry : project.CategoryAt(k).entries) {
            if (entry.marker == QLatin1String("\\f"))
                continue;
            ++rules;
            EXPECT_FALSE(entry.title.trimmed().isEmpty());
            EXPECT_FALSE(titles.contains(entry.title)) << qPrintable(entry.title);
            titles << entry.title;
            const int conditions = int(entry.conditions.count(QStringLiteral("\r\n")));
            const int events = int(entry.actions.count(QStringLiteral("\r\n"))) + 1;
            EXPECT_LE(conditions + events, 16) << qPrintable(entry.title);
            EXPECT_FALSE(entry.conditions.contains(QStringLiteral("Overwrite")))
                << qPrintable(entry.title) << " still has the placeholder condition";
        }
    }
    EXPECT_GE(rules, 10);
    EXPECT_LE(rules, 60);
}

// What the build does with the source, then what a user does with the
// template: generate the AI, and have it checked.
TEST_P(StarterTemplateTest, PacksBuildsAndPassesTheCheck) {
    ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty());
    QTemporaryDir dir;
    const QString packed = dir.filePath(Recipe().name + ".aitmp");
    CliRun run = Cli({"pack", Source(), "-o", packed, "--template"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    run = Cli({"dump", packed});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, ReadFile(Source()));

    run = Cli({"build", packed, "--out", dir.path(), "--name", "starter"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QString script = FromCp932(ReadFile(dir.filePath("starter.per")));
    EXPECT_EQ(script.count(QStringLiteral("(defrule")), script.count(QStringLiteral("=>")));
    EXPECT_TRUE(QFile::exists(dir.filePath("starter.ai")));

    run = Cli({"check", packed});
    if (run.code == 2 && run.err.contains("unknown command"))
        GTEST_SKIP() << "this rulewright-cli has no check command";
    EXPECT_EQ(run.code, 0) << run.out.toStdString() << run.err.toStdString();
    // The script itself, as the game would read it.
    run = Cli({"check", dir.filePath("starter.per")});
    EXPECT_EQ(run.code, 0) << run.out.toStdString() << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, StarterTemplateTest,
                         ::testing::Range(0, int(StarterTemplates().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "template" + std::to_string(info.param);
                         });

// Each strategy does what its name promises.
struct Promise {
    const char* name;
    std::vector<const char*> lines; // script lines it must contain
};

void PrintTo(const Promise& promise, std::ostream* out) {
    *out << promise.name;
}

class StarterTemplatePromiseTest : public ::testing::TestWithParam<Promise> {};

TEST_P(StarterTemplatePromiseTest, ScriptCarriesTheStrategy) {
    ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty());
    QTemporaryDir dir;
    const QString source =
        kSources + QLatin1Char('/') + QString::fromUtf8(GetParam().name) + ".json";
    const QString packed = dir.filePath("t.aitmp");
    ASSERT_EQ(Cli({"pack", source, "-o", packed, "--template"}).code, 0);
    ASSERT_EQ(Cli({"build", packed, "--out", dir.path(), "--name", "t"}).code, 0);
    const QString script = FromCp932(ReadFile(dir.filePath("t.per")));
    for (const char* line : GetParam().lines)
        EXPECT_TRUE(script.contains(QString::fromUtf8(line))) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, StarterTemplatePromiseTest,
    ::testing::Values(
        Promise{"基本の内政",
                {"(train villager)", "(build house)", "(build lumber-camp)", "(build mill)",
                 "(build farm)", "(research feudal-age)", "(research castle-age)",
                 "(research imperial-age)", "sn-food-gatherer-percentage"}},
        Promise{"城主の時代ラッシュ",
                {"(research castle-age)", "(train knight-line)", "(train battering-ram-line)",
                 "sn-number-attack-groups", "(attack-now)", "(enable-timer 1 90)"}},
        Promise{"守りの固い城",
                {"(enable-wall-placement 2)", "(build-wall 2 stone-wall)", "(build-gate 2)",
                 "(build watch-tower)", "(build castle)", "(research ri-murder-holes)",
                 "(train spearman-line)"}}),
    [](const ::testing::TestParamInfo<Promise>& info) {
        return "promise" + std::to_string(info.index);
    });

} // namespace
} // namespace rw

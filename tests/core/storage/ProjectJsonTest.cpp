#include "core/storage/SampleProject.h"

#include "storage/ProjectJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

TEST(ProjectJson, RoundTripsEveryField) {
    const Project sample = test::SampleProject();
    const JsonReadResult read = ProjectFromJson(ProjectToJson(sample, false));
    ASSERT_TRUE(read.project) << read.error.toStdString();
    EXPECT_EQ(*read.project, sample);
}

TEST(ProjectJson, WritesKeysInFileOrderWithTwoSpaceIndentation) {
    Project p = InitialProject();
    p.CategoryAt(1).entries << NewGroupEntry();
    const QString json = QString::fromUtf8(ProjectToJson(p, true));
    EXPECT_TRUE(json.startsWith(QStringLiteral("{\n"
                                               "  \"magic\": \"TEMP\",\n"
                                               "  \"title\": \"新しいAI\",\n"
                                               "  \"author\": \"\",\n"
                                               "  \"categories\": [\n"
                                               "    {\n"
                                               "      \"rootCaption\": \"建物グループ\",\n"
                                               "      \"entries\": [\n"
                                               "        {\n"
                                               "          \"title\": \"新しいグループ\",\n"
                                               "          \"actions\": \"\",\n")))
        << json.left(400).toStdString();
    EXPECT_TRUE(json.contains(QStringLiteral("          \"marker\": \"\\\\f\"\n"
                                             "        }\n"
                                             "      ]\n"
                                             "    },\n"
                                             "    {\n"
                                             "      \"rootCaption\": \"研究グループ\",\n"
                                             "      \"entries\": []\n"
                                             "    },\n")));
    EXPECT_TRUE(json.contains(QStringLiteral("      \"options\": \"1,1,0,15\",\n"
                                             "      \"text\": \"(defrule\\r\\n  (true)\\r\\n")));
    EXPECT_TRUE(json.contains(QStringLiteral("      \"kind\": 1\n")));
    EXPECT_TRUE(json.endsWith(QStringLiteral("      \"description\": \"40番の変数\"\n"
                                             "    }\n"
                                             "  ]\n"
                                             "}\n")));
}

TEST(ProjectJson, EscapesWhatJsonRequires) {
    Project p = InitialProject();
    p.settings.title = QStringLiteral("a\"b\\c\r\nd\te\x01"
                                      "f/");
    const QByteArray json = ProjectToJson(p, false);
    EXPECT_TRUE(json.contains("\"title\": \"a\\\"b\\\\c\\r\\nd\\te\\u0001f/\""));
    const JsonReadResult read = ProjectFromJson(json);
    ASSERT_TRUE(read.project);
    EXPECT_EQ(read.project->settings.title, p.settings.title);
}

TEST(ProjectJson, LeftOutKeysAreEmptyAndMagicIsIgnored) {
    QJsonObject top = QJsonDocument::fromJson(ProjectToJson(InitialProject(), false)).object();
    top[QStringLiteral("magic")] = QStringLiteral("????");
    top.remove(QStringLiteral("author"));
    QJsonArray categories = top[QStringLiteral("categories")].toArray();
    QJsonObject category = categories[3].toObject();
    category[QStringLiteral("entries")] = QJsonArray{QJsonObject{{"title", "only a title"}}};
    categories[3] = category;
    top[QStringLiteral("categories")] = categories;

    const JsonReadResult read = ProjectFromJson(QJsonDocument(top).toJson());
    ASSERT_TRUE(read.project) << read.error.toStdString();
    ASSERT_EQ(read.project->CategoryAt(4).entries.size(), 1);
    RuleEntry expected;
    expected.title = QStringLiteral("only a title");
    EXPECT_EQ(read.project->CategoryAt(4).entries[0], expected);
    EXPECT_TRUE(read.project->settings.author.isEmpty());
}

// Each row damages a valid document and names the error it must give.
struct JsonErrorRow {
    const char* name;
    std::function<void(QJsonObject&)> damage;
    const char* error;
};

// Applies fn to element i of array key, keeping the change.
template <typename Fn> void EditElement(QJsonObject& object, const char* key, int i, Fn fn) {
    QJsonArray array = object[QLatin1String(key)].toArray();
    QJsonObject element = array[i].toObject();
    fn(element);
    array[i] = element;
    object[QLatin1String(key)] = array;
}

class ProjectJsonErrorTest : public ::testing::TestWithParam<JsonErrorRow> {};

TEST_P(ProjectJsonErrorTest, NamesThePlace) {
    Project p = InitialProject();
    for (int i = 0; i < 6; ++i)
        p.CategoryAt(3).entries << NewRuleEntry(3, QStringLiteral("100"));
    QJsonObject top = QJsonDocument::fromJson(ProjectToJson(p, false)).object();
    GetParam().damage(top);
    const JsonReadResult read = ProjectFromJson(QJsonDocument(top).toJson());
    EXPECT_FALSE(read.project);
    EXPECT_EQ(read.error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ProjectJsonErrorTest,
    ::testing::Values(
        JsonErrorRow{"UnknownEntryKey",
                     [](QJsonObject& top) {
                         EditElement(top, "categories", 2, [](QJsonObject& category) {
                             EditElement(category, "entries", 5, [](QJsonObject& entry) {
                                 entry[QStringLiteral("titel")] = QStringLiteral("x");
                             });
                         });
                     },
                     "categories[2].entries[5]: unknown key \"titel\""},
        JsonErrorRow{"EntryFieldNotAString",
                     [](QJsonObject& top) {
                         EditElement(top, "categories", 2, [](QJsonObject& category) {
                             EditElement(category, "entries", 0, [](QJsonObject& entry) {
                                 entry[QStringLiteral("panel2")] = 3;
                             });
                         });
                     },
                     "categories[2].entries[0].panel2: expected a string"},
        JsonErrorRow{"SixCategories",
                     [](QJsonObject& top) {
                         QJsonArray categories = top[QStringLiteral("categories")].toArray();
                         categories.removeLast();
                         top[QStringLiteral("categories")] = categories;
                     },
                     "categories: expected 7 elements, found 6"},
        JsonErrorRow{"MissingTimers",
                     [](QJsonObject& top) { top.remove(QStringLiteral("timers")); },
                     "missing key \"timers\""},
        JsonErrorRow{"UnknownTopKey", [](QJsonObject& top) { top[QStringLiteral("version")] = 2; },
                     "unknown key \"version\""},
        JsonErrorRow{"KindFraction",
                     [](QJsonObject& top) {
                         EditElement(top, "startupRules", 0,
                                     [](QJsonObject& slot) { slot[QStringLiteral("kind")] = 1.5; });
                     },
                     "startupRules[0].kind: expected a whole number"},
        JsonErrorRow{"TimerNameNumber",
                     [](QJsonObject& top) {
                         EditElement(top, "timers", 2,
                                     [](QJsonObject& slot) { slot[QStringLiteral("name")] = 5; });
                     },
                     "timers[2].name: expected a string"},
        JsonErrorRow{"CategoryNotAnObject",
                     [](QJsonObject& top) {
                         QJsonArray categories = top[QStringLiteral("categories")].toArray();
                         categories[6] = 7;
                         top[QStringLiteral("categories")] = categories;
                     },
                     "categories[6]: expected an object"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DuplicateKeyRow {
    const char* name;
    const char* find;    // in the JSON of the project below
    const char* replace; // the same text with a key repeated
    const char* error;
};

class ProjectJsonDuplicateTest : public ::testing::TestWithParam<DuplicateKeyRow> {};

// JSON itself lets the last of two equal keys win; a project file must not
// lose a value that way without a word.
TEST_P(ProjectJsonDuplicateTest, RepeatedKeysAreRefusedNamingThePlace) {
    Project p = InitialProject();
    for (int i = 0; i < 6; ++i)
        p.CategoryAt(3).entries << NewRuleEntry(3, QStringLiteral("100"));
    p.CategoryAt(3).entries[5].title = QStringLiteral("five");
    const QByteArray json = ProjectToJson(p, false);
    const QByteArray find = GetParam().find;
    ASSERT_EQ(json.count(find), 1) << GetParam().find;
    const JsonReadResult read = ProjectFromJson(QByteArray(json).replace(find, GetParam().replace));
    EXPECT_FALSE(read.project);
    EXPECT_EQ(read.error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ProjectJsonDuplicateTest,
    ::testing::Values(DuplicateKeyRow{"TopLevel", "\"author\": \"\",",
                                      "\"author\": \"\", \"author\": \"x\",",
                                      "duplicate key \"author\""},
                      DuplicateKeyRow{"LaterKeyRepeatsEarlier", "\"title\": \"five\",",
                                      "\"title\": \"five\", \"marker\": \"\\\\c\",",
                                      "categories[2].entries[5]: duplicate key \"marker\""},
                      DuplicateKeyRow{"EscapedSpelling", "\"title\": \"five\",",
                                      "\"title\": \"five\", \"t\\u0069tle\": \"x\",",
                                      "categories[2].entries[5]: duplicate key \"title\""},
                      DuplicateKeyRow{"Category", "\"rootCaption\": \"建物グループ\",",
                                      "\"rootCaption\": \"建物グループ\", \"rootCaption\": \"x\",",
                                      "categories[0]: duplicate key \"rootCaption\""},
                      DuplicateKeyRow{"Timer", "\"name\": \"TIMER_2\",",
                                      "\"name\": \"TIMER_2\", \"name\": \"x\",",
                                      "timers[2]: duplicate key \"name\""},
                      DuplicateKeyRow{"WholeArray", "\"timers\": [",
                                      "\"timers\": [], \"timers\": [", "duplicate key \"timers\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectJson, ReportsSyntaxErrorsWithLineAndColumn) {
    const JsonReadResult read = ProjectFromJson("{\n  \"title\": \"x\",\n  oops\n}");
    EXPECT_FALSE(read.project);
    EXPECT_TRUE(read.error.startsWith(QStringLiteral("invalid JSON at line 3")))
        << read.error.toStdString();
    EXPECT_EQ(ProjectFromJson("[1, 2]").error,
              QStringLiteral("expected an object at the top level"));
}

} // namespace
} // namespace rw

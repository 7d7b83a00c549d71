#include "core/storage/SampleProject.h"

#include "storage/DeviceName.h"
#include "storage/Templates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(Templates, FolderSitsBesideTheProgram) {
    EXPECT_EQ(TemplateFolder(QStringLiteral("/opt/rw")), QStringLiteral("/opt/rw/Template/"));
    EXPECT_EQ(TemplateFolder(QStringLiteral("/opt/rw/")), QStringLiteral("/opt/rw/Template/"));
}

class TemplatesOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = TemplateFolder(dir_.path());
        ASSERT_TRUE(EnsureFolder(folder_));
    }
    void Touch(const QString& name) {
        QFile file(folder_ + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(TemplatesOnDisk, EnsureFolderCreatesEveryMissingLevel) {
    const QString deep = dir_.filePath(QStringLiteral("a/b/c/"));
    EXPECT_TRUE(EnsureFolder(deep));
    EXPECT_TRUE(QDir(deep).exists());
    EXPECT_TRUE(EnsureFolder(deep)); // already there
}

TEST_F(TemplatesOnDisk, ListsOnlyTemplateFilesInNameOrder) {
    EXPECT_TRUE(ListTemplates(folder_).isEmpty());
    Touch(QStringLiteral("b.aitmp"));
    Touch(QStringLiteral("A.aitmp"));
    Touch(QStringLiteral("オリジナルテンプレート.aitmp"));
    Touch(QStringLiteral("notes.txt"));
    Touch(QStringLiteral("c.aitmp.bak"));
    ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("d.aitmp")));
    EXPECT_EQ(ListTemplates(folder_),
              (QStringList{"A", "b", QStringLiteral("オリジナルテンプレート")}));
}

TEST_F(TemplatesOnDisk, SavingReplacesATemplateOfTheSameName) {
    const QString name = QStringLiteral("オリジナルテンプレート");
    Project first = test::SampleProject();
    ASSERT_TRUE(SaveTemplate(first, folder_, name).ok);
    Project second = InitialProject();
    second.title = QStringLiteral("二番目");
    const SaveResult saved = SaveTemplate(second, folder_, name);
    ASSERT_TRUE(saved.ok) << saved.notice.text.toStdString();
    EXPECT_EQ(ListTemplates(folder_), QStringList{name});

    const LoadResult loaded = LoadTemplate(folder_, name);
    ASSERT_TRUE(loaded.project);
    EXPECT_TRUE(loaded.isTemplate);
    EXPECT_EQ(*loaded.project, second);
    // Opened as a project it is refused.
    EXPECT_EQ(LoadProjectFile(TemplatePath(folder_, name), false).notice, TemplateRefusedNotice());
}

TEST_F(TemplatesOnDisk, ProjectFileInTheFolderLoadsLikeATemplate) {
    const Project sample = test::SampleProject();
    ASSERT_TRUE(SaveProjectFile(sample, folder_ + QStringLiteral("copied.aitmp"), false).ok);
    EXPECT_EQ(ListTemplates(folder_), QStringList{"copied"});
    const LoadResult loaded = LoadTemplate(folder_, QStringLiteral("copied"));
    ASSERT_TRUE(loaded.project);
    EXPECT_FALSE(loaded.isTemplate);
    EXPECT_EQ(*loaded.project, sample);
}

TEST_F(TemplatesOnDisk, RefusedNameWritesNothingAnywhere) {
    const SaveResult saved = SaveTemplate(InitialProject(), folder_, QStringLiteral("../escape"));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.notice.icon, Notice::Icon::Warning);
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("escape.aitmp"))));
    EXPECT_TRUE(ListTemplates(folder_).isEmpty());
    EXPECT_FALSE(LoadTemplate(folder_, QStringLiteral("../escape")).project);
}

TEST_F(TemplatesOnDisk, MissingFolderIsReportedNotIgnored) {
    ASSERT_TRUE(QDir(folder_).removeRecursively());
    const SaveResult saved = SaveTemplate(InitialProject(), folder_, QStringLiteral("x"));
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.notice.text.contains(TemplatePath(folder_, QStringLiteral("x"))));
}

struct NameRow {
    const char* name;
    bool accepted;
};

class TemplateNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(TemplateNameTest, RefusesNamesThatAreNotPlainFileNames) {
    const Notice notice = CheckTemplateName(QString::fromUtf8(GetParam().name));
    EXPECT_EQ(notice.IsEmpty(), GetParam().accepted) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TemplateNameTest,
    ::testing::Values(NameRow{"オリジナルテンプレート", true}, NameRow{"my AI v1.2", true},
                      NameRow{"a.b", true}, NameRow{"", false}, NameRow{"   ", false},
                      NameRow{"a/b", false}, NameRow{"a\\b", false}, NameRow{"..", false},
                      NameRow{"x..y", false}, NameRow{"a<b", false}, NameRow{"a>b", false},
                      NameRow{"C:x", false}, NameRow{"say \"hi\"", false}, NameRow{"a|b", false},
                      NameRow{"why?", false}, NameRow{"all*", false}, NameRow{"tab\there", false},
                      NameRow{"line\nbreak", false}, NameRow{"del\x7f", false},
                      NameRow{"CON", false}, NameRow{"nul.bot", false}, NameRow{"COM¹", false},
                      NameRow{"CONSOLE", true}));

struct DeviceRow {
    const char* name;
    bool device;
};

class DeviceNameTest : public ::testing::TestWithParam<DeviceRow> {};

TEST_P(DeviceNameTest, WindowsDevicesWithAnyExtension) {
    EXPECT_EQ(IsDeviceName(QString::fromUtf8(GetParam().name)), GetParam().device)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceNameTest,
    ::testing::Values(DeviceRow{"CON", true}, DeviceRow{"con", true}, DeviceRow{"CON.x", true},
                      DeviceRow{"nul.bot", true}, DeviceRow{"nul.bot.per", true},
                      DeviceRow{"Aux .per", true}, DeviceRow{"PRN.", true}, DeviceRow{"COM1", true},
                      DeviceRow{"com0.ai", true}, DeviceRow{"COM¹", true},
                      DeviceRow{"lpt³.per", true}, DeviceRow{"LPT9", true},
                      DeviceRow{"CONIN$", true}, DeviceRow{"conout$.txt", true},
                      DeviceRow{"CONSOLE", false}, DeviceRow{"COM10", false},
                      DeviceRow{"COM⁴", false}, DeviceRow{"COMA", false}, DeviceRow{"xCON", false},
                      DeviceRow{" CON", false}, DeviceRow{"nullbot", false},
                      DeviceRow{"mybot.con", false}, DeviceRow{"", false}));

} // namespace
} // namespace rw

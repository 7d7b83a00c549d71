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

TEST_F(TemplatesOnDisk, FolderAcceptsFilesWhenOneCanBeMadeAndLeavesNoneBehind) {
    EXPECT_TRUE(FolderAcceptsFiles(folder_));
    EXPECT_TRUE(QDir(folder_).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(FolderAcceptsFiles(dir_.filePath(QStringLiteral("missing"))));
    Touch(QStringLiteral("plain"));
    EXPECT_FALSE(FolderAcceptsFiles(folder_ + QStringLiteral("plain")));
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
    second.settings.title = QStringLiteral("二番目");
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
    EXPECT_TRUE(saved.notice.text.contains(
        QDir::toNativeSeparators(TemplatePath(folder_, QStringLiteral("x")))));
}

// --- where templates live ------------------------------------------------------

struct LocateRow {
    const char* what;
    bool shippedExists;
    bool shippedIsBeside; // the shipped folder is the program's own Template folder
    bool writable;
    bool userData;
    // expected
    bool beside;
    bool listsShipped;
};

class LocateTemplateFoldersTest : public ::testing::TestWithParam<LocateRow> {};

TEST_P(LocateTemplateFoldersTest, PicksTheFoldersForHowTheProgramRuns) {
    const LocateRow& row = GetParam();
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("bin"));
    const QString userData = dir.filePath(QStringLiteral("home/data"));
    QString shipped = row.shippedIsBeside ? TemplateFolder(program)
                                          : dir.filePath(QStringLiteral("share/Template"));
    ASSERT_TRUE(QDir().mkpath(program));
    if (row.shippedExists) {
        ASSERT_TRUE(QDir().mkpath(shipped));
    }

    const TemplateFolders folders =
        LocateTemplateFolders(program, row.writable, shipped, row.userData ? userData : QString());
    EXPECT_EQ(folders.besideProgram, row.beside) << row.what;
    EXPECT_EQ(folders.user, row.beside ? TemplateFolder(program) : TemplateFolder(userData))
        << row.what;
    if (!shipped.endsWith(QLatin1Char('/')))
        shipped += QLatin1Char('/');
    EXPECT_EQ(folders.shipped, row.listsShipped ? shipped : QString()) << row.what;
    EXPECT_NE(folders.user, folders.shipped) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LocateTemplateFoldersTest,
    ::testing::Values(
        LocateRow{"run from the build folder", false, false, true, true, true, false},
        LocateRow{"installed under /usr", true, false, false, true, false, true},
        LocateRow{"installed into a folder the user owns", true, false, true, true, false, true},
        LocateRow{"unpacked where it cannot write", false, false, false, true, false, false},
        LocateRow{"shipped folder is its own Template folder", true, true, true, true, true, false},
        LocateRow{"installed beside its templates where it cannot write (Windows)", true, true,
                  false, true, false, true},
        LocateRow{"no user data folder to go to", true, false, false, false, true, false}));

class InstalledTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        folders_ = TemplateFolders{TemplateFolder(dir_.filePath(QStringLiteral("home"))),
                                   TemplateFolder(dir_.filePath(QStringLiteral("share"))), false};
        ASSERT_TRUE(EnsureFolder(folders_.shipped));
    }
    Project Titled(const char* title) {
        Project project = InitialProject();
        project.settings.title = QString::fromUtf8(title);
        return project;
    }
    QTemporaryDir dir_;
    TemplateFolders folders_;
};

TEST_F(InstalledTemplates, UsersTemplatesStandBesideTheShippedOnesAndWinOnTheirName) {
    ASSERT_TRUE(SaveTemplate(Titled("shipped common"), folders_.shipped, "共通").ok);
    ASSERT_TRUE(SaveTemplate(Titled("shipped B"), folders_.shipped, "B").ok);
    // No user folder yet: the shipped templates alone.
    EXPECT_EQ(ListTemplates(folders_), (QStringList{"B", QStringLiteral("共通")}));

    ASSERT_TRUE(SaveTemplate(Titled("mine"), folders_, QStringLiteral("共通")).ok);
    ASSERT_TRUE(SaveTemplate(Titled("mine a"), folders_, QStringLiteral("a")).ok);
    EXPECT_EQ(ListTemplates(folders_), (QStringList{"a", "B", QStringLiteral("共通")}));
    EXPECT_EQ(TemplatePath(folders_, QStringLiteral("共通")),
              TemplatePath(folders_.user, QStringLiteral("共通")));
    EXPECT_EQ(TemplatePath(folders_, QStringLiteral("B")),
              TemplatePath(folders_.shipped, QStringLiteral("B")));

    const LoadResult common = LoadTemplate(folders_, QStringLiteral("共通"));
    ASSERT_TRUE(common.project);
    EXPECT_EQ(common.project->settings.title, QStringLiteral("mine"));
    const LoadResult b = LoadTemplate(folders_, QStringLiteral("B"));
    ASSERT_TRUE(b.project);
    EXPECT_EQ(b.project->settings.title, QStringLiteral("shipped B"));
    EXPECT_FALSE(LoadTemplate(folders_, QStringLiteral("none")).project);
}

TEST_F(InstalledTemplates, SavingNeverWritesIntoTheShippedFolder) {
    ASSERT_TRUE(SaveTemplate(Titled("shipped"), folders_.shipped, "標準").ok);
    QFile shippedFile(TemplatePath(folders_.shipped, QStringLiteral("標準")));
    ASSERT_TRUE(shippedFile.open(QIODevice::ReadOnly));
    const QByteArray before = shippedFile.readAll();
    shippedFile.close();

    const SaveResult saved = SaveTemplate(Titled("changed"), folders_, QStringLiteral("標準"));
    ASSERT_TRUE(saved.ok) << saved.notice.text.toStdString();
    ASSERT_TRUE(shippedFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(shippedFile.readAll(), before);
    EXPECT_EQ(QDir(folders_.shipped).entryList(QDir::Files), QStringList{"標準.aitmp"});
    EXPECT_TRUE(QFileInfo::exists(TemplatePath(folders_.user, QStringLiteral("標準"))));
    // A name that would reach out of the user folder is still refused.
    EXPECT_FALSE(SaveTemplate(Titled("x"), folders_, QStringLiteral("../share/標準")).ok);
}

TEST_F(InstalledTemplates, UserFolderThatCannotBeMadeIsReported) {
    QFile blocker(dir_.filePath(QStringLiteral("home")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
    const SaveResult saved = SaveTemplate(Titled("x"), folders_, QStringLiteral("x"));
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.notice.text.contains(folders_.user));
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

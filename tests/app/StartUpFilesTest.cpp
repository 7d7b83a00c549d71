#include "WindowFixture.h"

#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/TemplateOpenDialog.h"
#include "storage/TemplateSaveDialog.h"
#include "storage/Templates.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>

#include <memory>

namespace rw {
namespace {

// The window as an installed program and as a program given a file to open:
// the program folder is dir/bin, its data folder dir/share/rulewright, and
// the user's data folder lies under dir/home.
class StartUpFilesTest : public WindowFixture {
protected:
    void SetUp() override {
        hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", folder_.filePath(QStringLiteral("home")).toUtf8());
        ASSERT_TRUE(QDir().mkpath(Path("bin")));
    }
    void TearDown() override {
        window_.reset();
        if (hadDataHome_)
            qputenv("XDG_DATA_HOME", savedDataHome_);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    void StartWindow() { StartWindowIn(Path("bin")); }
    QString Path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }
    static Project Titled(const QString& title, int rules) {
        Project project = InitialProject();
        project.settings.title = title;
        for (int i = 0; i < rules; ++i)
            project.CategoryAt(1).entries << NewRuleEntry(1, QStringLiteral("100"));
        return project;
    }

    bool hadDataHome_ = false;
    QByteArray savedDataHome_;
};

TEST_F(StartUpFilesTest, InstalledProgramListsItsTemplatesAndSavesIntoTheUsersFolder) {
    const QString shipped = Path("share/rulewright/Template");
    ASSERT_TRUE(EnsureFolder(shipped));
    ASSERT_TRUE(
        SaveTemplate(Titled(QStringLiteral("標準"), 2), shipped, QStringLiteral("標準")).ok);
    StartWindow();
    EXPECT_TRUE(dialogs_.asked.isEmpty()); // no question about a folder
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/Template/");
    EXPECT_EQ(Work().Templates().user, user);
    EXPECT_TRUE(user.startsWith(Path("home")));
    EXPECT_FALSE(QFileInfo::exists(Path("bin/Template")));

    // Saving goes to the user's folder, made now, never to the shipped one.
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* save = qobject_cast<TemplateSaveDialog*>(&dialog);
        EXPECT_NE(save, nullptr);
        if (!save)
            return int(QDialog::Rejected);
        save->NameBox()->setText(QStringLiteral("標準"));
        save->Save();
        return save->result();
    };
    Trigger("file.saveTemplate");
    EXPECT_TRUE(dialogs_.informed.isEmpty()) << dialogs_.informed.value(0).text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(user + QStringLiteral("標準.aitmp")));
    EXPECT_EQ(LoadTemplate(shipped, QStringLiteral("標準")).project->settings.title,
              QStringLiteral("標準"));

    // Both folders are offered; the user's template of the same name wins.
    ASSERT_TRUE(SaveTemplate(Titled(QStringLiteral("別"), 1), shipped, QStringLiteral("別")).ok);
    QStringList listed;
    dialogs_.onRun = [&](QDialog& dialog) {
        auto* open = qobject_cast<TemplateOpenDialog*>(&dialog);
        EXPECT_NE(open, nullptr);
        if (!open)
            return int(QDialog::Rejected);
        for (int i = 0; i < open->List()->count(); ++i)
            listed << open->List()->item(i)->text();
        open->List()->setCurrentRow(int(listed.indexOf(QStringLiteral("標準"))));
        open->Decide();
        return open->result();
    };
    Trigger("file.newFromTemplate");
    EXPECT_EQ(listed, (QStringList{QStringLiteral("別"), QStringLiteral("標準")}));
    EXPECT_EQ(window_->Work().CurrentProject().settings.title, QStringLiteral("新しいAI"));
}

TEST_F(StartUpFilesTest, FileNamedAtStartOpensAndABadOneLeavesTheNewProject) {
    ASSERT_TRUE(QDir().mkpath(Path("bin/Template")));
    const QString good = Path("二つのルール.rwp");
    ASSERT_TRUE(SaveProjectFile(Titled(QStringLiteral("開く"), 2), good, false).ok);
    StartWindow();
    EXPECT_TRUE(window_->OpenFile(good));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("二つのルール.rwp[*] – Rulewright"));
    EXPECT_EQ(window_->Work().CurrentProject().settings.title, QStringLiteral("開く"));
    EXPECT_EQ(window_->Rules()->topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(dialogs_.informed.isEmpty());

    window_.reset();
    const QString junk = Path("junk.rwp");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a project");
    file.close();
    StartWindow();
    EXPECT_FALSE(window_->OpenFile(junk));
    ASSERT_EQ(dialogs_.informed.size(), 1);
    EXPECT_EQ(dialogs_.informed[0], CorruptFileNotice());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Rulewright[*]"));
    EXPECT_EQ(window_->Work().CurrentProject().settings.title, QStringLiteral("新しいAI"));

    EXPECT_FALSE(window_->OpenFile(Path("missing.rwp")));
    EXPECT_EQ(dialogs_.informed.value(1), FileNotFoundNotice());
}

} // namespace
} // namespace rw

#include "Printers.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/Templates.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WorkspaceFiles : public testing::Test {
protected:
    void SetUp() override {
        ws.SetFolders(QString(), TemplateFolders{.user = dir.path(), .shipped = {}}, dir.path());
        ws.AddRule();
        ws.AddGroup();
        ws.AddRule();
        ws.SwitchCategory(3);
        ws.AddRule();
        ws.Select(1);
    }
    QString PathOf(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    Workspace ws;
};

TEST_F(WorkspaceFiles, SaveNeedsANameFirst) {
    const SaveOutcome first = ws.Save();
    EXPECT_FALSE(first.ok);
    EXPECT_TRUE(first.needsName);
    EXPECT_TRUE(ws.IsModified());
    const QString path = PathOf("a.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    EXPECT_EQ(ws.CurrentPath(), path);
    ws.AddRule();
    EXPECT_TRUE(ws.IsModified());
    EXPECT_TRUE(ws.Save().ok);
    EXPECT_FALSE(ws.IsModified());
}

TEST_F(WorkspaceFiles, DeclinedOverwriteKeepsFileAndName) {
    const QString first = PathOf("first.rwp");
    const QString other = PathOf("other.rwp");
    ASSERT_TRUE(ws.SaveAs(first, false).ok);
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    ws.AddRule();
    const SaveOutcome declined = ws.SaveAs(other, false);
    EXPECT_FALSE(declined.ok);
    EXPECT_EQ(ws.CurrentPath(), first);
    EXPECT_EQ(ws.Caption(), "first.rwp[*] – Rulewright");
    EXPECT_EQ(ReadFile(other), "keep me");
    EXPECT_TRUE(ws.IsModified());
    ASSERT_TRUE(ws.SaveAs(other, true).ok);
    EXPECT_EQ(ws.CurrentPath(), other);
}

TEST_F(WorkspaceFiles, RefusedFilesLeaveTheProjectAsItWas) {
    const Project before = ws.CurrentProject();
    const QString path = PathOf("a.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    ws.AddRule();
    const Project edited = ws.CurrentProject();

    ASSERT_TRUE(SaveTemplate(before, dir.path(), "tmpl").ok);
    const Notice refused = ws.Open(TemplatePath(dir.path(), "tmpl"));
    EXPECT_EQ(refused, TemplateRefusedNotice());
    EXPECT_EQ(ws.CurrentProject(), edited);
    EXPECT_EQ(ws.CurrentPath(), path);
    EXPECT_TRUE(ws.IsModified());

    EXPECT_EQ(ws.Open(PathOf("missing.rwp")), FileNotFoundNotice());
    QFile junk(PathOf("junk.rwp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a project at all");
    junk.close();
    EXPECT_EQ(ws.Open(PathOf("junk.rwp")), CorruptFileNotice());
    EXPECT_EQ(ws.CurrentProject(), edited);
    EXPECT_FALSE(ws.NewFromTemplate("absent").IsEmpty());
    EXPECT_EQ(ws.CurrentProject(), edited);
}

TEST_F(WorkspaceFiles, OpenResetsSelectionsAndShowsTheFirstCategory) {
    ws.SwitchCategory(1);
    ws.Select(3);
    const QString path = PathOf("a.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    ws.CopyRule();
    ws.SwitchCategory(3);
    ASSERT_TRUE(ws.Open(path).IsEmpty());
    EXPECT_EQ(ws.CurrentCategory(), 1);
    EXPECT_EQ(ws.Selected(), 1);
    EXPECT_EQ(ws.RememberedSelection(3), 1);
    EXPECT_FALSE(ws.RuleClipboardFull());
    EXPECT_FALSE(ws.IsModified());
    EXPECT_EQ(ws.RuleCountText(), "ルール数: 3/1000");
}

TEST_F(WorkspaceFiles, TemplateStartsANewProjectWithoutAFile) {
    ws.SwitchCategory(1);
    ws.Select(3);
    ASSERT_TRUE(ws.SaveAs(PathOf("a.rwp"), false).ok);
    ASSERT_TRUE(ws.SaveAsTemplate("base").ok);
    EXPECT_EQ(ws.CurrentPath(), PathOf("a.rwp")); // saving a template keeps the name
    ws.Select(2);
    ws.Delete();
    ws.SwitchCategory(3);
    ws.Select(2);
    ASSERT_TRUE(ws.NewFromTemplate("base").IsEmpty());
    EXPECT_EQ(ws.CurrentPath(), "");
    EXPECT_EQ(ws.Caption(), "Rulewright[*]");
    EXPECT_EQ(ws.CurrentCategory(), 3);
    EXPECT_EQ(ws.Selected(), 2); // remembered selections are kept
    EXPECT_EQ(ws.RememberedSelection(1), 2);
    EXPECT_EQ(ws.CurrentProject().CategoryAt(1).entries.size(), 3);
    EXPECT_TRUE(ws.Save().needsName);
}

TEST_F(WorkspaceFiles, AGivenTemplateStartsANewProjectAndAGivenProjectOpens) {
    ASSERT_TRUE(ws.SaveAsTemplate("base").ok);
    const QString project = PathOf("a.rwp");
    ASSERT_TRUE(ws.SaveAs(project, false).ok);
    ws.NewEmptyProject();

    ASSERT_TRUE(ws.OpenGiven(TemplatePath(dir.path(), "base")).IsEmpty());
    EXPECT_EQ(CountRules(ws.CurrentProject()), 3);
    EXPECT_EQ(ws.CurrentPath(), "");
    EXPECT_TRUE(ws.Save().needsName);

    ws.NewEmptyProject();
    ASSERT_TRUE(ws.OpenGiven(project).IsEmpty());
    EXPECT_EQ(CountRules(ws.CurrentProject()), 3);
    EXPECT_EQ(ws.CurrentPath(), project);
    EXPECT_FALSE(ws.CanUndo());
    EXPECT_EQ(ws.OpenGiven(PathOf("missing.rwp")), FileNotFoundNotice());
}

TEST_F(WorkspaceFiles, EmptyProjectKeepsEverythingButTheRules) {
    ASSERT_TRUE(ws.SaveAs(PathOf("a.rwp"), false).ok);
    ws.SetHeader("mine", ws.CurrentProject().settings.author);
    ws.SetConstHelp(ConstKind::Variable, 1, "家の数");
    EXPECT_TRUE(ws.IsModified());
    EXPECT_EQ(ws.VariablePickerTexts().value(1), "1: 家の数");
    ws.NewEmptyProject();
    EXPECT_EQ(CountRules(ws.CurrentProject()), 0);
    EXPECT_EQ(ws.CurrentProject().settings.title, "mine");
    EXPECT_EQ(ws.Caption(), "Rulewright[*]");
    EXPECT_EQ(ws.CurrentCategory(), 1);
    EXPECT_EQ(ws.RememberedSelection(3), 1);
    EXPECT_TRUE(ws.Save().needsName);
}

TEST_F(WorkspaceFiles, ViewingARulesScriptIsNoChange) {
    const QString path = PathOf("a.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    ASSERT_TRUE(ws.Open(path).IsEmpty());
    ws.Select(2);
    ASSERT_TRUE(ws.SelectedEntry()->scriptText.isEmpty());
    for (const bool colour : {true, false}) {
        ws.SetColourPreview(colour);
        EXPECT_FALSE(ws.Preview().content.isEmpty());
    }
    EXPECT_FALSE(ws.SelectedEntry()->scriptText.isEmpty()) << "the cache is filled";
    EXPECT_FALSE(ws.IsModified());
}

// --- the template folder question at start-up --------------------------------

enum class UserFolder { Missing, There, Unmakeable };

struct FolderCase {
    const char* name;
    bool besideProgram;
    UserFolder folder;
    bool create; // the answer, when asked
    bool asked;
    bool templatesOn;
    bool refused; // a notice that the folder could not be made
};

class TemplateFolderQuestion : public testing::TestWithParam<FolderCase> {};

TEST_P(TemplateFolderQuestion, AskedOnlyForAMissingFolderBesideTheProgram) {
    const FolderCase& c = GetParam();
    QTemporaryDir dir;
    QString user = dir.filePath("Template/");
    if (c.folder == UserFolder::There) {
        ASSERT_TRUE(QDir().mkpath(user));
    }
    if (c.folder == UserFolder::Unmakeable) {
        QFile blocker(dir.filePath("file"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        user = dir.filePath("file/Template/");
    }
    Workspace ws;
    TemplateFolders folders;
    folders.user = user;
    folders.besideProgram = c.besideProgram;
    EXPECT_EQ(ws.SetFolders("ai", folders, dir.path()), c.asked);
    EXPECT_TRUE(ws.TemplatesEnabled());
    if (c.asked) {
        const Notice notice = ws.AnswerTemplateFolderQuestion(c.create);
        EXPECT_EQ(!notice.IsEmpty(), c.refused);
        if (c.refused) {
            EXPECT_EQ(notice.text,
                      QStringLiteral("テンプレートフォルダを作成できませんでした\n") + user);
        }
    }
    EXPECT_EQ(ws.TemplatesEnabled(), c.templatesOn);
    EXPECT_EQ(QFileInfo(user).isDir(),
              c.folder == UserFolder::There || (c.asked && c.create && !c.refused));
    EXPECT_EQ(ws.AiFolder(), "ai");
    EXPECT_EQ(ws.Templates(), folders);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateFolderQuestion,
    testing::Values(FolderCase{"InstalledMakesItWhenFirstNeeded", false, UserFolder::Missing, true,
                               false, true, false},
                    FolderCase{"FolderThere", true, UserFolder::There, true, false, true, false},
                    FolderCase{"Yes", true, UserFolder::Missing, true, true, true, false},
                    FolderCase{"No", true, UserFolder::Missing, false, true, false, false},
                    FolderCase{"CannotBeMade", true, UserFolder::Unmakeable, true, true, false,
                               true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorkspaceFiles, FileDialogsStartWhereTheLastProjectWas) {
    TemplateFolders installed;
    ws.SetFolders(QString(), installed, dir.path());
    EXPECT_EQ(ws.OpenFolder(), QDir::homePath());
    TemplateFolders beside;
    beside.besideProgram = true;
    beside.user = dir.filePath("Template/");
    ws.SetFolders(QString(), beside, dir.path());
    EXPECT_EQ(ws.OpenFolder(), dir.path());
    EXPECT_EQ(ws.SaveFolder(), dir.path());

    QDir(dir.path()).mkpath("sub");
    const QString path = PathOf("sub/a.rwp");
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    EXPECT_EQ(ws.SaveFolder(), dir.filePath("sub"));
    EXPECT_EQ(ws.OpenFolder(), dir.path()) << "only opening moves it";
    ASSERT_TRUE(ws.Open(path).IsEmpty());
    EXPECT_EQ(ws.OpenFolder(), dir.filePath("sub"));
    // A file that cannot be opened leaves it where it was.
    EXPECT_FALSE(ws.Open(PathOf("missing.rwp")).IsEmpty());
    EXPECT_EQ(ws.OpenFolder(), dir.filePath("sub"));
}

} // namespace

namespace {

// Text pasted into a box is the script's text: its control characters are
// left out; TAB, a blank to the game, stays.
TEST_F(WorkspaceFiles, TypedTextLeavesControlCharactersOut) {
    ws.Select(2);
    ws.Rename(QStringLiteral("家\x7f\x1b\t1"));
    EXPECT_EQ(ws.SelectedEntry()->title, QStringLiteral("家\t1"));
    ws.SetHeader(QStringLiteral("AI\x01"), QStringLiteral("\x85me"));
    EXPECT_EQ(ws.CurrentProject().settings.title, QStringLiteral("AI"));
    EXPECT_EQ(ws.CurrentProject().settings.author, QStringLiteral("me"));
    ws.SetConstHelp(ConstKind::Variable, 3, QStringLiteral("help\x7f"));
    EXPECT_EQ(ws.CurrentProject().settings.variables[3].description, QStringLiteral("help"));
}

// A file with undecodable bytes opens and says where they were.
TEST_F(WorkspaceFiles, OpeningUndecodableBytesNamesThemAndOpens) {
    Project p = InitialProject();
    p.settings.author = QStringLiteral("全角");
    p.CategoryAt(1).entries << NewRuleEntry(1, QStringLiteral("100"));
    QByteArray bytes = EncodeProject(p, false, 0, 0);
    bytes.replace(bytes.indexOf(QByteArray("\x91\x53", 2)), 2, QByteArray("\x91\x7f", 2));
    const QString path = PathOf("damaged.rwp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    bool opened = false;
    const Notice notice = ws.Open(path, &opened);
    EXPECT_TRUE(opened);
    EXPECT_EQ(notice, UndecodableNotice({QStringLiteral("作者")}));
    EXPECT_EQ(ws.CurrentPath(), path);
    Notice refused;
    EXPECT_TRUE(ws.BuildScriptBytes(&refused).isEmpty());
    EXPECT_EQ(refused.text, QStringLiteral("作者に制御文字(SUB)があります"));
}

} // namespace

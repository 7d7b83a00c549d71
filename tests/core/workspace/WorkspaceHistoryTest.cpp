#include "storage/ProjectFile.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace rw;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes a save would write: what "restores the project exactly" means.
QByteArray Bytes(const Project& project) {
    return EncodeProject(project, false, 0, 0);
}

RuleEntry Rule(const QString& title) {
    RuleEntry entry;
    entry.title = title;
    entry.marker = kMarkerRoot;
    return entry;
}

// --- the difference of two projects -----------------------------------------

struct DiffCase {
    const char* name;
    std::function<void(Project&)> change;
};

class ProjectDiffTest : public testing::TestWithParam<DiffCase> {};

TEST_P(ProjectDiffTest, BackwardAndForwardRestoreEitherSide) {
    Project before;
    for (int c = 1; c <= kCategoryCount; ++c)
        for (int i = 0; i < 6; ++i)
            before.CategoryAt(c).entries << Rule(QStringLiteral("r%1-%2").arg(c).arg(i));
    Project after = before;
    GetParam().change(after);

    const ProjectDiff diff = DiffProjects(before, after);
    Project project = after;
    ASSERT_TRUE(ApplyBackward(project, diff));
    EXPECT_EQ(Bytes(project), Bytes(before));
    ASSERT_TRUE(ApplyForward(project, diff));
    EXPECT_EQ(Bytes(project), Bytes(after));
    // Only what differs is kept.
    int kept = 0;
    for (const ProjectDiff::Splice& splice : diff.splices)
        kept += splice.before.size() + splice.after.size();
    EXPECT_LE(kept, 8);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ProjectDiffTest,
    testing::Values(
        DiffCase{"Nothing", [](Project&) {}},
        DiffCase{"OneField", [](Project& p) { p.CategoryAt(2).entries[3].actions = "(x)"; }},
        DiffCase{"InsertFirst", [](Project& p) { p.CategoryAt(1).entries.prepend(Rule("n")); }},
        DiffCase{"InsertLast", [](Project& p) { p.CategoryAt(7).entries.append(Rule("n")); }},
        DiffCase{"InsertCopyOfNeighbour",
                 [](Project& p) { p.CategoryAt(3).entries.insert(2, p.CategoryAt(3).entries[2]); }},
        DiffCase{"RemoveRun", [](Project& p) { p.CategoryAt(4).entries.remove(1, 3); }},
        DiffCase{"RemoveAll", [](Project& p) { p.CategoryAt(5).entries.clear(); }},
        DiffCase{"Swap", [](Project& p) { p.CategoryAt(6).entries.swapItemsAt(1, 2); }},
        DiffCase{"TwoCategories",
                 [](Project& p) {
                     p.CategoryAt(1).entries[0].title = "a";
                     p.CategoryAt(7).entries[5].title = "b";
                 }},
        DiffCase{"Settings",
                 [](Project& p) {
                     p.title = "t";
                     p.variables[3].constName = "v";
                     p.CategoryAt(2).rootCaption = "c";
                 }}),
    [](const testing::TestParamInfo<DiffCase>& info) { return info.param.name; });

TEST(ProjectDiffTest, ARunThatNoLongerFitsIsRefused) {
    Project before;
    before.CategoryAt(1).entries << Rule("a") << Rule("b");
    Project after = before;
    after.CategoryAt(1).entries.append(Rule("c"));
    const ProjectDiff diff = DiffProjects(before, after);
    Project shorter;
    const QByteArray untouched = Bytes(shorter);
    EXPECT_FALSE(ApplyBackward(shorter, diff));
    EXPECT_EQ(Bytes(shorter), untouched);
}

// --- the workspace's history ------------------------------------------------------

class HistoryTest : public testing::Test {
protected:
    // Runs a command; when it changed the project, undo gives back the
    // project before it byte for byte and redo the project after it.
    void ExpectUndoable(const char* what, const std::function<void()>& command) {
        SCOPED_TRACE(what);
        const QByteArray before = Bytes(ws.CurrentProject());
        const int depth = ws.History().UndoDepth();
        command();
        const QByteArray after = Bytes(ws.CurrentProject());
        if (after == before) {
            unchanged << QString::fromUtf8(what);
            return;
        }
        ++changed;
        ASSERT_EQ(ws.History().UndoDepth(), depth + 1) << "one command, one step";
        ws.Undo();
        EXPECT_EQ(Bytes(ws.CurrentProject()), before);
        ws.Redo();
        EXPECT_EQ(Bytes(ws.CurrentProject()), after);
    }

    Workspace ws;
    int changed = 0;
    QStringList unchanged;
};

TEST_F(HistoryTest, EveryKindOfCommandIsOneStep) {
    ExpectUndoable("add rule", [&] { ws.AddRule(); });
    ExpectUndoable("insert rule", [&] { ws.InsertRule(); });
    ExpectUndoable("add group", [&] { ws.AddGroup(); });
    ExpectUndoable("add rule to group", [&] { ws.AddRule(); });
    ExpectUndoable("choice", [&] {
        ws.Select(4);
        ws.SetChoice(GroupSection::Civilisation, 2, 1);
    });
    ExpectUndoable("popup",
                   [&] { ws.RunGroupPopup(GroupSection::MapType, GroupPopupCommand::SelectAll); });
    ExpectUndoable("rename", [&] {
        ws.Select(2);
        ws.Rename(QStringLiteral("城"));
    });
    ExpectUndoable("move down", [&] { ws.MoveDown(); });
    ExpectUndoable("move up", [&] { ws.MoveUp(); });
    ExpectUndoable("panel",
                   [&] { ws.ChangePanel(PanelControl::BuildingPicker, QStringLiteral("15")); });
    ExpectUndoable("forward",
                   [&] { ws.ChangePanel(PanelControl::BuildForward, QStringLiteral("1")); });
    ExpectUndoable("option", [&] { ws.ChangePanel(PanelControl::RunOnce, QStringLiteral("1")); });
    ExpectUndoable("operator", [&] { ws.InsertOperator(4); });
    ExpectUndoable("not", [&] { ws.InsertOperator(8); });
    ExpectUndoable("rewrite", [&] {
        ws.SelectCondition(2);
        ws.RewriteOperator(5);
    });
    ExpectUndoable("condition cut", [&] {
        ws.SelectCondition(2);
        ws.CutCondition(CommandSource::Menu);
    });
    ExpectUndoable("condition paste", [&] { ws.PasteCondition(CommandSource::Menu); });
    ExpectUndoable("condition delete", [&] {
        ws.SelectCondition(2);
        ws.DeleteCondition(CommandSource::Toolbar);
    });
    ExpectUndoable("rule copy and paste", [&] {
        ws.CopyRule();
        ws.PasteRule();
    });
    ExpectUndoable("rule cut", [&] { ws.CutRule(); });
    ExpectUndoable("delete group", [&] {
        ws.Select(4);
        ws.Delete();
    });
    ExpectUndoable("constant name", [&] {
        ASSERT_TRUE(ws.RenameConst(ConstKind::Variable, 1, QStringLiteral("gold-flag")).IsEmpty());
    });
    ExpectUndoable("constant help",
                   [&] { ws.SetConstHelp(ConstKind::Timer, 2, QStringLiteral("攻撃の間隔")); });
    ExpectUndoable("startup settings", [&] {
        InitSettings settings = LoadInitSettings(ws.CurrentProject());
        settings.explorerCount = QStringLiteral("3");
        ws.ApplyInitSettings(settings);
    });
    ExpectUndoable("resource tab", [&] {
        ws.SwitchCategory(4);
        ws.AddRule();
    });
    ExpectUndoable("allocation",
                   [&] { ws.ChangePanel(PanelControl::WoodBox, QStringLiteral("40")); });
    ExpectUndoable("empty project", [&] { ws.NewEmptyProject(); });
    // The session above really changes the project each time.
    EXPECT_TRUE(unchanged.isEmpty()) << unchanged.join(u',').toStdString();
}

TEST_F(HistoryTest, UndoShowsWhereTheChangeWasAndNamesIt) {
    ws.AddRule();
    ws.AddRule();
    ws.SwitchCategory(3);
    EXPECT_EQ(ws.UndoText(), QStringLiteral("元に戻す(&U): ルールの追加"));
    EXPECT_EQ(ws.RedoText(), QStringLiteral("やり直し(&R)"));
    ws.SwitchCategory(1);
    ws.Select(3);
    ws.Delete();
    EXPECT_EQ(ws.UndoText(), QStringLiteral("元に戻す(&U): ルールの削除"));
    ws.SwitchCategory(5);
    ws.Undo();
    EXPECT_EQ(ws.CurrentCategory(), 1);
    EXPECT_EQ(ws.Selected(), 3);
    EXPECT_EQ(ws.SelectedKind(), NodeKind::Rule);
    EXPECT_EQ(ws.RedoText(), QStringLiteral("やり直し(&R): ルールの削除"));
    // A new change drops what could be redone.
    ws.Rename(QStringLiteral("x"));
    EXPECT_FALSE(ws.CanRedo());
}

TEST_F(HistoryTest, TypingIsOneStepUntilTheBoxIsLeft) {
    ws.AddRule();
    const QString before = ws.SelectedEntry()->title;
    for (const char* text : {"城", "城の", "城の建設"})
        ws.Rename(QString::fromUtf8(text));
    ws.FinishEdit();
    ws.Rename(QStringLiteral("別"));
    ws.Undo();
    EXPECT_EQ(ws.SelectedEntry()->title, QStringLiteral("城の建設"));
    ws.Undo();
    EXPECT_EQ(ws.SelectedEntry()->title, before);

    // A settings dialog's changes are one step until it closes.
    const QByteArray unnamed = Bytes(ws.CurrentProject());
    for (const char* title : {"a", "ab", "abc"})
        ws.SetHeader(QString::fromUtf8(title), ws.CurrentProject().author);
    ws.SetHeader(ws.CurrentProject().title, QStringLiteral("me"));
    ASSERT_TRUE(ws.RenameConst(ConstKind::Variable, 2, QStringLiteral("wood-flag")).IsEmpty());
    ws.SetConstHelp(ConstKind::Variable, 2, QStringLiteral("木"));
    ws.FinishEdit();
    ws.Undo();
    EXPECT_EQ(Bytes(ws.CurrentProject()), unnamed);

    ws.SwitchCategory(5);
    ws.AddRule();
    ws.ChangePanel(PanelControl::AttackKind, QStringLiteral("2"));
    const QByteArray groups = Bytes(ws.CurrentProject());
    ws.ChangePanel(PanelControl::GroupCount, QStringLiteral("1"));
    ws.ChangePanel(PanelControl::GroupCount, QStringLiteral("12"));
    ws.FinishEdit();
    ws.Undo();
    EXPECT_EQ(Bytes(ws.CurrentProject()), groups);
}

TEST_F(HistoryTest, ModifiedFollowsTheSavedState) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.rwp"));
    ws.AddRule();
    ASSERT_TRUE(ws.SaveAs(path, false).ok);
    EXPECT_FALSE(ws.IsModified());
    ws.AddRule();
    EXPECT_TRUE(ws.IsModified());
    ws.Undo();
    EXPECT_FALSE(ws.IsModified());
    ws.Undo();
    EXPECT_TRUE(ws.IsModified());
    ws.Redo();
    EXPECT_FALSE(ws.IsModified());

    // Opening a file starts a new history.
    ASSERT_TRUE(ws.Open(path).IsEmpty());
    EXPECT_FALSE(ws.CanUndo());
    EXPECT_FALSE(ws.CanRedo());

    // Undoing "空のプロジェクト" brings the rules back, not the file: the
    // project is an unsaved one now.
    ws.NewEmptyProject();
    EXPECT_TRUE(ws.CurrentPath().isEmpty());
    ws.Undo();
    EXPECT_TRUE(ws.CurrentPath().isEmpty());
    EXPECT_TRUE(ws.IsModified());
    EXPECT_EQ(ws.RuleCountText(), QStringLiteral("ルール数: 1/1000"));
}

TEST_F(HistoryTest, UndoNeverChangesTheFileTheProjectIsSavedTo) {
    QTemporaryDir folder;
    const QString work = folder.filePath(QStringLiteral("work.rwp"));
    const QString other = folder.filePath(QStringLiteral("other.rwp"));
    ws.AddRule();
    ASSERT_TRUE(ws.SaveAs(work, false).ok);
    const QByteArray workBytes = ReadBytes(work);
    ws.AddRule();
    ASSERT_TRUE(ws.SaveAs(other, false).ok);

    ws.Undo();
    EXPECT_EQ(ws.CurrentPath(), other);
    EXPECT_TRUE(ws.IsModified());
    ASSERT_TRUE(ws.Save().ok);
    EXPECT_EQ(ReadBytes(work), workBytes); // the first file is left alone
    ws.Redo();
    EXPECT_EQ(ws.CurrentPath(), other);
    EXPECT_TRUE(ws.IsModified()); // other.rwp now holds the undone project
}

TEST_F(HistoryTest, LongRandomSessionUndoesToTheStartAndRedoesToTheEnd) {
    QRandomGenerator random(20261209);
    const QByteArray start = Bytes(ws.CurrentProject());
    const std::vector<std::function<void()>> commands = {
        [&] { ws.AddRule(); },
        [&] { ws.InsertRule(); },
        [&] { ws.AddGroup(); },
        [&] { ws.Select(1 + random.bounded(std::max(1, ws.Tree().Size()))); },
        [&] { ws.SwitchCategory(1 + random.bounded(6)); },
        [&] { ws.Delete(); },
        [&] { ws.MoveUp(); },
        [&] { ws.MoveDown(); },
        [&] { ws.Rename(QString::number(random.bounded(100))); },
        [&] { ws.InsertOperator(4 + random.bounded(7)); },
        [&] { ws.SelectCondition(1 + random.bounded(std::max(1, ws.Conditions().Size()))); },
        [&] { ws.DeleteCondition(CommandSource::Menu); },
        [&] { ws.ChangePanel(PanelControl::TestMessage, QString::number(random.bounded(2))); },
        [&] { ws.ChangePanel(PanelControl::BuildingPicker, QString::number(random.bounded(30))); },
        [&] { ws.ChangePanel(PanelControl::ResourceKind, QString::number(random.bounded(2))); },
        [&] { ws.SetChoice(GroupSection::Difficulty, random.bounded(5), random.bounded(2)); },
        [&] {
            ws.CopyRule();
            ws.PasteRule();
        },
    };
    for (int i = 0; i < 400; ++i)
        commands[random.bounded(int(commands.size()))]();
    const QByteArray end = Bytes(ws.CurrentProject());
    ASSERT_GT(ws.History().UndoDepth(), 150);

    while (ws.CanUndo())
        ws.Undo();
    EXPECT_EQ(Bytes(ws.CurrentProject()), start);
    while (ws.CanRedo())
        ws.Redo();
    EXPECT_EQ(Bytes(ws.CurrentProject()), end);
}

} // namespace

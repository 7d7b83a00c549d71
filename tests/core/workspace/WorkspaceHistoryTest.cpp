#include "events/PanelBinding.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

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
                     p.settings.title = "t";
                     p.settings.variables[3].constName = "v";
                     p.RootCaption(2) = "c";
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
        ws.SetHeader(QString::fromUtf8(title), ws.CurrentProject().settings.author);
    ws.SetHeader(ws.CurrentProject().settings.title, QStringLiteral("me"));
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

// Random sessions through every kind of command. After each user action,
// undo gives back the project the history holds for the step below and redo
// the project as the action left it, byte for byte in the file's form.
class RandomSession {
public:
    explicit RandomSession(quint32 seed) : random_(seed) {}

    // `steps` actions on a workspace opened on `start`; answers the project
    // they leave, or nothing after the first fault (reported as a failure).
    std::optional<Project> Run(const Project& start, int steps) {
        Workspace ws(start);
        // states[d]: the project when the history is d steps deep.
        std::vector<QByteArray> states{Bytes(ws.CurrentProject())};
        const std::vector<std::function<void(Workspace&)>> actions = Actions();
        const int undo = int(actions.size()) - 2;
        const int redo = int(actions.size()) - 1;
        for (int step = 0; step < steps; ++step) {
            const int action = Pick(int(actions.size()));
            const int depth = ws.History().UndoDepth();
            actions[action](ws);
            const QByteArray now = Bytes(ws.CurrentProject());
            const int newDepth = ws.History().UndoDepth();
            const auto fault = [&](const char* what) {
                ADD_FAILURE() << what << " (action " << action << ", step " << step << ")";
                return std::nullopt;
            };
            if (action == undo || action == redo) {
                if (newDepth != depth && newDepth < int(states.size()) && states[newDepth] != now)
                    return fault("the history gave back another project");
            } else if (newDepth != depth || now != states[depth]) {
                if (newDepth > depth + 1)
                    return fault("one action, more than one step");
                states.resize(newDepth + 1);
                states[newDepth] = now;
            }
            if (newDepth == 0)
                continue;
            const int category = ws.CurrentCategory();
            const int selected = ws.Selected();
            ws.Undo();
            if (Bytes(ws.CurrentProject()) != states[newDepth - 1])
                return fault("undo did not give back the project");
            ws.Redo();
            if (Bytes(ws.CurrentProject()) != now)
                return fault("redo did not give back the project");
            // Back where the user was: undo and redo showed the step's place.
            if (ws.CurrentCategory() != category)
                ws.SwitchCategory(category);
            ws.Select(selected);
            states[newDepth] = Bytes(ws.CurrentProject());
        }
        while (ws.CanUndo())
            ws.Undo();
        EXPECT_EQ(Bytes(ws.CurrentProject()), states.front());
        while (ws.CanRedo())
            ws.Redo();
        EXPECT_EQ(Bytes(ws.CurrentProject()), states.back());
        return ws.CurrentProject();
    }

private:
    int Pick(int n) { return int(random_.bounded(std::max(1, n))); }
    QString Word() {
        static const QStringList words = {"城", "gold-flag", "x y", "", "攻撃", "a\tb", "W2"};
        return words[Pick(int(words.size()))];
    }
    QString Number() {
        static const QStringList numbers = {"0", "1", "2", "5", "12", "40", "100", "-1", "x", ""};
        return numbers[Pick(int(numbers.size()))];
    }
    // Typing: the box gets each longer prefix, then is left or not.
    void Type(Workspace& ws, const QString& text, const std::function<void(const QString&)>& set) {
        for (qsizetype n = 0; n <= text.size(); ++n)
            set(text.left(n));
        if (Pick(2))
            ws.FinishEdit();
    }
    // A settings dialog: its edits are one step until it closes.
    void Dialog(Workspace& ws, const std::function<void(const QString&)>& set) {
        for (const QString& text : {Word(), Word()})
            for (qsizetype n = 0; n <= text.size(); ++n)
                set(text.left(n));
        ws.FinishEdit();
    }

    void SelectFreeEvent(Workspace& ws) {
        ws.SelectFreeEvent(Pick(int(ws.FreeEvents().Tree().size())));
    }
    void SelectCondition(Workspace& ws) { ws.SelectCondition(1 + Pick(ws.Conditions().Size())); }

    // Undo and redo come last.
    std::vector<std::function<void(Workspace&)>> Actions() {
        return {
            [](Workspace& ws) { ws.AddRule(); },
            [](Workspace& ws) { ws.InsertRule(); },
            [](Workspace& ws) { ws.AddGroup(); },
            [this](Workspace& ws) { ws.Select(1 + Pick(ws.Tree().Size())); },
            [this](Workspace& ws) { ws.Select(1 + Pick(ws.Tree().Size())); },
            // The free category, where free events are, twice as often.
            [this](Workspace& ws) { ws.SwitchCategory(std::min(1 + Pick(9), kCategoryCount)); },
            [](Workspace& ws) { ws.Delete(); },
            [](Workspace& ws) { ws.MoveUp(); },
            [](Workspace& ws) { ws.MoveDown(); },
            [this](Workspace& ws) { Type(ws, Word(), [&](const QString& t) { ws.Rename(t); }); },
            [](Workspace& ws) {
                ws.CopyRule();
                ws.PasteRule();
            },
            [](Workspace& ws) { ws.CutRule(); },
            [](Workspace& ws) { ws.PasteRule(); },
            [this](Workspace& ws) {
                const auto section = GroupSection(Pick(kGroupSectionCount));
                ws.SetChoice(section, Pick(GroupSectionSize(section)), Pick(3));
            },
            [this](Workspace& ws) {
                ws.RunGroupPopup(GroupSection(Pick(kGroupSectionCount)),
                                 GroupPopupCommand(Pick(3)));
            },
            [this](Workspace& ws) { ws.InsertOperator(4 + Pick(7)); },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.RewriteOperator(4 + Pick(7));
            },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.CutCondition(CommandSource(Pick(2)));
            },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.CopyCondition();
            },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.PasteCondition(CommandSource(Pick(2)));
            },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.OverwriteCondition();
            },
            [this](Workspace& ws) {
                SelectCondition(ws);
                ws.DeleteCondition(CommandSource(Pick(2)));
            },
            [this](Workspace& ws) {
                const int way = Pick(3);
                if (!(way == 0   ? ws.OpenConditionEditorFromMenu()
                      : way == 1 ? ws.OpenConditionEditor(1 + Pick(2))
                                 : ws.OpenConditionEditorForChange()))
                    return;
                ConditionEditor& editor = ws.ConditionEditorModel();
                if (way != 2)
                    editor.SelectTab(1 + Pick(11));
                const int kind = editor.Tab();
                for (int f = 0; f < ConditionEditor::FieldCount(kind); ++f) {
                    if (ConditionEditor::FieldType(kind, f) == ConditionFieldType::Picker)
                        editor.SetPicker(kind, f, Pick(int(editor.PickerRows(kind, f).size())));
                    else
                        editor.SetNumber(kind, f, Number());
                }
                if (Pick(4) == 0 || !ws.ConfirmConditionEditor().IsEmpty())
                    ws.CancelConditionEditor();
            },
            [this](Workspace& ws) {
                const auto control = PanelControl(Pick(kPanelControlCount));
                if (IsTypedControl(control) && Pick(2))
                    Type(ws, Number(), [&](const QString& t) { ws.ChangePanel(control, t); });
                else
                    ws.ChangePanel(control, Number());
            },
            [this](Workspace& ws) {
                if (!ws.OpenFreeEventForAdd().IsEmpty() || !ws.FreeEventToolbar().add)
                    return;
                ws.FreeEventEditorModel().SelectKind(1 + Pick(FreeEventEditor::kKindCount));
                if (!ws.ConfirmFreeEvent().IsEmpty())
                    ws.CancelFreeEvent();
                ws.CloseFreeEventEditor();
            },
            [this](Workspace& ws) {
                SelectFreeEvent(ws);
                if (!ws.OpenFreeEventForChange())
                    return;
                if (Pick(2) || !ws.ConfirmFreeEvent().IsEmpty())
                    ws.CancelFreeEvent();
                ws.CloseFreeEventEditor();
            },
            [this](Workspace& ws) {
                SelectFreeEvent(ws);
                ws.CutFreeEvent();
            },
            [this](Workspace& ws) {
                SelectFreeEvent(ws);
                ws.CopyFreeEvent();
            },
            [](Workspace& ws) { ws.PasteFreeEvent(); },
            [this](Workspace& ws) {
                SelectFreeEvent(ws);
                ws.DeleteFreeEvent();
            },
            [](Workspace& ws) { ws.CopyRelatedCondition(); },
            [this](Workspace& ws) {
                const auto kind = ConstKind(Pick(2));
                const int slot = 1 + Pick(kind == ConstKind::Variable ? 40 : 10);
                Dialog(ws, [&](const QString& t) {
                    ws.RenameConst(kind, slot, t);
                    ws.SetConstHelp(kind, slot, t);
                });
            },
            [this](Workspace& ws) {
                const QString author = ws.CurrentProject().settings.author;
                Dialog(ws, [&](const QString& t) { ws.SetHeader(t, author); });
            },
            [this](Workspace& ws) {
                InitSettings settings = LoadInitSettings(ws.CurrentProject());
                settings.explorerCount = Number();
                settings.narrowWall = Pick(2);
                settings.goldDistance = Number();
                ws.ApplyInitSettings(settings);
                ws.FinishEdit();
            },
            [](Workspace& ws) { ws.Preview(); },
            [](Workspace& ws) { ws.Undo(); },
            [](Workspace& ws) { ws.Redo(); },
        };
    }

    QRandomGenerator random_;
};

TEST(RandomHistory, EveryActionUndoesAndRedoesExactly) {
    RandomSession session(20261209);
    std::optional<Project> project = InitialProject();
    // Each session starts a history of its own, well inside the history's limit.
    for (int run = 0; run < 8 && project; ++run)
        project = session.Run(*project, 300);
    ASSERT_TRUE(project);
    EXPECT_GT(CountRules(*project), 10);
}

} // namespace

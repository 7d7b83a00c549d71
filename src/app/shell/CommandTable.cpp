#include "shell/CommandTable.h"

#include "builder/BuilderCommands.h"
#include "conditions/ConditionEntry.h"
#include "conditions/FrmIf.h"
#include "events/FrmFree.h"
#include "rules/RuleColumn.h"
#include "shell/AboutDialog.h"
#include "shell/GameInstallation.h"
#include "shell/MainWindow.h"

#include <functional>

namespace rw {

using namespace Qt::StringLiterals;
using State = const CommandStates&;

CommandStates CommandStates::Read(const Workspace& work) {
    return {.rules = work.RuleCommands(),
            .conditions = work.ConditionCommands(),
            .freeEvents = work.FreeEventToolbar(),
            .relation = work.RelationItem(),
            .templates = work.TemplatesEnabled(),
            .canUndo = work.CanUndo(),
            .canRedo = work.CanRedo(),
            .undoText = work.UndoText(),
            .redoText = work.RedoText(),
            .colourPreview = work.ColourPreview(),
            .autoRename = work.AutoRename()};
}

namespace {

// A handler that runs a workspace command, after which the window re-reads
// itself.
template <typename F> std::function<void()> Do(MainWindow& window, F command) {
    return [&window, command] {
        window.Do([&window, &command] { std::invoke(command, window.Work()); });
    };
}

// The same for a command that reports what the user must be told.
template <typename F> std::function<void()> Report(MainWindow& window, F command) {
    return [&window, command] {
        window.Report([&window, &command] { return std::invoke(command, window.Work()); });
    };
}

// Opens the condition editor as `opening` says.
std::function<void()> Editor(MainWindow& window, FrmIf::Opening opening) {
    return [&window, opening] {
        window.Do(
            [&window, opening] { FrmIf::Open(window.Work(), window.Prompts(), opening, &window); });
    };
}

// The toolbar offers the operators in the order of the "ANDの書き換え" entries,
// then NOT, which has no rewrite entry (it takes one operand, the others
// two).
QList<const OperatorInfo*> ToolbarOperators() {
    QList<const OperatorInfo*> order;
    for (int kind : kRewriteKinds)
        order << OperatorByKind(kind);
    for (const OperatorInfo& op : Operators())
        if (!order.contains(&op))
            order << &op;
    return order;
}

// A layout's items as shown: names apart by spaces, "|" a separator.
QStringList Items(QStringView line) {
    QStringList items;
    for (QStringView word : line.split(u' ', Qt::SkipEmptyParts))
        items << (word == u"|" ? QString() : word.toString());
    return items;
}

bool Rewritable(int kind) {
    return std::find(kRewriteKinds.begin(), kRewriteKinds.end(), kind) != kRewriteKinds.end();
}

QList<Command> FileRows(MainWindow& window) {
    return {
        {.name = u"file.newEmpty"_s,
         .text = u"空のプロジェクト(&E)"_s,
         .keys = {Qt::CTRL | Qt::Key_N},
         .run = [&window] { window.NewEmptyProject(); }},
        {.name = u"file.newFromTemplate"_s,
         .text = u"テンプレートから(&T)..."_s,
         .enabled = [](State s) { return s.templates; },
         .run = [&window] { window.NewFromTemplate(); }},
        {.name = u"file.open"_s,
         .text = u"既存のAIプロジェクトを開く(&O)..."_s,
         .keys = {QKeySequence::Open},
         .run = [&window] { window.OpenProject(); }},
        {.name = u"file.noRecent"_s, .text = u"(なし)"_s, .enabled = [](State) { return false; }},
        {.name = u"file.save"_s,
         .text = u"プロジェクトの上書き保存(&S)"_s,
         .keys = {Qt::CTRL | Qt::Key_S},
         .run = [&window] { window.SaveProject(); }},
        {.name = u"file.saveAs"_s,
         .text = u"名前をつけてプロジェクトの保存(&A)..."_s,
         .keys = {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
         .run = [&window] { window.SaveProjectAs(); }},
        {.name = u"file.saveTemplate"_s,
         .text = u"テンプレートとして保存(&T)..."_s,
         .enabled = [](State s) { return s.templates; },
         .run = [&window] { window.SaveAsTemplate(); }},
        {.name = u"file.buildPer"_s,
         .text = u"PERファイル生成(&P)..."_s,
         .keys = {Qt::CTRL | Qt::Key_B},
         .run =
             [&window] {
                 BuildPerCommand(window, window.Prompts(), window.ProgramFolder());
                 window.Refresh();
             }},
        {.name = u"file.exit"_s,
         .text = u"終了(&X)"_s,
         .keys = {Qt::CTRL | Qt::Key_Q},
         .run = [&window] { window.close(); }},
    };
}

// 編集, 表示, 設定, ツール and ヘルプ.
QList<Command> WindowMenuRows(MainWindow& window) {
    return {
        {.name = u"edit.undo"_s,
         .text = u"元に戻す(&U)"_s,
         .keys = {QKeySequence::Undo},
         .enabled = [](State s) { return s.canUndo; },
         .label = [](State s) { return s.undoText; },
         .run = Do(window, &Workspace::Undo)},
        {.name = u"edit.redo"_s,
         .text = u"やり直し(&R)"_s,
         .keys = {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
         .enabled = [](State s) { return s.canRedo; },
         .label = [](State s) { return s.redoText; },
         .run = Do(window, &Workspace::Redo)},
        {.name = u"view.colourPreview"_s,
         .text = u"スクリプトをカラー表示(&C)"_s,
         .checked = [](State s) { return s.colourPreview; },
         .run = Do(window, [](Workspace& work) { work.SetColourPreview(!work.ColourPreview()); })},
        {.name = u"view.autoRename"_s,
         .text = u"自動でリネーム(&R)"_s,
         .checked = [](State s) { return s.autoRename; },
         .run = Do(window, &Workspace::ToggleAutoRename)},
        {.name = u"settings.environment"_s,
         .text = u"環境の設定(&E)..."_s,
         .run = [&window] { EnvironmentSettingsCommand(window, window.Prompts()); }},
        {.name = u"settings.project"_s,
         .text = u"プロジェクトの設定(&P)..."_s,
         .run =
             [&window] {
                 ProjectSettingsCommand(window, window.Prompts());
                 window.Work().FinishEdit();
                 window.Refresh();
             }},
        {.name = u"settings.startup"_s,
         .text = u"初期化設定(&S)..."_s,
         .run =
             [&window] {
                 InitSettingsCommand(window, window.Prompts());
                 window.Work().FinishEdit();
                 window.Refresh();
             }},
        {.name = u"tools.launch"_s,
         .text = u"AOCの起動(&L)"_s,
         .icon = Icons::Tool::Launch,
         .run =
             [&window] {
                 if (GameSystem* game = window.Game())
                     window.Report([game] { return GameInstallation(*game).Launch(); });
             }},
        {.name = u"help.about"_s,
         .text = u"バージョン(&A)..."_s,
         .run =
             [&window] {
                 AboutDialog dialog(&window);
                 window.Prompts().Run(dialog);
             }},
    };
}

// The rule menu, also the rule trees' pop-up, and the rule toolbar.
QList<Command> RuleRows(MainWindow& window) {
    return {
        {.name = u"rule.add"_s,
         .text = u"ルールの追加(&A)"_s,
         .tip = u"新しいルール"_s,
         .icon = Icons::Tool::NewRule,
         .aliases = {u"ruleTool.newRule"_s},
         .run = Do(window, &Workspace::AddRule)},
        {.name = u"rule.insert"_s,
         .text = u"ルールの挿入(&R)"_s,
         .run = Do(window, &Workspace::InsertRule)},
        {.name = u"rule.addGroup"_s,
         .text = u"グループの追加(&G)"_s,
         .tip = u"新しいグループ"_s,
         .icon = Icons::Tool::NewGroup,
         .aliases = {u"ruleTool.newGroup"_s},
         .run = Do(window, &Workspace::AddGroup)},
        {.name = u"rule.moveUp"_s,
         .text = u"優先度を上げる(&U)"_s,
         .tip = u"グループ内で優先度を上げる"_s,
         .icon = Icons::Tool::MoveUp,
         .aliases = {u"ruleTool.moveUp"_s},
         .enabled = [](State s) { return s.rules.moveUpEnabled; },
         .run = Do(window, &Workspace::MoveUp)},
        {.name = u"rule.moveDown"_s,
         .text = u"優先度を下げる(&W)"_s,
         .tip = u"グループ内で優先度を下げる"_s,
         .icon = Icons::Tool::MoveDown,
         .aliases = {u"ruleTool.moveDown"_s},
         .enabled = [](State s) { return s.rules.moveDownEnabled; },
         .run = Do(window, &Workspace::MoveDown)},
        {.name = u"rule.showScript"_s,
         .text = u"スクリプトの表示(&S)"_s,
         .run =
             [&window] {
                 ShowScriptCommand(window, window.Prompts());
                 window.Refresh();
             }},
    };
}

// The rules' editing commands, whose keys act on the rule tree.
QList<Command> RuleEditRows(MainWindow& window) {
    return {
        {.name = u"rule.cut"_s,
         .text = u"切り取り(&T)"_s,
         .tip = u"切り取り"_s,
         .icon = Icons::Tool::Cut,
         .keys = {QKeySequence::Cut},
         .scope = KeyScope::RuleTrees,
         .aliases = {u"ruleTool.cut"_s},
         .enabled = [](State s) { return s.rules.copyCutEnabled; },
         .run = Report(window, &Workspace::CutRule)},
        {.name = u"rule.copy"_s,
         .text = u"コピー(&C)"_s,
         .tip = u"コピー"_s,
         .icon = Icons::Tool::Copy,
         .keys = {QKeySequence::Copy},
         .scope = KeyScope::RuleTrees,
         .aliases = {u"ruleTool.copy"_s},
         .enabled = [](State s) { return s.rules.copyCutEnabled; },
         .run = Report(window, &Workspace::CopyRule)},
        {.name = u"rule.paste"_s,
         .text = u"貼り付け(&P)"_s,
         .tip = u"貼り付け"_s,
         .icon = Icons::Tool::Paste,
         .keys = {QKeySequence::Paste},
         .scope = KeyScope::RuleTrees,
         .aliases = {u"ruleTool.paste"_s},
         .enabled = [](State s) { return s.rules.pasteEnabled; },
         .run = Do(window, &Workspace::PasteRule)},
        {.name = u"rule.delete"_s,
         .text = u"削除(&D)"_s,
         .tip = u"削除"_s,
         .icon = Icons::Tool::Delete,
         .keys = {Qt::Key_Delete},
         .scope = KeyScope::RuleTrees,
         .aliases = {u"ruleTool.delete"_s},
         .enabled = [](State s) { return s.rules.deleteEnabled; },
         .run = [&window] { window.RuleArea()->DeleteSelected(); }},
        // F2 renames the selected node in the title box, as in a file manager.
        {.name = u"rule.rename"_s,
         .text = u"名前の変更"_s,
         .keys = {Qt::Key_F2},
         .scope = KeyScope::RuleTrees,
         .run = [&window] { window.RuleArea()->StartRename(); }},
    };
}

// The condition menu, also the condition tree's pop-up. Add, change, cut,
// paste and delete act differently from the toolbar, so those have a
// command of their own there.
QList<Command> ConditionMenuRows(MainWindow& window) {
    QList<Command> commands = {
        {.name = u"condition.add"_s,
         .text = u"条件の追加(&A)..."_s,
         .enabled = [](State s) { return s.conditions.add; },
         .run = Editor(window, FrmIf::Opening::MenuAdd)},
        {.name = u"condition.edit"_s,
         .text = u"条件の編集(&E)..."_s,
         .enabled = [](State s) { return s.conditions.change; },
         .run = Editor(window, FrmIf::Opening::Change)},
        // Named apart from 編集's "元に戻す(&U)", which takes back whole steps.
        {.name = u"condition.undo"_s,
         .text = u"条件を元に戻す(&U)"_s,
         .tip = u"元に戻す"_s,
         .icon = Icons::Tool::Undo,
         .aliases = {u"conditionTool.undo"_s},
         .enabled = [](State s) { return s.conditions.undo; },
         .run = Report(window, &Workspace::UndoConditions)},
        {.name = u"condition.cut"_s,
         .text = u"切り取り(&T)"_s,
         .keys = {QKeySequence::Cut},
         .scope = KeyScope::ConditionTree,
         .enabled = [](State s) { return s.conditions.cut; },
         .run = Do(window, [](Workspace& work) { work.CutCondition(CommandSource::Menu); })},
        {.name = u"condition.copy"_s,
         .text = u"コピー(&C)"_s,
         .tip = u"コピー"_s,
         .icon = Icons::Tool::Copy,
         .keys = {QKeySequence::Copy},
         .scope = KeyScope::ConditionTree,
         .aliases = {u"conditionTool.copy"_s},
         .enabled = [](State s) { return s.conditions.copy; },
         .run = Do(window, &Workspace::CopyCondition)},
        {.name = u"condition.paste"_s,
         .text = u"貼り付け(&P)"_s,
         .keys = {QKeySequence::Paste},
         .scope = KeyScope::ConditionTree,
         .enabled = [](State s) { return s.conditions.paste; },
         .run = Do(window, [](Workspace& work) { work.PasteCondition(CommandSource::Menu); })},
        {.name = u"condition.overwrite"_s,
         .text = u"書き換え(&O)"_s,
         .enabled = [](State s) { return s.conditions.overwrite; },
         .run = Do(window, &Workspace::OverwriteCondition)},
        {.name = u"condition.delete"_s,
         .text = u"削除(&D)"_s,
         .keys = {Qt::Key_Delete},
         .scope = KeyScope::ConditionTree,
         .enabled = [](State s) { return s.conditions.remove; },
         .run = Do(window, [](Workspace& work) { work.DeleteCondition(CommandSource::Menu); })},
    };
    for (int kind : kRewriteKinds)
        commands.append(
            {.name = u"condition.rewrite."_s + OperatorByKind(kind)->cap,
             .text = OperatorByKind(kind)->cap,
             .enabled = [kind](State s) { return s.conditions.RewriteEnabled(kind); },
             .run = Do(window, [kind](Workspace& work) { work.RewriteOperator(kind); })});
    return commands;
}

QList<Command> ConditionToolRows(MainWindow& window) {
    QList<Command> commands = {
        {.name = u"conditionTool.add"_s,
         .text = u"新しい条件の追加"_s,
         .icon = Icons::Tool::AddCondition,
         .enabled = [](State s) { return s.conditions.add; },
         .run = Editor(window, FrmIf::Opening::ToolbarAdd)},
        {.name = u"conditionTool.change"_s,
         .text = u"現在の条件を変更して上書きする"_s,
         .icon = Icons::Tool::ChangeCondition,
         .enabled = [](State s) { return s.conditions.change; },
         .run = Editor(window, FrmIf::Opening::ToolbarChange)},
        {.name = u"conditionTool.cut"_s,
         .text = u"切り取り"_s,
         .icon = Icons::Tool::Cut,
         .enabled = [](State s) { return s.conditions.cut; },
         .run = Do(window, [](Workspace& work) { work.CutCondition(CommandSource::Toolbar); })},
        {.name = u"conditionTool.paste"_s,
         .text = u"貼り付け"_s,
         .icon = Icons::Tool::Paste,
         .enabled = [](State s) { return s.conditions.paste; },
         .run = Do(window, [](Workspace& work) { work.PasteCondition(CommandSource::Toolbar); })},
        {.name = u"conditionTool.delete"_s,
         .text = u"削除"_s,
         .icon = Icons::Tool::Delete,
         .enabled = [](State s) { return s.conditions.remove; },
         .run = Do(window, [](Workspace& work) { work.DeleteCondition(CommandSource::Toolbar); })},
    };
    // An operator button each; NOT is also the condition menu's "NOTの挿入(&N)".
    for (const OperatorInfo* op : ToolbarOperators()) {
        const int kind = op->kind;
        const bool inMenu = !Rewritable(kind);
        commands.append(
            {.name = u"conditionTool."_s + op->cap,
             .text = inMenu ? u"NOTの挿入(&N)"_s : op->toolTip,
             .tip = op->toolTip,
             .keyword = op->cap,
             .aliases = inMenu ? QStringList{u"condition.not"_s} : QStringList{},
             .enabled = [kind](State s) { return s.conditions.OperatorEnabled(kind); },
             .run = Do(window, [kind](Workspace& work) { work.InsertOperator(kind); })});
    }
    return commands;
}

// The free-event pop-up "イベント" and the free-event toolbar.
QList<Command> FreeEventRows(MainWindow& window) {
    return {
        {.name = u"event.add"_s,
         .text = u"イベントの追加(&A)..."_s,
         .tip = u"新しい条件の追加"_s,
         .icon = Icons::Tool::AddCondition,
         .aliases = {u"freeTool.add"_s},
         .enabled = [](State s) { return s.freeEvents.add; },
         .run = Do(window, [&window](Workspace& work) { FrmFree::Add(work, window.Prompts()); })},
        {.name = u"event.edit"_s,
         .text = u"イベントの編集(&E)..."_s,
         .tip = u"現在の条件を変更して上書きする"_s,
         .icon = Icons::Tool::ChangeCondition,
         .aliases = {u"freeTool.change"_s},
         .enabled = [](State s) { return s.freeEvents.edit; },
         .run = Do(window, [&window](Workspace& work) { FrmFree::Edit(work, window.Prompts()); })},
        {.name = u"event.cut"_s,
         .text = u"切り取り(&C)"_s,
         .tip = u"切り取り"_s,
         .icon = Icons::Tool::Cut,
         .keys = {QKeySequence::Cut},
         .scope = KeyScope::FreeEventTree,
         .aliases = {u"freeTool.cut"_s},
         .enabled = [](State s) { return s.freeEvents.cut; },
         .run = Do(window, &Workspace::CutFreeEvent)},
        {.name = u"event.copy"_s,
         .text = u"コピー(&C)"_s,
         .tip = u"コピー"_s,
         .icon = Icons::Tool::Copy,
         .keys = {QKeySequence::Copy},
         .scope = KeyScope::FreeEventTree,
         .aliases = {u"freeTool.copy"_s},
         .enabled = [](State s) { return s.freeEvents.copy; },
         .run = Do(window, &Workspace::CopyFreeEvent)},
        {.name = u"event.paste"_s,
         .text = u"貼り付け"_s,
         .icon = Icons::Tool::Paste,
         .keys = {QKeySequence::Paste},
         .scope = KeyScope::FreeEventTree,
         .aliases = {u"freeTool.paste"_s},
         .enabled = [](State s) { return s.freeEvents.paste; },
         .run = Report(window, &Workspace::PasteFreeEvent)},
        {.name = u"event.delete"_s,
         .text = u"削除(&D)"_s,
         .tip = u"削除"_s,
         .icon = Icons::Tool::Delete,
         .keys = {Qt::Key_Delete},
         .scope = KeyScope::FreeEventTree,
         .aliases = {u"freeTool.delete"_s},
         .enabled = [](State s) { return s.freeEvents.remove; },
         .run = Do(window, &Workspace::DeleteFreeEvent)},
        {.name = u"event.relation"_s,
         .text = u"(関連条件はありません)"_s,
         .enabled = [](State s) { return s.relation && s.relation->enabled; },
         .label =
             [](State s) { return s.relation ? s.relation->text : u"(関連条件はありません)"_s; },
         .run = Do(window, &Workspace::CopyRelatedCondition)},
    };
}

// The pop-up "メニュー" of the group-choice lists.
QList<Command> ChoiceRows(MainWindow& window) {
    const auto run = [&window](GroupPopupCommand which) {
        return Do(window, [which](Workspace& work) { work.RunGroupPopup(which); });
    };
    return {
        {.name = u"choices.selectAll"_s,
         .text = u"全選択"_s,
         .run = run(GroupPopupCommand::SelectAll)},
        {.name = u"choices.clearAll"_s,
         .text = u"全解除"_s,
         .run = run(GroupPopupCommand::ClearAll)},
        {.name = u"choices.invert"_s, .text = u"反転"_s, .run = run(GroupPopupCommand::Invert)},
    };
}

} // namespace

QList<Command> WindowCommands(MainWindow& window) {
    return FileRows(window) + WindowMenuRows(window) + RuleRows(window) + RuleEditRows(window) +
           ConditionMenuRows(window) + ConditionToolRows(window) + FreeEventRows(window) +
           ChoiceRows(window);
}

QList<CommandLayout> WindowLayouts() {
    using Kind = CommandLayout::Kind;
    QStringList rewrite;
    for (int kind : kRewriteKinds)
        rewrite << u"condition.rewrite."_s + OperatorByKind(kind)->cap;
    QStringList operators;
    for (const OperatorInfo* op : ToolbarOperators())
        operators << u"conditionTool."_s + op->cap;

    return {
        {Kind::MenuBar,
         u"menubar"_s,
         {},
         Items(u"menu.file menu.edit menu.view menu.rule menu.condition menu.settings menu.tools "
               u"menu.help")},
        {Kind::Menu, u"menu.file"_s, u"ファイル(&F)"_s,
         Items(u"menu.new file.open menu.recent | file.save file.saveAs | file.saveTemplate | "
               u"file.buildPer | file.exit")},
        {Kind::Menu, u"menu.new"_s, u"新しいAIプロジェクトを作る(&N)"_s,
         Items(u"file.newEmpty file.newFromTemplate")},
        {Kind::Menu, u"menu.edit"_s, u"編集(&E)"_s, Items(u"edit.undo edit.redo")},
        {Kind::Menu, u"menu.view"_s, u"表示(&V)"_s, Items(u"view.colourPreview view.autoRename")},
        {Kind::Menu, u"menu.rule"_s, u"ルール(&R)"_s,
         Items(u"rule.add rule.insert rule.addGroup | rule.moveUp rule.moveDown | rule.cut "
               u"rule.copy rule.paste rule.delete | rule.showScript")},
        {Kind::Menu, u"menu.condition"_s, u"条件(&I)"_s,
         Items(u"condition.add condition.edit menu.rewrite condition.not | condition.undo | "
               u"condition.cut condition.copy condition.paste condition.overwrite "
               u"condition.delete"),
         [](State s) { return s.rules.conditionMenuEnabled; }},
        {Kind::Menu, u"menu.rewrite"_s, u"ANDの書き換え(&R)"_s, rewrite},
        {Kind::Menu, u"menu.settings"_s, u"設定(&S)"_s,
         Items(u"settings.environment | settings.project settings.startup")},
        {Kind::Menu, u"menu.tools"_s, u"ツール(&T)"_s, Items(u"tools.launch")},
        {Kind::Menu, u"menu.help"_s, u"ヘルプ(&H)"_s, Items(u"help.about")},
        {Kind::Menu, u"menu.event"_s, u"イベント"_s,
         Items(u"event.add event.edit | event.cut event.copy event.paste event.delete | "
               u"menu.relation")},
        {Kind::Menu, u"menu.relation"_s, u"このイベントの関連条件"_s, Items(u"event.relation")},
        {Kind::Menu, u"menu.choices"_s, u"メニュー"_s,
         Items(u"choices.selectAll choices.clearAll choices.invert")},
        {Kind::Toolbar, u"toolbar.rules"_s, u"ルール"_s,
         Items(u"ruleTool.newGroup ruleTool.newRule | ruleTool.moveUp ruleTool.moveDown | "
               u"ruleTool.cut ruleTool.copy ruleTool.paste ruleTool.delete")},
        {Kind::Toolbar, u"toolbar.conditions"_s, u"条件"_s,
         Items(u"conditionTool.add conditionTool.change |") + operators +
             Items(u"| conditionTool.cut conditionTool.copy conditionTool.paste "
                   u"conditionTool.delete conditionTool.undo")},
        {Kind::Toolbar, u"toolbar.freeEvents"_s, u"イベント"_s,
         Items(u"freeTool.add freeTool.change | freeTool.cut freeTool.copy freeTool.paste "
               u"freeTool.delete")},
    };
}

} // namespace rw

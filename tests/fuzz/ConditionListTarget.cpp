// A stored condition field, then a run of condition commands as the window
// gives them (only those the command-limit refresh leaves enabled). After
// every command: each entry's parent stands before it, the rule holds what
// the list holds and reads back the same, a well-formed tree stays well
// formed (pre-order, operators with exactly their children) and a rule
// within 16 commands stays within them.
//
// Input: the field (UTF-8) up to the first NUL byte, then one byte per
// command: the low four bits choose the command, the high four its argument.

#include "FuzzCheck.h"

#include "model/ConditionLine.h"
#include "workspace/Workspace.h"

#include <cstdint>

namespace {

using namespace rw;

int ChildCount(const ConditionEntry& entry) {
    return entry.editdat == QLatin1String("Sys_Not") ? 1 : 2;
}

bool KnownOperator(const ConditionEntry& entry) {
    static const QStringList kOperators = {"Sys_And", "Sys_Or",  "Sys_Nand", "Sys_Nor",
                                           "Sys_Not", "Sys_Xor", "Sys_Xnor"};
    return kOperators.contains(entry.editdat);
}

// Pre-order, and every operator has exactly its children while nothing else
// has any: the shape every editor keeps.
bool WellFormed(const ConditionList& list) {
    const int n = list.Size();
    for (int p = 1; p <= n; ++p) {
        const ConditionEntry& entry = list.At(p);
        const QList<int> children = list.ChildrenOf(p);
        if (entry.IsOperator() ? (!KnownOperator(entry) || children.size() != ChildCount(entry))
                               : !children.isEmpty())
            return false;
        // The subtree of p takes the positions right after it.
        const QList<int> subtree = list.SubtreeOf(p);
        for (int i = 0; i < subtree.size(); ++i)
            if (subtree[i] != p + i)
                return false;
    }
    return true;
}

void CheckList(const Workspace& ws) {
    const ConditionList& list = ws.Conditions();
    FUZZ_CHECK(list.Size() >= 1);
    FUZZ_CHECK(list.IsValidPosition(list.Selected()));
    for (int p = 1; p <= list.Size(); ++p)
        FUZZ_CHECK(list.At(p).pw >= 0 && list.At(p).pw < p);
    const RuleEntry* rule = ws.SelectedEntry();
    FUZZ_CHECK(rule != nullptr);
    FUZZ_CHECK(rule->conditions == list.ConditionsField());
    // The stored field reads back as the list it came from.
    const QList<ConditionLine> read = ReadConditionLines(rule->conditions);
    FUZZ_CHECK(read.size() == list.Size());
    for (int p = 1; p <= list.Size(); ++p) {
        const ConditionEntry& entry = list.At(p);
        FUZZ_CHECK(
            (read[p - 1] == ConditionLine{entry.pw, entry.cap, entry.editdat, entry.script}));
    }
}

void RunEditor(Workspace& ws, bool opened, uint8_t arg) {
    if (!opened)
        return;
    ConditionEditor& editor = ws.ConditionEditorModel();
    const int tab = 1 + arg % 11;
    editor.SelectTab(tab);
    if (ConditionEditor::FieldCount(tab) > 0 &&
        ConditionEditor::FieldType(tab, 0) == ConditionFieldType::Picker)
        editor.SetPicker(tab, 0, arg / 11);
    if (!ws.ConfirmConditionEditor().IsEmpty())
        ws.CancelConditionEditor();
}

void Run(Workspace& ws, uint8_t byte) {
    const ConditionCommandStates states = ws.ConditionCommands();
    const uint8_t arg = byte >> 4;
    const CommandSource source = arg & 1 ? CommandSource::Menu : CommandSource::Toolbar;
    switch (byte & 0x0F) {
    case 0:
        ws.SelectCondition(1 + arg);
        break;
    case 1:
        if (states.OperatorEnabled(4 + arg % 7))
            ws.InsertOperator(4 + arg % 7);
        break;
    case 2:
        if (states.RewriteEnabled(4 + arg % 7))
            ws.RewriteOperator(4 + arg % 7);
        break;
    case 3:
        if (states.cut)
            ws.CutCondition(source);
        break;
    case 4:
        if (states.copy)
            ws.CopyCondition();
        break;
    case 5:
        if (states.paste)
            ws.PasteCondition(source);
        break;
    case 6:
        if (states.overwrite)
            ws.OverwriteCondition();
        break;
    case 7:
        if (states.remove)
            ws.DeleteCondition(source);
        break;
    case 8:
        if (states.undo)
            ws.UndoConditions();
        break;
    case 9:
        if (states.add)
            RunEditor(ws, arg & 1 ? ws.OpenConditionEditorFromMenu() : ws.OpenConditionEditor(1),
                      arg);
        break;
    case 10:
        if (states.change)
            RunEditor(ws, ws.OpenConditionEditorForChange(), arg);
        break;
    case 11:
        // The other rule, and back: the undo snapshot goes, the clipboard stays.
        ws.Select(ws.Selected() == 2 ? 3 : 2);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto* end = data + size;
    const uint8_t* split = data;
    while (split < end && *split != 0)
        ++split;
    const QString field =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(split - data));
    const uint8_t* commands = split < end ? split + 1 : end;
    // Long runs of commands find little more but cost time.
    if (end - commands > 64)
        end = commands + 64;

    Workspace ws;
    // The attack category: two event rows count against the 16 commands.
    ws.SwitchCategory(5);
    ws.AddRule();
    ws.AddRule();
    ws.Select(2);
    ws.ReplaceConditions(field);
    CheckList(ws);
    // Whether the clipboard was filled from a list that was not well formed;
    // pasting it may bring that shape back.
    bool clipboardMalformed = false;
    for (const uint8_t* c = commands; c < end; ++c) {
        const ConditionList& list = ws.Conditions();
        const bool wellFormed = WellFormed(list);
        const bool withinLimit = ws.CommandCount() <= kMaxCommands;
        const ConditionEntries before = list.Entries();
        const ConditionEntries snapshot = list.UndoSnapshot();
        const bool hadSnapshot = list.HasUndoSnapshot();
        const int selectedRule = ws.Selected();
        const bool undoRuns = (*c & 0x0F) == 8 && ws.ConditionCommands().undo;
        const ConditionEntries clipboard = ws.ConditionClipboardContents().Entries();
        const bool pastes = (*c & 0x0F) == 5 || (*c & 0x0F) == 6;
        Run(ws, *c);
        CheckList(ws);
        if (ws.ConditionClipboardContents().Entries() != clipboard)
            clipboardMalformed = !wellFormed;
        if (ws.Selected() != selectedRule)
            continue; // another rule: its own list
        if (undoRuns && hadSnapshot) {
            // Undo exchanges the list and its snapshot, whatever they hold.
            FUZZ_CHECK(list.Entries() == snapshot);
            FUZZ_CHECK(list.UndoSnapshot() == before);
            continue;
        }
        if (wellFormed && !(pastes && clipboardMalformed))
            FUZZ_CHECK(WellFormed(list));
        if (withinLimit)
            FUZZ_CHECK(ws.CommandCount() <= kMaxCommands);
    }
    return 0;
}

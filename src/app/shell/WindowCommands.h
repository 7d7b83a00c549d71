#pragma once

class QMenu;

namespace rw {

class CommandMap;
class MainWindow;

// The commands of the menus "編集(&E)", "表示(&V)", "設定(&S)", "ツール(&T)" and
// "ヘルプ(&H)", "PERファイル生成(&P)...", "スクリプトの表示(&S)" and the
// group-choice pop-up "メニュー", made for the window. Each opens its dialog
// or calls the workspace, then has the window re-read itself.
void AddWindowCommands(MainWindow& window, CommandMap& commands);

// The pop-up "メニュー" of the group-choice lists.
QMenu* MakeChoicesPopup(MainWindow& window, CommandMap& commands);

} // namespace rw

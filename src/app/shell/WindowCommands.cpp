#include "shell/WindowCommands.h"

#include "builder/BuilderCommands.h"
#include "shell/AboutDialog.h"
#include "shell/CommandMap.h"
#include "shell/GameInstallation.h"
#include "shell/Icons.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QMenu>

namespace rw {

void AddWindowCommands(MainWindow& window, CommandMap& commands) {
    Workspace& work = window.Work();
    Dialogs& dialogs = window.Prompts();

    commands
        .Add(QStringLiteral("file.buildPer"), QStringLiteral("PERファイル生成(&P)..."),
             [&window, &dialogs] {
                 BuildPerCommand(window, dialogs, window.ProgramFolder());
                 window.Refresh();
             })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    commands.Add(QStringLiteral("rule.showScript"), QStringLiteral("スクリプトの表示(&S)"),
                 [&window, &dialogs] {
                     ShowScriptCommand(window, dialogs);
                     window.Refresh();
                 });

    QAction* undo = commands.Add(QStringLiteral("edit.undo"), QStringLiteral("元に戻す(&U)"),
                                 [&window, &work] { window.Do([&work] { work.Undo(); }); });
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = commands.Add(QStringLiteral("edit.redo"), QStringLiteral("やり直し(&R)"),
                                 [&window, &work] { window.Do([&work] { work.Redo(); }); });
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QAction* colour = commands.Add(
        QStringLiteral("view.colourPreview"), QStringLiteral("スクリプトをカラー表示(&C)"),
        [&window, &work] { window.Do([&work] { work.SetColourPreview(!work.ColourPreview()); }); });
    colour->setCheckable(true);
    QAction* rename =
        commands.Add(QStringLiteral("view.autoRename"), QStringLiteral("自動でリネーム(&R)"),
                     [&window, &work] { window.Do([&work] { work.ToggleAutoRename(); }); });
    rename->setCheckable(true);

    commands.Add(QStringLiteral("settings.environment"), QStringLiteral("環境の設定(&E)..."),
                 [&window, &dialogs] { EnvironmentSettingsCommand(window, dialogs); });
    commands.Add(QStringLiteral("settings.project"), QStringLiteral("プロジェクトの設定(&P)..."),
                 [&window, &dialogs] {
                     ProjectSettingsCommand(window, dialogs);
                     window.Work().FinishEdit();
                     window.Refresh();
                 });
    commands.Add(QStringLiteral("settings.startup"), QStringLiteral("初期化設定(&S)..."),
                 [&window, &dialogs] {
                     InitSettingsCommand(window, dialogs);
                     window.Work().FinishEdit();
                     window.Refresh();
                 });

    QAction* launch =
        commands.Add(QStringLiteral("tools.launch"), QStringLiteral("AOCの起動(&L)"), [&window] {
            if (GameSystem* game = window.Game())
                window.Report([game] { return GameInstallation(*game).Launch(); });
        });
    launch->setIcon(Icons::ForTool(Icons::Tool::Launch));

    commands.Add(QStringLiteral("help.about"), QStringLiteral("バージョン(&A)..."),
                 [&window, &dialogs] {
                     AboutDialog dialog(&window);
                     dialogs.Run(dialog);
                 });
}

QMenu* MakeChoicesPopup(MainWindow& window, CommandMap& commands) {
    auto* popup = new QMenu(QStringLiteral("メニュー"), &window);
    popup->setObjectName(QStringLiteral("menu.choices"));
    const std::array<std::tuple<const char*, const char16_t*, GroupPopupCommand>, 3> choices = {{
        {"choices.selectAll", u"全選択", GroupPopupCommand::SelectAll},
        {"choices.clearAll", u"全解除", GroupPopupCommand::ClearAll},
        {"choices.invert", u"反転", GroupPopupCommand::Invert},
    }};
    Workspace& work = window.Work();
    for (const auto& [name, text, command] : choices) {
        const GroupPopupCommand which = command;
        popup->addAction(
            commands.Add(QLatin1String(name), QString::fromUtf16(text), [&window, &work, which] {
                window.Do([&work, which] { work.RunGroupPopup(which); });
            }));
    }
    return popup;
}

} // namespace rw

#include "shell/MainWindow.h"
#include "shell/QtDialogs.h"
#include "shell/Translation.h"

#include "model/Cp932.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rulewright"));
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("rulewright"));
    rw::InstallQtTranslation(app);
    // Without a code page 932 converter every text would read as empty and
    // be saved so.
    if (const QString problem = rw::Cp932Problem(); !problem.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Rulewright"), problem);
        return 1;
    }
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("the project to open (.rwp), or a template "
                                                "to start a new project from (.aitmp)"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    rw::QtDialogs dialogs;
    rw::MainWindow window(dialogs, QCoreApplication::applicationDirPath(), rw::MakeGameSystem());
    window.Start();
    window.show();
    // A file given by the desktop (a double click on a project or a
    // template) opens once the window is up, so that a refusal is shown over it.
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        window.OpenGivenFile(QFileInfo(files.first()).absoluteFilePath());

    // For looking at a menu or a command's window without a pointer:
    // RW_OPEN_MENU=menu.file, RW_RUN_COMMAND=rule.showScript and so on.
    const QString menuName = qEnvironmentVariable("RW_OPEN_MENU");
    if (!menuName.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, menuName] {
            if (QMenu* menu = window.Menu(menuName))
                menu->popup(window.mapToGlobal(QPoint(40, 30)));
        });
    }
    const QString commandName = qEnvironmentVariable("RW_RUN_COMMAND");
    if (!commandName.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, commandName] {
            if (QAction* action = window.Action(commandName))
                action->trigger();
        });
    }
    return app.exec();
}

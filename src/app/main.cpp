#include "shell/MainWindow.h"
#include "shell/QtDialogs.h"
#include "shell/Translation.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rulewright"));
    rw::InstallQtTranslation(app);
    rw::QtDialogs dialogs;
    rw::MainWindow window(dialogs, QCoreApplication::applicationDirPath(), rw::MakeGameSystem());
    window.Start();
    window.show();

    // For looking at a menu without a pointer: RW_OPEN_MENU=menu.file and so on.
    const QString menuName = qEnvironmentVariable("RW_OPEN_MENU");
    if (!menuName.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, menuName] {
            if (QMenu* menu = window.Menu(menuName))
                menu->popup(window.mapToGlobal(QPoint(40, 30)));
        });
    }
    return app.exec();
}

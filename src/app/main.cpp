#include "shell/MainWindow.h"
#include "shell/QtDialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rulewright"));
    rw::QtDialogs dialogs;
    rw::MainWindow window(dialogs, QCoreApplication::applicationDirPath(), rw::MakeGameSystem());
    window.Start();
    window.show();
    return app.exec();
}

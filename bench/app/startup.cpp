// Start-up from outside, each run a process of its own: the editor's main
// window (empty, and with a project of 1000 rules given as on the command
// line) side by side with a bare Qt main window of the same size that shows
// one Japanese menu. A run ends when its window has been painted.
//
// The program runs itself as the child: `--child bare` or
// `--child window PROGRAM_FOLDER [FILE]`, the folder holding its templates. Both
// children start the same way (the same program, libraries and platform);
// the window child goes through the editor's own start-up as main() does.
// A third child, `--child texts`, is the bare window with every text the
// editor's first screen shows (menu titles, tabs, the group page, the rule
// column and the status bar, the heading in bold) drawn by one widget, each
// text once: what the glyphs themselves cost, with no widget around them.
// The platform is the offscreen one unless QT_QPA_PLATFORM says otherwise:
// `xvfb-run -a env QT_QPA_PLATFORM=xcb bench_startup` measures windows mapped
// on an X server, whose own work then weighs on both sides.

#include "core/builder/BuilderTestUtil.h"

#include "model/Cp932.h"
#include "rules/GroupChoices.h"
#include "shell/AboutDialog.h"
#include "shell/CommandTable.h"
#include "shell/MainWindow.h"
#include "shell/QtDialogs.h"
#include "shell/Translation.h"
#include "storage/ProjectFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using namespace rw;

QString self;

// Ends the process once the window has been painted and the paint has
// returned to the event loop; taking the window down is not part of start-up.
class QuitWhenPainted : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

// The texts of the first screen, drawn in columns.
class Texts : public QWidget {
public:
    Texts() {
        const Workspace work;
        for (int category = 1; category <= kCategoryCount; ++category)
            plain_ << CategoryCaption(category);
        plain_ << work.TitleBoxText() << work.TitleBoxText() << work.RuleCountText()
               << QStringLiteral("Ver") + AboutDialog::kVersion;
        for (int s = 0; s < kGroupSectionCount; ++s)
            plain_ << SectionInfo(GroupSection(s)).heading << ChoiceCaptions(GroupSection(s));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const int line = fontMetrics().height() + 6;
        painter.drawText(QPoint(300, line), QStringLiteral("グループ内のルール実行条件"));
        painter.setFont(font());
        for (int i = 0; i < plain_.size(); ++i)
            painter.drawText(QPoint(10 + i / 24 * 180, (2 + i % 24) * line), plain_[i]);
    }

private:
    QStringList plain_;
};

int RunChild(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuitWhenPainted quit;
    const QString mode = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("bare")) {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
        window.resize(1120, 760);
        window.installEventFilter(&quit);
        window.show();
        return app.exec();
    }
    if (mode == QLatin1String("texts")) {
        QMainWindow window;
        for (const CommandLayout& layout : WindowLayouts()) {
            if (layout.kind == CommandLayout::Kind::Menu &&
                WindowLayouts().front().items.contains(layout.name))
                window.menuBar()->addMenu(layout.title);
        }
        window.setCentralWidget(new Texts);
        window.resize(1120, 760);
        window.installEventFilter(&quit);
        window.show();
        return app.exec();
    }
    // As main() starts the editor.
    InstallQtTranslation(app);
    if (!Cp932Problem().isEmpty())
        return 1;
    QtDialogs dialogs;
    MainWindow window(dialogs, QString::fromLocal8Bit(argv[3]), MakeGameSystem());
    window.installEventFilter(&quit);
    window.Start();
    window.show();
    if (argc > 4)
        window.OpenGivenFile(QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath());
    return app.exec();
}

void Run(benchmark::State& state, QStringList args) {
    QTemporaryDir program;
    QDir(program.path()).mkpath(QStringLiteral("Template"));
    if (args.value(1) == QLatin1String("window"))
        args.insert(2, program.path());
    for (auto _ : state) {
        QProcess child;
        child.start(self, args);
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            state.SkipWithError("the child did not start");
    }
}

void BM_StartUpBareWindow(benchmark::State& state) {
    Run(state, {QStringLiteral("--child"), QStringLiteral("bare")});
}
BENCHMARK(BM_StartUpBareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartUpBareWindowWithTexts(benchmark::State& state) {
    Run(state, {QStringLiteral("--child"), QStringLiteral("texts")});
}
BENCHMARK(BM_StartUpBareWindowWithTexts)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartUpMainWindow(benchmark::State& state) {
    Run(state, {QStringLiteral("--child"), QStringLiteral("window")});
}
BENCHMARK(BM_StartUpMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartUpWithLargeProject(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.rwp"));
    SaveProjectFile(test::RootProject(1000), path, false);
    Run(state, {QStringLiteral("--child"), QStringLiteral("window"), path});
}
BENCHMARK(BM_StartUpWithLargeProject)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv);
    self = QString::fromLocal8Bit(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

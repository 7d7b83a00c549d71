#pragma once

// What the window benchmarks share: dialogs that answer nothing, and a main
// that runs the benchmarks under one offscreen QApplication.

#include "shell/Dialogs.h"

#include <QApplication>
#include <QDialog>

#include <benchmark/benchmark.h>

#include <functional>

namespace rw::bench {

// Nothing is asked during these runs; every question is declined.
class QuietDialogs : public Dialogs {
public:
    Answer Ask(const Notice&, Buttons) override { return Answer::No; }
    void Inform(const Notice&) override {}
    QString OpenFile(const FileRequest&) override { return {}; }
    QString SaveFile(const FileRequest&) override { return {}; }
    QString PickFolder(const QString&, const QString&) override { return {}; }
    int Run(QDialog&) override { return 0; }
};

// Runs the registered benchmarks offscreen (unless a platform is named);
// `beforeQuit` lets go of windows while the application still stands.
inline int RunOffscreen(int argc, char** argv, const std::function<void()>& beforeQuit = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}

} // namespace rw::bench

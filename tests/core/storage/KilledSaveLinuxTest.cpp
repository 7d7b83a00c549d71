#include "core/storage/SampleProject.h"

#include "storage/ProjectFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace rw {
namespace {

// A project of a few megabytes whose every rule carries `mark`.
Project LargeProject(const QString& mark) {
    Project p = test::SampleProject();
    RuleEntry rule = p.CategoryAt(1).entries[0];
    rule.scriptText = QString(2800, QLatin1Char('s'));
    rule.scriptColours = QString(2800, QLatin1Char('c'));
    for (int i = 0; i < 400; ++i) {
        rule.title = mark + QString::number(i);
        p.CategoryAt(1 + i % kCategoryCount).entries << rule;
    }
    p.settings.author = mark;
    return p;
}

// A save killed at any moment leaves the complete old project or the
// complete new one, never a damaged or empty file.
TEST(KilledSave, LeavesTheOldOrTheNewProjectWhole) {
    const Project projects[2] = {LargeProject(QStringLiteral("old")),
                                 LargeProject(QStringLiteral("new"))};
    QTemporaryDir dir;
    const QString path = dir.filePath("big.rwp");
    ASSERT_TRUE(SaveProjectFile(projects[0], path, false).ok);
    ASSERT_GT(QFileInfo(path).size(), 2'000'000);

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(SaveProjectFile(projects[1], path, false).ok);
    ASSERT_TRUE(SaveProjectFile(projects[0], path, false).ok);
    const qint64 saveMicros = std::max<qint64>(timer.nsecsElapsed() / 2000, 1000);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    // Kills spread over the whole save and a little beyond it.
    std::uniform_int_distribution<qint64> moment(0, saveMicros * 3 / 2);

    int onDisk = 0; // which project the file holds
    int killed = 0;
    int replaced = 0;
    for (int round = 0; round < 50; ++round) {
        const int other = 1 - onDisk;
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const bool ok = SaveProjectFile(projects[other], path, false).ok;
            _exit(ok ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFSIGNALED(status))
            ++killed;
        else
            ASSERT_EQ(WEXITSTATUS(status), 0);

        const LoadResult loaded = LoadProjectFile(path, false);
        ASSERT_TRUE(loaded.project)
            << "round " << round << ": " << loaded.notice.text.toStdString();
        if (*loaded.project == projects[other]) {
            onDisk = other;
            ++replaced;
        } else {
            ASSERT_EQ(*loaded.project, projects[onDisk]) << "round " << round;
        }
        if (!WIFSIGNALED(status)) {
            ASSERT_EQ(onDisk, other) << "a finished save left the new project";
        }
    }
    EXPECT_GT(killed, 0);
    RecordProperty("killed", killed);
    RecordProperty("replaced", replaced);
}

} // namespace
} // namespace rw

#include "BuilderTestUtil.h"

#include "builder/BuildJob.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace rw;
using rw::test::ExampleProject;
using rw::test::Rule;

namespace {

// Waits for the job's end the way the window does: told once, from the
// build's thread.
class Ending {
public:
    std::function<void()> Signal() {
        return [this] {
            std::lock_guard lock(mutex_);
            ++calls_;
            ended_.notify_all();
        };
    }
    int Wait() {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [this] { return calls_ > 0; });
        return calls_;
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    int calls_ = 0;
};

Project ManyRules(int count) {
    Project p = InitialProject();
    for (int i = 0; i < count; ++i)
        p.CategoryAt(1).entries << Rule(QString("r%1").arg(i), "(build house);家",
                                        "0;AND;Sys_And,and\r\n1;x;k,x\r\n1;y;k,y\r\n", kMarkerRoot);
    return p;
}

} // namespace

TEST(BuildJob, BuildsWhatTheBuilderBuildsFromItsOwnCopy) {
    Project project = ExampleProject();
    Ending ending;
    BuildJob job(project);
    project.CategoryAt(1).entries.clear(); // the job has its copy
    job.Start(ending.Signal());
    EXPECT_EQ(ending.Wait(), 1);
    const BuildJob::Progress last = job.Current();
    EXPECT_EQ(last.rule, 2);
    EXPECT_EQ(last.ruleCount, 2);
    EXPECT_EQ(last.title, QString("陸軍％攻撃"));
    EXPECT_EQ(last.rowCount, 4);
    const ScriptBuild build = job.TakeResult();
    EXPECT_TRUE(build.Ok());
    EXPECT_EQ(build.bytes, ZuzAdidodi(ExampleProject()).bytes);
}

TEST(BuildJob, ACancelledJobBuildsNothing) {
    Ending ending;
    BuildJob job(ManyRules(200));
    job.Cancel();
    job.Start(ending.Signal());
    ending.Wait();
    const ScriptBuild build = job.TakeResult();
    EXPECT_TRUE(build.cancelled);
    EXPECT_FALSE(build.Ok());
    EXPECT_TRUE(build.bytes.isEmpty());
    EXPECT_EQ(job.Current().rule, 0);
}

TEST(BuildJob, RefusalsComeBackAsNotices) {
    Ending ending;
    BuildJob job(InitialProject());
    job.Start(ending.Signal());
    ending.Wait();
    EXPECT_EQ(job.TakeResult().notice.text, "ルールが一個もありません");
}

TEST(BuildJob, GoingAwayWhileRunningStopsTheBuild) {
    Ending ending;
    {
        BuildJob job(ManyRules(20000));
        job.Start(ending.Signal());
    } // cancels and joins; a build left running would outlive its project
    EXPECT_EQ(ending.Wait(), 1);
}

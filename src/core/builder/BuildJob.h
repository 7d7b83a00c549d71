#pragma once

#include "builder/EnvironmentSettings.h"
#include "builder/ZuzAdidodi.h"
#include "model/Project.h"

#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace rw {

// Builds the script of a copy of the project on a thread of its own, so that
// the window stays responsive and nothing it does can reach the rules being
// read. The caller polls Current() as often as it wants to show progress and
// writes the files itself once told the build is over.
class BuildJob {
public:
    struct Progress {
        int rule = 0; // 1-based index of the rule being built
        int ruleCount = 0;
        QString title; // of that rule
        int row = 0;
        int rowCount = 0;
    };

    // `settings` shape the script as they shape every written script.
    explicit BuildJob(Project project, const EnvironmentSettings& settings = {});
    // Cancels a running build and waits for its thread.
    ~BuildJob();
    BuildJob(const BuildJob&) = delete;
    BuildJob& operator=(const BuildJob&) = delete;

    // Starts the build; `done` is called once, on the build's thread, when
    // the build has ended (built, refused or cancelled).
    void Start(std::function<void()> done);
    // Stops the build before its next rule. Safe from any thread.
    void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
    bool IsCancelled() const { return cancel_.load(std::memory_order_relaxed); }

    // Where the build is now; safe from any thread while it runs.
    Progress Current() const;
    // The outcome; only after `done` was called. Waits for the thread.
    ScriptBuild TakeResult();

private:
    const Project project_;
    const EnvironmentSettings settings_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> rule_{0};
    std::atomic<int> ruleCount_{0};
    // Points into project_, which stays unchanged while the job lives.
    std::atomic<const QString*> title_{nullptr};
    std::atomic<int> row_{0};
    std::atomic<int> rowCount_{0};
    ScriptBuild result_;
};

} // namespace rw

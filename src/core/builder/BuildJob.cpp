#include "builder/BuildJob.h"

namespace rw {

BuildJob::BuildJob(Project project, const EnvironmentSettings& settings)
    : project_(std::move(project)), settings_(settings) {}

BuildJob::~BuildJob() {
    Cancel();
    if (thread_.joinable())
        thread_.join();
}

void BuildJob::Start(std::function<void()> done) {
    thread_ = std::thread([this, done = std::move(done)] {
        BuildProgress progress;
        // Only plain stores here: the reader looks as often as it likes
        // and the build never waits for it.
        progress.rule = [this](int index, int count, const QString& title) {
            title_.store(&title, std::memory_order_relaxed);
            ruleCount_.store(count, std::memory_order_relaxed);
            rule_.store(index, std::memory_order_release);
        };
        progress.row = [this](int value, int maximum) {
            rowCount_.store(maximum, std::memory_order_relaxed);
            row_.store(value, std::memory_order_relaxed);
        };
        progress.cancelled = [this] { return IsCancelled(); };
        result_ = ZuzAdidodi(project_, progress, settings_);
        if (done)
            done();
    });
}

BuildJob::Progress BuildJob::Current() const {
    Progress now;
    now.rule = rule_.load(std::memory_order_acquire);
    now.ruleCount = ruleCount_.load(std::memory_order_relaxed);
    if (const QString* title = title_.load(std::memory_order_relaxed))
        now.title = *title;
    now.row = row_.load(std::memory_order_relaxed);
    now.rowCount = rowCount_.load(std::memory_order_relaxed);
    return now;
}

ScriptBuild BuildJob::TakeResult() {
    if (thread_.joinable())
        thread_.join();
    return std::move(result_);
}

} // namespace rw

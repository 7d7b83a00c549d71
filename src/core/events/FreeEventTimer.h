#pragma once

#include "events/FreeEventKind.h"
#include "model/Project.h"

namespace rw {

// "タイマー": start one of the ten timers for a number of seconds, or stop it.
class FreeEventTimer : public FreeEventKind {
public:
    // The ten timers with their help texts.
    QStringList Timers() const;
    int Timer() const { return timer_; } // 0-based: timer 1 is position 0
    void SetTimer(int position);
    static QStringList Runs();
    int Run() const { return run_; } // 0 start, 1 stop
    void SetRun(int position);
    QString Seconds() const { return seconds_; }
    void SetSeconds(const QString& text);
    bool SecondsVisible() const { return run_ == 0; }

    QString Caption() const override { return QStringLiteral("タイマー"); }
    void Reset() override;
    void Restore(const StoredFields& fields) override;
    FreeEventPreview Preview() const override;
    void ReloadNames(const Project& project) override;

private:
    int timer_ = 0;
    int run_ = 0;
    QString seconds_;
    QStringList names_ = QStringList(kTimerSlots); // slot 0 holds no timer
};

} // namespace rw

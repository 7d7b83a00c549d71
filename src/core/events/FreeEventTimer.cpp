#include "events/FreeEventTimer.h"

namespace rw {

QStringList FreeEventTimer::Timers() const {
    QStringList entries;
    for (int k = 1; k < kTimerSlots; ++k)
        entries.append(Num(k) + QStringLiteral(": ") + names_[k]);
    return entries;
}

void FreeEventTimer::SetTimer(int position) {
    if (ValidPosition(position, kTimerSlots - 1))
        timer_ = position;
}

QStringList FreeEventTimer::Runs() {
    return {QStringLiteral("開始"), QStringLiteral("停止")};
}

void FreeEventTimer::SetRun(int position) {
    if (ValidPosition(position, 2))
        run_ = position;
}

void FreeEventTimer::SetSeconds(const QString& text) {
    seconds_ = text;
}

void FreeEventTimer::Reset() {
    timer_ = 0;
    run_ = 0;
    seconds_ = QStringLiteral("10");
}

void FreeEventTimer::Restore(const StoredFields& fields) {
    SetTimer(fields.Position(0));
    SetRun(fields.Position(1));
    SetSeconds(fields.Box(2));
}

void FreeEventTimer::ReloadNames(const Project& project) {
    for (int k = 0; k < kTimerSlots; ++k)
        names_[k] = project.settings.timers[k].help;
}

FreeEventPreview FreeEventTimer::Preview() const {
    // The box is checked for a stop too: it is only hidden, not emptied.
    const BoxNumber seconds = Count(seconds_);
    if (!seconds.text)
        return Invalid({Num(timer_), Num(run_), seconds_}, seconds_, seconds);
    const QString s = *seconds.text;
    const QStringList fields{Num(timer_), Num(run_), s};
    const QString t = Num(timer_ + 1);
    if (run_ == 0) {
        return Make(QStringLiteral("タイマー(") + t + QStringLiteral(")を開始(") + s +
                        QStringLiteral("秒)"),
                    QStringLiteral("enable-timer ") + t + QLatin1Char(' ') + s, fields);
    }
    return Make(QStringLiteral("タイマー(") + t + QStringLiteral(")を停止"),
                QStringLiteral("disable-timer ") + t, fields);
}

} // namespace rw

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <utility>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace rw::test {

struct ChildReport {
    bool finished = false; // the child ran to its end
    bool ok = false;       // what the write reported
    QString text;          // the message it reported
};

#ifdef _WIN32
// Windows has no per-process file size limit to stand in for a full disk.
constexpr bool kCanFillDisk = false;
inline ChildReport WriteOnFullDisk(long long, const std::function<std::pair<bool, QString>()>&) {
    return {};
}
#else
constexpr bool kCanFillDisk = true;

// Runs `write` in a child process whose files cannot grow beyond `limit`
// bytes, the way a full disk or a quota refuses them, and hands back what
// the write reported. Without root nothing else makes a real write fail.
inline ChildReport WriteOnFullDisk(rlim_t limit,
                                   const std::function<std::pair<bool, QString>()>& write) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid < 0)
        return {};
    if (pid == 0) {
        close(pipeEnds[0]);
        rlimit fileLimit{};
        getrlimit(RLIMIT_FSIZE, &fileLimit);
        fileLimit.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &fileLimit);
        // The write is to fail with EFBIG, not end the process.
        signal(SIGXFSZ, SIG_IGN);
        const auto [ok, text] = write();
        const QByteArray message = QByteArray(ok ? "1" : "0") + text.toUtf8();
        qsizetype at = 0;
        while (at < message.size()) {
            const ssize_t n = ::write(pipeEnds[1], message.constData() + at, message.size() - at);
            if (n <= 0)
                break;
            at += n;
        }
        close(pipeEnds[1]);
        _exit(0);
    }
    close(pipeEnds[1]);
    QByteArray message;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ChildReport report;
    report.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !message.isEmpty();
    report.ok = message.startsWith('1');
    report.text = QString::fromUtf8(message.mid(1));
    return report;
}
#endif

} // namespace rw::test

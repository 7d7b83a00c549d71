#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace rw::test {

// What one run of the command-line program (RW_CLI) gave back.
struct CliRun {
    int code = -1; // -1 when it did not finish or crashed
    QByteArray out;
    QByteArray err;

    QString Err() const { return QString::fromUtf8(err); }
};

inline CliRun Cli(const QStringList& args) {
    QProcess process;
    process.start(qEnvironmentVariable("RW_CLI"), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace rw::test

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <csignal>
#include <sys/resource.h>

// Files for the command tests, in a temporary folder or among the golden files.

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString goldenPath(const QString &name)
{
    return QDir(QStringLiteral(VELTRA_TEST_DATA)).filePath(name);
}

// The real veltra-cli, run in a child process. A `fileSizeLimit` lowers
// RLIMIT_FSIZE there (with SIGXFSZ ignored), so that its writes fail beyond
// that size as on a full disk, whoever runs the test.
struct ProgramRun
{
    int exitCode = -1;
    QString err;
};

inline void startProgram(QProcess &process, const QStringList &arguments, rlim_t fileSizeLimit = 0)
{
    process.setProgram(QStringLiteral(VELTRA_CLI_PROGRAM));
    process.setArguments(arguments);
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            signal(SIGXFSZ, SIG_IGN);
        });
    }
    process.start();
}

inline ProgramRun finishProgram(QProcess &process)
{
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

inline ProgramRun runProgram(const QStringList &arguments, rlim_t fileSizeLimit = 0)
{
    QProcess process;
    startProgram(process, arguments, fileSizeLimit);
    return finishProgram(process);
}

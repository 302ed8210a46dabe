// loxar-cli's virtual keying box as a child process of a test, on a pseudo-terminal of its own.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace loxar::testing {

// Started with `options` (e.g. "--verbose", "--silent"); it ends with its closed standard input.
struct KeyboxProcess {
    static constexpr int kPatience = 20000;  // ms: generous, the machine may be slow and busy
    QProcess process;
    QString device;  // the pty path the box printed first
    QByteArray log;  // its standard error so far

    explicit KeyboxProcess(const QStringList& options = {}) {
        process.start(QStringLiteral(LOXAR_CLI_PATH), QStringList{QStringLiteral("keybox")} + options);
        if (!process.waitForStarted(kPatience)) return;
        QDeadlineTimer deadline(kPatience);
        while (!process.canReadLine() && !deadline.hasExpired()) process.waitForReadyRead(100);
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~KeyboxProcess() {
        process.closeWriteChannel();
        if (!process.waitForFinished(kPatience)) process.kill();
        process.waitForFinished(kPatience);
    }
    KeyboxProcess(const KeyboxProcess&) = delete;
    KeyboxProcess& operator=(const KeyboxProcess&) = delete;

    // Everything the box received so far, as --verbose logs it (CR as "<CR>"), the reads joined.
    QByteArray received() {
        log += process.readAllStandardError();
        static const QByteArray kPrefix = "Vett: ";
        QByteArray got;
        for (const QByteArray& line : log.split('\n')) {
            if (line.startsWith(kPrefix)) got += line.mid(kPrefix.size());
        }
        return got;
    }
};

}  // namespace loxar::testing

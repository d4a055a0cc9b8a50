#include "KswSim.h"

#include "FreePort.h"

#include <QDeadlineTimer>

KswSim::KswSim() : KswSim(Options{}) {}

KswSim::KswSim(const Options& options) : options_(options)
{
    stateFile_ = options_.stateFile.isEmpty() ? dir_.filePath(QStringLiteral("state.snmprec")) : options_.stateFile;
    // A port found free can be taken before the agent binds it: try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreeUdpPort();
        if (port_ && start())
            return;
        if (!error_.contains(QLatin1String("cannot listen")))
            return;
    }
}

KswSim::~KswSim() { stop(); }

QString KswSim::program()
{
#ifdef KSW_SIM_PATH
    return QStringLiteral(KSW_SIM_PATH);
#else
    return QString();
#endif
}

bool KswSim::running() const { return process_ && process_->state() == QProcess::Running; }

QString KswSim::log()
{
    if (process_) {
        // Collect what the agent has written by now; without an event loop the
        // pipe is only read inside a wait.
        if (process_->state() == QProcess::Running)
            process_->waitForReadyRead(20);
        log_ += QString::fromLocal8Bit(process_->readAllStandardError());
    }
    return log_;
}

bool KswSim::start()
{
    if (program().isEmpty()) {
        error_ = QStringLiteral("ksw-sim is not built (KSW_SIM_PATH undefined)");
        return false;
    }
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return false;
    }
    QStringList args{QStringLiteral("--port"), QString::number(port_), QStringLiteral("--state"), stateFile_,
                     QStringLiteral("--reset-seconds"), QString::number(options_.resetSeconds)};
    if (!options_.dataFile.isEmpty())
        args << QStringLiteral("--data") << options_.dataFile;
    if (options_.dropPercent > 0)
        args << QStringLiteral("--drop") << QString::number(options_.dropPercent);
    if (options_.delayMs > 0)
        args << QStringLiteral("--delay") << QString::number(options_.delayMs);
    if (!options_.traffic)
        args << QStringLiteral("--traffic") << QStringLiteral("none");
    args << options_.extraArgs;

    log_.clear();
    process_ = std::make_unique<QProcess>();
    process_->setWorkingDirectory(dir_.path());
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->start(program(), args);
    if (!process_->waitForStarted(5000)) {
        error_ = QStringLiteral("cannot start %1: %2").arg(program(), process_->errorString());
        process_.reset();
        return false;
    }
    // The agent announces itself once its socket is bound.
    const QDeadlineTimer deadline(10000);
    while (!log_.contains(QLatin1String("ksw-sim: started"))) {
        if (process_->state() != QProcess::Running || deadline.hasExpired()) {
            process_->waitForFinished(100);
            log();
            error_ = QStringLiteral("ksw-sim did not start: ") + log_.trimmed();
            stop();
            return false;
        }
        process_->waitForReadyRead(50);
        log();
    }
    error_.clear();
    return true;
}

void KswSim::stop()
{
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(5000)) {
            process_->kill();
            process_->waitForFinished(2000);
        }
    }
    log();
    process_.reset();
}

bool KswSim::restart()
{
    stop();
    return start();
}

#include "windows/EngineRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace mirendo {

namespace {

// Last non-empty line the engine wrote to its console: its own report of what went wrong.
QString LastConsoleLine(const QByteArray& output) {
    const QStringList lines = QString::fromLocal8Bit(output).split(
        QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (!line.isEmpty())
            return line;
    }
    return {};
}

} // namespace

EngineRunner::EngineRunner(QString ownFolder, QObject* parent)
    : QObject(parent),
      m_ownFolder(ownFolder.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(ownFolder)) {}

EngineRunner::~EngineRunner() {
    // A run still going on finishes by itself; it only must not outlive its QProcess noisily.
    if (m_process) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning)
            m_process->waitForFinished(3000);
    }
}

QString EngineRunner::findEngine() const {
    const QFileInfo beside(QDir(m_ownFolder).filePath(QString::fromLatin1(kEngineName)));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QString::fromLatin1(kEngineName));
}

EngineRunner::StartOutcome EngineRunner::start(const QString& workDir) {
    const QString program = findEngine();
    if (program.isEmpty())
        return {false, QStringLiteral("　計算プログラム Ventrel が見つかりません　")};

    if (isRunning())
        waitUntilFinished(10000);
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
    }

    auto* process = new QProcess(this);
    m_process = process;
    process->setProgram(program);
    process->setArguments({});
    process->setWorkingDirectory(workDir);
    process->setProcessChannelMode(QProcess::MergedChannels);
    connect(process, &QProcess::finished, this, &EngineRunner::onFinished);
    connect(process, &QProcess::errorOccurred, this, &EngineRunner::onError);
    m_lastEnd = RunEnd::Running;
    m_failure.clear();
    m_starting = true;
    process->start(QIODevice::ReadOnly);
    m_starting = false;
    if (process->state() == QProcess::NotRunning && m_lastEnd == RunEnd::Failed)
        return {false, m_failure};
    return {true, {}};
}

void EngineRunner::stop() {
    if (!isRunning())
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(1000);
    m_lastEnd = RunEnd::Failed;
    m_failure = QStringLiteral("　補間計算が中断されました　");
}

bool EngineRunner::isRunning() const {
    return m_process && m_process->state() != QProcess::NotRunning;
}

EngineRunner::Wait EngineRunner::waitUntilFinished(int timeoutMs) {
    if (!isRunning())
        return Wait::Finished;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &EngineRunner::runEnded, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (isRunning())
        loop.exec();
    return isRunning() ? Wait::TimedOut : Wait::Finished;
}

void EngineRunner::onFinished(int exitCode, QProcess::ExitStatus status) {
    auto* process = qobject_cast<QProcess*>(sender());
    const QString console = process ? LastConsoleLine(process->readAll()) : QString();
    if (status == QProcess::NormalExit && exitCode == 0) {
        m_lastEnd = RunEnd::Succeeded;
        m_failure.clear();
    } else {
        m_lastEnd = RunEnd::Failed;
        m_failure = QStringLiteral("　補間計算に失敗しました　");
        if (status != QProcess::NormalExit)
            m_failure += QStringLiteral("\n（計算プログラムが異常終了しました）");
        if (!console.isEmpty())
            m_failure += QStringLiteral("\n") + console;
    }
    emit runEnded(m_lastEnd == RunEnd::Succeeded);
}

void EngineRunner::onError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart)
        return; // crashes arrive through finished()
    auto* process = qobject_cast<QProcess*>(sender());
    m_lastEnd = RunEnd::Failed;
    m_failure = QStringLiteral("　計算プログラム Ventrel を起動できません　");
    if (process)
        m_failure += QStringLiteral("\n") + process->errorString();
    // A failure noticed inside start() is returned from it; only a later one is signalled.
    if (!m_starting)
        emit startFailed(m_failure);
    emit runEnded(false);
}

} // namespace mirendo

#include "qt/bridge/Calculation.h"

#include "core/exchange/AtomicFile.h"
#include "core/exchange/EngineStatus.h"
#include "core/exchange/RequestFile.h"
#include "core/steps/ResultImport.h"
#include "core/text/NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

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

// Exit statuses 2 to 5 are the engine's own; for status 3 its console line names the fault in
// English ("floating-point error: divide by zero (coefficient 2)").
exchange::Failure EngineExitFailure(int exitCode, const QString& console) {
    using exchange::Cause;
    switch (exitCode) {
    case exchange::kExitBadRequest:
        return exchange::Failure::Of(Cause::EngineBadRequest, exitCode);
    case exchange::kExitFloatFault: {
        Cause cause = Cause::EngineFloatFault;
        if (console.contains(QLatin1String("divide by zero")))
            cause = Cause::EngineDivideByZero;
        else if (console.contains(QLatin1String("overflow")))
            cause = Cause::EngineOverflow;
        else if (console.contains(QLatin1String("invalid")))
            cause = Cause::EngineInvalidOperation;
        return exchange::Failure::Of(cause, exitCode);
    }
    case exchange::kExitWriteFailed:
        return exchange::Failure::Of(Cause::EngineCannotWrite, exitCode);
    case exchange::kExitInternal:
        return exchange::Failure::Of(Cause::EngineInternal, exitCode);
    default:
        return exchange::Failure::Of(Cause::EngineExitOther, exitCode);
    }
}

} // namespace

exchange::PointRequest PointRequestOf(const Module1& state) {
    const AxisKinds axes = AxesOfScaleMode(state.ScaleMode);
    const bool logX = axes.x == AxisKind::Logarithmic;
    const bool logY = axes.y == AxisKind::Logarithmic;
    exchange::PointRequest request;
    request.mode = logX ? (logY ? 4 : 3) : (logY ? 2 : 1);
    request.xStart = state.XStart;
    request.xStop = state.XStop;
    request.pointCount = state.PointsInUse();
    request.x = logX ? state.XPlotData : state.XData;
    request.y = logY ? state.YPlotData : state.YData;
    return request;
}

Calculation::Calculation(QString engineFolder, QString workDir, QObject* parent)
    : QObject(parent), m_engineFolder(engineFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                             : std::move(engineFolder)),
      m_workDir(workDir.isEmpty() ? QDir::currentPath() : std::move(workDir)) {
    m_waitBound.setSingleShot(true);
    connect(&m_waitBound, &QTimer::timeout, this, [this] {
        if (!m_waiting)
            return;
        m_waiting = false;
        emit resultFailed(exchange::Failure::Of(exchange::Cause::EngineStillRunning));
    });
}

Calculation::~Calculation() {
    if (m_process) {
        m_process->disconnect(this);
        // Deleting a running QProcess ends it and reaps it; a stopped run's result goes after.
        delete m_process;
    }
    if (m_discardResult)
        QFile::remove(filePath(exchange::kResultFileName));
}

QString Calculation::filePath(const char* name) const {
    return QDir(m_workDir).filePath(QString::fromLatin1(name));
}

QString Calculation::findEngine() const {
    const QFileInfo beside(QDir(m_engineFolder).filePath(QString::fromLatin1(kEngineName)));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QString::fromLatin1(kEngineName));
}

std::optional<exchange::Failure> Calculation::writeRequest(const exchange::PointRequest& r) {
    const std::string bytes =
        exchange::FormatRequest(r.mode, r.xStart, r.xStop, r.pointCount, r.x.data(), r.y.data());
    const std::string path = QFile::encodeName(filePath(exchange::kRequestFileName)).toStdString();
    return exchange::WriteFileAtomically(path, bytes).failure(path);
}

std::optional<exchange::Failure> Calculation::writeRequestOf(const Module1& state) {
    const exchange::PointRequest r = PointRequestOf(state);
    if (std::optional<exchange::Failure> fault =
            exchange::CheckRequest(r.xStart, r.xStop, r.pointCount, r.x.data(), r.y.data())) {
        if (fault->point > 0)
            fault->item = GeneralText(fault->subject == exchange::Subject::X ? state.XData[fault->point]
                                                                             : state.YData[fault->point]);
        return fault;
    }
    return writeRequest(r);
}

void Calculation::releaseProcess() {
    if (!m_process)
        return;
    QProcess* old = m_process;
    old->disconnect(this);
    if (old->state() == QProcess::NotRunning) {
        old->deleteLater();
    } else {
        // Ended, not awaited: it is deleted once the system reports its end.
        connect(old, &QProcess::finished, old, &QObject::deleteLater);
        old->kill();
    }
    m_process = nullptr;
}

std::optional<exchange::Failure> Calculation::start() {
    const QString program = findEngine();
    if (program.isEmpty())
        return exchange::Failure::Of(exchange::Cause::EngineNotFound);

    releaseProcess();
    auto* process = new QProcess(this);
    m_process = process;
    process->setProgram(program);
    process->setArguments({});
    process->setWorkingDirectory(m_workDir);
    process->setProcessChannelMode(QProcess::MergedChannels);
    connect(process, &QProcess::finished, this, &Calculation::onFinished);
    connect(process, &QProcess::errorOccurred, this, &Calculation::onError);
    m_lastEnd = RunEnd::Running;
    m_failure.reset();
    m_discardResult = false;
    m_starting = true;
    process->start(QIODevice::ReadOnly);
    m_starting = false;
    if (process->state() == QProcess::NotRunning && m_lastEnd == RunEnd::Failed)
        return m_failure;
    return std::nullopt;
}

bool Calculation::isRunning() const {
    return m_process && m_process->state() != QProcess::NotRunning;
}

void Calculation::stop() {
    cancelResultRequest();
    if (!isRunning())
        return;
    m_process->disconnect(this);
    // Its result, if the run still renames one into place, is removed once it has ended.
    connect(m_process, &QProcess::finished, this,
            [this] { QFile::remove(filePath(exchange::kResultFileName)); });
    m_process->kill();
    m_discardResult = true;
    m_lastEnd = RunEnd::Failed;
    m_failure = exchange::Failure::Of(exchange::Cause::EngineStopped);
}

void Calculation::removeExchangeFiles() {
    QFile::remove(filePath(exchange::kRequestFileName));
    QFile::remove(filePath(exchange::kResultFileName));
}

void Calculation::requestResult() {
    if (m_waiting)
        return;
    if (isRunning()) {
        m_waiting = true;
        m_waitBound.start(kEngineWaitMs);
        return;
    }
    answerResultRequest();
}

void Calculation::cancelResultRequest() {
    m_waiting = false;
    m_waitBound.stop();
}

void Calculation::answerResultRequest() {
    m_waiting = false;
    m_waitBound.stop();
    if (m_lastEnd == RunEnd::Failed) {
        // The result file, if any, is an earlier calculation's: it is not shown as this one.
        emit resultFailed(m_failure.value_or(exchange::Failure::Of(exchange::Cause::EngineCrashed)));
        return;
    }
    const exchange::ResultRead read =
        exchange::ReadResultFile(filePath(exchange::kResultFileName).toStdString());
    if (!read.ok()) {
        emit resultFailed(*read.failure);
        return;
    }
    if (const auto problem = ResultProblem(read.value)) {
        emit resultFailed(*problem);
        return;
    }
    emit resultLoaded(read.value);
}

void Calculation::onFinished(int exitCode, QProcess::ExitStatus status) {
    auto* process = qobject_cast<QProcess*>(sender());
    const QString console = process ? LastConsoleLine(process->readAll()) : QString();
    if (status == QProcess::NormalExit && exitCode == 0) {
        m_lastEnd = RunEnd::Succeeded;
        m_failure.reset();
    } else {
        m_lastEnd = RunEnd::Failed;
        m_failure = status == QProcess::NormalExit ? EngineExitFailure(exitCode, console)
                                                   : exchange::Failure::Of(exchange::Cause::EngineCrashed);
    }
    if (m_waiting)
        answerResultRequest();
}

void Calculation::onError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart)
        return; // crashes arrive through finished()
    auto* process = qobject_cast<QProcess*>(sender());
    m_lastEnd = RunEnd::Failed;
    // Qt's own explanation is English; what the user can check is the file itself.
    m_failure = exchange::Failure::OfFile(exchange::Cause::EngineCannotStart,
                                          process ? QFile::encodeName(process->program()).toStdString()
                                                  : std::string());
    // A failure noticed inside start() is returned from it; only a later one is signalled.
    if (!m_starting)
        emit startFailed(*m_failure);
    if (m_waiting)
        answerResultRequest();
}

} // namespace mirendo

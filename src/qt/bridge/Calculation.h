#pragma once
// The bridge between the main window and the engine Ventrel: writes the request file, starts the
// engine without blocking, reads and checks the result file and hands the window either the
// loaded result or a Failure naming the way a step failed (the window words it). The only place that
// touches the process or the exchange files; it never waits in a nested event loop.
#include "core/exchange/Failure.h"
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "core/state/Module1.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <optional>

namespace mirendo {

static_assert(exchange::PointRequest::kMaxPoints == Module1::kMaxPoints);

// The engine request for the points of `state` on the axes of its scale mode (any other mode than
// 1..3 as 4): the mode, the X limits, and each point's value on a linear axis or its logarithm
// (XPlotData, YPlotData) on a logarithmic one.
exchange::PointRequest PointRequestOf(const Module1& state);

class Calculation : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kEngineName = "Ventrel";
    // How long the result step waits for an engine still running.
    static constexpr int kEngineWaitMs = 10000;

    // The engine is looked for in `engineFolder` first (Mirendo's own folder when empty), then
    // on PATH. The exchange files live in `workDir` (the current folder when empty).
    explicit Calculation(QString engineFolder = QString(), QString workDir = QString(),
                         QObject* parent = nullptr);
    ~Calculation() override;

    // Full path of the engine, empty when it is in neither place.
    QString findEngine() const;

    // Writes the request file atomically; a failure is a WriteFailed naming the file.
    std::optional<exchange::Failure> writeRequest(const exchange::PointRequest& request);
    // The request for the points plotted in `state` (PointRequestOf), checked and written: a value
    // the engine cannot carry is a NotCarried naming it as the user gave it (not its logarithm),
    // and nothing is written then; else as writeRequest. Nonzero magnitudes below the smallest
    // normal single (1E-39, 1E-100) count as not carried: the engine would hold them with fewer
    // digits or as zero, not as the value the user gave.
    std::optional<exchange::Failure> writeRequestOf(const Module1& state);

    // Starts the engine with no arguments and returns at once: nothing when it started, else why
    // not. A run still going on is ended first, so two runs never write the result together
    // (the engine writes its result atomically, so an ended run leaves none half written).
    std::optional<exchange::Failure> start();
    bool isRunning() const;

    enum class RunEnd { NoRun, Running, Succeeded, Failed };
    RunEnd lastRunEnd() const { return m_lastEnd; }

    // Asks for the result of the last run: answered by resultLoaded or resultFailed, at once
    // when no engine runs, else when it ends (or after kEngineWaitMs, with EngineStillRunning).
    void requestResult();
    bool isWaitingForResult() const { return m_waiting; }
    // Drops a pending request: no answer comes for it.
    void cancelResultRequest();

    // Ends a run still going on (the program is closing); its result file, should it appear
    // after all, is removed.
    void stop();

    // Deletes the request and result files; a missing one is passed over.
    void removeExchangeFiles();

  signals:
    // The program could not be started after all (reported by the process asynchronously).
    void startFailed(const mirendo::exchange::Failure& failure);
    void resultLoaded(const mirendo::exchange::LoadedResult& result);
    void resultFailed(const mirendo::exchange::Failure& failure);

  private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    void answerResultRequest();
    void releaseProcess();
    QString filePath(const char* name) const;

    QString m_engineFolder;
    QString m_workDir;
    QPointer<QProcess> m_process;
    RunEnd m_lastEnd = RunEnd::NoRun;
    std::optional<exchange::Failure> m_failure;
    bool m_starting = false;
    bool m_waiting = false;
    bool m_discardResult = false;
    QTimer m_waitBound;
};

} // namespace mirendo

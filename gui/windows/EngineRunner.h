#pragma once
// Runs the engine Ventrel for the main window. The only place that touches the process: it
// finds the program, starts it without blocking, keeps track of how the run ended and turns
// each way a run can fail into its own message for the user.
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>

namespace mirendo {

class EngineRunner : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kEngineName = "Ventrel";

    // The engine is looked for in `ownFolder` first (Mirendo's own folder by default),
    // then on PATH.
    explicit EngineRunner(QString ownFolder = QString(), QObject* parent = nullptr);
    ~EngineRunner() override;

    // Full path of the engine, empty when it is in neither place.
    QString findEngine() const;

    struct StartOutcome {
        bool started = false;
        QString message; // for the user, when !started
    };
    // Starts the engine in `workDir` with no arguments and returns at once. A run still going
    // on is awaited first (bounded), so two runs never write the result file together.
    StartOutcome start(const QString& workDir);

    bool isRunning() const;

    // Ends a run still going on (the program is closing), waiting at most a second.
    void stop();

    enum class Wait { Finished, TimedOut };
    // Waits with the event loop running (the windows stay responsive) until the current run
    // ends or `timeoutMs` passes. Returns Finished at once when nothing runs.
    Wait waitUntilFinished(int timeoutMs);

    enum class RunEnd { NoRun, Running, Succeeded, Failed };
    RunEnd lastRunEnd() const { return m_lastEnd; }
    // Message for the user about the last failed run (empty otherwise).
    QString lastFailureMessage() const { return m_failure; }

  signals:
    // The program could not be started after all (reported by the process asynchronously).
    void startFailed(const QString& message);
    void runEnded(bool succeeded);

  private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    QString m_ownFolder;
    QPointer<QProcess> m_process;
    RunEnd m_lastEnd = RunEnd::NoRun;
    QString m_failure;
    bool m_starting = false;
};

} // namespace mirendo

#include "windows/Calculation.h"

#include "exchange/AtomicFile.h"
#include "exchange/EngineStatus.h"
#include "exchange/RequestFile.h"
#include "widgets/WriteFailureText.h"
#include "windows/ResultImport.h"

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

QString ResultErrorReason(exchange::ResultError error) {
    switch (error) {
    case exchange::ResultError::Missing:
        return QStringLiteral("（F2B.dat がありません）");
    case exchange::ResultError::Unreadable:
        return QStringLiteral("（F2B.dat を開けません）");
    case exchange::ResultError::EndedEarly:
        return QStringLiteral("（ファイルが途中で終わっています）");
    case exchange::ResultError::NotANumber:
        return QStringLiteral("（数値でない値があります）");
    case exchange::ResultError::TooManyPoints:
        return QStringLiteral("（データ点の数が 10 を超えています）");
    case exchange::ResultError::TooManySamples:
        return QStringLiteral("（補間点の数が 600 を超えています）");
    case exchange::ResultError::None:
        break;
    }
    return {};
}

// The engine's console line names the fault in English ("floating-point error: divide by zero
// (coefficient 2)"); the kind of fault is told in Japanese.
QString FloatFaultKind(const QString& console) {
    if (console.contains(QLatin1String("divide by zero")))
        return QStringLiteral("0 による割り算");
    if (console.contains(QLatin1String("overflow")))
        return QStringLiteral("桁あふれ");
    if (console.contains(QLatin1String("invalid")))
        return QStringLiteral("無効な演算");
    return {};
}

QString EngineExitReason(int exitCode, const QString& console) {
    switch (exitCode) {
    case exchange::kExitBadRequest:
        return QStringLiteral("（計算依頼ファイル B2F.dat がないか、内容が正しくありません）");
    case exchange::kExitFloatFault: {
        const QString kind = FloatFaultKind(console);
        return QStringLiteral(
                   "（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）")
            .arg(kind.isEmpty() ? QStringLiteral("浮動小数点演算の異常") : kind);
    }
    case exchange::kExitWriteFailed:
        return QStringLiteral("（計算結果ファイル F2B.dat "
                              "を書き込めません。作業フォルダの空き容量と書き込み権限を確かめて下さい）");
    case exchange::kExitInternal:
        return QStringLiteral("（計算プログラムの内部エラーです。メモリが足りない可能性があります）");
    default:
        return QStringLiteral("（計算プログラムが終了コード %1 で終了しました）").arg(exitCode);
    }
}

const QString kResultUnreadable = QStringLiteral("　計算結果ファイルを読み込めません　\n");

} // namespace

Calculation::Calculation(QString engineFolder, QString workDir, QObject* parent)
    : QObject(parent), m_engineFolder(engineFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                             : std::move(engineFolder)),
      m_workDir(workDir.isEmpty() ? QDir::currentPath() : std::move(workDir)) {
    m_waitBound.setSingleShot(true);
    connect(&m_waitBound, &QTimer::timeout, this, [this] {
        if (!m_waiting)
            return;
        m_waiting = false;
        emit resultFailed(
            QStringLiteral("　補間計算が終了していません　\n（しばらく待ってから、もう一度押して下さい）"));
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

QString Calculation::writeRequest(const PointRequest& r) {
    const std::string bytes =
        exchange::FormatRequest(r.mode, r.xStart, r.xStop, r.pointCount, r.x.data(), r.y.data());
    const QString path = filePath(exchange::kRequestFileName);
    const exchange::FileWrite written =
        exchange::WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
    if (written.ok())
        return {};
    return QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n") +
           WriteFailureText(path, written.code);
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

QString Calculation::start() {
    const QString program = findEngine();
    if (program.isEmpty())
        return QStringLiteral("　計算プログラム Ventrel が見つかりません　");

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
    m_failure.clear();
    m_discardResult = false;
    m_starting = true;
    process->start(QIODevice::ReadOnly);
    m_starting = false;
    if (process->state() == QProcess::NotRunning && m_lastEnd == RunEnd::Failed)
        return m_failure;
    return {};
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
    m_failure = QStringLiteral("　補間計算が中断されました　");
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
        emit resultFailed(m_failure);
        return;
    }
    const exchange::ResultRead read =
        exchange::ReadResultFile(filePath(exchange::kResultFileName).toStdString());
    if (!read.ok()) {
        emit resultFailed(kResultUnreadable + ResultErrorReason(read.error));
        return;
    }
    if (!ResultProblem(read.result).empty()) {
        emit resultFailed(kResultUnreadable + QStringLiteral("（スケールモードが不正です）"));
        return;
    }
    emit resultLoaded(read.result);
}

void Calculation::onFinished(int exitCode, QProcess::ExitStatus status) {
    auto* process = qobject_cast<QProcess*>(sender());
    const QString console = process ? LastConsoleLine(process->readAll()) : QString();
    if (status == QProcess::NormalExit && exitCode == 0) {
        m_lastEnd = RunEnd::Succeeded;
        m_failure.clear();
    } else {
        m_lastEnd = RunEnd::Failed;
        m_failure = QStringLiteral("　補間計算に失敗しました　\n") +
                    (status == QProcess::NormalExit ? EngineExitReason(exitCode, console)
                                                    : QStringLiteral("（計算プログラムが異常終了しました）"));
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
    m_failure = QStringLiteral("　計算プログラム Ventrel を起動できません　");
    if (process)
        m_failure += QStringLiteral("\n（%1 が実行できるファイルか確かめて下さい）").arg(process->program());
    // A failure noticed inside start() is returned from it; only a later one is signalled.
    if (!m_starting)
        emit startFailed(m_failure);
    if (m_waiting)
        answerResultRequest();
}

} // namespace mirendo

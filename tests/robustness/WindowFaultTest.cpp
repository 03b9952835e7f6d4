// Faults injected under the real windows: each ends in a message box (or the read-error window)
// and nothing the user has done is lost.
#include "support/AppTest.h"
#include "support/GraphArea.h"
#include "widgets/FolderLists.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"

#include <QImage>

#include <cerrno>
#include <functional>
#include <tuple>
#include <vector>

namespace mirendo::robustness {
namespace {

using RobustWindows = testing::AppTest;
using testing::ShowsNonFinite;

const QByteArray kPoints = "1,1\r\n2,4\r\n3,2\r\n";
const std::array<QString, 6> kLinear = {"0", "4", "1", "0", "5", "1"};
using exchange::Cause;

using WindowFaults = RobustWindows;

TEST_F(WindowFaults, RequestThatCannotBeWrittenIsReportedAndThePointsStay) {
    struct Case {
        const char* name;
        std::function<void(const QString& dir)> breakIt;
        std::function<void(const QString& dir)> mendIt;
    };
    const std::vector<Case> cases = {
        {"a folder named B2F.dat",
         [](const QString& d) {
             QFile::remove(QDir(d).filePath(QStringLiteral("B2F.dat")));
             QDir(d).mkdir(QStringLiteral("B2F.dat"));
         },
         [](const QString& d) { QDir(d).rmdir(QStringLiteral("B2F.dat")); }},
        {"a folder B2F.dat holding a file",
         [](const QString& d) {
             QFile::remove(QDir(d).filePath(QStringLiteral("B2F.dat")));
             QDir(d).mkpath(QStringLiteral("B2F.dat/inside"));
         },
         [](const QString& d) { QDir(d + QStringLiteral("/B2F.dat")).removeRecursively(); }},
    };
    readPointFile(QStringLiteral("pts.csv"), kPoints);
    acceptPoints();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakIt(m_dir.path());
        plot(1, kLinear);
        click(main(), "Command1");
        const exchange::Failure folder = exchange::Failure::OfFile(
            Cause::WriteFailed, workPath(QStringLiteral("B2F.dat")).toStdString(), EISDIR);
        EXPECT_EQ(takeMessage(), CalculationMessage(folder));
        EXPECT_EQ(std::tuple(m_state.PointCount, m_state.XData[3]), std::tuple(3, 3));
        c.mendIt(m_dir.path());
        // Once the folder is mended the same points go on to a curve.
        click(main(), "Command1");
        ASSERT_TRUE(QFileInfo(workPath(QStringLiteral("B2F.dat"))).isFile());
        calculateAndDrawCurve();
        EXPECT_EQ(std::tuple(m_state.GraphDrawn, m_state.SampleCount), std::tuple(1, 100));
    }
}

// After a calculation, a plot whose request cannot be written must not leave ⑥ enabled: the
// engine would compute the earlier request (still there when only the replacement failed).
TEST_F(WindowFaults, FailedRequestAfterACalculationSwitchesTheEngineStepOff) {
    drawCurveOf(kPoints, 1, kLinear);
    ASSERT_TRUE(QFile::remove(workPath(QStringLiteral("B2F.dat"))));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("B2F.dat")));
    click(main(), "Command3");
    click(main(), "Command1");
    EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(Cause::WriteFailed)));
    EXPECT_FALSE(control<QWidget>(main(), "Command4")->isEnabled());
}

TEST_F(WindowFaults, WorkingFolderRemovedUnderTheMainWindow) {
    readPointFile(QStringLiteral("pts.csv"), kPoints);
    acceptPoints();
    ASSERT_TRUE(QDir(m_dir.path()).removeRecursively());
    plot(1, kLinear);
    click(main(), "Command1");
    EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(Cause::WriteFailed)));
    EXPECT_FALSE(control<QWidget>(main(), "Command4")->isEnabled());
    EXPECT_EQ(m_state.PointCount, 3);
    ASSERT_TRUE(QDir().mkpath(m_dir.path())); // for the fixture's clean-up
}

TEST_F(WindowFaults, ResultFileReplacedBeforeTheCurveStepIsRefused) {
    const auto write = [this](const QByteArray& bytes) {
        return [this, bytes](const QString&) { writeFile(QStringLiteral("F2B.dat"), bytes); };
    };
    const std::vector<std::pair<const char*, std::function<void(const QString& path)>>> cases = {
        {"a folder",
         [](const QString& path) {
             QFile::remove(path);
             QDir().mkdir(path);
         }},
        {"cut in the middle of a sample", nullptr}, // filled from the good result below
        {"cut after the sample count", nullptr},
        {"an image", write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20))},
        {"the request file", write(" 1 \r\n0.0\r\n4.0\r\n 3 \r\n+1.00000E+00 +1.00000E+00\r\n")},
        {"a spreadsheet", write("mode,start,stop\r\n1,0,4\r\n")},
        {"empty", write(QByteArray())},
        {"eleven points", write(" 1\r\n 0.0\r\n 4.0\r\n    11\r\n")},
        {"601 samples", write(" 1\r\n 0.0\r\n 4.0\r\n     1\r\n 1 1 1\r\n   601\r\n")},
        {"scale mode 7", write(" 7\r\n 0.0\r\n 4.0\r\n     1\r\n 1 1 1\r\n     0\r\n")},
        {"missing", [](const QString& path) { QFile::remove(path); }},
    };
    drawCurveOf(kPoints, 1, kLinear);
    ASSERT_EQ(m_state.SampleCount, 100);
    const QString resultPath = workPath(QStringLiteral("F2B.dat"));
    const QByteArray goodBytes = bytesOf(QStringLiteral("F2B.dat"));
    ASSERT_FALSE(goodBytes.isEmpty());

    const Module1 before = m_state;
    const QImage graph = testing::GraphImageOf(main());
    for (auto [name, replace] : cases) {
        SCOPED_TRACE(name);
        if (!replace)
            replace = write(goodBytes.left(std::string(name) == "cut after the sample count"
                                               ? goodBytes.indexOf("   100\r\n") + 8
                                               : goodBytes.size() / 2 + 7));
        replace(resultPath);
        click(main(), "Command5");
        EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(Cause::FileMissing)));
        EXPECT_EQ(std::tuple(m_state.SampleCount, m_state.CurveY, m_state.Coef, m_state.XStart,
                             testing::GraphImageOf(main())),
                  std::tuple(before.SampleCount, before.CurveY, before.Coef, before.XStart, graph));
        EXPECT_TRUE(control<QWidget>(main(), "Command5")->isEnabled());
        QDir().rmdir(resultPath);
    }
    // The engine writes a good result again and the same window draws it.
    calculateAndDrawCurve();
    EXPECT_EQ(m_state.SampleCount, 100);
}

// Stand-in engines, one per way a run can end badly: a file the system cannot run, each exit
// status and a kill in the middle of the run. Each is told apart in the message.
struct StandIn {
    const char* name;
    const char* script; // nullptr: an executable file that is no program
    Cause cause;
    int code;
};

class StandInEngine : public RobustWindows, public ::testing::WithParamInterface<StandIn> {
  protected:
    QString engineFolder() const override {
        QDir().mkpath(workPath(QStringLiteral("engine")));
        writeFile(QStringLiteral("engine/Ventrel"),
                  GetParam().script ? QByteArray("#!/bin/sh\necho half a line > F2B.dat.partial\n") +
                                          GetParam().script + "\n"
                                    : QByteArray("\177ELF not really\n"));
        QFile::setPermissions(workPath(QStringLiteral("engine/Ventrel")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return workPath(QStringLiteral("engine"));
    }
};

TEST_P(StandInEngine, CurveStepReportsTheFailedRunAndKeepsTheEarlierResultFileUnread) {
    plotPointFile(kPoints, 1, kLinear);
    // A result of an earlier calculation is still in the folder.
    writeFile(QStringLiteral("F2B.dat"), " 1\r\n 0.0\r\n 4.0\r\n     1\r\n 1 1 1\r\n     0\r\n");
    click(main(), "Command4");
    ASSERT_TRUE(engineEnded());
    // A run that ended badly is told at ⑦; a start that failed is told at once, and again at ⑦
    // when the step was on by then.
    if (GetParam().script || enabled("Command5"))
        click(main(), "Command5");
    ASSERT_FALSE(noMessages());
    while (!noMessages()) {
        const QString message = takeMessage();
        EXPECT_TRUE(message.startsWith(CalculationMessageOf(GetParam().cause, GetParam().code)))
            << message.toStdString();
    }
    EXPECT_EQ(m_windows->calculation()->lastRunEnd(), Calculation::RunEnd::Failed);
    EXPECT_EQ(m_state.GraphDrawn, 0);
    EXPECT_EQ(m_state.PointCount, 3) << "the points entered stay";
}

const StandIn kStandIns[] = {
    {"NotAProgram", nullptr, Cause::EngineCannotStart, 0},
    {"BadRequest", "exit 2", Cause::EngineBadRequest, 2},
    {"DivideByZero", "echo 'Ventrel: floating-point error: divide by zero (coefficient 2)' >&2; exit 3",
     Cause::EngineDivideByZero, 3},
    {"ResultNotWritable", "exit 4", Cause::EngineCannotWrite, 4},
    {"Internal", "exit 5", Cause::EngineInternal, 5},
    {"OtherStatus", "exit 9", Cause::EngineExitOther, 9},
    {"Killed", "kill -KILL $$", Cause::EngineCrashed, 0},
};

INSTANTIATE_TEST_SUITE_P(EveryEnd, StandInEngine, ::testing::ValuesIn(kStandIns),
                         [](const auto& info) { return std::string(info.param.name); });

class MissingEngine : public RobustWindows {
  protected:
    QString engineFolder() const override {
        return QDir(m_dir.path()).filePath(QStringLiteral("no-engine-here"));
    }
    void TearDown() override {
        qputenv("PATH", m_path);
        RobustWindows::TearDown();
    }
    QByteArray m_path = qgetenv("PATH");
};

TEST_F(MissingEngine, ReportedThenFoundOnPathOnceItIsThere) {
    plotPointFile(kPoints, 1, kLinear);
    const Module1 before = m_state;
    qputenv("PATH", QFile::encodeName(m_dir.path()) + "/empty-bin:/nonexistent");
    click(main(), "Command4");
    EXPECT_EQ(takeMessage(), CalculationMessageOf(Cause::EngineNotFound));
    EXPECT_FALSE(control<QWidget>(main(), "Command5")->isEnabled());
    EXPECT_TRUE(control<QWidget>(main(), "Command4")->isEnabled());
    EXPECT_EQ(std::tuple(m_state.XData, m_state.XStart), std::tuple(before.XData, before.XStart));
    EXPECT_FALSE(QFile::exists(workPath(QStringLiteral("F2B.dat"))));

    // With the engine's folder on PATH the same window goes on.
    qputenv("PATH", QByteArray(MIRENDO_ENGINE_DIR) + ":" + m_path);
    calculateAndDrawCurve();
    EXPECT_EQ(std::tuple(m_state.GraphDrawn, m_state.SampleCount), std::tuple(1, 100));
}

// The save dialog stays open beside the main window; a change there after it opened makes the
// drawn result stale, and the save refuses it instead of writing it under the new texts.
TEST_F(WindowFaults, DataSaveRefusesAResultTheMainWindowNoLongerShows) {
    drawCurveOf(kPoints, 1, kLinear);
    click(main(), "Command6");
    type(main(), "Text9", QStringLiteral("50"));
    type(m_windows->form4(), "Text1", QStringLiteral("stale"));
    click(m_windows->form4(), "Command1");
    EXPECT_TRUE(takeMessage().contains(QStringLiteral("計算結果と一致しません")));
    EXPECT_FALSE(QFile::exists(workPath(QStringLiteral("stale-Mi.csv"))));
    EXPECT_TRUE(m_windows->form4()->isVisible());
}

TEST_F(WindowFaults, ArchiveFolderRemovedBetweenListingAndLoading) {
    drawCurveOf(kPoints, 1, kLinear);
    const QString folder = workPath(QStringLiteral("saved"));
    ASSERT_TRUE(QDir().mkpath(folder));
    saveData(QStringLiteral("run1"), folder);

    // Back to the start window and into the browser, which lists the saved file.
    click(main(), "Command2");
    click(m_windows->form2(), "Command3");
    Form6* browser = m_windows->form6();
    ASSERT_TRUE(browser->isVisible());
    ASSERT_TRUE(browser->folderLists()->setPath(folder));
    clickListItem(browser, "File1", QStringLiteral("run1-Mi.csv"));
    const Module1 before = m_state;
    const QImage emptyGraph = testing::GraphImageOf(browser);

    ASSERT_TRUE(QDir(folder).removeRecursively());
    click(browser, "Command1");
    EXPECT_EQ(Heading(takeMessage()),
              Heading(ArchiveOpenMessage(exchange::Failure::Of(Cause::FileMissing), {})));
    EXPECT_EQ(std::tuple(m_state.FilePath, m_state.CurveY, testing::GraphImageOf(browser)),
              std::tuple(before.FilePath, before.CurveY, emptyGraph));
    EXPECT_FALSE(control<QWidget>(browser, "Command8")->isEnabled());

    // The browser still works: back to the start window and in again.
    click(browser, "Command2");
    EXPECT_TRUE(m_windows->form2()->isVisible());
    click(m_windows->form2(), "Command3");
    EXPECT_TRUE(browser->isVisible());
}

TEST_F(WindowFaults, SavesIntoPathsThatCannotBeCreatedKeepTheDialogsOpen) {
    drawCurveOf(kPoints, 1, kLinear);
    // The data save and the image save, each into a folder broken in four ways.
    const struct {
        const char* opener; // main window button
        SaveNameDialog* dialog;
        const char* typed;
        const char* saved; // the file the typed name is saved as
        QString messageStart;
    } dialogs[] = {
        {"Command6", m_windows->form4(), "run", "run-Mi.csv",
         QStringLiteral("  補間データを保存できませんでした")},
        {"Command8", m_windows->form5(), "graph", "graph.bmp",
         QStringLiteral("  グラフ画像を保存できませんでした")},
    };
    struct Fault {
        const char* name;
        std::function<void(const QString& folder, const char* saved)> breakIt;
        bool longName; // a name of 300 letters typed instead
        int error;     // the system's error, told in the message's last line in our own words
    };
    const Fault faults[] = {
        {"folder removed", [](const QString& f, const char*) { QDir(f).removeRecursively(); }, false, ENOENT},
        {"folder replaced by a file",
         [](const QString& f, const char*) {
             QDir(f).removeRecursively();
             QFile file(f);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         false, ENOTDIR},
        {"a folder of that name",
         [](const QString& f, const char* saved) { QDir(f).mkdir(QString::fromLatin1(saved)); }, false,
         EISDIR},
        {"name too long", {}, true, ENAMETOOLONG},
    };
    const Module1 before = m_state;
    for (const auto& d : dialogs) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(d.opener) + ": " + fault.name);
            const QString folder = workPath(QStringLiteral("target"));
            QDir(folder).removeRecursively();
            QFile::remove(folder);
            ASSERT_TRUE(QDir().mkpath(folder));
            click(main(), d.opener);
            ASSERT_TRUE(d.dialog->isVisible());
            ASSERT_TRUE(d.dialog->folderLists()->setPath(folder));
            if (fault.breakIt)
                fault.breakIt(folder, d.saved);
            type(d.dialog, "Text1",
                 fault.longName ? QString(300, QLatin1Char('g')) : QString::fromLatin1(d.typed));
            click(d.dialog, "Command1");
            const QString message = takeMessage();
            EXPECT_TRUE(message.startsWith(d.messageStart)) << message.toStdString();
            const QString cause =
                WriteFailureMessage(exchange::Failure::OfFile(Cause::WriteFailed, "", fault.error))
                    .section('\n', 1);
            EXPECT_TRUE(message.endsWith(QLatin1Char('\n') + cause)) << message.toStdString();
            EXPECT_TRUE(d.dialog->isVisible()) << "the dialog stays open for another try";
            EXPECT_EQ(std::tuple(m_state.CurveY, m_state.GraphDrawn), std::tuple(before.CurveY, 1));
            click(d.dialog, "Command2");
        }
    }
}

} // namespace
} // namespace mirendo::robustness

// The engine bridge without a window, with the real engine: request, run, result, and the ways a
// calculation fails, each answered once by its own message.
#include "qt/bridge/Calculation.h"
#include "qt/messages/Messages.h"
#include "support/WindowTest.h"

#include <QTest>

#include <optional>
#include <string>
#include <tuple>

#ifndef MIRENDO_ENGINE_DIR
#error "MIRENDO_ENGINE_DIR must name the folder that holds Ventrel"
#endif

namespace mirendo {
namespace {

// The message a step's answer puts before the user, empty when it succeeded.
QString Said(const std::optional<exchange::Failure>& failure) {
    return failure ? CalculationMessage(*failure) : QString();
}

class CalculationTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        useEngineIn(QStringLiteral(MIRENDO_ENGINE_DIR));
    }
    void TearDown() override {
        if (m_calculation) {
            EXPECT_TRUE(
                QTest::qWaitFor([this] { return !m_calculation->isRunning(); }, Calculation::kEngineWaitMs));
        }
        m_calculation.reset();
        WindowTest::TearDown();
    }
    // A bridge that looks for the engine in `engineFolder`, with its answers recorded.
    void useEngineIn(const QString& engineFolder) {
        m_calculation = std::make_unique<Calculation>(engineFolder, m_dir.path());
        QObject::connect(m_calculation.get(), &Calculation::resultLoaded,
                         [this](const exchange::LoadedResult& r) { m_loaded = r; });
        QObject::connect(
            m_calculation.get(), &Calculation::resultFailed,
            [this](const exchange::Failure& failure) { m_failures << CalculationMessage(failure); });
    }
    // Three points on X = 1, 2, 3 (the second at `x2`) in mode 1.
    static exchange::PointRequest threePoints(double x2) {
        exchange::PointRequest r;
        r.mode = 1;
        r.xStart = 0;
        r.xStop = 4;
        r.pointCount = 3;
        r.x = {0, 1, x2, 3};
        r.y = {0, 1, 4, 2};
        return r;
    }
    // ⑥ then ⑦ at once: the answer comes when the engine has ended.
    void runAndAskForTheResult(double x2) {
        ASSERT_EQ(Said(m_calculation->writeRequest(threePoints(x2))), QString());
        ASSERT_EQ(Said(m_calculation->start()), QString());
        m_calculation->requestResult();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_calculation->isWaitingForResult(); },
                                    Calculation::kEngineWaitMs + 1000));
    }

    std::unique_ptr<Calculation> m_calculation;
    std::optional<exchange::LoadedResult> m_loaded;
    QStringList m_failures;
};

TEST_F(CalculationTest, SuccessfulRunIsLoadedOnceItEnds) {
    runAndAskForTheResult(2);
    ASSERT_TRUE(m_loaded.has_value()) << m_failures.join(" | ").toStdString();
    EXPECT_TRUE(m_failures.isEmpty());
    EXPECT_EQ(std::tuple(m_loaded->scaleMode, m_loaded->pointCount, m_loaded->sampleCount,
                         m_calculation->lastRunEnd()),
              std::tuple(1, 3, 100, Calculation::RunEnd::Succeeded));
    EXPECT_TRUE(exists(QStringLiteral("B2F.dat")));
    m_calculation->removeExchangeFiles();
    EXPECT_FALSE(anyExchangeFile());
}

TEST_F(CalculationTest, FailedRunAnswersWithItsMessageNotAnEarlierResult) {
    writeFile(QStringLiteral("F2B.dat"), " 1\r\n 0.00000E+00\r\n 0.40000E+01\r\n     1\r\n"
                                         " 0.1E+01 0.1E+01 0.1E+01\r\n     0\r\n");
    runAndAskForTheResult(1); // two equal abscissae: the engine stops without a result
    EXPECT_FALSE(m_loaded.has_value());
    ASSERT_EQ(m_failures.size(), 1);
    EXPECT_TRUE(m_failures.front().startsWith(QStringLiteral("　補間計算に失敗しました　")));
}

TEST_F(CalculationTest, EveryFailureBeforeTheRunHasItsMessage) {
    // No engine beside the program and none on PATH.
    useEngineIn(workPath(QStringLiteral("no-such-folder")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    EXPECT_EQ(Said(m_calculation->start()), QStringLiteral("　計算プログラム Ventrel が見つかりません　"));
    qputenv("PATH", path);
    EXPECT_FALSE(m_calculation->isRunning());
    // A request that cannot be written: a folder in the file's place.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("B2F.dat")));
    const QString cannotWrite = Said(m_calculation->writeRequest(threePoints(2)));
    EXPECT_TRUE(cannotWrite.startsWith(QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n")));
    EXPECT_TRUE(cannotWrite.endsWith(QStringLiteral("B2F.dat  \n  同じ名前のフォルダがあります  ")))
        << cannotWrite.toStdString();
    // No result file at all.
    m_calculation->requestResult();
    ASSERT_EQ(m_failures.size(), 1);
    EXPECT_EQ(m_failures.front(),
              QStringLiteral("　計算結果ファイルを読み込めません　\n（F2B.dat がありません）"));
}

TEST_F(CalculationTest, CancelledWaitIsNeverAnswered) {
    ASSERT_EQ(Said(m_calculation->writeRequest(threePoints(2))), QString());
    ASSERT_EQ(Said(m_calculation->start()), QString());
    m_calculation->requestResult();
    ASSERT_TRUE(m_calculation->isWaitingForResult()) << "the engine ended before it was asked";
    m_calculation->cancelResultRequest();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_calculation->isRunning(); }, Calculation::kEngineWaitMs));
    QTest::qWait(50);
    EXPECT_FALSE(m_loaded.has_value());
    EXPECT_TRUE(m_failures.isEmpty());
    EXPECT_EQ(m_calculation->lastRunEnd(), Calculation::RunEnd::Succeeded);
}

TEST_F(CalculationTest, ExitDuringTheWaitStopsTheRunAndLeavesNoResult) {
    ASSERT_EQ(Said(m_calculation->writeRequest(threePoints(2))), QString());
    ASSERT_EQ(Said(m_calculation->start()), QString());
    m_calculation->requestResult();
    m_calculation->stop();
    EXPECT_FALSE(m_calculation->isWaitingForResult());
    m_calculation.reset(); // the program ends
    EXPECT_FALSE(exists(QStringLiteral("F2B.dat")));
    EXPECT_FALSE(m_loaded.has_value());
    EXPECT_TRUE(m_failures.isEmpty());
}

TEST(PointRequestTest, CarriesTheModesValues) {
    Module1 s;
    s.XStart = 0, s.XStop = 10;
    s.PointCount = 3;
    const double xs[] = {0, 1, 4, 8}, ys[] = {0, 2.5, -3, 0.125};
    for (int i = 1; i <= 3; ++i) {
        s.XData[i] = xs[i], s.YData[i] = ys[i];
        s.XPlotData[i] = 10 * i, s.YPlotData[i] = -i; // stand-ins, so the test sees which array went out
    }
    const struct {
        int mode;
        std::string expected;
    } cases[] = {
        {1, " 1 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+00 +2.50000E+00\r\n+4.00000E+00 -3.00000E+00\r\n"
            "+8.00000E+00 +1.25000E-01\r\n"},
        {2, " 2 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+00 -1.00000E+00\r\n+4.00000E+00 -2.00000E+00\r\n"
            "+8.00000E+00 -3.00000E+00\r\n"},
        {3, " 3 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+01 +2.50000E+00\r\n+2.00000E+01 -3.00000E+00\r\n"
            "+3.00000E+01 +1.25000E-01\r\n"},
        {4, " 4 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+01 -1.00000E+00\r\n+2.00000E+01 -2.00000E+00\r\n"
            "+3.00000E+01 -3.00000E+00\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        s.ScaleMode = c.mode;
        const exchange::PointRequest r = PointRequestOf(s);
        EXPECT_EQ(exchange::FormatRequest(r.mode, r.xStart, r.xStop, r.pointCount, r.x.data(), r.y.data()),
                  c.expected);
    }
}

} // namespace
} // namespace mirendo

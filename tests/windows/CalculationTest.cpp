// The engine bridge without a window, with the real engine: a wait for the result that is
// cancelled or cut short by the program's end is never answered. (A run and each way it fails
// are tested through the main window: Form1Test.cpp, robustness/WindowFaultTest.cpp.)
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
        m_calculation = std::make_unique<Calculation>(QStringLiteral(MIRENDO_ENGINE_DIR), m_dir.path());
        QObject::connect(m_calculation.get(), &Calculation::resultLoaded,
                         [this](const exchange::LoadedResult& r) { m_loaded = r; });
        QObject::connect(
            m_calculation.get(), &Calculation::resultFailed,
            [this](const exchange::Failure& failure) { m_failures << CalculationMessage(failure); });
    }
    void TearDown() override {
        if (m_calculation) {
            EXPECT_TRUE(
                QTest::qWaitFor([this] { return !m_calculation->isRunning(); }, Calculation::kEngineWaitMs));
        }
        m_calculation.reset();
        WindowTest::TearDown();
    }
    // Three points on X = 1, 2, 3 in mode 1.
    static exchange::PointRequest threePoints() {
        exchange::PointRequest r;
        r.mode = 1;
        r.xStart = 0;
        r.xStop = 4;
        r.pointCount = 3;
        r.x = {0, 1, 2, 3};
        r.y = {0, 1, 4, 2};
        return r;
    }

    std::unique_ptr<Calculation> m_calculation;
    std::optional<exchange::LoadedResult> m_loaded;
    QStringList m_failures;
};

TEST_F(CalculationTest, CancelledWaitIsNeverAnswered) {
    ASSERT_EQ(Said(m_calculation->writeRequest(threePoints())), QString());
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
    ASSERT_EQ(Said(m_calculation->writeRequest(threePoints())), QString());
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

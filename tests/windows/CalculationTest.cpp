// The engine bridge without a window, with the real engine: a wait for the result that is
// cancelled or cut short by the program's end is never answered. (A run and each way it fails
// are tested through the main window: Form1Test.cpp, robustness/WindowFaultTest.cpp.)
#include "qt/bridge/Calculation.h"
#include "qt/messages/Messages.h"
#include "support/WindowTest.h"

#include <QTest>

#include <optional>

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

} // namespace
} // namespace mirendo

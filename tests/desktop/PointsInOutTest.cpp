// Points brought to the main window from the clipboard, and a saved curve reopened there to be
// calculated again.
#include "archive/ArchiveSamples.h"
#include "core/archive/SavedPoints.h"
#include "core/text/NumberText.h"
#include "support/AppTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <cmath>
#include <random>
#include <tuple>

namespace mirendo::testing {
namespace {

using PointsInOut = AppTest;

// A log axis keeps six digits of each point's logarithm: values typed with up to four digits come
// back as typed, not as exp() of the rounded logarithm (2.99999313400353 for 3).
TEST(SavedPointText, LogAxisPointsComeBackWithTheirDigits) {
    std::mt19937 random(11);
    const auto typed = [&](int digits) {
        return std::stod(
            SignificantText(std::pow(10, std::uniform_real_distribution(-5.0, 5.0)(random)), digits));
    };
    const auto held = [](double v) {
        return std::stod(FormatExponential(std::log(v), kArchivePointDecimals));
    };
    SavedPlot plot;
    std::tie(plot.scaleMode, plot.pointCount) = std::pair(4, 1);
    for (int n = 0; n < 400; ++n) {
        const double x = typed(4), y = typed(3);
        std::tie(plot.resultX[1], plot.resultY[1]) = std::pair(held(x), held(y));
        ASSERT_EQ(SavedPointText(plot), GeneralText(x) + ',' + GeneralText(y) + "\r\n");
    }
}

// Points read through the file input first: the paste replaces them, and the file still chosen in
// the dialog is not read again in its place.
TEST_F(PointsInOut, CtrlVInTheMainWindowReadsTheClipboardAsADroppedFile) {
    readPointFile(QStringLiteral("first.csv"), "5,50\r\n6,60\r\n7,70\r\n");
    acceptPoints();
    ASSERT_TRUE(activate(main(), control<QPushButton>(main(), "Command9")));
    QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\n3\t30\n1\t-10\n"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(main()->isVisible() && !m_windows->form10()->isVisible());
    EXPECT_EQ((std::array{m_state.XData[1], m_state.YData[1], m_state.XData[2], m_state.YData[2]}),
              (std::array{1.0, -10.0, 3.0, 30.0}));
    EXPECT_EQ(m_state.PointCount, 2);
    EXPECT_EQ(textOf(main(), "Label33"), QStringLiteral("-10.0"));
    EXPECT_FALSE(control<QRadioButton>(main(), "Option2")->isEnabled()) << "Y minimum below 0";
    EXPECT_TRUE(control<QPushButton>(main(), "Command3")->isEnabled());
}

// For each mode: the browser's "この点で再計算" opens the main window with the file's points, mode
// and settings; a setting edited there, ④ to ⑦ draw the file's curve again, the file untouched.
TEST_F(PointsInOut, ASavedCurveReopensToBeCalculatedAgain) {
    const char* options[] = {"Option1", "Option2", "Option3", "Option4"};
    const char* boxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
    for (const Calculation& calc : CalculationsOfEveryMode()) {
        SCOPED_TRACE(calc.mode);
        const Module1 saved = StateAfterCalculation(calc);
        const ArchiveFormat archive = FormatArchive(saved, calc.settings);
        ASSERT_TRUE(archive.ok());
        const QByteArray bytes = QByteArray::fromStdString(archive.value);
        drawInBrowser(QStringLiteral("run-Mi.csv"), bytes);
        click(m_windows->form6(), "CommandRecalc");

        EXPECT_FALSE(m_windows->form6()->isVisible());
        ASSERT_TRUE(main()->isVisible());
        EXPECT_TRUE(control<QRadioButton>(main(), options[calc.mode - 1])->isChecked());
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(textOf(main(), boxes[i]).toStdString(), calc.settings[std::size_t(i)]) << boxes[i];
        EXPECT_EQ(control<QListWidget>(main(), "List1")->count(), int(calc.points.size()));
        EXPECT_TRUE(control<QPushButton>(main(), "Command3")->isEnabled());
        EXPECT_FALSE(control<QPushButton>(main(), "Command1")->isEnabled());
        EXPECT_EQ(m_state.GraphDrawn, 0);

        const bool logY = calc.mode == 2 || calc.mode == 4;
        type(main(), "Text9", logY ? QStringLiteral("1.0E+03") : QStringLiteral("12"));
        click(main(), "Command3");
        click(main(), "Command1");
        calculateAndDrawCurve();
        ASSERT_EQ(m_state.GraphDrawn, 1);
        EXPECT_EQ(m_state.ScaleMode, calc.mode);
        ASSERT_EQ(m_state.SampleCount, saved.SampleCount);
        // The file holds six digits of each point; the engine computes in single precision.
        for (int j = 1; j <= saved.SampleCount; ++j) {
            EXPECT_NEAR(m_state.CurveX[j], saved.CurveX[j], 1e-4 * (1 + std::abs(saved.CurveX[j]))) << j;
            EXPECT_NEAR(m_state.CurveY[j], saved.CurveY[j], 1e-4 * (1 + std::abs(saved.CurveY[j]))) << j;
        }
        EXPECT_EQ(bytesOf(QStringLiteral("run-Mi.csv")), bytes);
        click(main(), "Command2");
    }
}

} // namespace
} // namespace mirendo::testing

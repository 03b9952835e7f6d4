// The main window driven through its controls: the whole calculation in the four scale modes
// with the real engine, the enabling of the steps and the Enter path. How a failed step is
// reported is tested with the faults (robustness/WindowFaultTest.cpp).
#include "windows/Form1.h"
#include "core/input/Ordering.h"
#include "qt/bridge/Calculation.h"
#include "support/AppTest.h"
#include "support/CanvasCalls.h"
#include "support/GraphArea.h"
#include "widgets/Decorations.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace mirendo {
namespace {

const char* const kScaleOptions[] = {"Option1", "Option2", "Option3", "Option4"};

struct ReadoutCheck {
    double curveX;     // a curve abscissa in data units; the mouse goes just right of its sample
    const char* xText; // expected Label27
    const char* yText; // expected Label28
};

struct CalculationCase {
    const char* name;
    int mode;
    std::vector<QPointF> points;
    std::array<QString, 6> typed;           // Text5..Text10 as typed
    std::array<const char*, 6> confirmed;   // after ④
    const char* request;                    // bytes of B2F.dat after ⑤
    std::array<const char*, 4> limitLabels; // Label14..Label17 after ⑤
    int samples;
    std::vector<ReadoutCheck> readouts;
};

// The program's windows with the main window opened from the start window.
class MainWindowTest : public testing::AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        click(m_windows->form2(), "Command1");
    }
};

class WholeCalculation : public MainWindowTest, public ::testing::WithParamInterface<CalculationCase> {};

TEST_P(WholeCalculation, FromPointsToReadout) {
    const CalculationCase& k = GetParam();
    enterPoints(k.points);
    EXPECT_EQ(control<QListWidget>(main(), "List1")->count(), static_cast<int>(k.points.size()));
    EXPECT_TRUE(enabled("Command3"));

    chooseMode(k.mode);
    EXPECT_EQ(m_state.ScaleMode, k.mode);
    typeSettings(k.typed);
    click(main(), "Command3");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(textOf(main(), kSettingBoxes[i]), QString::fromLatin1(k.confirmed[i])) << kSettingBoxes[i];
    EXPECT_TRUE(enabled("Command1"));

    click(main(), "Command1");
    EXPECT_EQ(bytesOf(QStringLiteral("B2F.dat")), QByteArray(k.request));
    const char* limitNames[] = {"Label14", "Label15", "Label16", "Label17"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(textOf(main(), limitNames[i]), QString::fromLatin1(k.limitLabels[i])) << limitNames[i];
    EXPECT_EQ(std::tuple(enabled("Command1"), enabled("Command4"), focusedName()),
              std::tuple(false, true, QStringLiteral("Command4")));

    runEngine();
    EXPECT_EQ(m_windows->calculation()->lastRunEnd(), Calculation::RunEnd::Succeeded);
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_FALSE(enabled("Command6")) << "no result loaded yet to save";
    EXPECT_TRUE(exists(QStringLiteral("F2B.dat")));

    click(main(), "Command5");
    EXPECT_EQ(
        std::tuple(m_state.GraphDrawn, m_state.ScaleMode, m_state.PointCount, m_state.SampleCount,
                   focusedName()),
        std::tuple(1, k.mode, static_cast<int>(k.points.size()), k.samples, QStringLiteral("Command6")));
    for (int j : {1, k.samples / 3, k.samples / 2, k.samples})
        EXPECT_TRUE(blueNear(curvePixel(j))) << "sample " << j;

    for (const ReadoutCheck& r : k.readouts) {
        testing::MoveMouseToAbscissa(picture(), plotX(r.curveX) + 1e-4f);
        EXPECT_TRUE(testing::CursorLinesVisible(picture())) << r.curveX;
        EXPECT_EQ(textOf(main(), "Label27"), QString::fromLatin1(r.xText)) << r.curveX;
        EXPECT_EQ(textOf(main(), "Label28"), QString::fromLatin1(r.yText)) << r.curveX;
    }
    // Left of the curve the crosshair goes away.
    testing::MoveMouseToAbscissa(picture(), plotX(k.points.front().x()) - 0.5f);
    EXPECT_FALSE(testing::CursorLinesVisible(picture()));
    EXPECT_EQ(std::tuple(textOf(main(), "Label27"), textOf(main(), "Label28")),
              std::tuple(QString(), QString()));
}

INSTANTIATE_TEST_SUITE_P(
    FourScaleModes, WholeCalculation,
    ::testing::Values(
        CalculationCase{
            "LinearLinear",
            1,
            {{1, 2.5}, {4, -3}, {8, 0.125}},
            {"0", "10", "2", "-4", "4", "1"},
            {"0", "10", "2", "-4", "4", "1"},
            " 1 \r\n0.0\r\n10.0\r\n 3 \r\n+1.00000E+00 +2.50000E+00\r\n+4.00000E+00 -3.00000E+00\r\n"
            "+8.00000E+00 +1.25000E-01\r\n",
            {"0", "10", "-4", "4"},
            100,
            {{1, "1.000", "2.500"}, {1.06, "1.060", "2.324"}, {4, "4.000", "-3.000"}}},
        CalculationCase{
            "LinearLog",
            2,
            {{1, 2}, {2, 20}, {3, 50}},
            {"0", "4", "1", "1", "100", ""},
            {"0", "4", "1", "1.0E+00", "1.0E+02", "10"},
            " 2 \r\n0.0\r\n4.0\r\n 3 \r\n+1.00000E+00 +6.93147E-01\r\n+2.00000E+00 +2.99573E+00\r\n"
            "+3.00000E+00 +3.91202E+00\r\n",
            {"0", "4", "1.0E+00", "1.0E+02"},
            100,
            {{1, "1.000", "2.000E+00"}, {2, "2.000", "2.000E+01"}}},
        CalculationCase{
            "LogLinear",
            3,
            {{0.5, 1}, {5, 3}, {50, 2}},
            {"0.1", "100", "", "0", "4", "1"},
            {"1.0E-01", "1.0E+02", "10", "0", "4", "1"},
            " 3 \r\n0.1\r\n100.0\r\n 3 \r\n-6.93147E-01 +1.00000E+00\r\n+1.60944E+00 +3.00000E+00\r\n"
            "+3.91202E+00 +2.00000E+00\r\n",
            {"1.0E-01", "1.0E+02", "0", "4"},
            100,
            {{0.5, "5.000E-01", "1.000"}, {5, "5.000E+00", "3.000"}}},
        CalculationCase{
            "LogLog",
            4,
            {{2, 3}, {20, 50}, {200, 400}, {900, 700}},
            {"1", "1000", "", "2", "999", ""},
            {"1.0E+00", "1.0E+03", "10", "1.0E00", "1.0E+03", "10"},
            " 4 \r\n1.0\r\n1000.0\r\n 4 \r\n+6.93147E-01 +1.09861E+00\r\n+2.99573E+00 +3.91202E+00\r\n"
            "+5.29832E+00 +5.99146E+00\r\n+6.80239E+00 +6.55108E+00\r\n",
            {"1.0E+00", "1.0E+03", "1.0E00", "1.0E+03"},
            150,
            {{2, "2.000E+00", "3.000E+00"}, {200, "2.000E+02", "4.000E+02"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, CompiledInSettingsExplanationIsItsDrawingAtThePictureSize) {
    // The explanation is drawn at build time; it must be what the code draws now, at the size
    // of Picture2, and Picture2 must show it.
    const QSize size(kSettingsExplanationWidth, kSettingsExplanationHeight);
    const auto rgb = [](const QPixmap& picture) {
        return picture.toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(control<QLabel>(main(), "Picture2")->size(), size);
    const QImage drawn = rgb(SettingsExplanationPicture(size));
    ASSERT_FALSE(CompiledInSettingsExplanationPicture(size).isNull());
    EXPECT_EQ(rgb(CompiledInSettingsExplanationPicture(size)), drawn);
    EXPECT_EQ(rgb(control<QLabel>(main(), "Picture2")->pixmap()), drawn);
    // Any other size is drawn on the spot.
    EXPECT_TRUE(CompiledInSettingsExplanationPicture(QSize(100, 80)).isNull());
    EXPECT_EQ(LoadSettingsExplanationPicture(QSize(100, 80)).size(), QSize(100, 80));
}

TEST_F(MainWindowTest, ResetLeavesOnlyTheFirstStepsEnabled) {
    drawCurve(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    ASSERT_EQ(m_state.GraphDrawn, 1);
    writeFile(QStringLiteral("B2F.dat"), "x");

    click(main(), "Command7");
    EXPECT_FALSE(anyExchangeFile());
    EXPECT_EQ(std::tuple(m_state.GraphDrawn, m_state.ScaleMode), std::tuple(0, 1));
    for (const char* name : {"Command1", "Command3", "Command4", "Command5", "Command6"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"Command9", "Command8", "Command7", "Command2"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : kScaleOptions)
        EXPECT_TRUE(control<QRadioButton>(main(), name)->isEnabled()) << name;
    EXPECT_TRUE(control<QRadioButton>(main(), "Option1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(main(), "Option5")->isChecked());
    for (const char* name : {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Label27", "Label28",
                             "Label31", "Label32", "Label33", "Label34"})
        EXPECT_EQ(textOf(main(), name), QString()) << name;
    for (const auto& [name, caption] : {std::pair{"Label14", "X-Start"}, std::pair{"Label15", "X-Stop"},
                                        std::pair{"Label16", "Y-Start"}, std::pair{"Label17", "Y-Stop"}})
        EXPECT_EQ(textOf(main(), name), QString::fromLatin1(caption)) << name;
    EXPECT_EQ(control<QListWidget>(main(), "List1")->count(), 0);
    EXPECT_FALSE(testing::CursorLinesVisible(picture()));
    // The readout is off again.
    testing::MoveMouseToAbscissa(picture(), 1.5f);
    EXPECT_EQ(textOf(main(), "Label27"), QString());

    // With no files present Reset only resets.
    click(main(), "Command7");
}

TEST_F(MainWindowTest, InputMethodChoiceClearsPointsAndAsksForTheChosenDialog) {
    QSignalSpy fileInput(main(), &Form1::fileInputRequested);
    QSignalSpy manualEntry(main(), &Form1::manualEntryRequested);
    m_state.XData[10] = 5;
    m_state.YData[1] = 7;
    control<QListWidget>(main(), "List1")->addItem(QStringLiteral("1  2"));
    control<QRadioButton>(main(), "Option4")->setEnabled(false);

    click(main(), "Command9");
    EXPECT_EQ(std::tuple(fileInput.count(), manualEntry.count()), std::tuple(1, 0));
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(std::tuple(m_state.XData[10], m_state.YData[1], control<QListWidget>(main(), "List1")->count()),
              std::tuple(0, 0, 0));
    EXPECT_TRUE(control<QRadioButton>(main(), "Option4")->isEnabled());

    main()->show();
    control<QRadioButton>(main(), "Option6")->click();
    m_state.EntryNo = 4;
    click(main(), "Command9");
    EXPECT_EQ(std::tuple(manualEntry.count(), m_state.EntryNo), std::tuple(1, 1));
}

TEST_F(MainWindowTest, PublishedPointsGateTheLogOptions) {
    struct {
        PublishedPoints points;
        bool enabled[4];
    } rows[] = {
        {{{"0  1"}, {"0.0", "1.0", "1.0", "1.0"}, true, false, true}, {true, true, false, false}},
        {{{"1  0"}, {"1.0", "1.0", "0.0", "0.0"}, true, true, false}, {true, false, true, false}},
        {{{"1  1"}, {"1.0", "1.0", "1.0", "1.0"}, true, true, true}, {true, true, true, true}},
    };
    for (const auto& row : rows) {
        main()->applyPublishedPoints(row.points);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(control<QRadioButton>(main(), kScaleOptions[i])->isEnabled(), row.enabled[i])
                << kScaleOptions[i];
        EXPECT_EQ(textOf(main(), "Label31"), QString::fromStdString(row.points.rangeTexts[0]));
        EXPECT_EQ(control<QListWidget>(main(), "List1")->item(0)->text(),
                  QString::fromStdString(row.points.tableLines[0]));
        EXPECT_TRUE(enabled("Command3"));
    }
}

TEST_F(MainWindowTest, ScaleOptionsFixAndReleaseTheStepBoxes) {
    control<QLineEdit>(main(), "Text7")->setText(QStringLiteral("2"));
    // Log-log fixes both steps at 10; the 10 is kept when the steps are released.
    for (const auto& [mode, xStepOpen, yStepOpen] :
         {std::tuple{4, false, false}, {1, true, true}, {2, true, false}, {3, false, true}}) {
        chooseMode(mode);
        EXPECT_EQ(control<QLineEdit>(main(), "Text7")->isEnabled(), xStepOpen) << mode;
        EXPECT_EQ(control<QLineEdit>(main(), "Text10")->isEnabled(), yStepOpen) << mode;
        EXPECT_EQ(textOf(main(), "Text7") + textOf(main(), "Text10"), QStringLiteral("1010")) << mode;
    }
}

TEST_F(MainWindowTest, EnterMovesAlongTheSettingBoxes) {
    const struct {
        int mode;
        std::vector<const char*> path;
    } rows[] = {
        {1, {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Command3"}},
        {3, {"Text5", "Text6", "Text8", "Text9", "Text10", "Command3"}},
        {4, {"Text5", "Text6", "Text8", "Text9", "Command3"}},
    };
    enterPoints({{1, 1}, {2, 2}}); // a disabled button cannot take the focus
    for (const auto& row : rows) {
        chooseMode(row.mode);
        control<QLineEdit>(main(), "Text5")->setFocus();
        for (std::size_t i = 0; i + 1 < row.path.size(); ++i) {
            ASSERT_EQ(focusedName(), QString::fromLatin1(row.path[i])) << "mode " << row.mode;
            QTest::keyClick(control<QLineEdit>(main(), row.path[i]), Qt::Key_Return);
        }
        EXPECT_EQ(focusedName(), QString::fromLatin1(row.path.back())) << "mode " << row.mode;
    }
}

TEST_F(MainWindowTest, InvalidSettingsAreRefused) {
    const struct {
        const char* name;
        int mode;
        std::array<QString, 6> typed;
        bool confirmRefused; // ④ refuses; otherwise ⑤ refuses
    } rows[] = {
        {"EqualXLimits", 1, {"5", "5", "1", "0", "9", "1"}, true},
        {"ReversedY", 1, {"0", "9", "1", "9", "0", "1"}, true},
    };
    for (const auto& row : rows) {
        main()->ResetMainWindow();
        enterPoints({{1, 1}, {3, 2}});
        chooseMode(row.mode);
        typeSettings(row.typed);
        click(main(), "Command3");
        EXPECT_EQ(takeMessage(), QStringLiteral("　入力値が不正です！　")) << row.name;
        EXPECT_FALSE(enabled("Command1")) << row.name;
    }
    // Limits edited after confirming: the plot refuses them again.
    main()->ResetMainWindow();
    enterPoints({{1, 1}, {3, 2}});
    typeSettings({"0", "4", "1", "0", "3", "1"});
    click(main(), "Command3");
    control<QLineEdit>(main(), "Text6")->setText(QStringLiteral("-1"));
    click(main(), "Command1");
    EXPECT_EQ(takeMessage(), QStringLiteral("　入力値が不正です！　"));
    EXPECT_TRUE(enabled("Command1"));
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_FALSE(exists(QStringLiteral("B2F.dat")));
}

TEST_F(MainWindowTest, EmptyLimitsComeFromTheRangeLabels) {
    enterPoints({{0.5, -2}, {4, 3}});
    click(main(), "Command3");
    for (const auto& [box, shown] :
         {std::pair{"Text5", "0.5"}, {"Text6", "4.0"}, {"Text8", "-2.0"}, {"Text9", "3.0"}, {"Text7", ""}})
        EXPECT_EQ(textOf(main(), box), QString::fromLatin1(shown)) << box;
    EXPECT_DOUBLE_EQ(m_state.XStep, 3.5); // one interval over the whole axis
    EXPECT_DOUBLE_EQ(m_state.YStep, 5);
    // On logarithmic axes the data range widens to whole decades.
    enterPoints({{2, 3}, {20, 50}, {200, 400}});
    plot(4, {"", "", "", "", "", ""});
    EXPECT_EQ(std::tuple(textOf(main(), "Text5"), textOf(main(), "Text6")),
              std::tuple(QStringLiteral("1.0E00"), QStringLiteral("1.0E+03")));
}

TEST_F(MainWindowTest, CurveStepWaitsForAnEngineStillRunning) {
    plotPoints(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
    click(main(), "Command4"); // no wait here: ⑦ waits for the run itself
    click(main(), "Command5");
    // The click has returned: the window goes on handling events while the engine runs.
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_state.GraphDrawn == 1; }, Calculation::kEngineWaitMs));
    EXPECT_EQ(m_state.SampleCount, 100);
    EXPECT_FALSE(m_windows->calculation()->isWaitingForResult());
}

TEST_F(MainWindowTest, ResetOrReplotDuringTheCurveWaitDrawsNoCurve) {
    // Reset, ⑤ and leaving for the start window each drop the awaited curve.
    const std::function<void()> interruptions[] = {
        [this] { click(main(), "Command7"); },
        [this] { click(main(), "Command1"); },
        [this] { click(main(), "Command2"); },
    };
    int interrupted = 0;
    for (const auto& interrupt : interruptions) {
        main()->ResetMainWindow();
        main()->show();
        plotPoints(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
        click(main(), "Command3"); // so that ⑤ can be pressed again
        click(main(), "Command4");
        click(main(), "Command5");
        if (!m_windows->calculation()->isWaitingForResult())
            continue; // the engine had already ended: nothing to interrupt
        ++interrupted;
        interrupt();
        EXPECT_FALSE(m_windows->calculation()->isWaitingForResult());
        const QImage afterwards = picture()->graph().image();
        ASSERT_TRUE(engineEnded());
        QTest::qWait(50); // the engine's end has been delivered
        EXPECT_EQ(std::tuple(m_state.GraphDrawn, picture()->graph().image()), std::tuple(0, afterwards));
    }
    EXPECT_GT(interrupted, 0);
}

TEST_F(MainWindowTest, TinyLogXStartKeepsTheStartTheGraphWasDrawnWith) {
    plotPoints(3, {{0.001, 1}, {0.01, 2}, {0.1, 3}}, {"0.0001", "1", "", "0", "4", "1"});
    EXPECT_EQ(textOf(main(), "Text5"), QStringLiteral("1.0E-04"));
    EXPECT_TRUE(bytesOf(QStringLiteral("B2F.dat")).startsWith(" 3 \r\n0.0\r\n1.0\r\n"));
    runEngine();
    click(main(), "Command5");
    EXPECT_DOUBLE_EQ(m_state.XStart, 1e-4);
    EXPECT_EQ(std::tuple(m_state.GraphDrawn, blueNear(curvePixel(1))), std::tuple(1, true));
    EXPECT_TRUE(blueNear(curvePixel(m_state.SampleCount)));
    testing::MoveMouseToAbscissa(picture(), plotX(0.001) + 1e-4f);
    EXPECT_EQ(textOf(main(), "Label27"), QStringLiteral("1.000E-03"));
    EXPECT_EQ(textOf(main(), "Label28"), QStringLiteral("1.000"));
}

TEST_F(MainWindowTest, RealMouseMovesReachTheReadout) {
    drawCurve(1, {{1, 2.5}, {4, -3}, {8, 0.125}}, {"0", "10", "2", "-4", "4", "1"});
    const QPointF inside = picture()->graph().toPixel(5.0f, 0.0f);
    QMouseEvent move(QEvent::MouseMove, inside, picture()->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_TRUE(testing::CursorLinesVisible(picture()));
    EXPECT_TRUE(textOf(main(), "Label27").startsWith(QStringLiteral("4.9")) ||
                textOf(main(), "Label27").startsWith(QStringLiteral("5.0")))
        << textOf(main(), "Label27").toStdString();
}

// Replotting clears the curve, so the readout stops following it (it would show a curve that is
// no longer there).
TEST_F(MainWindowTest, ReplottingEndsTheReadoutOfTheClearedCurve) {
    drawCurve(1, {{1, 2.5}, {4, -3}, {8, 0.125}}, {"0", "10", "2", "-4", "4", "1"});
    click(main(), "Command3");
    click(main(), "Command1");
    EXPECT_EQ(m_state.GraphDrawn, 0);
    testing::MoveMouseToAbscissa(picture(), 1.0001f);
    EXPECT_EQ(textOf(main(), "Label27"), QString());
}

// A result belongs to the scale mode, setting texts and points it was computed for: once the
// window shows others, the engine, curve and save steps stay off until ⑤ and ⑥ made a new one.
// The gestures that change them; the step sequence itself is tested without the window.
TEST_F(MainWindowTest, ChangedInputsMakeTheResultStale) {
    struct Case {
        const char* name;
        std::function<void()> change;
        std::function<void()> undo; // empty: the change cannot be taken back
        bool runEngine;             // ⑥ still matches the request file
    };
    const std::vector<Case> cases = {
        {"another scale mode chosen", [this] { chooseMode(2); },
         [this] {
             chooseMode(1);
             control<QLineEdit>(main(), "Text10")->setText(QStringLiteral("1"));
         },
         false},
        {"a setting box edited",
         [this] { control<QLineEdit>(main(), "Text6")->setText(QStringLiteral("5")); },
         [this] { control<QLineEdit>(main(), "Text6")->setText(QStringLiteral("4")); }, false},
        {"new points refused by ⑤",
         [this] {
             plotPoints(1, {{1, 2}, {2, 1e100}, {3, 4}}, {"0", "4", "1", "0", "6", "1"});
             EXPECT_EQ(takeMessage(), PointsOutsideMessage(1));
             const QString notCarried = RequestMessage(exchange::Failure::Of(exchange::Cause::NotCarried));
             EXPECT_TRUE(takeMessage().endsWith(notCarried.section(QLatin1Char('\n'), 1)));
         },
         {},
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        drawCurve(1, {{1, 2}, {2, 3}, {3, 5}}, {"0", "4", "1", "0", "6", "1"});
        ASSERT_TRUE(main()->drawnCalculation().has_value());
        k.change();
        EXPECT_EQ(enabled("Command4"), k.runEngine);
        EXPECT_FALSE(enabled("Command5"));
        EXPECT_FALSE(enabled("Command6"));
        EXPECT_FALSE(main()->drawnCalculation().has_value());
        EXPECT_EQ(m_state.GraphDrawn, 0) << "the readout no longer follows the old curve";
        if (k.undo) {
            k.undo();
            EXPECT_TRUE(enabled("Command6")) << "the window shows the drawn inputs again";
            EXPECT_EQ(m_state.GraphDrawn, 1);
        }
    }
}

TEST_F(MainWindowTest, SaveButtonsProposeTodaysDate) {
    QSignalSpy data(main(), &Form1::dataSaveRequested);
    QSignalSpy image(main(), &Form1::imageSaveRequested);
    plotPoints(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    runEngine();
    EXPECT_FALSE(enabled("Command6")) << "nothing to save before the curve is loaded";
    click(main(), "Command5");
    click(main(), "Command6");
    click(main(), "Command8");
    const QString today = QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
    ASSERT_EQ(data.count(), 1);
    ASSERT_EQ(image.count(), 1);
    EXPECT_EQ(data.at(0).at(0).toString(), today);
    EXPECT_EQ(image.at(0).at(0).toString(), today);
    // The picture travels with the name: the image and the drawing that made it.
    const GraphPicture picture = image.at(0).at(1).value<GraphPicture>();
    EXPECT_EQ(picture.image, testing::GraphImageOf(main()));
    EXPECT_EQ(testing::CallsOf(picture.drawing, RecordingCanvas::Kind::Frame).size(), 1u);
    EXPECT_EQ(today.size(), 10);
    const auto texts = main()->settingTexts();
    EXPECT_EQ(texts[kXStopBox], "3");
}

} // namespace
} // namespace mirendo

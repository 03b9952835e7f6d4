// The main window driven through its controls: the whole calculation in the four scale modes
// with the real engine, the enabling of the steps, the Enter path, and every way a step can fail.
#include "windows/Form1.h"
#include "core/input/Ordering.h"
#include "qt/bridge/Calculation.h"
#include "support/CanvasCalls.h"
#include "support/GraphArea.h"
#include "support/WindowTest.h"
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

#ifndef MIRENDO_ENGINE_DIR
#error "MIRENDO_ENGINE_DIR must name the folder that holds Ventrel"
#endif

namespace mirendo {
namespace {

const char* const kScaleOptions[] = {"Option1", "Option2", "Option3", "Option4"};
const char* const kSettingBoxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};

struct Point {
    double x, y;
};

struct ReadoutCheck {
    double curveX;     // a curve abscissa in data units; the mouse goes just right of its sample
    const char* xText; // expected Label27
    const char* yText; // expected Label28
};

struct CalculationCase {
    const char* name;
    int mode;
    std::vector<Point> points;
    std::array<const char*, 6> typed;       // Text5..Text10 as typed
    std::array<const char*, 6> confirmed;   // after ④
    const char* request;                    // bytes of B2F.dat after ⑤
    std::array<const char*, 4> limitLabels; // Label14..Label17 after ⑤
    int samples;
    std::vector<ReadoutCheck> readouts;
};

class MainWindowTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_state.Ln10 = Module1::kLn10; // the start window's load
        m_runner = std::make_unique<Calculation>(QStringLiteral(MIRENDO_ENGINE_DIR));
        m_form = std::make_unique<Form1>(m_state, m_runner.get());
        m_form->show();
        m_form->activateWindow();
        m_form->ResetMainWindow();
    }
    void TearDown() override {
        engineEnded(*m_runner);
        m_form.reset();
        m_runner.reset();
        WindowTest::TearDown();
    }

    template <typename T> T* c(const char* name) const { return control<T>(m_form.get(), name); }
    QPushButton* button(const char* name) const { return c<QPushButton>(name); }
    QString text(const char* name) const {
        if (auto* box = m_form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        return c<QLabel>(name)->text();
    }
    QString focused() const {
        return m_form->focusWidget() ? m_form->focusWidget()->objectName() : QString();
    }

    // What an input dialog leaves behind after reading these points from a file.
    void enterPoints(const std::vector<Point>& points) {
        button("Command9")->click();
        m_state.PointCount = static_cast<int>(points.size());
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < points.size(); ++i) {
            m_state.XData[i + 1] = points[i].x;
            m_state.YData[i + 1] = points[i].y;
            UpdateRange(m_state, static_cast<int>(i + 1));
            lines.push_back(TableLine(points[i].x, points[i].y));
        }
        m_form->applyPublishedPoints(PublishFilePoints(m_state, lines));
        m_form->show();
    }
    void chooseMode(int mode) { c<QRadioButton>(kScaleOptions[mode - 1])->click(); }
    void typeSettings(const std::array<const char*, 6>& typed) {
        for (int i = 0; i < 6; ++i) {
            auto* box = c<QLineEdit>(kSettingBoxes[i]);
            if (box->isEnabled())
                box->setText(QString::fromLatin1(typed[i]));
        }
    }
    // True once `calculation` runs no engine (waiting at most the bridge's own bound).
    static bool engineEnded(const Calculation& calculation) {
        return QTest::qWaitFor([&calculation] { return !calculation.isRunning(); },
                               Calculation::kEngineWaitMs);
    }
    void runEngineAndWait() {
        button("Command4")->click();
        ASSERT_TRUE(engineEnded(*m_runner));
    }
    // Everything up to the request file, for tests of the later steps.
    void plotPoints(int mode, const std::vector<Point>& points, const std::array<const char*, 6>& typed) {
        enterPoints(points);
        chooseMode(mode);
        typeSettings(typed);
        button("Command3")->click();
        button("Command1")->click();
    }
    // Everything up to the drawn curve (⑦).
    void drawCurve(int mode, const std::vector<Point>& points, const std::array<const char*, 6>& typed) {
        plotPoints(mode, points, typed);
        runEngineAndWait();
        button("Command5")->click();
    }

    PictureBox* picture() const { return c<PictureBox>("Picture1"); }
    // Plot-space abscissa of a data X in the current mode.
    float plotX(double x) const {
        return AxesOfScaleMode(m_state.ScaleMode).x == AxisKind::Logarithmic
                   ? static_cast<float>(std::log(x) - std::log(m_state.XStart))
                   : static_cast<float>(x);
    }
    QPointF curvePixel(int j) const {
        const AxisKinds axes = AxesOfScaleMode(m_state.ScaleMode);
        const double x = m_state.CurveX[j] - (axes.x == AxisKind::Logarithmic ? std::log(m_state.XStart) : 0);
        const double y = m_state.CurveY[j] - (axes.y == AxisKind::Logarithmic ? std::log(m_state.YStart) : 0);
        return picture()->graph().toPixel(static_cast<float>(x), static_cast<float>(y));
    }
    bool blueNear(QPointF at) const {
        const QImage& image = picture()->graph().image();
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QPoint p(qRound(at.x()) + dx, qRound(at.y()) + dy);
                if (image.rect().contains(p) && image.pixelColor(p) == QColor(0, 0, 255))
                    return true;
            }
        return false;
    }

    Module1 m_state;
    std::unique_ptr<Calculation> m_runner;
    std::unique_ptr<Form1> m_form;
};

class WholeCalculation : public MainWindowTest, public ::testing::WithParamInterface<CalculationCase> {};

TEST_P(WholeCalculation, FromPointsToReadout) {
    const CalculationCase& k = GetParam();
    enterPoints(k.points);
    EXPECT_EQ(c<QListWidget>("List1")->count(), static_cast<int>(k.points.size()));
    EXPECT_TRUE(button("Command3")->isEnabled());

    chooseMode(k.mode);
    EXPECT_EQ(m_state.ScaleMode, k.mode);
    typeSettings(k.typed);
    button("Command3")->click();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(text(kSettingBoxes[i]), QString::fromLatin1(k.confirmed[i])) << kSettingBoxes[i];
    EXPECT_TRUE(button("Command1")->isEnabled());

    button("Command1")->click();
    EXPECT_EQ(bytesOf(QStringLiteral("B2F.dat")), QByteArray(k.request));
    const char* limitNames[] = {"Label14", "Label15", "Label16", "Label17"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(text(limitNames[i]), QString::fromLatin1(k.limitLabels[i])) << limitNames[i];
    EXPECT_EQ(std::tuple(button("Command1")->isEnabled(), button("Command4")->isEnabled(), focused()),
              std::tuple(false, true, QStringLiteral("Command4")));

    runEngineAndWait();
    EXPECT_EQ(m_runner->lastRunEnd(), Calculation::RunEnd::Succeeded);
    EXPECT_TRUE(button("Command5")->isEnabled());
    EXPECT_FALSE(button("Command6")->isEnabled()) << "no result loaded yet to save";
    EXPECT_TRUE(exists(QStringLiteral("F2B.dat")));

    button("Command5")->click();
    EXPECT_EQ(
        std::tuple(m_state.GraphDrawn, m_state.ScaleMode, m_state.PointCount, m_state.SampleCount, focused()),
        std::tuple(1, k.mode, static_cast<int>(k.points.size()), k.samples, QStringLiteral("Command6")));
    for (int j : {1, k.samples / 3, k.samples / 2, k.samples})
        EXPECT_TRUE(blueNear(curvePixel(j))) << "sample " << j;

    for (const ReadoutCheck& r : k.readouts) {
        testing::MoveMouseToAbscissa(picture(), plotX(r.curveX) + 1e-4f);
        EXPECT_TRUE(testing::CursorLinesVisible(picture())) << r.curveX;
        EXPECT_EQ(text("Label27"), QString::fromLatin1(r.xText)) << r.curveX;
        EXPECT_EQ(text("Label28"), QString::fromLatin1(r.yText)) << r.curveX;
    }
    // Left of the curve the crosshair goes away.
    testing::MoveMouseToAbscissa(picture(), plotX(k.points.front().x) - 0.5f);
    EXPECT_FALSE(testing::CursorLinesVisible(picture()));
    EXPECT_EQ(std::tuple(text("Label27"), text("Label28")), std::tuple(QString(), QString()));
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

TEST_F(MainWindowTest, ControlsSitAtTheirLayoutPositions) {
    const std::pair<const char*, QRect> rows[] = {
        {"Frame2", {600, 360, 3135, 2295}},      {"Command9", {1560, 1920, 975, 495}},
        {"List1", {240, 3120, 3495, 6360}},      {"Text5", {5640, 3480, 1335, 375}},
        {"Text10", {7080, 4200, 1335, 375}},     {"Picture2", {4080, 5160, 4695, 4455}},
        {"Command3", {4440, 10200, 1215, 615}},  {"Command1", {6240, 10200, 2535, 615}},
        {"Command4", {9360, 10080, 2655, 735}},  {"Command5", {12600, 10080, 2175, 735}},
        {"Command6", {15360, 10080, 1695, 735}}, {"Command8", {16680, 9000, 1935, 495}},
        {"Command7", {18000, 10080, 1095, 735}}, {"Command2", {19440, 10320, 500, 500}},
        {"Picture1", {10560, 360, 9135, 8175}},  {"Label27", {12600, 9000, 1455, 450}},
        {"Label34", {2400, 10440, 1335, 375}},
    };
    for (const auto& [name, twips] : rows)
        EXPECT_EQ(c<QWidget>(name)->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15)) << name;
    EXPECT_EQ(std::tuple(m_form->size(), m_form->windowTitle(), c<QRadioButton>("Option3")->text()),
              std::tuple(QSize(1352, 744), QStringLiteral("  Mirendo"), QStringLiteral(" Log - Linear")));
    EXPECT_EQ(button("Command4")->text(), QStringLiteral("ラグランジュ補間計算"));
}

TEST_F(MainWindowTest, CompiledInSettingsExplanationIsItsDrawingAtThePictureSize) {
    // The explanation is drawn at build time; it must be what the code draws now, at the size
    // of Picture2, and Picture2 must show it.
    const QSize size(kSettingsExplanationWidth, kSettingsExplanationHeight);
    const auto rgb = [](const QPixmap& picture) {
        return picture.toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(c<QLabel>("Picture2")->size(), size);
    const QImage drawn = rgb(SettingsExplanationPicture(size));
    ASSERT_FALSE(CompiledInSettingsExplanationPicture(size).isNull());
    EXPECT_EQ(rgb(CompiledInSettingsExplanationPicture(size)), drawn);
    EXPECT_EQ(rgb(c<QLabel>("Picture2")->pixmap()), drawn);
    // Any other size is drawn on the spot.
    EXPECT_TRUE(CompiledInSettingsExplanationPicture(QSize(100, 80)).isNull());
    EXPECT_EQ(LoadSettingsExplanationPicture(QSize(100, 80)).size(), QSize(100, 80));
}

TEST_F(MainWindowTest, ResetLeavesOnlyTheFirstStepsEnabled) {
    drawCurve(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    ASSERT_EQ(m_state.GraphDrawn, 1);
    writeFile(QStringLiteral("B2F.dat"), "x");

    button("Command7")->click();
    EXPECT_FALSE(anyExchangeFile());
    EXPECT_EQ(std::tuple(m_state.GraphDrawn, m_state.ScaleMode), std::tuple(0, 1));
    for (const char* name : {"Command1", "Command3", "Command4", "Command5", "Command6"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* name : {"Command9", "Command8", "Command7", "Command2"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    for (const char* name : kScaleOptions)
        EXPECT_TRUE(c<QRadioButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(c<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(c<QRadioButton>("Option5")->isChecked());
    for (const char* name : {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Label27", "Label28",
                             "Label31", "Label32", "Label33", "Label34"})
        EXPECT_EQ(text(name), QString()) << name;
    for (const auto& [name, caption] : {std::pair{"Label14", "X-Start"}, std::pair{"Label15", "X-Stop"},
                                        std::pair{"Label16", "Y-Start"}, std::pair{"Label17", "Y-Stop"}})
        EXPECT_EQ(text(name), QString::fromLatin1(caption)) << name;
    EXPECT_EQ(c<QListWidget>("List1")->count(), 0);
    EXPECT_FALSE(testing::CursorLinesVisible(picture()));
    // The readout is off again.
    testing::MoveMouseToAbscissa(picture(), 1.5f);
    EXPECT_EQ(text("Label27"), QString());

    // With no files present Reset only resets.
    button("Command7")->click();
}

TEST_F(MainWindowTest, InputMethodChoiceClearsPointsAndAsksForTheChosenDialog) {
    QSignalSpy fileInput(m_form.get(), &Form1::fileInputRequested);
    QSignalSpy manualEntry(m_form.get(), &Form1::manualEntryRequested);
    m_state.XData[10] = 5;
    m_state.YData[1] = 7;
    c<QListWidget>("List1")->addItem(QStringLiteral("1  2"));
    c<QRadioButton>("Option4")->setEnabled(false);

    button("Command9")->click();
    EXPECT_EQ(std::tuple(fileInput.count(), manualEntry.count()), std::tuple(1, 0));
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(std::tuple(m_state.XData[10], m_state.YData[1], c<QListWidget>("List1")->count()),
              std::tuple(0, 0, 0));
    EXPECT_TRUE(c<QRadioButton>("Option4")->isEnabled());

    m_form->show();
    c<QRadioButton>("Option6")->click();
    m_state.EntryNo = 4;
    button("Command9")->click();
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
        m_form->applyPublishedPoints(row.points);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c<QRadioButton>(kScaleOptions[i])->isEnabled(), row.enabled[i]) << kScaleOptions[i];
        EXPECT_EQ(text("Label31"), QString::fromStdString(row.points.rangeTexts[0]));
        EXPECT_EQ(c<QListWidget>("List1")->item(0)->text(), QString::fromStdString(row.points.tableLines[0]));
        EXPECT_TRUE(button("Command3")->isEnabled());
    }
}

TEST_F(MainWindowTest, ScaleOptionsFixAndReleaseTheStepBoxes) {
    c<QLineEdit>("Text7")->setText(QStringLiteral("2"));
    // Log-log fixes both steps at 10; the 10 is kept when the steps are released.
    for (const auto& [mode, xStepOpen, yStepOpen] :
         {std::tuple{4, false, false}, {1, true, true}, {2, true, false}, {3, false, true}}) {
        chooseMode(mode);
        EXPECT_EQ(c<QLineEdit>("Text7")->isEnabled(), xStepOpen) << mode;
        EXPECT_EQ(c<QLineEdit>("Text10")->isEnabled(), yStepOpen) << mode;
        EXPECT_EQ(text("Text7") + text("Text10"), QStringLiteral("1010")) << mode;
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
        c<QLineEdit>("Text5")->setFocus();
        for (std::size_t i = 0; i + 1 < row.path.size(); ++i) {
            ASSERT_EQ(focused(), QString::fromLatin1(row.path[i])) << "mode " << row.mode;
            QTest::keyClick(c<QLineEdit>(row.path[i]), Qt::Key_Return);
        }
        EXPECT_EQ(focused(), QString::fromLatin1(row.path.back())) << "mode " << row.mode;
    }
}

TEST_F(MainWindowTest, InvalidSettingsAreRefused) {
    const struct {
        const char* name;
        int mode;
        std::array<const char*, 6> typed;
        bool confirmRefused; // ④ refuses; otherwise ⑤ refuses
    } rows[] = {
        {"EqualXLimits", 1, {"5", "5", "1", "0", "9", "1"}, true},
        {"ReversedY", 1, {"0", "9", "1", "9", "0", "1"}, true},
    };
    for (const auto& row : rows) {
        m_form->ResetMainWindow();
        enterPoints({{1, 1}, {3, 2}});
        chooseMode(row.mode);
        typeSettings(row.typed);
        button("Command3")->click();
        EXPECT_EQ(takeMessage(), QStringLiteral("　入力値が不正です！　")) << row.name;
        EXPECT_FALSE(button("Command1")->isEnabled()) << row.name;
    }
    // Limits edited after confirming: the plot refuses them again.
    m_form->ResetMainWindow();
    enterPoints({{1, 1}, {3, 2}});
    typeSettings({"0", "4", "1", "0", "3", "1"});
    button("Command3")->click();
    c<QLineEdit>("Text6")->setText(QStringLiteral("-1"));
    button("Command1")->click();
    EXPECT_EQ(takeMessage(), QStringLiteral("　入力値が不正です！　"));
    EXPECT_TRUE(button("Command1")->isEnabled());
    EXPECT_FALSE(button("Command4")->isEnabled());
    EXPECT_FALSE(exists(QStringLiteral("B2F.dat")));
}

TEST_F(MainWindowTest, EmptyLimitsComeFromTheRangeLabels) {
    enterPoints({{0.5, -2}, {4, 3}});
    button("Command3")->click();
    for (const auto& [box, shown] :
         {std::pair{"Text5", "0.5"}, {"Text6", "4.0"}, {"Text8", "-2.0"}, {"Text9", "3.0"}, {"Text7", ""}})
        EXPECT_EQ(text(box), QString::fromLatin1(shown)) << box;
    EXPECT_DOUBLE_EQ(m_state.XStep, 3.5); // one interval over the whole axis
    EXPECT_DOUBLE_EQ(m_state.YStep, 5);
}

TEST_F(MainWindowTest, UnwritableRequestIsReportedAndTheEngineStepStaysOff) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("B2F.dat"))); // a folder in the file's place
    plotPoints(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    EXPECT_TRUE(takeMessage().startsWith(QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　")));
    EXPECT_FALSE(button("Command4")->isEnabled());
}

TEST_F(MainWindowTest, MissingEngineIsReportedAndNothingChanges) {
    // No engine beside the program and none on PATH.
    Calculation nowhere(workPath(QStringLiteral("no-such-folder")));
    m_form = std::make_unique<Form1>(m_state, &nowhere);
    m_form->show();
    m_form->ResetMainWindow();
    plotPoints(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    const Module1 before = m_state;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    button("Command4")->click();
    qputenv("PATH", path);
    EXPECT_EQ(takeMessage(), QStringLiteral("　計算プログラム Ventrel が見つかりません　"));
    EXPECT_EQ(std::tuple(button("Command5")->isEnabled(), button("Command6")->isEnabled(),
                         button("Command4")->isEnabled(), m_state.ScaleMode, m_state.GraphDrawn,
                         exists(QStringLiteral("F2B.dat"))),
              std::tuple(false, false, true, before.ScaleMode, before.GraphDrawn, false));
    m_form.reset(); // before the runner it uses
}

TEST_F(MainWindowTest, EngineThatCannotBeStartedIsReported) {
    // An executable file beside the program that the system cannot run.
    ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("bin"))));
    writeFile(QStringLiteral("bin/Ventrel"), "\177ELF not really\n");
    QFile::setPermissions(workPath(QStringLiteral("bin/Ventrel")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Calculation broken(workPath(QStringLiteral("bin")));
    m_form = std::make_unique<Form1>(m_state, &broken);
    m_form->show();
    m_form->ResetMainWindow();
    plotPoints(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    button("Command4")->click();
    engineEnded(broken);
    EXPECT_TRUE(takeMessage().startsWith(QStringLiteral("　計算プログラム Ventrel を起動できません　")));
    EXPECT_EQ(broken.lastRunEnd(), Calculation::RunEnd::Failed);
    if (button("Command5")->isEnabled()) { // the failure may arrive after the step was enabled
        button("Command5")->click();
        EXPECT_TRUE(takeMessage().startsWith(QStringLiteral("　計算プログラム Ventrel を起動できません　")));
    }
    EXPECT_EQ(m_state.GraphDrawn, 0);
    m_form.reset();
}

TEST_F(MainWindowTest, BadResultFilesLeaveStateAndGraphAlone) {
    const struct {
        const char* name;
        const char* contents; // nullptr: the file is removed
        const char* reason;
    } rows[] = {
        {"Missing", nullptr, "（F2B.dat がありません）"},
        {"EndsEarly", " 1\r\n 0.00000E+00\r\n 0.10000E+02\r\n     3\r\n",
         "（ファイルが途中で終わっています）"},
        {"Garbage", "hello\r\n", "（数値でない値があります）"},
        {"BadMode", " 7\r\n 0.00000E+00\r\n 0.10000E+02\r\n     1\r\n 0.1E+01 0.1E+01 0.1E+01\r\n     0\r\n",
         "（スケールモードが不正です）"},
    };
    drawCurve(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
    ASSERT_EQ(m_state.SampleCount, 100);
    const Module1 before = m_state;
    const QImage graph = picture()->graph().image();
    for (const auto& row : rows) {
        if (row.contents)
            writeFile(QStringLiteral("F2B.dat"), row.contents);
        else
            QFile::remove(workPath(QStringLiteral("F2B.dat")));
        button("Command5")->click();
        const QString message = takeMessage();
        EXPECT_TRUE(message.startsWith(QStringLiteral("　計算結果ファイルを読み込めません　"))) << row.name;
        EXPECT_TRUE(message.contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << message.toStdString();
        EXPECT_EQ(m_state.SampleCount, before.SampleCount) << row.name;
        EXPECT_EQ(m_state.CurveY, before.CurveY) << row.name;
        EXPECT_EQ(m_state.ScaleMode, before.ScaleMode) << row.name;
        EXPECT_DOUBLE_EQ(m_state.XStart, before.XStart) << row.name;
        EXPECT_EQ(picture()->graph().image(), graph) << row.name;
    }
}

TEST_F(MainWindowTest, FailedEngineRunDoesNotShowTheEarlierResult) {
    drawCurve(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
    const int samples = m_state.SampleCount;
    // Two equal abscissae: the engine divides by zero and writes no result.
    m_state.XData[2] = 1;
    m_form->enableSettingsOk();
    button("Command3")->click();
    button("Command1")->click();
    runEngineAndWait();
    EXPECT_EQ(m_runner->lastRunEnd(), Calculation::RunEnd::Failed);
    button("Command5")->click();
    EXPECT_TRUE(takeMessage().startsWith(QStringLiteral("　補間計算に失敗しました　")));
    EXPECT_EQ(m_state.SampleCount, samples);
}

TEST_F(MainWindowTest, CurveStepWaitsForAnEngineStillRunning) {
    plotPoints(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
    button("Command4")->click(); // no wait here: ⑦ waits for the run itself
    button("Command5")->click();
    // The click has returned: the window goes on handling events while the engine runs.
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_state.GraphDrawn == 1; }, Calculation::kEngineWaitMs));
    EXPECT_EQ(m_state.SampleCount, 100);
    EXPECT_FALSE(m_runner->isWaitingForResult());
}

TEST_F(MainWindowTest, ResetOrReplotDuringTheCurveWaitDrawsNoCurve) {
    // Reset, ⑤ and leaving for the start window each drop the awaited curve.
    const std::function<void()> interruptions[] = {
        [this] { button("Command7")->click(); },
        [this] { button("Command1")->click(); },
        [this] { button("Command2")->click(); },
    };
    int interrupted = 0;
    for (const auto& interrupt : interruptions) {
        m_form->ResetMainWindow();
        m_form->show();
        plotPoints(1, {{1, 1}, {2, 4}, {3, 2}}, {"0", "4", "1", "0", "5", "1"});
        button("Command3")->click(); // so that ⑤ can be pressed again
        button("Command4")->click();
        button("Command5")->click();
        if (!m_runner->isWaitingForResult())
            continue; // the engine had already ended: nothing to interrupt
        ++interrupted;
        interrupt();
        EXPECT_FALSE(m_runner->isWaitingForResult());
        const QImage afterwards = picture()->graph().image();
        ASSERT_TRUE(engineEnded(*m_runner));
        QTest::qWait(50); // the engine's end has been delivered
        EXPECT_EQ(std::tuple(m_state.GraphDrawn, picture()->graph().image()), std::tuple(0, afterwards));
    }
    EXPECT_GT(interrupted, 0);
}

TEST_F(MainWindowTest, TinyLogXStartKeepsTheStartTheGraphWasDrawnWith) {
    plotPoints(3, {{0.001, 1}, {0.01, 2}, {0.1, 3}}, {"0.0001", "1", "", "0", "4", "1"});
    EXPECT_EQ(text("Text5"), QStringLiteral("1.0E-04"));
    EXPECT_TRUE(bytesOf(QStringLiteral("B2F.dat")).startsWith(" 3 \r\n0.0\r\n1.0\r\n"));
    runEngineAndWait();
    button("Command5")->click();
    EXPECT_DOUBLE_EQ(m_state.XStart, 1e-4);
    EXPECT_EQ(std::tuple(m_state.GraphDrawn, blueNear(curvePixel(1))), std::tuple(1, true));
    EXPECT_TRUE(blueNear(curvePixel(m_state.SampleCount)));
    testing::MoveMouseToAbscissa(picture(), plotX(0.001) + 1e-4f);
    EXPECT_EQ(text("Label27"), QStringLiteral("1.000E-03"));
    EXPECT_EQ(text("Label28"), QStringLiteral("1.000"));
}

TEST_F(MainWindowTest, RealMouseMovesReachTheReadout) {
    drawCurve(1, {{1, 2.5}, {4, -3}, {8, 0.125}}, {"0", "10", "2", "-4", "4", "1"});
    const QPointF inside = picture()->graph().toPixel(5.0f, 0.0f);
    QMouseEvent move(QEvent::MouseMove, inside, picture()->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_TRUE(testing::CursorLinesVisible(picture()));
    EXPECT_TRUE(text("Label27").startsWith(QStringLiteral("4.9")) ||
                text("Label27").startsWith(QStringLiteral("5.0")))
        << text("Label27").toStdString();
}

// Replotting clears the curve, so the readout stops following it (it would show a curve that is
// no longer there).
TEST_F(MainWindowTest, ReplottingEndsTheReadoutOfTheClearedCurve) {
    drawCurve(1, {{1, 2.5}, {4, -3}, {8, 0.125}}, {"0", "10", "2", "-4", "4", "1"});
    button("Command3")->click();
    button("Command1")->click();
    EXPECT_EQ(m_state.GraphDrawn, 0);
    testing::MoveMouseToAbscissa(picture(), 1.0001f);
    EXPECT_EQ(text("Label27"), QString());
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
             c<QLineEdit>("Text10")->setText(QStringLiteral("1"));
         },
         false},
        {"a setting box edited", [this] { c<QLineEdit>("Text6")->setText(QStringLiteral("5")); },
         [this] { c<QLineEdit>("Text6")->setText(QStringLiteral("4")); }, false},
        {"new points refused by ⑤",
         [this] {
             plotPoints(1, {{1, 2}, {2, 1e100}, {3, 4}}, {"0", "4", "1", "0", "6", "1"});
             EXPECT_TRUE(takeMessage().contains(QStringLiteral("データ点のうち 1 点がグラフの範囲の外")));
             EXPECT_TRUE(takeMessage().contains(QStringLiteral("計算できません")));
         },
         {},
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        drawCurve(1, {{1, 2}, {2, 3}, {3, 5}}, {"0", "4", "1", "0", "6", "1"});
        ASSERT_TRUE(m_form->drawnCalculation().has_value());
        k.change();
        EXPECT_EQ(button("Command4")->isEnabled(), k.runEngine);
        EXPECT_FALSE(button("Command5")->isEnabled());
        EXPECT_FALSE(button("Command6")->isEnabled());
        EXPECT_FALSE(m_form->drawnCalculation().has_value());
        EXPECT_EQ(m_state.GraphDrawn, 0) << "the readout no longer follows the old curve";
        if (k.undo) {
            k.undo();
            EXPECT_TRUE(button("Command6")->isEnabled()) << "the window shows the drawn inputs again";
            EXPECT_EQ(m_state.GraphDrawn, 1);
        }
    }
}

TEST_F(MainWindowTest, SaveButtonsProposeTodaysDate) {
    QSignalSpy data(m_form.get(), &Form1::dataSaveRequested);
    QSignalSpy image(m_form.get(), &Form1::imageSaveRequested);
    plotPoints(1, {{1, 1}, {2, 4}}, {"0", "3", "1", "0", "5", "1"});
    runEngineAndWait();
    EXPECT_FALSE(button("Command6")->isEnabled()) << "nothing to save before the curve is loaded";
    button("Command5")->click();
    button("Command6")->click();
    button("Command8")->click();
    const QString today = QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
    ASSERT_EQ(data.count(), 1);
    ASSERT_EQ(image.count(), 1);
    EXPECT_EQ(data.at(0).at(0).toString(), today);
    EXPECT_EQ(image.at(0).at(0).toString(), today);
    // The picture travels with the name: the image and the drawing that made it.
    const GraphPicture picture = image.at(0).at(1).value<GraphPicture>();
    EXPECT_EQ(picture.image, testing::GraphImageOf(m_form.get()));
    EXPECT_EQ(testing::CallsOf(picture.drawing, RecordingCanvas::Kind::Frame).size(), 1u);
    EXPECT_EQ(today.size(), 10);
    const auto texts = m_form->settingTexts();
    EXPECT_EQ(texts[kXStopBox], "3");
    EXPECT_EQ(testing::GraphImageOf(m_form.get()).size(), QSize(609, 545));
}

TEST_F(MainWindowTest, BackButtonAndCloseReturnToTheStartWindow) {
    QSignalSpy back(m_form.get(), &Form1::backToStartRequested);
    button("Command2")->click();
    EXPECT_FALSE(m_form->isVisible());
    m_form->show();
    m_form->close();
    EXPECT_EQ(std::tuple(back.count(), m_form->isVisible()), std::tuple(2, false));
}

} // namespace
} // namespace mirendo

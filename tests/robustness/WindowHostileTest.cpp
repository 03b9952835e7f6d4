// Hostile values typed or read through the real windows, over the whole calculation and the
// browser: no crash, no hang, and no text on screen that shows a non-finite number.
#include "support/AppTest.h"
#include "support/GraphArea.h"
#include "widgets/FolderLists.h"
#include "widgets/PictureBox.h"
#include "windows/Form11.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form6.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mirendo::robustness {
namespace {

using RobustWindows = testing::AppTest;
using testing::ShowsNonFinite;

const QString kInvalid = QStringLiteral("　入力値が不正です！　");

class HostileWindows : public RobustWindows {
  protected:
    // Moves the mouse over a grid of points of a graph, as a user sweeping across it.
    static void sweep(PictureBox* picture) {
        for (int k = 0; k < 81; ++k) {
            const QPointF at(picture->width() * (k / 9) / 8.0, picture->height() * (k % 9) / 8.0);
            QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(picture, &move);
        }
    }
    // Types `x` into the browser's X box, presses Enter and gives the result shown.
    static QString evaluateIn(Form6* browser, const QString& x) {
        type(browser, "Text1", x);
        QTest::keyClick(control<QLineEdit>(browser, "Text1"), Qt::Key_Return);
        return textOf(browser, "Label6");
    }
    void expectFiniteTexts(const QStringList& texts, const char* where) {
        for (const QString& text : texts)
            EXPECT_FALSE(ShowsNonFinite(text)) << where << ": \"" << text.left(80).toStdString() << "\"";
    }
    void expectFiniteState() {
        for (double v :
             {m_state.XStart, m_state.XStop, m_state.XStep, m_state.YStart, m_state.YStop, m_state.YStep})
            EXPECT_TRUE(std::isfinite(v));
        for (int j = 1; j <= m_state.SamplesInUse(); ++j)
            EXPECT_TRUE(std::isfinite(m_state.CurveX[j]) && std::isfinite(m_state.CurveY[j]));
    }
};

// Where a calculation with hostile settings ends, and what the user is told.
enum class Ends {
    RefusedAtConfirm, // ④ shows "入力値が不正です"
    BoxNamed,         // ④ names a setting box that holds no number or a limit it cannot draw
    RefusedAtPlot,    // ⑤ shows "入力値が不正です"
    RefusedRequest,   // ⑤ names the X limit single precision cannot hold; nothing is sent
    EngineFails,      // ⑦ shows "補間計算に失敗しました"
    Curve,            // the curve is drawn and read off
};

struct SettingsCase {
    const char* name;
    int mode;
    std::array<QString, 6> typed;
    Ends ends;
};

class HostileSettings : public HostileWindows, public ::testing::WithParamInterface<SettingsCase> {
  protected:
    // The labels, the data table, and every setting box that no longer holds what the user typed.
    QStringList shownNumbers(const std::array<QString, 6>& typed) const {
        QStringList texts = mainWindowNumberTexts();
        for (int i = 0; i < 6; ++i)
            texts.removeOne(typed[static_cast<size_t>(i)]);
        return texts;
    }
};

TEST_P(HostileSettings, ThroughTheWholeCalculation) {
    const SettingsCase& c = GetParam();
    readPointFile(QStringLiteral("pts.csv"), "1,1\r\n2,4\r\n3,2\r\n");
    acceptPoints();
    plot(c.mode, c.typed);
    if (c.ends == Ends::RefusedAtConfirm || c.ends == Ends::BoxNamed) {
        const QString message = takeMessage();
        EXPECT_TRUE(c.ends == Ends::BoxNamed ? message.contains(" 軸 ") : message == kInvalid)
            << message.toStdString();
        EXPECT_FALSE(control<QWidget>(main(), "Command1")->isEnabled());
        expectFiniteTexts(shownNumbers(c.typed), "after the refusal");
        return;
    }
    ASSERT_TRUE(control<QWidget>(main(), "Command1")->isEnabled()) << "settings were not accepted";
    click(main(), "Command1");
    expectFiniteTexts(shownNumbers(c.typed), "after the point plot");
    if (c.ends == Ends::RefusedAtPlot) {
        EXPECT_EQ(takeMessage(), kInvalid);
        EXPECT_FALSE(control<QWidget>(main(), "Command4")->isEnabled());
        return;
    }
    if (c.ends == Ends::RefusedRequest) {
        const QString message = takeMessage();
        exchange::Failure carried = exchange::Failure::Of(exchange::Cause::NotCarried);
        carried.subject = exchange::Subject::XStart;
        EXPECT_TRUE(message.endsWith(RequestMessage(carried).section(QLatin1Char('\n'), 1)))
            << message.toStdString();
        EXPECT_FALSE(QFile::exists(workPath(QStringLiteral("B2F.dat"))));
        EXPECT_FALSE(control<QWidget>(main(), "Command4")->isEnabled());
        EXPECT_EQ(m_state.GraphDrawn, 0);
        return;
    }
    ASSERT_TRUE(m_messages.isEmpty()) << m_messages.join(" | ").toStdString();
    calculateAndDrawCurve();
    if (c.ends == Ends::EngineFails) {
        EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(exchange::Cause::EngineOverflow)));
        EXPECT_EQ(m_state.GraphDrawn, 0);
        return;
    }
    EXPECT_EQ(m_state.GraphDrawn, 1);
    sweep(control<PictureBox>(main(), "Picture1"));
    expectFiniteTexts(shownNumbers(c.typed), "after the curve and the readout");
    expectFiniteState();
}

const QString k10000Nines(10000, QLatin1Char('9'));
const QString k10000Letters(10000, QLatin1Char('x'));

// The hostile texts without a leading number, which the entry boxes refuse.
bool IsNoNumber(const QString& text) {
    return text == QStringLiteral("NaN") || text == QStringLiteral("inf") || text == k10000Letters;
}

const SettingsCase kSettingsCases[] = {
    {"HexadecimalIsZero", 1, {"0x10", "4", "1", "0", "5", "1"}, Ends::Curve},
    // Full-width digits are digits: an X start of 12 lies beyond the X stop 4.
    {"FullWidthDigitsAreDigits", 1, {"\uFF11\uFF12", "4", "1", "0", "5", "1"}, Ends::RefusedAtConfirm},
    {"NegativeZero", 1, {"-0", "4", "-0", "-0", "5", "1"}, Ends::Curve},
    {"NaNAndInfAreNoNumbers", 1, {"NaN", "inf", "1", "0", "5", "1"}, Ends::BoxNamed},
    {"StartBeyondTheDoubleRange", 1, {"1e400", "4", "1", "0", "5", "1"}, Ends::BoxNamed},
    {"StopBeyondTheDoubleRange", 1, {"0", "1e400", "1", "0", "5", "1"}, Ends::BoxNamed},
    {"BothEndsBeyondTheDoubleRange", 1, {"-1e400", "1e400", "", "-1e400", "1e400", ""}, Ends::BoxNamed},
    {"TinySteps", 1, {"0", "4", "1e-300", "0", "5", "4.9e-324"}, Ends::Curve},
    {"TenThousandCharacters", 1, {k10000Letters, k10000Nines, k10000Letters, "0", "5", "1"}, Ends::BoxNamed},
    {"LogAxesBeyondTheDoubleRange", 4, {"1e-400", "1e400", "", "1e-400", "1e400", ""}, Ends::BoxNamed},
    {"NegativeLogLimits", 2, {"0", "4", "1", "-5", "-1", ""}, Ends::BoxNamed},
    {"LogStartZeroAfterConfirm", 2, {"0", "4", "1", "0", "5", ""}, Ends::BoxNamed},
    {"LogAxesOverThirtyDecades", 4, {"1e-30", "1e30", "", "1e-30", "1e30", ""}, Ends::Curve},
    {"LogStopBeyondTheDoubleRange", 3, {"0.5", "1e400", "", "0", "5", "1"}, Ends::BoxNamed},
};

INSTANTIATE_TEST_SUITE_P(Robustness, HostileSettings, ::testing::ValuesIn(kSettingsCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PointsCase {
    const char* name;
    QByteArray file;
    std::array<QString, 6> typed;
    bool drawsCurve;
};

class HostilePoints : public HostileWindows, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(HostilePoints, FromTheFileToTheReadout) {
    const PointsCase& c = GetParam();
    readPointFile(QStringLiteral("pts.csv"), c.file);
    ASSERT_FALSE(m_windows->form10()->readErrorWindow() &&
                 m_windows->form10()->readErrorWindow()->isVisible());
    acceptPoints();
    expectFiniteTexts(mainWindowNumberTexts(), "after the read");
    plot(1, c.typed);
    click(main(), "Command1");
    calculateAndDrawCurve();
    if (!c.drawsCurve) {
        EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(exchange::Cause::EngineOverflow)));
        EXPECT_EQ(m_state.GraphDrawn, 0);
        return;
    }
    EXPECT_EQ(m_state.GraphDrawn, 1);
    sweep(control<PictureBox>(main(), "Picture1"));
    expectFiniteTexts(mainWindowNumberTexts(), "after the curve and the readout");
    expectFiniteState();
}

const PointsCase kPointsCases[] = {
    {"HugeOrdinates", "1,1E+30\r\n2,-1E+30\r\n3,1E-30\r\n", {"0", "4", "1", "-2E+30", "2E+30", ""}, true},
    {"HugeAbscissae", "-1E+30,1\r\n1E-30,2\r\n1E+30,3\r\n", {"", "", "", "", "", ""}, false},
    {"TinyAbscissae", "1E-30,1\r\n2E-30,2\r\n3E-30,3\r\n", {"", "", "", "0", "4", ""}, false},
    {"ByteOrderMarkAndMixedLineEnds",
     QByteArray("\xEF\xBB\xBF") + "1,1\r\n2,4\n3,2\r4,3",
     {"0", "5", "1", "0", "5", "1"},
     true},
};

INSTANTIATE_TEST_SUITE_P(Robustness, HostilePoints, ::testing::ValuesIn(kPointsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileWindows, PointFileInUtf16ShowsTheReadErrorWindowAndPublishesNothing) {
    const QString text = QStringLiteral("1,1\r\n2,4\r\n3,2\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    readPointFile(QStringLiteral("wide.csv"), utf16);
    Form3* error = m_windows->form10()->readErrorWindow();
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->isVisible());
    EXPECT_EQ(control<QListWidget>(main(), "List1")->count(), 0);
    EXPECT_EQ(control<QListWidget>(m_windows->form10(), "List1")->count(), 0);
    click(m_windows->form10(), "Command1");
    EXPECT_EQ(takeMessage(), QStringLiteral(" データが読み込まれていません "));
    EXPECT_FALSE(main()->isVisible());
}

TEST_F(HostileWindows, ManualEntryOfHostileTexts) {
    click(m_windows->form2(), "Command1");
    QTest::mouseClick(control<QRadioButton>(main(), "Option6"), Qt::LeftButton);
    click(main(), "Command9");
    Form11* entry = m_windows->form11();
    ASSERT_TRUE(entry->isVisible());
    // A row whose Y holds no number is refused; its X comes again with a number beside it.
    const std::vector<std::pair<QString, QString>> typed = {
        {"1e400", "NaN"},   {"1e400", "1"},          {"-0", "\uFF11\uFF12"}, {k10000Nines, "inf"},
        {k10000Nines, "2"}, {"0x10", k10000Letters}, {"0x10", "3"},          {"-1e400", "1E-30"}};
    for (const auto& [x, y] : typed) {
        type(entry, "Text1", x);
        type(entry, "Text2", y);
        click(entry, "Command1");
        EXPECT_TRUE(noMessages() || takeMessage().contains(QStringLiteral(" の値")))
            << x.left(20).toStdString();
    }
    EXPECT_EQ(m_state.PointCount, 2);
    EXPECT_EQ(m_state.YData[1], 12.0) << "full-width digits";
    for (int i = 1; i <= 2; ++i)
        EXPECT_TRUE(std::isfinite(m_state.XData[i]) && std::isfinite(m_state.YData[i])) << i;
    click(entry, "Command2"); // end of input
    click(entry, "Command4"); // no corrections: order and hand over
    ASSERT_TRUE(main()->isVisible());
    expectFiniteTexts(mainWindowNumberTexts(), "after manual entry");
    for (int i = 1; i <= 2; ++i)
        EXPECT_TRUE(std::isfinite(m_state.XData[i])) << "XData(" << i << ") = " << m_state.XData[i];
    plot(1, {"", "", "", "", "", ""});
    if (control<QWidget>(main(), "Command1")->isEnabled())
        click(main(), "Command1");
    while (!m_messages.isEmpty()) {
        const QString message = takeMessage();
        const QString notCarried = RequestMessage(exchange::Failure::Of(exchange::Cause::NotCarried));
        EXPECT_TRUE(message == kInvalid || message.endsWith(notCarried.section(QLatin1Char('\n'), 1)))
            << message.toStdString();
    }
    expectFiniteTexts(mainWindowNumberTexts(), "after the point plot");
}

TEST_F(HostileWindows, BrowserEvaluatesHostileTextsWithoutShowingNonFiniteValues) {
    drawCurveOf("1,1\r\n2,4\r\n3,2\r\n", 1, {"0", "4", "1", "0", "5", "1"});
    saveData(QStringLiteral("hostile"));
    click(main(), "Command2");
    Form6* browser = openInBrowser(m_dir.path(), QStringLiteral("hostile-Mi.csv"));
    ASSERT_EQ(m_state.GraphDrawn, 1);
    sweep(control<PictureBox>(browser, "Picture1"));
    for (const QString& x : {QStringLiteral("1e400"), QStringLiteral("-1e400"), QStringLiteral("NaN"),
                             QStringLiteral("inf"), QStringLiteral("-0"), QStringLiteral("\uFF11\uFF12"),
                             QStringLiteral("1e30"), QStringLiteral("0x10"), k10000Nines, k10000Letters}) {
        const QString result = evaluateIn(browser, x);
        EXPECT_FALSE(ShowsNonFinite(result)) << x.left(20).toStdString() << ": " << result.toStdString();
        if (result.isEmpty()) {
            EXPECT_EQ(takeMessage(), IsNoNumber(x) ? QStringLiteral("　X の値が数値ではありません　")
                                                   : QStringLiteral("　正しく計算できません　"))
                << x.left(20).toStdString();
        }
    }
}

// A result file of another origin with values no single-precision engine writes: the curve step
// either refuses it or draws it, and the readout never shows a non-finite value.
TEST_F(HostileWindows, ResultWithValuesBeyondSinglePrecision) {
    drawCurveOf("1,1\r\n2,4\r\n3,2\r\n", 1, {"0", "4", "1", "0", "5", "1"});
    ASSERT_EQ(m_state.GraphDrawn, 1);
    QByteArray result = " 1\r\n 0.0\r\n 4.0\r\n     3\r\n"
                        " 1 1 1E+300\r\n 2 4 -1E+300\r\n 3 2 1E-300\r\n   100\r\n";
    for (int j = 0; j < 100; ++j)
        result += QByteArray::number(1 + 0.02 * j) + (j % 2 ? " 1E+300\r\n" : " -1.7E+308\r\n");
    writeFile(QStringLiteral("F2B.dat"), result);
    click(main(), "Command5");
    RecordProperty("outcome", m_messages.isEmpty() ? "drawn" : "refused");
    while (!m_messages.isEmpty())
        EXPECT_EQ(Heading(takeMessage()), Heading(CalculationMessageOf(exchange::Cause::NotANumber)));
    sweep(control<PictureBox>(main(), "Picture1"));
    expectFiniteTexts(mainWindowNumberTexts(), "after the foreign result");
}

// An archive edited by hand: samples at the edge of single precision on a narrow axis, points far
// outside it. The browser refuses it with a message or draws it; nothing non-finite is shown.
TEST_F(HostileWindows, ArchiveWithExtremeSamplesOnANarrowAxis) {
    QByteArray bytes = " 1 \r\n0\r\n1E-30\r\n1E-300\r\n-1E-30\r\n1E-30\r\n\r\n 2 \r\n"
                       "0.00000E+00,  3.40000E+38,  1.000000E+38\r\n"
                       "1.00000E-30,  -3.40000E+38,  -1.000000E+38\r\n 50 \r\n";
    for (int j = 0; j < 50; ++j)
        bytes += QByteArray::number(j * 2e-32, 'E', 6) + ",  " + (j % 2 ? "3.400000E+38" : "-3.400000E+38") +
                 "\r\n";
    writeFile(QStringLiteral("edge-Mi.csv"), bytes);
    Form6* browser = openInBrowser(m_dir.path(), QStringLiteral("edge-Mi.csv"));
    RecordProperty("outcome", m_messages.isEmpty() ? "drawn" : "refused");
    if (!m_messages.isEmpty()) {
        const QString refused = ArchiveOpenMessage(exchange::Failure::Of(exchange::Cause::OutOfRange), {});
        EXPECT_EQ(Heading(takeMessage()), Heading(refused));
        return;
    }
    ASSERT_EQ(m_state.GraphDrawn, 1);
    click(browser, "Command4");
    sweep(control<PictureBox>(browser, "Picture1"));
    for (const char* name : {"Label14", "Label15", "Label16", "Label17", "Label7", "Label8"})
        EXPECT_FALSE(ShowsNonFinite(textOf(browser, name)))
            << name << ": " << textOf(browser, name).toStdString();
    for (const char* x : {"0", "5E-31", "1", "-1E+30"}) {
        const QString result = evaluateIn(browser, QString::fromLatin1(x));
        EXPECT_FALSE(ShowsNonFinite(result)) << x << ": " << result.toStdString();
        if (result.isEmpty()) {
            EXPECT_EQ(takeMessage(), QStringLiteral("　正しく計算できません　")) << x;
        }
    }
}

// Ten points whose ordinates jump between 1 and 1E+304 on a logarithmic Y axis: the polynomial
// overshoots between them beyond the largest double once converted back, and the readout must
// still show a number.
TEST_F(HostileWindows, ReadoutOfACurveOvershootingTheDoubleRange) {
    QByteArray file;
    for (int i = 1; i <= 10; ++i)
        file += QByteArray::number(i) + (i % 2 ? ",1\r\n" : ",1E+304\r\n");
    drawCurveOf(file, 2, {"0", "11", "1", "", "", ""});
    ASSERT_EQ(m_state.GraphDrawn, 1);
    ASSERT_GT(*std::max_element(&m_state.CurveY[1], &m_state.CurveY[1] + m_state.SamplesInUse()),
              std::log(1.7976931348623157e308))
        << "the curve does not overshoot; the case tests nothing";
    sweep(control<PictureBox>(main(), "Picture1"));
    for (int k = 0; k <= 200; ++k) {
        testing::MoveMouseToAbscissa(control<PictureBox>(main(), "Picture1"),
                                     static_cast<float>(1 + 9.0 * k / 200));
        EXPECT_FALSE(ShowsNonFinite(textOf(main(), "Label28"))) << textOf(main(), "Label28").toStdString();
    }
}

} // namespace
} // namespace mirendo::robustness

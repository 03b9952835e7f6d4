// The trust line through the real windows and engine: a point file read, a scale mode, the four
// steps to the curve, the archive saved and reopened in the browser; values the engine cannot
// carry refused at the point plot; the help window listing a long example whole or saying it cut.
#include "support/AppTest.h"

#include "core/text/NumberText.h"
#include "qt/messages/Messages.h"
#include "support/GraphArea.h"
#include "support/Handlers.h"
#include "support/Pixels.h"
#include "widgets/GraphPanel.h"
#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/BatchTableModel.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace mirendo {
namespace {

const QColor kRed(192, 0, 0);

class TrustWindows : public testing::AppTest {
  protected:
    Form6* browser() const { return m_windows->form6(); }
    static QLabel* line(const QWidget* window) { return control<QLabel>(window, "LabelTrust"); }
    static bool red(const QWidget* window) {
        return line(window)->palette().color(QPalette::WindowText) == kRed;
    }

    // A point file through the file dialog, a scale mode, the settings from the data range (④)
    // and the point plot (⑤), which writes the request or refuses it.
    void plotPoints(const QString& file, const QByteArray& bytes, int mode) {
        readPointFile(file, bytes);
        acceptPoints();
        plot(mode, {"", "", "", "", "", ""});
        if (control<QWidget>(main(), "Command1")->isEnabled()) // not when ④ refused the limits
            click(main(), "Command1");
    }
    void drawCurve() {
        calculateAndDrawCurve();
        ASSERT_EQ(m_state.GraphDrawn, 1);
    }
    // The drawn curve saved through the data save and opened in the browser.
    void reopenInBrowser(const QString& name) {
        saveData(name);
        click(main(), "Command2");
        click(m_windows->form2(), "Command3");
        ASSERT_TRUE(browser()->folderLists()->setPath(m_dir.path()));
        clickListItem(browser(), "File1", name + QStringLiteral("-Mi.csv"));
        click(browser(), "Command1");
    }
    static QByteArray example(const char* name) {
        QFile file(QStringLiteral(MIRENDO_EXAMPLES_DIR "/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The line (or another added control) is the window's own control and touches no other one,
// Picture1 included.
void ExpectClearOfEveryControl(const QWidget* window, const char* name = "LabelTrust") {
    const QWidget* trust = window->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(trust, nullptr);
    ASSERT_EQ(trust->parentWidget(), window);
    for (const QObject* child : window->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && widget != trust && !widget->isWindow()) {
            EXPECT_FALSE(widget->geometry().intersects(trust->geometry()))
                << widget->objectName().toStdString();
        }
    }
}

TEST_F(TrustWindows, CurveStepAndBrowserShowHowFarTheCurveCanBeTrusted) {
    const struct {
        const char* file;
        int mode;
        const char* text; // the same in both windows
        bool red;
    } cases[] = {
        {"ex_runge.csv", 1, "単精度誤差 8.5E-07・はみ出し 41%（振動に注意： Linear - Log ならはみ出し 7%）",
         true},
        {"ex_runge.csv", 2, "単精度誤差 8.8E-07・はみ出し 7%", false},
        {"ex_linear.csv", 1, "単精度誤差 2.9E-07・はみ出し 5%", false},
        {"ex_decay.csv", 1, "単精度誤差 1.4E-07", false}, // X from 0: no logarithmic X axis
        {"ex_descending.csv", 1, "単精度誤差 2.0E-07", false},
        {"ex_powerlaw.csv", 1, "単精度誤差 8.6E-07", false},
        {"ex_blanks.dat", 1, "単精度誤差 1.3E-07・はみ出し 1%", false},
    };
    int saved = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " mode " + std::to_string(c.mode));
        plotPoints(QString::fromLatin1(c.file), example(c.file), c.mode);
        EXPECT_EQ(line(main())->text(), QString()) << "no curve yet";
        drawCurve();
        const QString expected = QString::fromUtf8(c.text);
        for (const QWidget* window : {static_cast<QWidget*>(main()), static_cast<QWidget*>(browser())}) {
            if (window == browser())
                reopenInBrowser(QStringLiteral("trust%1").arg(++saved));
            SCOPED_TRACE(window->objectName().toStdString());
            const QLabel* trust = line(window);
            EXPECT_EQ(trust->text().toStdString(), expected.toStdString());
            EXPECT_EQ(std::tuple(trust->accessibleName(), trust->accessibleDescription(), red(window)),
                      std::tuple(trust->text(), QStringLiteral("補間の信頼性"), c.red));
            ExpectClearOfEveryControl(window);
        }
        // The saved graph images are Picture1's: the line lies outside them.
        QSignalSpy mainSave(main(), &Form1::imageSaveRequested);
        QSignalSpy browserSave(browser(), &Form6::imageSaveRequested);
        control<QPushButton>(main(), "Command8")->click(); // the main window is hidden meanwhile
        click(browser(), "Command8");
        ASSERT_EQ(mainSave.count(), 1);
        ASSERT_EQ(browserSave.count(), 1);
        EXPECT_EQ(mainSave.at(0).at(1).value<GraphPicture>().image, testing::GraphImageOf(main()));
        EXPECT_EQ(browserSave.at(0).at(1).value<GraphPicture>().image, testing::GraphImageOf(browser()));
        m_windows->form5()->hide();
        click(browser(), "Command3"); // Reset
        EXPECT_EQ(line(browser())->text(), QString());
        click(browser(), "Command2");
        click(m_windows->form2(), "Command1"); // a new calculation resets the main window
        EXPECT_EQ(line(main())->text(), QString());
        EXPECT_EQ(line(main())->accessibleName(), QString());
        click(main(), "Command2");
    }
}

// The comparison chosen by keys in both graphs: dashed green under the curve, read by the
// crosshair (keys and mouse), counted in the trust line, evaluated beside the browser's Y and in
// the batch window's column. Reset takes the curve away and leaves the choice.
TEST_F(TrustWindows, ComparisonCurveInBothGraphs) {
    const QColor green(0, 128, 0);
    const auto greenPixels = [&](const QWidget* window) {
        return testing::CountColour(testing::GraphImageOf(window), green);
    };
    const auto choose = [](QWidget* window, int downs) {
        auto* choice = control<QComboBox>(window, "ComboCompare");
        choice->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(choice, Qt::Key_Down);
        EXPECT_EQ(choice->accessibleName(), choice->currentText());
        return choice;
    };
    const auto compareY = [](const QWidget* window) {
        auto* label = control<ValueLabel>(window, "LabelCompareY");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
        return label->text();
    };
    plotPoints(QStringLiteral("ex_runge.csv"), example("ex_runge.csv"), 1);
    drawCurve();
    EXPECT_EQ(greenPixels(main()), 0);
    EXPECT_FALSE(control<QWidget>(main(), "LabelCompareY")->isVisible()) << "no empty box while なし";
    // Tab goes from the graph to the choice.
    ASSERT_TRUE(activate(main(), control<QWidget>(main(), "Picture1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("ComboCompare"));
    EXPECT_EQ(choose(main(), 2)->currentText(), QStringLiteral("単調3次"));
    EXPECT_TRUE(control<QWidget>(main(), "LabelCompareY")->isVisible());
    EXPECT_GT(greenPixels(main()), 200);
    EXPECT_EQ(line(main())->text(),
              QStringLiteral("単精度誤差 8.5E-07・はみ出し 41%・比較との差 41%（振動に注意："
                             " Linear - Log ならはみ出し 7%）"));
    auto* picture = control<PictureBox>(main(), "Picture1");
    picture->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picture, Qt::Key_Home);
    EXPECT_EQ(compareY(main()), QStringLiteral("比較 Y = 0.038")); // the first point's
    testing::MoveMouseToAbscissa(picture, 0.5f);
    EXPECT_TRUE(compareY(main()).startsWith(QStringLiteral("比較 Y = 0.1")))
        << compareY(main()).toStdString();
    for (const char* name : {"ComboCompare", "LabelCompare", "LabelCompareY"})
        ExpectClearOfEveryControl(main(), name);
    click(main(), "Command7"); // Reset
    EXPECT_EQ(std::tuple(greenPixels(main()), compareY(main())), std::tuple(0, QString()));
    EXPECT_EQ(control<QComboBox>(main(), "ComboCompare")->currentText(), QStringLiteral("単調3次"));

    plotPoints(QStringLiteral("ex_runge.csv"), example("ex_runge.csv"), 1);
    drawCurve();
    EXPECT_GT(greenPixels(main()), 200) << "the choice stays for the next curve";
    reopenInBrowser(QStringLiteral("compare"));
    EXPECT_EQ(greenPixels(browser()), 0);
    EXPECT_EQ(choose(browser(), 3)->currentText(), QStringLiteral("3次スプライン"));
    EXPECT_GT(greenPixels(browser()), 200);
    EXPECT_TRUE(line(browser())->text().contains(QStringLiteral("・比較との差 41%")));
    type(browser(), "Text1", QStringLiteral("0.5"));
    QTest::keyClick(control<QLineEdit>(browser(), "Text1"), Qt::Key_Return);
    EXPECT_EQ(control<ValueLabel>(browser(), "LabelCompareEval")->text(), QStringLiteral("比較 Y = 0.127"));
    click(browser(), "CommandBatch");
    EXPECT_EQ(browser()->batchWindow()->model()->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("3次スプライン"));
    for (const char* name : {"ComboCompare", "LabelCompare", "LabelCompareY", "LabelCompareEval"})
        ExpectClearOfEveryControl(browser(), name);
}

TEST_F(TrustWindows, ErrorFigureMatchesAnIndependentDoubleEvaluation) {
    const struct {
        double firstX;
        double low, high; // where the figure lies
        bool red;
    } cases[] = {{0, 1e-7, 1e-6, false}, {99990, 1e-3, 1e-2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstX);
        QByteArray points;
        for (int i = 0; i < 10; ++i)
            points += QByteArray::fromStdString(GeneralText(c.firstX + i) + "," + GeneralText(std::sin(i)) +
                                                "\r\n");
        plotPoints(QStringLiteral("sin.csv"), points, 1);
        drawCurve();
        // Lagrange's form in long double through the points the result lists, at every sample.
        const int n = m_state.PointCount;
        double largest = 0;
        for (int j = 1; j <= m_state.SampleCount; ++j) {
            long double sum = 0;
            for (int i = 1; i <= n; ++i) {
                long double term = m_state.ResultY[i];
                for (int k = 1; k <= n; ++k)
                    if (k != i)
                        term *= (static_cast<long double>(m_state.CurveX[j]) - m_state.ResultX[k]) /
                                (static_cast<long double>(m_state.ResultX[i]) - m_state.ResultX[k]);
                sum += term;
            }
            largest = std::max(largest, static_cast<double>(std::fabs(sum - m_state.CurveY[j])));
        }
        const auto [yMin, yMax] = std::minmax_element(&m_state.ResultY[1], &m_state.ResultY[n] + 1);
        const double figure = largest / (*yMax - *yMin);
        EXPECT_GT(figure, c.low);
        EXPECT_LT(figure, c.high);
        const QString text = line(main())->text();
        EXPECT_TRUE(text.startsWith(QStringLiteral("単精度誤差 ") +
                                    QString::fromStdString(FormatExponential(figure, 1))))
            << text.toStdString();
        EXPECT_EQ(text.endsWith(QStringLiteral("（表示値の桁に誤差）")), c.red) << text.toStdString();
        EXPECT_EQ(red(main()), c.red);
        click(main(), "Command7"); // Reset empties it
        EXPECT_EQ(line(main())->text(), QString());
        click(main(), "Command2");
    }
}

TEST_F(TrustWindows, PointPlotRefusesValuesTheEngineCannotCarry) {
    // ④ refuses a limit from the data range; ⑤ a point the request cannot carry.
    const auto limit = [](int box, const char* text) {
        return Heading(UndrawableLimitMessage(box, text, false));
    };
    const auto point = [](int n, exchange::Subject axis, const char* item) {
        exchange::Failure failure = exchange::Failure::Of(exchange::Cause::NotCarried);
        failure.point = n;
        failure.subject = axis;
        failure.item = item;
        return Heading(RequestMessage(failure));
    };
    const struct {
        const char* points;
        int mode;
        QString refused; // empty when the request is written
        bool atConfirm;
    } cases[] = {
        {"1,2\n2,1E+100\n3,4\n", 1, limit(4, "1.000E+100"), true},
        {"1,2\n2,-1E+100\n3,4\n", 1, limit(3, "-1.000E+100"), true},
        {"1,3.5E+38\n2,1\n3,4\n", 1, limit(4, "3.500E+38"), true},
        {"1,2\n2,1E-100\n3,4\n", 1, point(2, exchange::Subject::Y, "1E-100"), false},
        {"1E-100,2\n2,3\n3,4\n", 1, point(1, exchange::Subject::X, "1E-100"), false},
        {"1,2\n2,3\n1E+100,4\n", 1, limit(1, "1.000E+100"), true},
        {"1,2\n2,1E+100\n3,4\n", 2, {}, false}, // ln 1E+100 is an ordinary number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.points) + " mode " + std::to_string(c.mode));
        plotPoints(QStringLiteral("big.csv"), c.points, c.mode);
        const bool refused = !c.refused.isEmpty();
        if (refused) {
            EXPECT_EQ(Heading(takeMessage()), c.refused);
        }
        EXPECT_EQ(textOf(main(), "Label15") != QStringLiteral("X-Stop"), !c.atConfirm) << "points plotted";
        EXPECT_EQ(exists(QStringLiteral("B2F.dat")), !refused);
        EXPECT_EQ(control<QPushButton>(main(), "Command4")->isEnabled(), !refused);
        click(main(), "Command7"); // deletes the request
        click(main(), "Command2");
    }
}

TEST_F(TrustWindows, HelpWindowListsALongExampleWholeOrSaysItIsCut) {
    QByteArray longFile;
    for (int i = 1; i <= 150; ++i)
        longFile += QByteArray::number(i) + "," + QByteArray::number(i * 2) + "\r\n";
    writeFile(QStringLiteral("ex_long.csv"), longFile);
    writeFile(QStringLiteral("ex_huge.dat"), QByteArray(99, '5').append('\n').repeated(700)); // 70 000 bytes
    Form9* help = m_windows->form9();
    auto* list = control<QListWidget>(help, "List1");
    testing::InvokeHandler(help, "File1_Click", QStringLiteral("ex_long.csv"));
    ASSERT_EQ(list->count(), 150);
    EXPECT_EQ(list->item(149)->text(), QStringLiteral("150,300"));
    testing::InvokeHandler(help, "File1_Click", QStringLiteral("ex_huge.dat"));
    ASSERT_EQ(list->count(), 656);
    EXPECT_EQ(list->item(654)->text(), QString(99, QLatin1Char('5')));
    EXPECT_EQ(list->item(655)->text(), ExampleCutNote(655));
    testing::InvokeHandler(help, "File1_Click", QStringLiteral("ex_gone.csv"));
    EXPECT_EQ(takeMessage(), ExampleFileMessage(exchange::Failure::Of(exchange::Cause::FileMissing),
                                                QStringLiteral("ex_gone.csv")));
    EXPECT_EQ(list->count(), 0);
}

TEST_F(TrustWindows, LineIsRedOnlyWhileTheAssessmentIsRed) {
    click(m_windows->form2(), "Command1");
    GraphPanel* panel = main()->findChild<GraphPanel*>();
    ASSERT_NE(panel, nullptr);
    const std::string redText = "単精度誤差 2.0E-03（表示値の桁に誤差）";
    const CurveTrust red{.assessed = true, .red = true, .text = redText};
    const CurveTrust calm{.assessed = true, .text = "単精度誤差 4.1E-07"};
    const CurveTrust none{.red = true, .text = redText}; // not assessed
    const struct {
        const CurveTrust* trust; // nullptr: cleared
        std::string text;
        bool red;
    } steps[] = {{&red, redText, true},
                 {&calm, calm.text, false},
                 {nullptr, "", false},
                 {&red, redText, true},
                 {&none, "", false}};
    for (const auto& s : steps) {
        if (s.trust)
            panel->showTrust(*s.trust);
        else
            panel->clearCurve();
        EXPECT_EQ(line(main())->text().toStdString(), s.text);
        EXPECT_EQ(line(main())->accessibleName(), line(main())->text());
        EXPECT_EQ(TrustWindows::red(main()), s.red);
    }
}

} // namespace
} // namespace mirendo

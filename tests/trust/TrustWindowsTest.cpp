// The trust line through the real windows and engine: a point file read, a scale mode, the four
// steps to the curve, the archive saved and reopened in the browser; values the engine cannot
// carry refused at the point plot; the help window listing a long example whole or saying it cut.
#include "WindowTestSupport.h"
#include "archive/Form4.h"
#include "archive/Form6.h"
#include "input/Form10.h"
#include "input/Form9.h"
#include "state/NumberText.h"
#include "widgets/FolderLists.h"
#include "widgets/PictureBox.h"
#include "widgets/TrustLine.h"
#include "windows/Calculation.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/WindowSet.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace mirendo {
namespace {

const QString kSaved = QStringLiteral("  補間データは保存されました  ");

class TrustWindows : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_state.Ln10 = Module1::kLn10;
        m_windows = std::make_unique<WindowSet>(m_state, QStringLiteral(MIRENDO_ENGINE_DIR));
        m_windows->form2()->show();
    }
    void TearDown() override {
        m_windows.reset();
        WindowTest::TearDown();
    }

    Form1* main() const { return m_windows->form1(); }
    Form6* browser() const { return m_windows->form6(); }
    static TrustLine* line(const QWidget* window) { return control<TrustLine>(window, "LabelTrust"); }
    static void click(const QWidget* window, const char* name) {
        control<QPushButton>(window, name)->click();
    }

    void copyExample(const QString& name) {
        ASSERT_TRUE(exists(name) ||
                    QFile::copy(QStringLiteral(MIRENDO_EXAMPLES_DIR "/") + name, workPath(name)));
    }
    // A point file read through the file dialog, a scale mode, the settings from the data range,
    // and the point plot (⑤), which leaves the request or refuses it.
    void plotPoints(const QString& file, int mode) {
        click(m_windows->form2(), "Command1");
        click(main(), "Command9");
        m_windows->form10()->File1_Click(file);
        m_windows->form10()->Command1_Click();
        const char* options[] = {"Option1", "Option2", "Option3", "Option4"};
        control<QRadioButton>(main(), options[mode - 1])->click();
        click(main(), "Command3");
        click(main(), "Command1");
    }
    // ⑥ and ⑦, waiting for the engine and the curve.
    void drawCurve() {
        click(main(), "Command4");
        click(main(), "Command5");
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return !m_windows->calculation()->isWaitingForResult(); }, 11000));
        ASSERT_EQ(m_state.GraphDrawn, 1);
    }
    // The drawn curve saved through the data save and opened in the browser.
    void reopenInBrowser(const QString& name) {
        click(main(), "Command6");
        Form4* save = m_windows->form4();
        ASSERT_TRUE(save->folderLists()->setPath(m_dir.path()));
        control<QLineEdit>(save, "Text1")->setText(name);
        save->Command1_Click();
        EXPECT_EQ(takeMessage(), kSaved);
        click(main(), "Command2");
        click(m_windows->form2(), "Command3");
        auto* files = control<QListWidget>(browser(), "File1");
        const auto items = files->findItems(name + QStringLiteral("-Mi.csv"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        files->setCurrentItem(items.front());
        emit files->itemClicked(items.front());
        click(browser(), "Command1");
    }
    void shoot(QWidget* window, const QString& name) const {
        const QString dir = qEnvironmentVariable("MIRENDO_TRUST_SHOTS");
        if (!dir.isEmpty())
            window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    Module1 m_state;
    std::unique_ptr<WindowSet> m_windows;
};

// Neither window's line touches another control, and the graph image is Picture1's own.
void ExpectClearOfEveryControl(const QWidget* window) {
    const TrustLine* trust = window->findChild<TrustLine*>(QStringLiteral("LabelTrust"));
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
        {"ex_decay.csv", 4, "単精度誤差 1.4E-07", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " mode " + std::to_string(c.mode));
        copyExample(QString::fromLatin1(c.file));
        plotPoints(QString::fromLatin1(c.file), c.mode);
        EXPECT_EQ(line(main())->text(), QString()) << "no curve yet";
        drawCurve();
        const QString expected = QString::fromUtf8(c.text);
        for (const QWidget* window : {static_cast<QWidget*>(main()), static_cast<QWidget*>(browser())}) {
            if (window == browser())
                reopenInBrowser(QStringLiteral("trust%1").arg(c.mode));
            SCOPED_TRACE(window->objectName().toStdString());
            const TrustLine* trust = line(window);
            EXPECT_EQ(trust->text().toStdString(), expected.toStdString());
            EXPECT_EQ(trust->accessibleName(), trust->text());
            EXPECT_EQ(trust->accessibleDescription(), QStringLiteral("補間の信頼性"));
            EXPECT_EQ(trust->isRed(), c.red);
            EXPECT_EQ(trust->palette().color(QPalette::WindowText) == QColor(192, 0, 0), c.red);
            ExpectClearOfEveryControl(window);
        }
        if (std::string(c.file) == "ex_runge.csv" && c.mode == 1) {
            shoot(main(), QStringLiteral("Form1-red"));
            shoot(browser(), QStringLiteral("Form6-red"));
        } else if (std::string(c.file) == "ex_linear.csv") {
            shoot(main(), QStringLiteral("Form1-calm"));
            shoot(browser(), QStringLiteral("Form6-calm"));
        }
        // The saved graph image is Picture1's: the line lies outside it.
        EXPECT_EQ(browser()->graphImage(), control<PictureBox>(browser(), "Picture1")->image());
        click(browser(), "Command3"); // Reset
        EXPECT_EQ(line(browser())->text(), QString());
        click(browser(), "Command2");
        click(m_windows->form2(), "Command1"); // a new calculation resets the main window
        EXPECT_EQ(line(main())->text(), QString());
        EXPECT_EQ(line(main())->accessibleName(), QString());
        click(main(), "Command2");
    }
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
        writeFile(QStringLiteral("sin.csv"), points);
        plotPoints(QStringLiteral("sin.csv"), 1);
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
        EXPECT_EQ(line(main())->isRed(), c.red);
        click(main(), "Command7"); // Reset empties it
        EXPECT_EQ(line(main())->text(), QString());
        click(main(), "Command2");
    }
}

TEST_F(TrustWindows, PointPlotRefusesValuesTheEngineCannotCarry) {
    const struct {
        const char* points;
        int mode;
        const char* refused; // "" when the request is written
    } cases[] = {
        {"1,2\n2,1E+100\n3,4\n", 1, "データ点 2 の Y 値 1E+100"},
        {"1,2\n2,-1E+100\n3,4\n", 1, "データ点 2 の Y 値 -1E+100"},
        {"1,3.5E+38\n2,1\n3,4\n", 1, "データ点 1 の Y 値 3.5E+38"},
        {"1,2\n2,1E-100\n3,4\n", 1, "データ点 2 の Y 値 1E-100"},
        {"1E-100,2\n2,3\n3,4\n", 1, "データ点 1 の X 値 1E-100"},
        {"1,2\n2,3\n1E+100,4\n", 1, "X 軸の終了値 1E+100"},
        {"1,2\n2,1E+100\n3,4\n", 2, ""}, // ln 1E+100 is an ordinary number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.points) + " mode " + std::to_string(c.mode));
        writeFile(QStringLiteral("big.csv"), c.points);
        plotPoints(QStringLiteral("big.csv"), c.mode);
        const bool refused = *c.refused != '\0';
        if (refused) {
            const QString message = takeMessage();
            EXPECT_TRUE(message.startsWith(QStringLiteral("　") + QString::fromUtf8(c.refused) +
                                           QStringLiteral(" は計算できません　\n")))
                << message.toStdString();
        }
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
    help->File1_Click(QStringLiteral("ex_long.csv"));
    ASSERT_EQ(list->count(), 150);
    EXPECT_EQ(list->item(149)->text(), QStringLiteral("150,300"));
    help->File1_Click(QStringLiteral("ex_huge.dat"));
    ASSERT_EQ(list->count(), 656);
    EXPECT_EQ(list->item(654)->text(), QString(99, QLatin1Char('5')));
    EXPECT_EQ(list->item(655)->text(),
              QStringLiteral("（ファイルが長いため先頭の 655 行だけを表示しています）"));
    help->File1_Click(QStringLiteral("ex_gone.csv"));
    EXPECT_EQ(takeMessage(), QStringLiteral(" ファイル ex_gone.csv を読み込めませんでした "));
    EXPECT_EQ(list->count(), 0);
}

TEST(TrustLineWidget, RedOnlyWhileTheAssessmentIsRed) {
    QWidget window;
    auto* trust = new TrustLine(&window);
    CurveTrust red;
    red.assessed = true;
    red.red = true;
    red.text = "単精度誤差 2.0E-03（表示値の桁に誤差）";
    CurveTrust calm = red;
    calm.red = false;
    calm.text = "単精度誤差 4.1E-07";
    CurveTrust none = red;
    none.assessed = false;
    const struct {
        const CurveTrust* trust; // nullptr: cleared
        const char* text;
        bool red;
    } steps[] = {{&red, "単精度誤差 2.0E-03（表示値の桁に誤差）", true},
                 {&calm, "単精度誤差 4.1E-07", false},
                 {nullptr, "", false},
                 {&red, "単精度誤差 2.0E-03（表示値の桁に誤差）", true},
                 {&none, "", false}};
    for (const auto& s : steps) {
        if (s.trust)
            trust->showTrust(*s.trust);
        else
            trust->clearTrust();
        EXPECT_EQ(trust->text().toStdString(), s.text);
        EXPECT_EQ(trust->accessibleName(), trust->text());
        EXPECT_EQ(trust->isRed(), s.red);
        EXPECT_EQ(trust->palette().color(QPalette::WindowText) == QColor(192, 0, 0), s.red);
    }
}

} // namespace
} // namespace mirendo

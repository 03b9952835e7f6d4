// Screen readers hear the values the labels show, and both graphs are read by keyboard: the
// crosshair steps over the samples and shows what the mouse at that sample shows.
#include "support/AppTest.h"

#include "core/plot/Readout.h"
#include "support/GraphArea.h"
#include "support/Handlers.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

namespace mirendo {
namespace {

using testing::AppTest;

QString AccessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

// Everything a readout puts on the screen and to a screen reader.
struct Shown {
    QString x, y, graphName;
    QRect line1, line2;
    bool linesVisible = false;
    bool operator==(const Shown&) const = default;
};

class ValueReadout : public AppTest {
  protected:
    // Three points read, a curve computed and drawn in the main window, the data saved as
    // "run-Mi.csv".
    void calculateAndSave() {
        drawCurveOf("1,2\r\n2,5\r\n4,3\r\n", 1, {"0", "5", "1", "0", "6", "1"});
        ASSERT_EQ(m_state.GraphDrawn, 1);
        ASSERT_GT(m_state.SampleCount, 40);
        saveData(QStringLiteral("run"));
    }
    // The browser with the saved file drawn.
    Form6* browse() {
        click(m_windows->form1(), "Command2");
        return openInBrowser(m_dir.path(), QStringLiteral("run-Mi.csv"));
    }

    static Shown shown(QWidget* window, const char* xLabel, const char* yLabel) {
        auto* picture = control<PictureBox>(window, "Picture1");
        auto* line1 = picture->findChild<QFrame*>(QStringLiteral("Line1"));
        auto* line2 = picture->findChild<QFrame*>(QStringLiteral("Line2"));
        return {control<QLabel>(window, xLabel)->text(),
                control<QLabel>(window, yLabel)->text(),
                AccessibleText(picture, QAccessible::Name),
                line1->geometry(),
                line2->geometry(),
                testing::CursorLinesVisible(picture)};
    }
    // The mouse over `window`'s graph at the abscissa of sample k.
    void mouseAtSample(QWidget* window, int k) {
        auto* picture = control<PictureBox>(window, "Picture1");
        const QPointF at = picture->graph().toPixel(SampleAbscissa(DrawnCurveOf(m_state), k), 0);
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }
    static void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), k);
    }
    static QString focusedName() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }

    // Home, Right x3, PageDown on the focused graph: sample 14, as the mouse at that sample shows
    // it; End: the last sample. (How the keys step, name the graph and copy is tested on the
    // graph panel and the picture box; here, that the window's graph is wired to them.)
    void stepAndCompareWithTheMouse(QWidget* window, const char* xLabel, const char* yLabel) {
        key(Qt::Key_Home);
        key(Qt::Key_Right, 3);
        key(Qt::Key_PageDown);
        const Shown byKeys = shown(window, xLabel, yLabel);
        EXPECT_TRUE(byKeys.linesVisible);
        const DrawnCurve curve = DrawnCurveOf(m_state);
        EXPECT_EQ(byKeys.x, QString::fromStdString(ComputeReadout(curve, SampleAbscissa(curve, 14)).xText));
        EXPECT_EQ(byKeys.y, QString::fromStdString(ComputeReadout(curve, SampleAbscissa(curve, 14)).yText));
        control<QLabel>(window, xLabel)->clear();
        mouseAtSample(window, 14);
        EXPECT_EQ(shown(window, xLabel, yLabel), byKeys) << "the mouse at sample 14 shows the same";
        key(Qt::Key_End);
        EXPECT_EQ(
            shown(window, xLabel, yLabel).x,
            QString::fromStdString(ComputeReadout(curve, SampleAbscissa(curve, m_state.SampleCount)).xText));
    }
};

TEST_F(ValueReadout, ValueLabelsReadTheirValues) {
    calculateAndSave();
    Form1* main = m_windows->form1();
    mouseAtSample(main, 5);
    Form10* input = m_windows->form10();
    Form11* entry = m_windows->form11();
    entry->openForEntry();
    type(entry, "Text1", QStringLiteral("1"));
    type(entry, "Text2", QStringLiteral("10"));
    click(entry, "Command1");
    Form6* browser = browse();
    control<QLineEdit>(browser, "Text1")->setText(QStringLiteral("3"));
    testing::InvokeHandler(browser, "Text1_KeyDown", 13);
    mouseAtSample(browser, 7);

    const char* const range[4] = {"X の最小値", "X の最大値", "Y の最小値", "Y の最大値"};
    const char* const limits[4] = {"X 軸の開始値", "X 軸の終了値", "Y 軸の開始値", "Y 軸の終了値"};
    struct Row {
        QWidget* window;
        QString label;
        const char* description;
    };
    std::vector<Row> rows = {
        {main, "Label27", "カーソル位置の X 値"},    {main, "Label28", "カーソル位置の Y 値"},
        {browser, "Label7", "カーソル位置の X 値"},  {browser, "Label8", "カーソル位置の Y 値"},
        {browser, "Label6", "任意 X に対する Y 値"}, {entry, "Label4", "入力中のデータ番号"},
    };
    for (QWidget* window :
         {static_cast<QWidget*>(main), static_cast<QWidget*>(input), static_cast<QWidget*>(entry)})
        for (int i = 0; i < 4; ++i)
            rows.push_back({window, QStringLiteral("Label3%1").arg(i + 1), range[i]});
    for (QWidget* window : {static_cast<QWidget*>(main), static_cast<QWidget*>(browser)})
        for (int i = 0; i < 4; ++i)
            rows.push_back({window, QStringLiteral("Label1%1").arg(i + 4), limits[i]});

    for (const Row& row : rows) {
        SCOPED_TRACE((row.window->objectName() + QLatin1Char('/') + row.label).toStdString());
        auto* label = row.window->findChild<QLabel*>(row.label);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().isEmpty()) << "a value is shown";
        EXPECT_EQ(AccessibleText(label, QAccessible::Name), label->text());
        EXPECT_EQ(AccessibleText(label, QAccessible::Description), QString::fromUtf8(row.description));
    }
}

TEST_F(ValueReadout, MainGraphByKeyboard) {
    calculateAndSave();
    Form1* main = m_windows->form1();
    ASSERT_TRUE(activate(main, control<QWidget>(main, "Command5")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusedName(), QStringLiteral("Picture1")) << "right after the step that draws the curve";
    stepAndCompareWithTheMouse(main, "Label27", "Label28");
    click(main, "Command7"); // Reset
    EXPECT_EQ(control<QWidget>(main, "Picture1")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(AccessibleText(control<QWidget>(main, "Picture1"), QAccessible::Name),
              QStringLiteral("グラフ表示エリア"));
}

TEST_F(ValueReadout, BrowserGraphByKeyboard) {
    calculateAndSave();
    Form6* browser = browse();
    ASSERT_TRUE(activate(browser, control<QWidget>(browser, "Command4")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusedName(), QStringLiteral("Picture1")) << "after the graph's steps, before the evaluation";
    stepAndCompareWithTheMouse(browser, "Label7", "Label8");
    // After an evaluation the result follows the evaluation box.
    control<QLineEdit>(browser, "Text1")->setText(QStringLiteral("3"));
    testing::InvokeHandler(browser, "Text1_KeyDown", 13);
    control<QWidget>(browser, "Text1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedName(), QStringLiteral("Label6"));
    click(browser, "Command3"); // Reset
    EXPECT_EQ(control<QWidget>(browser, "Picture1")->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace mirendo

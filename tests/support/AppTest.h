#pragma once
// The whole program under test: every window created and wired as at start-up by a WindowSet in
// the temporary working folder of WindowTest, the real engine beside the tests, the walk of the
// keyboard focus and the steps of a calculation driven through the real controls.
#include "support/WindowTest.h"

#include "programs/mirendo/WindowSet.h"
#include "qt/bridge/Calculation.h"
#include "widgets/FolderLists.h"
#include "widgets/PictureBox.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"
#include "windows/Form9.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointF>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#ifndef MIRENDO_ENGINE_DIR
#error "MIRENDO_ENGINE_DIR must name the folder that holds Ventrel"
#endif

namespace mirendo::testing {

// A text shown to the user that betrays a non-finite number.
inline bool ShowsNonFinite(const QString& text) {
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

class AppTest : public WindowTest {
  protected:
    static constexpr const char* kSettingBoxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};

    void SetUp() override {
        WindowTest::SetUp();
        m_windows = std::make_unique<WindowSet>(m_state, engineFolder());
        m_windows->form2()->show();
    }
    void TearDown() override {
        if (m_windows) {
            EXPECT_TRUE(engineEnded());
        }
        m_windows.reset();
        WindowTest::TearDown();
    }
    // Where the window set looks for the engine before PATH.
    virtual QString engineFolder() const { return QStringLiteral(MIRENDO_ENGINE_DIR); }

    Form1* main() const { return m_windows->form1(); }

    // Every top-level window of the program, each created (hidden) if it was not yet.
    std::vector<QWidget*> allWindows() const {
        return {m_windows->form2(), m_windows->form1(), m_windows->form10(), m_windows->form11(),
                m_windows->form9(), m_windows->form4(), m_windows->form5(),  m_windows->form6()};
    }

    // Shows `window`, makes it the active one and puts the focus on `first`.
    static bool activate(QWidget* window, QWidget* first) {
        window->show();
        window->raise();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return false;
        first->setFocus(Qt::TabFocusReason);
        return QApplication::focusWidget() == first;
    }

    // Object names of the focused widgets while Tab is pressed `count` times, starting with the
    // one focused now.
    static QStringList tabWalk(int count) {
        QStringList names;
        for (int i = 0; i <= count; ++i) {
            QWidget* focused = QApplication::focusWidget();
            names << (focused ? focused->objectName() : QStringLiteral("<none>"));
            if (focused)
                QTest::keyClick(focused, Qt::Key_Tab);
        }
        return names;
    }

    // Main window (from the start window when it is not shown) → file input → the file clicked.
    void readPointFile(const QString& name, const QByteArray& bytes) {
        writeFile(name, bytes);
        if (!m_windows->isCreated(QStringLiteral("Form1")) || !main()->isVisible())
            click(m_windows->form2(), "Command1");
        click(main(), "Command9");
        Form10* input = m_windows->form10();
        ASSERT_TRUE(input->isVisible());
        input->folderLists()->refreshFiles();
        clickListItem(input, "File1", name);
    }
    void acceptPoints() { click(m_windows->form10(), "Command1"); }
    // `points` read from the point file "pts.csv" and accepted.
    void enterPoints(const std::vector<QPointF>& points) {
        QByteArray csv;
        for (const QPointF& p : points)
            csv += QByteArray::number(p.x(), 'g', 17) + ',' + QByteArray::number(p.y(), 'g', 17) + "\r\n";
        readPointFile(QStringLiteral("pts.csv"), csv);
        acceptPoints();
    }

    // Start window → browser → the archive file clicked and its graph drawn ("グラフ描画").
    void drawInBrowser(const QString& name, const QByteArray& archive) {
        writeFile(name, archive);
        click(m_windows->form2(), "Command3");
        Form6* browser = m_windows->form6();
        ASSERT_TRUE(browser->isVisible());
        browser->folderLists()->refreshFiles();
        clickListItem(browser, "File1", name);
        click(browser, "Command1");
    }

    // The main window's scale option of `mode` (1..4) chosen; a disabled one fails the test. (A
    // mouse click in the middle of an option may miss its short caption.)
    void chooseMode(int mode) {
        const char* options[] = {"Option1", "Option2", "Option3", "Option4"};
        auto* option = control<QRadioButton>(main(), options[mode - 1]);
        ASSERT_TRUE(option->isEnabled()) << options[mode - 1] << " is disabled";
        option->click();
    }
    // The six setting boxes as typed. An empty text for the step box a logarithmic axis fixes
    // (disabled) leaves it alone; any other text fails there.
    void typeSettings(const std::array<QString, 6>& settings) {
        for (int i = 0; i < 6; ++i)
            if (!settings[i].isEmpty() || control<QLineEdit>(main(), kSettingBoxes[i])->isEnabled())
                type(main(), kSettingBoxes[i], settings[i]);
    }
    // Scale option, the six setting boxes, ④.
    void plot(int mode, const std::array<QString, 6>& settings) {
        chooseMode(mode);
        typeSettings(settings);
        click(main(), "Command3");
    }
    // The point file "pts.csv" read and accepted, its points plotted (④ with `settings`, ⑤).
    void plotPointFile(const QByteArray& bytes, int mode, const std::array<QString, 6>& settings) {
        readPointFile(QStringLiteral("pts.csv"), bytes);
        acceptPoints();
        plot(mode, settings);
        click(main(), "Command1");
    }
    // The same for `points`: everything up to the request file.
    void plotPoints(int mode, const std::vector<QPointF>& points, const std::array<QString, 6>& settings) {
        enterPoints(points);
        plot(mode, settings);
        click(main(), "Command1");
    }
    // True once the window set's bridge runs no engine (waiting at most the bridge's own bound).
    bool engineEnded() const {
        return QTest::qWaitFor([this] { return !m_windows->calculation()->isRunning(); },
                               mirendo::Calculation::kEngineWaitMs);
    }
    // ⑥, waiting for the engine to end.
    void runEngine() {
        click(main(), "Command4");
        ASSERT_TRUE(engineEnded());
    }
    // ⑥, then ⑦ once the engine has ended.
    void calculateAndDrawCurve() {
        runEngine();
        click(main(), "Command5");
    }
    // "pts.csv" from its bytes to the drawn curve.
    void drawCurveOf(const QByteArray& bytes, int mode, const std::array<QString, 6>& settings) {
        plotPointFile(bytes, mode, settings);
        calculateAndDrawCurve();
    }
    // `points` to the drawn curve (⑦).
    void drawCurve(int mode, const std::vector<QPointF>& points, const std::array<QString, 6>& settings) {
        plotPoints(mode, points, settings);
        calculateAndDrawCurve();
    }
    // The main window's control `name` enabled, its focused control, its graph.
    bool enabled(const char* name) const { return control<QWidget>(main(), name)->isEnabled(); }
    QString focusedName() const {
        return main()->focusWidget() ? main()->focusWidget()->objectName() : QString();
    }
    PictureBox* picture() const { return control<PictureBox>(main(), "Picture1"); }
    // The plot-space abscissa of a data X in the current mode.
    float plotX(double x) const {
        return AxesOfScaleMode(m_state.ScaleMode).x == AxisKind::Logarithmic
                   ? static_cast<float>(std::log(x) - std::log(m_state.XStart))
                   : static_cast<float>(x);
    }
    // Where the main window's graph shows curve sample `j`.
    QPointF curvePixel(int j) const {
        const AxisKinds axes = AxesOfScaleMode(m_state.ScaleMode);
        const double x = m_state.CurveX[j] - (axes.x == AxisKind::Logarithmic ? std::log(m_state.XStart) : 0);
        const double y = m_state.CurveY[j] - (axes.y == AxisKind::Logarithmic ? std::log(m_state.YStart) : 0);
        return picture()->graph().toPixel(static_cast<float>(x), static_cast<float>(y));
    }
    // Whether the curve's blue lies within two pixels of `at` on the main window's graph.
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
    // The drawn curve saved by ⑧ as "<name>-Mi.csv" in `folder` (the working folder if empty).
    void saveData(const QString& name, const QString& folder = {}) {
        click(main(), "Command6");
        Form4* save = m_windows->form4();
        ASSERT_TRUE(save->folderLists()->setPath(folder.isEmpty() ? m_dir.path() : folder));
        type(save, "Text1", name);
        click(save, "Command1");
        EXPECT_EQ(takeMessage(), QStringLiteral("  補間データは保存されました  "));
    }
    // The saved "name" opened in the browser ("グラフ描画"), entered from the start window.
    Form6* openInBrowser(const QString& folder, const QString& name) {
        click(m_windows->form2(), "Command3");
        Form6* browser = m_windows->form6();
        EXPECT_TRUE(browser->isVisible());
        EXPECT_TRUE(browser->folderLists()->setPath(folder));
        clickListItem(browser, "File1", name);
        click(browser, "Command1");
        return browser;
    }

    // Every text the main window shows as a number.
    QStringList mainWindowNumberTexts() const {
        QStringList texts;
        for (const char* name :
             {"Label14", "Label15", "Label16", "Label17", "Label27", "Label28", "Label31", "Label32",
              "Label33", "Label34", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"})
            texts << textOf(main(), name);
        return texts << itemTexts(control<QListWidget>(main(), "List1"));
    }

    Module1 m_state;
    std::unique_ptr<WindowSet> m_windows;
};

} // namespace mirendo::testing

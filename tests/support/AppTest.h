#pragma once
// The whole program under test: every window created and wired as at start-up by a WindowSet in
// the temporary working folder of WindowTest, the real engine beside the tests, the walk of the
// keyboard focus and the steps of a calculation driven through the real controls.
#include "support/WindowTest.h"

#include "programs/mirendo/WindowSet.h"
#include "qt/bridge/Calculation.h"
#include "widgets/FolderLists.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"
#include "windows/Form9.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <array>
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
    void SetUp() override {
        WindowTest::SetUp();
        m_windows = std::make_unique<WindowSet>(m_state, engineFolder());
        m_windows->form2()->show();
    }
    void TearDown() override {
        if (m_windows) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isRunning(); }, 10000));
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

    // Start window → main window → file input → the file clicked.
    void readPointFile(const QString& name, const QByteArray& bytes) {
        writeFile(name, bytes);
        click(m_windows->form2(), "Command1");
        click(main(), "Command9");
        Form10* input = m_windows->form10();
        ASSERT_TRUE(input->isVisible());
        input->folderLists()->refreshFiles();
        clickListItem(input, "File1", name);
    }
    void acceptPoints() { click(m_windows->form10(), "Command1"); }

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

    // Scale option, the six setting boxes as typed, ④ and ⑤.
    void plot(int mode, const std::array<QString, 6>& settings) {
        const char* options[] = {"Option1", "Option2", "Option3", "Option4"};
        QTest::mouseClick(control<QRadioButton>(main(), options[mode - 1]), Qt::LeftButton);
        const char* boxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
        for (int i = 0; i < 6; ++i)
            type(main(), boxes[i], settings[i]);
        click(main(), "Command3");
    }
    // The point file "pts.csv" read and accepted, its points plotted (④ with `settings`, ⑤).
    void plotPointFile(const QByteArray& bytes, int mode, const std::array<QString, 6>& settings) {
        readPointFile(QStringLiteral("pts.csv"), bytes);
        acceptPoints();
        plot(mode, settings);
        click(main(), "Command1");
    }
    // ⑥, then ⑦ once the engine has ended.
    void calculateAndDrawCurve() {
        click(main(), "Command4");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isRunning(); }, 10000));
        click(main(), "Command5");
    }
    // "pts.csv" from its bytes to the drawn curve.
    void drawCurveOf(const QByteArray& bytes, int mode, const std::array<QString, 6>& settings) {
        plotPointFile(bytes, mode, settings);
        calculateAndDrawCurve();
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

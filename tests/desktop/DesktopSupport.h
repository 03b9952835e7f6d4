#pragma once
// Shared by the desktop tests: the whole set of windows in a temporary working folder, every
// window created, and the walk of the keyboard focus.
#include "WindowTestSupport.h"
#include "archive/Form4.h"
#include "archive/Form5.h"
#include "archive/Form6.h"
#include "input/Form10.h"
#include "input/Form11.h"
#include "input/Form9.h"
#include "windows/Calculation.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/WindowSet.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

namespace mirendo::testing {

class DesktopTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_windows = std::make_unique<WindowSet>(m_state, QStringLiteral(MIRENDO_ENGINE_DIR));
        m_windows->form2()->show();
    }
    void TearDown() override {
        m_windows.reset();
        WindowTest::TearDown();
    }

    // Every top-level window of the program, each created (hidden) if it was not yet.
    std::vector<QWidget*> allWindows() const {
        return {m_windows->form2(), m_windows->form1(), m_windows->form10(), m_windows->form11(),
                m_windows->form9(), m_windows->form4(), m_windows->form5(),  m_windows->form6()};
    }

    static void click(const QWidget* window, const char* name) {
        control<QPushButton>(window, name)->click();
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

    Module1 m_state;
    std::unique_ptr<WindowSet> m_windows;
};

} // namespace mirendo::testing

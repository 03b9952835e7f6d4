// The window set as a program: windows made on first use, and the end through the start window
// whatever else is open.
#include "archive/ArchiveSamples.h"
#include "support/AppTest.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/Form3.h"

#include <QRadioButton>
#include <QSignalSpy>

#include <functional>

namespace mirendo {
namespace {

using DesktopTest = testing::AppTest;

class WindowSetLifecycle : public DesktopTest {
  protected:
    QStringList created() const {
        QStringList names;
        for (const char* name : {"Form1", "Form2", "Form4", "Form5", "Form6", "Form9", "Form10", "Form11"})
            if (m_windows->isCreated(QString::fromLatin1(name)))
                names << QString::fromLatin1(name);
        return names;
    }
    // The browser with a drawn graph, whose image save is then on.
    void drawInBrowser() {
        const testing::Calculation calc = testing::CalculationsOfEveryMode()[0];
        const ArchiveFormat archive = FormatArchive(testing::StateAfterCalculation(calc), calc.settings);
        ASSERT_TRUE(archive.ok());
        AppTest::drawInBrowser(QStringLiteral("run-Mi.csv"), QByteArray::fromStdString(archive.value));
    }
};

// Every window is built once here: a control its code looks up under the wrong kind, or a button
// and its handler that miss each other, would stop the program (and this test) at construction.
TEST_F(WindowSetLifecycle, EveryWindowBuildsWithItsControlsAndHandlers) {
    std::vector<QWidget*> windows = allWindows();
    windows.push_back(new Form3(m_windows->form2()));
    windows.push_back(new BatchEvaluationWindow(m_state, m_windows->form2()));
    for (QWidget* window : windows)
        EXPECT_FALSE(window->objectName().isEmpty());
}

TEST_F(WindowSetLifecycle, WindowsAreCreatedWhenFirstUsed) {
    const struct {
        const char* name;
        std::function<void()> act;
        QStringList expected;
    } rows[] = {
        {"start", [] {}, {"Form2"}},
        {"format examples", [this] { click(m_windows->form2(), "Command4"); }, {"Form2", "Form9"}},
        // The input dialogs are built when first opened, not to be reset.
        {"new calculation", [this] { click(m_windows->form2(), "Command1"); }, {"Form1", "Form2", "Form9"}},
        {"image save",
         [this] { click(m_windows->form1(), "Command8"); },
         {"Form1", "Form2", "Form5", "Form9"}},
        {"manual entry, cancelled",
         [this] {
             click(m_windows->form1(), "Option6");
             click(m_windows->form1(), "Command9");
             click(m_windows->form11(), "Command5");
         },
         {"Form1", "Form2", "Form5", "Form9", "Form11"}},
        {"back and browse",
         [this] {
             click(m_windows->form1(), "Command2");
             click(m_windows->form2(), "Command3");
         },
         {"Form1", "Form2", "Form5", "Form6", "Form9", "Form11"}},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(created().join(' ').toStdString(), row.expected.join(' ').toStdString()) << row.name;
    }
    // Later uses find the same windows.
    QWidget* main = m_windows->form1();
    click(m_windows->form6(), "Command2");
    click(m_windows->form2(), "Command1");
    EXPECT_EQ(m_windows->form1(), main);
}

TEST_F(WindowSetLifecycle, BrowserImageSaveWithoutTheMainWindowNeverCreatesIt) {
    drawInBrowser();
    click(m_windows->form6(), "Command8");
    EXPECT_TRUE(m_windows->form5()->isVisible());
    EXPECT_FALSE(m_windows->isCreated(QStringLiteral("Form1")));
}

TEST_F(WindowSetLifecycle, ClosingTheStartWindowEndsWhateverElseIsOpen) {
    const struct {
        const char* name;
        std::function<void()> openOthers;
    } rows[] = {
        {"nothing else", [] {}},
        {"format examples beside it", [this] { click(m_windows->form2(), "Command4"); }},
        {"data save left open after going back",
         [this] {
             click(m_windows->form2(), "Command1");
             control<QPushButton>(m_windows->form1(), "Command6")->setEnabled(true);
             click(m_windows->form1(), "Command6");
             click(m_windows->form1(), "Command2");
         }},
        {"image save from the browser left open",
         [this] {
             drawInBrowser();
             click(m_windows->form6(), "Command8");
             m_windows->form6()->close();
         }},
    };
    for (const auto& row : rows) {
        m_windows = std::make_unique<WindowSet>(m_state, QStringLiteral(MIRENDO_ENGINE_DIR));
        m_windows->form2()->show();
        row.openOthers();
        ASSERT_TRUE(m_windows->form2()->isVisible()) << row.name;
        QSignalSpy exit(m_windows.get(), &WindowSet::exitRequested);
        writeExchangeFiles();
        m_windows->form2()->close(); // the window manager's close box
        EXPECT_EQ(exit.count(), 1) << row.name;
        EXPECT_FALSE(anyExchangeFile()) << row.name;
    }
}

} // namespace
} // namespace mirendo

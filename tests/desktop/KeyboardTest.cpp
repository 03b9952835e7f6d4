// Every step of a calculation can be done without the mouse: the tab orders follow the steps,
// Enter presses the focused button, and a file is chosen in the lists with arrows and Enter.
#include "support/AppTest.h"

#include "widgets/FolderLists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <functional>
#include <vector>

namespace mirendo {
namespace {

using DesktopTest = testing::AppTest;

class Keyboard : public DesktopTest {
  protected:
    static void enable(QWidget* window, const std::vector<const char*>& names) {
        for (const char* name : names)
            control<QWidget>(window, name)->setEnabled(true);
    }
    static void key(Qt::Key k) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, k);
    }
    static QString focusedName() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    // Tab until `name` has the focus (at most 30 presses).
    static bool tabTo(const char* name) {
        for (int i = 0; i < 30; ++i) {
            if (focusedName() == QLatin1String(name))
                return true;
            QWidget* focused = QApplication::focusWidget();
            if (!focused)
                return false;
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return false;
    }
    static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
};

TEST_F(Keyboard, MainWindowTabOrderFollowsTheSteps) {
    // One stop per option group (the chosen option; arrows move inside the group), fixed step
    // boxes are skipped, the data table comes last.
    const QStringList allSteps = {"Command9", "CommandChart", "Option1",  "Text5",        "Text6",
                                  "Text7",    "Text8",        "Text9",    "Text10",       "Command3",
                                  "Command1", "Command4",     "Command5", "ComboCompare", "Command6",
                                  "Command8", "Command7",     "Command2", "List1"};
    const struct {
        const char *name, *inputOption, *scaleOption;
        QStringList fixedSteps; // skipped: the step boxes the scale mode fixes
    } rows[] = {
        {"from a file, Linear - Linear", "Option5", "Option1", {}},
        {"by hand, Log - Log", "Option6", "Option4", {"Text7", "Text10"}},
        {"from a file, Linear - Log", "Option5", "Option2", {"Text10"}},
    };
    // An option group whose chosen option is disabled is still reached: at its first enabled option.
    const QStringList disabledChoice = {"Option5", "Command9", "CommandChart", "Option1"};
    click(m_windows->form2(), "Command1");
    Form1* main = m_windows->form1();
    for (const auto& row : rows) {
        QStringList steps = allSteps; // from the input option round to it again
        steps.replace(2, QString::fromLatin1(row.scaleOption));
        for (const QString& fixed : row.fixedSteps)
            steps.removeAll(fixed);
        const QStringList expected = QStringList{row.inputOption} + steps + QStringList{row.inputOption};
        control<QRadioButton>(main, row.inputOption)->setChecked(true);
        control<QRadioButton>(main, row.scaleOption)->setChecked(true);
        enable(main, {"Command1", "Command3", "Command4", "Command5", "Command6"});
        ASSERT_TRUE(activate(main, control<QWidget>(main, row.inputOption))) << row.name;
        EXPECT_EQ(tabWalk(int(expected.size()) - 1).join(' ').toStdString(), expected.join(' ').toStdString())
            << row.name;
    }
    control<QRadioButton>(main, "Option5")->setChecked(true);
    control<QRadioButton>(main, "Option3")->setChecked(true);
    PublishedPoints points;
    points.logXAllowed = false; // Log - Linear and Log - Log off
    main->applyPublishedPoints(points);
    ASSERT_TRUE(activate(main, control<QWidget>(main, "Option5")));
    EXPECT_EQ(tabWalk(3).join(' ').toStdString(), disabledChoice.join(' ').toStdString());
}

TEST_F(Keyboard, DialogTabOrdersGoFromTopToBottom) {
    const struct {
        const char* name;
        QWidget* window;
        std::vector<const char*> enableFirst;
        QStringList expected;
    } rows[] = {
        {"start window",
         m_windows->form2(),
         {},
         {"Command1", "Command4", "Command3", "Command2", "Command1"}},
        {"browser",
         m_windows->form6(),
         {"Command1", "Command4", "Command8", "Text1", "CommandRecalc"},
         {"Drive1", "Dir1", "File1", "Command1", "Command4", "ComboCompare", "Text1", "Command8",
          "CommandRecalc", "Command3", "Command2", "Drive1"}},
        {"data save",
         m_windows->form4(),
         {},
         {"Drive1", "Dir1", "File1", "Text1", "Command1", "Command2", "Drive1"}},
        {"image save",
         m_windows->form5(),
         {},
         {"Drive1", "Dir1", "File1", "Text1", "Combo1", "Command1", "Command2", "Drive1"}},
        {"file input",
         m_windows->form10(),
         {},
         {"Drive1", "Dir1", "File1", "CommandClipboard", "CommandChart", "Command1", "Command2", "Command3",
          "List1", "Drive1"}},
        {"manual entry",
         m_windows->form11(),
         {"Command3", "Command4", "Command6"},
         {"Text1", "Text2", "Command1", "Command2", "Command4", "Command3", "Text3", "Text4", "Text5",
          "Command7", "Command6", "Command5", "List1", "Text1"}},
        {"format examples", m_windows->form9(), {}, {"File1", "List1", "Command1", "File1"}},
    };
    for (const auto& row : rows) {
        enable(row.window, row.enableFirst);
        ASSERT_TRUE(
            activate(row.window, control<QWidget>(row.window, row.expected.first().toLatin1().constData())))
            << row.name;
        EXPECT_EQ(tabWalk(int(row.expected.size()) - 1).join(' ').toStdString(),
                  row.expected.join(' ').toStdString())
            << row.name;
        row.window->hide();
    }
}

TEST_F(Keyboard, FormatExamplesAreShownWithoutTheMouse) {
    writeFile(QStringLiteral("ex_a.csv"), "1,2\r\n3,4\r\n");
    writeFile(QStringLiteral("ex_b.dat"), "5 6\r\n");
    click(m_windows->form2(), "Command4");
    Form9* help = m_windows->form9();
    ASSERT_TRUE(activate(help, control<QWidget>(help, "File1")));
    auto* lines = control<QListWidget>(help, "List1");
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(lines->count(), 0); // moving alone shows nothing
    ASSERT_EQ(control<QListWidget>(help, "File1")->currentRow(), 0);
    key(Qt::Key_Return);
    EXPECT_EQ(lines->count(), 2);
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    ASSERT_EQ(lines->count(), 1);
    EXPECT_EQ(lines->item(0)->text(), QStringLiteral("5 6"));
}

TEST_F(Keyboard, SaveDialogsOpenWithTheNameReadyToConfirm) {
    click(m_windows->form2(), "Command1");
    Form1* main = m_windows->form1();
    for (QWidget* dialog :
         {static_cast<QWidget*>(m_windows->form4()), static_cast<QWidget*>(m_windows->form5())}) {
        main->show();
        if (dialog == m_windows->form4()) {
            enable(main, {"Command6"});
            click(main, "Command6");
        } else {
            click(main, "Command8");
        }
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << dialog->objectName().toStdString();
        auto* name = control<QLineEdit>(dialog, "Text1");
        EXPECT_EQ(QApplication::focusWidget(), name) << dialog->objectName().toStdString();
        EXPECT_EQ(name->selectedText(), name->text()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

TEST_F(Keyboard, WholeCalculationWithoutTheMouse) {
    writeFile(QStringLiteral("pts.csv"), "1,2\r\n2,5\r\n4,3\r\n");
    // Start window: the first button has the focus; Enter presses it.
    Form2* start = m_windows->form2();
    ASSERT_TRUE(activate(start, control<QWidget>(start, "Command1")));
    key(Qt::Key_Return);
    Form1* main = m_windows->form1();
    ASSERT_TRUE(main->isVisible());

    // ① read from a file: the option is chosen, Tab to OK, Enter.
    ASSERT_TRUE(activate(main, control<QWidget>(main, "Option5")));
    ASSERT_TRUE(tabTo("Command9"));
    key(Qt::Key_Return);
    Form10* input = m_windows->form10();
    ASSERT_TRUE(input->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    ASSERT_EQ(focusedName(), QStringLiteral("File1"));
    auto* files = control<QListWidget>(input, "File1");
    ASSERT_EQ(files->count(), 1);
    key(Qt::Key_Down); // to the first file; moving alone reads nothing
    EXPECT_EQ(control<QListWidget>(input, "List1")->count(), 0);
    key(Qt::Key_Return);
    EXPECT_EQ(control<QListWidget>(input, "List1")->count(), 3);
    ASSERT_TRUE(tabTo("Command1"));
    key(Qt::Key_Return);
    ASSERT_TRUE(main->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    // ② .. ③: the scale mode stays Linear - Linear; limits typed, Enter along the boxes.
    control<QWidget>(main, "Text5")->setFocus(Qt::TabFocusReason);
    for (const char* text : {"0", "5", "1", "0", "6", "1"}) {
        type(QString::fromLatin1(text));
        key(Qt::Key_Return);
    }
    // ④ .. ⑦: each step hands the focus to the next one; Enter presses it.
    // The curve follows once the engine has ended.
    for (const char* step : {"Command3", "Command1", "Command4", "Command5"}) {
        ASSERT_EQ(focusedName(), QLatin1String(step));
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isWaitingForResult(); }, 11000));
    EXPECT_EQ(m_state.GraphDrawn, 1);
    // (The graph read by keys: ValueReadoutTest.cpp.)
    ASSERT_EQ(focusedName(), QStringLiteral("Command6"));

    // ⑧: the save dialog opens with the name selected; Enter saves.
    key(Qt::Key_Return);
    Form4* save = m_windows->form4();
    ASSERT_TRUE(QTest::qWaitForWindowActive(save));
    type(QStringLiteral("keys"));
    key(Qt::Key_Return);
    EXPECT_EQ(takeMessage(), QStringLiteral("  補間データは保存されました  "));
    EXPECT_TRUE(exists(QStringLiteral("keys-Mi.csv")));
    EXPECT_FALSE(save->isVisible());
}

TEST_F(Keyboard, BrowserDrawsAndEvaluatesWithoutTheMouse) {
    // A saved file to browse, made through the windows.
    drawCurveOf("1,2\r\n2,5\r\n4,3\r\n", 1, {"", "", "", "", "", ""}); // limits from the data
    Form1* main = m_windows->form1();
    saveData(QStringLiteral("run"));
    click(main, "Command2");

    Form2* start = m_windows->form2();
    ASSERT_TRUE(activate(start, control<QWidget>(start, "Command3")));
    key(Qt::Key_Return);
    Form6* browser = m_windows->form6();
    ASSERT_TRUE(browser->isVisible());
    ASSERT_TRUE(activate(browser, control<QWidget>(browser, "File1")));
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    ASSERT_TRUE(tabTo("Command1"));
    key(Qt::Key_Return);
    EXPECT_EQ(m_state.GraphDrawn, 1);
    ASSERT_TRUE(tabTo("Text1"));
    type(QStringLiteral("3"));
    key(Qt::Key_Return);
    EXPECT_FALSE(control<QLabel>(browser, "Label6")->text().isEmpty());
}

} // namespace
} // namespace mirendo

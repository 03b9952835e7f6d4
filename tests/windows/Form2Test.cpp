// The start window and the navigation between all windows.
#include "windows/Form2.h"
#include "plot/ExampleGraphs.h"
#include "support/AppTest.h" // every window, as a window set makes them

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QTest>

namespace mirendo {
namespace {

class StartWindowTest : public testing::WindowTest {
  protected:
    static QPushButton* button(const QWidget* window, const char* name) {
        return control<QPushButton>(window, name);
    }

    Module1 m_state;
};

TEST_F(StartWindowTest, LoadSetsTheDecadeLengthAndSwitchesTheReadoutOff) {
    EXPECT_EQ(Module1{}.Ln10, 2.3025851) << "held from the start";
    m_state.Ln10 = 0;
    m_state.GraphDrawn = 1;
    const WindowSet program(m_state);
    Form2 form;
    EXPECT_EQ(m_state.Ln10, 2.3025851);
    EXPECT_EQ(m_state.GraphDrawn, 0);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Lagrange Interpolation"));
    EXPECT_EQ(form.size(), QSize(985, 635));
}

TEST_F(StartWindowTest, ExitAndCloseDeleteTheExchangeFilesAndEndTheProgram) {
    struct Row {
        const char* name;
        bool filesPresent;
        bool byClosing;
    };
    const Row rows[] = {{"ExitWithFiles", true, false},
                        {"ExitWithoutFiles", false, false},
                        {"CloseWithFiles", true, true},
                        {"CloseWithoutFiles", false, true}};
    for (const Row& row : rows) {
        Form2 form;
        form.show();
        QSignalSpy exit(&form, &Form2::exitRequested);
        if (row.filesPresent)
            writeExchangeFiles();
        if (row.byClosing)
            form.close();
        else
            button(&form, "Command2")->click();
        EXPECT_EQ(exit.count(), 1) << row.name;
        EXPECT_FALSE(exists(QStringLiteral("B2F.dat"))) << row.name;
        EXPECT_FALSE(exists(QStringLiteral("F2B.dat"))) << row.name;
    }
}

TEST_F(StartWindowTest, ExampleGraphsAreDrawnInEveryPicture) {
    Form2 form;
    for (const char* name : {"Picture4", "Picture5", "Picture1", "Picture2"}) {
        const QImage image = control<QLabel>(&form, name)->pixmap().toImage();
        ASSERT_FALSE(image.isNull()) << name;
        int blue = 0, red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                blue += colour == QColor(0, 0, 255);
                red += colour == QColor(255, 0, 0);
            }
        EXPECT_GT(blue, 150) << name;  // the curve
        EXPECT_GT(red, 7 * 8) << name; // the point circles
    }
}

TEST_F(StartWindowTest, CompiledInExampleGraphsAreTheDrawingsOfTheirModes) {
    // The start window shows pictures drawn at build time; they must be what the plot code draws
    // now, for the right mode, at the size of the picture controls, at 1x and at 2x.
    const QSize size(kExampleGraphWidth, kExampleGraphHeight);
    Form2 form;
    EXPECT_EQ(control<QLabel>(&form, "Picture4")->size(), size);
    const auto rgb = [](const QPixmap& picture) {
        return picture.toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (int ratio : {1, 2}) {
        for (int mode = 1; mode <= 4; ++mode) {
            const QPixmap compiled = CompiledInExampleGraphPicture(mode, size, ratio);
            ASSERT_FALSE(compiled.isNull()) << mode << " at " << ratio << "x";
            EXPECT_EQ(compiled.deviceIndependentSize().toSize(), size) << mode << " at " << ratio << "x";
            EXPECT_EQ(compiled.size(), size * ratio) << mode << " at " << ratio << "x";
            const QImage drawn = ExampleGraphPicture(mode, size, ratio).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(rgb(compiled), drawn) << mode << " at " << ratio << "x";
            EXPECT_NE(rgb(CompiledInExampleGraphPicture(mode % 4 + 1, size, ratio)), drawn) << mode;
        }
    }
    // The 1x pictures are raw pixels used in place.
    const QResource raw(QStringLiteral(":/examples/") + ExampleGraphResourceName(1));
    EXPECT_EQ(raw.compressionAlgorithm(), QResource::NoCompression);
    // This run is at 1x; any other size is drawn on the spot.
    EXPECT_EQ(rgb(LoadExampleGraphPicture(3, size)), rgb(CompiledInExampleGraphPicture(3, size)));
    EXPECT_TRUE(CompiledInExampleGraphPicture(1, QSize(100, 80)).isNull());
    EXPECT_EQ(LoadExampleGraphPicture(1, QSize(100, 80)).size(), QSize(100, 80));
}

class NavigationTest : public testing::AppTest {
  protected:
    static QPushButton* button(const QWidget* window, const char* name) {
        return control<QPushButton>(window, name);
    }
};

TEST_F(NavigationTest, NewCalculationShowsTheResetMainWindowAndHidesHelp) {
    button(m_windows->form2(), "Command4")->click();
    EXPECT_TRUE(m_windows->form9()->isVisible());
    EXPECT_TRUE(m_windows->form2()->isVisible());

    m_state.GraphDrawn = 1;
    m_state.ScaleMode = 3;
    button(m_windows->form2(), "Command1")->click();
    EXPECT_TRUE(m_windows->form1()->isVisible());
    EXPECT_FALSE(m_windows->form2()->isVisible());
    EXPECT_FALSE(m_windows->form9()->isVisible());
    EXPECT_EQ(m_state.GraphDrawn, 0);
    EXPECT_EQ(m_state.ScaleMode, 1);

    button(m_windows->form1(), "Command2")->click();
    EXPECT_FALSE(m_windows->form1()->isVisible());
    EXPECT_TRUE(m_windows->form2()->isVisible());

    button(m_windows->form2(), "Command1")->click();
    m_windows->form1()->close();
    EXPECT_TRUE(m_windows->form2()->isVisible());
}

TEST_F(NavigationTest, BrowserOpensAndReturnsToTheStartWindow) {
    button(m_windows->form2(), "Command4")->click();
    button(m_windows->form2(), "Command3")->click();
    EXPECT_TRUE(m_windows->form6()->isVisible());
    EXPECT_FALSE(m_windows->form2()->isVisible());
    EXPECT_FALSE(m_windows->form9()->isVisible());
    m_windows->form6()->close();
    EXPECT_TRUE(m_windows->form2()->isVisible());
    EXPECT_EQ(m_state.GraphDrawn, 0);
}

TEST_F(NavigationTest, InputDialogsHideTheMainWindowUntilTheyFinish) {
    button(m_windows->form2(), "Command1")->click();
    Form1* main = m_windows->form1();

    button(main, "Command9")->click(); // read from a file
    EXPECT_TRUE(m_windows->form10()->isVisible());
    EXPECT_FALSE(main->isVisible());
    button(m_windows->form10(), "Command3")->click(); // "データ書式"
    EXPECT_TRUE(m_windows->form9()->isVisible());
    button(m_windows->form10(), "Command2")->click(); // cancel: the help goes with the dialog
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(m_windows->form9()->isVisible());

    control<QRadioButton>(main, "Option6")->click();
    button(main, "Command9")->click();
    EXPECT_TRUE(m_windows->form11()->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(m_state.EntryNo, 1);
    PublishedPoints points;
    points.tableLines = {"1  1", "2  4"};
    points.rangeTexts = {"1.0", "2.0", "1.0", "4.0"};
    emit m_windows->form11()->pointsPublished(points);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(button(main, "Command3")->isEnabled());
    EXPECT_EQ(control<QLabel>(main, "Label34")->text(), QStringLiteral("4.0"));
}

TEST_F(NavigationTest, SaveButtonsOpenTheSaveDialogs) {
    button(m_windows->form2(), "Command1")->click();
    Form1* main = m_windows->form1();
    button(main, "Command8")->click();
    EXPECT_TRUE(m_windows->form5()->isVisible());
    main->findChild<QPushButton*>(QStringLiteral("Command6"))->setEnabled(true);
    button(main, "Command6")->click();
    EXPECT_TRUE(m_windows->form4()->isVisible());
}

TEST_F(NavigationTest, ExitEndsTheProgramWithTheMainWindowHidden) {
    QSignalSpy exit(m_windows.get(), &WindowSet::exitRequested);
    button(m_windows->form2(), "Command1")->click();
    button(m_windows->form1(), "Command2")->click();
    writeExchangeFiles();
    button(m_windows->form2(), "Command2")->click();
    EXPECT_EQ(exit.count(), 1);
    EXPECT_FALSE(exists(QStringLiteral("B2F.dat")));
    EXPECT_FALSE(exists(QStringLiteral("F2B.dat")));
}

TEST_F(NavigationTest, CalculationFromAPointFileThroughEveryWindow) {
    writeFile(QStringLiteral("pts.csv"), "2,3\r\n20,50\r\n200,400\r\n");
    button(m_windows->form2(), "Command1")->click();
    Form1* main = m_windows->form1();
    button(main, "Command9")->click();
    ASSERT_TRUE(m_windows->form10()->isVisible());
    clickListItem(m_windows->form10(), "File1", QStringLiteral("pts.csv"));
    button(m_windows->form10(), "Command3")->click(); // "データ書式"
    click(m_windows->form10(), "Command1");
    ASSERT_TRUE(main->isVisible());
    EXPECT_FALSE(m_windows->form10()->isVisible());
    EXPECT_FALSE(m_windows->form9()->isVisible()) << "the help goes with the dialog";
    EXPECT_EQ(control<QListWidget>(main, "List1")->count(), 3);
    EXPECT_EQ(control<QLabel>(main, "Label32")->text(), QStringLiteral("200.0"));

    control<QRadioButton>(main, "Option4")->click();
    button(main, "Command3")->click(); // limits from the data range, as decades
    EXPECT_EQ(control<QLineEdit>(main, "Text5")->text(), QStringLiteral("1.0E00"));
    EXPECT_EQ(control<QLineEdit>(main, "Text6")->text(), QStringLiteral("1.0E+03"));
    button(main, "Command1")->click();
    button(main, "Command4")->click();
    button(main, "Command5")->click(); // the curve follows once the engine has ended
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isWaitingForResult(); }, 11000));
    EXPECT_EQ(m_state.GraphDrawn, 1);
    EXPECT_EQ(m_state.SampleCount, 100);

    button(main, "Command6")->click();
    EXPECT_TRUE(m_windows->form4()->isVisible());
    button(main, "Command2")->click();
    button(m_windows->form2(), "Command3")->click();
    EXPECT_TRUE(m_windows->form6()->isVisible());
}

} // namespace
} // namespace mirendo

// The start window and the navigation between all windows.
#include "windows/Form2.h"
#include "qt/examples/ExampleGraphs.h"
#include "support/AppTest.h" // every window, as a window set makes them
#include "support/Pixels.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QTest>

#include <tuple>

namespace mirendo {
namespace {

class StartWindowTest : public testing::WindowTest {
  protected:
    Module1 m_state;
};

TEST_F(StartWindowTest, LoadSetsTheDecadeLengthAndSwitchesTheReadoutOff) {
    EXPECT_EQ(Module1{}.Ln10, 2.3025851) << "held from the start";
    m_state.Ln10 = 0;
    m_state.GraphDrawn = 1;
    const WindowSet program(m_state);
    EXPECT_EQ(std::tuple(m_state.Ln10, m_state.GraphDrawn), std::tuple(2.3025851, 0));
}

TEST_F(StartWindowTest, ExitAndCloseDeleteTheExchangeFilesAndEndTheProgram) {
    for (const int row : {0, 1, 2, 3}) { // with and without files, by Exit and by closing
        SCOPED_TRACE(row);
        Form2 form;
        form.show();
        QSignalSpy exit(&form, &Form2::exitRequested);
        if (row % 2 == 0)
            writeExchangeFiles();
        if (row >= 2)
            form.close();
        else
            click(&form, "Command2");
        EXPECT_EQ(std::tuple(exit.count(), anyExchangeFile()), std::tuple(1, false));
    }
}

TEST_F(StartWindowTest, ExampleGraphsAreDrawnInEveryPicture) {
    Form2 form;
    for (const char* name : {"Picture4", "Picture5", "Picture1", "Picture2"}) {
        const QImage image = control<QLabel>(&form, name)->pixmap().toImage();
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(testing::CountColour(image, QColor(0, 0, 255)), 150) << name;   // the curve
        EXPECT_GT(testing::CountColour(image, QColor(255, 0, 0)), 7 * 8) << name; // the point circles
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
            SCOPED_TRACE(std::to_string(mode) + " at " + std::to_string(ratio) + "x");
            const QPixmap compiled = CompiledInExampleGraphPicture(mode, size, ratio);
            ASSERT_FALSE(compiled.isNull());
            EXPECT_EQ(compiled.deviceIndependentSize().toSize(), size);
            EXPECT_EQ(compiled.size(), size * ratio);
            const QImage drawn = ExampleGraphPicture(mode, size, ratio).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(rgb(compiled), drawn);
            EXPECT_NE(rgb(CompiledInExampleGraphPicture(mode % 4 + 1, size, ratio)), drawn);
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

using NavigationTest = testing::AppTest;

TEST_F(NavigationTest, NewCalculationShowsTheResetMainWindowAndHidesHelp) {
    click(m_windows->form2(), "Command4");
    EXPECT_TRUE(m_windows->form9()->isVisible());
    EXPECT_TRUE(m_windows->form2()->isVisible());

    m_state.GraphDrawn = 1;
    m_state.ScaleMode = 3;
    click(m_windows->form2(), "Command1");
    EXPECT_EQ(std::tuple(m_windows->form1()->isVisible(), m_windows->form2()->isVisible(),
                         m_windows->form9()->isVisible(), m_state.GraphDrawn, m_state.ScaleMode),
              std::tuple(true, false, false, 0, 1));

    click(m_windows->form1(), "Command2");
    EXPECT_FALSE(m_windows->form1()->isVisible());
    EXPECT_TRUE(m_windows->form2()->isVisible());

    click(m_windows->form2(), "Command1");
    m_windows->form1()->close();
    EXPECT_TRUE(m_windows->form2()->isVisible());
}

TEST_F(NavigationTest, BrowserOpensAndReturnsToTheStartWindow) {
    click(m_windows->form2(), "Command4");
    click(m_windows->form2(), "Command3");
    EXPECT_EQ(std::tuple(m_windows->form6()->isVisible(), m_windows->form2()->isVisible(),
                         m_windows->form9()->isVisible()),
              std::tuple(true, false, false));
    m_windows->form6()->close();
    EXPECT_EQ(std::tuple(m_windows->form2()->isVisible(), m_state.GraphDrawn), std::tuple(true, 0));
}

TEST_F(NavigationTest, InputDialogsHideTheMainWindowUntilTheyFinish) {
    click(m_windows->form2(), "Command1");
    Form1* main = m_windows->form1();

    click(main, "Command9"); // read from a file
    EXPECT_EQ(std::tuple(m_windows->form10()->isVisible(), main->isVisible()), std::tuple(true, false));
    click(m_windows->form10(), "Command3"); // "データ書式"
    EXPECT_TRUE(m_windows->form9()->isVisible());
    click(m_windows->form10(), "Command2"); // cancel: the help goes with the dialog
    EXPECT_EQ(std::tuple(main->isVisible(), m_windows->form9()->isVisible()), std::tuple(true, false));

    control<QRadioButton>(main, "Option6")->click();
    click(main, "Command9");
    EXPECT_EQ(std::tuple(m_windows->form11()->isVisible(), main->isVisible(), m_state.EntryNo),
              std::tuple(true, false, 1));
    PublishedPoints points;
    points.tableLines = {"1  1", "2  4"};
    points.rangeTexts = {"1.0", "2.0", "1.0", "4.0"};
    emit m_windows->form11()->pointsPublished(points);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(control<QPushButton>(main, "Command3")->isEnabled());
    EXPECT_EQ(control<QLabel>(main, "Label34")->text(), QStringLiteral("4.0"));
}

TEST_F(NavigationTest, SaveButtonsOpenTheSaveDialogs) {
    click(m_windows->form2(), "Command1");
    Form1* main = m_windows->form1();
    click(main, "Command8");
    EXPECT_TRUE(m_windows->form5()->isVisible());
    main->findChild<QPushButton*>(QStringLiteral("Command6"))->setEnabled(true);
    click(main, "Command6");
    EXPECT_TRUE(m_windows->form4()->isVisible());
}

TEST_F(NavigationTest, ExitEndsTheProgramWithTheMainWindowHidden) {
    QSignalSpy exit(m_windows.get(), &WindowSet::exitRequested);
    click(m_windows->form2(), "Command1");
    click(m_windows->form1(), "Command2");
    writeExchangeFiles();
    click(m_windows->form2(), "Command2");
    EXPECT_EQ(std::tuple(exit.count(), anyExchangeFile()), std::tuple(1, false));
}

} // namespace
} // namespace mirendo

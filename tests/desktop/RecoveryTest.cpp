// Points typed by hand outlive a killed program; other points replace them only when the user agrees.
#include "core/input/TypedRecovery.h"
#include "qt/messages/Messages.h"
#include "support/AppTest.h"

#include <QAction>
#include <QClipboard>
#include <QProcess>
#include <QTextStream>

#include <functional>
#include <tuple>

namespace mirendo::testing {
namespace {

class Recovery : public AppTest {
  protected:
    // A new calculation: three points typed by hand and finished, " Linear - Log", a Y limit.
    void typePoints() {
        emit m_windows->form2()->newCalculationRequested();
        control<QRadioButton>(main(), "Option6")->click();
        click(main(), "Command9");
        for (const auto& [x, y] : {std::pair{"3", "30"}, {"1", "10"}, {"2", "20"}}) {
            type(m_windows->form11(), "Text1", x);
            type(m_windows->form11(), "Text2", y);
            click(m_windows->form11(), "Command1");
        }
        click(m_windows->form11(), "Command2");
        click(m_windows->form11(), "Command4");
        control<QRadioButton>(main(), "Option2")->click();
        type(main(), "Text9", "1e3");
    }
    bool kept() const { return exists(QString::fromLatin1(kRecoveryFileName)); }
};

TEST_F(Recovery, AKilledProgramsTypedPointsComeBackOrGo) {
    // Run once more as a child that types the points in this folder and waits to be killed.
    if (QDir::setCurrent(qEnvironmentVariable("MIRENDO_RECOVERY_CHILD", "/nonexistent"))) {
        m_windows = std::make_unique<WindowSet>(m_state, engineFolder());
        typePoints();
        QTextStream(stdout) << "TYPED" << Qt::endl;
        return QTest::qWait(60000);
    }
    QProcess child;
    child.setEnvironment(QProcess::systemEnvironment() << "MIRENDO_RECOVERY_CHILD=" + m_dir.path());
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Recovery.AKilled*"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return child.readAllStandardOutput().contains("TYPED"); }, 30000));
    child.kill(); // SIGKILL
    ASSERT_TRUE(child.waitForFinished(5000) && kept());
    for (const int answer : {1, 0, -1}) { // はい (the points are kept again), いいえ, then a damaged file
        answer < 0 ? writeFile(QString::fromLatin1(kRecoveryFileName), "Mirendo typed points 1\r\nmode 7\r\n")
                   : answerNextQuestion(answer == 1);
        Module1 state;
        WindowSet windows(state, engineFolder());
        windows.start(QString());
        EXPECT_EQ(std::tuple(answer < 0 ? takeMessage() : takeQuestion(), kept()),
                  std::tuple(answer < 0 ? RecoveryDamagedMessage() : RecoveryQuestion(), answer == 1));
        if (answer != 1)
            continue;
        Form1* restored = windows.form1();
        EXPECT_EQ((std::array{state.PointCount, int(state.XData[1]), int(state.YData[3])}),
                  (std::array{3, 1, 30}));
        EXPECT_TRUE(restored->isVisible() && control<QRadioButton>(restored, "Option2")->isChecked() &&
                    control<QRadioButton>(restored, "Option6")->isChecked());
        EXPECT_EQ(restored->settingTexts(), (SettingTexts{"", "", "", "", "1e3", "10"}));
        click(restored, "Command3"); // ④ as after typing them: the Y start taken from the ranges
        EXPECT_EQ(textOf(restored, "Text8"), QStringLiteral("1.0E+01"));
    }
}

TEST_F(Recovery, TypedPointsAreReplacedOnlyAfterAsking) {
    writeFile("other.csv", "5,1\r\n6,2\r\n");
    QGuiApplication::clipboard()->setText(QStringLiteral("5\t1\n6\t2\n"));
    const std::function<void()> ways[] = {
        [this] { m_windows->openFile(workPath("other.csv")); },                            // hand-over
        [this] { emit main()->pointFileDropped(workPath("other.csv")); },                  // drop
        [this] { main()->findChild<QAction*>(QStringLiteral("CommandPaste"))->trigger(); } // Ctrl+V
    };
    for (int row = 0; row < 6; ++row) { // each way answered いいえ, then はい
        typePoints();
        answerNextQuestion(row % 2 == 1);
        ways[row / 2]();
        EXPECT_EQ(std::tuple(takeQuestion(), m_state.XData[1] == 5, kept()),
                  std::tuple(ReplaceTypedPointsQuestion(), row % 2 == 1, row % 2 == 0))
            << row;
    }
}

} // namespace
} // namespace mirendo::testing

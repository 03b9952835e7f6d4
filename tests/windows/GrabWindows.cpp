// Not a test: draws the start window and the main window after a " Log - Log" calculation
// and saves both to PNG files in the folder given as the only argument, for looking at them.
#include "core/input/Ordering.h"
#include "qt/bridge/Calculation.h"
#include "widgets/PictureBox.h"
#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    mirendo::Module1 state;
    mirendo::Form2 start;
    start.show();
    start.grab().save(QDir(out).filePath(QStringLiteral("Form2.png")));

    mirendo::Calculation runner(QStringLiteral(MIRENDO_ENGINE_DIR));
    mirendo::Form1 main(state, &runner);
    main.show();
    main.ResetMainWindow();
    main.grab().save(QDir(out).filePath(QStringLiteral("Form1-reset.png")));
    const double xs[] = {2, 20, 200, 900}, ys[] = {3, 50, 400, 700};
    state.PointCount = 4;
    std::vector<std::string> lines;
    for (int i = 1; i <= 4; ++i) {
        state.XData[i] = xs[i - 1];
        state.YData[i] = ys[i - 1];
        mirendo::UpdateRange(state, i);
        lines.push_back(mirendo::TableLine(xs[i - 1], ys[i - 1]));
    }
    main.applyPublishedPoints(mirendo::PublishFilePoints(state, lines));
    main.findChild<QRadioButton*>(QStringLiteral("Option4"))->click();
    main.findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("1"));
    main.findChild<QLineEdit*>(QStringLiteral("Text6"))->setText(QStringLiteral("1000"));
    main.findChild<QLineEdit*>(QStringLiteral("Text8"))->setText(QStringLiteral("1"));
    main.findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("1000"));
    for (const char* name : {"Command3", "Command1", "Command4"})
        main.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    if (!QTest::qWaitFor([&runner] { return !runner.isRunning(); }, 10000))
        return 1;
    main.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    emit main.findChild<mirendo::PictureBox*>(QStringLiteral("Picture1"))->mouseMovedTo(3.0f, 0);
    main.grab().save(QDir(out).filePath(QStringLiteral("Form1.png")));
    return 0;
}

// Not a test: the chart window with the example chart (its side file taken back: log-log, the
// grid drawn), five points placed on the curve and snapped, the third selected in the loupe;
// saved as <folder>/chart-<scale>x.png, then the main window after "この点で計算" as
// <folder>/chart-main-<scale>x.png, and the file-input dialog with its entry to the chart window as
// <folder>/chart-Form10-<scale>x.png (QT_SCALE_FACTOR=2 for the 2x set).
// Usage: grab_chart [folder]   (default /tmp); in English when LANGUAGE=en, as Mirendo.
#include "programs/mirendo/WindowSet.h"
#include "qt/examples/ExampleChart.h"
#include "qt/lang/Language.h"
#include "widgets/ChartPictureView.h"
#include "widgets/MessageBox.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/FormChart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <variant>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mirendo::InstallLanguage(mirendo::LanguageOfUser(std::nullopt));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const QString scale = QString::number(qRound(app.devicePixelRatio())) + QStringLiteral("x");
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    const QString picture = QDir(work.path()).filePath(QString::fromLatin1(mirendo::kExampleChartName));
    for (const QString& suffix : {QString(), QStringLiteral(".mirendo-chart")})
        QFile::copy(QStringLiteral(MIRENDO_EXAMPLES_DIR "/") +
                        QString::fromLatin1(mirendo::kExampleChartName) + suffix,
                    picture + suffix);
    mirendo::SetQuestionHook([](const QString&) { return true; }); // the side file taken back
    mirendo::SetMessageHook([](const QString& text, mirendo::MessageIcon) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    });

    mirendo::Module1 state;
    mirendo::WindowSet windows(state, QStringLiteral(MIRENDO_ENGINE_DIR));
    windows.form1()->ResetMainWindow();
    windows.form1()->show();
    QTest::mouseClick(windows.form1()->findChild<QPushButton*>(QStringLiteral("CommandChart")),
                      Qt::LeftButton);
    mirendo::FormChart* chart = windows.formChart();
    chart->resize(chart->minimumSize());
    if (!chart->openPicture(picture))
        return 1;
    QTest::qWait(50);
    mirendo::ChartPictureView* view = chart->view();
    const auto made = chart->document().calibration();
    const auto* calibration = std::get_if<mirendo::chart::Calibration>(&made);
    if (!calibration)
        return 2;
    // Five points 2 to 3 pixels beside the curve, each snapped to its middle.
    int placed = 0;
    for (double hertz : {300.0, 3e3, 3e4, 3e5, 3e6}) {
        const auto at = calibration->toPixel({hertz, mirendo::ExampleChartImpedance(hertz)});
        if (!at)
            continue;
        const QPointF off = view->pixelToViewport(QPointF(at->x + 1.5, at->y + 2.5));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, off.toPoint());
        QTest::mouseClick(chart->findChild<QPushButton*>(QStringLiteral("CommandSnap")), Qt::LeftButton);
        ++placed;
    }
    chart->findChild<QListWidget*>(QStringLiteral("ListPoints"))->setCurrentRow(2);
    view->setFocus();
    QTest::qWait(100);
    chart->grab().save(QDir(out).filePath(QStringLiteral("chart-%1.png").arg(scale)));
    QTest::mouseClick(chart->findChild<QPushButton*>(QStringLiteral("CommandCalculate")), Qt::LeftButton);
    QTest::qWait(100);
    windows.form1()->grab().save(QDir(out).filePath(QStringLiteral("chart-main-%1.png").arg(scale)));
    windows.form10()->prepare();
    windows.form10()->show();
    QTest::qWait(50);
    windows.form10()->grab().save(QDir(out).filePath(QStringLiteral("chart-Form10-%1.png").arg(scale)));
    std::printf("%d points placed\n", placed);
    mirendo::SetQuestionHook({});
    mirendo::SetMessageHook({});
    return 0;
}

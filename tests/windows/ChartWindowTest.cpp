// The chart window as the user works it: the example chart calibrated and read by keys, undo and
// redo, the hand-over to the main window, the side file, the refusals, a PDF page through the
// plugin, and random gestures that every undo takes back.
#include "support/AppTest.h"

#include "core/chart/ChartFiles.h"
#include "core/input/PointFileReader.h"
#include "qt/examples/ExampleChart.h"
#include "widgets/ChartPictureView.h"
#include "windows/FormChart.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QUrl>

namespace mirendo::testing {
namespace {

using chart::PixelPoint;

class ChartWindowTest : public AppTest {
  protected:
    FormChart* chart() const { return m_windows->formChart(); }
    ChartPictureView* view() const { return chart()->view(); }

    // The example chart (and its side file, when `withSideFile`) in the working folder.
    QString writeExample(bool withSideFile) {
        const QString path = workPath(QStringLiteral("chart.png"));
        EXPECT_TRUE(ExampleChartPicture().save(path));
        if (withSideFile)
            writeFile(QStringLiteral("chart.png.mirendo-chart"),
                      QByteArray::fromStdString(chart::SerializeChart(ExampleChartDocument())));
        return path;
    }
    // The chart window opened from step ① after `mode` was chosen in the main window.
    void openFromMainWindow(int mode) {
        main()->ResetMainWindow();
        main()->show();
        chooseMode(mode);
        click(main(), "CommandChart");
        ASSERT_TRUE(activate(chart(), view())); // its shortcuts (Ctrl+Z, Ctrl+Y) need it active
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(view(), key, modifiers);
    }
    // The keyboard cursor moved to `target` by arrow keys: tens with Ctrl, ones, tenths with Shift.
    void cursorTo(PixelPoint target) {
        view()->setFocus();
        for (const bool horizontal : {true, false}) {
            const QPointF at = view()->keyboardCursor();
            const long tenths = std::lround(((horizontal ? target.x - at.x() : target.y - at.y())) * 10);
            const Qt::Key key = horizontal ? (tenths < 0 ? Qt::Key_Left : Qt::Key_Right)
                                           : (tenths < 0 ? Qt::Key_Up : Qt::Key_Down);
            const long steps = std::labs(tenths);
            press(key, Qt::ControlModifier, int(steps / 100));
            press(key, {}, int(steps % 100 / 10));
            press(key, Qt::ShiftModifier, int(steps % 10));
        }
        EXPECT_NEAR(view()->keyboardCursor().x(), target.x, 0.05 + 1e-9);
        EXPECT_NEAR(view()->keyboardCursor().y(), target.y, 0.05 + 1e-9);
    }
    void typeValue(const char* box, const QString& text) {
        type(chart(), box, text);
        QTest::keyClick(control<QLineEdit>(chart(), box), Qt::Key_Return);
    }
    std::string state() const { return chart::SerializeChart(chart()->document()); }
    // A picture's file bytes in `format` ("png", "jpg", "bmp").
    static QByteArray Encoded(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }
};

TEST_F(ChartWindowTest, CalibratedAndReadByKeysThenHandedToTheMainWindow) {
    openFromMainWindow(4); // Log - Log: both axes preset logarithmic
    ASSERT_TRUE(chart()->openPicture(writeExample(false)));
    const chart::ChartDocument example = ExampleChartDocument();
    for (chart::Reference reference : chart::kReferences) {
        cursorTo(*example.reference(reference).pixel);
        press(Qt::Key_Return);
    }
    typeValue("TextX1", QStringLiteral("100"));
    typeValue("TextX2", QStringLiteral("1E+07"));
    typeValue("TextY1", QStringLiteral("0.01"));
    typeValue("TextY2", QStringLiteral("１０００")); // as an input method writes it
    const auto made = chart()->document().calibration();
    const auto* calibration = std::get_if<chart::Calibration>(&made);
    ASSERT_NE(calibration, nullptr);

    const double hertz[] = {1e5, 1e3};
    for (double f : hertz) {
        cursorTo(*calibration->toPixel({f, ExampleChartImpedance(f)}));
        press(Qt::Key_Return);
    }
    ASSERT_EQ(chart()->document().points().size(), 2u);
    // Point 1 chosen in the list and moved three tenths right: one step for undo and redo.
    auto* list = control<QListWidget>(chart(), "ListPoints");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    const std::string placed = state();
    const PixelPoint first = chart()->document().points()[0];
    press(Qt::Key_Right, Qt::ShiftModifier, 3);
    EXPECT_NEAR(chart()->document().points()[0].x, first.x + 0.3, 1e-9);
    const std::string moved = state();
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state(), placed);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state(), moved);
    press(Qt::Key_Delete);
    EXPECT_EQ(chart()->document().points().size(), 1u);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state(), moved);
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(view()->accessibleName().contains(QStringLiteral("X = ")))
        << view()->accessibleName().toStdString();

    click(chart(), "CommandCalculate");
    EXPECT_FALSE(chart()->isVisible());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_TRUE(control<QRadioButton>(main(), "Option4")->isChecked());
    EXPECT_TRUE(enabled("Command3"));
    ASSERT_EQ(m_state.PointCount, 2);
    // In ascending X: the points placed by keys as drawn (to 0.05 pixel: 0.05 % here), the moved
    // one three tenths of a pixel further right (five decades over 800 pixels).
    EXPECT_NEAR(m_state.XData[1] / 1e3, 1, 5e-4);
    EXPECT_NEAR(m_state.YData[1] / ExampleChartImpedance(1e3), 1, 5e-4);
    EXPECT_NEAR(m_state.XData[2] / 1e5, std::pow(10, 0.3 * 5 / 800), 5e-4);
    EXPECT_NEAR(m_state.YData[2] / ExampleChartImpedance(1e5), 1, 5e-4);
}

TEST_F(ChartWindowTest, TheSideFileKeepsTheWorkAndIsOfferedBack) {
    openFromMainWindow(1);
    const QString picture = writeExample(true);
    answerNextQuestion(true);
    ASSERT_TRUE(chart()->openPicture(picture));
    takeQuestion();
    const PixelPoint on = *std::get<chart::Calibration>(chart()->document().calibration()).toPixel({1e4, 1});
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                      view()->pixelToViewport({on.x, on.y}).toPoint());
    chart()->close(); // writes what waited for a pause
    const std::string kept = state();
    EXPECT_EQ(bytesOf(QStringLiteral("chart.png.mirendo-chart")).toStdString(), kept);

    answerNextQuestion(false); // declined: a fresh start on the same picture
    ASSERT_TRUE(chart()->openPicture(picture));
    takeQuestion();
    EXPECT_TRUE(chart()->document().points().empty());
    answerNextQuestion(true);
    ASSERT_TRUE(chart()->openPicture(picture));
    takeQuestion();
    EXPECT_EQ(state(), kept);

    const char damaged[] = "Mirendo chart 1\r\npoint,1,x\r\n";
    writeFile(QStringLiteral("chart.png.mirendo-chart"), damaged);
    answerNextQuestion(true);
    ASSERT_TRUE(chart()->openPicture(picture));
    takeQuestion();
    expectMessageStartingWith(ChartSideFileRefusedMessage(*chart::ParseChart(damaged).refusal));
}

TEST_F(ChartWindowTest, WhatCannotBeReadOrCalculatedIsRefusedInWords) {
    openFromMainWindow(1);
    const QByteArray png = Encoded(ExampleChartPicture(), "png");
    struct Row {
        const char* name;
        QByteArray bytes;
        ChartPictureRead::Status status;
    } rows[] = {
        {"notes.txt", "1,2\r\n3,4\r\n", ChartPictureRead::Status::NotReadable},
        {"cut.png", png.left(png.size() / 2), ChartPictureRead::Status::Damaged},
        {"empty.svg", "<svg xmlns='http://www.w3.org/2000/svg'/>", ChartPictureRead::Status::Damaged},
        {"text.pdf", "not a PDF", ChartPictureRead::Status::Damaged},
    };
    for (const Row& row : rows) {
        writeFile(QString::fromLatin1(row.name), row.bytes);
        ChartPictureRead read;
        read.status = row.status;
        EXPECT_FALSE(chart()->openPicture(workPath(QString::fromLatin1(row.name)))) << row.name;
        expectMessageStartingWith(ChartPictureMessage(read, workPath(QString::fromLatin1(row.name))));
    }
    EXPECT_FALSE(chart()->openPicture(workPath(QStringLiteral("missing.png"))));
    takeMessage();

    // Four reference points and a point, but no values: the first value missing is named.
    chart()->takePicture(ExampleChartPicture());
    EXPECT_FALSE(control<QPushButton>(chart(), "CommandCalculate")->isEnabled());
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                          view()->viewport()->rect().center() + QPoint(20 * i, 15 * i));
    ASSERT_EQ(chart()->document().points().size(), 1u);
    click(chart(), "CommandCalculate");
    expectMessageStartingWith(ChartCalibrationMessage(
        {chart::CalibrationProblem::ValueMissing, chart::ChartAxis::X, chart::Reference::X1}));
    EXPECT_TRUE(chart()->isVisible());
}

TEST_F(ChartWindowTest, APdfPageIsReadThroughThePlugin) {
    openFromMainWindow(1);
    const QString path = workPath(QStringLiteral("two.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, 400, 400), Qt::black);
        writer.newPage();
        painter.fillRect(QRect(0, 0, 4000, 4000), Qt::blue);
    }
    ASSERT_TRUE(chart()->openPicture(path));
    auto* pages = control<QComboBox>(chart(), "ComboPage");
    EXPECT_EQ(pages->count(), 2);
    EXPECT_TRUE(pages->isEnabled());
    EXPECT_LT(qGray(view()->image().pixel(5, 5)), 40);
    pages->setCurrentIndex(1);
    emit pages->activated(1);
    EXPECT_GT(qBlue(view()->image().pixel(5, 5)), 200);
    EXPECT_LT(qRed(view()->image().pixel(5, 5)), 60);
    EXPECT_GE(std::max(view()->image().width(), view()->image().height()), kVectorLongSide);
    EXPECT_FALSE(chart()->openPicture(path, 5));
    ChartPictureRead read;
    read.status = ChartPictureRead::Status::NoSuchPdfPage;
    read.pdfPageCount = 2;
    expectMessageStartingWith(ChartPictureMessage(read, path));
}

// The other ways in and out: the file-input dialog's button, a pasted screenshot, and the points
// saved as a point file that the reader reads back to the same values.
TEST_F(ChartWindowTest, PastedAndSavedAsAPointFileThatReadsBack) {
    click(m_windows->form10(), "CommandChart");
    ASSERT_TRUE(activate(chart(), view()));
    QGuiApplication::clipboard()->setText(QStringLiteral("no picture"));
    press(Qt::Key_V, Qt::ControlModifier);
    expectMessageStartingWith(ChartNoPictureInClipboardMessage());
    QGuiApplication::clipboard()->setImage(ExampleChartPicture());
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(view()->image().size(), ExampleChartPicture().size());
    EXPECT_TRUE(chart()->picturePath().isEmpty());
    // Work on the pasted picture has no file to stay in: another picture replaces it when the
    // user agrees, not before (a second paste is asked about too).
    press(Qt::Key_Return); // X1 placed
    ASSERT_TRUE(chart()->document().canUndo());
    answerNextQuestion(false);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(takeQuestion(), ChartPastedWorkQuestion());
    EXPECT_TRUE(chart()->document().canUndo());
    answerNextQuestion(false);
    EXPECT_FALSE(chart()->openPicture(writeExample(false)));
    EXPECT_EQ(takeQuestion(), ChartPastedWorkQuestion());
    EXPECT_TRUE(chart()->picturePath().isEmpty());
    // A file dropped on the picture is opened once the drop has ended.
    answerNextQuestion(true);
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(writeExample(false))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(view()->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(view()->viewport(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !chart()->picturePath().isEmpty(); }, 2000));
    EXPECT_EQ(takeQuestion(), ChartPastedWorkQuestion());
    EXPECT_EQ(chart()->picturePath(), workPath(QStringLiteral("chart.png")));

    const chart::ChartDocument example = ExampleChartDocument();
    for (chart::Reference reference : chart::kReferences) {
        cursorTo(*example.reference(reference).pixel);
        press(Qt::Key_Return);
    }
    const char* boxes[] = {"TextX1", "TextX2", "TextY1", "TextY2"};
    for (chart::Reference reference : chart::kReferences)
        typeValue(boxes[int(reference)], QString::number(*example.reference(reference).value));
    for (const QPointF at : {QPointF(300.2, 400.7), QPointF(200, 500), QPointF(700.5, 650.3)}) {
        cursorTo({at.x(), at.y()});
        press(Qt::Key_Return);
    }
    click(chart(), "CommandSave");
    QWidget* save = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        save = window->objectName() == QStringLiteral("FormChartSave") ? window : save;
    ASSERT_TRUE(save && save->isVisible());
    type(save, "Text1", QStringLiteral("read"));
    click(save, "Command1");
    const PointFileRead read =
        ReadPointFile(QFile::encodeName(workPath(QStringLiteral("read.csv"))).toStdString());
    ASSERT_TRUE(read.givesPoints());
    const std::vector<chart::DataPoint> points = chart()->document().dataPoints();
    ASSERT_EQ(read.pointCount, int(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(read.x[i + 1], points[i].x);
        EXPECT_EQ(read.y[i + 1], points[i].y);
    }
}

// The picture reader on hundreds of damaged files of every kind it takes: cut short, bytes changed,
// garbage under a picture's name. Never a crash; an untouched file is read, and a raster file is
// read exactly when Qt's own loader takes it.
TEST_F(ChartWindowTest, ThePictureReaderTakesDamagedFilesCalmly) {
    std::vector<std::pair<QString, QByteArray>> originals;
    const QImage small = ExampleChartPicture().scaled(120, 100);
    for (const char* format : {"png", "jpg", "bmp"}) // (Qt reads GIF but does not write it)
        originals.emplace_back(QString::fromLatin1(format), Encoded(small, format));
    originals.emplace_back(QStringLiteral("svg"),
                           "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>"
                           "<path d='M0 0L40 30' stroke='black'/></svg>");
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter(&writer).drawLine(0, 0, 500, 500);
    }
    originals.emplace_back(QStringLiteral("pdf"), pdf);
    QRandomGenerator random(17);
    for (int i = 0; i < 400; ++i) {
        auto [suffix, bytes] = originals[std::size_t(random.bounded(int(originals.size())))];
        const int damage = random.bounded(4);
        if (damage == 0)
            bytes.truncate(random.bounded(int(bytes.size())));
        for (int k = 0; damage == 1 && !bytes.isEmpty() && k < 1 + random.bounded(20); ++k)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        if (damage == 2)
            for (auto& byte : bytes = QByteArray(random.bounded(2000), '\0'))
                byte = char(random.bounded(256));
        const QString name = QStringLiteral("f%1.%2").arg(i).arg(suffix);
        writeFile(name, bytes);
        const ChartPictureRead read = ReadChartPicture(workPath(name));
        EXPECT_EQ(read.ok(), !read.image.isNull()) << name.toStdString();
        if (damage == 3) {
            EXPECT_TRUE(read.ok()) << name.toStdString();
        } else if (!IsPdfPath(name) && !IsSvgPath(name)) {
            EXPECT_EQ(read.ok(), !QImage(workPath(name)).isNull()) << name.toStdString();
        }
    }
}

// Hundreds of random gestures: clicks anywhere (beside the picture too), drags, arrows with every
// modifier, Enter, Delete, Escape, typed values of every kind, scale changes, undo and redo. The
// list always shows the points, at most ten; undoing every step gives the picture as it was
// opened, and redoing them all the work as it stood.
TEST_F(ChartWindowTest, RandomGesturesAreAllTakenBackByUndo) {
    openFromMainWindow(1);
    chart()->takePicture(ExampleChartPicture());
    const std::string opened = state();
    QRandomGenerator random(28);
    const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,   Qt::Key_Down, Qt::Key_Return,
                            Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Minus};
    const Qt::KeyboardModifiers modifiers[] = {{}, Qt::ShiftModifier, Qt::ControlModifier};
    const char* boxes[] = {"TextX1", "TextX2", "TextY1", "TextY2"};
    const QString values[] = {"1", "10", "0", "-5", "1e3", "abc", "", "1e400", "２", "10"};
    for (int step = 0; step < 400; ++step) {
        const QPoint at(random.bounded(-20, view()->width() + 20),
                        random.bounded(-20, view()->height() + 20));
        switch (random.bounded(6)) {
        case 0:
            QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
            break;
        case 1:
            QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseMove(view()->viewport(), at + QPoint(random.bounded(-9, 9), random.bounded(-9, 9)));
            QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, at + QPoint(5, 3));
            break;
        case 2:
        case 3:
            press(keys[random.bounded(int(std::size(keys)))], modifiers[random.bounded(3)]);
            break;
        case 4: {
            const QString value = values[random.bounded(int(std::size(values)))];
            typeValue(boxes[random.bounded(4)], value);
            while (!noMessages())
                takeMessage(); // "abc" and "1e400" are no values
            break;
        }
        default:
            control<QComboBox>(chart(), random.bounded(2) ? "ComboScaleX" : "ComboScaleY")
                ->setCurrentIndex(random.bounded(2));
            press(random.bounded(2) ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        }
        ASSERT_LE(chart()->document().points().size(), 10u);
        ASSERT_EQ(control<QListWidget>(chart(), "ListPoints")->count(),
                  int(chart()->document().points().size()));
    }
    const std::string reached = state();
    int steps = 0;
    while (chart()->document().canUndo() && steps < 10000) {
        click(chart(), "CommandUndo");
        ++steps;
    }
    EXPECT_GT(steps, 40); // the gestures did change the work
    EXPECT_EQ(state(), opened);
    while (chart()->document().canRedo())
        click(chart(), "CommandRedo");
    EXPECT_EQ(state(), reached);
}

} // namespace
} // namespace mirendo::testing

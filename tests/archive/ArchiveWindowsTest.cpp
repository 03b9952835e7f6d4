// The save dialog, the image save and the browser, driven headless: a calculation in each scale
// mode saved, reopened, redrawn and evaluated; failed saves leaving existing files intact;
// refused archives leaving the state and the graph untouched.
#include "ArchiveSamples.h"
#include "archive/ArchiveWriter.h"
#include "archive/Form4.h"
#include "archive/Form5.h"
#include "archive/Form6.h"
#include "plot/Plot.h"
#include "plot/Readout.h"
#include "state/NumberText.h"
#include "support/CanvasCalls.h"
#include "support/GraphArea.h"
#include "support/Handlers.h"
#include "support/WindowTest.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>

namespace mirendo {
namespace {

const QString kSaved = QStringLiteral("  補間データは保存されました  ");
const QString kNoName = QStringLiteral("  ファイル名を入力して下さい！ ");
const QString kSelectFile = QStringLiteral(" ***  ファイルを選択して下さい！ ");
const QString kCannotCalculate = QStringLiteral("　正しく計算できません　");
const QString kImageSaved = QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  ");

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every message box is recorded instead of shown; a test takes the ones it expects, and any
// left over at the end fails it.
class ArchiveWindows : public testing::WindowTest {
  protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    static Module1 FreshState() {
        Module1 s;
        s.Ln10 = Module1::kLn10;
        return s;
    }

    // Saves `state` through Form4 as "<name>-Mi.csv" in the temporary folder.
    void save(Module1& state, const SettingTexts& settings, const QString& name) {
        Form4 form(state);
        form.setSource([&state, settings] { return std::optional(ArchiveSource{state, settings}); });
        ASSERT_TRUE(form.folderLists()->setPath(m_dir.path()));
        form.openWith(name);
        testing::InvokeHandler(&form, "Command1_Click");
        const ShownMessage m = takeShown();
        ASSERT_EQ(m.text, kSaved);
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_FALSE(form.isVisible());
    }

    static void select(Form6& browser, const QString& name) {
        auto* list = browser.findChild<QListWidget*>(QStringLiteral("File1"));
        ASSERT_NE(list, nullptr);
        browser.folderLists()->refreshFiles();
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items.front());
        emit list->itemClicked(items.front());
    }

    static QString textOf(const QWidget& window, const char* name) {
        if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        if (auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        ADD_FAILURE() << "no control " << name;
        return {};
    }
    static QWidget* control(const QWidget& window, const char* name) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(ArchiveWindows, EveryModeIsSavedReopenedRedrawnAndEvaluated) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        SCOPED_TRACE("mode " + std::to_string(calc.mode));
        Module1 main = testing::StateAfterCalculation(calc);
        main.GraphDrawn = 1;
        const QString name = QStringLiteral("mode%1").arg(calc.mode);
        save(main, calc.settings, name);
        const QString file = path(name + QStringLiteral("-Mi.csv"));
        EXPECT_EQ(main.FilePath, file.toStdString());
        EXPECT_EQ(FileBytes(file).toStdString(), FormatArchive(main, calc.settings).value);

        Module1 shared = FreshState();
        Form6 browser(shared);
        browser.prepare();
        ASSERT_TRUE(browser.folderLists()->setPath(m_dir.path()));
        EXPECT_FALSE(control(browser, "Command1")->isEnabled());
        select(browser, name + QStringLiteral("-Mi.csv"));
        EXPECT_TRUE(control(browser, "Command1")->isEnabled());
        testing::InvokeHandler(&browser, "Command1_Click");
        ASSERT_TRUE(noMessages()) << takeMessage().toStdString();

        EXPECT_EQ(shared.GraphDrawn, 1);
        EXPECT_EQ(shared.ScaleMode, calc.mode);
        EXPECT_EQ(shared.FilePath, file.toStdString());
        for (const char* enabled : {"Text1", "Command4", "Command8"})
            EXPECT_TRUE(control(browser, enabled)->isEnabled()) << enabled;

        // The browser's graph is exactly what the saved-data plot draws from the loaded state.
        PictureBox reference(QSize(609, 545));
        const RangeLabels labels = PlotSavedForMode(shared, reference.graph());
        EXPECT_EQ(testing::GraphImageOf(&browser), reference.graph().image());
        EXPECT_EQ(textOf(browser, "Label14").toStdString(), labels.xStart);
        EXPECT_EQ(textOf(browser, "Label15").toStdString(), labels.xStop);
        EXPECT_EQ(textOf(browser, "Label16").toStdString(), labels.yStart);
        EXPECT_EQ(textOf(browser, "Label17").toStdString(), labels.yStop);

        // ... and the curve sits where the original samples belong: sample j at
        // (t_j - ln XStart, P_j - ln YStart) on a logarithmic axis, unshifted on a linear one.
        RecordingCanvas recording;
        PlotSavedForMode(shared, recording);
        const AxisKinds axes = AxesOfScaleMode(calc.mode);
        const double ox = axes.x == AxisKind::Logarithmic ? std::log(LeadingNumber(calc.settings[0])) : 0.0;
        const double oy = axes.y == AxisKind::Logarithmic ? std::log(LeadingNumber(calc.settings[3])) : 0.0;
        const auto curve = testing::CallsOf(recording, RecordingCanvas::Kind::LineTo);
        ASSERT_EQ(static_cast<int>(curve.size()), main.SampleCount - 1);
        for (int j = 2; j <= main.SampleCount; ++j) {
            EXPECT_NEAR(curve[std::size_t(j - 2)].a, main.CurveX[j] - ox,
                        1e-4 * (1 + std::fabs(main.CurveX[j])));
            EXPECT_NEAR(curve[std::size_t(j - 2)].b, main.CurveY[j] - oy,
                        1e-4 * (1 + std::fabs(main.CurveY[j])));
        }

        // The points land on their data positions, in red.
        testing::InvokeHandler(&browser, "Command4_Click");
        auto* picture = browser.findChild<PictureBox*>(QStringLiteral("Picture1"));
        ASSERT_NE(picture, nullptr);
        for (const auto& [x, y] : calc.points) {
            const double px = axes.x == AxisKind::Logarithmic ? std::log(x) - ox : x;
            const double py = axes.y == AxisKind::Logarithmic ? std::log(y) - oy : y;
            const QPoint at = picture->graph().toPixel(float(px), float(py)).toPoint();
            if (testing::GraphImageOf(&browser).rect().contains(at)) {
                EXPECT_EQ(testing::GraphImageOf(&browser).pixelColor(at), QColor(255, 0, 0))
                    << x << ", " << y;
            }
        }

        // Evaluating at each point gives its Y to the saved precision.
        auto* text1 = browser.findChild<QLineEdit*>(QStringLiteral("Text1"));
        for (const auto& [x, y] : calc.points) {
            text1->setText(QString::number(x, 'g', 12));
            QTest::keyClick(text1, Qt::Key_Return);
            ASSERT_TRUE(noMessages()) << takeMessage().toStdString();
            const double shown = textOf(browser, "Label6").toDouble();
            EXPECT_NEAR(shown, y, 6e-4 + 1e-4 * std::fabs(y)) << "X " << x << " shown " << shown;
        }
    }
}

TEST_F(ArchiveWindows, FailedSavesKeepTheDialogOpenAndExistingFilesIntact) {
    Module1 state = testing::StateAfterCalculation(testing::CalculationsOfEveryMode().front());
    state.FilePath = "before";
    const SettingTexts good{"0", "6", "1", "-5", "10", "5"};
    const QByteArray old("an earlier save\r\n");

    const QString longName(250, QLatin1Char('n')); // 257 bytes with "-Mi.csv": no file system takes it
    WriteBytes(path(QStringLiteral("keep-Mi.csv")), old);
    QDir(m_dir.path()).mkdir(QStringLiteral("taken-Mi.csv"));

    struct Case {
        const char* name;
        QString typed;
        SettingTexts settings;
        QString messageStart;
        // Breaks the listed folder after the dialog has shown it.
        std::function<void(const QString& folder)> afterListing;
    };
    SettingTexts comma = good;
    comma[1] = "6,5";
    SettingTexts quote = good;
    quote[5] = "\"5";
    SettingTexts reversed = good; // the browser would refuse the file
    reversed[0] = "7";
    const QString cannotSave = QStringLiteral("  補間データを保存できませんでした");
    const auto removeFolder = [](const QString& folder) { QDir(folder).removeRecursively(); };
    const auto replaceByFile = [](const QString& folder) {
        QDir(folder).removeRecursively();
        WriteBytes(folder, "not a folder");
    };
    const std::vector<Case> cases = {
        {"empty name", QString(), good, kNoName, {}},
        {"name with a slash", QStringLiteral("a/keep"), good, QStringLiteral("  ファイル名に「/」"), {}},
        {"comma in X stop",
         QStringLiteral("keep"),
         comma,
         QStringLiteral("  保存できません：X 軸 終了値"),
         {}},
        {"quote in Y step", QStringLiteral("keep"), quote, QStringLiteral("  保存できません：Y 軸 増分"), {}},
        {"X start above X stop",
         QStringLiteral("keep"),
         reversed,
         QStringLiteral("  保存できません：X 軸 開始値"),
         {}},
        {"folder of that name", QStringLiteral("taken"), good, cannotSave, {}},
        {"over-long name", longName, good, cannotSave, {}},
        {"folder removed", QStringLiteral("keep"), good, cannotSave, removeFolder},
        {"file used as a folder", QStringLiteral("keep"), good, cannotSave, replaceByFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = c.afterListing ? path(QStringLiteral("sub")) : m_dir.path();
        QDir().mkpath(folder);
        Form4 form(state);
        form.setSource([&state, s = c.settings] { return std::optional(ArchiveSource{state, s}); });
        ASSERT_TRUE(form.folderLists()->setPath(folder));
        if (c.afterListing)
            c.afterListing(folder);
        form.openWith(c.typed);
        testing::InvokeHandler(&form, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_TRUE(m.text.startsWith(c.messageStart)) << m.text.toStdString();
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_TRUE(form.isVisible()) << "the dialog stays open";
        EXPECT_EQ(state.FilePath, "before");
        EXPECT_EQ(FileBytes(path(QStringLiteral("keep-Mi.csv"))), old);
        EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken-Mi.csv"))).isDir());
        EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("*Mi.csv*")}, QDir::Files).size(), 1)
            << "no temporary file left behind";
    }

    // The same dialog then saves once the name is corrected, replacing the earlier file.
    Form4 form(state);
    form.setSource([&state, good] { return std::optional(ArchiveSource{state, good}); });
    ASSERT_TRUE(form.folderLists()->setPath(m_dir.path()));
    form.openWith(QStringLiteral("keep"));
    answerNextQuestion(true);
    testing::InvokeHandler(&form, "Command1_Click");
    EXPECT_EQ(takeShown().icon, MessageIcon::Question);
    EXPECT_EQ(takeMessage(), kSaved);
    EXPECT_EQ(FileBytes(path(QStringLiteral("keep-Mi.csv"))).toStdString(), FormatArchive(state, good).value);
    EXPECT_EQ(state.FilePath, path(QStringLiteral("keep-Mi.csv")).toStdString());

    // Cancel writes nothing.
    form.openWith(QStringLiteral("cancelled"));
    testing::InvokeHandler(&form, "Command2_Click");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("cancelled-Mi.csv"))));
}

// Both save dialogs list the existing files of their kind at every opening and after a save, and
// ask before replacing one: No writes nothing and leaves the dialog as it was, Yes replaces.
TEST_F(ArchiveWindows, ReplacingAFileIsAskedFirst) {
    const testing::Calculation calc = testing::CalculationsOfEveryMode().front();
    Module1 state = testing::StateAfterCalculation(calc);
    Form4 dataSave(state);
    dataSave.setSource([&state, &calc] { return std::optional(ArchiveSource{state, calc.settings}); });
    Form5 imageSave;
    const QImage image(609, 545, QImage::Format_RGB32);
    const struct {
        SaveNameDialog* dialog;
        std::function<void(const QString& name)> open; // as the graph window's button does
        QString suffix, saved;
    } rows[] = {
        {&dataSave, [&](const QString& name) { dataSave.openWith(name); }, QStringLiteral("-Mi.csv"), kSaved},
        {&imageSave, [&](const QString& name) { imageSave.open(name, GraphPicture{image}); },
         QStringLiteral(".bmp"), kImageSaved},
    };
    for (const auto& row : rows) {
        auto* list = row.dialog->findChild<QListWidget*>(QStringLiteral("File1"));
        const auto listed = [list] {
            QStringList names;
            for (int i = 0; i < list->count(); ++i)
                names << list->item(i)->text();
            return names;
        };
        ASSERT_TRUE(row.dialog->folderLists()->setPath(m_dir.path()));
        const QString earlier = QStringLiteral("06-01-2026") + row.suffix;
        WriteBytes(path(earlier), "an earlier save"); // after the list was first read
        row.open(QStringLiteral("06-01-2026"));
        EXPECT_EQ(listed(), QStringList{earlier});

        const QString question = QStringLiteral("　%1 は既にあります。置き換えますか？　").arg(earlier);
        answerNextQuestion(false);
        click(row.dialog, "Command1");
        expectMessages({{question, MessageIcon::Question}});
        EXPECT_EQ(FileBytes(path(earlier)), QByteArray("an earlier save"));
        EXPECT_TRUE(row.dialog->isVisible());
        EXPECT_EQ(textOf(*row.dialog, "Text1"), QStringLiteral("06-01-2026"));
        answerNextQuestion(true);
        click(row.dialog, "Command1");
        expectMessages({{question, MessageIcon::Question}, {row.saved, MessageIcon::None}});
        EXPECT_NE(FileBytes(path(earlier)), QByteArray("an earlier save"));

        // A new name is written without asking and listed at once.
        row.open(QStringLiteral("second"));
        click(row.dialog, "Command1");
        expectMessages({{row.saved, MessageIcon::None}});
        EXPECT_EQ(listed(), (QStringList{earlier, QStringLiteral("second") + row.suffix}));
    }
}

TEST_F(ArchiveWindows, RefusedArchivesLeaveStateAndGraphUntouched) {
    const testing::Calculation calc = testing::CalculationsOfEveryMode()[2];
    Module1 main = testing::StateAfterCalculation(calc);
    save(main, calc.settings, QStringLiteral("good"));

    const std::string goodBytes = FormatArchive(main, calc.settings).value;
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string bytes = goodBytes;
        bytes.replace(bytes.find(from), from.size(), to);
        return QByteArray::fromStdString(bytes);
    };
    struct Case {
        const char* file;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"short-Mi.csv", QByteArray::fromStdString(goodBytes.substr(0, goodBytes.size() / 2))},
        {"eleven-Mi.csv", replaced("\r\n 3 \r\n", "\r\n 11 \r\n")},
        {"samples-Mi.csv", replaced("\r\n 100 \r\n", "\r\n 601 \r\n")},
        {"word-Mi.csv", replaced("E+00,", "E+00x,")},
        {"logzero-Mi.csv", replaced("1.0E-01\r\n", "0\r\n")},
        {"decade-Mi.csv", replaced("1.0E+03\r\n", "1000\r\n")},
        {"empty-Mi.csv", QByteArray("")},
        {"removed-Mi.csv", QByteArray()},
        {"huge-Mi.csv", QByteArray::fromStdString(goodBytes) + QByteArray(int(kMaxArchiveBytes), ' ')},
    };
    for (const Case& c : cases)
        WriteBytes(path(QString::fromLatin1(c.file)), c.bytes);

    Module1 shared = FreshState();
    Form6 browser(shared);
    browser.prepare();
    ASSERT_TRUE(browser.folderLists()->setPath(m_dir.path()));
    select(browser, QStringLiteral("good-Mi.csv"));
    testing::InvokeHandler(&browser, "Command1_Click");
    ASSERT_TRUE(noMessages());
    const std::string loadedBytes = FormatArchive(shared, calc.settings).value;
    const Module1 before = shared;
    const QImage graph = testing::GraphImageOf(&browser);
    const QString xStartLabel = textOf(browser, "Label14");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        select(browser, QString::fromLatin1(c.file));
        if (std::string(c.file) == "removed-Mi.csv")
            QFile::remove(path(QString::fromLatin1(c.file)));
        testing::InvokeHandler(&browser, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_TRUE(m.text.contains(QStringLiteral("読み込めません"))) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(QString::fromLatin1(c.file))) << m.text.toStdString();
        EXPECT_EQ(FormatArchive(shared, {shared.XStartText, shared.XStopText, shared.XStepText,
                                         shared.YStartText, shared.YStopText, shared.YStepText})
                      .value,
                  loadedBytes);
        EXPECT_EQ(shared.FilePath, before.FilePath);
        EXPECT_EQ(shared.XPlotData, before.XPlotData);
        EXPECT_EQ(shared.CurveXMax, before.CurveXMax);
        EXPECT_EQ(shared.GraphDrawn, 1);
        EXPECT_EQ(testing::GraphImageOf(&browser), graph);
        EXPECT_EQ(textOf(browser, "Label14"), xStartLabel);
    }
}

TEST_F(ArchiveWindows, BrowserControlsFollowTheirSteps) {
    const testing::Calculation calc = testing::CalculationsOfEveryMode()[2]; // Log - Linear
    Module1 main = testing::StateAfterCalculation(calc);
    save(main, calc.settings, QStringLiteral("steps"));

    Module1 shared = FreshState();
    shared.GraphDrawn = 1; // a curve is still on the main window's graph
    Form5 imageSave;
    Form6 browser(shared);
    QObject::connect(&browser, &Form6::imageSaveRequested, &imageSave,
                     &Form5::open); // as the program wires it
    QSignalSpy back(&browser, &Form6::backToStart);
    browser.prepare();
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    ASSERT_TRUE(browser.folderLists()->setPath(m_dir.path()));
    auto* picture = browser.findChild<PictureBox*>(QStringLiteral("Picture1"));
    auto* text1 = browser.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const QPoint leftEdge(0, picture->height() / 2);

    // Nothing drawn here yet: no readout over the empty graph, whatever the main window shows.
    testing::MoveMouse(picture, picture->rect().center());
    EXPECT_FALSE(testing::CursorLinesVisible(picture));

    // No file selected.
    testing::InvokeHandler(&browser, "Command1_Click");
    EXPECT_EQ(takeMessage(), kSelectFile);
    EXPECT_EQ(shared.ScaleMode, 0);

    select(browser, QStringLiteral("steps-Mi.csv"));
    testing::InvokeHandler(&browser, "Command1_Click");
    ASSERT_TRUE(noMessages());

    // Readout over the curve: the same texts as the shared readout code gives.
    const float inside = float(shared.CurveX[30] - std::log(shared.XStart));
    const Readout expected = ComputeReadout(DrawnCurveOf(shared), inside);
    ASSERT_EQ(expected.action, Readout::Action::Show);
    testing::MoveMouseToAbscissa(picture, inside);
    EXPECT_TRUE(testing::CursorLinesVisible(picture));
    EXPECT_EQ(textOf(browser, "Label7").toStdString(), expected.xText);
    EXPECT_EQ(textOf(browser, "Label8").toStdString(), expected.yText);
    testing::MoveMouse(picture, leftEdge); // in the margin, left of the curve
    EXPECT_FALSE(testing::CursorLinesVisible(picture));
    EXPECT_EQ(textOf(browser, "Label7"), QString());

    // Evaluation: the arrow needs a text; Enter refuses a box without a number instead of
    // evaluating at X = 0, and reads full-width digits as digits.
    auto* arrow = browser.findChild<QToolButton*>(QStringLiteral("Picture2"));
    text1->clear();
    arrow->click();
    EXPECT_TRUE(noMessages());
    const struct {
        QString typed, message, shown; // no message: Label6 shows `shown`
    } evaluations[] = {{QString(), QStringLiteral("　X の値が入力されていません　"), {}},
                       {QStringLiteral("abc"), QStringLiteral("　X の値が数値ではありません　"), {}},
                       {QStringLiteral("-1"), kCannotCalculate, {}}, // ln of a negative X
                       {QStringLiteral("\uFF11\uFF10"), {}, QStringLiteral("7.000")}};
    for (const auto& e : evaluations) {
        text1->setText(QStringLiteral("5")); // a result that a refusal must not leave behind
        QTest::keyClick(text1, Qt::Key_Return);
        text1->setText(e.typed);
        QTest::keyClick(text1, Qt::Key_Return);
        if (!e.message.isEmpty()) {
            EXPECT_EQ(takeMessage(), e.message);
        }
        EXPECT_EQ(textOf(browser, "Label6"), e.shown) << e.typed.toStdString();
    }
    text1->setText(QStringLiteral("10abc"));
    arrow->click();
    EXPECT_EQ(textOf(browser, "Label6"), QStringLiteral("7.000"));
    QTest::mouseClick(text1, Qt::LeftButton);
    EXPECT_EQ(text1->text(), QString());
    EXPECT_EQ(textOf(browser, "Label6"), QString());

    // The image save gets the selected name less ".csv", or a safe name without a selection.
    testing::InvokeHandler(&browser, "Command8_Click");
    EXPECT_TRUE(imageSave.isVisible());
    EXPECT_EQ(textOf(imageSave, "Text1"), QStringLiteral("steps-Mi"));
    browser.folderLists()->clearSelection();
    testing::InvokeHandler(&browser, "Command8_Click");
    EXPECT_EQ(textOf(imageSave, "Text1"), QStringLiteral("graph"));

    // Reset.
    testing::InvokeHandler(&browser, "Command3_Click");
    EXPECT_EQ(shared.GraphDrawn, 0);
    EXPECT_EQ(textOf(browser, "Label14"), QStringLiteral("X-Start"));
    EXPECT_EQ(textOf(browser, "Label17"), QStringLiteral("Y-Stop"));
    for (const char* disabled : {"Command1", "Command4", "Command8", "Text1"})
        EXPECT_FALSE(control(browser, disabled)->isEnabled()) << disabled;
    EXPECT_EQ(testing::GraphImageOf(&browser).pixelColor(300, 300),
              testing::GraphImageOf(&browser).pixelColor(0, 0));

    // Back button and close both leave with GraphDrawn at 0.
    browser.show();
    shared.GraphDrawn = 1;
    qobject_cast<QPushButton*>(control(browser, "Command2"))->click();
    EXPECT_EQ(shared.GraphDrawn, 0);
    EXPECT_FALSE(browser.isVisible());
    EXPECT_EQ(back.count(), 1);
    browser.show();
    shared.GraphDrawn = 1;
    browser.close();
    EXPECT_EQ(shared.GraphDrawn, 0);
    EXPECT_EQ(back.count(), 2);
}

TEST_F(ArchiveWindows, ImageSaveWritesARealBitmap) {
    QImage mainImage(609, 545, QImage::Format_RGB32);
    mainImage.fill(QColor(10, 200, 30));
    QImage browserImage(609, 545, QImage::Format_RGB32);
    browserImage.fill(Qt::white);
    browserImage.setPixelColor(100, 50, QColor(255, 0, 0));
    Form5 form;
    ASSERT_TRUE(form.folderLists()->setPath(m_dir.path()));

    for (const auto& [source, expected] : {std::pair{1, &mainImage}, std::pair{2, &browserImage}}) {
        const QString name = QStringLiteral("graph%1").arg(source);
        form.open(name, GraphPicture{*expected});
        testing::InvokeHandler(&form, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_EQ(m.text, kImageSaved);
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_FALSE(form.isVisible());
        const QString file = path(name + QStringLiteral(".bmp"));
        EXPECT_TRUE(FileBytes(file).startsWith("BM")) << "a Windows bitmap";
        QImage back(file, "BMP");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.size(), QSize(609, 545));
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), *expected) << "source " << source;
    }

    // Failures leave an existing file intact and the dialog open.
    const QByteArray old("older picture");
    WriteBytes(path(QStringLiteral("keep.bmp")), old);
    QDir(m_dir.path()).mkdir(QStringLiteral("taken.bmp"));
    for (const QString& typed :
         {QStringLiteral("taken"), QStringLiteral("sub/keep"), QString(300, QLatin1Char('k')), QString()}) {
        form.open(typed, GraphPicture{browserImage});
        testing::InvokeHandler(&form, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_EQ(m.icon, MessageIcon::Warning) << typed.toStdString();
        EXPECT_TRUE(form.isVisible());
    }
    EXPECT_EQ(FileBytes(path(QStringLiteral("keep.bmp"))), old);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.bmp"))).isDir());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral(".bmp"))));
}

// Pictures of the three windows for a person to look at: MIRENDO_GRAB_DIR=/some/folder.
TEST_F(ArchiveWindows, GrabsTheWindowsWhenAsked) {
    const QString out = qEnvironmentVariable("MIRENDO_GRAB_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "set MIRENDO_GRAB_DIR to write the pictures";
    const testing::Calculation calc = testing::CalculationsOfEveryMode()[2]; // Log - Linear
    Module1 main = testing::StateAfterCalculation(calc);
    save(main, calc.settings, QStringLiteral("12-07-2026"));

    Module1 shared = FreshState();
    Form5 imageSave;
    Form6 browser(shared);
    QObject::connect(&browser, &Form6::imageSaveRequested, &imageSave, &Form5::open);
    browser.prepare();
    ASSERT_TRUE(browser.folderLists()->setPath(m_dir.path()));
    browser.show();
    select(browser, QStringLiteral("12-07-2026-Mi.csv"));
    testing::InvokeHandler(&browser, "Command1_Click");
    testing::InvokeHandler(&browser, "Command4_Click");
    const float x = float(shared.CurveX[70] - std::log(shared.XStart));
    testing::MoveMouseToAbscissa(browser.findChild<PictureBox*>(QStringLiteral("Picture1")), x);
    auto* text1 = browser.findChild<QLineEdit*>(QStringLiteral("Text1"));
    text1->setText(QStringLiteral("1234.5"));
    QTest::keyClick(text1, Qt::Key_Return);
    ASSERT_TRUE(noMessages());
    EXPECT_TRUE(browser.grab().save(out + QStringLiteral("/Form6.png")));

    Form4 dataSave(main);
    ASSERT_TRUE(dataSave.folderLists()->setPath(m_dir.path()));
    dataSave.openWith(QStringLiteral("12-07-2026"));
    EXPECT_TRUE(dataSave.grab().save(out + QStringLiteral("/Form4.png")));
    testing::InvokeHandler(&browser, "Command8_Click");
    ASSERT_TRUE(imageSave.folderLists()->setPath(m_dir.path()));
    EXPECT_TRUE(imageSave.grab().save(out + QStringLiteral("/Form5.png")));
}

} // namespace
} // namespace mirendo

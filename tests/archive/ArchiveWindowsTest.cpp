// The save dialog, the image save and the browser, driven headless: a calculation in each scale
// mode saved, reopened, redrawn and evaluated; failed saves leaving existing files intact;
// refused archives leaving the state and the graph untouched.
#include "ArchiveSamples.h"
#include "core/archive/ArchiveWriter.h"
#include "core/plot/Plot.h"
#include "core/plot/Readout.h"
#include "core/text/NumberText.h"
#include "support/CanvasCalls.h"
#include "support/GraphArea.h"
#include "support/Handlers.h"
#include "support/WindowTest.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "widgets/PictureBox.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

namespace mirendo {
namespace {

const QString kSaved = QStringLiteral("  補間データは保存されました  ");
const QString kNoName = QStringLiteral("  ファイル名を入力して下さい！ ");
const QString kSelectFile = QStringLiteral(" ***  ファイルを選択して下さい！ ");
const QString kCannotCalculate = QStringLiteral("　正しく計算できません　");
const QString kImageSaved = QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  ");

// Every message box is recorded instead of shown; a test takes the ones it expects, and any
// left over at the end fails it.
class ArchiveWindows : public testing::WindowTest {
  protected:
    void TearDown() override {
        m_browser.reset(); // gone before the message hooks and the working folder
        WindowTest::TearDown();
    }

    // The data save of `state` with `settings`, listing `folder` (the working folder if empty).
    void prepare(Form4& form, Module1& state, const SettingTexts& settings, QString folder = {}) {
        form.setSource([&state, settings] { return std::optional(ArchiveSource{state, settings}); });
        ASSERT_TRUE(form.folderLists()->setPath(folder.isEmpty() ? m_dir.path() : folder));
    }

    // Saves `state` through Form4 as "<name>-Mi.csv" in the temporary folder.
    void save(Module1& state, const SettingTexts& settings, const QString& name) {
        Form4 form(state);
        prepare(form, state, settings);
        form.openWith(name);
        testing::InvokeHandler(&form, "Command1_Click");
        expectMessages({{kSaved, MessageIcon::None}});
        EXPECT_FALSE(form.isVisible());
    }

    // A new browser on a fresh shared state, listing the working folder.
    Form6& openBrowser() {
        m_browser.reset();
        m_shared = Module1{};
        m_shared.Ln10 = Module1::kLn10;
        m_browser = std::make_unique<Form6>(m_shared);
        m_browser->prepare();
        EXPECT_TRUE(m_browser->folderLists()->setPath(m_dir.path()));
        return *m_browser;
    }

    void select(const QString& name) {
        auto* list = control<QListWidget>(m_browser.get(), "File1");
        ASSERT_NE(list, nullptr);
        m_browser->folderLists()->refreshFiles();
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items.front());
        emit list->itemClicked(items.front());
    }
    // Picks `name` in the browser's list and presses "グラフ描画".
    void draw(const QString& name) {
        select(name);
        testing::InvokeHandler(m_browser.get(), "Command1_Click");
    }
    // Types `x` into the browser's Text1 and presses Enter there.
    void evaluate(const QString& x) {
        auto* text1 = control<QLineEdit>(m_browser.get(), "Text1");
        text1->setText(x);
        QTest::keyClick(text1, Qt::Key_Return);
    }
    bool enabled(const char* name) const { return control<QWidget>(m_browser.get(), name)->isEnabled(); }

    Module1 m_shared;
    std::unique_ptr<Form6> m_browser;
};

TEST_F(ArchiveWindows, EveryModeIsSavedReopenedRedrawnAndEvaluated) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        SCOPED_TRACE("mode " + std::to_string(calc.mode));
        Module1 main = testing::StateAfterCalculation(calc);
        main.GraphDrawn = 1;
        const QString name = QStringLiteral("mode%1").arg(calc.mode);
        save(main, calc.settings, name);
        const QString file = workPath(name + QStringLiteral("-Mi.csv"));
        EXPECT_EQ(main.FilePath, file.toStdString());
        EXPECT_EQ(bytesOf(file).toStdString(), FormatArchive(main, calc.settings).value);

        Form6& browser = openBrowser();
        EXPECT_FALSE(enabled("Command1"));
        select(name + QStringLiteral("-Mi.csv"));
        EXPECT_TRUE(enabled("Command1"));
        testing::InvokeHandler(&browser, "Command1_Click");
        ASSERT_TRUE(noMessages()) << takeMessage().toStdString();

        EXPECT_EQ(std::tuple(m_shared.GraphDrawn, m_shared.ScaleMode, m_shared.FilePath),
                  std::tuple(1, calc.mode, file.toStdString()));
        for (const char* button : {"Text1", "Command4", "Command8"})
            EXPECT_TRUE(enabled(button)) << button;

        // The browser's graph is exactly what the saved-data plot draws from the loaded state.
        GraphModel reference(control<PictureBox>(&browser, "Picture1")->size());
        const RangeLabels labels = PlotSavedForMode(m_shared, reference);
        EXPECT_EQ(testing::GraphImageOf(&browser), reference.image());
        for (const auto& [label, shown] : {std::pair{"Label14", labels.xStart},
                                           {"Label15", labels.xStop},
                                           {"Label16", labels.yStart},
                                           {"Label17", labels.yStop}})
            EXPECT_EQ(textOf(&browser, label).toStdString(), shown) << label;

        // ... and the curve sits where the original samples belong: sample j at
        // (t_j - ln XStart, P_j - ln YStart) on a logarithmic axis, unshifted on a linear one.
        RecordingCanvas recording;
        PlotSavedForMode(m_shared, recording);
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
        auto* picture = control<PictureBox>(&browser, "Picture1");
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
        for (const auto& [x, y] : calc.points) {
            evaluate(QString::number(x, 'g', 12));
            ASSERT_TRUE(noMessages()) << takeMessage().toStdString();
            const double shown = textOf(&browser, "Label6").toDouble();
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
    writeFile(QStringLiteral("keep-Mi.csv"), old);
    QDir(m_dir.path()).mkdir(QStringLiteral("taken-Mi.csv"));

    struct Case {
        const char* name;
        QString typed, messageStart;
        int box = -1; // the setting box that holds `text` instead of the good one
        std::string text = {};
        // Breaks the listed folder after the dialog has shown it.
        std::function<void(const QString& folder)> afterListing = {};
    };
    const QString keep = QStringLiteral("keep");
    // The save's refusal of setting box `box`, up to the box's name.
    const auto refusedBox = [&good](exchange::Cause cause, int box) {
        exchange::Failure failure = exchange::Failure::Of(cause);
        failure.subject = exchange::Subject::Setting;
        failure.field = box + 1;
        return ArchiveSaveMessage(failure, good).section(QStringLiteral(" の設定"), 0, 0);
    };
    const QString cannotSave = QStringLiteral("  補間データを保存できませんでした");
    const auto removeFolder = [](const QString& folder) { QDir(folder).removeRecursively(); };
    const auto replaceByFile = [this](const QString& folder) {
        QDir(folder).removeRecursively();
        writeFile(folder, "not a folder");
    };
    const std::vector<Case> cases = {
        {"empty name", QString(), kNoName},
        {"name with a slash", QStringLiteral("a/keep"), QStringLiteral("  ファイル名に「/」")},
        {"comma in X stop", keep, refusedBox(exchange::Cause::SettingHasComma, 1), 1, "6,5"},
        {"quote in Y step", keep, refusedBox(exchange::Cause::SettingStartsQuoted, 5), 5, "\"5"},
        // The browser would refuse the file.
        {"X start above X stop", keep, refusedBox(exchange::Cause::EmptyAxisRange, 0), 0, "7"},
        {"folder of that name", QStringLiteral("taken"), cannotSave},
        {"over-long name", longName, cannotSave},
        {"folder removed", keep, cannotSave, -1, {}, removeFolder},
        {"file used as a folder", keep, cannotSave, -1, {}, replaceByFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = c.afterListing ? workPath(QStringLiteral("sub")) : m_dir.path();
        QDir().mkpath(folder);
        SettingTexts settings = good;
        if (c.box >= 0)
            settings[std::size_t(c.box)] = c.text;
        Form4 form(state);
        prepare(form, state, settings, folder);
        if (c.afterListing)
            c.afterListing(folder);
        form.openWith(c.typed);
        testing::InvokeHandler(&form, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_TRUE(m.text.startsWith(c.messageStart)) << m.text.toStdString();
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_TRUE(form.isVisible()) << "the dialog stays open";
        EXPECT_EQ(state.FilePath, "before");
        EXPECT_EQ(bytesOf(QStringLiteral("keep-Mi.csv")), old);
        EXPECT_TRUE(QFileInfo(workPath(QStringLiteral("taken-Mi.csv"))).isDir());
        EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("*Mi.csv*")}, QDir::Files).size(), 1)
            << "no temporary file left behind";
    }

    // The same dialog then saves once the name is corrected, replacing the earlier file.
    Form4 form(state);
    prepare(form, state, good);
    form.openWith(QStringLiteral("keep"));
    answerNextQuestion(true);
    testing::InvokeHandler(&form, "Command1_Click");
    EXPECT_EQ(takeShown().icon, MessageIcon::Question);
    EXPECT_EQ(takeMessage(), kSaved);
    EXPECT_EQ(bytesOf(QStringLiteral("keep-Mi.csv")).toStdString(), FormatArchive(state, good).value);
    EXPECT_EQ(state.FilePath, workPath(QStringLiteral("keep-Mi.csv")).toStdString());

    // Cancel writes nothing.
    form.openWith(QStringLiteral("cancelled"));
    testing::InvokeHandler(&form, "Command2_Click");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(exists(QStringLiteral("cancelled-Mi.csv")));
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
        const auto listed = [&] { return itemTexts(control<QListWidget>(row.dialog, "File1")); };
        ASSERT_TRUE(row.dialog->folderLists()->setPath(m_dir.path()));
        const QString earlier = QStringLiteral("06-01-2026") + row.suffix;
        writeFile(earlier, "an earlier save"); // after the list was first read
        row.open(QStringLiteral("06-01-2026"));
        EXPECT_EQ(listed(), QStringList{earlier});

        const QString question = QStringLiteral("　%1 は既にあります。置き換えますか？　").arg(earlier);
        answerNextQuestion(false);
        click(row.dialog, "Command1");
        expectMessages({{question, MessageIcon::Question}});
        EXPECT_EQ(bytesOf(earlier), QByteArray("an earlier save"));
        EXPECT_TRUE(row.dialog->isVisible());
        EXPECT_EQ(textOf(row.dialog, "Text1"), QStringLiteral("06-01-2026"));
        answerNextQuestion(true);
        click(row.dialog, "Command1");
        expectMessages({{question, MessageIcon::Question}, {row.saved, MessageIcon::None}});
        EXPECT_NE(bytesOf(earlier), QByteArray("an earlier save"));

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
    const std::pair<const char*, QByteArray> cases[] = {
        {"short-Mi.csv", QByteArray::fromStdString(goodBytes.substr(0, goodBytes.size() / 2))},
        {"eleven-Mi.csv", replaced("\r\n 3 \r\n", "\r\n 11 \r\n")},
        {"samples-Mi.csv", replaced("\r\n 100 \r\n", "\r\n 601 \r\n")},
        {"word-Mi.csv", replaced("E+00,", "E+00x,")},
        {"logzero-Mi.csv", replaced("1.0E-01\r\n", "0\r\n")},
        {"decade-Mi.csv", replaced("1.0E+03\r\n", "1500\r\n")},
        {"empty-Mi.csv", QByteArray("")},
        {"removed-Mi.csv", QByteArray()},
        {"huge-Mi.csv", QByteArray::fromStdString(goodBytes) + QByteArray(int(kMaxArchiveBytes), ' ')},
    };
    for (const auto& [file, bytes] : cases)
        writeFile(QString::fromLatin1(file), bytes);

    Form6& browser = openBrowser();
    draw(QStringLiteral("good-Mi.csv"));
    ASSERT_TRUE(noMessages());
    const std::string loadedBytes = FormatArchive(m_shared, calc.settings).value;
    const Module1 before = m_shared;
    const QImage graph = testing::GraphImageOf(&browser);
    const QString xStartLabel = textOf(&browser, "Label14");

    for (const auto& [file, bytes] : cases) {
        SCOPED_TRACE(file);
        select(QString::fromLatin1(file));
        if (std::string(file) == "removed-Mi.csv")
            QFile::remove(workPath(QString::fromLatin1(file)));
        testing::InvokeHandler(&browser, "Command1_Click");
        const ShownMessage m = takeShown();
        EXPECT_EQ(Heading(m.text),
                  Heading(ArchiveOpenMessage(exchange::Failure::Of(exchange::Cause::FileMissing), {})));
        EXPECT_TRUE(m.text.contains(QString::fromLatin1(file))) << m.text.toStdString();
        const Module1& s = m_shared;
        EXPECT_EQ(
            FormatArchive(s, {s.XStartText, s.XStopText, s.XStepText, s.YStartText, s.YStopText, s.YStepText})
                .value,
            loadedBytes);
        EXPECT_EQ(s.FilePath, before.FilePath);
        EXPECT_EQ(std::tuple(s.XPlotData, s.CurveXMax, s.GraphDrawn, testing::GraphImageOf(&browser),
                             textOf(&browser, "Label14")),
                  std::tuple(before.XPlotData, before.CurveXMax, 1, graph, xStartLabel));
    }
}

TEST_F(ArchiveWindows, BrowserControlsFollowTheirSteps) {
    const testing::Calculation calc = testing::CalculationsOfEveryMode()[2]; // Log - Linear
    Module1 main = testing::StateAfterCalculation(calc);
    save(main, calc.settings, QStringLiteral("steps"));

    Form6& browser = openBrowser();
    Module1& shared = m_shared;
    shared.GraphDrawn = 1; // a curve is still on the main window's graph
    Form5 imageSave;
    QObject::connect(&browser, &Form6::imageSaveRequested, &imageSave, &Form5::open); // as wired
    QSignalSpy back(&browser, &Form6::backToStart);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    auto* picture = control<PictureBox>(&browser, "Picture1");
    auto* text1 = control<QLineEdit>(&browser, "Text1");
    const QPoint leftEdge(0, picture->height() / 2);

    // Nothing drawn here yet: no readout over the empty graph, whatever the main window shows.
    testing::MoveMouse(picture, picture->rect().center());
    EXPECT_FALSE(testing::CursorLinesVisible(picture));

    // No file selected.
    testing::InvokeHandler(&browser, "Command1_Click");
    EXPECT_EQ(takeMessage(), kSelectFile);
    EXPECT_EQ(shared.ScaleMode, 0);

    draw(QStringLiteral("steps-Mi.csv"));
    ASSERT_TRUE(noMessages());

    // Readout over the curve: the same texts as the shared readout code gives.
    const float inside = float(shared.CurveX[30] - std::log(shared.XStart));
    const Readout expected = ComputeReadout(DrawnCurveOf(shared), inside);
    ASSERT_EQ(expected.action, Readout::Action::Show);
    testing::MoveMouseToAbscissa(picture, inside);
    EXPECT_TRUE(testing::CursorLinesVisible(picture));
    EXPECT_EQ(textOf(&browser, "Label7").toStdString(), expected.xText);
    EXPECT_EQ(textOf(&browser, "Label8").toStdString(), expected.yText);
    testing::MoveMouse(picture, leftEdge); // in the margin, left of the curve
    EXPECT_FALSE(testing::CursorLinesVisible(picture));
    EXPECT_EQ(textOf(&browser, "Label7"), QString());

    // Evaluation: the arrow needs a text; Enter refuses a box without a number instead of
    // evaluating at X = 0, and reads full-width digits as digits.
    auto* arrow = control<QToolButton>(&browser, "Picture2");
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
        evaluate(QStringLiteral("5")); // a result that a refusal must not leave behind
        evaluate(e.typed);
        EXPECT_EQ(e.message.isEmpty() ? QString() : takeMessage(), e.message);
        EXPECT_EQ(textOf(&browser, "Label6"), e.shown) << e.typed.toStdString();
    }
    text1->setText(QStringLiteral("10abc"));
    arrow->click();
    EXPECT_EQ(textOf(&browser, "Label6"), QStringLiteral("7.000"));
    QTest::mouseClick(text1, Qt::LeftButton);
    EXPECT_EQ(std::tuple(text1->text(), textOf(&browser, "Label6")), std::tuple(QString(), QString()));

    // The image save gets the selected name less ".csv", or a safe name without a selection.
    testing::InvokeHandler(&browser, "Command8_Click");
    EXPECT_TRUE(imageSave.isVisible());
    EXPECT_EQ(textOf(&imageSave, "Text1"), QStringLiteral("steps-Mi"));
    browser.folderLists()->clearSelection();
    testing::InvokeHandler(&browser, "Command8_Click");
    EXPECT_EQ(textOf(&imageSave, "Text1"), QStringLiteral("graph"));

    // Reset.
    testing::InvokeHandler(&browser, "Command3_Click");
    EXPECT_EQ(std::tuple(shared.GraphDrawn, textOf(&browser, "Label14"), textOf(&browser, "Label17")),
              std::tuple(0, QStringLiteral("X-Start"), QStringLiteral("Y-Stop")));
    for (const char* disabled : {"Command1", "Command4", "Command8", "Text1"})
        EXPECT_FALSE(enabled(disabled)) << disabled;
    EXPECT_EQ(testing::GraphImageOf(&browser).pixelColor(300, 300),
              testing::GraphImageOf(&browser).pixelColor(0, 0));

    // Back button and close both leave with GraphDrawn at 0.
    const std::function<void()> leave[] = {[&] { control<QPushButton>(&browser, "Command2")->click(); },
                                           [&] { browser.close(); }};
    for (int i = 0; i < 2; ++i) {
        browser.show();
        shared.GraphDrawn = 1;
        leave[i]();
        EXPECT_EQ(std::tuple(shared.GraphDrawn, browser.isVisible(), back.count()),
                  std::tuple(0, false, i + 1));
    }
}

} // namespace
} // namespace mirendo

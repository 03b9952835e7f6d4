// Files dropped on the main window and on the browser: read exactly as the file lists lead to,
// refused with a message (and nothing changed) otherwise.
#include "archive/ArchiveSamples.h"
#include "core/curve/BatchEvaluation.h"
#include "programs/mirendo/FileHandOver.h"
#include "qt/messages/Messages.h"
#include "support/AppTest.h"
#include "support/GraphArea.h"
#include "widgets/FileDrop.h"
#include "widgets/FolderLists.h"
#include "widgets/PictureBox.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/BatchTableModel.h"
#include "windows/Form3.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

#include <QMimeData>
#include <QUrl>
#include <atomic>
#include <thread>
#include <tuple>

namespace mirendo::testing {
namespace {

struct RefusedDrop {
    const char* name;
    DropTarget target;
    std::vector<DroppedItem> items;
    bool accepting;
    DropRefusal refusal;
};

TEST(ChooseDrop, TakesOneFileTheWindowsListWouldShow) {
    const DroppedItem csv{true, "/d/p.CSV", false}, dat{true, "/d/p.dat", false},
        archive{true, "/d/run-Mi.csv", false}, text{true, "/d/p.txt", false}, folder{true, "/d/x.csv", true},
        remote{false, "", false}, semi{true, "/d/lo_semi.csv", false};
    const RefusedDrop rows[] = {
        {"csv", DropTarget::PointFile, {csv}, true, DropRefusal::None},
        {"dat", DropTarget::PointFile, {dat}, true, DropRefusal::None},
        {"archive as points", DropTarget::PointFile, {archive}, true, DropRefusal::None},
        {"archive", DropTarget::Archive, {archive}, true, DropRefusal::None},
        {"points in the browser", DropTarget::Archive, {csv}, true, DropRefusal::WrongKind},
        {"archive suffix in another case", DropTarget::Archive, {semi}, true, DropRefusal::WrongKind},
        {"text file", DropTarget::PointFile, {text}, true, DropRefusal::WrongKind},
        {"two files", DropTarget::PointFile, {csv, dat}, true, DropRefusal::SeveralFiles},
        {"folder", DropTarget::Archive, {folder}, true, DropRefusal::Folder},
        {"remote", DropTarget::PointFile, {remote}, true, DropRefusal::NotLocal},
        {"no file", DropTarget::PointFile, {}, true, DropRefusal::NoFile},
        {"not now", DropTarget::PointFile, {csv}, false, DropRefusal::NotNow},
    };
    for (const RefusedDrop& row : rows) {
        const DropChoice choice = ChooseDrop(row.target, row.items, row.accepting);
        EXPECT_EQ(choice.refusal, row.refusal) << row.name;
        EXPECT_EQ(choice.accepted() ? choice.path : "", choice.accepted() ? row.items.front().path : "")
            << row.name;
        EXPECT_EQ(DropRefusalText(row.target, row.refusal).isEmpty(), row.refusal == DropRefusal::None)
            << row.name;
    }
}

class DropTest : public AppTest {
  protected:
    // Drags `data` onto `window` and drops it; the answer comes once the drop has finished.
    static void drop(QWidget* window, const QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &dropped);
        QCoreApplication::processEvents();
    }
    void dropFiles(QWidget* window, const QStringList& names) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << QUrl::fromLocalFile(workPath(name));
        data.setUrls(urls);
        drop(window, data);
    }

    Form1* openMainWindow() {
        emit m_windows->form2()->newCalculationRequested();
        return m_windows->form1();
    }
    static QStringList tableOf(const QWidget* window) {
        return itemTexts(control<QListWidget>(window, "List1"));
    }
    bool readErrorShown() const {
        const Form3* form3 = m_windows->form10()->readErrorWindow();
        return form3 && form3->isVisible();
    }
};

TEST_F(DropTest, MainWindowReadsADroppedPointFileAsTheFileDialog) {
    Form1* main = openMainWindow();
    writeFile("good.csv", "3,30\r\n1,10\r\n2,25\r\n");
    dropFiles(main, {"good.csv"});
    EXPECT_EQ(tableOf(main), QStringList({"3,30", "1,10", "2,25"}));
    EXPECT_EQ(control<QLabel>(main, "Label31")->text(),
              QStringLiteral("1.0")); // XMin, as the dialog writes it
    // Ordered as the dialog orders.
    EXPECT_EQ(std::tuple(m_state.PointCount, m_state.XData[1], m_state.YData[3], m_state.FilePath,
                         control<QPushButton>(main, "Command3")->isEnabled(), main->isVisible(),
                         m_windows->form10()->isVisible()),
              std::tuple(3, 1.0, 30.0, workPath("good.csv").toStdString(), true, true, false));
}

TEST_F(DropTest, MainWindowShowsTheReadErrorAndKeepsThePointsOfABadFile) {
    Form1* main = openMainWindow();
    writeFile("good.dat", "1 10\r\n2 20\r\n");
    writeFile("bad.csv", "1x,2\r\n1,2\r\n");
    dropFiles(main, {"good.dat"});
    dropFiles(main, {"bad.csv"});
    EXPECT_TRUE(readErrorShown());
    EXPECT_EQ(std::tuple(tableOf(main), m_state.PointCount, m_state.XData[2], m_state.FilePath),
              std::tuple(QStringList({"1 10", "2 20"}), 2, 2, workPath("good.dat").toStdString()));
}

TEST_F(DropTest, EveryWindowRefusesForeignDropsAndChangesNothing) {
    Form1* main = openMainWindow();
    Form6* browser = m_windows->form6();
    writeFile("good.csv", "1,10\r\n2,20\r\n");
    writeFile("notes.txt", "1,2\r\n");
    writeFile("points.csv", "1,2\r\n");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder-Mi.csv"));
    dropFiles(main, {"good.csv"});
    const std::string before = m_state.FilePath;

    const struct {
        const char* name;
        QWidget* window;
        QStringList files;
        DropRefusal refusal;
    } rows[] = {
        {"text file", main, {"notes.txt"}, DropRefusal::WrongKind},
        {"two files", main, {"good.csv", "points.csv"}, DropRefusal::SeveralFiles},
        {"folder", browser, {"folder-Mi.csv"}, DropRefusal::Folder},
        {"point file in the browser", browser, {"points.csv"}, DropRefusal::WrongKind},
    };
    browser->prepare();
    browser->show();
    for (const auto& row : rows) {
        dropFiles(row.window, row.files);
        const DropTarget target = row.window == main ? DropTarget::PointFile : DropTarget::Archive;
        EXPECT_EQ(takeMessage(), DropRefusalText(target, row.refusal)) << row.name;
    }
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/points.csv"))});
    drop(main, remote);
    EXPECT_EQ(takeMessage(), DropRefusalText(DropTarget::PointFile, DropRefusal::NotLocal));

    // While an input dialog is open the main window is hidden and takes no drop.
    click(main, "Command9");
    ASSERT_FALSE(main->isVisible());
    dropFiles(main, {"points.csv"});
    EXPECT_EQ(takeMessage(), DropRefusalText(DropTarget::PointFile, DropRefusal::NotNow));
    click(m_windows->form10(), "Command2");

    EXPECT_EQ(std::tuple(m_state.FilePath, m_state.PointCount, readErrorShown(),
                         control<QPushButton>(browser, "Command8")->isEnabled()),
              std::tuple(before, 2, false, false));
}

TEST_F(DropTest, BrowserOpensADroppedArchiveAsItsFileListAndRefusesABadOne) {
    const Calculation calc = CalculationsOfEveryMode()[2];
    const ArchiveFormat archive = FormatArchive(StateAfterCalculation(calc), calc.settings);
    ASSERT_TRUE(archive.ok());
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("runs"));
    writeFile("runs/run-Mi.csv", QByteArray::fromStdString(archive.value));
    writeFile("broken-Mi.csv", "3\r\n");
    emit m_windows->form2()->browserRequested();
    Form6* browser = m_windows->form6();

    dropFiles(browser, {"runs/run-Mi.csv"});
    EXPECT_EQ(std::tuple(browser->folderLists()->selectedName(), m_state.ScaleMode, m_state.GraphDrawn,
                         control<QPushButton>(browser, "Command8")->isEnabled(),
                         control<QLabel>(browser, "Label15")->text()),
              std::tuple(QStringLiteral("run-Mi.csv"), 3, 1, true, QStringLiteral("1.0E+03")));
    const QImage drawn = testing::GraphImageOf(browser);

    dropFiles(browser, {"broken-Mi.csv"});
    EXPECT_EQ(Heading(takeMessage()),
              Heading(ArchiveOpenMessage(exchange::Failure::Of(exchange::Cause::NotANumber), {})));
    EXPECT_EQ(std::tuple(m_state.ScaleMode, m_state.FilePath, testing::GraphImageOf(browser)),
              std::tuple(3, workPath("runs/run-Mi.csv").toStdString(), drawn));
}

// `Mirendo FILE`: a point file opens in the main window, an archive drawn in the browser; a file
// that cannot be read gets its message and the start window stays. A second start in the same
// folder hands its file to this program.
TEST_F(DropTest, FilesOpenedFromTheDesktopAndHandedOver) {
    const Calculation calc = CalculationsOfEveryMode()[2];
    writeFile("run-Mi.csv",
              QByteArray::fromStdString(FormatArchive(StateAfterCalculation(calc), calc.settings).value));
    writeFile("pts.csv", "3,1\r\n1,2\r\n2,4\r\n");
    writeFile("bad.csv", "1,2\r\nX,Y\r\n");
    const struct {
        const char* file;
        int shown; // the window shown afterwards: main window, browser, start window
    } rows[] = {{"pts.csv", 0}, {"run-Mi.csv", 1}, {"bad.csv", 2}};
    const auto window = [](WindowSet& windows, int shown) {
        return std::array<QWidget*, 3>{windows.form1(), windows.form6(), windows.form2()}[shown];
    };
    FileHandOver handOver(m_dir.path());
    ASSERT_TRUE(handOver.isListening());
    QObject::connect(&handOver, &FileHandOver::fileHandedOver, m_windows.get(),
                     [this](const QString& path) { m_windows->openFile(path); });
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        m_windows->form2()->show();
        EXPECT_EQ(m_windows->openFile(workPath(row.file)), row.shown != 2);
        EXPECT_TRUE(window(*m_windows, row.shown)->isVisible()) << row.shown;
        EXPECT_EQ(m_windows->form2()->isVisible(), row.shown == 2);
    }
    EXPECT_TRUE(readErrorShown());
    EXPECT_EQ(control<QListWidget>(main(), "List1")->count(), 3) << "the bad file left the earlier points";

    // At start the file's window is the first: the start window is built only under a refusal,
    // and the file-input dialog only for its read-error window.
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        WindowSet windows(m_state, engineFolder());
        windows.start(workPath(row.file));
        EXPECT_EQ(windows.isCreated(QStringLiteral("Form2")), row.shown == 2);
        EXPECT_EQ(windows.isCreated(QStringLiteral("Form10")), row.shown == 2);
        EXPECT_TRUE(window(windows, row.shown)->isVisible());
    }

    // Handed over by a second start: the socket answers once the file is shown.
    m_windows->form2()->show();
    std::atomic<bool> handed = false;
    std::thread secondStart([&] { handed = HandOverFile(m_dir.path(), workPath("pts.csv"), 5000); });
    const bool shown = QTest::qWaitFor([&] { return handed.load() && main()->isVisible(); }, 6000);
    secondStart.join();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(m_windows->form2()->isVisible());
    EXPECT_FALSE(HandOverFile(m_dir.path() + "/elsewhere", workPath("pts.csv"), 200)) << "no program there";
}

// `Mirendo broken.txt`: neither window takes it; refused for its type over the start window.
TEST_F(DropTest, StartFileNeitherWindowTakesIsRefusedForWhatItIs) {
    WindowSet windows(m_state, engineFolder());
    writeFile("broken.txt", "hello\r\n");
    windows.start(workPath("broken.txt"));
    EXPECT_EQ(takeMessage(),
              StartFileMessage(exchange::Failure::Of(exchange::Cause::UnreadType), workPath("broken.txt")));
    EXPECT_TRUE(windows.form2()->isVisible());
}

// A point file handed over while the browser's batch window is open: the window goes with the
// browser, and its "計算" still evaluates the archive it was opened on, beside that archive's
// comparison, and saves beside it; the main window's dialogs go when an archive comes instead.
TEST_F(DropTest, AHandOverTakesTheWindowsOfWhatWasShownAlong) {
    const Calculation calc = CalculationsOfEveryMode()[0];
    drawInBrowser("run-Mi.csv",
                  QByteArray::fromStdString(FormatArchive(StateAfterCalculation(calc), calc.settings).value));
    control<QComboBox>(m_windows->form6(), "ComboCompare")->setCurrentIndex(2);
    click(m_windows->form6(), "CommandBatch");
    BatchEvaluationWindow* batch = m_windows->form6()->batchWindow();
    control<QPlainTextEdit>(batch, "TextValues")->setPlainText(QStringLiteral("1 2.5 7 x"));
    const auto table = [batch] {
        click(batch, "CommandCalculate");
        return FormatBatchCsv(batch->model()->rows(), BatchDirection::XToY, "c");
    };
    const std::string before = table();
    ASSERT_FALSE(batch->model()->rows().front().comparison.empty());
    writeFile("pts.csv", "9,1\r\n1,2\r\n2,4\r\n");
    ASSERT_TRUE(m_windows->openFile(workPath("pts.csv")));
    EXPECT_FALSE(batch->isVisible());
    EXPECT_EQ(table(), before);
    EXPECT_EQ(control<QLineEdit>(batch, "TextPath")->text(), workPath("run-Mi-batch.csv"));

    m_windows->form11()->openForEntry();
    m_windows->form4()->openWith(QStringLiteral("x"));
    ASSERT_TRUE(m_windows->openFile(workPath("run-Mi.csv")));
    EXPECT_FALSE(m_windows->form11()->isVisible() || m_windows->form4()->isVisible());
}

} // namespace
} // namespace mirendo::testing

// The input windows driven headless: typing, corrections, finishing, file clicks and the help.
#include "qt/messages/Messages.h"
#include "support/WindowTest.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form3.h"
#include "windows/Form9.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace mirendo {
namespace {

const QString kNoData = QStringLiteral(" データが入力されていません ");
const QString kLimit = QStringLiteral(" データ数が上限(10)になりました ");
const QString kXNotANumber = QStringLiteral("　X の値が数値ではありません　");
const QString kYNotANumber = QStringLiteral("　Y の値が数値ではありません　");

// Every message box is recorded; a test states the ones it expects, any other fails it.
class InputWindows : public testing::WindowTest {
  protected:
    Module1 m_state;
};

// One input window on the fixture's state, with its point table and four range labels.
template <class Form> class InputWindow : public InputWindows {
  protected:
    QStringList table() { return itemTexts(control<QListWidget>(&m_form, "List1")); }
    QStringList rangeTexts() {
        QStringList texts;
        for (const char* name : {"Label31", "Label32", "Label33", "Label34"})
            texts << control<QLabel>(&m_form, name)->text();
        return texts;
    }

    Form m_form{m_state};
};

// ---- manual entry ------------------------------------------------------------------------

class ManualEntry : public InputWindow<Form11> {
  protected:
    void SetUp() override {
        InputWindow::SetUp();
        m_form.openForEntry();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
    }
    // Types a point into the entry row and clicks "OK・次データ".
    void enter(const QString& x, const QString& y) {
        type(&m_form, "Text1", x);
        type(&m_form, "Text2", y);
        click(&m_form, "Command1");
    }
    void enter(std::initializer_list<std::pair<const char*, const char*>> points) {
        for (const auto& [x, y] : points)
            enter(x, y);
    }
    // Types a correction into the correction row and clicks its "OK".
    void correct(const QString& number, const QString& x, const QString& y) {
        type(&m_form, "Text3", number);
        type(&m_form, "Text4", x);
        type(&m_form, "Text5", y);
        click(&m_form, "Command7");
    }
};

TEST_F(ManualEntry, TypingWithTheKeyboardListsEachPoint) {
    QLineEdit* text1 = control<QLineEdit>(&m_form, "Text1");
    QLineEdit* text2 = control<QLineEdit>(&m_form, "Text2");
    for (const auto& [x, y] : {std::pair{"1", "10"}, std::pair{"2", "20"}}) {
        ASSERT_TRUE(text1->hasFocus());
        QTest::keyClicks(text1, x);
        QTest::keyClick(text1, Qt::Key_Return);
        ASSERT_TRUE(text2->hasFocus());
        QTest::keyClicks(text2, y);
        QTest::keyClick(text2, Qt::Key_Enter);
        ASSERT_TRUE(control<QPushButton>(&m_form, "Command1")->hasFocus());
        QTest::keyClick(control<QPushButton>(&m_form, "Command1"), Qt::Key_Return);
    }
    EXPECT_EQ(table(), (QStringList{" 1 :   1    10", " 2 :   2    20"}));
    EXPECT_EQ(control<QLabel>(&m_form, "Label4")->text(), "3");
    EXPECT_EQ(std::tuple(m_state.PointCount, m_state.EntryNo), std::tuple(2, 3));
    EXPECT_EQ(rangeTexts(), (QStringList{"1.0", "2.0", "10.0", "20.0"}));
    EXPECT_TRUE(text1->text().isEmpty());
}

TEST_F(ManualEntry, ListShowsTextsAsTypedAndStoresLeadingNumbers) {
    enter("1.50", "12abc");
    EXPECT_EQ(table(), QStringList{" 1 :   1.50    12abc"});
    EXPECT_EQ(std::tuple(m_state.XData[1], m_state.YData[1]), std::tuple(1.5, 12.0));
}

TEST_F(ManualEntry, EmptyBoxOrNoNumberIsRefused) {
    const struct {
        const char *x, *y;
        QString message;
    } rows[] = {{"", "2", kNoData},
                {"1", "", kNoData},
                {" ", "2", kXNotANumber},
                {"1", "abc", kYNotANumber},
                {"1", "1e400", EntryValueMessage("Y", "1e400", true)},
                {"-1e39", "2", EntryValueMessage("X", "-1e39", false)}};
    for (const auto& row : rows) {
        enter(row.x, row.y); // a blank is not empty, but no number either
        expectMessages({{row.message, MessageIcon::Warning}});
        EXPECT_EQ(m_state.PointCount, 0) << row.x << " / " << row.y;
        EXPECT_EQ(textOf(&m_form, "Text2"), QString::fromUtf8(row.y)) << "the texts stay";
    }
    enter({{"1e39", "-3.4e38"}, {"1e-39", "-1.2e-38"}}); // a log axis carries any positive value
    EXPECT_EQ(m_state.PointCount, 2);
}

TEST_F(ManualEntry, TenPointsAreTheLimit) {
    for (int i = 1; i <= 9; ++i)
        enter(QString::number(i), QString::number(i * 10));
    enter("10", "100");
    expectMessages({{kLimit, MessageIcon::None}});
    EXPECT_EQ(control<QLabel>(&m_form, "Label4")->text(), "10");
    EXPECT_TRUE(control<QPushButton>(&m_form, "Command2")->hasFocus());
    EXPECT_EQ(control<QLineEdit>(&m_form, "Text1")->text(), "10");

    enter("11", "110"); // nothing more is stored
    expectMessages({{kLimit, MessageIcon::None}});
    EXPECT_EQ(std::tuple(m_state.PointCount, m_state.EntryNo), std::tuple(10, 11));
    EXPECT_EQ(m_state.XData[10], 10.0);
    EXPECT_EQ(control<QListWidget>(&m_form, "List1")->count(), 10);
}

// Ctrl+V in the X box, as a spreadsheet's two columns are pasted: taken whole, point by point as
// "OK・次データ" takes them, or refused naming the line with nothing entered.
TEST_F(ManualEntry, PastedRowsAreEnteredWholeOrNotAtAll) {
    QString eleven;
    for (int i = 1; i <= 11; ++i)
        eleven += QStringLiteral("%1\t%1\n").arg(i);
    const auto refused = [](exchange::Cause cause, int line, int code = 0) {
        exchange::Failure failure = exchange::Failure::Of(cause, code);
        failure.line = line;
        failure.subject = exchange::Subject::X;
        failure.item = "abc";
        return PasteMessage(failure);
    };
    const struct {
        QString clipboard, message;
    } rows[] = {
        {"1\t10\n2\n3\t30\n", refused(exchange::Cause::NotAPair, 2)},
        {"1 2 3\n4 5\n", refused(exchange::Cause::NotAPair, 1)},
        {"x;y\n1;2\nabc;3\n", refused(exchange::Cause::NotANumber, 3)},
        {eleven, refused(exchange::Cause::TooManyPasted, 11, 10)},
        {"12.5", {}}, // one cell goes into the box as any paste does, whatever its commas
        {"1,234", {}},
        {"X\tY\r\n3\t\"30\"\r\n1.50\t-2\r\n", {}},
    };
    QLineEdit* text1 = control<QLineEdit>(&m_form, "Text1");
    for (const auto& row : rows) {
        m_form.openForEntry();
        QGuiApplication::clipboard()->setText(row.clipboard);
        QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
        if (!row.message.isEmpty()) {
            expectMessages({{row.message, MessageIcon::Warning}});
            EXPECT_EQ(m_state.EntryNo, 1) << row.clipboard.toStdString();
        } else if (!row.clipboard.contains(QLatin1Char('\n'))) {
            EXPECT_EQ(text1->text(), row.clipboard);
        }
    }
    EXPECT_EQ(m_state.EntryNo, 3);
    EXPECT_EQ(table(), (QStringList{" 1 :   3    30", " 2 :   1.50    -2"}));
    EXPECT_EQ((std::array{m_state.XData[1], m_state.YData[1], m_state.XData[2], m_state.YData[2]}),
              (std::array{3.0, 30.0, 1.5, -2.0}));
    EXPECT_EQ(rangeTexts(), (QStringList{"1.5", "3.0", "-2.0", "30.0"}));
    // Outside the boxes Ctrl+V (and the context menu's "貼り付け") pastes rows whatever they hold.
    auto* paste = m_form.findChild<QAction*>(QStringLiteral("CommandPaste"));
    ASSERT_NE(paste, nullptr);
    EXPECT_TRUE(m_form.actions().contains(paste) && m_form.contextMenuPolicy() == Qt::ActionsContextMenu);
    QGuiApplication::clipboard()->setText(QStringLiteral("7;70\n"));
    QTest::keyClick(control<QPushButton>(&m_form, "Command2"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_state.PointCount, 3);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(control<QPushButton>(&m_form, "Command2"), Qt::Key_V, Qt::ControlModifier);
    expectMessages({{refused(exchange::Cause::NotANumber, 1), MessageIcon::Warning}});
}

TEST_F(ManualEntry, ButtonStatesFollowEndOfInput) {
    auto states = [&] {
        QString s;
        for (const char* name :
             {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"})
            s += control<QPushButton>(&m_form, name)->isEnabled() ? '1' : '0';
        return s;
    };
    EXPECT_EQ(states(), "1100101");
    click(&m_form, "Command2");
    EXPECT_EQ(states(), "1111111");
    EXPECT_TRUE(control<QPushButton>(&m_form, "Command4")->hasFocus());
    m_form.openForEntry();
    EXPECT_EQ(states(), "1100101");
}

TEST_F(ManualEntry, CorrectionRebuildsListFromStoredValues) {
    enter({{"1", "10"}, {"2", "20"}, {"3", "30"}});
    correct("2", "5.50", "-0.25");
    EXPECT_EQ(table(), (QStringList{" 1 :   1    10", " 2 :   5.5    -0.25", " 3 :   3    30"}));
    EXPECT_EQ(std::tuple(m_state.PointCount, m_state.EntryNo), std::tuple(3, 4));
    EXPECT_EQ(rangeTexts(), (QStringList{"1.0", "5.5", "-0.25", "30.0"}));
    EXPECT_TRUE(control<QLineEdit>(&m_form, "Text3")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(&m_form, "Text3")->hasFocus());

    // The correction row by keyboard; halves round to the even neighbour: 2.5 is point 2.
    // "入力値を修正する" is on once the input is ended.
    click(&m_form, "Command2");
    click(&m_form, "Command3");
    for (const char* name : {"Text3", "Text4", "Text5"}) {
        QLineEdit* box = control<QLineEdit>(&m_form, name);
        ASSERT_TRUE(box->hasFocus()) << name;
        QTest::keyClicks(box, name == std::string("Text3") ? "2.5" : "7");
        QTest::keyClick(box, Qt::Key_Return);
    }
    ASSERT_TRUE(control<QPushButton>(&m_form, "Command7")->hasFocus());
    QTest::keyClick(control<QPushButton>(&m_form, "Command7"), Qt::Key_Enter);
    EXPECT_EQ(std::tuple(m_state.XData[2], m_state.YData[2]), std::tuple(7.0, 7.0));
}

TEST_F(ManualEntry, CorrectionOutsideTheEnteredPointsChangesNothing) {
    enter({{"1", "10"}, {"2", "20"}});
    const auto x = m_state.XData;
    const auto y = m_state.YData;
    const QStringList before = table();
    for (const char* number : {"0", "-1", "3", "11", "2.6", "abc", "", "1e9"}) {
        correct(QString::fromLatin1(number), "9", "9");
        expectOneMessageContaining(QStringLiteral("1 ～ 2"));
        EXPECT_TRUE(m_state.XData == x && m_state.YData == y && table() == before) << number;
    }
    correct("1", "", "5"); // a correction needs both values
    expectMessages({{kNoData, MessageIcon::Warning}});
    correct("\uFF12", "5", "abc"); // point ２ exists, its new Y is no number
    expectMessages({{kYNotANumber, MessageIcon::Warning}});
    EXPECT_TRUE(m_state.XData == x && m_state.YData == y);
    EXPECT_EQ(textOf(&m_form, "Text5"), QStringLiteral("abc"));
}

TEST_F(ManualEntry, NothingToCorrectOrPublishBeforeTheFirstPoint) {
    m_state.PointCount = 7; // left by an earlier input
    click(&m_form, "Command2");
    correct("1", "1", "1");
    expectOneMessageContaining(QStringLiteral("修正できるデータがありません"));
    bool published = false;
    QObject::connect(&m_form, &Form11::pointsPublished, [&] { published = true; });
    click(&m_form, "Command4");
    expectMessages({{kNoData, MessageIcon::Warning}});
    EXPECT_EQ(std::tuple(published, m_form.isVisible()), std::tuple(false, true));
}

TEST_F(ManualEntry, FinishingOrdersAndPublishes) {
    enter({{"3", "30"}, {"1", "-1"}, {"2", "20"}});
    click(&m_form, "Command2");
    std::vector<PublishedPoints> published;
    QObject::connect(&m_form, &Form11::pointsPublished,
                     [&](const PublishedPoints& p) { published.push_back(p); });
    click(&m_form, "Command6");
    ASSERT_EQ(published.size(), 1u);
    EXPECT_EQ(published[0].tableLines, (std::vector<std::string>{"1  -1", "2  20", "3  30"}));
    EXPECT_EQ(published[0].rangeTexts, (std::array<std::string, 4>{"1.0", "3.0", "-1.0", "30.0"}));
    EXPECT_EQ(std::tuple(published[0].logXAllowed, published[0].logYAllowed), std::tuple(true, false));
    EXPECT_FALSE(m_form.isVisible());
    EXPECT_EQ(std::tuple(m_state.XData[1], m_state.YData[1]), std::tuple(1.0, -1.0));
}

TEST_F(ManualEntry, CancelKeepsTheTypedPoints) {
    enter({{"1", "1"}, {"2", "4"}, {"3", "9"}});
    int cancelled = 0;
    QObject::connect(&m_form, &Form11::cancelled, [&] { ++cancelled; });
    click(&m_form, "Command5");
    EXPECT_EQ(std::tuple(cancelled, m_form.isVisible(), m_state.PointCount, m_state.XData[3]),
              std::tuple(1, false, 3, 3.0));

    m_form.openForEntry();
    m_form.close(); // the close box cancels too
    EXPECT_EQ(cancelled, 2);
}

TEST_F(ManualEntry, MainWindowResetEmptiesTheEntry) {
    enter("1", "1");
    control<QLineEdit>(&m_form, "Text1")->setText("7");
    m_form.resetForMainWindowReset();
    EXPECT_EQ(control<QLabel>(&m_form, "Label4")->text(), "1");
    EXPECT_TRUE(control<QLineEdit>(&m_form, "Text1")->text().isEmpty());
    EXPECT_EQ(control<QListWidget>(&m_form, "List1")->count(), 0);
    EXPECT_EQ(rangeTexts(), (QStringList{"", "", "", ""}));
}

// ---- file input ---------------------------------------------------------------------------

class FileInput : public InputWindow<Form10> {
  protected:
    void SetUp() override {
        InputWindow::SetUp();
        m_form.prepare();
        m_form.show();
        ASSERT_TRUE(m_form.folderLists()->setPath(m_dir.path()));
        QObject::connect(&m_form, &Form10::readStarted, [&] { m_signals << "started"; });
        QObject::connect(&m_form, &Form10::readFailed, [&] { m_signals << "failed"; });
        QObject::connect(&m_form, &Form10::accepted, [&] { m_signals << "accepted"; });
        QObject::connect(&m_form, &Form10::cancelled, [&] { m_signals << "cancelled"; });
        QObject::connect(&m_form, &Form10::helpRequested, [&] { m_signals << "help"; });
        QObject::connect(&m_form, &Form10::pointsPublished, [&](const PublishedPoints& p) {
            m_signals << "published";
            m_published = p;
        });
    }
    // "OK" refused: nothing has been read.
    void expectOkRefused() {
        click(&m_form, "Command1");
        expectOneMessageContaining(QStringLiteral("データが読み込まれていません"));
    }
    // Clicks a file written after the list was filled.
    void clickFile(const QString& name) {
        m_form.folderLists()->refreshFiles();
        clickListItem(&m_form, "File1", name);
    }
    QStringList m_signals;
    PublishedPoints m_published;
};

TEST_F(FileInput, ClickingAFileReadsOrdersAndPublishes) {
    writeFile("desc.dat", "3   0.5\r\n2   -4\r\n1    8");
    clickFile("desc.dat");
    EXPECT_EQ(m_signals, (QStringList{"started", "published"}));
    EXPECT_EQ(table(), (QStringList{"3   0.5", "2   -4", "1    8"}));
    EXPECT_EQ(m_published.tableLines, (std::vector<std::string>{"3   0.5", "2   -4", "1    8"}));
    EXPECT_EQ(m_published.rangeTexts, (std::array<std::string, 4>{"1.0", "3.0", "-4.0", "8.0"}));
    EXPECT_EQ(std::tuple(m_published.enableAllOptionsFirst, m_published.logXAllowed, m_published.logYAllowed),
              std::tuple(true, true, false));
    EXPECT_EQ(rangeTexts(), (QStringList{"1.0", "3.0", "-4.0", "8.0"}));
    EXPECT_EQ(m_state.PointCount, 3);
    EXPECT_EQ((std::array{m_state.XData[1], m_state.XData[2], m_state.XData[3], m_state.YData[1],
                          m_state.YData[2], m_state.YData[3]}),
              (std::array{1.0, 2.0, 3.0, 8.0, -4.0, 0.5}));
    EXPECT_EQ(QString::fromStdString(m_state.FilePath), m_dir.filePath("desc.dat"));

    click(&m_form, "Command1");
    EXPECT_EQ(std::tuple(m_signals.last(), m_form.isVisible()), std::tuple("accepted", false));
}

TEST_F(FileInput, TheEnginesExchangeFilesAreNotOffered) {
    for (const char* name : {"B2F.dat", "F2B.dat", "pts.dat", "pts.csv", "notes.txt"})
        writeFile(QString::fromLatin1(name), "1,2\r\n");
    m_form.prepare();
    ASSERT_TRUE(m_form.folderLists()->setPath(m_dir.path()));
    EXPECT_EQ(itemTexts(control<QListWidget>(&m_form, "File1")), (QStringList{"pts.csv", "pts.dat"}));
}

TEST_F(FileInput, FailedReadShowsTheErrorWindowAndRefusesOk) {
    m_state.XMin = 0.5; // ranges of an earlier input stay when no point is read
    writeFile("bad.csv", "1x,2\r\n1,2\r\n");
    clickFile("bad.csv");
    EXPECT_EQ(std::tuple(m_signals, control<QListWidget>(&m_form, "List1")->count(), rangeTexts()),
              std::tuple((QStringList{"started", "failed"}), 0, (QStringList{"", "", "", ""})));
    ASSERT_NE(m_form.readErrorWindow(), nullptr);
    EXPECT_TRUE(m_form.readErrorWindow()->isVisible());
    EXPECT_EQ(std::tuple(m_state.PointCount, m_state.XMin), std::tuple(2, 0.5));

    expectOkRefused();
    EXPECT_EQ(std::tuple(m_form.isVisible(), m_signals.contains("accepted")), std::tuple(true, false));

    control<QPushButton>(m_form.readErrorWindow(), "Command1")->click();
    EXPECT_FALSE(m_form.readErrorWindow()->isVisible());
}

TEST_F(FileInput, TheErrorWindowNamesTheLineOfTheFailure) {
    writeFile("bad.csv", "1,2\r\n3,4\r\n5,abc\r\n");
    clickFile("bad.csv");
    ASSERT_NE(m_form.readErrorWindow(), nullptr);
    exchange::Failure failure = exchange::Failure::Of(exchange::Cause::NotANumber);
    failure.line = 3;
    failure.subject = exchange::Subject::Y;
    failure.item = "abc";
    const QString cause = PointFileMessage(failure, QStringLiteral("bad.csv"));
    EXPECT_EQ(textOf(m_form.readErrorWindow(), "LabelCause"), cause);
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(control<QLabel>(m_form.readErrorWindow(), "LabelCause"));
    EXPECT_EQ(face->text(QAccessible::Name), cause);
}

// "クリップボードから": the clipboard's text read as a clicked file is, through the same reader.
TEST_F(FileInput, TheClipboardIsReadAsAClickedFile) {
    m_state.FilePath = "earlier.csv";
    QGuiApplication::clipboard()->setText(QStringLiteral("X;Y\n3;30\n1;10\n"));
    click(&m_form, "CommandClipboard");
    EXPECT_EQ(m_signals, (QStringList{"started", "published"}));
    EXPECT_EQ(table(), (QStringList{"X;Y", "3;30", "1;10"}));
    EXPECT_EQ((std::array{m_state.XData[1], m_state.YData[1], m_state.XData[2], m_state.YData[2]}),
              (std::array{1.0, 10.0, 3.0, 30.0}));
    EXPECT_EQ(rangeTexts(), (QStringList{"1.0", "3.0", "10.0", "30.0"}));
    EXPECT_EQ(m_state.FilePath, "earlier.csv") << "the clipboard is no file";

    QGuiApplication::clipboard()->setText(QStringLiteral("1,2\n3\n"));
    click(&m_form, "CommandClipboard");
    EXPECT_EQ(m_signals.last(), "failed");
    ASSERT_NE(m_form.readErrorWindow(), nullptr);
    EXPECT_TRUE(m_form.readErrorWindow()->isVisible());
    EXPECT_EQ(textOf(m_form.readErrorWindow(), "LabelCause"),
              QStringLiteral("2 行目：Y の値がありません（ファイル全体で値が足りません）"));
    expectOkRefused();
}

TEST_F(FileInput, AFailureAfterASuccessAlsoRefusesOk) {
    writeFile("good.csv", "1,2\r\n3,4\r\n");
    writeFile("long.csv", QByteArray(20000, '7'));
    clickFile("good.csv");
    clickFile("long.csv");
    EXPECT_EQ(m_signals, (QStringList{"started", "published", "started", "failed"}));
    expectOkRefused();
}

TEST_F(FileInput, OkWithoutAFileOrWithAnEmptyFileIsRefused) {
    expectOkRefused();
    writeFile("empty.csv", "");
    clickFile("empty.csv");
    EXPECT_EQ(std::tuple(m_signals, m_state.PointCount, rangeTexts()),
              std::tuple((QStringList{"started", "published"}), 0, (QStringList{"", "", "", ""})));
    expectOkRefused();
}

// Arrow keys pass an unreadable file without a window; OK reads the file the cursor is on.
TEST_F(FileInput, KeysMoveWithoutReadingAndOkReadsTheFileUnderTheCursor) {
    writeFile("a_bad.csv", "1x,2\r\n");
    writeFile("b_good.csv", "1,2\r\n3,4\r\n");
    m_form.folderLists()->refreshFiles();
    auto* files = control<QListWidget>(&m_form, "File1");
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Down);
    QTest::keyClick(files, Qt::Key_Down);
    EXPECT_TRUE(m_signals.isEmpty());
    ASSERT_EQ(files->currentItem()->text(), QStringLiteral("b_good.csv"));
    click(&m_form, "Command1");
    EXPECT_EQ(m_signals, (QStringList{"started", "published", "accepted"}));
    EXPECT_EQ(m_state.PointCount, 2);
}

TEST_F(FileInput, CancelAndPrepare) {
    writeFile("good.csv", "1,2\r\n3,4\r\n");
    clickFile("good.csv");
    control<QPushButton>(&m_form, "Command3")->click(); // "データ書式"
    EXPECT_EQ(m_signals.last(), "help");
    click(&m_form, "Command2");
    EXPECT_EQ(std::tuple(m_signals.last(), m_form.isVisible(), m_state.PointCount),
              std::tuple("cancelled", false, 2));

    m_form.prepare();
    m_form.show();
    EXPECT_EQ(control<QListWidget>(&m_form, "List1")->count(), 0);
    EXPECT_EQ(rangeTexts(), (QStringList{"", "", "", ""}));
    expectOkRefused(); // a new opening has read nothing yet
}

// ---- data-format help ----------------------------------------------------------------------

TEST_F(InputWindows, HelpListsExamplesAndShowsTheirLines) {
    writeFile("ex_a.csv", "1,2\r\n3,4\r\n");
    writeFile("ex_b.dat", "5   6\r\n");
    writeFile("other.csv", "1,2\r\n");
    writeFile("ex_bin.dat", QByteArray("\x01\x00\x02", 3));
    Form9 help(m_dir.path());
    help.show();
    QListWidget* files = control<QListWidget>(&help, "File1");
    QListWidget* list = control<QListWidget>(&help, "List1");
    EXPECT_EQ(itemTexts(files), (QStringList{"ex_a.csv", "ex_b.dat", "ex_bin.dat"}));

    clickListItem(&help, "File1", "ex_a.csv");
    EXPECT_EQ(itemTexts(list), (QStringList{"1,2", "3,4"}));
    clickListItem(&help, "File1", "ex_b.dat");
    EXPECT_EQ(itemTexts(list), QStringList{"5   6"});

    clickListItem(&help, "File1", "ex_bin.dat");
    expectOneMessageContaining(QStringLiteral("ex_bin.dat"));
    EXPECT_EQ(list->count(), 0);
    // (A file removed meanwhile: TrustWindowsTest.cpp.)

    clickListItem(&help, "File1", "ex_b.dat");
    click(&help, "Command1");
    EXPECT_EQ(std::tuple(help.isVisible(), list->count()), std::tuple(false, 0));
}

} // namespace
} // namespace mirendo

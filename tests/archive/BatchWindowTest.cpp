// The browser's batch evaluation window and the single evaluation's additions, driven headless:
// every batch row agrees with the single evaluation of the same X, the table copies and saves as
// it shows, the window follows the browser's loaded polynomial, and the single result carries
// its extrapolation mark and copies as "X<TAB>Y".
#include "ArchiveSamples.h"
#include "core/archive/ArchiveWriter.h"
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CurveArea.h"
#include "core/curve/CurveSlope.h"
#include "core/text/NumberText.h"
#include "support/WindowTest.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/BatchTableModel.h"
#include "windows/Form6.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace mirendo {
namespace {

const QString kCannotCalculate = QStringLiteral("　正しく計算できません　");
const QString kMark = QStringLiteral("外挿");
const QString kTableSaved = QStringLiteral("  一括計算の結果を保存しました");

// Blank, comma, tab, CR LF and ideographic-blank separators; numbers inside and outside the
// points, a leading-number text and a non-number (both refused unevaluated), and values no
// evaluation can take in some mode (the logarithm of 0 or of a negative X, an overflowing product
// or exponential).
const QString kTypedValues = QStringLiteral("1\r\n3, -1\t12abc 1e200\u30000\nabc,1000\n0.5\n-1e-3");

// Archives of every scale mode in the working folder and a shown browser on a fresh shared state.
class BatchWindow : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
            const ArchiveFormat f = FormatArchive(testing::StateAfterCalculation(calc), calc.settings);
            ASSERT_TRUE(f.ok());
            writeFile(QStringLiteral("mode%1-Mi.csv").arg(calc.mode), QByteArray::fromStdString(f.value));
        }
        m_state.Ln10 = Module1::kLn10;
        m_browser.prepare();
        ASSERT_TRUE(m_browser.folderLists()->setPath(m_dir.path()));
        m_browser.show();
    }

    template <typename W = QWidget> W* browserControl(const char* name) {
        return control<W>(&m_browser, name);
    }
    template <typename W = QWidget> W* batchControl(const char* name) {
        return control<W>(m_browser.batchWindow(), name);
    }

    // Picks "mode<m>-Mi.csv" in the file list and presses "グラフ描画".
    void load(int mode) {
        m_browser.folderLists()->refreshFiles();
        clickListItem(&m_browser, "File1", QStringLiteral("mode%1-Mi.csv").arg(mode));
        click(&m_browser, "Command1");
    }

    // Types `x` into Text1 and presses Enter there, as the user evaluates one X.
    void evaluateSingle(const QString& x) {
        auto* text1 = browserControl<QLineEdit>("Text1");
        text1->setText(x);
        QTest::keyClick(text1, Qt::Key_Return);
    }
    // Types `y` into TextY and presses Enter there, as the user asks for the X of a Y.
    void findX(const char* y) {
        type(&m_browser, "TextY", QString::fromLatin1(y));
        QTest::keyClick(browserControl("TextY"), Qt::Key_Return);
    }
    // What Ctrl+C in `widget` puts on an emptied clipboard.
    static QString copied(QWidget* widget) {
        QApplication::clipboard()->clear();
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }

    // Where Tab moves the focus from `from`: the next control in the chain that takes it.
    QWidget* nextTabStop(QWidget* from) {
        for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&m_browser))
                return w;
        return nullptr;
    }

    // Opens the batch window, after drawing "mode<m>-Mi.csv" when a mode is given.
    BatchEvaluationWindow* openBatch(int mode = 0) {
        if (mode)
            load(mode);
        click(&m_browser, "CommandBatch");
        EXPECT_NE(m_browser.batchWindow(), nullptr);
        return m_browser.batchWindow();
    }

    void calculate(const QString& values) {
        batchControl<QPlainTextEdit>("TextValues")->setPlainText(values);
        click(m_browser.batchWindow(), "CommandCalculate");
    }

    Module1 m_state;
    Form6 m_browser{m_state};
};

TEST_F(BatchWindow, EveryRowIsWhatTheSingleEvaluationShows) {
    EXPECT_FALSE(browserControl("CommandBatch")->isEnabled());
    for (int mode = 1; mode <= 4; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        load(mode);
        ASSERT_TRUE(browserControl("CommandBatch")->isEnabled());
        BatchEvaluationWindow* batch = openBatch();
        ASSERT_TRUE(batch->isVisible());
        calculate(kTypedValues);
        const std::vector<BatchRow> rows = batch->model()->rows();
        ASSERT_EQ(rows.size(), 10u);

        bool kinds[3] = {}; // inside, extrapolated, refused
        for (const BatchRow& row : rows) {
            SCOPED_TRACE("X " + row.x);
            kinds[!row.ok ? 2 : row.extrapolated ? 1 : 0] = true;
            if (row.notANumber) {
                EXPECT_TRUE(row.x == "12abc" || row.x == "abc");
                continue; // the single box reads 12abc as 12; a token must be a number whole
            }
            evaluateSingle(QString::fromStdString(row.x));
            if (row.ok) {
                EXPECT_EQ(browserControl<QLabel>("Label6")->text().toStdString(), row.y);
                EXPECT_EQ(browserControl<QLabel>("LabelExtrapolated")->text(),
                          row.extrapolated ? kMark : QString());
            } else {
                EXPECT_EQ(takeMessage(), kCannotCalculate);
                EXPECT_EQ(browserControl<QLabel>("Label6")->text(), QString());
                EXPECT_EQ(row.y, kBatchRefusedText);
            }
        }
        if (mode >= 3) {
            EXPECT_TRUE(kinds[0] && kinds[1] && kinds[2]) << "a mix of inside, outside and refused rows";
        }
        EXPECT_NE(batchControl<QLabel>("LabelSummary")->text(), QString());
    }
}

TEST_F(BatchWindow, FollowsTheBrowsersPolynomial) {
    BatchEvaluationWindow* batch = openBatch(1);
    calculate(kTypedValues);
    ASSERT_FALSE(batch->model()->rows().empty());
    auto* values = batchControl<QPlainTextEdit>("TextValues");
    auto* path = batchControl<QLineEdit>("TextPath");
    EXPECT_EQ(path->text(), workPath(QStringLiteral("mode1-Mi-batch.csv")));
    // 12abc and abc are no numbers, 1e200 overflows, -1, 1000 and -1e-3 lie outside 0..5.
    EXPECT_EQ(batchControl<QLabel>("LabelSummary")->text(),
              QStringLiteral("10 行（数値ではありません 2 行、計算できません 1 行、外挿 3 行）"));

    // Every control the keyboard reaches has a screen-reader name; the table reads its cells.
    for (QWidget* w : batch->findChildren<QWidget*>()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            EXPECT_NE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QString())
                << w->objectName().toStdString();
        }
    }

    // Another archive: the old results go, the typed X stay, the save path follows the archive.
    load(3);
    EXPECT_TRUE(batch->model()->rows().empty());
    EXPECT_EQ(values->toPlainText(), QString(kTypedValues).remove(QLatin1Char('\r')));
    EXPECT_EQ(path->text(), workPath(QStringLiteral("mode3-Mi-batch.csv")));
    EXPECT_TRUE(batchControl("CommandCalculate")->isEnabled());

    // Reset: no polynomial, nothing to compute until a file is drawn again.
    calculate(kTypedValues);
    browserControl<QPushButton>("Command3")->click();
    EXPECT_TRUE(batch->model()->rows().empty());
    EXPECT_FALSE(batchControl("CommandCalculate")->isEnabled());
    EXPECT_FALSE(batchControl("CommandSave")->isEnabled());
    EXPECT_FALSE(browserControl("CommandBatch")->isEnabled());

    // Leaving the browser hides the window with it.
    openBatch(2);
    browserControl<QPushButton>("Command2")->click();
    EXPECT_FALSE(batch->isVisible());
}

TEST_F(BatchWindow, CtrlCCopiesTheSelectedRowsOrAll) {
    BatchEvaluationWindow* batch = openBatch(3);
    // By keyboard alone: the values typed into the focused box, Ctrl+Enter computes them.
    auto* values = batchControl<QPlainTextEdit>("TextValues");
    ASSERT_TRUE(QTest::qWaitFor([values] { return QApplication::focusWidget() == values; }, 2000));
    values->setPlainText(kTypedValues);
    QTest::keyClick(values, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([batch] { return batch->model()->rowCount() == 10; }, 2000));
    EXPECT_EQ(values->toPlainText(), QString(kTypedValues).remove(QLatin1Char('\r')))
        << "no line break typed";
    const std::vector<BatchRow> rows = batch->model()->rows();
    auto* table = batchControl<QTableView>("TableResults");
    table->setFocus();
    EXPECT_EQ(copied(table).toStdString(), FormatBatchTsv(rows));

    // Rows selected out of order copy in the table's order.
    table->selectRow(4);
    table->selectionModel()->select(batch->model()->index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const std::vector<BatchRow> picked = {rows[1], rows[4]};
    EXPECT_EQ(copied(table).toStdString(), FormatBatchTsv(picked));
}

TEST_F(BatchWindow, SavesTheCsvAtomicallyOrSaysWhyNot) {
    BatchEvaluationWindow* batch = openBatch(4);
    auto* path = batchControl<QLineEdit>("TextPath");
    auto* save = batchControl<QPushButton>("CommandSave");
    EXPECT_FALSE(save->isEnabled()) << "nothing computed yet";
    calculate(kTypedValues);
    const std::string csv = FormatBatchCsv(batch->model()->rows());
    ASSERT_EQ(csv.rfind("X,Y,外挿\r\n", 0), 0u);

    // A bare name lands beside the archive and gets its ".csv".
    path->setText(QStringLiteral("table"));
    save->click();
    EXPECT_TRUE(takeMessage().startsWith(kTableSaved));
    EXPECT_EQ(bytesOf(QStringLiteral("table.csv")).toStdString(), "\xEF\xBB\xBF" + csv);

    // An existing file is replaced only on Yes.
    writeFile(QStringLiteral("table.csv"), "kept");
    for (const bool yes : {false, true}) {
        answerNextQuestion(yes);
        save->click();
        EXPECT_EQ(takeQuestion(), QStringLiteral("  %1 は既にあります。置き換えますか？  ")
                                      .arg(workPath(QStringLiteral("table.csv"))));
        if (yes) {
            EXPECT_TRUE(takeMessage().startsWith(kTableSaved));
        }
        EXPECT_EQ(bytesOf(QStringLiteral("table.csv")).toStdString(), yes ? "\xEF\xBB\xBF" + csv : "kept");
    }

    const QByteArray archive = bytesOf(QStringLiteral("mode4-Mi.csv"));
    const struct {
        QString path, message;
    } refused[] = {
        {QString(), QStringLiteral("  ファイル名を入力して下さい！ ")},
        {workPath(QStringLiteral("folder.csv")), QStringLiteral("  一括計算の結果を保存できませんでした")},
        {workPath(QStringLiteral("missing/table.csv")),
         QStringLiteral("  一括計算の結果を保存できませんでした")},
        // Archive names, whether the file exists or not: the browser would list the table.
        {QStringLiteral("mode4-Mi"), QStringLiteral("  「mode4-Mi.csv」は補間データのファイル名")},
        {workPath(QStringLiteral("new-mi.CSV")), QStringLiteral("  「new-mi.CSV」は補間データのファイル名")},
    };
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.csv")));
    for (const auto& r : refused) {
        SCOPED_TRACE(r.path.toStdString());
        path->setText(r.path);
        save->click();
        EXPECT_TRUE(takeMessage().startsWith(r.message));
    }
    EXPECT_EQ(bytesOf(QStringLiteral("mode4-Mi.csv")), archive);
    EXPECT_FALSE(exists(QStringLiteral("new-mi.CSV")));
    EXPECT_TRUE(QFileInfo(workPath(QStringLiteral("folder.csv"))).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")),
              QStringList());
}

TEST_F(BatchWindow, ClosesByItsButtonOrEscape) {
    BatchEvaluationWindow* batch = openBatch(1);
    QWidget* close = batchControl("CommandClose");
    for (QWidget* other : batch->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == close || !other->geometry().intersects(close->geometry()))
            << other->objectName().toStdString();
    click(batch, "CommandClose");
    EXPECT_FALSE(batch->isVisible());
    openBatch();
    // The window's shortcuts work once it is the active window.
    ASSERT_TRUE(QTest::qWaitFor([batch] { return QApplication::activeWindow() == batch; }, 5000));
    QTest::keyClick(batchControl("TextValues"), Qt::Key_Escape);
    EXPECT_FALSE(batch->isVisible());
}

TEST_F(BatchWindow, SingleResultIsMarkedAndCopied) {
    load(1);
    auto* label6 = browserControl<QLabel>("Label6");
    auto* mark = browserControl<QLabel>("LabelExtrapolated");
    EXPECT_EQ(label6->focusPolicy(), Qt::NoFocus) << "no result, no stop";

    const struct {
        const char* x;
        bool outside;
    } cases[] = {{"2.5", false}, {"7", true}, {"-0.5", true}, {"0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        evaluateSingle(QString::fromLatin1(c.x));
        EXPECT_EQ(mark->text(), c.outside ? kMark : QString());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Name), mark->text());
        EXPECT_EQ(label6->focusPolicy(), Qt::TabFocus);
        EXPECT_EQ(nextTabStop(browserControl("Text1")), label6);
        EXPECT_EQ(nextTabStop(label6), browserControl("CommandBatch"));
        // The slope at X follows as a third column (Linear - Linear: dY/dX).
        const QString slope = QString::fromStdString(ReadoutText(SlopeAt(m_state, std::stod(c.x)), false));
        EXPECT_EQ(copied(label6),
                  QString::fromLatin1(c.x) + QLatin1Char('\t') + label6->text() + QLatin1Char('\t') + slope);
    }

    // Ctrl+C in the X box copies the evaluation only when the box has no selection of its own.
    auto* text1 = browserControl<QLineEdit>("Text1");
    EXPECT_TRUE(copied(text1).startsWith(QStringLiteral("0\t") + label6->text() + QLatin1Char('\t')));
    text1->selectAll();
    EXPECT_EQ(copied(text1), QStringLiteral("0"));

    // A click into the box starts a new X: no result, no mark, no stop.
    QTest::mouseClick(text1, Qt::LeftButton);
    EXPECT_EQ(std::tuple(label6->text(), mark->text(), label6->focusPolicy()),
              std::tuple(QString(), QString(), Qt::NoFocus));
}

TEST_F(BatchWindow, TheYRowFindsEveryXAndCopiesThem) {
    load(1);
    auto* textY = browserControl<QLineEdit>("TextY");
    auto* found = browserControl<QLabel>("LabelXForY");
    EXPECT_EQ(nextTabStop(browserControl("CommandBatch")), textY);
    const struct {
        const char *y, *xs;
    } cases[] = {{"2", "0.1459、3.000"}, {"-3.5", "4.670、5.8264 外挿"}, {"100", "この範囲にはありません"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        findX(c.y);
        EXPECT_EQ(found->text(), QString::fromUtf8(c.xs));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(found)->text(QAccessible::Name), found->text());
        EXPECT_EQ(nextTabStop(textY), found);
        EXPECT_EQ(copied(textY), QString::fromLatin1(c.y) + QLatin1Char('\t') + found->text());
    }
    // A refused Y takes the X of the previous one away before its message shows.
    QString besideTheMessage = QStringLiteral("none shown");
    SetMessageHook([&](const QString& text, MessageIcon icon) {
        besideTheMessage = found->text();
        m_messages << text;
        m_icons << icon;
    });
    findX("abc");
    expectOneMessageContaining(QStringLiteral("Y"));
    EXPECT_EQ(besideTheMessage, QString());
    // A logarithmic Y axis takes no Y <= 0; an empty box is no Y = 0.
    load(2);
    EXPECT_EQ(found->text(), QString()) << "the X found belong to the previous curve";
    for (const char* y : {"-1", ""}) {
        findX(y);
        expectOneMessageContaining(*y ? QStringLiteral("0 より大きい値")
                                      : QStringLiteral("Y の値が入力されていません"));
        EXPECT_EQ(found->text(), QString());
    }
    click(&m_browser, "Command3");
    EXPECT_FALSE(textY->isEnabled());
}

TEST_F(BatchWindow, YToXGivesARowPerCrossing) {
    BatchEvaluationWindow* batch = openBatch(2);
    auto* direction = batchControl<QComboBox>("ChoiceDirection");
    direction->setFocus();
    QTest::keyClick(direction, Qt::Key_Down);
    ASSERT_EQ(direction->currentText(), QStringLiteral("Y → X"));
    calculate(QStringLiteral("3\n1000\n-1"));
    EXPECT_EQ(batch->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Y"));
    const char* const shown[][2] = {
        {"3", "1.3864"}, {"3", "4.000"}, {"1000", "該当なし"}, {"-1", "正の Y が必要です"}};
    ASSERT_EQ(batch->model()->rowCount(), 4);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(batch->model()->index(r, 0).data().toString(), QString::fromUtf8(shown[r][0]));
        EXPECT_EQ(batch->model()->index(r, 1).data().toString(), QString::fromUtf8(shown[r][1]));
    }
    EXPECT_TRUE(batch->tableText().startsWith(QStringLiteral("Y\tX\t外挿\n3\t1.3863")));
    auto* path = batchControl<QLineEdit>("TextPath");
    path->setText(QStringLiteral("inverse"));
    click(batch, "CommandSave");
    EXPECT_TRUE(takeMessage().startsWith(kTableSaved));
    EXPECT_EQ(bytesOf(QStringLiteral("inverse.csv")).left(17), QByteArray("\xEF\xBB\xBFY,X,外挿\r\n3,"));
    // Back to X → Y: the table empties and asks for X again.
    QTest::keyClick(direction, Qt::Key_Up);
    EXPECT_TRUE(batch->model()->rows().empty());
    EXPECT_EQ(batch->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("X"));
}

TEST_F(BatchWindow, TheGraphsMenuCopiesTheCurveAsAFormula) {
    load(4);
    auto* graph = browserControl("Picture1");
    graph->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->clear();
    QTest::keyClick(graph, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    // The entry is the last of the menu: Up from the top wraps to it.
    QTest::keyClick(menu, Qt::Key_Up);
    ASSERT_EQ(menu->activeAction()->objectName(), QStringLiteral("copyFormula"));
    QTest::keyClick(menu, Qt::Key_Return);
    const QString formula = QApplication::clipboard()->text();
    EXPECT_TRUE(formula.startsWith(QStringLiteral("=EXP(")) && formula.contains(QStringLiteral("*(LN(A2)-")))
        << formula.toStdString();
    click(&m_browser, "Command3");
    EXPECT_FALSE(graph->findChild<QAction*>(QStringLiteral("copyFormula"))->isEnabled());
}

TEST_F(BatchWindow, SlopeAreaAndGridOfTheLoadedCurve) {
    load(4); // Log - Log: the slope is dlnY/dlnX
    evaluateSingle(QStringLiteral("3"));
    const double slope = SlopeAt(m_state, 3);
    EXPECT_EQ(browserControl<QLabel>("LabelEvalSlope")->text(), QString::fromStdString(SlopeText(4, slope)));
    EXPECT_TRUE(
        copied(browserControl("Label6")).endsWith(QString::fromStdString("\t" + ReadoutText(slope, false))));
    // The crosshair by keyboard: the slope label, the graph's name and its copy agree.
    auto* graph = browserControl("Picture1");
    graph->setFocus(Qt::TabFocusReason);
    QTest::keyClick(graph, Qt::Key_Home);
    const double first = SlopeAtSample(DrawnCurveOf(m_state), 1);
    const QString shown = QString::fromStdString(SlopeText(4, first));
    EXPECT_EQ(browserControl<QLabel>("LabelSlope")->text(), shown);
    EXPECT_TRUE(graph->accessibleName().endsWith(shown)) << graph->accessibleName().toStdString();
    EXPECT_TRUE(copied(graph).endsWith(QString::fromStdString("\t" + ReadoutText(first, false))));

    // The area row offers the points' range; its refusals name the box.
    auto* x2 = browserControl<QLineEdit>("TextAreaX2");
    EXPECT_EQ(std::pair(browserControl<QLineEdit>("TextAreaX1")->text(), x2->text()),
              std::pair(QStringLiteral("0.02"), QStringLiteral("500")));
    click(&m_browser, "CommandArea");
    EXPECT_EQ(browserControl<QLabel>("LabelAreaValue")->text(),
              QString::fromStdString(AreaBetween(m_state, 0.02, 500).text));
    for (const char* bad : {"", "-1", "1E+09"}) {
        x2->setText(QString::fromLatin1(bad));
        click(&m_browser, "CommandArea");
        expectOneMessageContaining(QStringLiteral("X2"));
        EXPECT_TRUE(browserControl<QLabel>("LabelAreaValue")->text().isEmpty());
    }

    // The grid dialog fills the X box and calculates it, with the slope column on request.
    BatchEvaluationWindow* batch = openBatch();
    batchControl<QComboBox>("ChoiceSlopeColumn")->setCurrentIndex(1);
    click(batch, "CommandGrid");
    auto* dialog = batch->findChild<QWidget*>(QStringLiteral("FormGrid"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(control<QComboBox>(dialog, "ChoiceGridKind")->currentIndex(), 1)
        << "a log X axis asks for decades";
    type(dialog, "TextStep", QStringLiteral("0.5"));
    click(dialog, "CommandOK");
    expectOneMessageContaining(QStringLiteral("1 以上の整数"));
    const std::pair<const char*, const char*> boxes[] = {
        {"TextStart", "1"}, {"TextStop", "100"}, {"TextStep", "2"}};
    for (const auto& [name, text] : boxes)
        type(dialog, name, QString::fromLatin1(text));
    click(dialog, "CommandOK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(batchControl<QPlainTextEdit>("TextValues")->toPlainText(),
              QStringLiteral("1\n3.16227766017\n10\n31.6227766017\n100\n"));
    ASSERT_EQ(batch->model()->rows().size(), 5U);
    EXPECT_TRUE(batch->tableText().startsWith(QStringLiteral("X\tY\tdlnY/dlnX\t外挿\n1\t")));
}

} // namespace
} // namespace mirendo

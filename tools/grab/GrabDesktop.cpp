// Not a test: goes through a calculation (Log - Log) and the browser and saves every window to
// <folder>/desk-<window>-<scale>x.png, to look at the layout at the screen scale it runs with
// (QT_SCALE_FACTOR=2 for 2x); the main window also as reset (desk-Form1-reset-<scale>x.png). The
// focused control of each window shows its focus frame; both graphs show the crosshair as the
// keyboard put it. The main window is grabbed once more for ex_runge.csv in Linear - Linear with
// each comparison curve (desk-Form1-<method>-<scale>x.png), and the batch window with a mixed
// table, once in X → Y and once in Y → X, and its grid dialog (desk-FormGrid-<scale>x.png) with the
// grid it fills in, slope column shown (desk-FormBatch-grid-<scale>x.png). The browser shows its
// area row calculated, with the monotone comparison's values; the main window is grabbed last on
// ex_powerlaw.csv in Log - Log with the slope and the comparison's (desk-Form1-powerlaw-<scale>x.png). The
// window tests take no pictures: every picture for a person to look at is taken here. Usage: grab_desktop
// [folder]   (default /tmp); in English
// when LANGUAGE=en, as Mirendo.
#include "programs/mirendo/WindowSet.h"
#include "qt/bridge/Calculation.h"
#include "qt/lang/Language.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"
#include "windows/Form9.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString g_out;

// `what` names a second picture of the same window (desk-Form11-paste-1x.png).
void grab(QWidget* window, QWidget* focus = nullptr, const QString& what = QString()) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become active", qPrintable(window->objectName()));
    if (focus)
        focus->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    const QString scale = QString::number(qApp->devicePixelRatio());
    const QString name =
        what.isEmpty() ? window->objectName() : window->objectName() + QLatin1Char('-') + what;
    window->grab().save(QDir(g_out).filePath(QStringLiteral("desk-%1-%2x.png").arg(name, scale)));
}

void writeFile(const char* name, const QByteArray& bytes) {
    QFile file(QString::fromLatin1(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

template <typename T = QWidget> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// A mouse click on a button, as the user makes it; a disabled one takes none and is reported.
void clickButton(QWidget* window, const char* name) {
    auto* button = child<QPushButton>(window, name);
    if (!button || !button->isEnabled()) {
        qWarning("%s: %s cannot be clicked", qPrintable(window->objectName()), name);
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

// A mouse click on a row of the window's file list, given by its name or (an empty name) the first.
void clickFile(QWidget* window, const QString& name = {}) {
    auto* files = child<QListWidget>(window, "File1");
    const QList<QListWidgetItem*> named = files->findItems(name, Qt::MatchExactly);
    QListWidgetItem* item = name.isEmpty() ? files->item(0) : named.value(0);
    if (!item) {
        qWarning("%s: no file %s", qPrintable(window->objectName()), qPrintable(name));
        return;
    }
    files->scrollToItem(item);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
}

// Puts the focus on the window's graph and steps its crosshair `pages` pages from the first sample.
void stepCrosshair(QWidget* window, int pages) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become active", qPrintable(window->objectName()));
    QWidget* graph = child(window, "Picture1");
    graph->setFocus(Qt::TabFocusReason);
    QTest::keyClick(graph, Qt::Key_Home);
    for (int i = 0; i < pages; ++i)
        QTest::keyClick(graph, Qt::Key_PageDown);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mirendo::InstallLanguage(mirendo::LanguageOfUser(std::nullopt));
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    for (const char* name : {"ex_decay.csv", "ex_blanks.dat"})
        writeFile(name, "1,  100\r\n2,  45\r\n4,  12\r\n8,  2.5\r\n");
    writeFile("ex_runge.csv", // as examples/ holds it
              "-1,0.0384615\n-0.777778,0.0620214\n-0.555556,0.114731\n-0.333333,0.264706\n"
              "-0.111111,0.764151\n0.111111,0.764151\n0.333333,0.264706\n0.555556,0.114731\n"
              "0.777778,0.0620214\n1,0.0384615\n");
    writeFile("ex_powerlaw.csv", "1,3\n2,8.48528\n5,33.541\n10,94.8683\n20,268.328\n50,1060.66\n");
    writeFile("bad.csv", "1,2\r\n3,4\r\n5,abc\r\n"); // the read-error window names its third line
    mirendo::SetMessageHook([](const QString&, mirendo::MessageIcon) {});

    mirendo::Module1 state;
    mirendo::WindowSet windows(state, QStringLiteral(MIRENDO_ENGINE_DIR));
    grab(windows.form2(), child(windows.form2(), "Command1"));

    child<QPushButton>(windows.form2(), "Command4")->click();
    mirendo::Form9* help = windows.form9();
    clickFile(help);
    grab(help, child(help, "File1"));

    child<QPushButton>(windows.form2(), "Command1")->click();
    mirendo::Form1* main = windows.form1();
    grab(main, child(main, "Command9"), QStringLiteral("reset"));
    child<QPushButton>(main, "Command9")->click();
    mirendo::Form10* input = windows.form10();
    clickFile(input, QStringLiteral("bad.csv"));
    if (QWidget* readError = input->findChild<QWidget*>(QStringLiteral("Form3"))) {
        grab(readError, child(readError, "Command1"));
        readError->hide();
    }
    clickFile(input, QStringLiteral("ex_decay.csv"));
    grab(input, child(input, "Command1"));
    clickButton(input, "Command1");

    child<QRadioButton>(main, "Option4")->click(); // Log - Log
    for (const char* name : {"Command3", "Command1", "Command4", "Command5"})
        child<QPushButton>(main, name)->click();
    if (!QTest::qWaitFor([&windows] { return !windows.calculation()->isWaitingForResult(); }, 11000))
        return 1;
    // The graph read by keyboard: focused, the crosshair stepped onto the curve.
    stepCrosshair(main, 12);
    grab(main, child(main, "Picture1"));
    child<QPushButton>(main, "Command6")->click();
    grab(windows.form4(), child(windows.form4(), "Text1"));
    child<QPushButton>(windows.form4(), "Command1")->click();
    child<QPushButton>(main, "Command8")->click();
    grab(windows.form5(), child(windows.form5(), "Command1"));
    windows.form5()->hide();

    mirendo::Form11* entry = windows.form11();
    entry->openForEntry();
    for (const char* value : {"1", "10", "2", "20"}) {
        QWidget* box = QApplication::focusWidget();
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            edit->setText(QString::fromLatin1(value));
            QTest::keyClick(edit, Qt::Key_Return);
            if (auto* next = qobject_cast<QPushButton*>(QApplication::focusWidget()))
                next->click();
        }
    }
    grab(entry, child(entry, "Command1"));
    entry->hide();

    child<QPushButton>(main, "Command2")->click();
    child<QPushButton>(windows.form2(), "Command3")->click();
    mirendo::Form6* browser = windows.form6();
    clickFile(browser);
    clickButton(browser, "Command1");
    clickButton(browser, "Command4");
    auto* x = child<QLineEdit>(browser, "Text1");
    x->setText(QStringLiteral("3"));
    child<QComboBox>(browser, "ComboCompare")->setCurrentIndex(2);
    QTest::keyClick(x, Qt::Key_Return);
    clickButton(browser, "CommandArea");
    stepCrosshair(browser, 8);
    grab(browser, child(browser, "Picture1"));
    // The batch window: values inside and outside the points, a leading-number text and a
    // non-number, then the same values in Y → X.
    clickButton(browser, "CommandBatch");
    if (QWidget* batch = browser->batchWindow()) {
        child<QPlainTextEdit>(batch, "TextValues")
            ->setPlainText(QStringLiteral("1\n3, -1\t12abc 1e200\nabc\n0.5"));
        clickButton(batch, "CommandCalculate");
        grab(batch, child(batch, "TableResults"));
        child<QComboBox>(batch, "ChoiceDirection")->setCurrentIndex(1);
        clickButton(batch, "CommandCalculate");
        grab(batch, child(batch, "TableResults"), QStringLiteral("inverse"));
        child<QComboBox>(batch, "ChoiceDirection")->setCurrentIndex(0);
        child<QComboBox>(batch, "ChoiceSlopeColumn")->setCurrentIndex(1);
        clickButton(batch, "CommandGrid");
        if (auto* gridDialog = batch->findChild<QWidget*>(QStringLiteral("FormGrid"))) {
            grab(gridDialog, child(gridDialog, "TextStep"));
            clickButton(gridDialog, "CommandOK");
        }
        grab(batch, child(batch, "TableResults"), QStringLiteral("grid"));
        batch->hide();
    }

    // The browser's points calculated again: the main window ready for the settings OK.
    clickButton(browser, "CommandRecalc");
    grab(main, child(main, "Command3"), QStringLiteral("recalc"));
    // Two spreadsheet columns pasted into the manual entry.
    child<QRadioButton>(main, "Option6")->setChecked(true);
    clickButton(main, "Command9");
    entry->activateWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\r\n1\t100\r\n2\t45\r\n4\t12\r\n8\t2.5\r\n"));
    QTest::keyClick(child(entry, "Text1"), Qt::Key_V, Qt::ControlModifier);
    grab(entry, child(entry, "Text1"), QStringLiteral("paste"));
    // Ten points of Runge's function and the comparison curves under the polynomial: the paste
    // cancelled, then a new calculation from a file.
    clickButton(entry, "Command5");
    child<QPushButton>(main, "Command7")->click();
    child<QRadioButton>(main, "Option5")->setChecked(true);
    child<QPushButton>(main, "Command9")->click();
    clickFile(input, QStringLiteral("ex_runge.csv"));
    clickButton(input, "Command1");
    for (const char* name : {"Command3", "Command1", "Command4", "Command5"})
        child<QPushButton>(main, name)->click();
    if (!QTest::qWaitFor([&windows] { return !windows.calculation()->isWaitingForResult(); }, 11000))
        return 1;
    auto* compare = child<QComboBox>(main, "ComboCompare");
    const char* const methods[] = {"none", "linear", "monotone", "spline"};
    for (int i = 0; i < compare->count(); ++i) {
        compare->setCurrentIndex(i);
        stepCrosshair(main, 22);
        main->setObjectName(QStringLiteral("Form1-%1").arg(QLatin1String(methods[i])));
        grab(main, child(main, "Picture1"));
    }
    main->setObjectName(QStringLiteral("Form1"));
    // The last graph (monotone comparison, red trust line) as the user saves it: a PNG with the
    // limits and the trust line around it (export-Form1-<scale>x.png), to look at its glyphs.
    compare->setCurrentIndex(2);
    child<QPushButton>(main, "Command8")->click();
    mirendo::Form5* save = windows.form5();
    save->folderLists()->setPath(g_out);
    child<QComboBox>(save, "Combo1")->setCurrentIndex(1);
    child<QLineEdit>(save, "Text1")
        ->setText(QStringLiteral("export-Form1-%1x").arg(QString::number(qApp->devicePixelRatio())));
    clickButton(save, "Command1");
    save->hide();
    // A power law in Log - Log: the slope is its exponent, 1.5, all along the curve.
    child<QPushButton>(main, "Command7")->click();
    child<QRadioButton>(main, "Option5")->setChecked(true);
    child<QPushButton>(main, "Command9")->click();
    clickFile(input, QStringLiteral("ex_powerlaw.csv"));
    clickButton(input, "Command1");
    child<QRadioButton>(main, "Option4")->click();
    for (const char* name : {"Command3", "Command1", "Command4", "Command5"})
        child<QPushButton>(main, name)->click();
    if (!QTest::qWaitFor([&windows] { return !windows.calculation()->isWaitingForResult(); }, 11000))
        return 1;
    compare->setCurrentIndex(2);
    stepCrosshair(main, 12);
    main->setObjectName(QStringLiteral("Form1-powerlaw"));
    grab(main, child(main, "Picture1"));
    return 0;
}

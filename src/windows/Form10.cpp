#include "windows/Form10.h"

#include "qt/messages/Messages.h"

#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "core/input/Ordering.h"
#include "core/input/PointFileReader.h"
#include "widgets/EnterKeys.h"
#include "widgets/FolderLists.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"
#include "windows/Form3.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace mirendo {

Form10::Form10(Module1& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state) {
    SetUpWindow(this, "Form10", tr(" データ入力（ファイル入力）"), 8400, 7200);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form10.tsv"));
    auto* drive1 = c.get<QComboBox>("Drive1");
    auto* dir1 = c.get<QListWidget>("Dir1");
    m_file1 = c.get<QListWidget>("File1");
    m_list1 = c.get<QListWidget>("List1");
    m_rangeLabels = RangeLabelsOf(c);
    auto* command1 = c.get<QPushButton>("Command1");
    auto* command2 = c.get<QPushButton>("Command2");
    auto* command3 = c.get<QPushButton>("Command3");
    auto* clipboard = c.get<QPushButton>("CommandClipboard");
    auto* chart = c.get<QPushButton>("CommandChart");
    chart->setAccessibleName(tr("グラフ画像から点を読み取る"));
    chart->setToolTip(tr("ファイルの代わりに、グラフの画像から点を読み取る"));
    clipboard->setAccessibleName(tr("クリップボードから読み込む"));
    clipboard->setToolTip(tr("クリップボードのテキストをファイルと同じく読み込む"));

    m_lists =
        new FolderLists(drive1, dir1, m_file1, {QStringLiteral("*.dat"), QStringLiteral("*.csv")}, this);
    // The engine's exchange files match "*.dat" but hold no points to read.
    m_lists->setExcludedNames(
        {QString::fromLatin1(exchange::kRequestFileName), QString::fromLatin1(exchange::kResultFileName)});
    connect(m_lists, &FolderLists::fileClicked, this, &Form10::File1_Click);
    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    for (QPushButton* button : {command1, command2, command3, clipboard, chart})
        keys->clickOnEnter(button);

    // Keyboard: choose the file in the lists (or take the clipboard), then OK or Cancel; the
    // format help and the file's contents last.
    QWidget* order[] = {drive1, dir1, m_file1, clipboard, chart, command1, command2, command3, m_list1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_list1->setAccessibleName(tr("このファイルの内容"));
    NameRangeLabels(m_rangeLabels);
}

void Form10::prepare() {
    m_lists->resetToCurrentFolderOfDrive();
    m_lists->clearSelection();
    m_list1->clear();
    SetRangeTexts(m_rangeLabels, {});
    m_pointsRead = false;
    m_readPath.clear();
    m_file1->setFocus(Qt::OtherFocusReason); // takes effect when the dialog is shown
}

void Form10::File1_Click(const QString& name) {
    const QString path = JoinPath(m_lists->path(), name);
    takeRead(path, ReadPointFile(QFile::encodeName(path).toStdString()));
}

void Form10::CommandClipboard_Click() {
    const PointFileRead read = ReadPointText(QGuiApplication::clipboard()->text().toUtf8().toStdString());
    // Only a read that would take the points' place is asked about; a refusal changes nothing.
    if (read.givesPoints() && m_mayReplace && !m_mayReplace())
        return;
    takeRead(QString(), read, tr("クリップボード"));
}

bool Form10::readDroppedFile(const QString& path, const PointFileRead& read) {
    return acceptDroppedRead(QFileInfo(path).fileName(), read, path);
}

bool Form10::readDroppedText(const QString& text, const QString& source) {
    return acceptDroppedRead(source, ReadPointText(text.toUtf8().toStdString()), QString());
}

bool Form10::acceptDroppedRead(const QString& source, const PointFileRead& read, const QString& path) {
    if (!read.ok()) {
        // Nothing was chosen in the dialog: the points shown so far stay.
        showReadError(source, read);
        return false;
    }
    if (!read.givesPoints()) {
        ShowMessage(this, PaddedLines(tr("データが読み込まれていません"), kOneBlankMargin),
                    MessageIcon::Warning);
        return false;
    }
    takeRead(path, read, source);
    // Accepted as by "OK", but for this read: a file the dialog's list still has chosen from an
    // earlier opening is not read instead.
    hide();
    emit accepted();
    return true;
}

void Form10::takeRead(const QString& path, const PointFileRead& read, const QString& source) {
    m_pointsRead = false;
    m_readPath = path;
    emit readStarted();
    SetRangeTexts(m_rangeLabels, {});
    m_list1->clear();

    const std::optional<PublishedPoints> published = TakePointFileRead(m_state, path.toStdString(), read);
    if (!published) {
        failRead(source.isEmpty() ? QFileInfo(path).fileName() : source, read);
        return;
    }
    for (const std::string& line : read.lines)
        m_list1->addItem(QString::fromStdString(line));
    if (published->reordered)
        LetPendingPaintsThrough(); // the windows repaint after a long ordering step
    SetRangeTexts(m_rangeLabels, published->rangeTexts);
    m_pointsRead = m_state.PointCount >= 1 && m_state.PointCount <= Module1::kMaxPoints;
    emit pointsPublished(*published);
}

void Form10::failRead(const QString& source, const PointFileRead& read) {
    m_list1->clear();
    emit readFailed();
    showReadError(source, read);
}

void Form10::showReadError(const QString& source, const PointFileRead& read) {
    Beep();
    if (!m_form3)
        m_form3 = new Form3(this);
    m_form3->setCause(read, source);
    m_form3->show();
    m_form3->raise();
}

void Form10::Command1_Click() {
    // OK chooses the file the list's cursor stands on, as a click or Enter does, when it is not
    // the one read last: moving through the list by keys reads nothing until a file is chosen.
    const QString current = m_lists->selectedName();
    if (!current.isEmpty() && JoinPath(m_lists->path(), current) != m_readPath) {
        File1_Click(current);
        if (!m_pointsRead)
            return; // the read-error window or the message says why
    }
    // Only a successful read of at least one point may go on: after a failure the count is a
    // line count (up to 100) and the arrays hold a partial read.
    if (!m_pointsRead) {
        ShowMessage(this, PaddedLines(tr("データが読み込まれていません"), kOneBlankMargin),
                    MessageIcon::Warning);
        return;
    }
    hide();
    emit accepted();
}

void Form10::Command2_Click() {
    hide();
    emit cancelled();
}

void Form10::Command3_Click() {
    emit helpRequested();
}

void Form10::CommandChart_Click() {
    emit chartRequested();
}

void Form10::closeEvent(QCloseEvent* event) {
    if (isVisible())
        emit cancelled();
    event->accept(); // closing only hides the dialog
}

} // namespace mirendo

#include "input/Form10.h"

#include "input/Form3.h"
#include "input/Form9.h"
#include "input/InputLayout.h"
#include "input/Ordering.h"
#include "input/PointFileReader.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace mirendo {

using namespace inputlayout;

Form10::Form10(Module1& state, Form9* help, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_help(help) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral(" データ入力（ファイル入力）"));
    SetWindowFont(this);
    SetClientSize(this, 8400, 7200);

    AddLabel(this, "Label7", QStringLiteral("補間の対象とするデータ"), 240, 240, 2640, 240, true);
    QPushButton* command3 = AddButton(this, "Command3", QStringLiteral("データ書式"), 3120, 120, 1335, 375);
    AddLabel(this, "Label1", QStringLiteral("ファイルを選択して下さい"), 360, 600, 2880, 240, true);
    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(Twips(480, 960, 3495, 345));
    m_dir1 = AddList(this, "Dir1", 480, 1320, 3495, 1620);
    m_file1 = AddList(this, "File1", 480, 3000, 3495, 2790);
    AddLabel(this, "Label2", QStringLiteral("このファイルの内容"), 4800, 600, 2160, 240, true);
    m_list1 = AddList(this, "List1", 4320, 960, 3855, 4785);
    AddLabel(this, "Label3", QStringLiteral("X                Y"), 5880, 5880, 1515, 360);
    AddLabel(this, "Label4", QStringLiteral("最小値"), 4560, 6240);
    AddLabel(this, "Label5", QStringLiteral("最大値"), 4560, 6600);
    m_rangeLabels = {AddRangeLabel(this, "Label31", 5400, 6240), AddRangeLabel(this, "Label32", 5400, 6600),
                     AddRangeLabel(this, "Label33", 6720, 6240), AddRangeLabel(this, "Label34", 6720, 6600)};
    QPushButton* command1 = AddButton(this, "Command1", QStringLiteral("OK"), 480, 6120, 1455, 615);
    QPushButton* command2 = AddButton(this, "Command2", QStringLiteral("キャンセル"), 2400, 6120, 1455, 615);

    m_lists =
        new FolderLists(m_drive1, m_dir1, m_file1, {QStringLiteral("*.dat"), QStringLiteral("*.csv")}, this);
    connect(m_lists, &FolderLists::fileClicked, this, &Form10::File1_Click);
    connect(command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    auto* keys = new EnterKeys(this);
    for (QPushButton* button : {command1, command2, command3})
        keys->clickOnEnter(button);

    // Keyboard: choose the file in the lists, then OK or Cancel; the format help and the
    // file's contents last.
    QWidget* order[] = {m_drive1, m_dir1, m_file1, command1, command2, command3, m_list1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_list1->setAccessibleName(QStringLiteral("このファイルの内容"));
    NameRangeLabels(m_rangeLabels);
}

void Form10::prepare() {
    m_lists->resetToCurrentFolderOfDrive();
    m_lists->clearSelection();
    m_list1->clear();
    SetRangeTexts(m_rangeLabels, {});
    m_pointsRead = false;
    m_file1->setFocus(Qt::OtherFocusReason); // takes effect when the dialog is shown
}

void Form10::File1_Click(const QString& name) {
    const QString path = JoinPath(m_lists->path(), name);
    takeRead(path, ReadPointFile(QFile::encodeName(path).toStdString()));
}

bool Form10::readDroppedFile(const QString& path) {
    const PointFileRead read = ReadPointFile(QFile::encodeName(path).toStdString());
    if (!read.ok()) {
        // Nothing was chosen in the dialog: the points shown so far stay.
        showReadError();
        return false;
    }
    if (read.pointCount < 1 || read.pointCount > Module1::kMaxPoints) {
        ShowMessage(this, QStringLiteral(" データが読み込まれていません "), MessageIcon::Warning);
        return false;
    }
    takeRead(path, read);
    Command1_Click();
    return true;
}

void Form10::takeRead(const QString& path, const PointFileRead& read) {
    m_pointsRead = false;
    for (int i = 1; i <= Module1::kMaxPoints; ++i) {
        m_state.XData[i] = 0;
        m_state.YData[i] = 0;
    }
    emit readStarted();
    SetRangeTexts(m_rangeLabels, {});

    m_state.FilePath = path.toStdString();
    m_list1->clear();

    StorePointFileRead(m_state, read);
    if (!read.ok()) {
        failRead();
        return;
    }
    for (const std::string& line : read.lines)
        m_list1->addItem(QString::fromStdString(line));
    const PublishedPoints published = PublishFilePoints(m_state, read.lines, [] { RepaintPending(); });
    SetRangeTexts(m_rangeLabels, published.rangeTexts);
    m_pointsRead = m_state.PointCount >= 1 && m_state.PointCount <= Module1::kMaxPoints;
    emit pointsPublished(published);
}

void Form10::failRead() {
    m_list1->clear();
    emit readFailed();
    showReadError();
}

void Form10::showReadError() {
    Beep();
    if (!m_form3)
        m_form3 = new Form3(this);
    m_form3->show();
    m_form3->raise();
}

void Form10::Command1_Click() {
    // Only a successful read of at least one point may go on: after a failure the count is a
    // line count (up to 100) and the arrays hold a partial read.
    if (!m_pointsRead) {
        ShowMessage(this, QStringLiteral(" データが読み込まれていません "), MessageIcon::Warning);
        return;
    }
    if (m_help)
        m_help->hide();
    hide();
    emit accepted();
}

void Form10::Command2_Click() {
    hide();
    if (m_help)
        m_help->hide();
    emit cancelled();
}

void Form10::Command3_Click() {
    if (!m_help)
        return;
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Form10::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        if (m_help)
            m_help->hide();
        emit cancelled();
    }
    event->accept(); // closing only hides the dialog
}

} // namespace mirendo

#include "input/Form9.h"

#include "input/PointFileReader.h"
#include "widgets/EnterKeys.h"
#include "widgets/FolderLists.h"
#include "widgets/FormLayout.h"
#include "widgets/ListKeyChoice.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace mirendo {

namespace {
const FormRow kControls[] = {
    {"Label1", ControlKind::BlueLabel, "補間の対象となる離散データの書式", 840, 240, 0, 0},
    {"Label8", ControlKind::Label, "添付したデータ例（テキストエディタでも読み込み可）を参照", 720, 960, 0,
     0},
    {"Label2", ControlKind::Label, "１行に２データ（Ｘ値, Ｙ値 の順）とする", 600, 1560, 0, 0},
    {"Label9", ControlKind::Label, "１行に１データ，１行に３データ以上は不可", 840, 1920, 0, 0},
    {"Label3", ControlKind::Label, "１列目Ｘ座標値　２列目Ｙ座標値　を", 600, 2520, 0, 0},
    {"Label4", ControlKind::Label, "(1) カンマ（ ，）で区切ったテキストファイル（拡張子を csv とする）", 960,
     3000, 0, 0},
    {"Label5", ControlKind::Label, "(2) スペースで区切ったテキストファイル（拡張子を dat とする）", 960, 3360,
     0, 0},
    {"Label6", ControlKind::Label, "の いずれかとする", 960, 3840, 0, 0},
    {"Label7", ControlKind::Label, "最大10行までとする（最大データ点 10）　（データ点 5, 6 程度を推奨）", 720,
     4440, 0, 0},
    {"Shape1", ControlKind::Fill, "#000000", 360, 1080, 135, 135},
    {"Shape2", ControlKind::Fill, "#000000", 360, 1680, 135, 135},
    {"Shape3", ControlKind::Fill, "#000000", 360, 2640, 135, 135},
    {"Shape4", ControlKind::Fill, "#000000", 360, 4560, 135, 135},
    {"Line1", ControlKind::Fill, "#ff0000", 5280, 4800, 2880, 15},
    {"Label10", ControlKind::Label, "データ例（クリック）", 8280, 360, 2250, 345},
    {"Picture2", ControlKind::Picture, "", 7320, 840, 480, 480},
    {"File1", ControlKind::List, "", 8040, 720, 2775, 1530},
    {"List1", ControlKind::List, "", 11040, 480, 3495, 4860},
    {"Command1", ControlKind::Button, "閉じる", 360, 5160, 1215, 495},
};
} // namespace

Form9::Form9(const QString& workDir, QWidget* parent) : QWidget(parent, Qt::Window), m_workDir(workDir) {
    SetUpWindow(this, "Form9", QStringLiteral("データ書式"), 14880, 5880);
    const FormControls c = BuildForm(this, kControls);
    c.get<QLabel>("Picture2")
        ->setPixmap(QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    m_file1 = c.get<QListWidget>("File1");
    m_list1 = c.get<QListWidget>("List1");
    auto* close = c.get<QPushButton>("Command1");

    connect(m_file1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item)
            File1_Click(item->text());
    });
    // Arrows and Enter (or Space) show an example without the mouse.
    connect(new ListKeyChoice(m_file1), &ListKeyChoice::chosen, this,
            [this](QListWidgetItem* item) { File1_Click(item->text()); });
    m_file1->setAccessibleName(QStringLiteral("データ例のファイル"));
    m_list1->setAccessibleName(QStringLiteral("データ例の内容"));
    connect(close, &QPushButton::clicked, this, &Form9::Command1_Click);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
    refreshFiles();
}

void Form9::refreshFiles() {
    const QString selected = m_file1->currentItem() ? m_file1->currentItem()->text() : QString();
    m_file1->clear();
    const QStringList names = QDir(m_workDir).entryList(
        {QStringLiteral("ex_*.csv"), QStringLiteral("ex_*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_file1->addItems(names);
    const auto again = m_file1->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !again.isEmpty())
        m_file1->setCurrentItem(again.first());
}

void Form9::showEvent(QShowEvent* event) {
    refreshFiles(); // examples copied in while the program runs show up
    QWidget::showEvent(event);
}

void Form9::File1_Click(const QString& name) {
    m_list1->clear();
    std::vector<std::string> lines;
    if (!ReadTextLines(QFile::encodeName(JoinPath(m_workDir, name)).toStdString(), lines)) {
        ShowMessage(this, QStringLiteral(" ファイル %1 を読み込めませんでした ").arg(name),
                    MessageIcon::Warning);
        return;
    }
    for (const std::string& line : lines)
        m_list1->addItem(QString::fromStdString(line));
}

void Form9::Command1_Click() {
    m_list1->clear();
    hide();
}

} // namespace mirendo

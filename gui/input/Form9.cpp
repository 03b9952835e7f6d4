#include "input/Form9.h"

#include "input/InputLayout.h"
#include "input/PointFileReader.h"
#include "widgets/FolderLists.h"
#include "widgets/ListKeyChoice.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace mirendo {

using namespace inputlayout;

Form9::Form9(const QString& workDir, QWidget* parent) : QWidget(parent, Qt::Window), m_workDir(workDir) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("データ書式"));
    SetWindowFont(this);
    SetClientSize(this, 14880, 5880);

    AddLabel(this, "Label1", QStringLiteral("補間の対象となる離散データの書式"), 840, 240, 0, 0, true);
    AddLabel(this, "Label8", QStringLiteral("添付したデータ例（テキストエディタでも読み込み可）を参照"), 720,
             960);
    AddLabel(this, "Label2", QStringLiteral("１行に２データ（Ｘ値, Ｙ値 の順）とする"), 600, 1560);
    AddLabel(this, "Label9", QStringLiteral("１行に１データ，１行に３データ以上は不可"), 840, 1920);
    AddLabel(this, "Label3", QStringLiteral("１列目Ｘ座標値　２列目Ｙ座標値　を"), 600, 2520);
    AddLabel(this, "Label4",
             QStringLiteral("(1) カンマ（ ，）で区切ったテキストファイル（拡張子を csv とする）"), 960, 3000);
    AddLabel(this, "Label5", QStringLiteral("(2) スペースで区切ったテキストファイル（拡張子を dat とする）"),
             960, 3360);
    AddLabel(this, "Label6", QStringLiteral("の いずれかとする"), 960, 3840);
    AddLabel(this, "Label7",
             QStringLiteral("最大10行までとする（最大データ点 10）　（データ点 5, 6 程度を推奨）"), 720,
             4440);
    const char* squares[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    const int squareTops[] = {1080, 1680, 2640, 4560};
    for (int i = 0; i < 4; ++i)
        AddBox(this, squares[i], 360, squareTops[i], 135, 135, Qt::black);
    AddLine(this, "Line1", 5280, 8160, 4800, QColor(255, 0, 0));

    AddLabel(this, "Label10", QStringLiteral("データ例（クリック）"), 8280, 360, 2250, 345);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture2"));
    picture->setGeometry(Twips(7320, 840, 480, 480));
    picture->setPixmap(QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    m_file1 = AddList(this, "File1", 8040, 720, 2775, 1530);
    m_list1 = AddList(this, "List1", 11040, 480, 3495, 4860);
    QPushButton* close = AddButton(this, "Command1", QStringLiteral("閉じる"), 360, 5160, 1215, 495);

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
    const TextListing listing = ListTextLines(QFile::encodeName(JoinPath(m_workDir, name)).toStdString());
    if (!listing.ok) {
        ShowMessage(this, QStringLiteral(" ファイル %1 を読み込めませんでした ").arg(name),
                    MessageIcon::Warning);
        return;
    }
    for (const std::string& line : listing.lines)
        m_list1->addItem(QString::fromStdString(line));
    if (listing.cut) {
        // Said in the list itself, where the missing lines would be; not one of the file's lines.
        auto* note =
            new QListWidgetItem(QStringLiteral("（ファイルが長いため先頭の %1 行だけを表示しています）")
                                    .arg(listing.lines.size()),
                                m_list1);
        note->setData(Qt::UserRole, QStringLiteral("cut"));
        note->setFlags(Qt::ItemIsEnabled);
        note->setForeground(QColor(128, 0, 0));
        QFont italic = note->font();
        italic.setItalic(true);
        note->setFont(italic);
    }
}

void Form9::Command1_Click() {
    m_list1->clear();
    hide();
}

} // namespace mirendo

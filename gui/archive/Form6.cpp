#include "archive/Form6.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveLayout.h"
#include "archive/EvaluateAtX.h"
#include "archive/Form5.h"
#include "plot/Plot.h"
#include "plot/Readout.h"
#include "widgets/ExitSign.h"
#include "widgets/FileDrop.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/PictureBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>

namespace mirendo {

using namespace archivelayout;

namespace {

constexpr int kEnterKey = 13;
const char* const kLimitCaptions[4] = {"X-Start", "X-Stop", "Y-Start", "Y-Stop"};

} // namespace

Form6::Form6(Module1& state, Form5* imageSave, QWidget* parent)
    : QWidget(parent), m_state(state), m_imageSave(imageSave) {
    setObjectName(QStringLiteral("Form6"));
    SetUpWindow(this, QStringLiteral("Lagrange Interpolated Data"), 15840, 10440);

    QLabel* title =
        AddLabel(this, "Label1", QStringLiteral("ラグランジュ補間データ検索"), Twips(360, 240, 3705, 330));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    title->setFont(titleFont);
    AddLabel(this, "Label2", QStringLiteral("ファイルを選択して下さい"), Twips(600, 720, 3420, 285),
             LabelStyle::Blue);
    QComboBox* drive = AddDriveList(this, Twips(480, 1200, 3615, 345));
    QListWidget* dir = AddList(this, "Dir1", Twips(480, 1560, 3615, 1620));
    QListWidget* file = AddList(this, "File1", Twips(480, 3240, 3615, 3690));
    m_command1 = AddButton(this, "Command1", QStringLiteral("グラフ描画"), Twips(840, 7320, 2775, 615));
    m_command4 = AddButton(this, "Command4", QStringLiteral("データ点描画"), Twips(840, 8160, 2775, 615));
    QPushButton* reset = AddButton(this, "Command3", QStringLiteral("Reset"), Twips(1560, 9360, 1455, 615));
    QPushButton* back = AddButton(this, "Command2", QString(), Twips(240, 9480, 500, 500));
    back->setIcon(QIcon(ExitSignPixmap(back->size() - QSize(6, 6))));
    back->setIconSize(back->size() - QSize(6, 6));
    back->setToolTip(QStringLiteral("スタート画面に戻る"));

    m_picture1 = new PictureBox(Twips(0, 0, 9135, 8175).size(), this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->move(Twips(6120, 360, 0, 0).topLeft());

    m_limitLabels[0] = AddLabel(this, "Label14", kLimitCaptions[0], Twips(6120, 8520, 1500, 285));
    m_limitLabels[1] = AddLabel(this, "Label15", kLimitCaptions[1], Twips(14400, 8520, 1380, 285));
    m_limitLabels[2] = AddLabel(this, "Label16", kLimitCaptions[2], Twips(4920, 7800, 1140, 285));
    m_limitLabels[3] = AddLabel(this, "Label17", kLimitCaptions[3], Twips(4920, 360, 1140, 285));
    m_limitLabels[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_limitLabels[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    AddLabel(this, "Label25", QStringLiteral("X ="), Twips(8160, 8760, 480, 285));
    m_label7 = AddLabel(this, "Label7", QString(), Twips(8640, 8640, 1455, 450), LabelStyle::Value);
    AddLabel(this, "Label26", QStringLiteral("Y="), Twips(10320, 8760, 480, 285));
    m_label8 = AddLabel(this, "Label8", QString(), Twips(10800, 8640, 1455, 450), LabelStyle::Value);

    AddLabel(this, "Label4", QStringLiteral("任意 X 入力 ⇒"), Twips(6360, 9360, 1680, 285));
    AddLabel(this, "Label3", QStringLiteral("（外挿も可）"), Twips(6360, 9680, 1680, 285));
    m_text1 = AddTextBox(this, "Text1", Twips(8040, 9300, 1575, 450));
    auto* arrow = new QToolButton(this);
    arrow->setObjectName(QStringLiteral("Picture2"));
    arrow->setGeometry(Twips(9720, 9300, 480, 480));
    arrow->setAutoRaise(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setIcon(QIcon(RightArrowPixmap(arrow->size())));
    arrow->setIconSize(arrow->size() - QSize(4, 4));
    arrow->setToolTip(QStringLiteral("計算する"));
    AddLabel(this, "Label5", QStringLiteral("Y="), Twips(10320, 9360, 480, 285));
    m_label6 = AddLabel(this, "Label6", QString(), Twips(10800, 9300, 1455, 450), LabelStyle::Value);
    m_command8 = AddButton(this, "Command8", QStringLiteral("グラフ画像保存"), Twips(12960, 9120, 1935, 615));

    m_lists = new FolderLists(drive, dir, file, {QString::fromLatin1(kArchivePattern)}, this);
    connect(m_lists, &FolderLists::fileClicked, this, &Form6::File1_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form6::Command4_Click);
    connect(reset, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(m_command8, &QPushButton::clicked, this, &Form6::Command8_Click);
    connect(back, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(arrow, &QToolButton::clicked, this, &Form6::Picture2_Click);
    connect(m_picture1, &PictureBox::mouseMovedTo, this, &Form6::Picture1_MouseMove);
    m_text1->installEventFilter(this);

    // Screen readers: the picture buttons and value boxes have no caption of their own.
    back->setAccessibleName(QStringLiteral("スタート画面に戻る"));
    arrow->setAccessibleName(QStringLiteral("計算する"));
    m_text1->setAccessibleName(QStringLiteral("任意 X 入力（外挿も可）"));
    m_label6->setAccessibleName(QStringLiteral("任意 X に対する Y 値"));
    m_label7->setAccessibleName(QStringLiteral("カーソル位置の X 値"));
    m_label8->setAccessibleName(QStringLiteral("カーソル位置の Y 値"));
    const char* const limitNames[4] = {"X 軸の開始値", "X 軸の終了値", "Y 軸の開始値", "Y 軸の終了値"};
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setAccessibleName(QString::fromUtf8(limitNames[i]));
    // Keyboard: choose the file, draw, add the points, evaluate (Enter in Text1), save, then
    // Reset and back. The arrow picture needs no stop of its own: Enter in Text1 evaluates.
    QWidget* order[] = {drive, dir, file, m_command1, m_command4, m_text1, m_command8, reset, back};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    if (m_imageSave)
        m_imageSave->setImageProvider(2, [this] { return graphImage(); });

    m_text1->setEnabled(false);
    m_command1->setEnabled(false);
    m_command4->setEnabled(false);
    m_command8->setEnabled(false);
    setAcceptDrops(true);
}

QImage Form6::graphImage() const {
    return m_picture1->image();
}

void Form6::clearGraphAndReadout() {
    m_picture1->clear();
    m_picture1->hideCursorLines();
    m_label7->clear();
    m_label8->clear();
    m_graphShown = false;
}

// The empty browser: no graph, readout or result, limit labels back to their captions (the
// graph is empty), and nothing to draw, evaluate or save until a file is chosen again.
void Form6::showEmpty() {
    clearGraphAndReadout();
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setText(QString::fromLatin1(kLimitCaptions[i]));
    m_text1->clear();
    m_text1->setEnabled(false);
    m_label6->clear();
    m_command1->setEnabled(false);
    m_command4->setEnabled(false);
    m_command8->setEnabled(false);
}

void Form6::prepare() {
    m_lists->resetToCurrentFolderOfDrive();
    showEmpty();
}

void Form6::File1_Click() {
    m_command1->setEnabled(true);
}

void Form6::Command1_Click() {
    const QString name = m_lists->selectedName();
    if (name.isEmpty()) {
        ShowMessage(this, QStringLiteral(" ***  ファイルを選択して下さい！ "));
        return;
    }
    const QString path = m_lists->selectedPath();
    // Read into a separate result: a refused file leaves the shared state and the graph as
    // they were.
    const ArchiveRead read = ReadArchiveFile(QFile::encodeName(path).toStdString());
    if (!read.ok()) {
        ShowMessage(this, QStringLiteral("  このファイルは読み込めません  \n  ") + name +
                              QStringLiteral("\n  ") + QString::fromStdString(read.detail) +
                              QStringLiteral("  "));
        return;
    }
    // The browser has no data of its own: an accepted file replaces the loaded part of the shared
    // state for every window.
    LoadSavedPlot(read.plot, path.toStdString(), m_state);
    LetPendingPaintsThrough();

    m_picture1->clear();
    const RangeLabels labels = PlotSavedForMode(m_state, *m_picture1);
    const std::string* texts[4] = {&labels.xStart, &labels.xStop, &labels.yStart, &labels.yStop};
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setText(QString::fromStdString(*texts[i]));
    m_state.GraphDrawn = 1;
    m_graphShown = true;
    m_text1->setEnabled(true);
    m_command4->setEnabled(true);
    m_command8->setEnabled(true);
}

void Form6::Command4_Click() {
    m_picture1->setLineWidth(10);
    for (int i = 1; i <= m_state.PointsInUse(); ++i)
        m_picture1->dot(float(m_state.XPlotData[i]), float(m_state.YPlotData[i]), kPointRed);
    m_picture1->setLineWidth(1);
}

void Form6::Command3_Click() {
    showEmpty();
    m_state.GraphDrawn = 0;
}

void Form6::Command8_Click() {
    m_state.ImageSource = 2;
    // The selected name less its ".csv"; the lists only offer "*Mi.csv", but with nothing
    // selected there is no name to shorten.
    const QString selected = m_lists->selectedName();
    const QString proposal = selected.size() >= 5 ? selected.chopped(4) : QStringLiteral("graph");
    if (m_imageSave)
        m_imageSave->openWith(proposal);
}

void Form6::Command2_Click() {
    m_state.GraphDrawn = 0;
    m_graphShown = false;
    hide();
    emit backToStart();
}

void Form6::closeEvent(QCloseEvent* event) {
    m_state.GraphDrawn = 0;
    m_graphShown = false;
    event->accept();
    emit backToStart();
}

void Form6::Picture1_MouseMove(float x, float /*y*/) {
    if (!m_graphShown)
        return;
    const Readout r = ComputeReadout(m_state, x);
    switch (r.action) {
    case Readout::Action::Nothing:
        return;
    case Readout::Action::Hide:
        m_picture1->hideCursorLines();
        m_label7->clear();
        m_label8->clear();
        return;
    case Readout::Action::Show:
        m_picture1->showCursorLines(r.verticalX, r.horizontalY);
        m_label7->setText(QString::fromStdString(r.xText));
        m_label8->setText(QString::fromStdString(r.yText));
        return;
    }
}

void Form6::Picture2_Click() {
    if (!m_text1->text().isEmpty())
        EvaluateAtX();
}

void Form6::Text1_KeyDown(int keyCode) {
    if (keyCode == kEnterKey)
        EvaluateAtX();
}

void Form6::Text1_Click() {
    m_text1->clear();
    m_label6->clear();
}

void Form6::EvaluateAtX() {
    const Evaluation e = mirendo::EvaluateAtX(m_state, m_text1->text().toStdString());
    if (!e.ok) {
        ShowMessage(this, QStringLiteral("　正しく計算できません　"));
        m_label6->clear();
        return;
    }
    m_label6->setText(QString::fromStdString(e.text));
}

void Form6::dragEnterEvent(QDragEnterEvent* event) {
    // Anything that could be a file is let in, so that a refused drop is answered by a message.
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void Form6::dropEvent(QDropEvent* event) {
    // The file list takes a new choice whenever the browser is shown.
    const DropChoice choice =
        ChooseDrop(DropTarget::Archive, DroppedItemsOf(*event->mimeData()), isVisible());
    event->acceptProposedAction();
    // Answered once the drop has finished: a modal box inside the drop would keep the dragging
    // program waiting.
    QMetaObject::invokeMethod(
        this,
        [this, choice] {
            if (!choice.accepted()) {
                ShowMessage(this, DropRefusalText(DropTarget::Archive, choice.refusal));
                return;
            }
            openDroppedArchive(QString::fromStdString(choice.path));
        },
        Qt::QueuedConnection);
}

void Form6::openDroppedArchive(const QString& path) {
    const QFileInfo file(path);
    if (!m_lists->setPath(file.absolutePath()) || !m_lists->selectFile(file.fileName())) {
        ShowMessage(this,
                    QStringLiteral("  このファイルは読み込めません  \n  ") + path + QStringLiteral("  "));
        return;
    }
    File1_Click();
    Command1_Click();
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text1) {
        if (event->type() == QEvent::MouseButtonPress) {
            Text1_Click();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Text1_KeyDown(kEnterKey);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mirendo

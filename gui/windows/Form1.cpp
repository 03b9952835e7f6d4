#include "windows/Form1.h"

#include "plot/Plot.h"
#include "plot/Readout.h"
#include "state/NumberText.h"
#include "widgets/FileDrop.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/PictureBox.h"
#include "windows/Calculation.h"
#include "windows/Decorations.h"
#include "windows/FocusOrder.h"
#include "windows/GraphSettings.h"
#include "windows/Layout.h"
#include "windows/ResultImport.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

namespace mirendo {

namespace {

const QString kInvalidInput = QStringLiteral("　入力値が不正です！　");

const char* const kLimitCaptions[4] = {"X-Start", "X-Stop", "Y-Start", "Y-Stop"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = Place(new QLabel(text, parent), name, geometry);
    return label;
}

QLabel* MakeStepNumber(QWidget* parent, const char* name, const QString& digit, QRect geometry) {
    auto* label = MakeLabel(parent, name, digit, geometry);
    label->setFont(WindowFont(20, true)); // the full-width circled digit fits the 21-pixel label
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 160));
    label->setPalette(palette);
    return label;
}

QLabel* MakeWhiteValueLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = MakeLabel(parent, name, QString(), geometry);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* MakeEdgeLine(QWidget* parent, const char* name, QRect geometry, QColor colour) {
    auto* line = Place(new QFrame(parent), name, geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = Place(new QPushButton(caption, parent), name, geometry);
    // Enter on a focused step button presses it, as the Enter path through the boxes expects.
    button->setAutoDefault(true);
    return button;
}

} // namespace

Form1::Form1(Module1& state, Calculation* calculation, QWidget* parent)
    : QWidget(parent), m_state(state),
      m_calculation(calculation ? calculation : new Calculation(QString(), QString(), this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Mirendo"));
    setFont(WindowFont(12));
    setFixedSize(TwipSize(20280, 11160));
    buildControls();
    setAcceptDrops(true);
    connect(m_calculation, &Calculation::startFailed, this,
            [this](const QString& message) { ShowMessage(this, message); });
    connect(m_calculation, &Calculation::resultLoaded, this, &Form1::drawLoadedCurve);
    connect(m_calculation, &Calculation::resultFailed, this,
            [this](const QString& message) { ShowMessage(this, message); });
}

void Form1::buildControls() {
    MakeStepNumber(this, "Label18", QStringLiteral("①"), TwipRect(240, 240, 315, 465));
    m_frame2 = Place(new QGroupBox(QStringLiteral("データ入力方式"), this), "Frame2",
                     TwipRect(600, 360, 3135, 2295));
    m_option5 = Place(new QRadioButton(QStringLiteral("ファイルから読み込む"), m_frame2), "Option5",
                      TwipRect(240, 600, 2775, 375));
    m_option6 = Place(new QRadioButton(QStringLiteral("直接 手入力する"), m_frame2), "Option6",
                      TwipRect(240, 1080, 2535, 375));
    for (QRadioButton* option : {m_option5, m_option6})
        connect(option, &QRadioButton::toggled, this, [this] { updateTabStops(); });
    m_command9 = MakeButton(this, "Command9", QStringLiteral("OK"), TwipRect(1560, 1920, 975, 495));

    MakeStepNumber(this, "Label19", QStringLiteral("②"), TwipRect(4080, 240, 315, 465));
    m_frame1 = Place(new QGroupBox(QStringLiteral("スケールモード選択"), this), "Frame1",
                     TwipRect(4560, 240, 3855, 2655));
    MakeLabel(m_frame1, "Label6", QStringLiteral("X 軸  -  Y 軸"), TwipRect(1080, 360, 1350, 360));
    const char* const optionNames[4] = {"Option1", "Option2", "Option3", "Option4"};
    const QString optionCaptions[4] = {QStringLiteral(" Linear - Linear"), QStringLiteral(" Linear - Log"),
                                       QStringLiteral(" Log - Linear"), QStringLiteral(" Log - Log")};
    for (int i = 0; i < 4; ++i) {
        m_scaleOptions[i] = Place(new QRadioButton(optionCaptions[i], m_frame1), optionNames[i],
                                  TwipRect(600, 720 + 480 * i, 2700, 375));
        m_scaleOptions[i]->setChecked(i == 0); // before the handler is connected: no state change yet
        connect(m_scaleOptions[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                ScaleOption_Click(i + 1);
            updateTabStops();
        });
    }

    MakeLabel(this, "Label2", QStringLiteral("データテーブル"), TwipRect(720, 2730, 1680, 330));
    m_list1 = Place(new QListWidget(this), "List1", TwipRect(240, 3120, 3495, 6360));
    auto* columnHeads =
        MakeLabel(this, "Label3", QStringLiteral("X                Y"), TwipRect(1560, 9720, 1515, 360));
    // The run of blanks between the heads is meant to put "Y" over the second column; this face
    // has narrow blanks, so the gap is widened.
    QFont headFont = columnHeads->font();
    headFont.setWordSpacing(45);
    columnHeads->setFont(headFont);
    MakeLabel(this, "Label4", QStringLiteral("最小値"), TwipRect(240, 10080, 825, 375));
    MakeLabel(this, "Label5", QStringLiteral("最大値"), TwipRect(240, 10440, 825, 375));
    const char* const rangeNames[4] = {"Label31", "Label32", "Label33", "Label34"};
    const QRect rangeRects[4] = {TwipRect(1080, 10080, 1335, 375), TwipRect(1080, 10440, 1335, 375),
                                 TwipRect(2400, 10080, 1335, 375), TwipRect(2400, 10440, 1335, 375)};
    for (int i = 0; i < 4; ++i)
        m_rangeLabels[i] = MakeWhiteValueLabel(this, rangeNames[i], rangeRects[i]);

    MakeStepNumber(this, "Label20", QStringLiteral("③"), TwipRect(4080, 3000, 315, 465));
    MakeLabel(this, "Label29", QStringLiteral("グラフ設定"), TwipRect(4440, 3075, 1200, 360))
        ->setFont(WindowFont(13, true));
    MakeLabel(this, "Label8", QStringLiteral("X 軸 "), TwipRect(6120, 3120, 900, 360));
    MakeLabel(this, "Label9", QStringLiteral("Y 軸 "), TwipRect(7440, 3120, 900, 360));
    MakeLabel(this, "Label10", QStringLiteral("開始値"), TwipRect(4800, 3540, 840, 375));
    MakeLabel(this, "Label11", QStringLiteral("終了値"), TwipRect(4800, 3900, 840, 375));
    MakeLabel(this, "Label12", QStringLiteral("増 分"), TwipRect(4875, 4260, 765, 375));
    const char* const boxNames[6] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
    for (int i = 0; i < 6; ++i) {
        const int left = i < 3 ? 5640 : 7080;
        m_settingBoxes[i] =
            Place(new QLineEdit(this), boxNames[i], TwipRect(left, 3480 + 360 * (i % 3), 1335, 375));
        connect(m_settingBoxes[i], &QLineEdit::returnPressed, this,
                [this, box = m_settingBoxes[i]] { SettingBox_Enter(box); });
    }
    MakeLabel(this, "Label13", QStringLiteral("下図参照　入力例 (0, 10, 1E-2, 1e+03)"),
              TwipRect(4200, 4680, 4170, 345))
        ->setFont(WindowFont(11));
    auto* picture2 = MakeLabel(this, "Picture2", QString(), TwipRect(4080, 5160, 4695, 4455));
    picture2->setPixmap(SettingsExplanationPicture(picture2->size()));
    picture2->setFrameShape(QFrame::Box);

    MakeStepNumber(this, "Label21", QStringLiteral("④"), TwipRect(4080, 10200, 315, 465));
    m_command3 = MakeButton(this, "Command3", QStringLiteral("OK"), TwipRect(4440, 10200, 1215, 615));
    MakeStepNumber(this, "Label22", QStringLiteral("⑤"), TwipRect(5880, 10200, 315, 465));
    m_command1 =
        MakeButton(this, "Command1", QStringLiteral("データ点グラフ描画"), TwipRect(6240, 10200, 2535, 615));
    auto* label23a = MakeStepNumber(this, "Label23", QStringLiteral("⑥"), TwipRect(9000, 10200, 315, 465));
    label23a->setProperty("index", 0);
    m_command4 = MakeButton(this, "Command4", QStringLiteral("ラグランジュ補間計算"),
                            TwipRect(9360, 10080, 2655, 735));
    MakeStepNumber(this, "Label24", QStringLiteral("⑦"), TwipRect(12240, 10200, 315, 465));
    m_command5 =
        MakeButton(this, "Command5", QStringLiteral("補間グラフ描画"), TwipRect(12600, 10080, 2175, 735));
    auto* label23b = MakeStepNumber(this, "Label23", QStringLiteral("⑧"), TwipRect(15000, 10200, 315, 465));
    label23b->setProperty("index", 1);
    m_command6 =
        MakeButton(this, "Command6", QStringLiteral("データ保存"), TwipRect(15360, 10080, 1695, 735));
    m_command8 =
        MakeButton(this, "Command8", QStringLiteral("グラフ画像保存"), TwipRect(16680, 9000, 1935, 495));
    m_command7 = MakeButton(this, "Command7", QStringLiteral("Reset"), TwipRect(18000, 10080, 1095, 735));
    auto* picture3 = MakeLabel(this, "Picture3", QString(), TwipRect(17280, 10200, 480, 480));
    picture3->setPixmap(SmallGraphPicture(picture3->size()));
    m_command2 = MakeButton(this, "Command2", QString(), TwipRect(19440, 10320, 500, 500));
    m_command2->setIcon(ExitSignIcon(QSize(27, 27)));
    m_command2->setIconSize(QSize(27, 27));
    m_command2->setToolTip(QStringLiteral("スタート画面に戻る"));

    // Frame around the graph area: white top and left edges, grey bottom and right edges.
    MakeEdgeLine(this, "Line3", QRect(608, 8, 728, 1), Qt::white);
    MakeEdgeLine(this, "Line4", QRect(608, 8, 1, 640), Qt::white);
    MakeEdgeLine(this, "Line5", QRect(608, 648, 729, 1), QColor(128, 128, 128));
    MakeEdgeLine(this, "Line6", QRect(1336, 8, 1, 641), QColor(128, 128, 128));

    m_picture1 =
        Place(new PictureBox(TwipSize(9135, 8175), this), "Picture1", TwipRect(10560, 360, 9135, 8175));
    const char* const limitNames[4] = {"Label14", "Label15", "Label16", "Label17"};
    const QRect limitRects[4] = {TwipRect(10680, 8520, 1500, 330), TwipRect(18840, 8520, 1170, 330),
                                 TwipRect(9150, 7800, 1380, 330), TwipRect(9150, 360, 1380, 330)};
    for (int i = 0; i < 4; ++i) {
        m_limitLabels[i] =
            MakeLabel(this, limitNames[i], QString::fromLatin1(kLimitCaptions[i]), limitRects[i]);
        m_limitLabels[i]->setFont(WindowFont(12));
    }
    m_limitLabels[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_limitLabels[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_limitLabels[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, "Label25", QStringLiteral("X ="), TwipRect(12120, 9045, 480, 405))
        ->setFont(WindowFont(14));
    m_label27 = MakeWhiteValueLabel(this, "Label27", TwipRect(12600, 9000, 1455, 450));
    MakeLabel(this, "Label26", QStringLiteral("Y="), TwipRect(14280, 9045, 480, 405))
        ->setFont(WindowFont(14));
    m_label28 = MakeWhiteValueLabel(this, "Label28", TwipRect(14760, 9000, 1455, 450));
    m_label27->setFont(WindowFont(13));
    m_label28->setFont(WindowFont(13));

    connect(m_command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(m_command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_picture1, &PictureBox::mouseMovedTo, this, [this](float x, float) { Picture1_MouseMove(x); });

    // Until the first reset the window looks reset; the shared state is not touched here.
    m_option5->setChecked(true);
    for (QPushButton* button : {m_command1, m_command3, m_command4, m_command5, m_command6})
        button->setEnabled(false);

    // Tab order follows the steps; the data table, which only shows the points, comes last.
    QWidget* order[] = {m_option5,         m_option6,
                        m_command9,        m_scaleOptions[0],
                        m_scaleOptions[1], m_scaleOptions[2],
                        m_scaleOptions[3], m_settingBoxes[0],
                        m_settingBoxes[1], m_settingBoxes[2],
                        m_settingBoxes[3], m_settingBoxes[4],
                        m_settingBoxes[5], m_command3,
                        m_command1,        m_command4,
                        m_command5,        m_command6,
                        m_command8,        m_command7,
                        m_command2,        m_list1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    updateTabStops();
    nameControlsForScreenReaders();
}

void Form1::nameControlsForScreenReaders() {
    // Buttons and options are read by their captions; these have none, or one that says too little.
    m_command9->setAccessibleName(QStringLiteral("OK（データ入力方式）"));
    m_command3->setAccessibleName(QStringLiteral("OK（グラフ設定）"));
    m_command2->setAccessibleName(QStringLiteral("スタート画面に戻る"));
    m_list1->setAccessibleName(QStringLiteral("データテーブル"));
    const char* const boxNames[6] = {"X 軸 開始値", "X 軸 終了値", "X 軸 増分",
                                     "Y 軸 開始値", "Y 軸 終了値", "Y 軸 増分"};
    for (int i = 0; i < 6; ++i)
        m_settingBoxes[i]->setAccessibleName(QString::fromUtf8(boxNames[i]));
    const char* const rangeNames[4] = {"X の最小値", "X の最大値", "Y の最小値", "Y の最大値"};
    for (int i = 0; i < 4; ++i)
        m_rangeLabels[i]->setAccessibleName(QString::fromUtf8(rangeNames[i]));
    const char* const limitNames[4] = {"X 軸の開始値", "X 軸の終了値", "Y 軸の開始値", "Y 軸の終了値"};
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setAccessibleName(QString::fromUtf8(limitNames[i]));
    m_label27->setAccessibleName(QStringLiteral("カーソル位置の X 値"));
    m_label28->setAccessibleName(QStringLiteral("カーソル位置の Y 値"));
    m_picture1->setAccessibleName(QStringLiteral("グラフ表示エリア"));
    m_picture1->setAccessibleDescription(QStringLiteral("マウスを動かすとカーソル位置の値を表示します"));
}

void Form1::updateTabStops() {
    // Tab enters an option group at one option only (arrows move within it). Qt keeps that stop
    // on the option focused last, which after a reset or a programmatic choice is not the chosen
    // one; keep it on the chosen option, or on the first enabled one when that is disabled.
    const auto keepStop = [](std::initializer_list<QRadioButton*> group) {
        QRadioButton* stop = nullptr;
        for (QRadioButton* option : group)
            if (option->isChecked() && option->isEnabled())
                stop = option;
        for (QRadioButton* option : group)
            if (!stop && option->isEnabled())
                stop = option;
        for (QRadioButton* option : group)
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    keepStop({m_option5, m_option6});
    keepStop({m_scaleOptions[0], m_scaleOptions[1], m_scaleOptions[2], m_scaleOptions[3]});
}

void Form1::ResetMainWindow() {
    // A curve still awaited belongs to the calculation being reset: it is never drawn.
    m_calculation->cancelResultRequest();
    emit inputDialogsResetRequested();
    m_list1->clear();
    m_picture1->clear();
    m_option5->setChecked(true);
    enableAllScaleOptions();
    m_scaleOptions[0]->setChecked(true);
    ScaleOption_Click(1); // already selected options do not report a change
    m_state.ScaleMode = 1;
    clearRangeLabels();
    for (QLineEdit* box : m_settingBoxes)
        box->clear();
    m_label27->clear();
    m_label28->clear();
    showLimitCaptions();
    for (QPushButton* button : {m_command1, m_command3, m_command4, m_command5, m_command6})
        button->setEnabled(false);
    m_picture1->hideCursorLines();
    m_state.GraphDrawn = 0;
}

std::array<QString, 6> Form1::settingTexts() const {
    std::array<QString, 6> texts;
    for (int i = 0; i < 6; ++i)
        texts[i] = m_settingBoxes[i]->text();
    return texts;
}

QImage Form1::graphImage() const {
    return m_picture1->image();
}

void Form1::applyPublishedPoints(const PublishedPoints& points) {
    m_list1->clear();
    for (const std::string& line : points.tableLines)
        m_list1->addItem(Q(line));
    for (int i = 0; i < 4; ++i)
        m_rangeLabels[i]->setText(Q(points.rangeTexts[i]));
    if (points.enableAllOptionsFirst)
        enableAllScaleOptions();
    if (!points.logXAllowed) {
        m_scaleOptions[2]->setEnabled(false);
        m_scaleOptions[3]->setEnabled(false);
    }
    if (!points.logYAllowed) {
        m_scaleOptions[1]->setEnabled(false);
        m_scaleOptions[3]->setEnabled(false);
    }
    updateTabStops();
    enableSettingsOk();
}

void Form1::enableAllScaleOptions() {
    for (QRadioButton* option : m_scaleOptions)
        option->setEnabled(true);
    updateTabStops();
}

void Form1::clearDataTable() {
    m_list1->clear();
}

void Form1::clearRangeLabels() {
    for (QLabel* label : m_rangeLabels)
        label->clear();
}

void Form1::enableSettingsOk() {
    m_command3->setEnabled(true);
}

void Form1::closeEvent(QCloseEvent* event) {
    // The window is only hidden; the next new calculation resets it.
    m_calculation->cancelResultRequest();
    event->accept();
    emit backToStartRequested();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    // Anything that could be a file is let in, so that a drop the window refuses is answered by
    // a message instead of a silent no-entry cursor.
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    // The input-method OK is always enabled while the window is shown; the dialogs it opens hide
    // the window, so no drop arrives while one of them is taking input.
    const bool acceptingInput = isVisible() && m_command9->isEnabled();
    const DropChoice choice =
        ChooseDrop(DropTarget::PointFile, DroppedItemsOf(*event->mimeData()), acceptingInput);
    event->acceptProposedAction();
    // Answered once the drop has finished: a modal box inside the drop would keep the dragging
    // program waiting.
    QMetaObject::invokeMethod(
        this,
        [this, choice] {
            if (!choice.accepted()) {
                ShowMessage(this, DropRefusalText(DropTarget::PointFile, choice.refusal));
                return;
            }
            emit pointFileDropped(QString::fromStdString(choice.path));
        },
        Qt::QueuedConnection);
}

void Form1::Command9_Click() {
    enableAllScaleOptions();
    for (int i = 1; i <= Module1::kMaxPoints; ++i) {
        m_state.XData[i] = 0;
        m_state.YData[i] = 0;
    }
    m_list1->clear();
    if (m_option5->isChecked()) {
        emit fileInputRequested();
    } else {
        m_state.EntryNo = 1;
        emit manualEntryRequested();
    }
    hide();
}

void Form1::ScaleOption_Click(int scaleMode) {
    m_state.ScaleMode = scaleMode;
    // The step box of a logarithmic axis is fixed at one decade.
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const std::pair<QLineEdit*, AxisKind> steps[2] = {{m_settingBoxes[kXStepBox], axes.x},
                                                      {m_settingBoxes[kYStepBox], axes.y}};
    for (const auto& [box, kind] : steps) {
        const bool fixed = kind == AxisKind::Logarithmic;
        if (fixed)
            box->setText(QStringLiteral("10"));
        box->setEnabled(!fixed);
    }
}

SettingTexts Form1::readSettingBoxes() const {
    SettingTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = S(m_settingBoxes[i]->text());
    return texts;
}

void Form1::writeSettingBoxes(const SettingTexts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = Q(texts[i]);
        if (m_settingBoxes[i]->text() != text)
            m_settingBoxes[i]->setText(text);
    }
}

std::array<std::string, 4> Form1::rangeTexts() const {
    return {S(m_rangeLabels[0]->text()), S(m_rangeLabels[1]->text()), S(m_rangeLabels[2]->text()),
            S(m_rangeLabels[3]->text())};
}

void Form1::showLimitCaptions() {
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setText(QString::fromLatin1(kLimitCaptions[i]));
}

void Form1::Command3_Click() {
    SettingTexts texts = readSettingBoxes();
    FillEmptyLimits(texts, rangeTexts());
    writeSettingBoxes(texts);
    const ValidatedSettings settings = ValidateSettings(texts, m_state.ScaleMode);
    StoreSettings(m_state, settings.values);
    if (!settings.limitsInOrder) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    LetPendingPaintsThrough();
    RewriteLogLimits(m_state.ScaleMode, texts);
    writeSettingBoxes(texts);
    LetPendingPaintsThrough();
    m_command1->setEnabled(true);
    m_command1->setFocus();
}

void Form1::Command1_Click() {
    // A curve still awaited would land on the graph drawn now.
    m_calculation->cancelResultRequest();
    m_picture1->clear();
    const SettingTexts texts = readSettingBoxes();
    const ValidatedSettings settings = ValidateSettings(texts, m_state.ScaleMode);
    StoreSettings(m_state, settings.values);
    if (!settings.limitsInOrder) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    if (m_state.ScaleMode != 1)
        ComputeLogCopies(m_state);
    if (!settings.logLimitsPositive) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    const LimitTexts limits{texts[kXStartBox], texts[kXStopBox], texts[kYStartBox], texts[kYStopBox]};
    const PointPlotOutcome outcome = PlotPointsForMode(m_state, *m_picture1, limits);
    const std::string* captions[4] = {&outcome.labels.xStart, &outcome.labels.xStop, &outcome.labels.yStart,
                                      &outcome.labels.yStop};
    for (int i = 0; i < 4; ++i)
        m_limitLabels[i]->setText(Q(*captions[i]));
    const QString requestProblem = m_calculation->writeRequest(outcome.request);
    if (!requestProblem.isEmpty()) {
        // Without a fresh request the engine would compute an earlier graph's points, so the
        // engine step stays off until a plot writes one.
        m_command4->setEnabled(false);
        ShowMessage(this, requestProblem);
        return;
    }
    m_command1->setEnabled(false);
    m_command4->setEnabled(true);
    m_command4->setFocus();
}

void Form1::Command4_Click() {
    const QString problem = m_calculation->start();
    if (!problem.isEmpty()) {
        ShowMessage(this, problem);
        return;
    }
    LetPendingPaintsThrough();
    m_command5->setEnabled(true);
    m_command6->setEnabled(true);
    m_command5->setFocus();
}

void Form1::Command5_Click() {
    // Answered by drawLoadedCurve or a message; while the engine still runs the window stays
    // usable until then.
    m_calculation->requestResult();
}

void Form1::drawLoadedCurve(const exchange::LoadedResult& result) {
    ApplyLoadedResult(m_state, result);
    LetPendingPaintsThrough();
    m_picture1->setLineWidth(2);
    PlotCurveForMode(m_state, *m_picture1);
    m_picture1->setLineWidth(1);
    m_state.GraphDrawn = 1;
    m_command6->setEnabled(true);
    m_command6->setFocus();
}

void Form1::Command6_Click() {
    emit dataSaveRequested(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void Form1::Command8_Click() {
    m_state.ImageSource = 1;
    emit imageSaveRequested(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void Form1::Command7_Click() {
    m_calculation->removeExchangeFiles();
    ResetMainWindow();
}

void Form1::Command2_Click() {
    m_calculation->cancelResultRequest();
    hide();
    emit backToStartRequested();
}

void Form1::SettingBox_Enter(QLineEdit* box) {
    const std::string next = NextFocusAfterEnter(S(box->objectName()), m_state.ScaleMode);
    if (next.empty())
        return;
    if (auto* target = findChild<QWidget*>(Q(next)))
        target->setFocus();
}

void Form1::Picture1_MouseMove(float x) {
    const Readout readout = ComputeReadout(m_state, x);
    switch (readout.action) {
    case Readout::Action::Nothing:
        return;
    case Readout::Action::Hide:
        m_picture1->hideCursorLines();
        m_label27->clear();
        m_label28->clear();
        return;
    case Readout::Action::Show:
        m_picture1->showCursorLines(readout.verticalX, readout.horizontalY);
        m_label27->setText(Q(readout.xText));
        m_label28->setText(Q(readout.yText));
        return;
    }
}

} // namespace mirendo

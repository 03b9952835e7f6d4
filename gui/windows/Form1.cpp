#include "windows/Form1.h"

#include "exchange/RequestFile.h"
#include "exchange/ResultFile.h"
#include "plot/Plot.h"
#include "plot/Readout.h"
#include "state/NumberText.h"
#include "widgets/FormLayout.h"
#include "widgets/GraphPanel.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/PictureBox.h"
#include "widgets/RangeLabels.h"
#include "windows/Decorations.h"
#include "windows/EngineRunner.h"
#include "windows/SettingsLogic.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace mirendo {

namespace {

const QString kInvalidInput = QStringLiteral("　入力値が不正です！　");
constexpr int kEngineWaitMs = 10000;

const char* const kOptionNames[4] = {"Option1", "Option2", "Option3", "Option4"};
const char* const kBoxNames[6] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

QString WorkDir() {
    return QDir::currentPath();
}

QString ResultErrorReason(exchange::ResultError error) {
    switch (error) {
    case exchange::ResultError::Missing:
        return QStringLiteral("（F2B.dat がありません）");
    case exchange::ResultError::Unreadable:
        return QStringLiteral("（F2B.dat を開けません）");
    case exchange::ResultError::EndedEarly:
        return QStringLiteral("（ファイルが途中で終わっています）");
    case exchange::ResultError::NotANumber:
        return QStringLiteral("（数値でない値があります）");
    case exchange::ResultError::TooManyPoints:
        return QStringLiteral("（データ点の数が 10 を超えています）");
    case exchange::ResultError::TooManySamples:
        return QStringLiteral("（補間点の数が 600 を超えています）");
    case exchange::ResultError::None:
        break;
    }
    return {};
}

} // namespace

Form1::Form1(Module1& state, EngineRunner* runner, QWidget* parent)
    : QWidget(parent), m_state(state), m_runner(runner ? runner : new EngineRunner(QString(), this)) {
    SetUpWindow(this, "Form1", QStringLiteral("  Mirendo"), 20280, 11160);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form1.tsv"));
    m_frame2 = c.get<QGroupBox>("Frame2");
    m_option5 = c.get<QRadioButton>("Option5");
    m_option6 = c.get<QRadioButton>("Option6");
    m_command9 = c.get<QPushButton>("Command9");
    m_frame1 = c.get<QGroupBox>("Frame1");
    m_list1 = c.get<QListWidget>("List1");
    for (int i = 0; i < 4; ++i)
        m_scaleOptions[i] = c.get<QRadioButton>(kOptionNames[i]);
    m_rangeLabels = RangeLabelsOf(c);
    for (int i = 0; i < 6; ++i)
        m_settingBoxes[i] = c.get<QLineEdit>(kBoxNames[i]);
    m_command3 = c.get<QPushButton>("Command3");
    m_command1 = c.get<QPushButton>("Command1");
    m_command4 = c.get<QPushButton>("Command4");
    m_command5 = c.get<QPushButton>("Command5");
    m_command6 = c.get<QPushButton>("Command6");
    m_command8 = c.get<QPushButton>("Command8");
    m_command7 = c.get<QPushButton>("Command7");
    m_command2 = c.get<QPushButton>("Command2");
    m_graph = new GraphPanel(c, "Label27", "Label28", m_state, this);
    m_picture1 = m_graph->picture();
    m_label27 = c.get<QLabel>("Label27");
    m_label28 = c.get<QLabel>("Label28");
    decorate(c);
    wireControls();
    connect(m_runner, &EngineRunner::startFailed, this,
            [this](const QString& message) { ShowMessage(this, message); });
}

void Form1::decorate(const FormControls& c) {
    c.get<QLabel>("Label23", 0)->setProperty("index", 0);
    c.get<QLabel>("Label23", 1)->setProperty("index", 1);
    // The run of blanks between the heads is meant to put "Y" over the second column; this face
    // has narrow blanks, so the gap is widened.
    auto* columnHeads = c.get<QLabel>("Label3");
    QFont headFont = columnHeads->font();
    headFont.setWordSpacing(45);
    columnHeads->setFont(headFont);
    auto* picture2 = c.get<QLabel>("Picture2");
    picture2->setPixmap(SettingsExplanationPicture(picture2->size()));
    picture2->setFrameShape(QFrame::Box);
    auto* picture3 = c.get<QLabel>("Picture3");
    picture3->setPixmap(SmallGraphPicture(picture3->size()));
    m_command2->setIcon(ExitSignIcon(QSize(27, 27)));
    m_command2->setIconSize(QSize(27, 27));
    m_command2->setToolTip(QStringLiteral("スタート画面に戻る"));
    m_scaleOptions[0]->setChecked(true); // before the handlers are connected: no state change yet
}

void Form1::wireControls() {
    for (QRadioButton* option : {m_option5, m_option6})
        connect(option, &QRadioButton::toggled, this, [this] { updateTabStops(); });
    for (int i = 0; i < 4; ++i)
        connect(m_scaleOptions[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                ScaleOption_Click(i + 1);
            updateTabStops();
        });
    for (QLineEdit* box : m_settingBoxes)
        connect(box, &QLineEdit::returnPressed, this, [this, box] { SettingBox_Enter(box); });
    connect(m_command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(m_command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);

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
    NameRangeLabels(m_rangeLabels);
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
    event->accept();
    emit backToStartRequested();
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
    QLineEdit* xStep = m_settingBoxes[2];
    QLineEdit* yStep = m_settingBoxes[5];
    if (XStepFixed(scaleMode))
        xStep->setText(QStringLiteral("10"));
    xStep->setEnabled(!XStepFixed(scaleMode));
    if (YStepFixed(scaleMode))
        yStep->setText(QStringLiteral("10"));
    yStep->setEnabled(!YStepFixed(scaleMode));
}

SettingTexts Form1::readSettingBoxes() const {
    return {S(m_settingBoxes[0]->text()), S(m_settingBoxes[1]->text()), S(m_settingBoxes[2]->text()),
            S(m_settingBoxes[3]->text()), S(m_settingBoxes[4]->text()), S(m_settingBoxes[5]->text())};
}

void Form1::writeSettingBoxes(const SettingTexts& t) {
    const std::string* texts[6] = {&t.xStart, &t.xStop, &t.xStep, &t.yStart, &t.yStop, &t.yStep};
    for (int i = 0; i < 6; ++i) {
        const QString text = Q(*texts[i]);
        if (m_settingBoxes[i]->text() != text)
            m_settingBoxes[i]->setText(text);
    }
}

std::array<std::string, 4> Form1::rangeTexts() const {
    return {S(m_rangeLabels[0]->text()), S(m_rangeLabels[1]->text()), S(m_rangeLabels[2]->text()),
            S(m_rangeLabels[3]->text())};
}

void Form1::showLimitCaptions() {
    m_graph->showLimitCaptions();
}

void Form1::Command3_Click() {
    SettingTexts texts = readSettingBoxes();
    FillEmptyLimits(texts, rangeTexts());
    writeSettingBoxes(texts);
    SettingValues values = ReadSettings(texts);
    StoreSettings(m_state, values);
    if (!LimitsInOrder(values)) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    ReplaceNonPositiveSteps(values);
    StoreSettings(m_state, values);
    LetPendingPaintsThrough();
    RewriteLogLimits(m_state.ScaleMode, texts);
    writeSettingBoxes(texts);
    LetPendingPaintsThrough();
    m_command1->setEnabled(true);
    m_command1->setFocus();
}

void Form1::Command1_Click() {
    m_picture1->clear();
    const SettingTexts texts = readSettingBoxes();
    SettingValues values = ReadSettings(texts);
    StoreSettings(m_state, values);
    if (!LimitsInOrder(values)) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    ReplaceNonPositiveSteps(values);
    StoreSettings(m_state, values);
    if (m_state.ScaleMode != 1)
        ComputeLogCopies(m_state);
    if (!LogLimitsPositive(m_state.ScaleMode, values)) {
        ShowMessage(this, kInvalidInput);
        return;
    }
    const LimitTexts limits{texts.xStart, texts.xStop, texts.yStart, texts.yStop};
    const PointPlotOutcome outcome = PlotPointsForMode(m_state, *m_picture1, limits, S(WorkDir()));
    m_graph->setLimitTexts(
        {outcome.labels.xStart, outcome.labels.xStop, outcome.labels.yStart, outcome.labels.yStop});
    if (!outcome.requestWritten) {
        // Without a fresh request the engine would compute an earlier graph's points, so the
        // engine step stays off until a plot writes one.
        m_command4->setEnabled(false);
        ShowMessage(this, QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n") +
                              Q(outcome.requestError));
        return;
    }
    m_command1->setEnabled(false);
    m_command4->setEnabled(true);
    m_command4->setFocus();
}

void Form1::Command4_Click() {
    const EngineRunner::StartOutcome outcome = m_runner->start(WorkDir());
    if (!outcome.started) {
        ShowMessage(this, outcome.message);
        return;
    }
    LetPendingPaintsThrough();
    m_command5->setEnabled(true);
    m_command6->setEnabled(true);
    m_command5->setFocus();
}

void Form1::Command5_Click() {
    if (m_waitingForEngine)
        return;
    if (m_runner->isRunning()) {
        m_waitingForEngine = true;
        const EngineRunner::Wait wait = m_runner->waitUntilFinished(kEngineWaitMs);
        m_waitingForEngine = false;
        if (wait == EngineRunner::Wait::TimedOut) {
            ShowMessage(this,
                        QStringLiteral(
                            "　補間計算が終了していません　\n（しばらく待ってから、もう一度押して下さい）"));
            return;
        }
    }
    if (m_runner->lastRunEnd() == EngineRunner::RunEnd::Failed) {
        // The result file, if any, is an earlier calculation's: do not show it as this one.
        ShowMessage(this, m_runner->lastFailureMessage());
        return;
    }
    const exchange::ResultRead read =
        exchange::ReadResultFile(S(QDir(WorkDir()).filePath(QString::fromLatin1(exchange::kResultFileName))));
    if (!read.ok()) {
        ShowMessage(this,
                    QStringLiteral("　計算結果ファイルを読み込めません　\n") + ResultErrorReason(read.error));
        return;
    }
    const std::string problem = ResultProblem(read.result);
    if (!problem.empty()) {
        ShowMessage(this,
                    QStringLiteral("　計算結果ファイルを読み込めません　\n（スケールモードが不正です）"));
        return;
    }
    ApplyLoadedResult(m_state, read.result);
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
    emit imageSaveRequested(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")), graphImage());
}

void Form1::Command7_Click() {
    // A missing file or one that cannot be removed is passed over.
    const QDir dir(WorkDir());
    QFile::remove(dir.filePath(QString::fromLatin1(exchange::kRequestFileName)));
    QFile::remove(dir.filePath(QString::fromLatin1(exchange::kResultFileName)));
    ResetMainWindow();
}

void Form1::Command2_Click() {
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

} // namespace mirendo

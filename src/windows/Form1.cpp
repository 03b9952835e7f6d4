#include "windows/Form1.h"

#include "core/curve/CurveTrust.h"
#include "core/curve/DrawnCurve.h"
#include "core/exchange/Failure.h"
#include "core/plot/Plot.h"
#include "core/steps/FocusOrder.h"
#include "core/steps/GraphSettings.h"
#include "core/steps/ResultImport.h"
#include "core/text/NumberText.h"
#include "qt/bridge/Calculation.h"
#include "qt/messages/Messages.h"
#include "widgets/Decorations.h"
#include "widgets/FileDrop.h"
#include "widgets/FormLayout.h"
#include "widgets/GraphPanel.h"
#include "widgets/MessageBox.h"
#include "widgets/PasteAction.h"
#include "widgets/PendingEvents.h"
#include "widgets/PictureBox.h"
#include "widgets/RangeLabels.h"

#include <QCloseEvent>
#include <QComboBox>
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

QString kInvalidInput() {
    return PaddedLines(QCoreApplication::translate("mirendo::Form1", "入力値が不正です！"), kWideMargin);
}

const char* const kOptionNames[4] = {"Option1", "Option2", "Option3", "Option4"};
const char* const kBoxNames[6] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

} // namespace

Form1::Form1(Module1& state, Calculation* calculation, QWidget* parent)
    : QWidget(parent), m_state(state),
      m_calculation(calculation ? calculation : new Calculation(QString(), QString(), this)) {
    SetUpWindow(this, "Form1", QStringLiteral("  Mirendo"), 20280, 11160);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form1.tsv"));
    m_frame2 = c.get<QGroupBox>("Frame2");
    m_option5 = c.get<QRadioButton>("Option5");
    m_option6 = c.get<QRadioButton>("Option6");
    m_command9 = c.get<QPushButton>("Command9");
    m_commandChart = c.get<QPushButton>("CommandChart");
    m_frame1 = c.get<QGroupBox>("Frame1");
    m_list1 = c.get<QListWidget>("List1");
    // Every row of the data table is one line in one font: the list measures one row, not each.
    m_list1->setUniformItemSizes(true);
    for (int i = 0; i < 4; ++i)
        m_scaleOptions[i] = c.get<QRadioButton>(kOptionNames[i]);
    for (int i = 0; i < 4; ++i) // the same names in every language, as the trust line words them
        m_scaleOptions[i]->setText(QString::fromLatin1(ScaleModeCaption(i + 1)));
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
    m_graph = new GraphPanel(c, "Label27", "Label28", this);
    m_compare = c.get<QComboBox>("ComboCompare");
    m_picture1 = m_graph->picture();
    decorate(c);
    wireControls();
    setAcceptDrops(true);
    // Ctrl+V pastes points as a dropped file gives them; the setting boxes keep their own paste.
    AddPasteAction(this, [this](const QString& text) { pastePointText(text); });
    const auto tell = [this](const exchange::Failure& failure) {
        ShowMessage(this, CalculationMessage(failure));
    };
    connect(m_calculation, &Calculation::startFailed, this, tell);
    connect(m_calculation, &Calculation::resultLoaded, this, &Form1::drawLoadedCurve);
    connect(m_calculation, &Calculation::resultFailed, this, tell);
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
    picture2->setPixmap(LoadSettingsExplanationPicture(picture2->size()));
    picture2->setFrameShape(QFrame::Box);
    auto* picture3 = c.get<QLabel>("Picture3");
    picture3->setPixmap(SmallGraphPicture(picture3->size()));
    m_command2->setIcon(ExitSignIcon(QSize(27, 27)));
    m_command2->setIconSize(QSize(27, 27));
    m_command2->setToolTip(tr("スタート画面に戻る"));
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
            refreshSteps();
            if (checked)
                emit settingsEdited();
        });
    for (QLineEdit* box : m_settingBoxes) {
        connect(box, &QLineEdit::returnPressed, this, [this, box] { SettingBox_Enter(box); });
        // A result carries the setting texts it was made for: a change makes it stale.
        connect(box, &QLineEdit::textChanged, this, [this] {
            refreshSteps();
            emit settingsEdited();
        });
    }
    ConnectButtonHandlers(this);

    // Until the first reset the window looks reset; the shared state is not touched here.
    m_option5->setChecked(true);
    refreshSteps();

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
    setTabOrder(m_command9, m_commandChart);
    setTabOrder(m_commandChart, m_scaleOptions[0]);
    // The graph, once a curve is drawn, is read by keys right after the step that draws the curve.
    // Qt leaves a widget that takes no focus out of setTabOrder, so the graph takes it meanwhile.
    m_graph->setKeyboardReadout(true);
    setTabOrder(m_command5, m_picture1);
    setTabOrder(m_picture1, m_compare);
    setTabOrder(m_compare, m_command6);
    m_graph->setKeyboardReadout(false);
    updateTabStops();
    nameControlsForScreenReaders();
}

void Form1::nameControlsForScreenReaders() {
    // Buttons and options are read by their captions; these have none, or one that says too little.
    m_command9->setAccessibleName(tr("OK（データ入力方式）"));
    m_commandChart->setAccessibleName(tr("グラフ画像から点を読み取る"));
    m_commandChart->setToolTip(tr("グラフの画像から点を読み取る"));
    m_command3->setAccessibleName(tr("OK（グラフ設定）"));
    m_command2->setAccessibleName(tr("スタート画面に戻る"));
    m_list1->setAccessibleName(tr("データテーブル"));
    for (int i = 0; i < 6; ++i)
        m_settingBoxes[i]->setAccessibleName(SettingBoxName(i));
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
    // A curve still awaited belongs to the calculation being reset: it is never drawn.
    m_calculation->cancelResultRequest();
    emit inputDialogsResetRequested();
    m_list1->clear();
    m_graph->graph().clear();
    m_option5->setChecked(true);
    enableAllScaleOptions();
    m_scaleOptions[0]->setChecked(true);
    ScaleOption_Click(1); // already selected options do not report a change
    m_state.ScaleMode = 1;
    clearRangeLabels();
    for (QLineEdit* box : m_settingBoxes)
        box->clear();
    m_graph->clearCurve();
    showLimitCaptions();
    m_steps.Reset();
    m_state.GraphDrawn = 0;
    refreshSteps();
}

void Form1::applyPublishedPoints(const PublishedPoints& points) {
    m_list1->clear();
    for (const std::string& line : points.tableLines)
        m_list1->addItem(Q(line));
    SetRangeTexts(m_rangeLabels, points.rangeTexts);
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
    m_steps.PointsGiven();
    refreshSteps();
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
    SetRangeTexts(m_rangeLabels, {});
}

void Form1::enableSettingsOk() {
    m_steps.InputAccepted();
    refreshSteps();
}

void Form1::withdrawPoints() {
    m_steps.PointsWithdrawn();
    refreshSteps();
}

CalculationInputs Form1::currentInputs() const {
    CalculationInputs inputs{m_state.ScaleMode, settingTexts(), {}};
    for (int i = 1; i <= m_state.PointsInUse(); ++i)
        inputs.points.emplace_back(m_state.XData[i], m_state.YData[i]);
    return inputs;
}

void Form1::refreshSteps() {
    const CalculationInputs now = currentInputs();
    const EnabledSteps enabled = m_steps.Enabled(now);
    const std::array<QPushButton*, kStepCount> buttons = {m_command3, m_command1, m_command4, m_command5,
                                                          m_command6};
    for (int i = 0; i < kStepCount; ++i)
        buttons[i]->setEnabled(enabled[i]);
    // A curve still awaited would no longer belong to what the window shows.
    if (!enabled[int(Step::PlotCurve)] && m_calculation->isWaitingForResult())
        m_calculation->cancelResultRequest();
    if (!m_steps.CurveOnGraph())
        return;
    // The readout maps the mouse through the mode and limits of the window: it follows the drawn
    // curve only while they are the ones it was drawn with.
    const bool drawnCurrent = m_steps.CurveCurrent(now);
    if (!drawnCurrent && m_state.GraphDrawn != 0) {
        m_state.GraphDrawn = 0;
        m_graph->setReadoutActive(false);
    } else if (drawnCurrent && m_state.GraphDrawn == 0) {
        m_state.GraphDrawn = 1;
        m_graph->setReadoutActive(true);
    }
}

void Form1::forgetDrawnCurve() {
    m_state.GraphDrawn = 0;
    m_graph->clearCurve(); // the trust line spoke of the curve just cleared
}

std::optional<Form1::DrawnCalculation> Form1::drawnCalculation() const {
    if (!m_steps.CurveCurrent(currentInputs()))
        return std::nullopt;
    return DrawnCalculation{m_drawnState, settingTexts()}; // the texts it was drawn with
}

void Form1::closeEvent(QCloseEvent* event) {
    // The window is only hidden; the next new calculation resets it.
    m_calculation->cancelResultRequest();
    event->accept();
    emit backToStartRequested();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    LetInPossibleFile(event);
}

void Form1::dropEvent(QDropEvent* event) {
    // The input-method OK is always enabled while the window is shown; the dialogs it opens hide
    // the window, so no drop arrives while one of them is taking input.
    const bool acceptingInput = isVisible() && m_command9->isEnabled();
    AnswerDrop(this, DropTarget::PointFile, event, acceptingInput,
               [this](const QString& path) { emit pointFileDropped(path); });
}

void Form1::pastePointText(const QString& text) {
    // As a drop: only while the input-method step would take new input.
    if (!isVisible() || !m_command9->isEnabled())
        return;
    emit pointTextPasted(text);
}

void Form1::showHandEntryChosen() {
    m_option6->setChecked(true);
}

bool Form1::takeSavedSettings(int scaleMode, const SettingTexts& texts) {
    const bool known = scaleMode >= 1 && scaleMode <= 4;
    QRadioButton* option = known ? m_scaleOptions[scaleMode - 1] : nullptr;
    const bool chosen = option && option->isEnabled();
    if (chosen)
        option->setChecked(true); // the option's handler fixes the step boxes of its log axes
    writeSettingBoxes(texts);
    m_state.StoreSettingTexts(texts);
    StoreSettings(m_state, ValidateSettings(texts, m_state.ScaleMode).values);
    updateTabStops();
    refreshSteps();
    m_command3->setFocus();
    return chosen;
}

void Form1::Command9_Click() {
    enableAllScaleOptions();
    for (int i = 1; i <= Module1::kMaxPoints; ++i) {
        m_state.XData[i] = 0;
        m_state.YData[i] = 0;
    }
    withdrawPoints();
    m_list1->clear();
    if (m_option5->isChecked()) {
        emit fileInputRequested();
    } else {
        m_state.EntryNo = 1;
        emit manualEntryRequested();
    }
    hide();
}

void Form1::CommandChart_Click() {
    // The points shown stay until the chart window hands new ones over.
    emit chartInputRequested();
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

SettingTexts Form1::settingTexts() const {
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
    return RangeLabelTexts(m_rangeLabels);
}

void Form1::showLimitCaptions() {
    m_graph->showLimitCaptions();
}

void Form1::Command3_Click() {
    SettingTexts texts = settingTexts();
    FillEmptyLimits(texts, rangeTexts());
    writeSettingBoxes(texts);
    const std::optional<ValidatedSettings> settings = storeSettings(texts);
    if (!settings)
        return;
    if (refuseSetting(NonPositiveLogLimit(settings->values, m_state.ScaleMode), texts))
        return;
    LetPendingPaintsThrough();
    RewriteLogLimits(m_state.ScaleMode, texts);
    writeSettingBoxes(texts);
    LetPendingPaintsThrough();
    m_steps.SettingsConfirmed();
    refreshSteps();
    // Limits kept from earlier points, or typed for other ones, would leave points off the graph
    // without a word.
    if (const int outside = PointsOutsideLimits(m_state, m_state.ScaleMode, texts); outside > 0)
        ShowMessage(this, PointsOutsideMessage(outside));
    m_command1->setFocus();
}

// The settings of the boxes stored, or nothing once a box or the order of the limits is refused
// (and the user told).
std::optional<ValidatedSettings> Form1::storeSettings(const SettingTexts& texts) {
    if (refuseSetting(UnusableSetting(texts, m_state.ScaleMode), texts))
        return std::nullopt;
    ValidatedSettings settings = ValidateSettings(texts, m_state.ScaleMode);
    StoreSettings(m_state, settings.values);
    if (!settings.limitsInOrder) {
        ShowMessage(this, kInvalidInput());
        return std::nullopt;
    }
    return settings;
}

// A box whose value the graph could only be drawn with as another number is named, and the focus
// put on its text to be typed over.
bool Form1::refuseSetting(const std::optional<SettingRefusal>& refusal, const SettingTexts& texts) {
    if (!refusal)
        return false;
    const int box = int(refusal->box);
    ShowMessage(this, refusal->fault == SettingFault::NoNumber
                          ? NotANumberMessage(SettingBoxName(box))
                          : UndrawableLimitMessage(box, texts[refusal->box], refusal->logAxis));
    QLineEdit* refused = m_settingBoxes[refusal->box];
    refused->setFocus(Qt::OtherFocusReason);
    refused->selectAll();
    return true;
}

void Form1::Command1_Click() {
    // A curve still awaited would land on the graph drawn now.
    m_calculation->cancelResultRequest();
    m_graph->graph().clear();
    // The engine and curve steps wait for the new request this plot writes.
    m_steps.PlotStarted();
    forgetDrawnCurve();
    refreshSteps();
    const SettingTexts texts = settingTexts();
    // The boxes may have been edited since the settings OK.
    const std::optional<ValidatedSettings> settings = storeSettings(texts);
    if (!settings)
        return;
    if (pointOffLogAxes())
        return;
    if (m_state.ScaleMode != 1)
        ComputeLogCopies(m_state);
    if (!settings->logLimitsPositive) {
        ShowMessage(this, kInvalidInput());
        return;
    }
    const LimitTexts limits{texts[kXStartBox], texts[kXStopBox], texts[kYStartBox], texts[kYStopBox]};
    const RangeLabels labels = PlotPointsForMode(m_state, m_graph->graph(), limits);
    m_graph->setLimitTexts({labels.xStart, labels.xStop, labels.yStart, labels.yStop});
    if (const auto notWritten = m_calculation->writeRequestOf(m_state)) {
        // A value the engine cannot carry keeps the points plotted, so the user sees which one
        // is meant; without a fresh request the engine would compute an earlier graph's points.
        // Either way the engine step stays off until a plot writes one.
        ShowMessage(this, notWritten->cause == exchange::Cause::NotCarried ? RequestMessage(*notWritten)
                                                                           : CalculationMessage(*notWritten));
        return;
    }
    m_steps.PointsPlotted(currentInputs());
    refreshSteps();
    m_command4->setFocus();
}

// A point that is not positive has no place on a logarithmic axis; its logarithm would be left
// from earlier points. The scale options are gated by the points, so this only guards the gate.
bool Form1::pointOffLogAxes() {
    const AxisKinds axes = AxesOfScaleMode(m_state.ScaleMode);
    for (int i = 1; i <= m_state.PointsInUse(); ++i) {
        for (const bool isX : {true, false}) {
            const bool logAxis = (isX ? axes.x : axes.y) == AxisKind::Logarithmic;
            const double value = isX ? m_state.XData[i] : m_state.YData[i];
            if (!logAxis || value > 0.0)
                continue;
            ShowMessage(this, PaddedLines(tr("データ点 %1 の %2 値 %3 は対数軸に描けません"), kWideMargin)
                                  .arg(i)
                                  .arg(isX ? QLatin1Char('X') : QLatin1Char('Y'))
                                  .arg(Q(GeneralText(value))));
            return true;
        }
    }
    return false;
}

void Form1::Command4_Click() {
    if (const auto notStarted = m_calculation->start()) {
        ShowMessage(this, CalculationMessage(*notStarted));
        return;
    }
    m_steps.EngineStarted();
    LetPendingPaintsThrough();
    refreshSteps();
    m_command5->setFocus();
}

void Form1::Command5_Click() {
    // Answered by drawLoadedCurve or a message; while the engine still runs the window stays
    // usable until then.
    m_calculation->requestResult();
}

void Form1::drawLoadedCurve(const exchange::LoadedResult& result) {
    // The result file answers the request this window wrote; one made for another request (the
    // folder shared with another program, say) is not drawn as this one.
    if (!m_steps.Answers(result.scaleMode, result.pointCount)) {
        ShowMessage(this, tr("　計算結果ファイル F2B.dat が計算依頼と一致しません　\n"
                             "（もう一度 ⑥ から計算して下さい）"));
        return;
    }
    ApplyLoadedResult(m_state, result);
    LetPendingPaintsThrough();
    GraphModel& graph = m_graph->graph();
    graph.setLineWidth(2);
    PlotCurveForMode(m_state, graph);
    graph.setLineWidth(1);
    m_graph->showCurve(DrawnCurveOf(m_state));
    m_state.GraphDrawn = 1;
    m_steps.CurveDrawn();
    m_drawnState = m_state;
    refreshSteps();
    m_command6->setFocus();
}

void Form1::Command6_Click() {
    emit dataSaveRequested(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
}

void Form1::Command8_Click() {
    emit imageSaveRequested(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")),
                            m_graph->savedPicture());
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

} // namespace mirendo

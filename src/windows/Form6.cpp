#include "windows/Form6.h"

#include "core/archive/ArchiveReader.h"
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CrossingsAtY.h"
#include "core/curve/CurveArea.h"
#include "core/curve/CurveSlope.h"
#include "core/curve/DrawnCurve.h"
#include "core/curve/EvaluateAtX.h"
#include "core/messages/MessageTexts.h"
#include "core/plot/Plot.h"
#include "core/text/NumberText.h"
#include "qt/messages/Messages.h"
#include "widgets/ExitSign.h"
#include "widgets/FileDrop.h"
#include "widgets/FolderLists.h"
#include "widgets/FormLayout.h"
#include "widgets/GraphPanel.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"
#include "windows/BatchEvaluationWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>

#include <array>
#include <cmath>
#include <optional>

namespace mirendo {

namespace {
constexpr int kEnterKey = 13;
} // namespace

Form6::Form6(Module1& state, QWidget* parent) : QWidget(parent), m_state(state) {
    SetUpWindow(this, "Form6", QStringLiteral("Lagrange Interpolated Data"), 15840, 11760);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form6.tsv"));
    m_graph = new GraphPanel(c, "Label7", "Label8", this);
    m_command1 = c.get<QPushButton>("Command1");
    m_command4 = c.get<QPushButton>("Command4");
    m_command8 = c.get<QPushButton>("Command8");
    m_text1 = c.get<QLineEdit>("Text1");
    m_label6 = c.get<ValueLabel>("Label6");
    m_extrapolated = c.get<QLabel>("LabelExtrapolated");
    m_commandBatch = c.get<QPushButton>("CommandBatch");
    m_textY = c.get<QLineEdit>("TextY");
    m_labelXForY = c.get<ValueLabel>("LabelXForY");
    m_commandRecalc = c.get<QPushButton>("CommandRecalc");
    m_compareEval = c.get<ValueLabel>("LabelCompareEval");
    m_evalSlope = c.get<QLabel>("LabelEvalSlope");
    m_areaX1 = c.get<QLineEdit>("TextAreaX1");
    m_areaX2 = c.get<QLineEdit>("TextAreaX2");
    m_commandArea = c.get<QPushButton>("CommandArea");
    m_areaValue = c.get<ValueLabel>("LabelAreaValue");
    m_areaExtrapolated = c.get<QLabel>("LabelAreaExtrapolated");
    m_compareArea = c.get<QLabel>("LabelCompareArea");
    m_lists = new FolderLists(c.get<QComboBox>("Drive1"), c.get<QListWidget>("Dir1"),
                              c.get<QListWidget>("File1"), {QString::fromLatin1(kArchivePattern)}, this);
    m_lists->setCaseSensitive(true);
    // The arrow picture is pressed like a button; it is not a real control of the window's table.
    auto* arrow = new QToolButton(this);
    arrow->setObjectName(QStringLiteral("Picture2"));
    arrow->setGeometry(TwipRect(9720, 9300, 480, 480));
    arrow->setAutoRaise(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setIcon(QIcon(RightArrowPixmap(arrow->size())));
    arrow->setIconSize(arrow->size() - QSize(4, 4));
    arrow->setToolTip(QStringLiteral("計算する"));
    auto* back = c.get<QPushButton>("Command2");
    back->setIcon(QIcon(ExitSignPixmap(back->size() - QSize(6, 6))));
    back->setIconSize(back->size() - QSize(6, 6));
    back->setToolTip(QStringLiteral("スタート画面に戻る"));
    wireControls(c, arrow);
}

void Form6::wireControls(const FormControls& c, QToolButton* arrow) {
    auto* reset = c.get<QPushButton>("Command3");
    auto* back = c.get<QPushButton>("Command2");
    connect(m_lists, &FolderLists::fileClicked, this, &Form6::File1_Click);
    ConnectButtonHandlers(this);
    m_text1->installEventFilter(this);
    m_label6->installEventFilter(this);
    m_textY->installEventFilter(this);
    m_labelXForY->installEventFilter(this);

    // Screen readers: the picture buttons and value boxes have no caption of their own.
    back->setAccessibleName(QStringLiteral("スタート画面に戻る"));
    arrow->setAccessibleName(QStringLiteral("計算する"));
    m_text1->setAccessibleName(QStringLiteral("任意 X 入力（外挿も可）"));
    m_label6->setMeaning(QStringLiteral("任意 X に対する Y 値"));
    m_extrapolated->setAccessibleDescription(QStringLiteral("X がデータ点の範囲外です（外挿）"));
    m_commandBatch->setAccessibleName(m_commandBatch->text());
    m_textY->setAccessibleName(QStringLiteral("任意 Y 入力（その Y をとる X を求めます）"));
    m_labelXForY->setMeaning(QStringLiteral("任意 Y に対する X 値（グラフの X の範囲内）"));
    m_commandRecalc->setAccessibleName(QStringLiteral("この点で再計算（メイン画面で開く）"));
    m_compareEval->setMeaning(QStringLiteral("任意 X に対する比較曲線の Y 値"));
    m_compareEval->setVisible(false); // shown with a comparison curve (showComparison)
    m_evalSlope->setTextFormat(Qt::PlainText);
    m_evalSlope->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_evalSlope->setAccessibleDescription(tr("任意 X における曲線の傾き"));
    m_areaX1->setAccessibleName(tr("面積の X1（積分の開始）"));
    m_areaX2->setAccessibleName(tr("面積の X2（積分の終了）"));
    m_commandArea->setAccessibleName(tr("面積を計算する"));
    m_areaValue->setMeaning(tr("X1 から X2 までの曲線の下の面積（Y の X についての積分）"));
    m_areaExtrapolated->setAccessibleDescription(tr("X1〜X2 がデータ点の範囲の外に出ています（外挿）"));
    m_compareArea->setTextFormat(Qt::PlainText);
    m_compareArea->setAlignment(Qt::AlignRight | Qt::AlignVCenter); // next to the area row
    m_compareArea->setVisible(false);
    connect(m_areaX1, &QLineEdit::returnPressed, m_areaX2,
            [this] { m_areaX2->setFocus(Qt::OtherFocusReason); });
    connect(m_areaX2, &QLineEdit::returnPressed, this, &Form6::CommandArea_Click);
    connect(m_graph, &GraphPanel::comparisonChanged, this, &Form6::showComparison);
    // Keyboard: choose the file, draw, add the points, the graph (read by keys once drawn) and its
    // comparison curve, evaluate (Enter in Text1), the result (a stop only while it shows one, for
    // Ctrl+C), the batch evaluation (for X and for Y), the Y to find X for and its result
    // (likewise a stop only while it shows one), save, then the ways out: calculate again in the
    // main window, Reset and back. The arrow picture needs no stop of its own: Enter in Text1
    // evaluates.
    QWidget* order[] = {c.find("Drive1"),
                        c.find("Dir1"),
                        c.find("File1"),
                        m_command1,
                        m_command4,
                        m_graph->picture(),
                        c.find("ComboCompare"),
                        m_text1,
                        m_label6,
                        m_commandBatch,
                        m_textY,
                        m_labelXForY,
                        m_areaX1,
                        m_areaX2,
                        m_commandArea,
                        m_command8,
                        m_commandRecalc,
                        reset,
                        back};
    // Qt leaves a widget that takes no focus out of setTabOrder: the graph takes it meanwhile, and
    // gives it up below until a curve is drawn.
    m_graph->setKeyboardReadout(true);
    m_labelXForY->setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_graph->setKeyboardReadout(false);
    m_labelXForY->setFocusPolicy(Qt::NoFocus);

    enableControls();
    setAcceptDrops(true);
}

void Form6::enableControls() {
    m_command1->setEnabled(m_fileChosen);
    const std::array<QWidget*, 9> forTheDrawnFile = {m_text1,    m_textY,        m_command4,
                                                     m_command8, m_commandBatch, m_areaX1,
                                                     m_areaX2,   m_commandArea,  m_commandRecalc};
    for (QWidget* control : forTheDrawnFile)
        control->setEnabled(m_drawn);
}

void Form6::showDrawn(bool drawn) {
    m_drawn = drawn;
    enableControls();
    // The batch evaluation works on the same loaded polynomial as the single one; results of
    // the previous archive no longer belong to it.
    if (m_batch)
        m_batch->setPolynomialAvailable(drawn);
}

void Form6::leave(Exit exit) {
    m_state.GraphDrawn = 0;
    if (m_batch)
        m_batch->hide();
    if (exit != Exit::CloseBox) // the close box hides the window itself
        hide();
    if (exit == Exit::Recalculate)
        emit recalculationRequested(m_drawnPlot, m_drawnName);
    else
        emit backToStart();
}

// The empty browser: no graph, readout or result, limit labels back to their captions (the
// graph is empty), and nothing to draw, evaluate or save until a file is chosen again.
void Form6::showEmpty() {
    m_graph->graph().clear();
    m_graph->clearCurve();
    m_graph->showLimitCaptions();
    m_text1->clear();
    showEvaluation(QString(), QString(), false);
    m_textY->clear();
    showCrossings(QString(), QString());
    m_areaX1->clear();
    m_areaX2->clear();
    showArea({}, false);
    m_fileChosen = false;
    showDrawn(false);
}

void Form6::prepare() {
    m_lists->resetToCurrentFolderOfDrive();
    showEmpty();
}

void Form6::File1_Click() {
    m_fileChosen = true;
    enableControls();
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
        ShowMessage(this, ArchiveOpenMessage(*read.failure, name));
        return;
    }
    // The browser has no data of its own: an accepted file replaces the loaded part of the shared
    // state for every window.
    LoadSavedPlot(read.value, path.toStdString(), m_state);
    m_drawnPlot = read.value;
    m_drawnName = name;
    LetPendingPaintsThrough();

    GraphModel& graph = m_graph->graph();
    graph.clear();
    const RangeLabels labels = PlotSavedForMode(m_state, graph);
    m_graph->setLimitTexts({labels.xStart, labels.xStop, labels.yStart, labels.yStop});
    m_graph->showCurve(DrawnCurveOf(m_state));
    m_state.GraphDrawn = 1;
    // The X found and the area belong to the previous curve; the area is offered over the points.
    showCrossings(QString(), QString());
    const auto [x1, x2] = DefaultAreaTexts(m_state);
    m_areaX1->setText(QString::fromStdString(x1));
    m_areaX2->setText(QString::fromStdString(x2));
    showArea({}, false);
    showDrawn(true);
}

void Form6::Command4_Click() {
    PlotSavedPoints(m_state, m_graph->graph());
}

void Form6::Command3_Click() {
    showEmpty();
    m_state.GraphDrawn = 0;
}

void Form6::Command8_Click() {
    // The selected name less its ".csv"; the lists only offer "*Mi.csv", but with nothing
    // selected there is no name to shorten.
    const QString selected = m_lists->selectedName();
    const QString proposal = selected.size() >= 5 ? selected.chopped(4) : QStringLiteral("graph");
    emit imageSaveRequested(proposal, m_graph->savedPicture());
}

void Form6::Command2_Click() {
    leave(Exit::Back);
}

void Form6::closeEvent(QCloseEvent* event) {
    event->accept();
    leave(Exit::CloseBox);
}

void Form6::Picture2_Click() {
    if (!m_text1->text().isEmpty())
        EvaluateAtX();
}

void Form6::Text1_KeyDown(int keyCode) {
    if (keyCode == kEnterKey)
        EvaluateAtX();
}

void Form6::TextY_KeyDown(int keyCode) {
    if (keyCode == kEnterKey)
        FindXForY();
}

void Form6::Text1_Click() {
    m_text1->clear();
    showEvaluation(QString(), QString(), false);
}

void Form6::CommandBatch_Click() {
    if (!m_batch) {
        m_batch = new BatchEvaluationWindow(m_state, this);
        m_batch->setPolynomialAvailable(m_drawn);
        m_batch->setComparison(m_graph->comparisonCurve());
    }
    m_batch->open();
}

void Form6::CommandRecalc_Click() {
    // The file itself is not touched.
    leave(Exit::Recalculate);
}

void Form6::EvaluateAtX() {
    // Enter evaluates whatever the box holds, but no X is never read as X = 0.
    if (m_text1->text().isEmpty()) {
        ShowMessage(this, QStringLiteral("　X の値が入力されていません　"));
        showEvaluation(QString(), QString(), false);
        return;
    }
    const Evaluation e = mirendo::EvaluateAtX(m_state, m_text1->text().toStdString());
    if (!e.ok) {
        ShowMessage(this, e.notANumber ? NotANumberMessage(QStringLiteral("X"))
                                       : QStringLiteral("　正しく計算できません　"));
        showEvaluation(QString(), QString(), false);
        return;
    }
    showEvaluation(m_text1->text(), QString::fromStdString(e.text), e.extrapolated);
}

void Form6::showEvaluation(const QString& x, const QString& y, bool extrapolated) {
    m_evaluatedX = x;
    m_label6->setValue(y);
    QString slopeText;
    m_evaluatedSlope.clear();
    if (!y.isEmpty()) {
        const std::optional<double> typed = TypedNumber(x.toStdString());
        const double slope = typed ? SlopeAt(m_state, *typed) : std::nan("");
        slopeText = QString::fromStdString(SlopeText(m_state.ScaleMode, slope));
        if (std::isfinite(slope))
            m_evaluatedSlope = QString::fromStdString(ReadoutText(slope, false));
    }
    m_evalSlope->setText(slopeText);
    m_evalSlope->setAccessibleName(slopeText);
    const QString mark =
        extrapolated ? QString::fromUtf8(kExtrapolationMark.data(), qsizetype(kExtrapolationMark.size()))
                     : QString();
    m_extrapolated->setText(mark);
    m_extrapolated->setAccessibleName(mark);
    showComparison();
    // The result takes the focus by Tab only while there is a result to copy.
    m_label6->setFocusPolicy(y.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void Form6::FindXForY() {
    const QString typed = m_textY->text();
    // The X of the previous Y leave before any refusal is shown: they no longer answer the box.
    showCrossings(QString(), QString());
    if (typed.trimmed().isEmpty()) {
        ShowMessage(this, QStringLiteral("　Y の値が入力されていません　"));
        return;
    }
    const CrossingSearch search = CrossingsAtY(m_state, typed.toStdString());
    QString refusal;
    switch (search.outcome) {
    case CrossingOutcome::NotANumber:
        refusal = NotANumberMessage(QStringLiteral("Y"));
        break;
    case CrossingOutcome::NeedsPositiveY:
        refusal = QStringLiteral("　Y 軸が対数のため、Y には 0 より大きい値を入力して下さい（入力: %1）　")
                      .arg(typed);
        break;
    case CrossingOutcome::NoRange:
        refusal = QStringLiteral("　グラフの X の範囲（開始値・終了値）が正しくないため計算できません　");
        break;
    // An answer, shown below.
    case CrossingOutcome::Found:
    case CrossingOutcome::None:
    case CrossingOutcome::Everywhere:
        break;
    }
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal);
        return;
    }
    showCrossings(typed, QString::fromStdString(CrossingsText(search)));
}

void Form6::showCrossings(const QString& y, const QString& xs) {
    m_searchedY = y;
    m_labelXForY->setValue(xs);
    m_labelXForY->setFocusPolicy(xs.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void Form6::copyCrossings() {
    if (m_labelXForY->text().isEmpty()) {
        Beep();
        return;
    }
    QGuiApplication::clipboard()->setText(m_searchedY + QLatin1Char('\t') + m_labelXForY->text());
}

void Form6::showComparison() {
    const ComparisonCurve curve = m_graph->comparisonCurve();
    if (m_batch)
        m_batch->setComparison(curve);
    QString text;
    if (curve.valid() && !m_label6->text().isEmpty()) {
        const std::optional<double> x = TypedNumber(m_evaluatedX.toStdString());
        const double y = x ? ComparisonValueAt(curve, m_state.ScaleMode, *x) : std::nan("");
        text = QStringLiteral("比較 Y = ") + (std::isfinite(y) ? QString::fromStdString(ReadoutText(y, false))
                                                               : QStringLiteral("計算できません"));
    }
    m_compareEval->setValue(text);
    m_compareEval->setVisible(m_graph->comparison() != ComparisonMethod::None);
    QString area;
    if (curve.valid() && !m_areaValue->text().isEmpty()) {
        const std::optional<double> x1 = TypedNumber(m_areaX1->text().toStdString());
        const std::optional<double> x2 = TypedNumber(m_areaX2->text().toStdString());
        const double value = x1 && x2 ? ComparisonArea(curve, m_state.ScaleMode, *x1, *x2) : std::nan("");
        area = tr("比較 面積 = ") +
               (std::isfinite(value) ? QString::fromStdString(ReadoutText(value, m_state.ScaleMode % 2 == 0))
                                     : tr("計算できません"));
    }
    m_compareArea->setText(area);
    m_compareArea->setAccessibleName(area);
    m_compareArea->setVisible(m_graph->comparison() != ComparisonMethod::None);
}

void Form6::CommandArea_Click() {
    showArea({}, false);
    const std::string x1 = m_areaX1->text().toStdString();
    const std::string x2 = m_areaX2->text().toStdString();
    const Area area = AreaUnderCurve(m_state, x1, x2);
    if (area.outcome != AreaOutcome::Found) {
        ShowMessage(this, QString::fromStdString(AreaRefusalText(area, area.box == 2 ? x2 : x1)));
        (area.box == 2 ? m_areaX2 : m_areaX1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    showArea(area.text, area.extrapolated);
}

void Form6::showArea(const std::string& text, bool extrapolated) {
    m_areaValue->setValue(QString::fromStdString(text));
    const QString mark =
        extrapolated ? QString::fromUtf8(kExtrapolationMark.data(), qsizetype(kExtrapolationMark.size()))
                     : QString();
    m_areaExtrapolated->setText(mark);
    m_areaExtrapolated->setAccessibleName(mark);
    showComparison();
}

void Form6::copyEvaluation() {
    if (m_label6->text().isEmpty()) {
        Beep();
        return;
    }
    QString row = m_evaluatedX + QLatin1Char('\t') + m_label6->text();
    if (!m_evaluatedSlope.isEmpty())
        row += QLatin1Char('\t') + m_evaluatedSlope;
    QGuiApplication::clipboard()->setText(row);
}

void Form6::dragEnterEvent(QDragEnterEvent* event) {
    LetInPossibleFile(event);
}

void Form6::dropEvent(QDropEvent* event) {
    // The file list takes a new choice whenever the browser is shown.
    AnswerDrop(this, DropTarget::Archive, event, isVisible(),
               [this](const QString& path) { openDroppedArchive(path); });
}

bool Form6::openDroppedArchive(const QString& path) {
    const QFileInfo file(path);
    if (!m_lists->setPath(file.absolutePath()) || !m_lists->selectFile(file.fileName())) {
        // The lists cannot show it: say what keeps the file from being read, if anything does.
        const ArchiveRead read = ReadArchiveFile(QFile::encodeName(path).toStdString());
        ShowMessage(this,
                    read.ok() ? ArchiveNotListedMessage(path) : ArchiveOpenMessage(*read.failure, path));
        return false;
    }
    File1_Click();
    Command1_Click();
    return m_state.GraphDrawn == 1;
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    // The focused result is drawn with a plain heavy frame so that the keyboard user sees where
    // Ctrl+C will copy from; the sunken panel comes back when the focus leaves.
    if ((watched == m_label6 || watched == m_labelXForY) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        auto* result = static_cast<ValueLabel*>(watched);
        const bool focused = event->type() == QEvent::FocusIn;
        result->setFrameShape(focused ? QFrame::Box : QFrame::Panel);
        result->setFrameShadow(focused ? QFrame::Plain : QFrame::Sunken);
        result->setLineWidth(focused ? 2 : 1);
    }
    // Ctrl+C on the focused result, or in the X box when it has no selection of its own to copy.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool evaluationCopy =
            key->matches(QKeySequence::Copy) &&
            (watched == m_label6 || (watched == m_text1 && !m_text1->hasSelectedText()));
        const bool crossingsCopy =
            key->matches(QKeySequence::Copy) &&
            (watched == m_labelXForY || (watched == m_textY && !m_textY->hasSelectedText()));
        if (evaluationCopy || crossingsCopy) {
            // Claim the shortcut so that the key press reaches this filter, then copy on it.
            if (event->type() == QEvent::KeyPress) {
                if (evaluationCopy)
                    copyEvaluation();
                else
                    copyCrossings();
            }
            event->accept();
            return true;
        }
    }
    if (watched == m_textY && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TextY_KeyDown(kEnterKey);
            return true;
        }
    }
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

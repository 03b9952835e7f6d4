#include "widgets/GraphPanel.h"

#include "core/curve/CurveSlope.h"
#include "core/curve/ModeSpace.h"
#include "core/curve/SpreadsheetFormula.h"
#include "core/plot/ComparisonPlot.h"
#include "core/text/NumberText.h"
#include "qt/canvas/GraphModel.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace mirendo {

namespace {
const char* const kLimitNames[4] = {"Label14", "Label15", "Label16", "Label17"};
const char* const kLimitCaptions[4] = {"X-Start", "X-Stop", "Y-Start", "Y-Stop"};
const char* const kLimitMeanings[4] = {"X 軸の開始値", "X 軸の終了値", "Y 軸の開始値", "Y 軸の終了値"};

// The limits and the readout are value rows of the window's table (ValueLabel or ValueText).
ValueLabel* ValueLabelOf(const FormControls& controls, const char* name) {
    auto* label = qobject_cast<ValueLabel*>(controls.find(name));
    Q_ASSERT_X(label, name, "not a value row of the window's table");
    return label;
}

// Dark enough to read on the window's grey, as the calm black is.
const QColor kTrustRed(192, 0, 0);
// A size at which the longest advice fits the line's two rows.
constexpr int kTrustFontPixels = 11;
} // namespace

GraphPanel::GraphPanel(const FormControls& controls, const char* xValue, const char* yValue, QObject* parent)
    : QObject(parent), m_picture(controls.get<PictureBox>("Picture1")), m_graph(m_picture->pixelSize()),
      m_xValue(ValueLabelOf(controls, xValue)), m_yValue(ValueLabelOf(controls, yValue)),
      m_trust(qobject_cast<QLabel*>(controls.find("LabelTrust"))),
      m_compare(qobject_cast<QComboBox*>(controls.find("ComboCompare"))),
      m_compareY(qobject_cast<ValueLabel*>(controls.find("LabelCompareY"))),
      m_slope(qobject_cast<QLabel*>(controls.find("LabelSlope"))),
      m_compareSlope(qobject_cast<QLabel*>(controls.find("LabelCompareSlope"))) {
    // A classic picture box: system window colour as background (white in the usual scheme) and
    // the window-text colour for the frame.
    const QPalette& colours = m_picture->palette();
    m_graph.setColours(colours.color(QPalette::Base), colours.color(QPalette::Text));
    m_graph.clear();
    m_picture->setGraph(&m_graph);
    for (int i = 0; i < 4; ++i) {
        m_limits[i] = ValueLabelOf(controls, kLimitNames[i]);
        m_limits[i]->setMeaning(QString::fromUtf8(kLimitMeanings[i]));
    }
    // The Y limits end at the graph's left edge, the X stop at its right edge.
    for (int i : {1, 2, 3})
        m_limits[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showLimitCaptions();
    m_xValue->setMeaning(QStringLiteral("カーソル位置の X 値"));
    m_yValue->setMeaning(QStringLiteral("カーソル位置の Y 値"));
    m_picture->setReadoutTexts(QString(), QString());
    m_picture->setAccessibleDescription(
        QStringLiteral("マウスを動かすか左右キーを押すとカーソル位置の値を表示します"));
    if (m_trust) {
        m_trust->setWordWrap(true);
        m_trust->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_trust->setTextFormat(Qt::PlainText);
        m_trust->setFont(WindowFont(kTrustFontPixels));
        m_trust->setAccessibleDescription(QStringLiteral("補間の信頼性"));
        setTrustLine(QString(), false);
    }
    if (m_compare) {
        m_compare->setAccessibleName(m_compare->currentText());
        m_compare->setAccessibleDescription(QStringLiteral("比較曲線"));
        m_compare->setToolTip(QStringLiteral("同じ点を通る比較曲線（緑の破線）"));
        connect(m_compare, &QComboBox::currentIndexChanged, this, &GraphPanel::setComparison);
    }
    if (m_compareY) {
        m_compareY->setMeaning(QStringLiteral("カーソル位置の比較曲線の Y 値"));
        // An empty value box looks like an input box: shown only while there is a comparison.
        m_compareY->setVisible(false);
    }
    for (QLabel* slope : {m_slope, m_compareSlope}) {
        if (!slope)
            continue;
        slope->setTextFormat(Qt::PlainText);
        slope->setFont(WindowFont(kTrustFontPixels));
        slope->setAccessibleDescription(tr("カーソル位置の曲線の傾き"));
        setSlopeText(slope, QString());
    }
    if (m_compareSlope)
        m_compareSlope->setVisible(false);
    connect(m_picture, &PictureBox::mouseMovedTo, this, [this](float x, float) { followMouse(x); });
    connect(m_picture, &PictureBox::stepRequested, this, &GraphPanel::step);
    m_copyFormula = m_picture->addMenuAction(QStringLiteral("数式をコピー"), "copyFormula");
    m_copyFormula->setToolTip(
        QStringLiteral("セル A2 の X に対する曲線の値を求める表計算の数式をコピーします"));
    m_copyFormula->setEnabled(false);
    connect(m_copyFormula, &QAction::triggered, this, &GraphPanel::copyFormula);
}

void GraphPanel::showLimitCaptions() {
    for (int i = 0; i < 4; ++i)
        m_limits[i]->setValue(QString::fromLatin1(kLimitCaptions[i]));
}

void GraphPanel::setLimitTexts(const std::array<std::string, 4>& texts) {
    for (int i = 0; i < 4; ++i)
        m_limits[i]->setValue(QString::fromStdString(texts[i]));
}

void GraphPanel::showCurve(const DrawnCurve& curve) {
    m_curve = curve;
    m_copyFormula->setEnabled(!curveFormula().isEmpty());
    drawComparison();
    showTrust(AssessCurve(curve, m_method));
    setReadoutActive(true);
    emit comparisonChanged();
}

void GraphPanel::clearCurve() {
    m_curve.reset();
    m_copyFormula->setEnabled(false);
    drawComparison();
    clearReadout();
    setKeyboardReadout(false);
    setTrustLine(QString(), false);
    emit comparisonChanged();
}

void GraphPanel::setReadoutActive(bool active) {
    m_readoutActive = active;
    if (!active)
        clearReadout();
    setKeyboardReadout(active && m_curve.has_value());
}

void GraphPanel::setKeyboardReadout(bool on) {
    m_picture->setKeyboardReadout(on);
}

void GraphPanel::setComparison(int index) {
    m_method = index >= 0 && index < int(std::size(kComparisonMethods)) ? kComparisonMethods[index]
                                                                        : ComparisonMethod::None;
    m_compare->setAccessibleName(m_compare->currentText());
    if (m_compareY)
        m_compareY->setVisible(m_method != ComparisonMethod::None);
    if (m_compareSlope)
        m_compareSlope->setVisible(m_method != ComparisonMethod::None);
    if (m_curve) {
        drawComparison();
        showTrust(AssessCurve(*m_curve, m_method));
        showCompareValue(m_sample);
    }
    emit comparisonChanged();
}

ComparisonCurve GraphPanel::comparisonCurve() const {
    ComparisonCurve curve;
    if (m_curve)
        curve.init(m_method, m_curve->pointX, m_curve->pointY);
    return curve;
}

void GraphPanel::drawComparison() {
    m_comparisonY.clear();
    if (m_curve)
        m_comparisonY = ComparisonSamples(m_method, m_curve->pointX, m_curve->pointY, m_curve->sampleX);
    const auto& calls = m_graph.calls();
    const bool drawn = std::any_of(calls.begin(), calls.end(), [](const RecordingCanvas::Call& call) {
        return call.layer == GraphLayer::Comparison;
    });
    if (m_comparisonY.empty() && !drawn)
        return;
    RecordingCanvas comparison;
    if (m_curve)
        PlotComparison(*m_curve, m_comparisonY, comparison);
    m_graph.redraw(WithComparisonUnderCurve(calls, comparison.calls()));
}

void GraphPanel::setSlopeText(QLabel* label, const QString& text) {
    if (!label)
        return;
    label->setText(text);
    label->setAccessibleName(text);
}

void GraphPanel::showCompareValue(int sample) {
    if (m_compareSlope) {
        const ComparisonCurve comparison = comparisonCurve();
        setSlopeText(m_compareSlope, m_curve && comparison.valid() && sample >= 1
                                         ? QString::fromStdString(ComparisonSlopeText(
                                               ComparisonSlopeAtSample(*m_curve, comparison, sample)))
                                         : QString());
    }
    if (!m_compareY)
        return;
    QString text;
    if (m_curve && sample >= 1 && std::size_t(sample) <= m_comparisonY.size()) {
        const AxisKind axis = AxesOfScaleMode(m_curve->scaleMode).y;
        const double y = FromModeSpace(axis, m_comparisonY[std::size_t(sample - 1)]);
        text = QStringLiteral("比較 Y = ") +
               QString::fromStdString(ReadoutText(y, axis == AxisKind::Logarithmic));
    }
    m_compareY->setValue(text);
}

GraphPicture GraphPanel::savedPicture() const {
    GraphPicture picture = m_graph.picture();
    for (int i = 0; i < 4; ++i)
        picture.limitTexts[std::size_t(i)] = m_limits[std::size_t(i)]->text();
    if (m_trust) {
        picture.trustText = m_trust->text();
        picture.trustRed = m_trustShown.assessed && m_trustShown.red;
    }
    return picture;
}

void GraphPanel::clearReadout() {
    m_picture->hideCursorLines();
    m_xValue->clearValue();
    m_yValue->clearValue();
    if (m_compareY)
        m_compareY->clearValue();
    setSlopeText(m_slope, QString());
    setSlopeText(m_compareSlope, QString());
    m_picture->setReadoutTexts(QString(), QString());
    m_sample = 0;
}

void GraphPanel::showTrust(const CurveTrust& trust) {
    m_trustShown = trust;
    setTrustLine(trust.assessed ? QString::fromStdString(trust.text) : QString(),
                 trust.assessed && trust.red);
}

void GraphPanel::setTrustLine(const QString& text, bool red) {
    if (!m_trust)
        return;
    const QWidget* window = m_trust->parentWidget();
    QPalette colours = m_trust->palette();
    colours.setColor(QPalette::WindowText,
                     red ? kTrustRed : (window ? window->palette() : QPalette()).color(QPalette::WindowText));
    m_trust->setPalette(colours);
    m_trust->setText(text);
    m_trust->setAccessibleName(text); // posts the name-changed event screen readers follow
}

void GraphPanel::followMouse(float x) {
    if (m_curve && m_readoutActive)
        show(ComputeReadout(*m_curve, x));
}

// The keys go through the mouse's readout at the stepped sample's abscissa, so both show the
// same sample with the same texts.
void GraphPanel::step(ReadoutStep step) {
    if (m_curve && m_readoutActive)
        show(ReadoutForStep(*m_curve, m_sample, step));
}

void GraphPanel::show(const Readout& readout) {
    switch (readout.action) {
    case Readout::Action::Nothing:
        return;
    case Readout::Action::Hide:
        clearReadout();
        return;
    case Readout::Action::Show: {
        m_sample = readout.sample;
        m_picture->showCursorLines(readout.verticalX, readout.horizontalY);
        const QString x = QString::fromStdString(readout.xText);
        const QString y = QString::fromStdString(readout.yText);
        m_xValue->setValue(x);
        m_yValue->setValue(y);
        if (m_slope) {
            const double slope = SlopeAtSample(*m_curve, readout.sample);
            const QString text = QString::fromStdString(SlopeText(m_curve->scaleMode, slope));
            setSlopeText(m_slope, text);
            m_picture->setReadoutTexts(
                x, y, text,
                std::isfinite(slope) ? QString::fromStdString(ReadoutText(slope, false)) : QString());
        } else {
            m_picture->setReadoutTexts(x, y);
        }
        showCompareValue(readout.sample);
        return;
    }
    }
}

QString GraphPanel::curveFormula() const {
    if (!m_curve)
        return {};
    return QString::fromStdString(SpreadsheetFormula(m_curve->scaleMode, m_curve->pointX, m_curve->pointY));
}

void GraphPanel::copyFormula() {
    const QString formula = curveFormula();
    if (formula.isEmpty()) {
        Beep();
        return;
    }
    QGuiApplication::clipboard()->setText(formula);
}

} // namespace mirendo

#pragma once
// The graph of the main window and of the browser: the graph area Picture1, the four axis-limit
// labels Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop) and the two
// cursor value labels, with the readout that follows the mouse over the drawn curve or steps over
// its samples by keyboard, and the line LabelTrust under the graph that says how far the drawn
// curve can be trusted. The panel is handed the curve when it is drawn and reads nothing else.
// The graph's context menu copies that curve as a spreadsheet formula ("数式をコピー").
// Where the window's table has them, the choice ComboCompare puts a comparison curve through the
// same points under the drawn curve (dashed green), LabelCompareY reads it at the readout's X
// ("比較 Y = …"), and the trust line says how far the two differ. Where the table has a
// LabelSlope, it gives the polynomial's slope at the readout's X in the mode's space ("傾き
// dlnY/dlnX = 1.700"), and LabelCompareSlope the comparison curve's ("比較 傾き = …").
#include "core/curve/CurveTrust.h"
#include "core/curve/DrawnCurve.h"
#include "core/plot/Readout.h"
#include "qt/canvas/GraphModel.h"
#include "qt/canvas/GraphPicture.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;

namespace mirendo {

class FormControls;
class PictureBox;
class ValueLabel;

class GraphPanel : public QObject {
    Q_OBJECT
  public:
    // Takes Picture1, Label14 .. Label17, the readout labels `xValue`, `yValue` and LabelTrust
    // (if there is one) from the window's controls, and hands Picture1 the graph it shows.
    GraphPanel(const FormControls& controls, const char* xValue, const char* yValue, QObject* parent);

    PictureBox* picture() const { return m_picture; }
    // What the plots draw on: the graph Picture1 shows, kept by the panel.
    GraphModel& graph() { return m_graph; }
    const GraphModel& graph() const { return m_graph; }

    // The limit labels show "X-Start", "X-Stop", "Y-Start", "Y-Stop" (the graph is empty).
    void showLimitCaptions();
    // X start, X stop, Y start, Y stop as a plot wrote them.
    void setLimitTexts(const std::array<std::string, 4>& texts);

    // The curve just drawn: the readout follows it by mouse and keyboard, and the trust line says
    // how far it can be trusted.
    void showCurve(const DrawnCurve& curve);
    // No curve on the graph: no readout, no trust line, no keyboard stop.
    void clearCurve();
    // While off, the drawn curve stays (with its trust line), but no longer matches what the
    // window shows: the readout is cleared, mouse moves and keys leave it alone, and the graph
    // takes no keyboard focus. On again, the readout follows the curve as before.
    void setReadoutActive(bool active);
    // Whether Tab stops at the graph and its keys step the readout.
    void setKeyboardReadout(bool on);

    // The trust line, when the window's table has a LabelTrust: `trust.text` (nothing when
    // the curve could not be assessed), in red when `trust.red`. Its accessible name is the text
    // shown, so screen readers hear each change. It lies outside Picture1: the saved graph image
    // never includes it.
    void showTrust(const CurveTrust& trust);

    // The drawn curve's polynomial as one spreadsheet formula of the value in cell A2
    // (SpreadsheetFormula); empty without a curve.
    QString curveFormula() const;
    // Puts curveFormula() on the clipboard; a beep when there is none.
    void copyFormula();

    // The comparison chosen ("なし" when the window has no choice); the choice stays when the
    // curve goes.
    ComparisonMethod comparison() const { return m_method; }
    // The comparison curve through the drawn curve's points, or an invalid one.
    ComparisonCurve comparisonCurve() const;
    // The graph as a saved picture: the image, its drawing, and the limit labels and trust line
    // as shown, for a picture that is read without the program.
    GraphPicture savedPicture() const;

  signals:
    // The comparison curve changed: another choice, or a curve drawn or cleared.
    void comparisonChanged();

  private:
    void followMouse(float x);
    void step(ReadoutStep step);
    void show(const Readout& readout);
    void clearReadout();
    void setTrustLine(const QString& text, bool red);
    void setComparison(int index);
    // Puts the comparison curve of the drawn curve on the graph, under it (or takes it away).
    void drawComparison();
    void showCompareValue(int sample);
    // A slope label's text, also its accessible name (screen readers hear each change).
    static void setSlopeText(QLabel* label, const QString& text);

    PictureBox* m_picture;
    GraphModel m_graph; // of Picture1's size, in Picture1's colours
    std::array<ValueLabel*, 4> m_limits{};
    ValueLabel* m_xValue;
    ValueLabel* m_yValue;
    QLabel* m_trust; // nullptr when the window has no trust line
    QAction* m_copyFormula;
    std::optional<DrawnCurve> m_curve;
    QComboBox* m_compare;   // nullptr when the window has no comparison
    ValueLabel* m_compareY; // nullptr when the window has no comparison
    QLabel* m_slope;        // nullptr when the window shows no slope
    QLabel* m_compareSlope; // nullptr when the window shows no comparison slope
    ComparisonMethod m_method = ComparisonMethod::None;
    std::vector<double> m_comparisonY; // at the drawn curve's samples, mode space; empty when none
    CurveTrust m_trustShown;
    bool m_readoutActive = true;
    int m_sample = 0; // the sample the readout shows, 0 when none: where the next key steps from
};

} // namespace mirendo

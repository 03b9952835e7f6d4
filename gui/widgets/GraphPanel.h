#pragma once
// The graph of the main window and of the browser: the graph area Picture1, the four axis-limit
// labels Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop) and the two
// cursor value labels, with the readout that follows the mouse over the curve or steps over its
// samples by keyboard, and the line LabelTrust under the graph that says how far the drawn curve
// can be trusted.
#include "plot/CurveTrust.h"
#include "plot/Readout.h"
#include "state/Module1.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QLabel;

namespace mirendo {

class FormControls;
class PictureBox;
class ValueLabel;

class GraphPanel : public QObject {
    Q_OBJECT
  public:
    // Takes Picture1, Label14 .. Label17, the readout labels `xValue`, `yValue` and LabelTrust
    // (if there is one) from the window's controls; the readout reads the curve of `state`.
    GraphPanel(const FormControls& controls, const char* xValue, const char* yValue, const Module1& state,
               QObject* parent);

    PictureBox* picture() const { return m_picture; }

    // The limit labels show "X-Start", "X-Stop", "Y-Start", "Y-Stop" (the graph is empty).
    void showLimitCaptions();
    // X start, X stop, Y start, Y stop as a plot wrote them.
    void setLimitTexts(const std::array<std::string, 4>& texts);
    // No crosshair and no readout values.
    void clearReadout();
    // While off, mouse moves and keys leave the crosshair and the readout alone, and the graph
    // takes no keyboard focus.
    void setReadoutActive(bool active);
    // Whether Tab stops at the graph and its keys step the readout (a curve is drawn).
    void setKeyboardReadout(bool on);

    void followMouse(float x);
    void step(ReadoutStep step);

    // The trust line, when the window's table has a LabelTrust: `trust.text` (nothing when
    // the curve could not be assessed), in red when `trust.red`. Its accessible name is the text
    // shown, so screen readers hear each change. It lies outside Picture1: the saved graph image
    // never includes it.
    void showTrust(const CurveTrust& trust);
    // Empty: no curve drawn.
    void clearTrust();
    bool trustRed() const { return m_trustRed; }

  private:
    void show(const Readout& readout);
    void setTrustLine(const QString& text, bool red);

    const Module1& m_state;
    PictureBox* m_picture;
    std::array<ValueLabel*, 4> m_limits{};
    ValueLabel* m_xValue;
    ValueLabel* m_yValue;
    QLabel* m_trust; // nullptr when the window has no trust line
    bool m_readoutActive = true;
    bool m_trustRed = false;
    int m_sample = 0; // the sample the readout shows, 0 when none: where the next key steps from
};

} // namespace mirendo

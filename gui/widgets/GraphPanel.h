#pragma once
// The graph of the main window and of the browser: the graph area Picture1, the four axis-limit
// labels Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop) and the two
// cursor value labels, with the readout that follows the mouse over the curve, and the line
// LabelTrust under the graph that says how far the drawn curve can be trusted.
#include "plot/CurveTrust.h"
#include "state/Module1.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QLabel;

namespace mirendo {

class FormControls;
class PictureBox;

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
    // While off, mouse moves leave the crosshair and the readout alone.
    void setReadoutActive(bool active) { m_readoutActive = active; }

    void followMouse(float x);

    // The trust line, when the window's table has a LabelTrust: `trust.text` (nothing when
    // the curve could not be assessed), in red when `trust.red`. Its accessible name is the text
    // shown, so screen readers hear each change. It lies outside Picture1: the saved graph image
    // never includes it.
    void showTrust(const CurveTrust& trust);
    // Empty: no curve drawn.
    void clearTrust();
    bool trustRed() const { return m_trustRed; }

  private:
    void setTrustLine(const QString& text, bool red);

    const Module1& m_state;
    PictureBox* m_picture;
    std::array<QLabel*, 4> m_limits{};
    QLabel* m_xValue;
    QLabel* m_yValue;
    QLabel* m_trust; // nullptr when the window has no trust line
    bool m_readoutActive = true;
    bool m_trustRed = false;
};

} // namespace mirendo

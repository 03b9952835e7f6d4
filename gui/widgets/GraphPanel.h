#pragma once
// The graph of the main window and of the browser: the graph area Picture1, the four axis-limit
// labels Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop) and the two
// cursor value labels, with the readout that follows the mouse over the curve.
#include "state/Module1.h"

#include <QObject>

#include <array>
#include <string>

class QLabel;

namespace mirendo {

class FormControls;
class PictureBox;

class GraphPanel : public QObject {
    Q_OBJECT
  public:
    // Takes Picture1, Label14 .. Label17 and the readout labels `xValue`, `yValue` from the
    // window's controls; the readout reads the curve of `state`.
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

  private:
    const Module1& m_state;
    PictureBox* m_picture;
    std::array<QLabel*, 4> m_limits{};
    QLabel* m_xValue;
    QLabel* m_yValue;
    bool m_readoutActive = true;
};

} // namespace mirendo

#pragma once
// The graph of the main window and of the browser: the graph area Picture1, the four axis-limit
// labels Label14 (X start), Label15 (X stop), Label16 (Y start), Label17 (Y stop) and the two
// cursor value labels, with the readout that follows the mouse over the curve or steps over its
// samples by keyboard.
#include "plot/Readout.h"
#include "state/Module1.h"

#include <QObject>

#include <array>
#include <string>

namespace mirendo {

class FormControls;
class PictureBox;
class ValueLabel;

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
    // While off, mouse moves and keys leave the crosshair and the readout alone, and the graph
    // takes no keyboard focus.
    void setReadoutActive(bool active);
    // Whether Tab stops at the graph and its keys step the readout (a curve is drawn).
    void setKeyboardReadout(bool on);

    void followMouse(float x);
    void step(ReadoutStep step);

  private:
    void show(const Readout& readout);

    const Module1& m_state;
    PictureBox* m_picture;
    std::array<ValueLabel*, 4> m_limits{};
    ValueLabel* m_xValue;
    ValueLabel* m_yValue;
    bool m_readoutActive = true;
    int m_sample = 0; // the sample the readout shows, 0 when none: where the next key steps from
};

} // namespace mirendo

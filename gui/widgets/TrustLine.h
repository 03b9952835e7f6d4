#pragma once
// The line under a graph that says how far the drawn curve can be trusted: the single-precision
// error and the overshoot between the points, in red with the reason when either is too large.
// A label outside the graph area, so the saved graph image never includes it. Its accessible name
// is the text it shows; screen readers are told when it changes.
#include "plot/CurveTrust.h"

#include <QLabel>

namespace mirendo {

class TrustLine : public QLabel {
    Q_OBJECT
  public:
    // objectName "LabelTrust", empty until a curve has been assessed.
    explicit TrustLine(QWidget* parent = nullptr);

    // Shows `trust.text` (nothing when the curve could not be assessed), red when `trust.red`.
    void showTrust(const CurveTrust& trust);
    // Empties the line (no curve drawn).
    void clearTrust();

    bool isRed() const { return m_red; }

  private:
    void setLine(const QString& text, bool red);

    bool m_red = false;
};

} // namespace mirendo

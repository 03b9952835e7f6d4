#pragma once
// The loupe beside a chart picture: the pixels around a point, each drawn as a square of
// `magnification` screen pixels, with a crosshair through the point itself (to a tenth of a
// pixel), so that a point can be set on a line's middle by eye.
#include <QImage>
#include <QPointF>
#include <QWidget>

namespace mirendo {

class ChartLoupe : public QWidget {
    Q_OBJECT
  public:
    explicit ChartLoupe(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void setCentre(QPointF pixel);
    QPointF centre() const { return m_centre; }
    int magnification() const { return m_magnification; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_picture;
    QPointF m_centre;
    int m_magnification = 8;
};

} // namespace mirendo

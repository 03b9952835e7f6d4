#include "qt/canvas/PainterCanvas.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace mirendo {

namespace {

// Anything further than this outside the surface is clipped before it reaches QPainter: the
// rasteriser misbehaves (or takes forever) on coordinates of 1E30 pixels, and nothing out there
// is visible anyway.
constexpr double kSlack = 4096.0;

// Dash and gap of a dashed line, in line widths.
const QList<qreal> kDashPattern = {4, 3};

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

bool FinitePoint(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Finite and within the slack around a surface of `width` x `height` pixels.
bool NearSurface(const QPointF& p, int width, int height) {
    return FinitePoint(p) && p.x() >= -kSlack && p.y() >= -kSlack && p.x() <= width + kSlack &&
           p.y() <= height + kSlack;
}

} // namespace

bool ClipSegment(QPointF& a, QPointF& b, double xmin, double ymin, double xmax, double ymax) {
    const auto outcode = [&](const QPointF& p) {
        int code = 0;
        if (p.x() < xmin)
            code |= 1;
        else if (p.x() > xmax)
            code |= 2;
        if (p.y() < ymin)
            code |= 4;
        else if (p.y() > ymax)
            code |= 8;
        return code;
    };
    for (int cut = 0; cut < 5; ++cut) {
        const int ca = outcode(a);
        const int cb = outcode(b);
        if ((ca | cb) == 0)
            return true;
        if ((ca & cb) != 0)
            return false;
        QPointF& out = ca != 0 ? a : b;
        const QPointF in = ca != 0 ? b : a;
        const int code = ca != 0 ? ca : cb;
        if (code & 3) {
            const double x = (code & 1) ? xmin : xmax;
            out = QPointF(x, in.y() + (out.y() - in.y()) * ((x - in.x()) / (out.x() - in.x())));
        } else {
            const double y = (code & 4) ? ymin : ymax;
            out = QPointF(in.x() + (out.x() - in.x()) * ((y - in.y()) / (out.y() - in.y())), y);
        }
    }
    return outcode(a) == 0 && outcode(b) == 0;
}

PainterCanvas::PainterCanvas() = default;

PainterCanvas::PainterCanvas(QPaintDevice& device) : m_device(&device) {}

PainterCanvas::~PainterCanvas() {
    finish();
}

void PainterCanvas::attach(QPaintDevice& device) {
    finish();
    m_device = &device;
}

void PainterCanvas::finish() {
    flushRun();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
}

QPainter& PainterCanvas::painter() {
    aboutToPaint();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_device);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        if (!m_area.isEmpty()) {
            m_painter->translate(m_area.topLeft());
            m_painter->setClipRect(QRect(QPoint(0, 0), m_area.size()));
        }
    }
    return *m_painter;
}

QPainter& PainterCanvas::devicePainter() {
    flushRun();
    QPainter& p = painter();
    p.resetTransform();
    p.setClipping(false);
    return p;
}

void PainterCanvas::setColours(QColor background, QColor foreground) {
    m_background = background;
    m_foreground = foreground;
}

void PainterCanvas::setScale(float left, float top, float width, float height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void PainterCanvas::clear() {
    flushRun();
    fillBackground();
    m_current = QPointF(0, 0);
}

void PainterCanvas::fillBackground() {
    painter().fillRect(QRect(0, 0, pixelWidth(), pixelHeight()), m_background);
}

void PainterCanvas::setLineWidth(int pixels) {
    m_lineWidth = std::max(1, pixels);
}

int PainterCanvas::pixelWidth() const {
    if (!m_area.isEmpty())
        return m_area.width();
    return m_device ? m_device->width() : 0;
}

int PainterCanvas::pixelHeight() const {
    if (!m_area.isEmpty())
        return m_area.height();
    return m_device ? m_device->height() : 0;
}

void PainterCanvas::setDashed(bool dashed) {
    flushRun();
    m_dashed = dashed;
    m_dashTravel = 0;
}

QPointF PainterCanvas::toPixel(float x, float y) const {
    const double px = (double(x) - m_left) / double(m_width) * pixelWidth();
    const double py = (double(y) - m_top) / double(m_height) * pixelHeight();
    return QPointF(px, py);
}

QPointF PainterCanvas::toUser(QPointF pixel) const {
    const double x = m_left + pixel.x() / pixelWidth() * double(m_width);
    const double y = m_top + pixel.y() / pixelHeight() * double(m_height);
    return QPointF(x, y);
}

void PainterCanvas::setPen(const QColor& colour, double travel) {
    QPainter& p = painter();
    QPen pen = m_lineWidth <= 1 ? QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                                : QPen(colour, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (m_dashed) {
        // Flat ends, so that a gap stays a gap at any width; the pattern goes on where the last
        // segment left it.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(kDashPattern);
        pen.setDashOffset(travel / pen.widthF());
    }
    p.setPen(pen);
}

void PainterCanvas::strokeSegment(QPointF a, QPointF b, const QColor& colour) {
    if (!FinitePoint(a) || !FinitePoint(b))
        return;
    const QPointF start = a;
    double travel = m_dashTravel;
    if (m_dashed)
        m_dashTravel += QLineF(a, b).length();
    if (!ClipSegment(a, b, -kSlack, -kSlack, pixelWidth() + kSlack, pixelHeight() + kSlack))
        return;
    setPen(colour, travel + QLineF(start, a).length());
    if (a == b)
        painter().drawPoint(a);
    else
        painter().drawLine(a, b);
}

void PainterCanvas::flushRun() {
    if (m_run.size() >= 2) {
        const int width = m_lineWidth;
        const bool dashed = m_dashed;
        m_lineWidth = m_runWidth;
        m_dashed = m_runDashed;
        setPen(m_runColour, m_runTravel);
        painter().drawPolyline(m_run);
        m_lineWidth = width;
        m_dashed = dashed;
    }
    m_run.clear();
}

void PainterCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
    flushRun();
    const QPointF end = toPixel(x2, y2);
    strokeSegment(toPixel(x1, y1), end, ToQColor(colour));
    m_current = end;
}

void PainterCanvas::lineTo(float x, float y, Rgb colour) {
    const QPointF end = toPixel(x, y);
    if (!m_vector) {
        strokeSegment(m_current, end, ToQColor(colour));
        m_current = end;
        return;
    }
    // The run goes on while each segment starts where the last one ended, unclipped, in the same
    // pen; anything else starts a new one.
    QPointF a = m_current;
    QPointF b = end;
    m_current = end;
    const QColor c = ToQColor(colour);
    const double travel = m_dashTravel;
    if (m_dashed && FinitePoint(a) && FinitePoint(b))
        m_dashTravel += QLineF(a, b).length();
    const QPointF start = a;
    if (!FinitePoint(a) || !FinitePoint(b) ||
        !ClipSegment(a, b, -kSlack, -kSlack, pixelWidth() + kSlack, pixelHeight() + kSlack)) {
        flushRun();
        return;
    }
    if (m_run.isEmpty() || m_run.last() != a || m_runColour != c || m_runWidth != m_lineWidth ||
        m_runDashed != m_dashed) {
        flushRun();
        m_run << a;
        m_runColour = c;
        m_runWidth = m_lineWidth;
        m_runDashed = m_dashed;
        m_runTravel = travel + QLineF(start, a).length();
    }
    m_run << b;
}

void PainterCanvas::frameRect(float x1, float y1, float x2, float y2) {
    flushRun();
    const QPointF a = toPixel(x1, y1);
    const QPointF c = toPixel(x2, y2);
    const QPointF b(c.x(), a.y());
    const QPointF d(a.x(), c.y());
    if (m_vector && NearSurface(a, pixelWidth(), pixelHeight()) &&
        NearSurface(c, pixelWidth(), pixelHeight())) {
        setPen(m_foreground);
        painter().drawPolygon(QPolygonF({a, b, c, d}));
        m_current = c;
        return;
    }
    strokeSegment(a, b, m_foreground);
    strokeSegment(b, c, m_foreground);
    strokeSegment(c, d, m_foreground);
    strokeSegment(d, a, m_foreground);
    m_current = c;
}

void PainterCanvas::dot(float x, float y, Rgb colour) {
    flushRun();
    const QPointF centre = toPixel(x, y);
    m_current = centre;
    if (!FinitePoint(centre))
        return;
    const int width = pixelWidth();
    const int height = pixelHeight();
    const double r = m_lineWidth / 2.0;
    if (centre.x() + r < 0 || centre.y() + r < 0 || centre.x() - r > width || centre.y() - r > height)
        return;
    const QColor c = ToQColor(colour);
    QPainter& p = painter();
    if (m_vector) {
        // The disc the bitmap approximates pixel by pixel.
        QPainterPath disc;
        disc.addEllipse(centre, r, r);
        p.fillPath(disc, c);
        return;
    }
    if (m_lineWidth <= 1) {
        const QRect pixel(int(std::floor(centre.x())), int(std::floor(centre.y())), 1, 1);
        if (QRect(0, 0, width, height).contains(pixel))
            p.fillRect(pixel, c);
        return;
    }
    // Every pixel whose centre lies inside the circle, row by row: a width-2 dot is a 2 x 2
    // block, a width-10 dot a round disc 10 pixels across, crisp like the rest of the drawing.
    const double r2 = r * r;
    const int x0 = std::max(0, int(std::floor(centre.x() - r)));
    const int x1 = std::min(width - 1, int(std::ceil(centre.x() + r)));
    const int y0 = std::max(0, int(std::floor(centre.y() - r)));
    const int y1 = std::min(height - 1, int(std::ceil(centre.y() + r)));
    for (int iy = y0; iy <= y1; ++iy) {
        const double dy = iy + 0.5 - centre.y();
        int first = -1;
        int last = -1;
        for (int ix = x0; ix <= x1; ++ix) {
            const double dx = ix + 0.5 - centre.x();
            if (dx * dx + dy * dy < r2) {
                if (first < 0)
                    first = ix;
                last = ix;
            }
        }
        if (first >= 0)
            p.fillRect(QRect(first, iy, last - first + 1, 1), c);
    }
}

} // namespace mirendo

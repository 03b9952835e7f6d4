#include "widgets/PictureBox.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace mirendo {

namespace {

// Anything further than this outside the surface is clipped before it reaches QPainter: the
// rasteriser misbehaves (or takes forever) on coordinates of 1E30 pixels, and nothing out there
// is visible anyway.
constexpr double kSlack = 4096.0;

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

bool finitePoint(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Cohen-Sutherland: clips the segment a-b to the rectangle; false when nothing of it is inside.
// Each cut is interpolated from the other end, which keeps a segment from a visible point to a
// point 1E30 pixels away accurate where it crosses the surface.
bool clipSegment(QPointF& a, QPointF& b, double xmin, double ymin, double xmax, double ymax) {
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

QFrame* makeCursorLine(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, QColor(255, 0, 0));
    line->setPalette(pal);
    // The crosshair must not steal mouse moves from the graph it sits on.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->hide();
    return line;
}

} // namespace

PictureBox::PictureBox(QSize pixelSize, QWidget* parent)
    : QWidget(parent), m_image(pixelSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    setFixedSize(m_image.size());
    setAccessibleName(QStringLiteral("グラフ表示エリア"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_line1 = makeCursorLine("Line1", this);
    m_line2 = makeCursorLine("Line2", this);
    clear();
}

void PictureBox::setScale(float left, float top, float width, float height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void PictureBox::clear() {
    // A classic picture box: system window colour as background (white in the usual scheme).
    m_image.fill(palette().color(QPalette::Base));
    m_current = QPointF(0, 0);
    update();
}

void PictureBox::setLineWidth(int pixels) {
    m_lineWidth = std::max(1, pixels);
}

QPointF PictureBox::toPixel(float x, float y) const {
    const double px = (double(x) - m_left) / double(m_width) * m_image.width();
    const double py = (double(y) - m_top) / double(m_height) * m_image.height();
    return QPointF(px, py);
}

QPointF PictureBox::toUser(QPointF pixel) const {
    const double x = m_left + pixel.x() / m_image.width() * double(m_width);
    const double y = m_top + pixel.y() / m_image.height() * double(m_height);
    return QPointF(x, y);
}

void PictureBox::strokeSegment(QPointF a, QPointF b, const QColor& colour) {
    if (!finitePoint(a) || !finitePoint(b))
        return;
    if (!clipSegment(a, b, -kSlack, -kSlack, m_image.width() + kSlack, m_image.height() + kSlack))
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_lineWidth <= 1) {
        painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    } else {
        painter.setPen(QPen(colour, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    if (a == b)
        painter.drawPoint(a);
    else
        painter.drawLine(a, b);
    update();
}

void PictureBox::line(float x1, float y1, float x2, float y2, Rgb colour) {
    const QPointF end = toPixel(x2, y2);
    strokeSegment(toPixel(x1, y1), end, toQColor(colour));
    m_current = end;
}

void PictureBox::lineTo(float x, float y, Rgb colour) {
    const QPointF end = toPixel(x, y);
    strokeSegment(m_current, end, toQColor(colour));
    m_current = end;
}

void PictureBox::frameRect(float x1, float y1, float x2, float y2) {
    const QPointF a = toPixel(x1, y1);
    const QPointF c = toPixel(x2, y2);
    const QColor fg = palette().color(QPalette::Text);
    const QPointF b(c.x(), a.y());
    const QPointF d(a.x(), c.y());
    strokeSegment(a, b, fg);
    strokeSegment(b, c, fg);
    strokeSegment(c, d, fg);
    strokeSegment(d, a, fg);
    m_current = c;
}

void PictureBox::dot(float x, float y, Rgb colour) {
    const QPointF centre = toPixel(x, y);
    m_current = centre;
    if (!finitePoint(centre))
        return;
    const double r = m_lineWidth / 2.0;
    if (centre.x() + r < 0 || centre.y() + r < 0 || centre.x() - r > m_image.width() ||
        centre.y() - r > m_image.height())
        return;
    const QColor c = toQColor(colour);
    if (m_lineWidth <= 1) {
        const int ix = int(std::floor(centre.x()));
        const int iy = int(std::floor(centre.y()));
        if (m_image.valid(ix, iy))
            m_image.setPixelColor(ix, iy, c);
    } else {
        // Every pixel whose centre lies inside the circle: a width-2 dot is a 2 x 2 block, a
        // width-10 dot a round disc 10 pixels across, crisp like the rest of the drawing.
        const double r2 = r * r;
        const int x0 = std::max(0, int(std::floor(centre.x() - r)));
        const int x1 = std::min(m_image.width() - 1, int(std::ceil(centre.x() + r)));
        const int y0 = std::max(0, int(std::floor(centre.y() - r)));
        const int y1 = std::min(m_image.height() - 1, int(std::ceil(centre.y() + r)));
        for (int iy = y0; iy <= y1; ++iy) {
            for (int ix = x0; ix <= x1; ++ix) {
                const double dx = ix + 0.5 - centre.x();
                const double dy = iy + 0.5 - centre.y();
                if (dx * dx + dy * dy < r2)
                    m_image.setPixelColor(ix, iy, c);
            }
        }
    }
    update();
}

int PictureBox::pixelWidth() const {
    return m_image.width();
}
int PictureBox::pixelHeight() const {
    return m_image.height();
}

void PictureBox::showCursorLines(float x, float y) {
    const QPointF p = toPixel(x, y);
    if (!finitePoint(p)) {
        hideCursorLines();
        return;
    }
    // Kept just outside the surface when the position is off it, so the geometry stays sane.
    const int px = int(std::floor(std::clamp(p.x(), -2.0, double(width()) + 1.0)));
    const int py = int(std::floor(std::clamp(p.y(), -2.0, double(height()) + 1.0)));
    m_line1->setGeometry(px, 0, 1, height());
    m_line2->setGeometry(0, py, width(), 1);
    m_line1->show();
    m_line2->show();
    m_line1->raise();
    m_line2->raise();
}

void PictureBox::hideCursorLines() {
    m_line1->hide();
    m_line2->hide();
}

bool PictureBox::cursorLinesVisible() const {
    return !m_line1->isHidden() || !m_line2->isHidden();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (size() != m_image.size())
        painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawImage(QPoint(0, 0), m_image);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mouseMovedTo(float(user.x()), float(user.y()));
    QWidget::mouseMoveEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit clicked();
    QWidget::mousePressEvent(event);
}

} // namespace mirendo

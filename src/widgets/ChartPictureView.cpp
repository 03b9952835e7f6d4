#include "widgets/ChartPictureView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QUrl>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mirendo {

namespace {

constexpr double kMinZoom = 1.0 / 64;
constexpr double kMaxZoom = 64.0;
constexpr double kZoomStep = 1.25;
constexpr double kMarkHitRadius = 7.0; // screen pixels around a mark that take a click on it

// Each pixel the mean of the 2 x 2 pixels it covers (a lone last row or column averages itself),
// so that a one-pixel line stays visible as a paler line instead of vanishing.
QImage HalfSize(const QImage& source) {
    const int w = std::max(1, source.width() / 2), h = std::max(1, source.height() / 2);
    QImage half(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto* row0 = reinterpret_cast<const std::uint32_t*>(
            source.constScanLine(std::min(2 * y, source.height() - 1)));
        const auto* row1 = reinterpret_cast<const std::uint32_t*>(
            source.constScanLine(std::min(2 * y + 1, source.height() - 1)));
        auto* out = reinterpret_cast<std::uint32_t*>(half.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int x0 = std::min(2 * x, source.width() - 1), x1 = std::min(2 * x + 1, source.width() - 1);
            const std::uint32_t a = row0[x0], b = row0[x1], c = row1[x0], d = row1[x1];
            // Two channels at a time: red and blue, then green, each sum fitting in its 10 bits.
            const std::uint32_t rb =
                ((a & 0xff00ffu) + (b & 0xff00ffu) + (c & 0xff00ffu) + (d & 0xff00ffu) + 0x020002u) >> 2 &
                0xff00ffu;
            const std::uint32_t g =
                ((a & 0xff00u) + (b & 0xff00u) + (c & 0xff00u) + (d & 0xff00u) + 0x200u) >> 2 & 0xff00u;
            out[x] = 0xff000000u | rb | g;
        }
    }
    return half;
}

} // namespace

ChartPictureView::ChartPictureView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::CrossCursor);
}

void ChartPictureView::setImage(const QImage& image) {
    m_levels.assign(1, image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                     : QImage::Format_RGB32));
    if (image.hasAlphaChannel()) {
        // A transparent picture (an SVG, a screenshot with a shadow) is read on white paper.
        QImage paper(image.size(), QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        painter.drawImage(0, 0, m_levels.front());
        painter.end();
        m_levels.front() = paper;
    }
    m_marks.clear();
    m_grid.clear();
    m_cursor = QPointF(image.width() / 2.0, image.height() / 2.0);
    m_dragged.reset();
    fitToWindow();
}

void ChartPictureView::setMarks(std::vector<ChartMark> marks) {
    m_marks = std::move(marks);
    viewport()->update();
}

void ChartPictureView::setGrid(std::vector<ChartGridLine> grid) {
    m_grid = std::move(grid);
    viewport()->update();
}

const QImage& ChartPictureView::level(int level) {
    while (int(m_levels.size()) <= level)
        m_levels.push_back(HalfSize(m_levels.back()));
    return m_levels[std::size_t(level)];
}

int ChartPictureView::levelFor(double devicePixelsPerPixel) const {
    // The coarsest level still at least as fine as the screen; never below 2 x 2 pixels.
    int level = 0;
    QSize size = m_levels.front().size();
    double scale = devicePixelsPerPixel;
    while (scale * 2 <= 1.0 && size.width() >= 4 && size.height() >= 4) {
        scale *= 2;
        size /= 2;
        ++level;
    }
    return level;
}

QPointF ChartPictureView::origin() const {
    const QSize view = viewport()->size();
    const double width = image().width() * m_zoom, height = image().height() * m_zoom;
    const double left = width < view.width() ? (view.width() - width) / 2 : -horizontalScrollBar()->value();
    const double top = height < view.height() ? (view.height() - height) / 2 : -verticalScrollBar()->value();
    return {left, top};
}

QPointF ChartPictureView::viewportToPixel(QPointF point) const {
    return (point - origin()) / m_zoom;
}

QPointF ChartPictureView::pixelToViewport(QPointF pixel) const {
    return origin() + pixel * m_zoom;
}

void ChartPictureView::updateScrollBars() {
    const QSize view = viewport()->size();
    const int width = int(std::ceil(image().width() * m_zoom)),
              height = int(std::ceil(image().height() * m_zoom));
    horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 20));
    verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, view.height() / 20));
}

void ChartPictureView::setZoom(double zoom, QPointF anchor) {
    if (!hasImage())
        return;
    const QPointF held = viewportToPixel(anchor);
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateScrollBars();
    // The scroll position that puts `held` under `anchor` again.
    const QPointF scroll = held * m_zoom - anchor;
    horizontalScrollBar()->setValue(int(std::lround(scroll.x())));
    verticalScrollBar()->setValue(int(std::lround(scroll.y())));
    viewport()->update();
}

void ChartPictureView::zoomIn() {
    m_fitting = false;
    setZoom(m_zoom * kZoomStep, QRectF(viewport()->rect()).center());
}

void ChartPictureView::zoomOut() {
    m_fitting = false;
    setZoom(m_zoom / kZoomStep, QRectF(viewport()->rect()).center());
}

void ChartPictureView::fitToWindow() {
    m_fitting = true;
    if (!hasImage()) {
        viewport()->update();
        return;
    }
    const QSize view = viewport()->size();
    const double zoom = std::min(double(std::max(1, view.width())) / image().width(),
                                 double(std::max(1, view.height())) / image().height());
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void ChartPictureView::setKeyboardCursor(QPointF pixel) {
    if (!hasImage())
        return;
    m_cursor = QPointF(std::clamp(pixel.x(), 0.0, double(image().width())),
                       std::clamp(pixel.y(), 0.0, double(image().height())));
    ensureVisible(m_cursor);
    viewport()->update();
    emit cursorMoved(m_cursor);
}

void ChartPictureView::ensureVisible(QPointF pixel) {
    const QPointF at = pixelToViewport(pixel);
    const double margin = 20;
    const QSize view = viewport()->size();
    if (at.x() < margin || at.x() > view.width() - margin)
        horizontalScrollBar()->setValue(int(horizontalScrollBar()->value() + at.x() - view.width() / 2.0));
    if (at.y() < margin || at.y() > view.height() - margin)
        verticalScrollBar()->setValue(int(verticalScrollBar()->value() + at.y() - view.height() / 2.0));
}

void ChartPictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_fitting)
        fitToWindow();
    else
        updateScrollBars();
}

void ChartPictureView::scrollContentsBy(int, int) {
    viewport()->update();
}

void ChartPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (!hasImage()) {
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("グラフの画像を開くか、貼り付けるか、ここにドロップして下さい"));
        return;
    }
    const double ratio = viewport()->devicePixelRatioF();
    const int chosen = levelFor(m_zoom * ratio);
    const QImage& source = level(chosen);
    const double factor = double(image().width()) / source.width(); // level-0 pixels per level pixel

    // The visible part of the picture, widened to whole pixels of the chosen level.
    const QRectF seen = QRectF(viewportToPixel(QPointF(0, 0)),
                               viewportToPixel(QPointF(viewport()->rect().bottomRight()) + QPointF(1, 1)));
    const int left = std::max(0, int(std::floor(seen.left() / factor)));
    const int top = std::max(0, int(std::floor(seen.top() / factor)));
    const int right = std::min(source.width(), int(std::ceil(seen.right() / factor)));
    const int bottom = std::min(source.height(), int(std::ceil(seen.bottom() / factor)));
    if (right > left && bottom > top) {
        const QRect part(left, top, right - left, bottom - top);
        const QRectF target(pixelToViewport(QPointF(left, top) * factor),
                            pixelToViewport(QPointF(right, bottom) * factor));
        // Shrinking is smoothed; enlarged, each pixel stays a square, as sub-pixel placing needs.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_zoom * ratio < 1.0);
        painter.drawImage(target, source, part);
    }
    paintOverlay(painter);
}

void ChartPictureView::paintOverlay(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor gridColour(0, 150, 80);
    for (const ChartGridLine& line : m_grid) {
        QColor colour = gridColour;
        colour.setAlpha(line.major ? 200 : 90);
        painter.setPen(QPen(colour, line.major ? 1.2 : 0.8, line.major ? Qt::SolidLine : Qt::DashLine));
        const QPointF p1 = pixelToViewport(line.pixels.p1()), p2 = pixelToViewport(line.pixels.p2());
        painter.drawLine(p1, p2);
        if (!line.label.isEmpty()) {
            painter.setPen(gridColour.darker(130));
            painter.drawText(p1 + QPointF(3, -3), line.label);
        }
    }
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const ChartMark& mark = m_marks[i];
        const QPointF at = pixelToViewport(m_dragged && std::size_t(*m_dragged) == i ? m_dragTo : mark.pixel);
        const double r = mark.selected ? 7 : 5;
        const QColor colour = mark.reference ? QColor(200, 0, 200) : QColor(230, 40, 0);
        painter.setPen(QPen(Qt::white, 3));
        const QRectF box(at - QPointF(r, r), at + QPointF(r, r));
        mark.reference ? painter.drawRect(box) : painter.drawEllipse(box);
        painter.setPen(QPen(colour, mark.selected ? 2.0 : 1.4));
        mark.reference ? painter.drawRect(box) : painter.drawEllipse(box);
        painter.drawLine(at - QPointF(r + 3, 0), at + QPointF(r + 3, 0));
        painter.drawLine(at - QPointF(0, r + 3), at + QPointF(0, r + 3));
        if (mark.selected) {
            painter.setPen(QPen(QColor(0, 120, 255), 2));
            painter.drawRect(box.adjusted(-4, -4, 4, 4));
        }
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QPointF textAt = at + QPointF(r + 4, -r - 2);
        QPainterPath text;
        text.addText(textAt, font, mark.label);
        painter.strokePath(text, QPen(Qt::white, 3));
        painter.fillPath(text, colour);
    }
    // The keyboard cursor: a crosshair with a gap, so that the pixel under it stays visible.
    if (hasFocus()) {
        const QPointF at = pixelToViewport(m_cursor);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const QColor& colour : {QColor(Qt::white), QColor(0, 90, 255)}) {
            painter.setPen(QPen(colour, colour == Qt::white ? 3 : 1));
            painter.drawLine(at + QPointF(-14, 0), at + QPointF(-4, 0));
            painter.drawLine(at + QPointF(4, 0), at + QPointF(14, 0));
            painter.drawLine(at + QPointF(0, -14), at + QPointF(0, -4));
            painter.drawLine(at + QPointF(0, 4), at + QPointF(0, 14));
        }
    }
}

void ChartPictureView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        m_fitting = false;
        const double steps = event->angleDelta().y() / 120.0;
        setZoom(m_zoom * std::pow(kZoomStep, steps), event->position());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

std::optional<int> ChartPictureView::markAt(QPointF viewportPoint) const {
    std::optional<int> nearest;
    double best = kMarkHitRadius;
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const QPointF d = pixelToViewport(m_marks[i].pixel) - viewportPoint;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = int(i);
        }
    }
    return nearest;
}

bool ChartPictureView::anySelected() const {
    return std::any_of(m_marks.begin(), m_marks.end(), [](const ChartMark& mark) { return mark.selected; });
}

void ChartPictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        m_panning = true;
        m_panFrom = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton || !hasImage())
        return;
    m_pressAt = event->position();
    m_dragged = markAt(event->position());
    m_pressedOnPicture = !m_dragged;
    if (m_dragged) {
        m_dragTo = m_marks[std::size_t(*m_dragged)].pixel;
        emit markClicked(*m_dragged);
    }
}

void ChartPictureView::mouseMoveEvent(QMouseEvent* event) {
    if (m_panning) {
        const QPoint now = event->position().toPoint();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (now - m_panFrom).x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (now - m_panFrom).y());
        m_panFrom = now;
        return;
    }
    if (!hasImage())
        return;
    const QPointF pixel = viewportToPixel(event->position());
    if (m_dragged && (event->buttons() & Qt::LeftButton)) {
        m_dragTo = pixel;
        viewport()->update();
    }
    emit cursorMoved(pixel);
}

void ChartPictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        m_panning = false;
        viewport()->setCursor(Qt::CrossCursor);
        return;
    }
    if (event->button() != Qt::LeftButton || !hasImage())
        return;
    const QPointF moved = event->position() - m_pressAt;
    const bool dragged = std::hypot(moved.x(), moved.y()) > 2;
    const QPointF pixel = viewportToPixel(event->position());
    if (m_dragged) {
        const int index = *m_dragged;
        m_dragged.reset();
        if (dragged)
            emit markDragged(index, pixel);
        viewport()->update();
    } else if (m_pressedOnPicture && !dragged && QRectF(image().rect()).contains(pixel)) {
        m_cursor = pixel;
        emit placeRequested(pixel, false);
        emit cursorMoved(pixel);
    }
    m_pressedOnPicture = false;
}

void ChartPictureView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    double step = 1;
    if (modifiers & Qt::ShiftModifier)
        step = 0.1;
    else if (modifiers & Qt::ControlModifier)
        step = 10;
    double dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hasImage())
            emit placeRequested(m_cursor, true);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        emit deleteRequested();
        return;
    case Qt::Key_Escape:
        emit deselectRequested();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return;
    case Qt::Key_Minus:
        zoomOut();
        return;
    case Qt::Key_0:
        fitToWindow();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (!hasImage())
        return;
    if (anySelected())
        emit nudgeRequested(dx, dy);
    else
        setKeyboardCursor(m_cursor + QPointF(dx, dy));
}

void ChartPictureView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ChartPictureView::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    emit fileDropped(urls.front().toLocalFile());
}

} // namespace mirendo

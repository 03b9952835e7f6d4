#include "widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <utility>

namespace mirendo {

namespace {

QFrame* MakeCursorLine(const char* name, QWidget* parent) {
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

const QString kGraphName = QCoreApplication::translate("PictureBox", "グラフ表示エリア");
const QKeySequence kCopyGraphKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

bool IsCopyGraphKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_C && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

PictureBox::PictureBox(QSize pixelSize, QWidget* parent)
    : QWidget(parent), m_pixelSize(pixelSize.expandedTo(QSize(1, 1))) {
    setFixedSize(m_pixelSize);
    setAccessibleName(kGraphName);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_line1 = MakeCursorLine("Line1", this);
    m_line2 = MakeCursorLine("Line2", this);

    setFocusPolicy(Qt::NoFocus);
    m_menu = new QMenu(this);
    m_copyValue = m_menu->addAction(QCoreApplication::translate("PictureBox", "値をコピー"), this,
                                    &PictureBox::copyValue);
    m_copyValue->setObjectName(QStringLiteral("copyValue"));
    m_copyValue->setShortcut(QKeySequence::Copy);
    QAction* copyGraph = m_menu->addAction(QCoreApplication::translate("PictureBox", "グラフをコピー"), this,
                                           &PictureBox::copyGraph);
    copyGraph->setObjectName(QStringLiteral("copyGraph"));
    copyGraph->setShortcut(kCopyGraphKeys);
    // The menu's shortcuts are only shown there: the keys are handled below.
    for (QAction* action : m_menu->actions())
        action->setShortcutContext(Qt::WidgetShortcut);

    m_hoverCopyValue = new QShortcut(QKeySequence::Copy, this, this, &PictureBox::copyValue);
    m_hoverCopyGraph = new QShortcut(kCopyGraphKeys, this, this, &PictureBox::copyGraph);
    for (QShortcut* shortcut : {m_hoverCopyValue, m_hoverCopyGraph}) {
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setEnabled(false);
    }
}

void PictureBox::setGraph(GraphModel* graph) {
    if (m_graph)
        m_graph->disconnect(this);
    m_graph = graph;
    if (m_graph)
        connect(m_graph, &GraphModel::changed, this, qOverload<>(&QWidget::update));
    update();
}

void PictureBox::showCursorLines(float x, float y) {
    const QPointF p = m_graph ? m_graph->toPixel(x, y) : QPointF();
    if (!m_graph || !std::isfinite(p.x()) || !std::isfinite(p.y())) {
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

void PictureBox::setReadoutTexts(const QString& x, const QString& y, const QString& slope,
                                 const QString& slopeValue) {
    m_readoutX = x;
    m_readoutY = y;
    m_readoutSlope = slopeValue;
    QString name = hasReadout() ? QStringLiteral("X = %1, Y = %2").arg(x, y) : kGraphName;
    if (hasReadout() && !slope.isEmpty())
        name += QStringLiteral(", ") + slope;
    // Setting the name reports the change to assistive technology.
    if (name != accessibleName())
        setAccessibleName(name);
}

void PictureBox::setKeyboardReadout(bool on) {
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    if (!on && hasFocus())
        clearFocus();
}

QAction* PictureBox::addMenuAction(const QString& text, const char* objectName) {
    QAction* action = m_menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void PictureBox::copyValue() {
    if (!hasReadout()) {
        QApplication::beep();
        return;
    }
    QString row = m_readoutX + QLatin1Char('\t') + m_readoutY;
    if (!m_readoutSlope.isEmpty())
        row += QLatin1Char('\t') + m_readoutSlope;
    QGuiApplication::clipboard()->setText(row);
}

void PictureBox::copyGraph() {
    if (!m_graph) {
        QApplication::beep();
        return;
    }
    QGuiApplication::clipboard()->setImage(m_graph->image());
}

void PictureBox::showContextMenu(QPoint globalPos) {
    m_copyValue->setEnabled(hasReadout());
    m_menu->popup(globalPos);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_graph || size() != m_graph->pixelSize())
        painter.fillRect(rect(), palette().color(QPalette::Base));
    if (m_graph) {
        if (const std::optional<QColor> blank = m_graph->blankColour())
            painter.fillRect(QRect(QPoint(0, 0), m_graph->pixelSize()), *blank);
        else
            painter.drawImage(QPoint(0, 0), m_graph->image());
    }
    // The focus frame is drawn over the shown image only; the model's image (saved and copied)
    // never has it.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

bool PictureBox::event(QEvent* event) {
    // The focused graph's copy keys are its own, ahead of any window shortcut on the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || IsCopyGraphKey(key)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyValue();
        return;
    }
    if (IsCopyGraphKey(event)) {
        copyGraph();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        showContextMenu(mapToGlobal(rect().center()));
        return;
    }
    static constexpr std::pair<int, ReadoutStep> kStepKeys[] = {
        {Qt::Key_Left, ReadoutStep::Previous},   {Qt::Key_Right, ReadoutStep::Next},
        {Qt::Key_PageUp, ReadoutStep::PageBack}, {Qt::Key_PageDown, ReadoutStep::PageForward},
        {Qt::Key_Home, ReadoutStep::First},      {Qt::Key_End, ReadoutStep::Last},
    };
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        for (const auto& [key, step] : kStepKeys) {
            if (event->key() == key) {
                emit stepRequested(step);
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at =
        event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
    showContextMenu(at);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void PictureBox::enterEvent(QEnterEvent* event) {
    m_hoverCopyValue->setEnabled(true);
    m_hoverCopyGraph->setEnabled(true);
    QWidget::enterEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
    m_hoverCopyValue->setEnabled(false);
    m_hoverCopyGraph->setEnabled(false);
    QWidget::leaveEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (m_graph) {
        const QPointF user = m_graph->toUser(event->position());
        emit mouseMovedTo(float(user.x()), float(user.y()));
    }
    QWidget::mouseMoveEvent(event);
}

} // namespace mirendo

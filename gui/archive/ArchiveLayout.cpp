#include "archive/ArchiveLayout.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace mirendo::archivelayout {

namespace {
constexpr int kTwipsPerPixel = 15;
} // namespace

QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

void SetUpWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips) {
    window->setWindowTitle(caption);
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    window->setFont(font);
    window->setFixedSize(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, LabelStyle style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QPalette pal = label->palette();
    switch (style) {
    case LabelStyle::Plain:
        break;
    case LabelStyle::Blue:
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        break;
    case LabelStyle::Value:
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        label->setIndent(4);
        pal.setColor(QPalette::Window, QColor(255, 255, 255));
        pal.setColor(QPalette::WindowText, QColor(0, 0, 0));
        break;
    }
    label->setPalette(pal);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter presses the focused button, as Space does, so the dialogs work without a mouse.
    button->setAutoDefault(true);
    return button;
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QComboBox* AddDriveList(QWidget* parent, QRect geometry) {
    auto* drive = new QComboBox(parent);
    drive->setObjectName(QStringLiteral("Drive1"));
    drive->setGeometry(geometry);
    return drive;
}

QListWidget* AddList(QWidget* parent, const char* name, QRect geometry) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    return list;
}

QPixmap RightArrowPixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    QPainterPath arrow;
    arrow.moveTo(w * 0.92, h * 0.5);
    arrow.lineTo(w * 0.52, h * 0.12);
    arrow.lineTo(w * 0.52, h * 0.34);
    arrow.lineTo(w * 0.08, h * 0.34);
    arrow.lineTo(w * 0.08, h * 0.66);
    arrow.lineTo(w * 0.52, h * 0.66);
    arrow.lineTo(w * 0.52, h * 0.88);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 160), 1));
    p.setBrush(QColor(0, 0, 255));
    p.drawPath(arrow);
    return pixmap;
}

} // namespace mirendo::archivelayout

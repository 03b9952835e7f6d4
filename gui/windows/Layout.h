#pragma once
// Control placement in twips, the unit the window layouts are drawn in: 15 twips per pixel.
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace mirendo {

inline constexpr int kTwipsPerPixel = 15;

inline QRect TwipRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

inline QSize TwipSize(int width, int height) {
    return {width / kTwipsPerPixel, height / kTwipsPerPixel};
}

// The windows' Japanese text face at a pixel size that fits the control heights of the layouts.
inline QFont WindowFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

template <typename W> W* Place(W* widget, const char* objectName, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace mirendo

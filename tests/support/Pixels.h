#pragma once
// Pixel counts of drawn images, shared by the canvas and graph-area tests.
#include <QColor>
#include <QImage>

namespace mirendo::testing {

inline const QColor kWhite(255, 255, 255);

inline int CountColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++n;
    return n;
}

} // namespace mirendo::testing

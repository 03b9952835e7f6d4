#pragma once
// The four example graphs of the start window, one per scale mode: fixed example points with a
// smooth Lagrange curve through them, drawn by the same plot code as the real graphs, with the
// axes numbered (powers of ten on a logarithmic axis).
#include "core/state/Module1.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

namespace mirendo {

struct ExamplePoint {
    double x = 0, y = 0;
};

struct ExampleGraph {
    int scaleMode = 1;
    std::vector<ExamplePoint> points; // ascending X
    // Limits and steps as a user would type them (decade texts on a logarithmic axis).
    std::string xStart, xStop, xStep, yStart, yStop, yStep;
};

// The fixed example of `scaleMode` (1..4).
ExampleGraph ExampleOfScaleMode(int scaleMode);

// The example as the saved-data graph reads it: settings, points and 50 curve samples per
// interval (and the last point), in log space on a logarithmic axis.
Module1 ExampleState(const ExampleGraph& example);

// The finished picture of `size` logical pixels (plot, points as small circles, axis numbers),
// drawn with `pixelRatio` device pixels per logical pixel for a scaled screen.
QImage ExampleGraphPicture(int scaleMode, QSize size, int pixelRatio = 1);

// The pictures are drawn once at build time and compiled in under ":/examples/<name>": at 1x as
// raw RGB32 pixels (rows of width * 4 bytes), uncompressed, used as they lie in memory; at 2x as
// PNG, decoded only on a scaled screen.
inline constexpr int kExampleGraphWidth = 289;  // 4335 twips
inline constexpr int kExampleGraphHeight = 265; // 3975 twips
QString ExampleGraphResourceName(int scaleMode, int pixelRatio = 1);

// The compiled-in picture of that size and ratio; null when there is none.
QPixmap CompiledInExampleGraphPicture(int scaleMode, QSize size, int pixelRatio = 1);

// The compiled-in picture for the screen's scale (1x or 2x), else drawn now.
QPixmap LoadExampleGraphPicture(int scaleMode, QSize size);

} // namespace mirendo

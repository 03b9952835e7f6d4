#pragma once
// Writing a graph picture as an image file: BMP and PNG hold the image as shown, pixel for pixel;
// SVG draws the same calls again as vectors (lines and the curve as polylines, the frame and the
// points as paths) at the same size and coordinates. The plots draw no text, so an SVG holds none
// unless the axis limit labels and the trust line are put around the graph.
#include "qt/canvas/GraphPicture.h"

#include <QString>

class QIODevice;

namespace mirendo {

enum class ImageFormat { Bmp, Png, Svg };

inline constexpr ImageFormat kImageFormats[] = {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Svg};

// "BMP", "PNG", "SVG": how the choice is offered.
QString ImageFormatName(ImageFormat format);
// ".bmp", ".png", ".svg": appended to the typed name.
QString ImageSuffix(ImageFormat format);

// Writes `picture` to `out` (open for writing). False when there is nothing to write or the
// encoder fails; errors of the device itself show when it is closed or committed.
// With `withScale` a PNG or SVG (not a BMP, which stays the graph alone) gets a margin holding the
// picture's limit texts where the windows show them (Y stop and Y start left of the graph's top
// and bottom, X start and X stop under its left and right ends) and its trust line below them
// (red when the trust is), so that it can be read without the program; an SVG holds them as text.
bool WriteGraphPicture(const GraphPicture& picture, ImageFormat format, QIODevice& out,
                       bool withScale = false);

} // namespace mirendo

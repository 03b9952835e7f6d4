#pragma once
// The rows of the list beside the chart picture: for each point (placing order, so a row's index
// is the point's index) its X and Y in the cursor readout's notation and what half a pixel means
// there ("±0.4%"). Without a calibration the values are empty and only the pixel is given.
#include "core/chart/ChartDocument.h"

#include <string>
#include <vector>

namespace mirendo::chart {

struct ChartPointRow {
    int number = 0;               // from 1
    PixelPoint pixel;             // where the point lies
    std::string pixelText;        // "(123.4, 567.8)"
    std::string x, y;             // the readout's notation; empty without a calibration
    std::string xSpread, ySpread; // "±0.4%", "±0.012"; empty without a calibration
};

std::vector<ChartPointRow> PointRows(const ChartDocument& document);

// A pixel position as the list and the loupe word it: one decimal, "(123.4, 567.8)".
std::string PixelText(PixelPoint pixel);

} // namespace mirendo::chart

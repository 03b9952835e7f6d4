#include "core/chart/ChartGrid.h"

namespace mirendo::chart {

std::vector<GridLine> GridLines(const Calibration& calibration, int width, int height) {
    (void)calibration;
    (void)width;
    (void)height;
    return {};
}

} // namespace mirendo::chart

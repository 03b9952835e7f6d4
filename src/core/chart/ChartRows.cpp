#include "core/chart/ChartRows.h"

#include "core/text/NumberText.h"

#include <charconv>

namespace mirendo::chart {

namespace {

std::string OneDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    return text == "-0.0" ? "0.0" : text;
}

} // namespace

std::string PixelText(PixelPoint pixel) {
    return "(" + OneDecimal(pixel.x) + ", " + OneDecimal(pixel.y) + ")";
}

std::vector<ChartPointRow> PointRows(const ChartDocument& document) {
    const auto made = document.calibration();
    const Calibration* c = std::get_if<Calibration>(&made);
    std::vector<ChartPointRow> rows;
    int number = 0;
    for (PixelPoint p : document.points()) {
        ChartPointRow row;
        row.number = ++number;
        row.pixel = p;
        row.pixelText = PixelText(p);
        if (c) {
            const DataPoint d = c->toData(p);
            row.x = ReadoutText(d.x, c->scale(ChartAxis::X) == AxisScale::Log);
            row.y = ReadoutText(d.y, c->scale(ChartAxis::Y) == AxisScale::Log);
            const HalfPixelSpread spread = c->halfPixelSpread(p);
            row.xSpread = HalfPixelText(spread.x, spread.xRelative);
            row.ySpread = HalfPixelText(spread.y, spread.yRelative);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace mirendo::chart

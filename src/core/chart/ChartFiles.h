#pragma once
// The two files of the chart window. The side file keeps the calibration and the points beside
// the picture ("<picture>.mirendo-chart"), so reopening the picture offers them back; the point
// file text is what "save as a point file" writes and what the point file reader reads back to
// the same points. Both are UTF-8 text with CR LF line ends; writing them durably is the window's.
//
// Side file, one record a line, fields separated by commas, numbers in C notation that read back
// to the same double:
//   Mirendo chart 1
//   scale,<X: linear|log>,<Y: linear|log>
//   X1,<pixel x>,<pixel y>,<value>      (an empty field for what is not placed or not typed)
//   X2,... Y1,... Y2,...
//   point,<pixel x>,<pixel y>           (0 to 10 lines, in placing order)
#include "core/chart/ChartDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace mirendo::chart {

inline constexpr std::string_view kSideFileSuffix = ".mirendo-chart";
inline constexpr std::size_t kMaxSideFileBytes = 4096;
// A pixel coordinate a side file may hold, in absolute value: what the document takes.
inline constexpr double kMaxSidePixel = kMaxPixelCoordinate;

std::string SideFilePath(const std::string& picturePath);

std::string SerializeChart(const ChartDocument& document);

// Why a side file was not taken, and on which line (from 1; 0 for the whole file).
enum class SideFileProblem {
    TooLarge,     // more than kMaxSideFileBytes
    NotSideFile,  // the first line is not the heading
    BadRecord,    // a line that is no record of the form above, or a field that is no number
    OutOfRange,   // a pixel beyond kMaxSidePixel or a value that is not finite
    Repeated,     // a reference or the scale line given twice
    TooManyPoints // more than ten point lines
};
struct SideFileRefusal {
    SideFileProblem problem = SideFileProblem::BadRecord;
    int line = 0;
    friend bool operator==(const SideFileRefusal&, const SideFileRefusal&) = default;
};
struct SideFileRead {
    std::optional<ChartDocument> document; // without undo history
    std::optional<SideFileRefusal> refusal;
};

// Never fails on any bytes: what is not a side file is refused.
SideFileRead ParseChart(std::string_view text);

// "X,Y" and one "x,y" line per data point (dataPoints() order), CR LF, in the general number form.
std::string PointFileText(const std::vector<DataPoint>& points);

} // namespace mirendo::chart

#pragma once
// X values on a regular grid, for a table of the curve's values: from a start to a stop by a
// step on a linear X, or N values per decade on a logarithmic X. Shared by the batch window's
// "等間隔…" and mirendo-eval's --grid and --per-decade, with the same refusals. No Qt here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

// More values than a batch table is meant to hold are refused, not cut short.
inline constexpr std::size_t kMaxGridValues = 100000;

enum class GridRefusal {
    None,
    NotANumber,     // `field` is not one number as a whole (or not finite)
    ZeroStep,       // the step is 0
    TooMany,        // more than kMaxGridValues values (`count` says how many, 0 when past counting)
    NeedsPositive,  // a start or stop that is not positive on a logarithmic grid (`field`)
    PerDecadeCount, // N per decade is not a whole number from 1 up
};

// The fields in the order they are typed: start, stop, step (linear); N, start, stop (per decade).
enum class GridField { None, Start, Stop, Step, PerDecade };

struct ValueGrid {
    GridRefusal refusal = GridRefusal::None;
    GridField field = GridField::None;
    double count = 0;
    // Shortest texts of the X values, from the start toward the stop: the grid value rounded to
    // 15 (linear) or 12 (per decade) significant digits, so that 0.1 + 0.2 reads 0.3.
    std::vector<std::string> values;
};

// start, start ± step, ... toward the stop and not beyond it (the step's sign is taken from the
// direction start -> stop; the stop itself is included when the steps reach it within rounding).
ValueGrid LinearGrid(std::string_view start, std::string_view stop, std::string_view step);
// start · 10^(k/N) for k = 0, 1, ... toward the stop and not beyond it.
ValueGrid PerDecadeGrid(std::string_view perDecade, std::string_view start, std::string_view stop);

// The values one a line (LF), as the batch window's X box takes them.
std::string GridLines(const ValueGrid& grid);

} // namespace mirendo

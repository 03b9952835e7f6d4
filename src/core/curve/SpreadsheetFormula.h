#pragma once
// The interpolation polynomial as one spreadsheet formula, for pasting into a cell. No Qt here.
#include <span>
#include <string>
#include <string_view>

namespace mirendo {

// "=" and the Lagrange form through the points, with the value in `cell` as X:
//   y1*(t-x2)/(x1-x2)*(t-x3)/(x1-x3) + y2*(t-x1)/(x2-x1)*... + ...
// `x`, `y` are the points in the mode's space (natural logarithms on a logarithmic axis); t is
// `cell`, or LN(`cell`) on a logarithmic X axis, and the sum stands inside EXP() on a logarithmic
// Y axis. Every number is written in the shortest form that reads back as the same double
// (decimal point, "E" exponent, no locale), negative ones in parentheses; only = + - * / ( ),
// LN and EXP are used, which both common spreadsheet programs read. Empty when there is no point
// or two abscissae are equal (no polynomial exists), or a number is not finite.
std::string SpreadsheetFormula(int scaleMode, std::span<const double> x, std::span<const double> y,
                               std::string_view cell = "A2");

} // namespace mirendo

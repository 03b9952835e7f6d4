#include "core/curve/SpreadsheetFormula.h"

#include "core/state/Module1.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace mirendo {

namespace {

void AppendNumber(std::string& out, double value) {
    if (value == 0)
        value = 0; // no "-0": "(A2--0)" reads wrong, and some spreadsheets refuse it
    char digits[32];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, ec == std::errc() ? end : digits);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    if (value < 0) {
        out += '(';
        out += text;
        out += ')';
    } else {
        out += text;
    }
}

} // namespace

std::string SpreadsheetFormula(int scaleMode, std::span<const double> x, std::span<const double> y,
                               std::string_view cell) {
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0)
        return {};
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return {};
        for (std::size_t k = 0; k < i; ++k)
            if (x[i] == x[k])
                return {};
    }
    const AxisKinds axes = AxesOfScaleMode(scaleMode);
    const std::string t =
        axes.x == AxisKind::Logarithmic ? "LN(" + std::string(cell) + ")" : std::string(cell);

    std::string sum;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            sum += '+';
        AppendNumber(sum, y[i]);
        // Each factor (t - xk) / (xi - xk) stays of moderate size, so the products do not
        // overflow where the polynomial itself does not.
        for (std::size_t k = 0; k < n; ++k) {
            if (k == i)
                continue;
            sum += "*(" + t + '-';
            AppendNumber(sum, x[k]);
            sum += ")/(";
            AppendNumber(sum, x[i]);
            sum += '-';
            AppendNumber(sum, x[k]);
            sum += ')';
        }
    }
    return axes.y == AxisKind::Logarithmic ? "=EXP(" + sum + ")" : "=" + sum;
}

} // namespace mirendo

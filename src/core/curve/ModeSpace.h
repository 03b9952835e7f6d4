#pragma once
// A coordinate between the data space the user sees and the space of a scale mode, where the
// curves are computed: the natural logarithm on a logarithmic axis, the value itself on a linear
// one. Shared by everything that computes a curve in the mode's space and shows its values.
#include "core/state/Module1.h"

#include <cmath>
#include <limits>
#include <optional>

namespace mirendo {

// nullopt when a logarithmic axis is handed a value that is not positive (or nothing finite).
inline std::optional<double> ToModeSpace(AxisKind axis, double value) {
    if (axis == AxisKind::Logarithmic) {
        if (!(value > 0) || !std::isfinite(value))
            return std::nullopt;
        return std::log(value);
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// The data value of a mode-space coordinate. Past ln(largest double) exp gives infinity, which no
// label should show: the value saturates at the largest double instead.
inline double FromModeSpace(AxisKind axis, double value) {
    if (axis != AxisKind::Logarithmic)
        return value;
    const double data = std::exp(value);
    return std::isinf(data) ? std::numeric_limits<double>::max() : data;
}

} // namespace mirendo

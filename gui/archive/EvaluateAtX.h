#pragma once
// Value of the loaded polynomial at an X the user types, extrapolation included, straight from
// the saved Lagrange coefficients (no engine). No Qt here.
#include "state/Module1.h"

#include <string>
#include <string_view>

namespace mirendo {

struct Evaluation {
    bool ok = false;  // false: a logarithm of a non-positive X, an overflow or a non-finite result
    double y = 0;     // in data units (exp applied on a logarithmic Y axis)
    std::string text; // Label6: "##0.000" within -1000..1000, else "0.000E+00"; "" when !ok
};

// x = leading-number value of `inputText` (0 when it has none); ln x on a logarithmic X axis;
// P(x) = sum_i Coef(i) * prod_{k != i} (x - ResultX(k)) in double precision, ascending order;
// exp P on a logarithmic Y axis.
Evaluation EvaluateAtX(const Module1& state, std::string_view inputText);

} // namespace mirendo

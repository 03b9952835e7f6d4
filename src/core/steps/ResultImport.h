#pragma once
// Taking a loaded engine result over into the shared state.
#include "core/exchange/Failure.h"
#include "core/exchange/ResultFile.h"
#include "core/state/Module1.h"

#include <optional>

namespace mirendo {

// Why a loaded result cannot be used (none when it can): a scale mode outside 1..4.
std::optional<exchange::Failure> ResultProblem(const exchange::LoadedResult& r);

// Takes over a checked result: mode, limits, points, coefficients, samples and the curve
// extremes. On a logarithmic X axis an echoed limit that is not positive (a start of 1.0E-04 or
// less goes out as "0.0") is not taken, so the curve is drawn with the start of its graph.
void ApplyLoadedResult(Module1& s, const exchange::LoadedResult& r);

} // namespace mirendo

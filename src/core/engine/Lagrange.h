#pragma once
// The engine's arithmetic: Lagrange coefficients and the sampled polynomial, in single precision
// with every step evaluated in double and rounded to float when stored.
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"

#include <string>

namespace mirendo::engine {

// Floating-point faults that end a run; underflow and inexact results are not faults.
enum class FloatFault { None, DivideByZero, Invalid, Overflow };

// "divide by zero", "invalid", "overflow" ("" for None).
const char* FaultName(FloatFault fault);

struct Interpolation {
    FloatFault fault = FloatFault::None;
    std::string where; // the step that faulted first, e.g. "coefficient 2"
};

// Fills `result` from `request`: the echoed mode, settings and points, the coefficients c(i),
// and m = 50 (n - 1) samples t, p taken interval by interval in input order. On a fault `result`
// is incomplete and the returned fault is the first one that occurred, in evaluation order.
// `request.n` must be within 0..10 (ParseRequest guarantees it).
Interpolation Interpolate(const exchange::EngineRequest& request, exchange::EngineResult& result);

} // namespace mirendo::engine

#pragma once
// The request file "B2F.dat": written by Mirendo's data-point plot, read by the engine.
#include "core/exchange/Failure.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

inline constexpr const char* kRequestFileName = "B2F.dat";

// What the engine is asked to interpolate: the mode, the X limits and the points in the arrays
// of the mode (natural logarithms on a logarithmic axis), indexed from 1 as in the shared state.
struct PointRequest {
    static constexpr int kMaxPoints = 10;
    int mode = 1;
    double xStart = 0, xStop = 0;
    int pointCount = 0;
    std::array<double, kMaxPoints + 1> x{}, y{};
};

// Bytes of a request: " mode ", X start and X stop lines, " n ", then n 25-character point
// records, every line ended by CR LF. `xs`/`ys` hold the values already transformed by mode,
// indices 1..n (index 0 unused, as in the shared state). n is clamped to 0..10.
std::string FormatRequest(int mode, double xStart, double xStop, int n, const double* xs, const double* ys);

// True when a point coordinate `value` (already in the mode's space) fits its record field and
// the engine reads it back as the value the field shows, in full single precision: zero, or a
// magnitude whose "0.00000E+00" form has a two-digit exponent and reads as a normal single-
// precision number. Refused: NaN and infinities; magnitudes of about 3.40282E+38 and above (the
// field would read as beyond single precision) and three-digit exponents, which push the record
// past its columns so the engine reads other numbers (1E+100 as 1E+10); and nonzero magnitudes
// below single precision's smallest normal value 1.17549435E-38 (1E-39, 1E-100): the engine would
// hold them with fewer digits or as zero, which is not the value the user gave.
bool PointFieldCarries(double value);

// Checks what FormatRequest would write, with the same arguments: X start and X stop must read as
// single-precision numbers (their lines are rounded by design; a magnitude beyond single precision
// would end the engine's run), then the points in index order by PointFieldCarries, abscissa
// before ordinate. Returns the first value at fault as Cause::NotCarried: its subject (XStart,
// XStop, X or Y with its point 1..n) and in `item` the value as it would be sent (a point in the
// mode's space), in the number boxes' notation; nothing when every value is carried.
std::optional<Failure> CheckRequest(double xStart, double xStop, int n, const double* xs, const double* ys);

// What the engine reads.
struct EngineRequest {
    int mode = 0;
    float xstart = 0, xstop = 0;
    int n = 0;
    std::array<float, 10> x{};
    std::array<float, 10> y{};
};

// The request the engine reads, or where it is refused: `line`; the header value (`subject`
// ScaleMode, XStart, XStop, PointCount) or the record's field (1 abscissa, 2 ordinate, `subject`
// X or Y, `point` 1..n); `item` the value's text. Causes: EndedEarly (a header line or record
// missing; for a record `code` holds n), NotANumber (`item` "" for a blank value), NotAnInteger,
// OutOfRange (a record field beyond single precision), TooManyPoints (`code` holds n).
using RequestParse = Outcome<EngineRequest>;

// Four free-form lines, then n records "(E12.5,E13.5)". Refuses n < 0 or n > 10, missing lines,
// short records and malformed numbers. Decimal text goes straight to float (strtof).
RequestParse ParseRequest(std::string_view text);

} // namespace mirendo::exchange

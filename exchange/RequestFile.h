#pragma once
// The request file "B2F.dat": written by Mirendo's data-point plot, read by the engine.
#include <array>
#include <string>
#include <string_view>

namespace mirendo::exchange {

inline constexpr const char* kRequestFileName = "B2F.dat";

// Bytes of a request: " mode ", X start and X stop lines, " n ", then n 25-character point
// records, every line ended by CR LF. `xs`/`ys` hold the values already transformed by mode,
// indices 1..n (index 0 unused, as in the shared state). n is clamped to 0..10.
std::string FormatRequest(int mode, double xStart, double xStop, int n, const double* xs, const double* ys);

// What the engine reads.
struct EngineRequest {
    int mode = 0;
    float xstart = 0, xstop = 0;
    int n = 0;
    std::array<float, 10> x{};
    std::array<float, 10> y{};
};

struct RequestParse {
    bool ok = false;
    std::string error; // one line, when !ok
    EngineRequest request;
};

// Four free-form lines, then n records "(E12.5,E13.5)". Refuses n < 0 or n > 10, missing lines,
// short records and malformed numbers. Decimal text goes straight to float (strtof).
RequestParse ParseRequest(std::string_view text);

} // namespace mirendo::exchange

#pragma once
// The result file "F2B.dat": written by the engine, read by Mirendo.
#include "core/exchange/Failure.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mirendo::exchange {

inline constexpr const char* kResultFileName = "F2B.dat";

struct EngineResult {
    int mode = 0;
    float xstart = 0, xstop = 0;
    int n = 0;
    std::array<float, 10> x{}, y{}, c{};
    int m = 0;
    std::array<float, 600> t{}, p{};
};

// "(I2)", "(E12.5)" x2, "(I6)", n x "(E14.7,2X,E14.7,2X,E14.7)", "(I6)", m x "(E14.7,2X,E14.7)", CR LF.
std::string FormatResult(const EngineResult& result);

// What Mirendo loads: arrays indexed from 1 as in the shared state.
struct LoadedResult {
    int scaleMode = 0;
    double xStart = 0, xStop = 0;
    int pointCount = 0;
    std::array<double, 11> x{}, y{};
    std::array<double, 16> coef{};
    int sampleCount = 0;
    std::array<double, 601> t{}, p{};
};

// The loaded result, or why the file gives none (nothing of a failed read is kept).
using ResultRead = Outcome<LoadedResult>;

// Values one after another, separated by blanks, commas or line ends; both leading-zero forms.
// n > 10, m > 600, negative counts, an early end or a non-number give a failure, never garbage;
// `field` is the value's place in the file, `item` its text.
ResultRead ParseResult(std::string_view text);
// Reads only regular files of at most kMaxResultBytes; never blocks on a FIFO or device.
inline constexpr std::size_t kMaxResultBytes = 1u << 20;
ResultRead ReadResultFile(const std::string& path);

} // namespace mirendo::exchange

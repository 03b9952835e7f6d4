#pragma once
// A failed property aborts with its text and the input size, so libFuzzer records the input as a
// crash and the run exits non-zero.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "property failed at %s:%d: %s\n", __FILE__, __LINE__, #condition);          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace mirendo::fuzz {

// |a - b| within `relative` of the larger magnitude, or within `absolute`.
inline bool Near(double a, double b, double relative, double absolute = 0) {
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= relative * scale + absolute;
}

} // namespace mirendo::fuzz

// The request file as the engine reads it, and the writer/reader pair: what FormatRequest writes
// from a parsed request reads back as the same request, and writing it again changes nothing.
#include "FuzzCheck.h"
#include "core/exchange/RequestFile.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using mirendo::exchange::EngineRequest;

std::string Write(const EngineRequest& r) {
    double xs[11] = {}, ys[11] = {};
    for (int i = 0; i < r.n; ++i) {
        xs[i + 1] = r.x[static_cast<size_t>(i)];
        ys[i + 1] = r.y[static_cast<size_t>(i)];
    }
    return mirendo::exchange::FormatRequest(r.mode, r.xstart, r.xstop, r.n, xs, ys);
}

// Lines 2 and 3: three decimals inside -1000..1000, else two significant digits.
bool SettingNear(double written, double original) {
    if (std::fabs(original) <= 1000)
        return std::fabs(written - original) <= 5.0001e-4 + 1e-4 * std::fabs(original);
    return mirendo::fuzz::Near(written, original, 5.1e-2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using mirendo::fuzz::Near;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const mirendo::exchange::RequestParse parse = mirendo::exchange::ParseRequest(text);
    if (!parse.ok()) {
        FUZZ_CHECK(parse.failure && parse.failure->line >= 1);
        return 0;
    }
    const EngineRequest& r = parse.value;
    FUZZ_CHECK(r.n >= 0 && r.n <= 10);
    FUZZ_CHECK(std::isfinite(r.xstart) && std::isfinite(r.xstop));
    for (int i = 0; i < 10; ++i) {
        FUZZ_CHECK(std::isfinite(r.x[static_cast<size_t>(i)]) && std::isfinite(r.y[static_cast<size_t>(i)]));
        if (i >= r.n)
            FUZZ_CHECK(r.x[static_cast<size_t>(i)] == 0 && r.y[static_cast<size_t>(i)] == 0);
    }

    const std::string written = Write(r);
    const auto back = mirendo::exchange::ParseRequest(written);
    FUZZ_CHECK(back.ok());
    const EngineRequest& b = back.value;
    FUZZ_CHECK(b.mode == r.mode && b.n == r.n);
    FUZZ_CHECK(SettingNear(b.xstart, r.xstart) && SettingNear(b.xstop, r.xstop));
    for (size_t i = 0; i < static_cast<size_t>(r.n); ++i) {
        // "0.00000E+00": six significant digits, so within half a unit of the fifth decimal.
        FUZZ_CHECK(Near(b.x[i], r.x[i], 5.1e-6, 1e-44));
        FUZZ_CHECK(Near(b.y[i], r.y[i], 5.1e-6, 1e-44));
    }
    // The point records are a fixed point of write-then-read.
    const std::string rewritten = Write(b);
    const auto third = mirendo::exchange::ParseRequest(rewritten);
    FUZZ_CHECK(third.ok());
    for (size_t i = 0; i < static_cast<size_t>(r.n); ++i)
        FUZZ_CHECK(third.value.x[i] == b.x[i] && third.value.y[i] == b.y[i]);
    return 0;
}

// The result file as Mirendo loads it, and the writer/reader pair: the engine's FormatResult of
// what was loaded reads back as the same values (to the seven significant digits of E14.7).
#include "FuzzCheck.h"
#include "core/exchange/ResultFile.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using mirendo::fuzz::Near;
    using namespace mirendo::exchange;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ResultRead read = ParseResult(text);
    if (!read.ok()) {
        FUZZ_CHECK(read.failure->field > 0);
        // A refused file hands over nothing: the caller keeps its state.
        FUZZ_CHECK(read.value.pointCount == 0 && read.value.sampleCount == 0);
        return 0;
    }
    const LoadedResult& r = read.value;
    FUZZ_CHECK(r.pointCount >= 0 && r.pointCount <= 10);
    FUZZ_CHECK(r.sampleCount >= 0 && r.sampleCount <= 600);
    FUZZ_CHECK(std::isfinite(r.xStart) && std::isfinite(r.xStop));
    for (size_t i = 0; i < r.x.size(); ++i)
        FUZZ_CHECK(std::isfinite(r.x[i]) && std::isfinite(r.y[i]) && std::isfinite(r.coef[i]));
    for (size_t j = 0; j < r.t.size(); ++j)
        FUZZ_CHECK(std::isfinite(r.t[j]) && std::isfinite(r.p[j]));

    // Only values the engine can carry (single precision) take part in the round trip.
    const auto single = [](double v) { return std::fabs(v) <= std::numeric_limits<float>::max(); };
    auto engine = std::make_unique<EngineResult>();
    bool representable = single(r.xStart) && single(r.xStop);
    engine->mode = r.scaleMode;
    engine->xstart = static_cast<float>(r.xStart);
    engine->xstop = static_cast<float>(r.xStop);
    engine->n = r.pointCount;
    engine->m = r.sampleCount;
    for (size_t i = 0; i < static_cast<size_t>(r.pointCount); ++i) {
        representable = representable && single(r.x[i + 1]) && single(r.y[i + 1]) && single(r.coef[i + 1]);
        engine->x[i] = static_cast<float>(r.x[i + 1]);
        engine->y[i] = static_cast<float>(r.y[i + 1]);
        engine->c[i] = static_cast<float>(r.coef[i + 1]);
    }
    for (size_t j = 0; j < static_cast<size_t>(r.sampleCount); ++j) {
        representable = representable && single(r.t[j + 1]) && single(r.p[j + 1]);
        engine->t[j] = static_cast<float>(r.t[j + 1]);
        engine->p[j] = static_cast<float>(r.p[j + 1]);
    }
    // An I2 field holds -9..99; the engine only ever echoes 1..4.
    if (!representable || engine->mode < -9 || engine->mode > 99)
        return 0;
    const std::string written = FormatResult(*engine);
    const ResultRead back = ParseResult(written);
    FUZZ_CHECK(back.ok());
    const LoadedResult& b = back.value;
    FUZZ_CHECK(b.scaleMode == r.scaleMode && b.pointCount == r.pointCount && b.sampleCount == r.sampleCount);
    FUZZ_CHECK(Near(b.xStart, engine->xstart, 5.1e-5, 1e-44) && Near(b.xStop, engine->xstop, 5.1e-5, 1e-44));
    for (size_t i = 0; i < static_cast<size_t>(r.pointCount); ++i) {
        FUZZ_CHECK(Near(b.x[i + 1], engine->x[i], 5.1e-7, 1e-44));
        FUZZ_CHECK(Near(b.y[i + 1], engine->y[i], 5.1e-7, 1e-44));
        FUZZ_CHECK(Near(b.coef[i + 1], engine->c[i], 5.1e-7, 1e-44));
    }
    for (size_t j = 0; j < static_cast<size_t>(r.sampleCount); ++j) {
        FUZZ_CHECK(Near(b.t[j + 1], engine->t[j], 5.1e-7, 1e-44));
        FUZZ_CHECK(Near(b.p[j + 1], engine->p[j], 5.1e-7, 1e-44));
    }
    return 0;
}

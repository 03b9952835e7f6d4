// The engine's whole run on a request text: a run either fails with an exit status and a message
// or writes a result that Mirendo loads, with the counts and values the request implies.
#include "FuzzCheck.h"
#include "core/engine/EngineRun.h"
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mirendo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string bytes;
    const engine::RunOutcome outcome = engine::RunOnRequestText(text, bytes);
    const exchange::RequestParse request = exchange::ParseRequest(text);
    if (outcome.exitStatus != engine::kExitOk) {
        FUZZ_CHECK(outcome.exitStatus == engine::kExitBadRequest ||
                   outcome.exitStatus == engine::kExitFloatFault);
        FUZZ_CHECK(!outcome.message.empty());
        FUZZ_CHECK(bytes.empty());
        FUZZ_CHECK((outcome.exitStatus == engine::kExitBadRequest) == !request.ok());
        if (outcome.exitStatus == engine::kExitFloatFault)
            FUZZ_CHECK(outcome.message.rfind("floating-point error: ", 0) == 0);
        return 0;
    }
    FUZZ_CHECK(request.ok() && outcome.message.empty());
    const exchange::EngineRequest& q = request.value;
    const auto loaded = std::make_unique<exchange::ResultRead>(exchange::ParseResult(bytes));
    // The mode is echoed in an I2 field; one that does not fit is written as "**" (only a
    // hand-made request carries such a mode) and Mirendo refuses that file with a message.
    if (q.mode < -9 || q.mode > 99) {
        FUZZ_CHECK(loaded->failure && loaded->failure->cause == exchange::Cause::NotANumber);
        return 0;
    }
    FUZZ_CHECK(loaded->ok());
    const exchange::LoadedResult& r = loaded->value;
    const int n = q.n;
    FUZZ_CHECK(r.pointCount == n);
    FUZZ_CHECK(r.sampleCount == (n >= 1 ? 50 * (n - 1) : 0));
    FUZZ_CHECK(r.sampleCount <= 450);
    FUZZ_CHECK(r.scaleMode == q.mode);
    // The points come back as read, to the seven significant digits of E14.7.
    for (int i = 1; i <= n; ++i) {
        FUZZ_CHECK(fuzz::Near(r.x[i], q.x[static_cast<size_t>(i - 1)], 5.1e-7, 1e-44));
        FUZZ_CHECK(fuzz::Near(r.y[i], q.y[static_cast<size_t>(i - 1)], 5.1e-7, 1e-44));
        FUZZ_CHECK(std::isfinite(r.coef[i]));
    }
    for (int j = 1; j <= r.sampleCount; ++j)
        FUZZ_CHECK(std::isfinite(r.t[j]) && std::isfinite(r.p[j]));
    // The first sample of each interval is that interval's left point.
    for (int k = 1; k < n; ++k)
        FUZZ_CHECK(fuzz::Near(r.t[50 * (k - 1) + 1], q.x[static_cast<size_t>(k - 1)], 5.1e-7, 1e-44));
    // The result file is written whole: every line ends with CR LF.
    FUZZ_CHECK(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
    return 0;
}

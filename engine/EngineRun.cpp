#include "engine/EngineRun.h"

#include "engine/Lagrange.h"
#include "exchange/AtomicFile.h"
#include "exchange/BoundedFile.h"
#include "exchange/RequestFile.h"
#include "exchange/ResultFile.h"

#include <memory>

namespace mirendo::engine {

namespace {

// A request is a few hundred bytes; reading stops at 1 MiB so that a huge file cannot exhaust
// memory. What lies beyond is never needed: the reader stops after the last point record anyway.
constexpr std::size_t kMaxRequestBytes = 1 << 20;

std::string InFolder(const std::string& folder, const char* name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace

RunOutcome RunOnRequestText(std::string_view requestText, std::string& resultBytes) {
    const exchange::RequestParse parse = exchange::ParseRequest(requestText);
    if (!parse.ok)
        return {kExitBadRequest, std::string(exchange::kRequestFileName) + " " + parse.error};
    // About 5 KB; kept off the stack.
    auto result = std::make_unique<exchange::EngineResult>();
    const Interpolation outcome = Interpolate(parse.request, *result);
    if (outcome.fault != FloatFault::None)
        return {kExitFloatFault, std::string("floating-point error: ") + FaultName(outcome.fault) + " (" +
                                     outcome.where + ")"};
    resultBytes = exchange::FormatResult(*result);
    return {};
}

RunOutcome RunEngine(const std::string& folder) {
    const std::string requestPath = InFolder(folder, exchange::kRequestFileName);
    const exchange::FileRead request =
        exchange::ReadBoundedFile(requestPath, kMaxRequestBytes, exchange::OverCap::ReadPrefix);
    if (!request.ok())
        return {kExitBadRequest, "cannot read " + std::string(exchange::kRequestFileName) + ": " +
                                     request.reason(kMaxRequestBytes)};
    std::string bytes;
    RunOutcome outcome = RunOnRequestText(request.bytes, bytes);
    if (outcome.exitStatus != kExitOk)
        return outcome;
    // The result file is touched only now, after all reading and arithmetic succeeded.
    const std::string resultPath = InFolder(folder, exchange::kResultFileName);
    const exchange::FileWrite written = exchange::WriteFileAtomically(resultPath, bytes);
    if (!written.ok())
        return {kExitWriteFailed, written.reason(resultPath)};
    return {};
}

} // namespace mirendo::engine

#pragma once
// One whole engine run: read the request, compute, write the result.
#include "core/exchange/EngineStatus.h"

#include <string>
#include <string_view>

namespace mirendo::engine {

using ExitStatus = exchange::EngineStatus;
using exchange::kExitBadRequest;
using exchange::kExitFloatFault;
using exchange::kExitInternal;
using exchange::kExitOk;
using exchange::kExitWriteFailed;

struct RunOutcome {
    int exitStatus = kExitOk;
    std::string message; // one line for the console; empty on success
};

// Reads "B2F.dat" from `folder` ("" for the current folder, otherwise ending in '/' or not),
// writes "F2B.dat" there through a temporary file and a rename. A failed run writes nothing and
// leaves an existing result file as it was.
RunOutcome RunEngine(const std::string& folder);

// The same run on request bytes already in memory; on success `resultBytes` holds the result file.
RunOutcome RunOnRequestText(std::string_view requestText, std::string& resultBytes);

} // namespace mirendo::engine

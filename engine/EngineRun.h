#pragma once
// One whole engine run: read the request, compute, write the result.
#include <string>
#include <string_view>

namespace mirendo::engine {

enum ExitStatus : int {
    kExitOk = 0,
    kExitBadRequest = 2,  // request missing, unreadable or malformed
    kExitFloatFault = 3,  // divide by zero, invalid operation or overflow
    kExitWriteFailed = 4, // the result file could not be written
    kExitInternal = 5,    // out of memory or another unexpected failure
};

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

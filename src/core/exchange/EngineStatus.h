#pragma once
// How the engine Ventrel ends: its exit status, which Mirendo tells apart for the user.

namespace mirendo::exchange {

enum EngineStatus : int {
    kExitOk = 0,
    kExitBadRequest = 2,  // request missing, unreadable or malformed
    kExitFloatFault = 3,  // divide by zero, invalid operation or overflow
    kExitWriteFailed = 4, // the result file could not be written
    kExitInternal = 5,    // out of memory or another unexpected failure
};

} // namespace mirendo::exchange

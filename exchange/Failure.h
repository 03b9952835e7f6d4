#pragma once
// Every way a reader, the request check, the engine bridge or a save can fail, as one family of
// values: a cause and where it happened. Readers and the bridge return these; the GUI's messages
// file turns each into the text the user sees, so nothing below the windows words a failure.
// Plain C++ without Qt, so the engine can use it too.
#include <optional>
#include <string>
#include <utility>

namespace mirendo::exchange {

enum class Cause {
    // Reading a file (`file` names it, `code` holds errno where the system gave one).
    FileMissing,    // no such file
    FileUnreadable, // open or read failed (permissions, an I/O error)
    FileNotRegular, // a folder, a FIFO, a device or a socket
    FileTooLarge,   // larger than the reader's cap

    // Contents of a file (`line`, `item` where known).
    EndedEarly,     // the file ends before a value it must hold
    NotANumber,     // a value is not a number (`item` holds it)
    TooManyPoints,  // a point count outside 0..10 (`code` holds the count)
    TooManySamples, // a sample count outside 0..600 (`code` holds the count)
    BadScaleMode,   // a scale mode outside 1..4

    // Writing a file (`file` names it, `code` holds errno).
    WriteFailed,

    // The engine Ventrel.
    EngineNotFound,         // neither beside Mirendo nor on PATH
    EngineCannotStart,      // found but not startable (`file` is the program)
    EngineBadRequest,       // exit status 2: request missing or malformed
    EngineDivideByZero,     // exit status 3, the console names a divide by zero
    EngineOverflow,         // exit status 3, the console names an overflow
    EngineInvalidOperation, // exit status 3, the console names an invalid operation
    EngineFloatFault,       // exit status 3, the kind of fault not named
    EngineCannotWrite,      // exit status 4: the result file could not be written
    EngineInternal,         // exit status 5: out of memory or another unexpected failure
    EngineExitOther,        // another non-zero exit status (`code` holds it)
    EngineCrashed,          // ended by a signal
    EngineStillRunning,     // the result was asked for and the engine did not end in time
    EngineStopped,          // the run was ended before it finished
};

struct Failure {
    Cause cause = Cause::FileUnreadable;
    std::string file; // the file concerned, as the caller named it
    int line = 0;     // 1-based line of a file's contents, 0 when not tied to a line
    int field = 0;    // 1-based field (or value) within the line or file, 0 when none
    int point = 0;    // 1-based data point, 0 when none
    std::string item; // the offending text
    int code = 0;     // errno, an exit status or a count, as the cause says

    static Failure Of(Cause cause, int code = 0) {
        Failure failure;
        failure.cause = cause;
        failure.code = code;
        return failure;
    }
    // A failure tied to a file.
    static Failure OfFile(Cause cause, std::string file, int code = 0) {
        Failure failure = Of(cause, code);
        failure.file = std::move(file);
        return failure;
    }
};

// What every reader returns: the value when ok(), else the failure (the value then stays default).
template <class T> struct Outcome {
    std::optional<Failure> failure;
    T value{};
    bool ok() const { return !failure; }
};

} // namespace mirendo::exchange

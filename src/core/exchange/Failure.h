#pragma once
// Every way a reader, the request check, the engine bridge or a save can fail, as one family of
// values: a cause and where it happened. Readers, the request check, the bridge and the saves
// return these; the GUI's messages file turns each into the text the user sees, so nothing below
// the windows words a failure (the engine words its own console line from them). Plain C++
// without Qt, so the engine can use it too.
#include <optional>
#include <string>
#include <utility>

namespace mirendo::exchange {

enum class Cause {
    // Reading a file (`file` names it, `code` holds errno where the system gave one).
    FileMissing,    // no such file
    FileUnreadable, // open failed (permissions, say)
    FileReadFailed, // opened, but reading failed part-way (an I/O error)
    FileNotRegular, // a folder, a FIFO, a device or a socket
    FileTooLarge,   // larger than the reader's cap (`code` holds the cap in bytes where it is told)

    // Contents of a file (`line`, `subject`, `item` where known).
    EndedEarly,     // the file ends before a value it must hold
    NotANumber,     // a value is not a number (`item` holds it; empty: nothing beside a comma)
    NotAnInteger,   // a count with a fraction, or an integer field holding other text
    OutOfRange,     // a number beyond what the reader can hold or the graph can draw
    TooManyPoints,  // a point count outside 0..10 (`code` holds the count)
    TooManySamples, // a sample count outside 0..600 (`code` holds the count)
    BadScaleMode,   // a scale mode outside 1..4
    TooManyLines,   // more lines than a reader lists (`code` holds that limit)
    LineTooLong,    // a line longer than the reader takes (`code` holds the limit in bytes)
    NotText,        // a NUL byte (its `line`) or a UTF-16 byte order mark (no line)

    // The graph settings a saved curve keeps (Subject::Setting, `field` the setting box 1..6,
    // `item` the text at fault where it is quoted).
    EmptyAxisRange,      // an axis whose start is not below its stop
    NonPositiveLogStart, // a logarithmic axis starting at or below 0
    MalformedDecade,     // a logarithmic limit not of the form 1.0E+02
    SettingHasComma,     // would split the field when read back
    SettingHasLineBreak, // likewise
    SettingStartsQuoted, // would be taken for a quoted field when read back
    ValueNotFinite,      // a value to save is NaN or infinite (`subject`, `point`)

    // A value the request file cannot carry to the engine in single precision (`subject`,
    // `point` for a data point, `item` the value as the user gave it).
    NotCarried,

    // Points pasted as rows: nothing to paste, a line that is no pair of numbers (`line`), or
    // more points than the entry has room for (`line` the first too many, `code` the room left).
    NothingPasted,
    NotAPair,
    TooManyPasted,

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

    // A file handed over that is not of the kind asked for (`file` names it).
    NotAnArchive,        // not an interpolated-data file: it lacks the shape of one
    PointFileNotArchive, // a point file given where an interpolated-data file was asked for
    UnreadType,          // neither points nor an interpolated-data file
    // A point line that could be read two ways (`line`; `code` says why: decimal commas between
    // values separated by blanks, or digits grouped by a no-break space).
    AmbiguousLine,
};

// Which named value a failure concerns, where the file or request gives its values names.
enum class Subject {
    None,
    X,           // a data point's abscissa (a point file, a saved curve)
    Y,           // its ordinate
    Coefficient, // its coefficient in a saved curve
    CurveX,      // a sample's abscissa in a saved curve
    CurveY,      // its ordinate
    ScaleMode,
    PointCount,
    SampleCount,
    Setting, // a graph-setting box (`field` 1..6)
    XStart,  // the X axis limits of a request
    XStop,
};

struct Failure {
    Cause cause = Cause::FileUnreadable;
    std::string file; // the file concerned, as the caller named it
    int line = 0;     // 1-based line of a file's contents, 0 when not tied to a line
    int field = 0;    // 1-based field (or value) within the line or file, 0 when none
    int point = 0;    // 1-based data point, 0 when none
    Subject subject = Subject::None;
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

// True for the causes that concern reaching a file rather than what it holds.
inline bool IsFileAccessCause(Cause cause) {
    return cause == Cause::FileMissing || cause == Cause::FileUnreadable || cause == Cause::FileReadFailed ||
           cause == Cause::FileNotRegular || cause == Cause::FileTooLarge;
}

// The last cause of the list, so that every cause can be walked from FileMissing to it; a cause
// added at the end of the list moves this to it.
inline constexpr Cause kLastCause = Cause::AmbiguousLine;

} // namespace mirendo::exchange

#include "core/engine/EngineRun.h"

#include "core/engine/Lagrange.h"
#include "core/exchange/AtomicFile.h"
#include "core/exchange/BoundedFile.h"
#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"

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

// The console's one English line for a refused request: "line 5: abscissa (columns 1-12):
// malformed number "1.0x"". The engine is a console program of its own; the windows word their
// failures in their messages file, and only read the engine's exit status.
std::string RequestRefusal(const exchange::Failure& f) {
    using exchange::Cause;
    using exchange::Subject;
    const std::string line = "line " + std::to_string(f.line) + ": ";
    if (f.field > 0) {
        if (f.cause == Cause::EndedEarly)
            return line + "missing point record " + std::to_string(f.point) + " of " + std::to_string(f.code);
        const std::string where = f.field == 1 ? "abscissa (columns 1-12): " : "ordinate (columns 13-25): ";
        if (f.cause == Cause::OutOfRange)
            return line + where + "number \"" + f.item + "\" beyond single precision";
        return line + where + (f.item.empty() ? "blank field" : "malformed number \"" + f.item + "\"");
    }
    if (f.cause == Cause::TooManyPoints)
        return line + "point count " + std::to_string(f.code) + " outside 0..10";
    const char* name = f.subject == Subject::ScaleMode ? "scale mode"
                       : f.subject == Subject::XStart  ? "X start"
                       : f.subject == Subject::XStop   ? "X stop"
                                                       : "point count";
    switch (f.cause) {
    case Cause::EndedEarly:
        return line + "missing (" + name + ")";
    case Cause::NotAnInteger:
        return line + "not an integer: \"" + f.item + "\"";
    // Any other: a value that is no number, or beyond single precision, worded below.
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
    case Cause::NotANumber:
    case Cause::OutOfRange:
    case Cause::TooManyPoints:
    case Cause::TooManySamples:
    case Cause::BadScaleMode:
    case Cause::TooManyLines:
    case Cause::LineTooLong:
    case Cause::NotText:
    case Cause::EmptyAxisRange:
    case Cause::NonPositiveLogStart:
    case Cause::MalformedDecade:
    case Cause::SettingHasComma:
    case Cause::SettingHasLineBreak:
    case Cause::SettingStartsQuoted:
    case Cause::ValueNotFinite:
    case Cause::NotCarried:
    case Cause::NothingPasted:
    case Cause::NotAPair:
    case Cause::TooManyPasted:
    case Cause::WriteFailed:
    case Cause::EngineNotFound:
    case Cause::EngineCannotStart:
    case Cause::EngineBadRequest:
    case Cause::EngineDivideByZero:
    case Cause::EngineOverflow:
    case Cause::EngineInvalidOperation:
    case Cause::EngineFloatFault:
    case Cause::EngineCannotWrite:
    case Cause::EngineInternal:
    case Cause::EngineExitOther:
    case Cause::EngineCrashed:
    case Cause::EngineStillRunning:
    case Cause::EngineStopped:
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
        break;
    }
    if (f.item.empty())
        return line + "no value (" + name + ")";
    return line + "not a single-precision number: \"" + f.item + "\"";
}

} // namespace

RunOutcome RunOnRequestText(std::string_view requestText, std::string& resultBytes) {
    const exchange::RequestParse parse = exchange::ParseRequest(requestText);
    if (!parse.ok())
        return {kExitBadRequest,
                std::string(exchange::kRequestFileName) + " " + RequestRefusal(*parse.failure)};
    // About 5 KB; kept off the stack.
    auto result = std::make_unique<exchange::EngineResult>();
    const Interpolation outcome = Interpolate(parse.value, *result);
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

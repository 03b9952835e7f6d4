#include "engine/EngineRun.h"

#include "engine/Lagrange.h"
#include "exchange/AtomicFile.h"
#include "exchange/RequestFile.h"
#include "exchange/ResultFile.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirendo::engine {

namespace {

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        error = std::strerror(EISDIR);
        return false;
    }
    // A request is a few hundred bytes; reading stops at 1 MiB so that a huge or endless file
    // (a device, say) cannot exhaust memory. What lies beyond is never needed: the reader stops
    // after the last point record anyway.
    constexpr size_t kMaxRequestBytes = 1 << 20;
    char buffer[16384];
    while (bytes.size() < kMaxRequestBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return true;
}

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
    std::string request;
    std::string error;
    if (!ReadWholeFile(requestPath, request, error))
        return {kExitBadRequest, "cannot read " + std::string(exchange::kRequestFileName) + ": " + error};
    std::string bytes;
    RunOutcome outcome = RunOnRequestText(request, bytes);
    if (outcome.exitStatus != kExitOk)
        return outcome;
    // The result file is touched only now, after all reading and arithmetic succeeded.
    if (!exchange::WriteFileAtomically(InFolder(folder, exchange::kResultFileName), bytes, &error))
        return {kExitWriteFailed, error};
    return {};
}

} // namespace mirendo::engine

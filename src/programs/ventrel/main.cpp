// Ventrel: reads B2F.dat of the current folder, interpolates, writes F2B.dat.
// No arguments, no environment, no console input.
#include "core/engine/EngineRun.h"

#include <csignal>
#include <cstdio>
#include <exception>

int main() {
    // A console that went away must not kill the run with SIGPIPE; the result file is what counts.
    std::signal(SIGPIPE, SIG_IGN);
    mirendo::engine::RunOutcome outcome;
    try {
        outcome = mirendo::engine::RunEngine("");
    } catch (const std::exception& e) {
        outcome = {mirendo::engine::kExitInternal, std::string("internal error: ") + e.what()};
    }
    if (outcome.exitStatus != mirendo::engine::kExitOk) {
        std::fprintf(stderr, "Ventrel: %s\n", outcome.message.c_str());
        return outcome.exitStatus;
    }
    std::fputs("Stop - Program terminated.\n", stdout);
    return 0;
}

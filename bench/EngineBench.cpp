// Engine speed: the compute core on ten points, the whole run on request text, and one whole
// Ventrel process next to starting /bin/true.
#include "core/engine/EngineRun.h"
#include "core/engine/Lagrange.h"
#include "core/exchange/RequestFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace mirendo;

std::string TenPointRequest() {
    double xs[11] = {0};
    double ys[11] = {0};
    for (int i = 1; i <= 10; ++i) {
        xs[i] = 0.75 * i + 0.01 * i * i;
        ys[i] = 3.0 / (1.0 + xs[i] * xs[i]);
    }
    return exchange::FormatRequest(1, 0, 10, 10, xs, ys);
}

void BM_ComputeCoreTenPoints(benchmark::State& state) {
    const exchange::RequestParse parse = exchange::ParseRequest(TenPointRequest());
    exchange::EngineResult result;
    for (auto _ : state) {
        const engine::Interpolation outcome = engine::Interpolate(parse.value, result);
        benchmark::DoNotOptimize(outcome.fault);
        benchmark::DoNotOptimize(result.p.data());
        benchmark::ClobberMemory();
    }
    if (result.m != 450)
        state.SkipWithError("unexpected sample count");
}
BENCHMARK(BM_ComputeCoreTenPoints);

void BM_WholeRunInMemoryTenPoints(benchmark::State& state) {
    const std::string request = TenPointRequest();
    std::string bytes;
    for (auto _ : state) {
        const engine::RunOutcome outcome = engine::RunOnRequestText(request, bytes);
        benchmark::DoNotOptimize(outcome.exitStatus);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_WholeRunInMemoryTenPoints);

// Starts `program` in `folder` with its output discarded and waits for it.
void RunProcess(const char* program, const std::string& folder, benchmark::State& state) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(folder.c_str()) != 0)
            ::_exit(120);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(121);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("process failed");
}

std::string BenchFolder() {
    const auto dir = std::filesystem::temp_directory_path() / ("ventrel_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "B2F.dat", std::ios::binary) << TenPointRequest();
    return dir.string();
}

void BM_ProcessTrue(benchmark::State& state) {
    const std::string folder = BenchFolder();
    for (auto _ : state)
        RunProcess("/bin/true", folder, state);
}
BENCHMARK(BM_ProcessTrue)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_ProcessVentrelTenPoints(benchmark::State& state) {
    const std::string folder = BenchFolder();
    for (auto _ : state)
        RunProcess(VENTREL_PATH, folder, state);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ProcessVentrelTenPoints)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();

// The real engine under faults: killed at random moments it never leaves a partial result file,
// and every file-system fault ends with a console report, a failure status and the earlier result
// untouched.
#include "core/engine/EngineRun.h"
#include "core/exchange/ResultFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef VENTREL_PATH
#error "VENTREL_PATH must name the engine binary"
#endif

namespace {

namespace fs = std::filesystem;

std::string TenPointRequest(double slope) {
    std::string text = " 1 \r\n0.0\r\n11.0\r\n 10 \r\n";
    char record[64];
    for (int i = 1; i <= 10; ++i) {
        std::snprintf(record, sizeof record, "%+.5E %+.5E\r\n", static_cast<double>(i), slope * i + 0.5);
        text += record; // "%+.5E" is the request's record piece: +1.00000E+00
    }
    return text;
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class EngineFault : public mirendo::testing::TempFolderTest {
  protected:
    // Starts the engine in `folder` with its output captured in files outside it.
    pid_t Start(const fs::path& folder) const {
        const std::string out = (m_dir.parent_path() / (m_dir.filename().string() + ".out")).string();
        const std::string err = (m_dir.parent_path() / (m_dir.filename().string() + ".err")).string();
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::chdir(folder.c_str()) != 0)
                ::_exit(120);
            const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (o < 0 || e < 0)
                ::_exit(121);
            ::dup2(o, 1);
            ::dup2(e, 2);
            ::execl(VENTREL_PATH, "Ventrel", static_cast<char*>(nullptr));
            ::_exit(122);
        }
        return pid;
    }
    struct Ended {
        bool exited = false;
        int status = -1;
        std::string out, err;
    };
    Ended Wait(pid_t pid) const {
        int raw = 0;
        ::waitpid(pid, &raw, 0);
        const Ended e{WIFEXITED(raw), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
                      Slurp(m_dir.parent_path() / (m_dir.filename().string() + ".out")),
                      Slurp(m_dir.parent_path() / (m_dir.filename().string() + ".err"))};
        fs::remove(m_dir.parent_path() / (m_dir.filename().string() + ".out"));
        fs::remove(m_dir.parent_path() / (m_dir.filename().string() + ".err"));
        return e;
    }
};

TEST_F(EngineFault, KilledAtRandomMomentsNeverLeavesAPartialResult) {
    // Two requests whose results differ; each run replaces the other's result.
    const std::string requests[2] = {TenPointRequest(1.0), TenPointRequest(-2.0)};
    std::string results[2];
    for (int k = 0; k < 2; ++k) {
        const auto outcome = mirendo::engine::RunOnRequestText(requests[k], results[k]);
        ASSERT_EQ(outcome.exitStatus, 0) << outcome.message;
    }
    ASSERT_NE(results[0], results[1]);

    // Kills land anywhere from the start to the end of a run (the slowest of five), however fast
    // the engine is in this build (a sanitizer build starts far slower).
    long runUs = 0;
    for (int k = 0; k < 5; ++k) {
        WriteAll(m_dir / "B2F.dat", requests[0]);
        const auto begin = std::chrono::steady_clock::now();
        Wait(Start(m_dir));
        runUs = std::max<long>(runUs, std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::steady_clock::now() - begin)
                                          .count());
    }
    WriteAll(m_dir / "F2B.dat", results[0]);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delayUs(0, runUs);
    int killedBeforeReplacing = 0, replaced = 0;
    int current = 0;
    for (int run = 0; run < 300; ++run) {
        const int next = 1 - current;
        WriteAll(m_dir / "B2F.dat", requests[next]);
        const pid_t pid = Start(m_dir);
        ASSERT_GT(pid, 0);
        const long delay = delayUs(random);
        if (delay > 0)
            ::usleep(static_cast<useconds_t>(delay));
        ::kill(pid, SIGKILL);
        Wait(pid);
        const std::string now = Slurp(m_dir / "F2B.dat");
        if (now == results[current]) {
            ++killedBeforeReplacing;
        } else {
            ASSERT_EQ(now, results[next]) << "run " << run << ": a partial or foreign result file";
            ++replaced;
            current = next;
        }
    }
    // Both outcomes must have happened, or the kills did not land during the runs.
    EXPECT_GT(killedBeforeReplacing, 0);
    EXPECT_GT(replaced, 0);
    RecordProperty("killed_before_replacing", killedBeforeReplacing);
    RecordProperty("replaced", replaced);
}

TEST_F(EngineFault, FileSystemFaultsAreReportedAndKeepTheEarlierResult) {
    const std::string good = TenPointRequest(1.0);
    const std::string earlier = " 1\r\nearlier result\r\n";
    struct Case {
        const char* name;
        std::function<void(const fs::path& dir)> arrange;
        int status;
        const char* report; // part of the console report
        bool earlierKept;   // F2B.dat still holds the earlier bytes
    };
    const std::vector<Case> cases = {
        {"no request", [](const fs::path&) {}, mirendo::engine::kExitBadRequest, "cannot read B2F.dat", true},
        {"request is a folder", [](const fs::path& d) { fs::create_directory(d / "B2F.dat"); },
         mirendo::engine::kExitBadRequest, "cannot read B2F.dat", true},
        {"request is a FIFO nobody writes",
         [](const fs::path& d) { ::mkfifo((d / "B2F.dat").c_str(), 0600); }, mirendo::engine::kExitBadRequest,
         "cannot read B2F.dat: not a regular file", true},
        {"request of another program",
         [](const fs::path& d) { WriteAll(d / "B2F.dat", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)); },
         mirendo::engine::kExitBadRequest, "B2F.dat line 1", true},
        {"request cut short",
         [&](const fs::path& d) { WriteAll(d / "B2F.dat", good.substr(0, good.size() / 2)); },
         mirendo::engine::kExitBadRequest, "B2F.dat line", true},
        {"result is a folder",
         [&](const fs::path& d) {
             WriteAll(d / "B2F.dat", good);
             fs::remove(d / "F2B.dat");
             fs::create_directory(d / "F2B.dat");
         },
         mirendo::engine::kExitWriteFailed, "F2B.dat", false},
        {"ten points some 1E+05 apart",
         [](const fs::path& d) {
             std::string text = " 1 \r\n0.0\r\n1.0E+06\r\n 10 \r\n";
             for (int i = 1; i <= 10; ++i) {
                 char record[64];
                 std::snprintf(record, sizeof record, "+%.5E +1.00000E+00\r\n", i * 1e5);
                 text += record;
             }
             WriteAll(d / "B2F.dat", text);
         },
         mirendo::engine::kExitFloatFault, "floating-point error: overflow", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        WriteAll(m_dir / "F2B.dat", earlier);
        c.arrange(m_dir);
        const Ended e = Wait(Start(m_dir));
        ASSERT_TRUE(e.exited);
        EXPECT_EQ(e.status, c.status);
        EXPECT_NE(e.err.find(c.report), std::string::npos) << e.err;
        EXPECT_EQ(e.out.find("Stop - Program terminated."), std::string::npos);
        if (c.earlierKept) {
            EXPECT_EQ(Slurp(m_dir / "F2B.dat"), earlier);
        }
        for (const auto& entry : fs::directory_iterator(m_dir))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << "temporary file left behind: " << entry.path();
    }
}

TEST_F(EngineFault, RunInAFolderThatWasRemovedIsReported) {
    const fs::path gone = m_dir / "gone";
    fs::create_directory(gone);
    // The child changes into the folder, then it disappears before the engine reads.
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(gone.c_str()) != 0)
            ::_exit(120);
        ::rmdir(gone.c_str());
        ::freopen("/dev/null", "w", stdout);
        ::freopen("/dev/null", "w", stderr);
        ::execl(VENTREL_PATH, "Ventrel", static_cast<char*>(nullptr));
        ::_exit(122);
    }
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), mirendo::engine::kExitBadRequest);
}

// What ⑦ opens by a fixed name may be no file at all: an endless device, a FIFO nobody writes, or a
// huge file of another program. Each is refused at once, without blocking or exhausting memory.
// Each read runs in a child process with a time and memory limit, so a faulty reader fails the
// test instead of hanging or exhausting the machine.
TEST_F(EngineFault, ResultFilesThatNeverEndBlockOrAreHugeAreRefusedAtOnce) {
    const std::pair<const char*, std::function<void(const fs::path& file)>> cases[] = {
        {"a link to an endless device", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
        {"a sparse file of 4 GiB",
         [](const fs::path& f) {
             WriteAll(f, " 1\r\n");
             fs::resize_file(f, 4ull << 30);
         }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        const fs::path file = m_dir / "F2B.dat";
        fs::remove(file);
        make(file);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::alarm(5);
#if !defined(__SANITIZE_ADDRESS__)
            // AddressSanitizer reserves terabytes of address space for its shadow memory, so an
            // address-space limit would stop the child before the reader runs; the time limit
            // still catches a reader that keeps reading.
            const rlimit memory{512u << 20, 512u << 20};
            ::setrlimit(RLIMIT_AS, &memory);
#endif
            try {
                const mirendo::exchange::ResultRead read = mirendo::exchange::ReadResultFile(file.string());
                ::_exit(read.ok() ? 1 : read.failure->file.empty() ? 2 : 0);
            } catch (...) {
                ::_exit(3);
            }
        }
        int raw = 0;
        ::waitpid(pid, &raw, 0);
        ASSERT_TRUE(WIFEXITED(raw)) << "the reader hung or ran out of memory (signal "
                                    << (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0) << ")";
        EXPECT_EQ(WEXITSTATUS(raw), 0) << "1: loaded, 2: refused without a reason, 3: out of memory";
        fs::remove(file);
    }
}

} // namespace

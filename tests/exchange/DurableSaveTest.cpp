#include "core/exchange/AtomicFile.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <random>
#include <tuple>

#include <sys/wait.h>

namespace mirendo::exchange {
namespace {

// Passes every step through to the system and lists them; `failAt` makes that step fail.
struct RecordedSteps : SaveSteps {
    std::string log, failAt;
    int step(const std::string& name, int result) {
        log += (log.empty() ? "" : " ") + name;
        return failAt == name ? (errno = EIO, -1) : result;
    }
    int write(int fd, std::string_view b) override { return step("write", SaveSteps::write(fd, b)); }
    int syncFile(int fd) override { return step("sync", SaveSteps::syncFile(fd)); }
    int rename(const char* a, const char* b) override {
        return step("rename", failAt == "rename" ? 0 : SaveSteps::rename(a, b));
    }
    int syncFolder(const std::string& f) override { return step("syncFolder", SaveSteps::syncFolder(f)); }
};

using DurableSave = testing::TempFolderTest;

// Each row: the step made to fail, the steps taken, the outcome and the file afterwards (after
// the rename the new content stands, but the caller hears it may not survive); never a temporary.
TEST_F(DurableSave, StepsInOrderAndAFailedStepKeepsTheOldFile) {
    using enum FileWriteError;
    const std::tuple<std::string, std::string, FileWriteError, std::string> rows[] = {
        {"", "write sync rename syncFolder", None, "new"},
        {"write", "write", WriteFailed, "old"},
        {"sync", "write sync", SyncFailed, "old"},
        {"rename", "write sync rename", CannotReplace, "old"},
        {"syncFolder", "write sync rename syncFolder", SyncFailed, "new"},
    };
    for (const auto& [failAt, log, error, content] : rows) {
        const std::string file = write("a-Mi.csv", "old");
        RecordedSteps steps;
        steps.failAt = failAt;
        const FileWriteError written = SaveFileDurably(file, "new", steps).error;
        EXPECT_EQ(std::tuple(steps.log, written, Slurp(file), EntryCount()),
                  std::tuple(log, error, content, 1u))
            << failAt;
    }
}

// A saving program killed at random moments, many times over: the file is always the old or the
// new content, whole, never empty or cut.
TEST_F(DurableSave, KilledWhileSavingLeavesOldOrNewWhole) {
    const std::string file = (m_dir / "graph.png").string();
    const std::string versions[] = {std::string(200000, 'a'), std::string(300000, 'b')};
    ASSERT_TRUE(SaveFileDurably(file, versions[0]).ok());
    std::mt19937 random(7);
    int seen[2] = {};
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        for (int i = 1; child == 0; ++i)
            SaveFileDurably(file, versions[i % 2]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = Slurp(file);
        ASSERT_TRUE(now == versions[0] || now == versions[1]) << "kill " << kill << ": " << now.size();
        ++seen[now == versions[1]];
    }
    std::printf("200 kills: %d times the old file, %d times the new, never anything else\n", seen[0],
                seen[1]);
}

} // namespace
} // namespace mirendo::exchange

// mirendo-eval: a saved curve of each scale mode gives its end points back, from the arguments and
// from standard input alike; a bad archive and wrong usage end with their statuses.
#include "eval/EvalCommand.h"
#include "archive/ArchiveSamples.h"
#include "widgets/MessageTexts.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace mirendo {
namespace {

using exchange::Cause;
using exchange::Failure;

struct EvalRun {
    int status;
    std::string out, err;
};

EvalRun Eval(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunEvalCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / ("mirendo-eval-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(EvalCommand, EveryModeGivesItsEndPointsBackFromArgumentsAndInput) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const std::string archive =
            Write("mode-Mi.csv", FormatArchive(testing::StateAfterCalculation(calc), calc.settings).value);
        const auto [x0, y0] = calc.points.front();
        const auto [x1, y1] = calc.points.back();
        const EvalRun run = Eval({archive, std::to_string(x0), std::to_string(x1)});
        ASSERT_EQ(run.status, kEvalOk) << run.err;
        EXPECT_EQ(Eval({archive}, std::to_string(x0) + ",\n" + std::to_string(x1)).out, run.out);
        std::istringstream lines(run.out);
        std::string header, first, last;
        std::getline(lines, header), std::getline(lines, first), std::getline(lines, last);
        EXPECT_EQ(header, "X,Y,外挿\r");
        for (const auto& [line, y] : {std::pair{first, y0}, std::pair{last, y1}})
            EXPECT_NEAR(std::stod(line.substr(line.find(',') + 1)), y, 1e-4 * std::max(1.0, std::fabs(y)))
                << "mode " << calc.mode;
    }
}

TEST(EvalCommand, InverseGivesEveryModesFirstPointBack) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const std::string archive =
            Write("inverse-Mi.csv", FormatArchive(testing::StateAfterCalculation(calc), calc.settings).value);
        const auto [x0, y0] = calc.points.front();
        const EvalRun run = Eval({"--inverse", archive, std::to_string(y0)});
        ASSERT_EQ(run.status, kEvalOk) << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "Y,X,外挿\r\n");
        bool found = false;
        std::istringstream lines(run.out.substr(run.out.find('\n') + 1));
        for (std::string line; std::getline(lines, line);) {
            const std::string x = line.substr(line.find(',') + 1);
            found = found || std::fabs(std::stod(x) - x0) < 1e-4 * std::max(1.0, std::fabs(x0));
        }
        EXPECT_TRUE(found) << "mode " << calc.mode << ": " << run.out;
    }
}

std::string GoodArchive() {
    const testing::Calculation calc = testing::CalculationsOfEveryMode().front();
    return FormatArchive(testing::StateAfterCalculation(calc), calc.settings).value;
}

TEST(EvalCommand, RefusalsEndWithTheirStatus) {
    const std::string bad =
        Write("bad-Mi.csv", " 1 \r\n0\r\n4\r\n1\r\n0\r\n5\r\n1\r\n 2 \r\n1,  abc,  1\r\n");
    const std::string good = Write("good-Mi.csv", GoodArchive());
    const std::string program = MIRENDO_EVAL_PROGRAM;
    const struct {
        std::vector<std::string> args;
        int status;
        const char* said; // in standard error, or standard output for --help / --version
    } rows[] = {
        {{bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"/nonexistent/x-Mi.csv"}, kEvalArchiveUnreadable, "ありません"},
        {{}, kEvalUsage, "使い方"},
        {{"--frobnicate", bad}, kEvalUsage, "--frobnicate"},
        {{"--inverse", bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"--help"}, kEvalOk, "終了コード"},
        {{"--version"}, kEvalOk, "mirendo-eval "},
        {{good, "1", ""}, kEvalUsage, "3 番目の引数が空です"},
        {{good, "abc", "x"}, kEvalValuesRefused, "2 個の値"},
        {{"--inverse", good, "y"}, kEvalValuesRefused, "1 個の値"},
        {{"--inverse", good, "1e30"}, kEvalOk, "該当なし"}, // no X is an answer
    };
    for (const auto& row : rows) {
        const EvalRun run = Eval(row.args);
        EXPECT_EQ(run.status, row.status) << row.said;
        EXPECT_NE((row.status == kEvalOk ? run.out : run.err).find(row.said), std::string::npos)
            << run.out << run.err;
        EXPECT_TRUE(row.status != kEvalValuesRefused || // still the header and a row for every value
                    std::count(run.out.begin(), run.out.end(), '\n') ==
                        std::ptrdiff_t(row.args.size()) - (row.args[0] == "--inverse"));
    }
    for (const std::string& args : {good + " 1 2 3", std::string("--help")}) { // lost output
        const std::string err = Write("full.err", ""),
                          command = program + " " + args + " >/dev/full 2>" + err;
        EXPECT_EQ(std::system(command.c_str()) >> 8, kEvalOutputFailed);
        std::ifstream said(err);
        EXPECT_NE(std::string(std::istreambuf_iterator<char>(said), {}).find(OutputFailureText(ENOSPC)),
                  std::string::npos);
    }
    // The installed program: the status reaches the shell, and it loads nothing of Qt.
    EXPECT_EQ(std::system((program + " " + bad + " 1 >/dev/null 2>&1").c_str()) >> 8, kEvalArchiveUnreadable);
    EXPECT_NE(std::system(("ldd " + program + " | grep -q Qt6").c_str()), 0);
}

// A file that is no archive is refused for what it is, the path once: the file causes, then random
// point files, other bytes, and archives damaged past the eight lines that give them their shape.
TEST(EvalCommand, EveryFileIsRefusedForWhatItIs) {
    const std::string large = Write("large-Mi.csv", ""), locked = Write("locked-Mi.csv", GoodArchive());
    std::filesystem::resize_file(large, kMaxArchiveBytes + 1);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_write);
    std::vector<std::pair<std::string, Failure>> rows = {
        {"/nonexistent/x-Mi.csv", Failure::Of(Cause::FileMissing)},
        {locked, Failure::Of(Cause::FileUnreadable, EACCES)},
        {std::filesystem::temp_directory_path(), Failure::Of(Cause::FileNotRegular, EISDIR)},
        {"/dev/null", Failure::Of(Cause::FileNotRegular)},
        {large, Failure::Of(Cause::FileTooLarge, int(kMaxArchiveBytes))},
        {Write("empty-Mi.csv", ""), Failure::Of(Cause::NotAnArchive)}};
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto number = [&] { return std::to_string(pick(2000) - 1000) + (pick(2) ? ".5" : ""); };
    for (int i = 0; i < 300; ++i) {
        std::string bytes = i % 3 == 2 ? GoodArchive() : std::string(1, "xX#\0=,"[pick(6)]);
        Failure expected = Failure::Of(i % 3 ? Cause::NotAnArchive : Cause::PointFileNotArchive);
        if (i % 3 == 0) {
            for (int line = (bytes.clear(), pick(10)); line >= 0; --line)
                bytes += number() + (pick(2) ? "," : "   ") + number() + (pick(2) ? "\r\n" : "\n");
        } else if (i % 3 == 1) {
            for (int n = pick(200); n > 0; --n)
                bytes += char(pick(256));
        } else {
            std::size_t at = 0;
            for (int line = 0; line < 8; ++line)
                at = bytes.find('\n', at) + 1;
            bytes.replace(at + std::size_t(pick(int(bytes.size() - at))), 1 + std::size_t(pick(5)),
                          std::string(1, "x,\n-"[pick(4)]));
            if (ParseArchive(bytes).ok())
                continue;
            expected = *ParseArchive(bytes).failure;
        }
        rows.emplace_back(Write("random" + std::to_string(i) + "-Mi.csv", bytes), expected);
    }
    for (const auto& [path, expected] : rows) {
        const std::string said = "mirendo-eval: " + path + ": " + ArchiveRefusalText(expected) + "\n";
        if (path != locked) {
            EXPECT_EQ(Eval({path, "1"}).err, said);
            continue;
        }
        const pid_t child = fork(); // as root only a child without the permission sees the refusal
        if (child == 0)
            _exit(geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)
                      ? 2
                      : Eval({path, "1"}).err != said);
        int status = 1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << said;
    }
}

} // namespace
} // namespace mirendo

// mirendo-eval: a saved curve of each scale mode gives its end points back, from the arguments and
// from standard input alike; a bad archive and wrong usage end with their statuses.
#include "eval/EvalCommand.h"
#include "archive/ArchiveSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mirendo {
namespace {

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

TEST(EvalCommand, RefusalsEndWithTheirStatus) {
    const std::string bad =
        Write("bad-Mi.csv", " 1 \r\n0\r\n4\r\n1\r\n0\r\n5\r\n1\r\n 2 \r\n1,  abc,  1\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* said; // in standard error, or standard output for --help / --version
    } rows[] = {
        {{bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"/nonexistent/x-Mi.csv"}, kEvalArchiveUnreadable, "開けません"},
        {{}, kEvalUsage, "使い方"},
        {{"--frobnicate", bad}, kEvalUsage, "--frobnicate"},
        {{"--inverse", bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"--help"}, kEvalOk, "終了コード"},
        {{"--version"}, kEvalOk, "mirendo-eval "},
    };
    for (const auto& row : rows) {
        const EvalRun run = Eval(row.args);
        EXPECT_EQ(run.status, row.status) << row.said;
        EXPECT_NE((row.status == kEvalOk ? run.out : run.err).find(row.said), std::string::npos)
            << run.out << run.err;
    }
    // The installed program: the status reaches the shell, and it loads nothing of Qt.
    const std::string program = MIRENDO_EVAL_PROGRAM;
    EXPECT_EQ(std::system((program + " " + bad + " 1 >/dev/null 2>&1").c_str()) >> 8, kEvalArchiveUnreadable);
    EXPECT_NE(std::system(("ldd " + program + " | grep -q Qt6").c_str()), 0);
}

} // namespace
} // namespace mirendo

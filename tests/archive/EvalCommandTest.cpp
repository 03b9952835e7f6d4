// mirendo-eval: a saved curve of each scale mode evaluated from the arguments and from standard
// input gives the points back; a bad archive and wrong usage end with their statuses.
#include "eval/EvalCommand.h"
#include "archive/ArchiveSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
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

class EvalCommand : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / ("mirendo-eval-" + name);
        std::ofstream(path, std::ios::binary) << bytes;
        m_files.push_back(path);
        return path.string();
    }
    void TearDown() override {
        for (const auto& path : m_files)
            std::filesystem::remove(path);
    }
    std::vector<std::filesystem::path> m_files;
};

TEST_F(EvalCommand, EveryModeGivesThePointsBackFromArgumentsAndInput) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const Module1 state = testing::StateAfterCalculation(calc);
        const std::string archive =
            write("mode" + std::to_string(calc.mode) + "-Mi.csv", FormatArchive(state, calc.settings).bytes);
        const auto [x0, y0] = calc.points.front();
        const auto [x1, y1] = calc.points.back();
        const auto text = [](double v) {
            std::ostringstream s;
            s.precision(17);
            s << v;
            return s.str();
        };
        const EvalRun fromArgs = Eval({archive, text(x0), text(x1)});
        const EvalRun fromInput = Eval({archive}, text(x0) + ",\n" + text(x1) + "\n");
        ASSERT_EQ(fromArgs.status, kEvalOk) << fromArgs.err;
        EXPECT_EQ(fromArgs.out, fromInput.out) << "arguments and standard input read alike";
        std::istringstream lines(fromArgs.out);
        std::string header, first, last;
        std::getline(lines, header);
        std::getline(lines, first);
        std::getline(lines, last);
        EXPECT_EQ(header, "X,Y,外挿\r");
        // Y to nine significant digits, back at the points up to the saved rounding.
        const double firstY = std::stod(first.substr(first.find(',') + 1));
        const double lastY = std::stod(last.substr(last.find(',') + 1));
        EXPECT_NEAR(firstY, y0, 1e-4 * std::max(1.0, std::fabs(y0))) << "mode " << calc.mode;
        EXPECT_NEAR(lastY, y1, 1e-4 * std::max(1.0, std::fabs(y1))) << "mode " << calc.mode;
    }
}

TEST_F(EvalCommand, RefusalsEndWithTheirStatus) {
    const std::string bad =
        write("bad-Mi.csv", " 1 \r\n0\r\n4\r\n1\r\n0\r\n5\r\n1\r\n 2 \r\n1,  abc,  1\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* said; // part of standard error, or of standard output for --help / --version
    } rows[] = {
        {{bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"/nonexistent/x-Mi.csv"}, kEvalArchiveUnreadable, "開けません"},
        {{}, kEvalUsage, "使い方"},
        {{"--frobnicate", bad}, kEvalUsage, "--frobnicate"},
        {{"--inverse", bad, "1"}, kEvalUsage, "まだ使えません"},
        {{"--help"}, kEvalOk, "終了コード"},
        {{"--version"}, kEvalOk, "mirendo-eval "},
    };
    for (const auto& row : rows) {
        const EvalRun run = Eval(row.args);
        EXPECT_EQ(run.status, row.status) << row.said;
        EXPECT_NE((row.status == kEvalOk ? run.out : run.err).find(row.said), std::string::npos)
            << run.out << run.err;
    }
}

// The installed program: statuses reach the shell, nothing of Qt is loaded.
TEST_F(EvalCommand, ProgramReportsItsStatus) {
    const std::string bad = write("bad2-Mi.csv", " 9 \r\n");
    EXPECT_EQ(std::system((std::string(MIRENDO_EVAL_PROGRAM) + " " + bad + " 1 >/dev/null 2>&1").c_str()) >>
                  8,
              kEvalArchiveUnreadable);
    EXPECT_EQ(std::system((std::string(MIRENDO_EVAL_PROGRAM) + " >/dev/null 2>&1").c_str()) >> 8, kEvalUsage);
    EXPECT_NE(std::system(("ldd " + std::string(MIRENDO_EVAL_PROGRAM) + " | grep -q Qt6").c_str()), 0)
        << "links no Qt";
}

} // namespace
} // namespace mirendo

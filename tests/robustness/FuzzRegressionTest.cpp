// Inputs the fuzz targets found, kept as plain tests on the libraries.
#include "core/engine/EngineRun.h"
#include "core/exchange/ResultFile.h"
#include "core/input/Ordering.h"
#include "core/input/PointFileReader.h"
#include "core/plot/Readout.h"
#include "core/state/Module1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace mirendo {
namespace {

// A hand-made request whose scale mode does not fit the two columns of the echo: the engine writes
// "**" there (as the notation demands) and Mirendo refuses that result file with a message
// instead of loading a wrong mode.
TEST(FuzzRegression, ScaleModeTooWideForItsEchoIsRefusedByTheLoader) {
    const std::vector<std::string> modes = {"44444", "100", "-10", "-2147483648"};
    for (const std::string& mode : modes) {
        const std::string request = " " + mode + " \r\n1.0E+04\r\n-1000.0\r\n 1 \r\n15.0000E+00 -0.00+01\r\n";
        std::string result;
        const engine::RunOutcome run = engine::RunOnRequestText(request, result);
        ASSERT_EQ(run.exitStatus, engine::kExitOk) << mode << ": " << run.message;
        EXPECT_EQ(result.substr(0, 4), "**\r\n") << mode;
        const exchange::ResultRead read = exchange::ParseResult(result);
        ASSERT_TRUE(read.failure) << mode;
        EXPECT_EQ(read.failure->cause, exchange::Cause::NotANumber) << mode;
        EXPECT_EQ(read.value.pointCount, 0) << mode;
    }
}

// Point files whose equal X values the ordering must move apart without leaving ascending order
// or the finite numbers. (Two equal X at 0 stay equal: the engine then reports the division by
// zero.)
TEST(FuzzRegression, EqualAbscissaeAreMovedApartIntoAscendingFiniteValues) {
    const std::pair<const char*, const char*> cases[] = {
        {"gap beyond the double range", "-1.7e308,1\r\n-1.7e308,2\r\n1.7e308,3\r\n"},
        {"last pair with a gap beyond the range", "-1.7e308,1\r\n1.7e308,2\r\n1.7e308,3\r\n"},
        {"two equal negative X", "-1,0.0384615\r\n-1,0\r\n"},
        {"two equal positive X", "5,1\r\n5,2\r\n"},
    };
    for (const auto& [name, file] : cases) {
        const PointFileRead read = ReadPointText(file);
        ASSERT_TRUE(read.ok()) << name;
        Module1 state;
        StorePointFileRead(state, read);
        OrderPointsIfNeeded(state);
        for (int i = 1; i <= state.PointCount; ++i) {
            EXPECT_TRUE(std::isfinite(state.XData[i])) << name << ": XData(" << i << ") = " << state.XData[i];
            if (i > 1) {
                EXPECT_LT(state.XData[i - 1], state.XData[i]) << name << " at " << i;
            }
        }
    }
}

// A log-space curve value beyond ln(largest double), from an archive or an overshooting curve: the
// readout shows a number, never "Infinity".
TEST(FuzzRegression, ReadoutOfALogSpaceValueBeyondTheDoubleRangeShowsANumber) {
    struct Row {
        const char* name;
        int mode;
        double x, y; // the one sample, in log space on a logarithmic axis
    };
    const std::vector<Row> rows = {
        {"Y of a log-log archive", 4, 1, 5021},
        {"X of a log-linear curve", 3, 800, 1},
        {"Y just past the range", 2, 1, 709.8},
    };
    for (const Row& row : rows) {
        Module1 s;
        s.ScaleMode = row.mode;
        s.XStart = s.YStart = 1;
        s.SampleCount = 1;
        s.CurveX[1] = s.CurveXMin = s.CurveXMax = row.x;
        s.CurveY[1] = row.y;
        s.GraphDrawn = 1;
        const Readout r = ComputeReadout(DrawnCurveOf(s), static_cast<float>(row.x)); // start 1: no offset
        ASSERT_EQ(r.action, Readout::Action::Show) << row.name;
        EXPECT_EQ(r.xText.find("Inf"), std::string::npos) << row.name << ": " << r.xText;
        EXPECT_EQ(r.yText.find("Inf"), std::string::npos) << row.name << ": " << r.yText;
    }
}

} // namespace
} // namespace mirendo

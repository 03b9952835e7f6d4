// The calibration's refusals and the document's undo and redo, as rows of one table: each row runs
// its steps on a fresh document and states what the document then holds. Steps, blank-separated:
//   C        calibrate a linear chart: X 0..10 from (100, 900) to (900, 900), Y 0..100 up to (100, 100)
//   R X2 x y place a reference point   V X2 v  type its value   E X2  empty its value
//   L X      make an axis logarithmic  p x y   place a point    N x y place what is asked for next
//   m x y  move the selection   n dx dy  nudge it   s i  select point i   d  delete it   u, r  undo, redo
#include "core/chart/ChartDocument.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>

namespace mirendo::chart {
namespace {

using P = CalibrationProblem;
using R = Reference;

void RunSteps(ChartDocument& d, const std::string& steps) {
    std::istringstream in(steps);
    std::string op, token;
    auto word = [&] { return in >> token, token; };
    auto num = [&] { return std::strtod(word().c_str(), nullptr); }; // takes "nan" and "inf" too
    auto ref = [&] { return static_cast<R>(std::string("X1X2Y1Y2").find(word()) / 2); };
    auto at = [&] {
        const double x = num();
        return PixelPoint{x, num()};
    };
    while (in >> op) {
        if (op == "C")
            RunSteps(d, "R X1 100 900 R X2 900 900 R Y1 100 900 R Y2 100 100 V X1 0 V X2 10 V Y1 0 V Y2 100");
        else if (op == "R" || op == "V" || op == "E") {
            const R r = ref();
            op == "R"   ? d.placeReference(r, at())
            : op == "V" ? d.setReferenceValue(r, num())
                        : d.clearReferenceValue(r);
        } else if (op == "L")
            d.setScale(word() == "X" ? ChartAxis::X : ChartAxis::Y, AxisScale::Log);
        else if (op == "p" || op == "N" || op == "n" || op == "m") {
            const PixelPoint p = at();
            op == "p"   ? d.placePoint(p)
            : op == "N" ? d.placeNext(p)
            : op == "m" ? d.moveSelection(p)
                        : d.nudgeSelection(p.x, p.y);
        } else if (op == "s")
            d.select(ChartSelection::point(static_cast<int>(num())));
        else
            op == "d" ? d.removeSelection() : op == "u" ? d.undo() : d.redo();
    }
}

struct Row {
    const char* steps;
    std::optional<CalibrationRefusal> refusal; // nothing: calibrated
    int points;
    bool canUndo, canRedo;
    std::optional<PixelPoint> firstPoint = std::nullopt;
};

TEST(ChartDocument, RefusalsUndoAndRedo) {
    const auto refused = [](P p, R r) { return CalibrationRefusal{p, AxisOf(r), r}; };
    const Row rows[] = {
        {"", refused(P::ReferenceNotPlaced, R::X1), 0, false, false},
        {"C u u u u u", refused(P::ReferenceNotPlaced, R::Y2), 0, true, true},
        {"C E Y1", refused(P::ValueMissing, R::Y1), 0, true, false},
        {"C R X2 100.3 900.3", refused(P::ReferencesOnOnePixel, R::X2), 0, true, false},
        {"C V Y2 0", refused(P::EqualValues, R::Y2), 0, true, false},
        {"C L X", refused(P::NotPositiveOnLogAxis, R::X1), 0, true, false},
        {"C L Y V Y1 -1", refused(P::NotPositiveOnLogAxis, R::Y1), 0, true, false},
        // Y placed 1 degree off the X axis: |sin| 0.017 is below 0.02.
        {"C R Y2 900 886.036", refused(P::NoTwoAxisDirections, R::X1), 0, true, false},
        {"C V X1 1 L X", {}, 0, true, false},
        {"N 1 9 N 9 9 N 1 9 N 1 1 N 5 5 V X1 0 V X2 1 V Y1 0 V Y2 1", {}, 1, true, false, PixelPoint{5, 5}},
        {"C p 1 1 p 2 1 p 3 1 p 4 1 p 5 1 p 6 1 p 7 1 p 8 1 p 9 1 p 1 2 p 1 3 N 1 4", {}, 10, true, false},
        {"C p 1 2 p 3 4 u u r", {}, 1, true, true, PixelPoint{1, 2}},
        {"C p 1 2 u p 5 6", {}, 1, true, false, PixelPoint{5, 6}},
        {"C p 10 10 n 1 0 n 0.1 0 n 0 -1 u", {}, 1, true, true, PixelPoint{10, 10}},
        {"C p 10 10 p 20 20 n 1 0 s 0 n 0 2 u", {}, 2, true, true, PixelPoint{10, 10}},
        {"C p 10 10 m 30 30 d u", {}, 1, true, true, PixelPoint{30, 30}},
        {"C p 10 10 p 20 20 s 0 d", {}, 1, true, false, PixelPoint{20, 20}},
        {"C V Y2 100 V Y2 0 u", {}, 0, true, true},
        {"d n 1 1 m 1 1 s 4 p nan 1 p 1 2e6 V X1 inf u r", CalibrationRefusal{}, 0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        ChartDocument d;
        RunSteps(d, row.steps);
        const auto made = d.calibration();
        const CalibrationRefusal* refusal = std::get_if<CalibrationRefusal>(&made);
        EXPECT_EQ(refusal ? std::optional(*refusal) : std::nullopt, row.refusal);
        EXPECT_EQ(static_cast<int>(d.points().size()), row.points);
        EXPECT_EQ(std::pair(d.canUndo(), d.canRedo()), std::pair(row.canUndo, row.canRedo));
        EXPECT_TRUE(!row.firstPoint || d.points().at(0) == *row.firstPoint);
    }
}

} // namespace
} // namespace mirendo::chart

// The calibration's refusals and the document's undo and redo, as rows of one table: each row
// runs its steps on a fresh document and states what the document then holds.
#include "core/chart/ChartDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

namespace mirendo::chart {
namespace {

using P = CalibrationProblem;
using R = Reference;

// A linear chart whose X axis runs right from (100, 900) and Y axis up from there.
void Calibrate(ChartDocument& d, double x2 = 10, double y2 = 100) {
    d.placeReference(R::X1, {100, 900});
    d.placeReference(R::X2, {900, 900});
    d.placeReference(R::Y1, {100, 900});
    d.placeReference(R::Y2, {100, 100});
    d.setReferenceValue(R::X1, 0);
    d.setReferenceValue(R::X2, x2);
    d.setReferenceValue(R::Y1, 0);
    d.setReferenceValue(R::Y2, y2);
}

struct Row {
    const char* name;
    std::function<void(ChartDocument&)> steps;
    std::optional<CalibrationRefusal> refusal; // nothing: calibrated
    int points;
    bool canUndo, canRedo;
    std::optional<PixelPoint> firstPoint = std::nullopt;
};

TEST(ChartDocument, RefusalsUndoAndRedo) {
    const Row rows[] = {
        {"nothing placed", [](ChartDocument&) {},
         CalibrationRefusal{P::ReferenceNotPlaced, ChartAxis::X, R::X1}, 0, false, false},
        {"Y2 not placed",
         [](ChartDocument& d) {
             Calibrate(d);
             d.undo(), d.undo(), d.undo(), d.undo(), d.undo();
         },
         CalibrationRefusal{P::ReferenceNotPlaced, ChartAxis::Y, R::Y2}, 0, true, true},
        {"value missing",
         [](ChartDocument& d) {
             Calibrate(d);
             d.clearReferenceValue(R::Y1);
         },
         CalibrationRefusal{P::ValueMissing, ChartAxis::Y, R::Y1}, 0, true, false},
        {"X references on one pixel",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placeReference(R::X2, {100.3, 900.3});
         },
         CalibrationRefusal{P::ReferencesOnOnePixel, ChartAxis::X, R::X2}, 0, true, false},
        {"equal Y values", [](ChartDocument& d) { Calibrate(d, 10, 0); },
         CalibrationRefusal{P::EqualValues, ChartAxis::Y, R::Y2}, 0, true, false},
        {"zero on a log axis",
         [](ChartDocument& d) {
             Calibrate(d);
             d.setScale(ChartAxis::X, AxisScale::Log);
         },
         CalibrationRefusal{P::NotPositiveOnLogAxis, ChartAxis::X, R::X1}, 0, true, false},
        {"negative on a log axis",
         [](ChartDocument& d) {
             Calibrate(d);
             d.setScale(ChartAxis::Y, AxisScale::Log);
             d.setReferenceValue(R::Y1, -1);
         },
         CalibrationRefusal{P::NotPositiveOnLogAxis, ChartAxis::Y, R::Y1}, 0, true, false},
        {"axes in one direction (1 degree apart)",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placeReference(R::Y2, {900, 900 - 800 * 0.017455});
         },
         CalibrationRefusal{P::NoTwoAxisDirections, ChartAxis::X, R::X1}, 0, true, false},
        {"log axis with positive values",
         [](ChartDocument& d) {
             Calibrate(d);
             d.setReferenceValue(R::X1, 1);
             d.setScale(ChartAxis::X, AxisScale::Log);
         },
         std::nullopt, 0, true, false},
        {"placing goes to the references first, then points",
         [](ChartDocument& d) {
             for (PixelPoint p : {PixelPoint{100, 900}, {900, 900}, {100, 900}, {100, 100}, {500, 500}})
                 d.placeNext(p);
             d.setReferenceValue(R::X2, 1), d.setReferenceValue(R::X1, 0);
             d.setReferenceValue(R::Y2, 1), d.setReferenceValue(R::Y1, 0);
         },
         std::nullopt, 1, true, false, PixelPoint{500, 500}},
        {"an eleventh point is refused",
         [](ChartDocument& d) {
             Calibrate(d);
             for (int i = 0; i < 11; ++i)
                 d.placePoint({200.0 + i, 300});
         },
         std::nullopt, 10, true, false},
        {"undo of a placing, redo brings it back",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placePoint({1, 2}), d.placePoint({3, 4});
             d.undo(), d.undo(), d.redo();
         },
         std::nullopt, 1, true, true, PixelPoint{1, 2}},
        {"a new step drops the redo",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placePoint({1, 2}), d.undo(), d.placePoint({5, 6});
         },
         std::nullopt, 1, true, false, PixelPoint{5, 6}},
        {"nudges of one point undo as one step",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placePoint({10, 10});
             d.nudgeSelection(1, 0), d.nudgeSelection(0.1, 0), d.nudgeSelection(0, -1);
             d.undo();
         },
         std::nullopt, 1, true, true, PixelPoint{10, 10}},
        {"nudges after another selection are their own step",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placePoint({10, 10}), d.placePoint({20, 20});
             d.nudgeSelection(1, 0), d.select(ChartSelection::point(0)), d.nudgeSelection(0, 2);
             d.undo();
         },
         std::nullopt, 2, true, true, PixelPoint{10, 10}},
        {"undo of a delete and of a move",
         [](ChartDocument& d) {
             Calibrate(d);
             d.placePoint({10, 10}), d.movePoint(0, {30, 30}), d.removeSelection();
             d.undo();
         },
         std::nullopt, 1, true, true, PixelPoint{30, 30}},
        {"undo of a calibration step",
         [](ChartDocument& d) {
             Calibrate(d);
             d.setReferenceValue(R::Y2, 100), d.setReferenceValue(R::Y2, 0);
             d.undo();
         },
         std::nullopt, 0, true, true},
        {"no step for what changes nothing or does not exist",
         [](ChartDocument& d) {
             d.setScale(ChartAxis::X, AxisScale::Linear), d.removePoint(0), d.movePoint(3, {1, 1});
             d.nudgeSelection(1, 1), d.placePoint({NAN, 1}), d.setReferenceValue(R::X1, INFINITY);
         },
         CalibrationRefusal{P::ReferenceNotPlaced, ChartAxis::X, R::X1}, 0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartDocument d;
        row.steps(d);
        const auto made = d.calibration();
        if (row.refusal)
            EXPECT_EQ(std::get<CalibrationRefusal>(made), *row.refusal);
        else
            EXPECT_TRUE(std::holds_alternative<Calibration>(made));
        EXPECT_EQ(static_cast<int>(d.points().size()), row.points);
        EXPECT_EQ(d.canUndo(), row.canUndo);
        EXPECT_EQ(d.canRedo(), row.canRedo);
        if (row.firstPoint) {
            EXPECT_EQ(d.points().at(0), *row.firstPoint);
        }
    }
}

} // namespace
} // namespace mirendo::chart

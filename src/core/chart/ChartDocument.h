#pragma once
// What the chart window edits: the four reference points (each placed or not, its value typed or
// not), the scale of each axis, up to ten points, and the selected item, with undo and redo of
// every placing, moving, deleting and calibration step. Selecting is no step; a step restores the
// selection it was made with. Consecutive nudges of one item merge into one step, so a key held
// down is undone at once.
#include "core/chart/Calibration.h"
#include "core/chart/ChartTypes.h"

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace mirendo::chart {

// The selected item: nothing, a reference point, or a point by its index (from 0, placing order).
struct ChartSelection {
    enum class Kind { None, Reference, Point };
    Kind kind = Kind::None;
    int index = 0; // the point's index, or static_cast<int>(Reference)

    static ChartSelection none() { return {}; }
    static ChartSelection point(int i) { return {Kind::Point, i}; }
    static ChartSelection reference(Reference r) { return {Kind::Reference, static_cast<int>(r)}; }
    friend bool operator==(const ChartSelection&, const ChartSelection&) = default;
};

// What a click or Enter places next: the first reference point not yet placed, in the order X1 X2
// Y1 Y2, else a point (nothing when ten points are placed).
struct NextPlacement {
    enum class Kind { Reference, Point, Full };
    Kind kind = Kind::Reference;
    Reference reference = Reference::X1;
    friend bool operator==(const NextPlacement&, const NextPlacement&) = default;
};

class ChartDocument {
  public:
    static constexpr int kMaxPoints = 10;

    struct ReferenceState {
        std::optional<PixelPoint> pixel;
        std::optional<double> value;
        friend bool operator==(const ReferenceState&, const ReferenceState&) = default;
    };

    // Every change below returns false and changes nothing (no undo step) when refused: an
    // eleventh point, an index or selection that does not exist, a non-finite coordinate or value,
    // a coordinate beyond kMaxPixelCoordinate, or a change to what already holds.
    bool placePoint(PixelPoint pixel); // selects the new point
    bool movePoint(int index, PixelPoint pixel);
    bool removePoint(int index); // a selected point passes it on: the next, else the last, else none
    bool placeReference(Reference reference, PixelPoint pixel); // placing or moving; selects it
    bool setReferenceValue(Reference reference, double value);
    bool clearReferenceValue(Reference reference);
    bool setScale(ChartAxis axis, AxisScale scale);
    // Places what is asked for next (nextPlacement()) at `pixel`.
    bool placeNext(PixelPoint pixel);
    // Moves the selected item (a point or a reference point) by (dx, dy) pixels.
    bool nudgeSelection(double dx, double dy);
    // Moves the selected item to `pixel` (a snap, a drag); one undo step.
    bool moveSelection(PixelPoint pixel);
    // Removes the selected point (a reference point is not removed: it is moved or retyped).
    bool removeSelection();

    bool select(ChartSelection selection); // false for an item that does not exist
    ChartSelection selection() const { return m_state.selection; }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    bool undo();
    bool redo();
    // Forgets every undo and redo step and the selection (a document just read from its file).
    void clearHistory();

    const std::vector<PixelPoint>& points() const { return m_state.points; }
    const ReferenceState& reference(Reference reference) const {
        return m_state.references[static_cast<int>(reference)];
    }
    AxisScale scale(ChartAxis axis) const { return axis == ChartAxis::X ? m_state.xScale : m_state.yScale; }
    // Where the selected item lies; nothing when none is selected.
    std::optional<PixelPoint> selectedPixel() const;

    NextPlacement nextPlacement() const;
    CalibrationInput calibrationInput() const;
    std::variant<Calibration, CalibrationRefusal> calibration() const;
    // The points in data units in the order a point file with them is read and ordered: ascending
    // X (stable for equal X), each value rounded to kDataDigits significant digits so that a point
    // file written from them reads back to the very same values. Empty without a calibration.
    std::vector<DataPoint> dataPoints() const;
    static constexpr int kDataDigits = 9;

  private:
    struct State {
        std::array<ReferenceState, kReferenceCount> references{};
        AxisScale xScale = AxisScale::Linear, yScale = AxisScale::Linear;
        std::vector<PixelPoint> points;
        ChartSelection selection;
        friend bool operator==(const State&, const State&) = default;
    };
    // Makes `next` the state, as one undo step (merged into the last when `mergeNudge`).
    bool commit(State next, bool mergeNudge = false);
    bool exists(ChartSelection selection) const;

    State m_state;
    std::vector<State> m_undo, m_redo;
    bool m_lastWasNudge = false;
};

} // namespace mirendo::chart

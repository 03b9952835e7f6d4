#pragma once
// The inverse question: every X inside the graph's X range where the loaded polynomial takes a
// given Y. The browser's "Y =" row, the batch window's "Y → X" and `mirendo-eval --inverse` all
// ask it here. No Qt here.
#include "state/Module1.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

// What the Y row shows when the curve never takes the Y inside the graph's X range, and when it
// takes it everywhere (a constant polynomial at that level).
inline constexpr std::string_view kNoCrossingText = "この範囲にはありません";
inline constexpr std::string_view kEverywhereText = "範囲内のすべての X";

struct Crossing {
    double x = 0;              // in data units
    std::string text;          // the readout notation of the X axis
    bool extrapolated = false; // outside the points' X range (IsOutsidePoints)
};

enum class CrossingOutcome {
    Found,          // `crossings` holds at least one X, ascending
    None,           // the curve does not take the Y inside the range
    Everywhere,     // the polynomial is constant at the Y
    NotANumber,     // the typed text holds no number
    NeedsPositiveY, // a logarithmic Y axis and Y <= 0
    NoRange,        // the graph's X range is unusable (start >= stop, or not positive on a log axis)
};

struct CrossingSearch {
    CrossingOutcome outcome = CrossingOutcome::None;
    std::vector<Crossing> crossings;
};

// Searches the polynomial the evaluation at X uses (SavedPolynomial), in the mode's space (ln Y on
// a logarithmic Y axis, ln X on a logarithmic X axis), over [XStart, XStop]. The polynomial is
// sampled once on a fine grid; each Y then brackets the sign changes of P - level on it and
// bisects them to the last bit, and checks the polynomial's extrema between grid points: one
// whose value shows as the Y in the evaluation's notation is a point where the curve only touches
// the level, one beyond the level holds two crossings closer together than the grid. So the
// evaluation at each reported X shows the asked Y back. The state must outlive the finder and its
// polynomial stay as it was.
class CrossingFinder {
  public:
    explicit CrossingFinder(const Module1& state);
    CrossingSearch find(double y) const;

  private:
    struct Extremum {
        int grid = 0; // the grid point it was found at
        double t = 0; // refined position, mode space
        double p = 0; // P(t)
        bool maximum = false;
    };
    double bisect(double ta, double tb, double fa, double fb, double level) const;

    const Module1& m_state;
    bool m_logX = false, m_logY = false;
    bool m_rangeOk = false;
    bool m_constant = false;
    std::vector<double> m_t, m_p; // the grid and P on it
    std::vector<Extremum> m_extrema;
};

// The search for the leading number of `inputText` (TypedNumber), the empty text refused as
// NotANumber.
CrossingSearch CrossingsAtY(const Module1& state, std::string_view inputText);

// The result row: the X texts ascending, each outside the points followed by " 外挿", joined by
// "、"; kNoCrossingText, kEverywhereText; empty for a refused search.
std::string CrossingsText(const CrossingSearch& search);

} // namespace mirendo

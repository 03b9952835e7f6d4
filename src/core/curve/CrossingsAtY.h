#pragma once
// The inverse question: every X inside the graph's X range where the loaded polynomial takes a
// given Y. The browser's "Y =" row, the batch window's "Y → X" and `mirendo-eval --inverse` all
// ask it here. No Qt here.
#include "core/state/Module1.h"
#include "core/text/Translate.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

// What the Y row shows when the curve never takes the Y inside the graph's X range, and when it
// takes it everywhere (a constant polynomial at that level).
inline constexpr std::string_view kNoCrossingText = QT_TRANSLATE_NOOP("BatchFile", "この範囲にはありません");
inline constexpr std::string_view kEverywhereText = QT_TRANSLATE_NOOP("BatchFile", "範囲内のすべての X");

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
// a logarithmic Y axis, ln X on a logarithmic X axis), over [XStart, XStop]. The extrema of the
// polynomial (the sign changes of its derivative, found the same way one derivative further
// down, on the saved Lagrange form expanded in extended precision) cut the range into pieces on which it
// is monotone, so each piece holds at most one crossing, whatever the range's width. A piece
// whose ends lie on both sides of the level is bisected on SavedPolynomial itself to the last
// bit. An end of a piece (an extremum or an end of the range) counts as meeting the level only
// when it differs from it by no more than the rounding of the evaluation in double precision, or
// when it is an end of the range on a point whose saved Y the level is and the crossing lies
// beyond it by no more than the rounding of the point's X; a run of such ends, where the curve
// stays that close to the level, is one crossing. The X texts carry more digits than the readout
// notation where that is needed for distinct crossings to show distinct texts, and for the
// evaluation at each text to show the asked Y.
// The state must outlive the finder and its polynomial stay as it was.
class CrossingFinder {
  public:
    explicit CrossingFinder(const Module1& state);
    CrossingSearch find(double y) const;

  private:
    struct Node {
        double t = 0;     // mode space
        double p = 0;     // SavedPolynomial(t); not finite where the evaluation overflows
        double noise = 0; // bound of the evaluation's rounding at t
        // At an end of the range on a point: the point's saved Y, and how far P may be from a
        // level there that is that Y (its slope times the rounding of the point's X).
        double pointY = 0, reach = -1;
    };
    bool below(double t, double p, double level) const;
    double bisect(double ta, double tb, double level) const;
    std::string text(double x, int extraDigits) const;

    const Module1& m_state;
    bool m_logX = false, m_logY = false;
    bool m_rangeOk = false;
    double m_center = 0, m_scale = 1;  // u = (t - center) / scale in the expansion
    std::vector<long double> m_powers; // P(center + scale u) in powers of u, lowest first
    std::vector<Node> m_nodes;         // range start, extrema ascending, range stop
};

// The search for the leading number of `inputText` (TypedNumber), the empty text refused as
// NotANumber.
CrossingSearch CrossingsAtY(const Module1& state, std::string_view inputText);

// The result row: the X texts ascending, each outside the points followed by " 外挿", joined by
// "、"; kNoCrossingText, kEverywhereText; empty for a refused search.
std::string CrossingsText(const CrossingSearch& search);

} // namespace mirendo

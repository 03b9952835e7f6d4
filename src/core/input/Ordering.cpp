#include "core/input/Ordering.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace mirendo {

bool IsStrictlyAscending(const Module1& state) {
    const int n = state.PointsInUse();
    bool ascending = true;
    for (int i = 1; i <= n - 1; ++i) {
        if (state.XData[i + 1] <= state.XData[i])
            ascending = false;
    }
    return ascending;
}

namespace {

// 0.01 * (to - from), the step that moves a point a hundredth of the way between two others.
// When the gap itself overflows (points near the ends of the double range) the two values are
// scaled first, so the moved point stays finite.
double HundredthOfGap(double from, double to) {
    const double gap = to - from;
    if (std::isfinite(gap))
        return 0.01 * gap;
    return 0.01 * to - 0.01 * from;
}

} // namespace

void OrderPoints(Module1& state) {
    const int n = state.PointsInUse();
    auto& x = state.XData;
    auto& y = state.YData;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (x[i] > x[j]) {
                std::swap(x[i], x[j]);
                std::swap(y[i], y[j]);
            }
        }
    }
    // The last-pair rule reaches down to XData(N-2); below two points there is no pair at all.
    if (n < 2)
        return;
    for (int i = 1; i <= n - 2; ++i) {
        if (x[i + 1] == x[i])
            x[i + 1] = x[i + 1] + HundredthOfGap(x[i + 1], x[i + 2]);
    }
    if (x[n] == x[n - 1]) {
        const double moved = x[n - 1] - HundredthOfGap(x[n - 2], x[n - 1]);
        if (moved < x[n]) {
            x[n - 1] = moved;
        } else if (n == 2 && x[1] != 0) {
            // With two points the neighbour below is the unused element 0 (normally 0), which lies
            // above a negative pair: moving towards it would put the first point past the second.
            // Move it down by a hundredth of its own size instead, so the pair stays ascending.
            x[1] = x[1] - 0.01 * std::fabs(x[1]);
        }
    }
}

bool OrderPointsIfNeeded(Module1& state) {
    if (IsStrictlyAscending(state))
        return false;
    OrderPoints(state);
    return true;
}

void UpdateRange(Module1& state, int i) {
    if (i < 1 || i > Module1::kMaxPoints)
        return;
    const double x = state.XData[i];
    const double y = state.YData[i];
    if (i == 1) {
        state.XMax = state.XMin = x;
        state.YMax = state.YMin = y;
        return;
    }
    if (x > state.XMax)
        state.XMax = x;
    if (x < state.XMin)
        state.XMin = x;
    if (y > state.YMax)
        state.YMax = y;
    if (y < state.YMin)
        state.YMin = y;
}

std::string FormatRangeValue(double value) {
    const bool plain = value >= -1000.0 && value <= 1000.0 && (value == 0.0 || std::fabs(value) >= 0.1);
    return plain ? FormatUpTo3Decimals(value) : FormatExponential(value, 3);
}

std::array<std::string, 4> RangeTexts(const Module1& state) {
    return {FormatRangeValue(state.XMin), FormatRangeValue(state.XMax), FormatRangeValue(state.YMin),
            FormatRangeValue(state.YMax)};
}

ScaleGate GateScales(double xMin, double yMin) {
    return {xMin > 0.0, yMin > 0.0};
}

std::string TableLine(double x, double y) {
    return GeneralText(x) + "  " + GeneralText(y);
}

PublishedPoints PublishEnteredPoints(Module1& state, const std::array<std::string, 4>& rangeLabelTexts) {
    PublishedPoints published;
    published.reordered = OrderPointsIfNeeded(state);
    const int n = state.PointsInUse();
    for (int i = 1; i <= n; ++i)
        published.tableLines.push_back(TableLine(state.XData[i], state.YData[i]));
    published.rangeTexts = rangeLabelTexts;
    // The range labels keep the values from the time of entry; a later correction may have put a
    // point below them, so the smallest point in use gates the logarithmic axes as well.
    double xMin = LeadingNumber(rangeLabelTexts[0]), yMin = LeadingNumber(rangeLabelTexts[2]);
    for (int i = 1; i <= n; ++i) {
        xMin = std::min(xMin, state.XData[i]);
        yMin = std::min(yMin, state.YData[i]);
    }
    const ScaleGate gate = GateScales(xMin, yMin);
    published.logXAllowed = gate.logXAllowed;
    published.logYAllowed = gate.logYAllowed;
    return published;
}

PublishedPoints PublishFilePoints(Module1& state, std::vector<std::string> fileLines) {
    PublishedPoints published;
    published.reordered = OrderPointsIfNeeded(state);
    published.tableLines = std::move(fileLines);
    published.enableAllOptionsFirst = true;
    if (state.PointsInUse() == 0)
        return published;
    published.rangeTexts = RangeTexts(state);
    const ScaleGate gate = GateScales(state.XMin, state.YMin);
    published.logXAllowed = gate.logXAllowed;
    published.logYAllowed = gate.logYAllowed;
    return published;
}

std::optional<PublishedPoints> TakePointFileRead(Module1& state, const std::string& path,
                                                 const PointFileRead& read) {
    if (!path.empty())
        state.FilePath = path;
    StorePointFileRead(state, read);
    if (!read.ok())
        return std::nullopt;
    return PublishFilePoints(state, read.lines);
}

} // namespace mirendo

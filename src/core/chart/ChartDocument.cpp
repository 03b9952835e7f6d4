#include "core/chart/ChartDocument.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace mirendo::chart {

namespace {

// A pixel the document takes: finite and no farther than a side file can keep it.
bool Placeable(PixelPoint p) {
    return std::abs(p.x) <= kMaxPixelCoordinate && std::abs(p.y) <= kMaxPixelCoordinate;
}

// The value as its `digits` significant digits write it, read back: what a point file holds.
double Rounded(double value, int digits) {
    const std::string text = SignificantText(value, digits);
    double read = value;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    return result.ec == std::errc() ? read : value;
}

} // namespace

bool ChartDocument::exists(ChartSelection selection) const {
    switch (selection.kind) {
    case ChartSelection::Kind::None:
        return true;
    case ChartSelection::Kind::Reference:
        return selection.index >= 0 && selection.index < kReferenceCount &&
               m_state.references[selection.index].pixel.has_value();
    case ChartSelection::Kind::Point:
        return selection.index >= 0 && selection.index < static_cast<int>(m_state.points.size());
    }
    return false;
}

bool ChartDocument::commit(State next, bool mergeNudge) {
    if (next == m_state)
        return false;
    const bool merge = mergeNudge && m_lastWasNudge && !m_undo.empty() && next.selection == m_state.selection;
    if (!merge)
        m_undo.push_back(m_state);
    m_redo.clear();
    m_state = std::move(next);
    m_lastWasNudge = mergeNudge;
    return true;
}

bool ChartDocument::placePoint(PixelPoint pixel) {
    if (!Placeable(pixel) || static_cast<int>(m_state.points.size()) >= kMaxPoints)
        return false;
    State next = m_state;
    next.points.push_back(pixel);
    next.selection = ChartSelection::point(static_cast<int>(next.points.size()) - 1);
    return commit(std::move(next));
}

bool ChartDocument::movePoint(int index, PixelPoint pixel) {
    if (!Placeable(pixel) || index < 0 || index >= static_cast<int>(m_state.points.size()))
        return false;
    State next = m_state;
    next.points[index] = pixel;
    return commit(std::move(next));
}

bool ChartDocument::removePoint(int index) {
    if (index < 0 || index >= static_cast<int>(m_state.points.size()))
        return false;
    State next = m_state;
    next.points.erase(next.points.begin() + index);
    if (next.selection.kind == ChartSelection::Kind::Point) {
        const int count = static_cast<int>(next.points.size());
        if (next.selection.index > index)
            --next.selection.index;
        else if (next.selection.index == index)
            next.selection =
                count == 0 ? ChartSelection::none() : ChartSelection::point(std::min(index, count - 1));
    }
    return commit(std::move(next));
}

bool ChartDocument::placeReference(Reference reference, PixelPoint pixel) {
    if (!Placeable(pixel))
        return false;
    State next = m_state;
    next.references[static_cast<int>(reference)].pixel = pixel;
    next.selection = ChartSelection::reference(reference);
    return commit(std::move(next));
}

bool ChartDocument::setReferenceValue(Reference reference, double value) {
    if (!std::isfinite(value))
        return false;
    State next = m_state;
    next.references[static_cast<int>(reference)].value = value;
    return commit(std::move(next));
}

bool ChartDocument::clearReferenceValue(Reference reference) {
    State next = m_state;
    next.references[static_cast<int>(reference)].value.reset();
    return commit(std::move(next));
}

bool ChartDocument::setScale(ChartAxis axis, AxisScale scale) {
    State next = m_state;
    (axis == ChartAxis::X ? next.xScale : next.yScale) = scale;
    return commit(std::move(next));
}

bool ChartDocument::placeNext(PixelPoint pixel) {
    const NextPlacement next = nextPlacement();
    switch (next.kind) {
    case NextPlacement::Kind::Reference:
        return placeReference(next.reference, pixel);
    case NextPlacement::Kind::Point:
        return placePoint(pixel);
    case NextPlacement::Kind::Full:
        return false;
    }
    return false;
}

std::optional<PixelPoint> ChartDocument::selectedPixel() const {
    const ChartSelection s = m_state.selection;
    switch (s.kind) {
    case ChartSelection::Kind::None:
        return std::nullopt;
    case ChartSelection::Kind::Reference:
        return m_state.references[s.index].pixel;
    case ChartSelection::Kind::Point:
        return m_state.points[s.index];
    }
    return std::nullopt;
}

bool ChartDocument::nudgeSelection(double dx, double dy) {
    const std::optional<PixelPoint> at = selectedPixel();
    if (!at || !std::isfinite(dx) || !std::isfinite(dy))
        return false;
    const PixelPoint to{at->x + dx, at->y + dy};
    if (!Placeable(to))
        return false;
    State next = m_state;
    if (next.selection.kind == ChartSelection::Kind::Point)
        next.points[next.selection.index] = to;
    else
        next.references[next.selection.index].pixel = to;
    return commit(std::move(next), true);
}

bool ChartDocument::moveSelection(PixelPoint pixel) {
    if (!Placeable(pixel))
        return false;
    const ChartSelection s = m_state.selection;
    switch (s.kind) {
    case ChartSelection::Kind::None:
        return false;
    case ChartSelection::Kind::Reference:
        return placeReference(static_cast<Reference>(s.index), pixel);
    case ChartSelection::Kind::Point:
        return movePoint(s.index, pixel);
    }
    return false;
}

bool ChartDocument::removeSelection() {
    if (m_state.selection.kind != ChartSelection::Kind::Point)
        return false;
    return removePoint(m_state.selection.index);
}

bool ChartDocument::select(ChartSelection selection) {
    if (!exists(selection))
        return false;
    m_state.selection = selection;
    m_lastWasNudge = false; // a nudge after another selection starts a step of its own
    return true;
}

bool ChartDocument::undo() {
    if (m_undo.empty())
        return false;
    m_redo.push_back(std::move(m_state));
    m_state = std::move(m_undo.back());
    m_undo.pop_back();
    m_lastWasNudge = false;
    return true;
}

bool ChartDocument::redo() {
    if (m_redo.empty())
        return false;
    m_undo.push_back(std::move(m_state));
    m_state = std::move(m_redo.back());
    m_redo.pop_back();
    m_lastWasNudge = false;
    return true;
}

void ChartDocument::clearHistory() {
    m_undo.clear();
    m_redo.clear();
    m_state.selection = ChartSelection::none();
    m_lastWasNudge = false;
}

NextPlacement ChartDocument::nextPlacement() const {
    for (Reference r : kReferences)
        if (!reference(r).pixel)
            return {NextPlacement::Kind::Reference, r};
    if (static_cast<int>(m_state.points.size()) >= kMaxPoints)
        return {NextPlacement::Kind::Full, Reference::X1};
    return {NextPlacement::Kind::Point, Reference::X1};
}

CalibrationInput ChartDocument::calibrationInput() const {
    CalibrationInput input;
    for (int i = 0; i < kReferenceCount; ++i) {
        input.pixels[i] = m_state.references[i].pixel;
        input.values[i] = m_state.references[i].value;
    }
    input.xScale = m_state.xScale;
    input.yScale = m_state.yScale;
    return input;
}

std::variant<Calibration, CalibrationRefusal> ChartDocument::calibration() const {
    return Calibration::Make(calibrationInput());
}

std::vector<DataPoint> ChartDocument::dataPoints() const {
    const auto made = calibration();
    const Calibration* c = std::get_if<Calibration>(&made);
    if (!c)
        return {};
    std::vector<DataPoint> data;
    for (PixelPoint p : m_state.points) {
        const DataPoint d = c->toData(p);
        data.push_back({Rounded(d.x, kDataDigits), Rounded(d.y, kDataDigits)});
    }
    std::stable_sort(data.begin(), data.end(),
                     [](const DataPoint& a, const DataPoint& b) { return a.x < b.x; });
    return data;
}

} // namespace mirendo::chart

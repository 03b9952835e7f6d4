#include "core/curve/ValueGrid.h"

#include "core/text/NumberText.h"

#include <cmath>
#include <optional>

namespace mirendo {

namespace {

// Rounding may leave the last step a hair short of the stop; it still counts.
constexpr double kCountSlack = 1e-9;

std::optional<double> FiniteNumber(std::string_view text) {
    const std::optional<double> value = WholeNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

ValueGrid Refused(GridRefusal refusal, GridField field = GridField::None, double count = 0) {
    ValueGrid grid;
    grid.refusal = refusal;
    grid.field = field;
    grid.count = count;
    return grid;
}

// The refusal of a grid of `steps` whole steps, more than the cap: it says how many there would be.
ValueGrid TooMany(double steps) {
    return Refused(GridRefusal::TooMany, GridField::None, std::isfinite(steps) ? std::floor(steps) + 1 : 0);
}

// An empty grid with room for `count` values.
ValueGrid Sized(std::size_t count) {
    ValueGrid grid;
    grid.count = double(count);
    grid.values.reserve(count);
    return grid;
}

// The number of grid values for `steps` whole steps (a real number); nullopt beyond the cap.
std::optional<std::size_t> CountOf(double steps) {
    const double count = std::floor(steps + kCountSlack) + 1;
    if (!std::isfinite(count) || count > double(kMaxGridValues))
        return std::nullopt;
    return std::size_t(count);
}

} // namespace

ValueGrid LinearGrid(std::string_view startText, std::string_view stopText, std::string_view stepText) {
    const std::optional<double> start = FiniteNumber(startText);
    if (!start)
        return Refused(GridRefusal::NotANumber, GridField::Start);
    const std::optional<double> stop = FiniteNumber(stopText);
    if (!stop)
        return Refused(GridRefusal::NotANumber, GridField::Stop);
    const std::optional<double> typedStep = FiniteNumber(stepText);
    if (!typedStep)
        return Refused(GridRefusal::NotANumber, GridField::Step);
    if (*typedStep == 0)
        return Refused(GridRefusal::ZeroStep, GridField::Step);
    const double step = std::copysign(std::fabs(*typedStep), *stop - *start);
    // The span itself may overflow (-1E308 to 1E308): halves do not.
    const double steps = (*stop / 2 - *start / 2) / step * 2;
    const std::optional<std::size_t> count = CountOf(steps);
    if (!count)
        return TooMany(steps);
    ValueGrid grid = Sized(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        double x = *start + double(i) * step;
        // A value that should be 0 is left with the rounding of the steps before it.
        if (std::fabs(x) < 1e-9 * std::fabs(step))
            x = 0;
        grid.values.push_back(SignificantText(x, 15));
    }
    return grid;
}

ValueGrid PerDecadeGrid(std::string_view perDecadeText, std::string_view startText,
                        std::string_view stopText) {
    const std::optional<double> perDecade = FiniteNumber(perDecadeText);
    if (!perDecade)
        return Refused(GridRefusal::NotANumber, GridField::PerDecade);
    if (*perDecade < 1 || *perDecade != std::floor(*perDecade))
        return Refused(GridRefusal::PerDecadeCount, GridField::PerDecade);
    const std::optional<double> start = FiniteNumber(startText);
    if (!start)
        return Refused(GridRefusal::NotANumber, GridField::Start);
    const std::optional<double> stop = FiniteNumber(stopText);
    if (!stop)
        return Refused(GridRefusal::NotANumber, GridField::Stop);
    if (!(*start > 0))
        return Refused(GridRefusal::NeedsPositive, GridField::Start);
    if (!(*stop > 0))
        return Refused(GridRefusal::NeedsPositive, GridField::Stop);
    const double decades = std::log10(*stop) - std::log10(*start);
    const double steps = std::fabs(decades) * *perDecade;
    const std::optional<std::size_t> count = CountOf(steps);
    if (!count)
        return TooMany(steps);
    const double direction = decades < 0 ? -1 : 1;
    ValueGrid grid = Sized(*count);
    for (std::size_t k = 0; k < *count; ++k)
        grid.values.push_back(
            SignificantText(*start * std::pow(10.0, direction * double(k) / *perDecade), 12));
    return grid;
}

std::string GridLines(const ValueGrid& grid) {
    std::string lines;
    lines.reserve(grid.values.size() * 12);
    for (const std::string& value : grid.values) {
        lines += value;
        lines += '\n';
    }
    return lines;
}

} // namespace mirendo

#include "core/plot/AxisRules.h"

#include "core/plot/Plot.h"

namespace mirendo {

bool IsDecadeText(std::string_view text) {
    if (text.substr(0, 4) != "1.0E")
        return false;
    const std::string_view exponent = text.substr(4);
    const auto allDigits = [](std::string_view s) {
        for (char c : s)
            if (c < '0' || c > '9')
                return false;
        return !s.empty();
    };
    if (exponent == "00")
        return true;
    if (exponent.size() == 3 && (exponent[0] == '+' || exponent[0] == '-'))
        return allDigits(exponent.substr(1));
    // A negative three-digit exponent would read as positive from its last three characters.
    return exponent.size() == 4 && exponent[0] == '+' && allDigits(exponent.substr(1));
}

AxisCheck CheckDrawableAxis(bool logarithmic, double start, double stop, const std::string& startText,
                            const std::string& stopText) {
    if (!logarithmic)
        return {start < stop ? AxisFault::None : AxisFault::EmptyRange, false};
    if (!(start > 0))
        return {AxisFault::NonPositiveLogStart, false};
    if (!IsDecadeText(startText))
        return {AxisFault::MalformedDecade, false};
    if (!IsDecadeText(stopText))
        return {AxisFault::MalformedDecade, true};
    if (!(DecadeExponent(startText) < DecadeExponent(stopText)))
        return {AxisFault::EmptyRange, false};
    return {};
}

} // namespace mirendo

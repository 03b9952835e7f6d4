#pragma once
// Whether an axis can be drawn from its limits: what the browser asks of a saved file before it
// draws it, beside the axis code that draws it.
#include <string>
#include <string_view>

namespace mirendo {

// True when `text` is "1.0E" followed by "00", or by a sign and two digits, or by "+" and three
// digits: the forms whose last three characters give the decade exponent.
bool IsDecadeText(std::string_view text);

enum class AxisFault {
    None,
    EmptyRange,          // the start is not below the stop
    NonPositiveLogStart, // a logarithmic axis must start above zero
    MalformedDecade,     // a logarithmic limit text not of the form 1.0E+02 / 1.0E-02 / 1.0E00
};

struct AxisCheck {
    AxisFault fault = AxisFault::None;
    bool atStop = false; // the stop text is at fault rather than the start
};

// A linear axis needs a positive span; a logarithmic one a positive start and limit texts whose
// last three characters are decade exponents, the start's below the stop's.
AxisCheck CheckDrawableAxis(bool logarithmic, double start, double stop, const std::string& startText,
                            const std::string& stopText);

} // namespace mirendo

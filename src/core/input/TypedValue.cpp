#include "core/input/TypedValue.h"

#include "core/exchange/DecimalText.h"
#include "core/exchange/RequestFile.h"
#include "core/text/DecimalScan.h"
#include "core/text/NumberText.h"

#include <cmath>
#include <string>

namespace mirendo {

TypedValue ReadTypedValue(std::string_view text) {
    const std::optional<double> value = TypedNumber(text);
    if (!value)
        return {0, TypedFault::NoNumber};
    // The same number once more, now refused when a double cannot hold it.
    const std::string ascii = HalfWidthNumberText(text);
    const std::size_t start = ascii.find_first_not_of(" \t");
    const auto parts = ScanDecimalPrefix(std::string_view(ascii).substr(start), ExponentForms::Plain);
    const bool held = parts && exchange::ParseDecimal(std::string_view(ascii).substr(start, parts->length));
    return {*value, held ? TypedFault::None : TypedFault::BeyondDouble};
}

bool PointValueCarried(double value) {
    if (value > 0)
        return std::isfinite(value);
    return exchange::PointFieldCarries(value);
}

} // namespace mirendo

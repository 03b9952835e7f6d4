#include "core/exchange/DecimalText.h"

#include <cmath>
#include <cstdlib>

namespace mirendo::exchange {

std::optional<DecimalParts> ScanDecimal(std::string_view text, ExponentForms forms) {
    const auto parts = ScanDecimalPrefix(text, forms);
    if (!parts || parts->length != text.size())
        return std::nullopt;
    return parts;
}

std::string CanonicalDecimal(const DecimalParts& parts, long scale) {
    std::string text = parts.negative ? "-" : "";
    text += parts.intDigits.empty() ? std::string_view("0") : parts.intDigits;
    text.push_back('.');
    text += parts.fracDigits;
    text.push_back('e');
    text += std::to_string(parts.exponent - scale);
    return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
    const auto parts = ScanDecimal(text, ExponentForms::Plain);
    if (!parts)
        return std::nullopt;
    const double value = std::strtod(CanonicalDecimal(*parts, 0).c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0) {
        const auto nonZero = [](std::string_view digits) {
            return digits.find_first_not_of('0') != std::string_view::npos;
        };
        if (nonZero(parts->intDigits) || nonZero(parts->fracDigits))
            return std::nullopt;
    }
    return value;
}

} // namespace mirendo::exchange

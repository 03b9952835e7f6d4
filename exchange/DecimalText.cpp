#include "exchange/DecimalText.h"

#include <cmath>
#include <cstdlib>

namespace mirendo::exchange {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Digits(std::string_view s, std::size_t& i) {
    const std::size_t from = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return s.substr(from, i - from);
}

} // namespace

std::optional<DecimalParts> ScanDecimal(std::string_view s, ExponentForms forms) {
    DecimalParts parts;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        parts.negative = s[i] == '-';
        ++i;
    }
    parts.intDigits = Digits(s, i);
    if (i < s.size() && s[i] == '.') {
        parts.hasPoint = true;
        ++i;
        parts.fracDigits = Digits(s, i);
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty())
        return std::nullopt;
    if (i == s.size())
        return parts;
    const char c = s[i];
    if (c == 'E' || c == 'e' || (forms != ExponentForms::Plain && (c == 'D' || c == 'd'))) {
        ++i;
    } else if (!(forms == ExponentForms::RecordField && (c == '+' || c == '-'))) {
        return std::nullopt;
    }
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativeExponent = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    long exponent = 0;
    for (; i < s.size(); ++i) {
        if (!IsDigit(s[i]))
            return std::nullopt;
        if (exponent < 1000000)
            exponent = exponent * 10 + (s[i] - '0');
    }
    parts.exponent = negativeExponent ? -exponent : exponent;
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

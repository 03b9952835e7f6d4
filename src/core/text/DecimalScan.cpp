#include "core/text/DecimalScan.h"

namespace mirendo {

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

std::optional<DecimalParts> ScanDecimalPrefix(std::string_view s, ExponentForms forms) {
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
    parts.length = i;
    if (i == s.size())
        return parts;
    const char c = s[i];
    if (c == 'E' || c == 'e' || (forms != ExponentForms::Plain && (c == 'D' || c == 'd'))) {
        ++i;
    } else if (!(forms == ExponentForms::RecordField && (c == '+' || c == '-'))) {
        return parts;
    }
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativeExponent = s[i] == '-';
        ++i;
    }
    if (i == s.size() || !IsDigit(s[i]))
        return parts;
    long exponent = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        if (exponent < 1000000)
            exponent = exponent * 10 + (s[i] - '0');
    }
    parts.exponent = negativeExponent ? -exponent : exponent;
    parts.length = i;
    return parts;
}

} // namespace mirendo

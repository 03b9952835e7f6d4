#include "core/exchange/RequestFile.h"

#include "core/exchange/FixedFormat.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace mirendo::exchange {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr size_t kPointFieldWidth = 12; // E12.5: sign and "0.00000E+00"

// Lines 2 and 3: plain with up to three decimals inside -1000..1000, else one-decimal exponent form.
std::string SettingText(double value) {
    if (value >= -1000 && value <= 1000)
        return FormatUpTo3Decimals(value);
    return FormatExponential(value, 1);
}

// Only a value greater than zero gets '+': zero goes out as "-0.00000E+00", which reads as zero.
std::string SignedMagnitude(double value) {
    if (value > 0)
        return "+" + FormatExponential(value, 5);
    return "-" + FormatExponential(-value, 5);
}

// Splits text into lines at LF, dropping one CR before it. A last line without a line end counts.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// A free-form read takes the first value of the line; the rest of the line is not read.
std::string_view FirstValue(std::string_view line) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    size_t end = line.find_first_of(" \t,", start);
    if (end == std::string_view::npos)
        end = line.size();
    return line.substr(start, end - start);
}

} // namespace

std::string FormatRequest(int mode, double xStart, double xStop, int n, const double* xs, const double* ys) {
    n = std::clamp(n, 0, 10);
    std::string text;
    text += " " + std::to_string(mode) + " " + kLineEnd;
    text += SettingText(xStart) + kLineEnd;
    text += SettingText(xStop) + kLineEnd;
    text += " " + std::to_string(n) + " " + kLineEnd;
    for (int i = 1; i <= n; ++i) {
        text += SignedMagnitude(xs[i]);
        text += " ";
        text += SignedMagnitude(ys[i]);
        text += kLineEnd;
    }
    return text;
}

bool PointFieldCarries(double value) {
    if (value == 0)
        return true;
    if (!std::isfinite(value))
        return false;
    // Decided on the field exactly as written and read, so rounding to six digits is accounted for
    // (3.402825E+38 is written 3.40283E+38, beyond single precision).
    const std::string field = SignedMagnitude(value);
    if (field.size() != kPointFieldWidth)
        return false;
    const auto read = ParseEwField(field, 5, nullptr);
    return read && std::fabs(*read) >= std::numeric_limits<float>::min();
}

std::optional<Failure> CheckRequest(double xStart, double xStop, int n, const double* xs, const double* ys) {
    const auto notCarried = [](Subject subject, int point, double value) {
        Failure failure = Failure::Of(Cause::NotCarried);
        failure.subject = subject;
        failure.point = point;
        failure.item = GeneralText(value);
        return failure;
    };
    const double settings[2] = {xStart, xStop};
    for (int k = 0; k < 2; ++k) {
        if (!ParseFreeRealSingle(SettingText(settings[k])))
            return notCarried(k == 0 ? Subject::XStart : Subject::XStop, 0, settings[k]);
    }
    n = std::clamp(n, 0, 10);
    for (int i = 1; i <= n; ++i) {
        if (!PointFieldCarries(xs[i]))
            return notCarried(Subject::X, i, xs[i]);
        if (!PointFieldCarries(ys[i]))
            return notCarried(Subject::Y, i, ys[i]);
    }
    return std::nullopt;
}

RequestParse ParseRequest(std::string_view text) {
    RequestParse parse;
    const std::vector<std::string_view> lines = SplitLines(text);
    auto fail = [&](Failure failure, std::size_t lineNo) {
        failure.line = static_cast<int>(lineNo);
        parse.failure = std::move(failure);
        parse.value = {};
        return parse;
    };
    const auto header = [](Cause cause, Subject subject, std::string_view item = {}) {
        Failure failure = Failure::Of(cause);
        failure.subject = subject;
        failure.item = std::string(item);
        return failure;
    };
    static constexpr Subject kHeaders[4] = {Subject::ScaleMode, Subject::XStart, Subject::XStop,
                                            Subject::PointCount};
    EngineRequest& request = parse.value;
    for (size_t k = 0; k < 4; ++k) {
        if (k >= lines.size())
            return fail(header(Cause::EndedEarly, kHeaders[k]), k + 1);
        const std::string_view value = FirstValue(lines[k]);
        if (value.empty())
            return fail(header(Cause::NotANumber, kHeaders[k]), k + 1);
        if (k == 0 || k == 3) {
            const auto number = ParseFreeInteger(value);
            if (!number)
                return fail(header(Cause::NotAnInteger, kHeaders[k], value), k + 1);
            (k == 0 ? request.mode : request.n) = *number;
        } else {
            const auto number = ParseFreeRealSingle(value);
            if (!number)
                return fail(header(Cause::NotANumber, kHeaders[k], value), k + 1);
            (k == 1 ? request.xstart : request.xstop) = *number;
        }
    }
    const int n = request.n;
    if (n < 0 || n > 10)
        return fail(Failure::Of(Cause::TooManyPoints, n), 4);
    for (int i = 0; i < n; ++i) {
        const size_t lineNo = 5 + static_cast<size_t>(i);
        const auto inRecord = [&](Failure failure, int field) {
            failure.field = field;
            failure.subject = field == 1 ? Subject::X : Subject::Y;
            failure.point = i + 1;
            return failure;
        };
        if (lineNo > lines.size())
            return fail(inRecord(Failure::Of(Cause::EndedEarly, n), 1), lineNo);
        const std::string_view line = lines[lineNo - 1];
        // (E12.5,E13.5): columns 1-12 and 13-25; a shorter line reads as padded with blanks.
        const std::string_view xField = line.substr(0, std::min<size_t>(12, line.size()));
        const std::string_view yField = line.size() > 12 ? line.substr(12, 13) : std::string_view{};
        Failure refusal;
        const auto x = ParseEwField(xField, 5, &refusal);
        if (!x)
            return fail(inRecord(refusal, 1), lineNo);
        const auto y = ParseEwField(yField, 5, &refusal);
        if (!y)
            return fail(inRecord(refusal, 2), lineNo);
        request.x[static_cast<size_t>(i)] = *x;
        request.y[static_cast<size_t>(i)] = *y;
    }
    return parse;
}

} // namespace mirendo::exchange

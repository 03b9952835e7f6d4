// Points pasted into the manual entry: any bytes, any room left. A paste is taken whole or not at
// all, and every line taken gives exactly the two numbers written on it: the line is split here on
// its own (semicolons when it has one, else commas, and blanks) and each value read again by
// strtod, the decimal comma of a semicolon line as a point.
#include "FuzzCheck.h"
#include "core/input/PastedPoints.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
    return lines;
}

std::vector<std::string> Values(const std::string& line) {
    const std::string separators = line.find(';') != std::string::npos ? "; \t" : ", \t";
    std::vector<std::string> values;
    std::size_t from = 0;
    while (from <= line.size()) {
        const std::size_t to = std::min(line.find_first_of(separators, from), line.size());
        std::string value = line.substr(from, to - from);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (!value.empty())
            values.push_back(value);
        from = to + 1;
    }
    return values;
}

double ReadAgain(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    FUZZ_CHECK(text.find_first_not_of("0123456789+-.eE") == std::string::npos);
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int room = data[0] % 12;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const mirendo::PastedPoints pasted = mirendo::ReadPastedPoints(text, room);
    if (!pasted.ok()) {
        FUZZ_CHECK(pasted.points.empty());
        // A refusal names its line, unless it concerns the whole text (nothing in it, not text, too large).
        using C = mirendo::exchange::Cause;
        const C cause = pasted.failure->cause;
        FUZZ_CHECK((pasted.failure->line == 0) ==
                       (cause == C::NothingPasted || cause == C::NotText || cause == C::FileTooLarge) ||
                   (cause == C::NotText && pasted.failure->line >= 1));
        return 0;
    }
    const std::size_t n = pasted.points.size();
    FUZZ_CHECK(n >= 1 && n <= static_cast<std::size_t>(room));
    // One point a line, after at most one heading line without a digit.
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<std::string> lines =
        SplitLines(mirendo::HalfWidthNumberText(text.starts_with(bom) ? text.substr(bom.size()) : text));
    FUZZ_CHECK(lines.size() == n || lines.size() == n + 1);
    if (lines.size() == n + 1)
        FUZZ_CHECK(lines[0].find_first_of("0123456789") == std::string::npos);
    for (std::size_t i = 0; i < n; ++i) {
        const mirendo::PastedPoint& point = pasted.points[i];
        const std::vector<std::string> values = Values(lines[lines.size() - n + i]);
        FUZZ_CHECK(values.size() == 2 && values[0] == point.xText && values[1] == point.yText);
        FUZZ_CHECK(ReadAgain(point.xText) == point.x && ReadAgain(point.yText) == point.y);
    }
    return 0;
}

#include "core/exchange/ResultFile.h"

#include "core/exchange/BoundedFile.h"
#include "core/exchange/FixedFormat.h"

#include <algorithm>
#include <optional>

namespace mirendo::exchange {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Free-form values one after another; blanks, tabs, commas and line ends all separate.
class ValueReader {
  public:
    explicit ValueReader(std::string_view text) : m_text(text) {}

    std::string_view Next() {
        while (m_pos < m_text.size() && IsSeparator(m_text[m_pos]))
            ++m_pos;
        const size_t start = m_pos;
        while (m_pos < m_text.size() && !IsSeparator(m_text[m_pos]))
            ++m_pos;
        ++m_count;
        return m_text.substr(start, m_pos - start);
    }
    int count() const { return m_count; }

  private:
    static bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_count = 0;
};

} // namespace

std::string FormatResult(const EngineResult& result) {
    const int n = std::clamp(result.n, 0, 10);
    const int m = std::clamp(result.m, 0, 600);
    std::string text;
    text.reserve(64 + 48 * static_cast<size_t>(n) + 32 * static_cast<size_t>(m));
    text += FormatIw(result.mode, 2) + kLineEnd;
    text += FormatEw(result.xstart, 12, 5) + kLineEnd;
    text += FormatEw(result.xstop, 12, 5) + kLineEnd;
    text += FormatIw(n, 6) + kLineEnd;
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
        AppendEw(text, result.x[i], 14, 7);
        text += "  ";
        AppendEw(text, result.y[i], 14, 7);
        text += "  ";
        AppendEw(text, result.c[i], 14, 7);
        text += kLineEnd;
    }
    text += FormatIw(m, 6) + kLineEnd;
    for (size_t j = 0; j < static_cast<size_t>(m); ++j) {
        AppendEw(text, result.t[j], 14, 7);
        text += "  ";
        AppendEw(text, result.p[j], 14, 7);
        text += kLineEnd;
    }
    return text;
}

ResultRead ParseResult(std::string_view text) {
    ResultRead read;
    ValueReader reader(text);
    auto fail = [&](Cause cause, std::string_view item = {}, int code = 0) {
        ResultRead failed;
        failed.failure = Failure::Of(cause, code);
        failed.failure->field = reader.count();
        failed.failure->item = std::string(item);
        return failed;
    };
    auto readReal = [&](double& out) -> std::optional<ResultRead> {
        const std::string_view token = reader.Next();
        if (token.empty())
            return fail(Cause::EndedEarly);
        const auto value = ParseFreeReal(token);
        if (!value)
            return fail(Cause::NotANumber, token);
        out = *value;
        return std::nullopt;
    };
    auto readInteger = [&](int& out) -> std::optional<ResultRead> {
        const std::string_view token = reader.Next();
        if (token.empty())
            return fail(Cause::EndedEarly);
        const auto value = ParseFreeInteger(token);
        if (!value)
            return fail(Cause::NotANumber, token);
        out = *value;
        return std::nullopt;
    };

    LoadedResult& r = read.value;
    if (auto e = readInteger(r.scaleMode))
        return *e;
    if (auto e = readReal(r.xStart))
        return *e;
    if (auto e = readReal(r.xStop))
        return *e;
    if (auto e = readInteger(r.pointCount))
        return *e;
    if (r.pointCount < 0 || r.pointCount > 10)
        return fail(Cause::TooManyPoints, {}, r.pointCount);
    for (size_t i = 1; i <= static_cast<size_t>(r.pointCount); ++i) {
        if (auto e = readReal(r.x[i]))
            return *e;
        if (auto e = readReal(r.y[i]))
            return *e;
        if (auto e = readReal(r.coef[i]))
            return *e;
    }
    if (auto e = readInteger(r.sampleCount))
        return *e;
    if (r.sampleCount < 0 || r.sampleCount > 600)
        return fail(Cause::TooManySamples, {}, r.sampleCount);
    for (size_t j = 1; j <= static_cast<size_t>(r.sampleCount); ++j) {
        if (auto e = readReal(r.t[j]))
            return *e;
        if (auto e = readReal(r.p[j]))
            return *e;
    }
    return read;
}

ResultRead ReadResultFile(const std::string& path) {
    // Ten points and 450 samples take about 14 KB; anything far larger is another program's file.
    const FileRead file = ReadBoundedFile(path, kMaxResultBytes);
    if (file.ok())
        return ParseResult(file.bytes);
    ResultRead read;
    read.failure = Failure::OfFile(FileReadCause(file.error), path, file.code);
    return read;
}

} // namespace mirendo::exchange

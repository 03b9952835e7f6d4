#include "input/PointFileReader.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace mirendo {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

enum class LoadResult { Ok, CannotOpen, TooLarge };

// Reads at most kMaxFileBytes + 1 bytes, so a huge file costs no more than that.
LoadResult LoadBounded(const std::string& path, std::string& bytes) {
    std::error_code ec;
    // Only regular files: a folder reads as empty and a FIFO would block the window.
    if (!std::filesystem::is_regular_file(path, ec))
        return LoadResult::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return LoadResult::CannotOpen;
    bytes.assign(PointFileRead::kMaxFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return LoadResult::CannotOpen;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > PointFileRead::kMaxFileBytes)
        return LoadResult::TooLarge;
    return LoadResult::Ok;
}

// Checks the snapshot is short-lined text and returns where its content starts (after a UTF-8
// byte order mark), or the failure.
PointFileFailure CheckText(std::string_view bytes, std::size_t& start) {
    start = 0;
    if (bytes.size() > PointFileRead::kMaxFileBytes)
        return PointFileFailure::TooLarge;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return PointFileFailure::NotText;
    if (bytes.find('\0') != std::string_view::npos)
        return PointFileFailure::NotText;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        start = 3;
    std::size_t lineLength = 0;
    for (std::size_t i = start; i < bytes.size(); ++i) {
        if (IsLineEnd(bytes[i])) {
            lineLength = 0;
        } else if (++lineLength > PointFileRead::kMaxLineBytes) {
            return PointFileFailure::LineTooLong;
        }
    }
    return PointFileFailure::None;
}

// Position after the line end at `pos` (CR LF counts as one end).
std::size_t SkipLineEnd(std::string_view text, std::size_t pos) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

std::vector<std::string> SplitLines(std::string_view text, int maxLines) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<int>(lines.size()) < maxLines) {
        std::size_t end = pos;
        while (end < text.size() && !IsLineEnd(text[end]))
            ++end;
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end < text.size() ? SkipLineEnd(text, end) : end;
    }
    return lines;
}

// A whole decimal number: [sign] digits [. digits] | [sign] . digits, optional exponent.
std::optional<double> ParseNumber(std::string_view token) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        negative = token[i++] == '-';
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9')
        ++i, ++digits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < token.size() && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            ++i;
        if (i == expStart)
            return std::nullopt;
    }
    if (i != token.size())
        return std::nullopt;

    // from_chars takes no '+' sign and knows no locale; the syntax is already checked above.
    const std::string_view body = token.substr(mantissa);
    double value = 0;
    // Out of range either way (overflow, or a non-zero value too small for a double) is refused
    // rather than turned into infinity or a silent 0.
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || ptr != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

// The values of the file as one stream of items; line ends only separate.
class ItemStream {
  public:
    explicit ItemStream(std::string_view text) : m_text(text) {}

    // The next item's value, or the failure (OutOfItems, NotANumber).
    PointFileFailure next(double& value) {
        if (m_pos >= m_text.size())
            return PointFileFailure::OutOfItems;
        const bool lineStart = m_lineStart;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size()) {
            // Trailing blanks: an item only when they make up a whole (last) line.
            if (!lineStart)
                return PointFileFailure::OutOfItems;
            value = 0;
            m_lineStart = false;
            return PointFileFailure::None;
        }
        if (IsLineEnd(m_text[m_pos])) {
            if (!lineStart)
                return PointFileFailure::NotANumber; // a comma right before the line end
            m_pos = SkipLineEnd(m_text, m_pos);
            value = 0; // an empty (or blank) line is one empty item worth 0
            return PointFileFailure::None;
        }
        if (m_text[m_pos] == ',')
            return PointFileFailure::NotANumber;

        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && m_text[m_pos] != ',' &&
               !IsLineEnd(m_text[m_pos]))
            ++m_pos;
        const auto number = ParseNumber(m_text.substr(start, m_pos - start));
        if (!number)
            return PointFileFailure::NotANumber;
        value = *number;
        consumeSeparator();
        return PointFileFailure::None;
    }

  private:
    void consumeSeparator() {
        m_lineStart = false;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size())
            return;
        if (m_text[m_pos] == ',') {
            ++m_pos;
        } else if (IsLineEnd(m_text[m_pos])) {
            m_pos = SkipLineEnd(m_text, m_pos);
            m_lineStart = true;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_lineStart = true;
};

void UpdateReadRange(PointFileRead& read, int i) {
    if (i == 1) {
        read.xMin = read.xMax = read.x[1];
        read.yMin = read.yMax = read.y[1];
        return;
    }
    if (read.x[i] > read.xMax)
        read.xMax = read.x[i];
    if (read.x[i] < read.xMin)
        read.xMin = read.x[i];
    if (read.y[i] > read.yMax)
        read.yMax = read.y[i];
    if (read.y[i] < read.yMin)
        read.yMin = read.y[i];
}

} // namespace

PointFileRead ReadPointText(const std::string& bytes) {
    PointFileRead read;
    std::size_t start = 0;
    read.failure = CheckText(bytes, start);
    if (!read.ok())
        return read;
    const std::string_view text = std::string_view(bytes).substr(start);

    read.lines = SplitLines(text, PointFileRead::kMaxListedLines);
    read.pointCount = static_cast<int>(read.lines.size());

    ItemStream items(text);
    for (int i = 1; i <= read.pointCount; ++i) {
        if (i > PointFileRead::kMaxPoints) {
            read.failure = PointFileFailure::TooManyLines;
            return read;
        }
        read.failure = items.next(read.x[i]);
        if (!read.ok())
            return read;
        read.failure = items.next(read.y[i]);
        if (!read.ok())
            return read;
        read.pointsRead = i;
        UpdateReadRange(read, i);
    }
    return read;
}

PointFileRead ReadPointFile(const std::string& path) {
    std::string bytes;
    switch (LoadBounded(path, bytes)) {
    case LoadResult::CannotOpen: {
        PointFileRead read;
        read.failure = PointFileFailure::CannotOpen;
        return read;
    }
    case LoadResult::TooLarge: {
        PointFileRead read;
        read.failure = PointFileFailure::TooLarge;
        return read;
    }
    case LoadResult::Ok:
        break;
    }
    return ReadPointText(bytes);
}

void StorePointFileRead(Module1& state, const PointFileRead& read) {
    for (int i = 1; i <= Module1::kMaxPoints; ++i) {
        state.XData[i] = read.x[i];
        state.YData[i] = read.y[i];
    }
    state.PointCount = read.pointCount;
    if (read.pointsRead > 0) {
        state.XMin = read.xMin;
        state.XMax = read.xMax;
        state.YMin = read.yMin;
        state.YMax = read.yMax;
    }
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (LoadBounded(path, bytes) != LoadResult::Ok)
        return false;
    std::size_t start = 0;
    if (CheckText(bytes, start) != PointFileFailure::None)
        return false;
    lines = SplitLines(std::string_view(bytes).substr(start), PointFileRead::kMaxListedLines);
    return true;
}

} // namespace mirendo

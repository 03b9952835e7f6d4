#include "input/PointFileReader.h"

#include "exchange/BoundedFile.h"
#include "exchange/DecimalText.h"

#include <limits>
#include <string_view>
#include <utility>

namespace mirendo {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads at most kMaxFileBytes + 1 bytes of a regular file, so a huge file costs no more than that
// and a FIFO never blocks the window.
PointFileFailure LoadBounded(const std::string& path, std::string& bytes) {
    exchange::FileRead file = exchange::ReadBoundedFile(path, PointFileRead::kMaxFileBytes);
    if (file.error == exchange::FileReadError::TooLarge)
        return PointFileFailure::TooLarge;
    if (!file.ok())
        return PointFileFailure::CannotOpen;
    bytes = std::move(file.bytes);
    return PointFileFailure::None;
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
        const auto number = exchange::ParseDecimal(m_text.substr(start, m_pos - start));
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
    PointFileRead refused;
    refused.failure = LoadBounded(path, bytes);
    if (!refused.ok())
        return refused;
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

TextListing ListTextLines(const std::string& path) {
    TextListing listing;
    exchange::FileRead file =
        exchange::ReadBoundedFile(path, PointFileRead::kMaxFileBytes, exchange::OverCap::ReadPrefix);
    if (!file.ok())
        return listing;
    std::string_view text = file.bytes;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
        text.find('\0') != std::string_view::npos)
        return listing;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    listing.cut = file.size > file.bytes.size();
    if (listing.cut) {
        // The line the cap ends in goes on beyond it: drop it, unless it is the only one.
        const std::size_t lastEnd = text.find_last_of("\r\n");
        if (lastEnd != std::string_view::npos) {
            text = text.substr(0, lastEnd + 1);
        } else {
            std::size_t end = text.size();
            while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80)
                --end; // continuation bytes of a character the cap split
            if (end > 0 && static_cast<unsigned char>(text[end - 1]) >= 0xC0)
                --end; // its lead byte
            text = text.substr(0, end);
        }
    }
    listing.lines = SplitLines(text, std::numeric_limits<int>::max());
    listing.ok = true;
    return listing;
}

} // namespace mirendo

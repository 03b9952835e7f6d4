#include "input/PointFileReader.h"

#include "exchange/BoundedFile.h"
#include "exchange/DecimalText.h"

#include <limits>
#include <string_view>
#include <utility>

namespace mirendo {
namespace {

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
// A comma, or the semicolon that spreadsheets set to write decimal commas use instead.
bool IsComma(char c) {
    return c == ',' || c == ';';
}

// Reads at most kMaxFileBytes + 1 bytes of a regular file, so a huge file costs no more than that
// and a FIFO never blocks the window.
std::optional<Failure> LoadBounded(const std::string& path, std::string& bytes) {
    exchange::FileRead file = exchange::ReadBoundedFile(path, PointFileRead::kMaxFileBytes);
    if (file.error == exchange::FileReadError::TooLarge)
        return Failure::OfFile(Cause::FileTooLarge, path, int(PointFileRead::kMaxFileBytes));
    if (!file.ok())
        return Failure::OfFile(exchange::FileReadCause(file.error), path, file.code);
    bytes = std::move(file.bytes);
    return std::nullopt;
}

// The line (from 1) that the byte at `pos` lies in; CR LF ends one line.
int LineAt(std::string_view text, std::size_t pos) {
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
            ++line;
    return line;
}

// Checks the snapshot is short-lined text and returns where its content starts (after a UTF-8
// byte order mark), or the failure with the line it lies in (0 for the whole file).
std::optional<Failure> CheckText(std::string_view bytes, std::size_t& start) {
    start = 0;
    const auto atLine = [](Cause cause, int line, int code = 0) {
        Failure failure = Failure::Of(cause, code);
        failure.line = line;
        return failure;
    };
    if (bytes.size() > PointFileRead::kMaxFileBytes)
        return Failure::Of(Cause::FileTooLarge, int(PointFileRead::kMaxFileBytes));
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return Failure::Of(Cause::NotText);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        start = 3;
    const std::string_view text = bytes.substr(start);
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return atLine(Cause::NotText, LineAt(text, nul));
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLineEnd(text[i])) {
            lineStart = i + 1;
        } else if (i - lineStart + 1 > PointFileRead::kMaxLineBytes) {
            return atLine(Cause::LineTooLong, LineAt(text, i), int(PointFileRead::kMaxLineBytes));
        }
    }
    return std::nullopt;
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
    // `firstLine`: the file's line that `text` starts on.
    explicit ItemStream(std::string_view text, int firstLine = 1) : m_text(text), m_line(firstLine) {}

    // The next item's value, or the failure (EndedEarly, NotANumber, OutOfRange). After a
    // refused item, itemLine() and itemText() tell which it was.
    std::optional<Cause> next(double& value) {
        if (m_pos >= m_text.size())
            return Cause::EndedEarly;
        const bool lineStart = m_lineStart;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        m_itemLine = m_line;
        m_itemText = {};
        if (m_pos >= m_text.size()) {
            // Trailing blanks: an item only when they make up a whole (last) line.
            if (!lineStart)
                return Cause::EndedEarly;
            value = 0;
            m_lineStart = false;
            return std::nullopt;
        }
        if (IsLineEnd(m_text[m_pos])) {
            if (!lineStart)
                return Cause::NotANumber; // a comma right before the line end
            skipLineEnd();
            value = 0; // an empty (or blank) line is one empty item worth 0
            return std::nullopt;
        }
        if (IsComma(m_text[m_pos]))
            return Cause::NotANumber;

        if (m_text[m_pos] == '"') {
            // A spreadsheet quotes its fields: the number is what stands between the quotes.
            const std::size_t start = m_pos + 1;
            std::size_t end = start;
            while (end < m_text.size() && m_text[end] != '"' && !IsLineEnd(m_text[end]))
                ++end;
            m_itemText = m_text.substr(start, end - start);
            if (end >= m_text.size() || m_text[end] != '"')
                return Cause::NotANumber;
            m_pos = end + 1;
        } else {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && !IsComma(m_text[m_pos]) &&
                   !IsLineEnd(m_text[m_pos]))
                ++m_pos;
            m_itemText = m_text.substr(start, m_pos - start);
        }
        const auto number = exchange::ParseDecimal(m_itemText);
        if (!number) {
            // A well-formed number the double cannot hold is told apart from a word.
            return exchange::ScanDecimal(m_itemText, exchange::ExponentForms::Plain) ? Cause::OutOfRange
                                                                                     : Cause::NotANumber;
        }
        value = *number;
        consumeSeparator();
        return std::nullopt;
    }

    int itemLine() const { return m_itemLine; }
    std::string_view itemText() const { return m_itemText; }

  private:
    void consumeSeparator() {
        m_lineStart = false;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size())
            return;
        if (IsComma(m_text[m_pos])) {
            ++m_pos;
        } else if (IsLineEnd(m_text[m_pos])) {
            skipLineEnd();
            m_lineStart = true;
        }
    }
    void skipLineEnd() {
        m_pos = SkipLineEnd(m_text, m_pos);
        ++m_line;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_lineStart = true;
    int m_line;
    int m_itemLine = 0;
    std::string_view m_itemText;
};

// A first line of names (a spreadsheet's "X,Y" heading): something is written on it, but none of
// its fields is a number.
bool IsHeading(std::string_view line) {
    bool written = false;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (IsBlank(line[pos]) || IsComma(line[pos]) || line[pos] == '"'))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos]) && !IsComma(line[pos]) && line[pos] != '"')
            ++pos;
        if (pos == start)
            continue;
        written = true;
        if (exchange::ScanDecimal(line.substr(start, pos - start), exchange::ExponentForms::Plain))
            return false;
    }
    return written;
}

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

    // One line beyond the listed ones tells a file of more than 100 lines.
    read.lines = SplitLines(text, PointFileRead::kMaxListedLines + 1);
    const bool overListLimit = read.lines.size() > std::size_t{PointFileRead::kMaxListedLines};
    if (overListLimit)
        read.lines.pop_back();
    // A heading is listed with the lines but is no point; the values start on the next line.
    std::string_view values = text;
    if (!read.lines.empty() && IsHeading(read.lines.front())) {
        read.headingLines = 1;
        const std::size_t end = text.find_first_of("\r\n");
        values = end == std::string_view::npos ? std::string_view() : text.substr(SkipLineEnd(text, end));
    }
    read.pointCount = static_cast<int>(read.lines.size()) - read.headingLines;

    ItemStream items(values, 1 + read.headingLines);
    // Reads one item of point i; on a failure records where it happened.
    const auto readItem = [&](int i, Subject subject, double& value) {
        const std::optional<Cause> refused = items.next(value);
        if (!refused) {
            PointFileRead::ItemSource& source = subject == Subject::X ? read.xSource[i] : read.ySource[i];
            source = {items.itemLine(), std::string(items.itemText())};
            return true;
        }
        Failure failure = Failure::Of(*refused);
        failure.subject = subject;
        failure.field = subject == Subject::X ? 1 : 2;
        failure.point = i;
        if (*refused == Cause::EndedEarly) {
            failure.line = i + read.headingLines; // point i stands on its own line
        } else {
            failure.line = items.itemLine();
            failure.item = std::string(items.itemText());
        }
        read.failure = failure;
        return false;
    };
    for (int i = 1; i <= read.pointCount; ++i) {
        if (i > PointFileRead::kMaxPoints) {
            Failure failure = overListLimit ? Failure::Of(Cause::TooManyLines, PointFileRead::kMaxListedLines)
                                            : Failure::Of(Cause::TooManyPoints, i);
            failure.line = i + read.headingLines;
            read.failure = failure;
            return read;
        }
        if (!readItem(i, Subject::X, read.x[i]) || !readItem(i, Subject::Y, read.y[i]))
            return read;
        read.pointsRead = i;
        UpdateReadRange(read, i);
    }
    double leftover = 0;
    if (items.next(leftover) != Cause::EndedEarly)
        read.leftoverLine = items.itemLine();
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

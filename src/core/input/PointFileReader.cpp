#include "core/input/PointFileReader.h"

#include "core/exchange/BoundedFile.h"
#include "core/exchange/DecimalText.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

namespace mirendo {
namespace {

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

// Reason codes of Cause::AmbiguousLine.
constexpr int kCommaReadsTwoWays = PointFileRead::kAmbiguousComma;
constexpr int kSpaceInNumber = PointFileRead::kAmbiguousSpace;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// How a line's commas read. A line with a semicolon is a spreadsheet's export with decimal commas:
// the semicolon separates its values and a comma is the decimal point. On any other line a comma
// separates. A line whose commas could mean either (decimal commas between values separated by
// blanks or tabs, or thousands separators) or whose digits are grouped by no-break spaces is
// refused rather than guessed.
struct LineReading {
    bool decimalComma = false;
    int ambiguity = 0; // 0, or the reason code of Cause::AmbiguousLine
};

LineReading ReadingOfLine(std::string_view line) {
    LineReading reading;
    if (line.find(';') != std::string_view::npos) {
        reading.decimalComma = true;
    } else {
        bool commaInNumber = false;
        bool blanksBetweenValues = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == ',' && i > 0 && i + 1 < line.size() && IsDigit(line[i - 1]) &&
                IsDigit(line[i + 1]))
                commaInNumber = true;
            if (IsBlank(line[i]) && i > 0 && !IsBlank(line[i - 1]) && line[i - 1] != ',') {
                std::size_t end = i;
                while (end < line.size() && IsBlank(line[end]))
                    ++end;
                if (end < line.size() && line[end] != ',')
                    blanksBetweenValues = true;
            }
        }
        if (commaInNumber && blanksBetweenValues)
            reading.ambiguity = kCommaReadsTwoWays;
    }
    // A no-break or thin space inside a number groups its digits in some locales and separates
    // values in others.
    for (const std::string_view space : {"\u00A0", "\u202F", "\u2009"}) {
        for (std::size_t at = line.find(space); at != std::string_view::npos; at = line.find(space, at + 1)) {
            const std::size_t after = at + space.size();
            if (at > 0 && IsDigit(line[at - 1]) && after < line.size() && IsDigit(line[after]))
                reading.ambiguity = kSpaceInNumber;
        }
    }
    return reading;
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

// The values of the file as one stream of items; line ends only separate. Each line is read the
// one way its separators allow (ReadingOfLine).
class ItemStream {
  public:
    // `firstLine`: the file's line that `text` starts on.
    explicit ItemStream(std::string_view text, int firstLine = 1) : m_text(text), m_line(firstLine) {
        startLine();
    }

    // The next item's value, or the failure (EndedEarly, NotANumber, OutOfRange, AmbiguousLine).
    // After a refused item, itemLine() and itemText() tell which it was; after an ambiguous line,
    // ambiguity() tells why.
    std::optional<Cause> next(double& value) {
        m_itemLine = m_line;
        m_itemText = {};
        const bool afterSeparator = std::exchange(m_afterSeparator, false);
        const bool lineStart = m_lineStart;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size()) {
            if (afterSeparator)
                return Cause::NotANumber; // a comma at the very end: an empty item beside it
            // Trailing blanks: an item only when they make up a whole (last) line.
            if (!lineStart || m_pos == 0 || IsLineEnd(m_text[m_pos - 1]))
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
        if (m_reading.ambiguity != 0)
            return Cause::AmbiguousLine;
        if (isSeparator(m_text[m_pos]))
            return Cause::NotANumber;

        std::string number;
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
            if (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && !isSeparator(m_text[m_pos]) &&
                !IsLineEnd(m_text[m_pos])) {
                // Text right after the closing quote: the field is not one quoted number.
                while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && !isSeparator(m_text[m_pos]) &&
                       !IsLineEnd(m_text[m_pos]))
                    ++m_pos;
                m_itemText = m_text.substr(start - 1, m_pos - start + 1);
                return Cause::NotANumber;
            }
            number = m_itemText;
        } else {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && !isSeparator(m_text[m_pos]) &&
                   !IsLineEnd(m_text[m_pos]))
                ++m_pos;
            m_itemText = m_text.substr(start, m_pos - start);
            number = m_itemText;
            if (m_reading.decimalComma)
                std::replace(number.begin(), number.end(), ',', '.');
        }
        const auto parsed = exchange::ParseDecimal(number);
        if (!parsed) {
            // A well-formed number the double cannot hold is told apart from a word.
            return exchange::ScanDecimal(number, exchange::ExponentForms::Plain) ? Cause::OutOfRange
                                                                                 : Cause::NotANumber;
        }
        value = *parsed;
        consumeSeparator();
        return std::nullopt;
    }

    int itemLine() const { return m_itemLine; }
    std::string_view itemText() const { return m_itemText; }
    int ambiguity() const { return m_reading.ambiguity; }

  private:
    // A semicolon line separates by semicolons only; its commas are decimal commas.
    bool isSeparator(char c) const { return c == (m_reading.decimalComma ? ';' : ','); }

    void consumeSeparator() {
        m_lineStart = false;
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size())
            return;
        if (isSeparator(m_text[m_pos])) {
            ++m_pos;
            m_afterSeparator = true;
        } else if (IsLineEnd(m_text[m_pos])) {
            skipLineEnd();
            m_lineStart = true;
        }
    }
    void skipLineEnd() {
        m_pos = SkipLineEnd(m_text, m_pos);
        ++m_line;
        startLine();
    }
    void startLine() {
        std::size_t end = m_pos;
        while (end < m_text.size() && !IsLineEnd(m_text[end]))
            ++end;
        m_reading = ReadingOfLine(m_text.substr(m_pos, end - m_pos));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_lineStart = true;
    bool m_afterSeparator = false;
    int m_line;
    LineReading m_reading;
    int m_itemLine = 0;
    std::string_view m_itemText;
};

// A first line of names (a spreadsheet's "X,Y" heading): something is written on it, but no
// digit. A line with digits is data, read or refused as such.
bool IsHeading(std::string_view line) {
    bool written = false;
    for (const char c : line) {
        if (IsDigit(c))
            return false;
        written = written || !IsBlank(c);
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
    // The lines are listed as written; the values are read with the number characters an input
    // method writes in full width as ASCII, as the boxes read them. The mapping keeps line ends.
    const std::string halfWidth = HalfWidthNumberText(text);
    std::string_view values = halfWidth;
    // A heading is listed with the lines but is no point; the values start on the next line. A
    // lone line is the data or nothing, never a heading.
    if (read.lines.size() > 1 && IsHeading(HalfWidthNumberText(read.lines.front()))) {
        read.headingLines = 1;
        const std::size_t end = values.find_first_of("\r\n");
        values = values.substr(SkipLineEnd(values, end));
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
        failure.point = i;
        if (*refused == Cause::AmbiguousLine) {
            // The whole line is refused, not one value of it.
            failure.line = items.itemLine();
            failure.code = items.ambiguity();
            read.failure = failure;
            return false;
        }
        failure.subject = subject;
        failure.field = subject == Subject::X ? 1 : 2;
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

#pragma once
// Reader of point files: one point per line, X then Y, separated by a comma (".csv") or by
// blanks (".dat"); either separator is accepted in either kind of file, and so are the forms
// spreadsheets write: numbers in double quotes, a semicolon for the comma on a line whose numbers
// have decimal commas ("1,5;2,5" is 1.5 and 2.5), and a first line of names ("X,Y") as a heading,
// which is listed but is no point. A heading holds no digit and is followed by another line.
//
// Each line is read one way only. A line with a semicolon separates by semicolons and blanks and
// reads its (unquoted) commas as decimal commas; any other line separates by commas and blanks.
// A line that could be read two ways is refused whole (AmbiguousLine): a comma between digits on
// a line whose values are also separated by blanks or tabs ("1,5<TAB>2,5", "1,234 5,678"), or a
// no-break or thin space between digits (a thousands grouping or a separator). Full-width digits,
// signs, points and the ideographic blank read as their ASCII forms, as in the number boxes.
//
// The read has two passes over the same bytes. The first lists the file's lines (at most 100)
// and counts them; every line counts as a point, an empty one included. The second reads the
// values as one stream of items, so line boundaries only separate items: item 2i-1 is X of point
// i and item 2i its Y. More than ten counted lines fail once ten points have been read.
//
// Items: blanks (spaces, tabs) before an item are skipped; an item ends at its line's separator
// (a comma, or a semicolon), at blanks or at a line end, and that separator is consumed with it
// (blanks followed by one separator or by one line end are a single separator). A line that is
// empty or holds only blanks supplies one empty item worth 0. Any other empty item (",,", a comma
// at the start or end of a line or of the text) is not a number; nor is a quoted item with text
// right after its closing quote. An item must be a whole decimal number: optional sign, digits
// with an optional point, optional exponent (E or e, optional sign, digits); anything else fails,
// as does a value beyond the double range. Asking for an item after the last one fails.
//
// Line ends: CR LF, LF or a lone CR; the last line may lack its end. A UTF-8 byte order mark at
// the start is skipped.
//
// Bounded reading: a valid file is at most ten short lines, so the reader takes at most
// kMaxFileBytes + 1 bytes from the disk and fails a larger file without listing it; a line longer
// than kMaxLineBytes, a NUL byte or a UTF-16 byte order mark fails too. The file is read once;
// both passes work on that snapshot, so a file that changes or vanishes meanwhile cannot mix two
// versions.
#include "core/exchange/Failure.h"
#include "core/state/Module1.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace mirendo {

struct PointFileRead {
    static constexpr std::size_t kMaxFileBytes = 64 * 1024;
    static constexpr std::size_t kMaxLineBytes = 4 * 1024;
    static constexpr int kMaxListedLines = 100;
    static constexpr int kMaxPoints = 10;
    // Why a line is ambiguous: a comma between digits beside blank-separated values, or a
    // no-break (or thin) space between digits.
    static constexpr int kAmbiguousComma = 1;
    static constexpr int kAmbiguousSpace = 2;

    // Why and where a read failed: the cause, the file's line (from 1; 0 when the failure
    // concerns the whole file), the value the item was read for (Subject::X or Y, and `field` 1
    // or 2), and for a refused item its text as written. The causes:
    //   FileMissing, FileUnreadable, FileNotRegular, FileReadFailed: the file could not be read
    //   FileTooLarge: more than kMaxFileBytes (`code`)
    //   LineTooLong: a line of more than kMaxLineBytes (`code`; its line)
    //   NotText: a NUL byte (its line) or a UTF-16 byte order mark (no line)
    //   TooManyPoints: an eleventh point was asked for (line 11), the file has at most 100 lines
    //   TooManyLines: the same, in a file of more than kMaxListedLines (`code`; line 11)
    //   EndedEarly: the file has no more items (the line and value of the point missing it)
    //   NotANumber: an item that is not a number (its line, value and text); empty beside a comma
    //   OutOfRange: a number beyond the double range, or non-zero digits that would read as 0
    //   AmbiguousLine: a line that could be read two ways (its line; `code` kAmbiguousComma or
    //   kAmbiguousSpace)
    std::optional<exchange::Failure> failure;
    bool ok() const { return !failure; }
    // A read that gives points to calculate with: no failure and one to ten points.
    bool givesPoints() const { return ok() && pointCount >= 1 && pointCount <= kMaxPoints; }

    // First pass: the lines without their line ends, at most 100. Empty when the file could not
    // be opened or was refused before listing (too large, not text).
    std::vector<std::string> lines;
    // 1 when the first line is a heading (names, no number): listed, but no point.
    int headingLines = 0;
    // Lines counted by the first pass (at most 100), less the heading; 1 when the file could not
    // be listed at all.
    int pointCount = 1;

    // Second pass: the items read, X(i) and Y(i) at index i (index 0 unused, unread entries 0).
    // On a failure these hold the items read before it, an X without its Y included.
    std::array<double, kMaxPoints + 1> x{};
    std::array<double, kMaxPoints + 1> y{};
    // Points whose both items were read; the range values below cover points 1 .. pointsRead
    // and are meaningful only when pointsRead > 0.
    int pointsRead = 0;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;

    // Where each item read stood: its line (from 1) and its text as written, without quotes
    // (full-width number characters as ASCII; a decimal comma kept as a comma).
    // Index i as in x and y. A paste, which takes one point a line, checks these.
    struct ItemSource {
        int line = 0;
        std::string text;
    };
    std::array<ItemSource, kMaxPoints + 1> xSource{}, ySource{};
    // The line of the first item left over after the last point (0: none); a point file ignores it.
    int leftoverLine = 0;
};

PointFileRead ReadPointFile(const std::string& path);

// The same reading on bytes already in memory (kMaxFileBytes is still enforced).
PointFileRead ReadPointText(const std::string& bytes);

// Stores a read in the shared state as the file dialog leaves it, failed or not: XData and
// YData(1..10) become the items read (0 where none), PointCount the lines counted, and XMin ..
// YMax cover the points read (left as they were when none was read).
void StorePointFileRead(Module1& state, const PointFileRead& read);

// Bounded listing of a text file's lines for display (the help window). Every line of a file of
// at most kMaxFileBytes is listed, whatever its length. A longer file is listed up to the last
// line end within its first kMaxFileBytes (a single longer line: that many bytes of it, ended at
// a whole UTF-8 character) and marked `cut`, so the window can say it shows only the beginning.
struct TextListing {
    bool ok = false; // false: missing, unreadable, not a regular file, or not text (NUL, UTF-16)
    std::vector<std::string> lines;
    bool cut = false;
};
TextListing ListTextLines(const std::string& path);

} // namespace mirendo

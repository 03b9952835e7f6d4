#pragma once
// Points pasted into the manual entry: rows of X and Y as a spreadsheet copies two columns (tab,
// comma, semicolon or blanks between them, one point a line, a first line without any digit as a
// heading). Read by the point-file reader, each line one way only (decimal commas on semicolon
// lines); a paste is stricter than a file in that every line must be exactly one pair, and it is
// taken whole or not at all. A lone line is never a heading: "abc" is refused on line 1.
#include "core/input/PointFileReader.h"

#include "core/exchange/Failure.h"

#include <optional>
#include <string>
#include <vector>

namespace mirendo {

struct PastedPoint {
    std::string xText, yText; // as written, without quotes
    double x = 0, y = 0;
};

struct PastedPoints {
    // Why the paste is refused, nothing of it entered: Cause::NothingPasted, NotAPair (`line`),
    // TooManyPasted (`line`, `code` the room left), or the reader's own failure on a line (a word
    // where a number belongs, say).
    std::optional<exchange::Failure> failure;
    std::vector<PastedPoint> points;
    bool ok() const { return !failure; }
};

// `text`: the pasted text (UTF-8); `room`: how many more points the entry takes. Blank lines at
// the end (a copied column ends with a line end, some programs add one more) are no points.
PastedPoints ReadPastedPoints(std::string text, int room);

} // namespace mirendo

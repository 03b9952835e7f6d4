#pragma once
// Points pasted into the manual entry: rows of X and Y as a spreadsheet copies two columns (tab,
// comma, semicolon or blanks between them, one point a line, a first line without numbers as a
// heading). Read by the point-file reader; a paste is stricter than a file in that every line
// must be exactly one pair, and it is taken whole or not at all.
#include "input/PointFileReader.h"

#include <string>
#include <vector>

namespace mirendo {

enum class PasteRefusal {
    None,
    Empty,    // no point at all (nothing copied, or a heading alone)
    NotAPair, // a line that is no pair of numbers (`line`; `read` says why when it failed)
    TooMany,  // more points than `room` (`count` of them, at least; `line` the first too many)
};

struct PastedPoint {
    std::string xText, yText; // as written, without quotes
    double x = 0, y = 0;
};

struct PastedPoints {
    PasteRefusal refusal = PasteRefusal::None;
    int line = 0;              // the line refused, from 1, counting a heading
    int count = 0;             // points found (lines less the heading) when TooMany
    PointFileRead read;        // the reader's answer
    bool readersCause = false; // NotAPair: the reader's failure (a word, say) is why
    std::vector<PastedPoint> points;
    bool ok() const { return refusal == PasteRefusal::None; }
};

// `text`: the pasted text (UTF-8); `room`: how many more points the entry takes. Blank lines at
// the end (a copied column ends with a line end, some programs add one more) are no points.
PastedPoints ReadPastedPoints(std::string text, int room);

} // namespace mirendo

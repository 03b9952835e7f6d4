#include "input/PastedPoints.h"

#include <utility>

namespace mirendo {

namespace {

bool IsBlankOrLineEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The line that point i's items should stand on is its own, i after the heading; the first
// point whose items lie elsewhere shows the line at fault: the one before it when its X was
// still on that line (three or more values there), its own otherwise (one value, or empty).
int FirstLineNotAPair(const PointFileRead& read) {
    for (int i = 1; i <= read.pointsRead; ++i) {
        const int own = i + read.headingLines;
        if (read.xSource[i].line < own)
            return read.xSource[i].line;
        if (read.xSource[i].line != own || read.ySource[i].line != own)
            return own;
    }
    return read.leftoverLine;
}

} // namespace

PastedPoints ReadPastedPoints(std::string text, int room) {
    while (!text.empty() && IsBlankOrLineEnd(text.back()))
        text.pop_back();
    PastedPoints pasted;
    pasted.read = ReadPointText(text);
    const PointFileRead& read = pasted.read;
    const exchange::Cause cause = read.ok() ? exchange::Cause::FileUnreadable : read.failure->cause;
    if (!read.ok() && (cause == exchange::Cause::TooManyPoints || cause == exchange::Cause::TooManyLines)) {
        pasted.refusal = PasteRefusal::TooMany;
        pasted.count = read.pointCount;
        pasted.line = read.failure->line;
        return pasted;
    }
    // A line out of pairs shifts the items after it, so it comes before whatever the reader
    // stumbled on further down.
    const int unpaired = FirstLineNotAPair(read);
    if (!read.ok() || unpaired > 0) {
        pasted.refusal = PasteRefusal::NotAPair;
        pasted.readersCause = unpaired == 0 || (!read.ok() && read.failure->line < unpaired);
        pasted.line = pasted.readersCause ? read.failure->line : unpaired;
        return pasted;
    }
    if (read.pointsRead == 0) {
        pasted.refusal = PasteRefusal::Empty;
        return pasted;
    }
    if (read.pointsRead > room) {
        pasted.refusal = PasteRefusal::TooMany;
        pasted.count = read.pointsRead;
        pasted.line = room + 1 + read.headingLines;
        return pasted;
    }
    for (int i = 1; i <= read.pointsRead; ++i)
        pasted.points.push_back({read.xSource[i].text, read.ySource[i].text, read.x[i], read.y[i]});
    return pasted;
}

} // namespace mirendo

#include "core/input/PastedPoints.h"

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
    using exchange::Cause;
    using exchange::Failure;
    while (!text.empty() && IsBlankOrLineEnd(text.back()))
        text.pop_back();
    PastedPoints pasted;
    const PointFileRead read = ReadPointText(text);
    const auto refuse = [&pasted](Cause cause, int line, int code = 0) {
        Failure failure = Failure::Of(cause, code);
        failure.line = line;
        pasted.failure = failure;
        return pasted;
    };
    if (!read.ok() &&
        (read.failure->cause == Cause::TooManyPoints || read.failure->cause == Cause::TooManyLines))
        return refuse(Cause::TooManyPasted, read.failure->line, room);
    // A line out of pairs shifts the items after it, so it comes before whatever the reader
    // stumbled on further down. The reader's own cause (a word, say) is kept, except for a value
    // missing at the end, which is one more line that is no pair.
    const int unpaired = FirstLineNotAPair(read);
    if (!read.ok() && (unpaired == 0 || read.failure->line < unpaired)) {
        if (read.failure->cause == Cause::EndedEarly)
            return refuse(Cause::NotAPair, read.failure->line);
        pasted.failure = read.failure;
        return pasted;
    }
    if (unpaired > 0)
        return refuse(Cause::NotAPair, unpaired);
    if (read.pointsRead == 0)
        return refuse(Cause::NothingPasted, 0);
    if (read.pointsRead > room)
        return refuse(Cause::TooManyPasted, room + 1 + read.headingLines, room);
    for (int i = 1; i <= read.pointsRead; ++i)
        pasted.points.push_back({read.xSource[i].text, read.ySource[i].text, read.x[i], read.y[i]});
    return pasted;
}

} // namespace mirendo

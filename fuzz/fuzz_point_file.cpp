// Point files: the reader on any bytes, through the file path as the dialog calls it, then the
// dialog's hand-over (store, order, range texts) on what it read.
#include "FuzzCheck.h"
#include "core/input/Ordering.h"
#include "core/input/PointFileReader.h"
#include "core/state/Module1.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

std::string ScratchPath() {
    static const std::string path = "/tmp/mirendo-fuzz-points-" + std::to_string(::getpid()) + ".csv";
    return path;
}

bool SameRead(const mirendo::PointFileRead& a, const mirendo::PointFileRead& b) {
    const auto where = [](const mirendo::PointFileRead& r) {
        return r.failure ? std::tuple(int(r.failure->cause), r.failure->line, int(r.failure->subject),
                                      r.failure->item)
                         : std::tuple(-1, 0, 0, std::string());
    };
    return where(a) == where(b) && a.lines == b.lines && a.pointCount == b.pointCount &&
           a.pointsRead == b.pointsRead && a.x == b.x && a.y == b.y;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const mirendo::PointFileRead read = mirendo::ReadPointText(bytes);
    using R = mirendo::PointFileRead;

    FUZZ_CHECK(read.lines.size() <= static_cast<size_t>(R::kMaxListedLines));
    FUZZ_CHECK(read.pointCount >= 0 && read.pointCount <= R::kMaxListedLines);
    FUZZ_CHECK(read.pointsRead >= 0 && read.pointsRead <= R::kMaxPoints);
    for (int i = 0; i <= R::kMaxPoints; ++i)
        FUZZ_CHECK(std::isfinite(read.x[i]) && std::isfinite(read.y[i]));
    FUZZ_CHECK(read.x[0] == 0 && read.y[0] == 0);
    for (int i = read.pointsRead + 2; i <= R::kMaxPoints; ++i)
        FUZZ_CHECK(read.x[i] == 0 && read.y[i] == 0);
    // Where a read failed: an item on a listed line, a missing value at its point's line, the
    // eleventh point at line 11; a refused item is one item, nothing around it.
    using F = mirendo::exchange::Cause;
    const F cause = read.failure ? read.failure->cause : F::FileUnreadable;
    const int failureLine = read.failure ? read.failure->line : 0;
    const std::string failureItem = read.failure ? read.failure->item : std::string();
    const bool itemRefused = read.failure && (cause == F::NotANumber || cause == F::OutOfRange);
    const bool fieldNamed = read.failure && read.failure->subject != mirendo::exchange::Subject::None;
    FUZZ_CHECK(fieldNamed == (itemRefused || (read.failure && cause == F::EndedEarly)));
    // A line read two ways is refused whole, naming its line and why.
    if (read.failure && cause == F::AmbiguousLine)
        FUZZ_CHECK(failureLine >= 1 && failureLine <= static_cast<int>(read.lines.size()) &&
                   (read.failure->code == R::kAmbiguousComma || read.failure->code == R::kAmbiguousSpace));
    FUZZ_CHECK(itemRefused || failureItem.empty());
    // One item: a quoted one may hold separators, never a line end.
    FUZZ_CHECK(failureItem.find_first_of("\r\n") == std::string::npos);
    // A heading is the first line, listed but no point.
    FUZZ_CHECK(read.headingLines == 0 || read.headingLines == 1);
    FUZZ_CHECK(read.headingLines == 0 || !read.lines.empty());
    if (itemRefused)
        FUZZ_CHECK(failureLine >= 1 && failureLine <= static_cast<int>(read.lines.size()));
    if (read.failure && cause == F::EndedEarly)
        FUZZ_CHECK(failureLine == read.pointsRead + 1 + read.headingLines);
    if (read.failure && (cause == F::TooManyPoints || cause == F::TooManyLines))
        FUZZ_CHECK(failureLine == R::kMaxPoints + 1 + read.headingLines);
    if (read.ok()) {
        FUZZ_CHECK(failureLine == 0);
        FUZZ_CHECK(read.pointCount <= R::kMaxPoints);
        FUZZ_CHECK(read.lines.size() == static_cast<size_t>(read.pointCount + read.headingLines));
        FUZZ_CHECK(read.pointsRead == read.pointCount);
    }
    // Every item read is a number written on its line, and gives exactly the value that strtod
    // reads from its text (a decimal comma, allowed on a semicolon line only, as a point); an
    // empty or blank line gives 0.
    for (int i = 1; i <= read.pointsRead; ++i) {
        for (const auto& [source, value] :
             {std::pair{read.xSource[i], read.x[i]}, {read.ySource[i], read.y[i]}}) {
            FUZZ_CHECK(source.line >= 1 && source.line <= static_cast<int>(read.lines.size()));
            const std::string line = mirendo::HalfWidthNumberText(read.lines[std::size_t(source.line - 1)]);
            FUZZ_CHECK(line.find(source.text) != std::string::npos);
            std::string text = source.text;
            FUZZ_CHECK(text.find_first_not_of("0123456789+-.eE,") == std::string::npos);
            FUZZ_CHECK(text.find(',') == std::string::npos || line.find(';') != std::string::npos);
            std::replace(text.begin(), text.end(), ',', '.');
            FUZZ_CHECK(std::strtod(text.c_str(), nullptr) == value);
        }
    }
    if (read.pointsRead > 0) {
        const auto xs = read.x.begin() + 1, ys = read.y.begin() + 1;
        FUZZ_CHECK(read.xMin == *std::min_element(xs, xs + read.pointsRead));
        FUZZ_CHECK(read.xMax == *std::max_element(xs, xs + read.pointsRead));
        FUZZ_CHECK(read.yMin == *std::min_element(ys, ys + read.pointsRead));
        FUZZ_CHECK(read.yMax == *std::max_element(ys, ys + read.pointsRead));
    }

    // The dialog reads by path; a snapshot on disk must read the same.
    if (std::FILE* f = std::fopen(ScratchPath().c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        FUZZ_CHECK(SameRead(mirendo::ReadPointFile(ScratchPath()), read));
    }

    // The hand-over of a successful read: ordered points, same multiset of X, finite range texts.
    mirendo::Module1 state;
    state.XMin = state.XMax = state.YMin = state.YMax = 7; // an earlier input's ranges
    mirendo::StorePointFileRead(state, read);
    FUZZ_CHECK(state.PointsInUse() <= mirendo::Module1::kMaxPoints);
    if (!read.ok())
        return 0;
    FUZZ_CHECK(state.PointCount == read.pointCount);
    const int n = state.PointsInUse();
    mirendo::OrderPointsIfNeeded(state);
    for (int i = 1; i <= n; ++i) {
        FUZZ_CHECK(std::isfinite(state.XData[i]) && std::isfinite(state.YData[i]));
        if (i > 1)
            FUZZ_CHECK(state.XData[i - 1] <= state.XData[i]);
    }
    for (const std::string& text : mirendo::RangeTexts(state))
        FUZZ_CHECK(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos);

    // Writing the points back as a file and reading it gives the same points.
    std::string again;
    for (int i = 1; i <= read.pointCount; ++i)
        again += mirendo::GeneralText(read.x[i]) + "," + mirendo::GeneralText(read.y[i]) + "\r\n";
    const mirendo::PointFileRead reread = mirendo::ReadPointText(again);
    FUZZ_CHECK(reread.ok() && reread.pointCount == read.pointCount);
    for (int i = 1; i <= read.pointCount; ++i)
        FUZZ_CHECK(mirendo::fuzz::Near(reread.x[i], read.x[i], 1e-14) &&
                   mirendo::fuzz::Near(reread.y[i], read.y[i], 1e-14));
    return 0;
}

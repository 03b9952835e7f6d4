// Point files: the reader on any bytes, through the file path as the dialog calls it, then the
// dialog's hand-over (store, order, range texts) on what it read.
#include "FuzzCheck.h"
#include "input/Ordering.h"
#include "input/PointFileReader.h"
#include "state/Module1.h"
#include "state/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string ScratchPath() {
    static const std::string path = "/tmp/mirendo-fuzz-points-" + std::to_string(::getpid()) + ".csv";
    return path;
}

bool SameRead(const mirendo::PointFileRead& a, const mirendo::PointFileRead& b) {
    return a.failure == b.failure && a.failureLine == b.failureLine && a.failureField == b.failureField &&
           a.failureItem == b.failureItem && a.lines == b.lines && a.pointCount == b.pointCount &&
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
    using F = mirendo::PointFileFailure;
    const bool itemRefused = read.failure == F::NotANumber || read.failure == F::OutOfRange;
    const bool fieldNamed = read.failureField != mirendo::PointField::None;
    FUZZ_CHECK(fieldNamed == (itemRefused || read.failure == F::OutOfItems));
    FUZZ_CHECK(itemRefused || read.failureItem.empty());
    FUZZ_CHECK(read.failureItem.find_first_of(", \t\r\n") == std::string::npos);
    if (itemRefused)
        FUZZ_CHECK(read.failureLine >= 1 && read.failureLine <= static_cast<int>(read.lines.size()));
    if (read.failure == F::OutOfItems)
        FUZZ_CHECK(read.failureLine == read.pointsRead + 1);
    if (read.failure == F::TooManyLines || read.failure == F::OverListLimit)
        FUZZ_CHECK(read.failureLine == R::kMaxPoints + 1);
    if (read.ok()) {
        FUZZ_CHECK(read.failureLine == 0);
        FUZZ_CHECK(read.pointCount <= R::kMaxPoints);
        FUZZ_CHECK(read.lines.size() == static_cast<size_t>(read.pointCount));
        FUZZ_CHECK(read.pointsRead == read.pointCount);
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

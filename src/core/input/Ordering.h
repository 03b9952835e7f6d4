#pragma once
// The steps both input dialogs run before the main window takes over their points: put them in
// ascending X order, move equal X values apart, keep and format the range values, decide which
// logarithmic scale options the data allows, and build what is handed to the main window.
// Plain C++: the dialogs let pending paints through themselves, where `reordered` says ordering ran.
#include "core/input/PointFileReader.h"
#include "core/input/PublishedPoints.h"
#include "core/state/Module1.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mirendo {

// True when XData(1..N) is strictly increasing (N = PointsInUse(); N of 0 or 1 counts as ordered).
bool IsStrictlyAscending(const Module1& state);

// Exchange sort of the points by X (Y travels with its X), then equal
// neighbours are moved apart by one hundredth of the distance to the next point (the last pair
// moves the lower one down towards XData(N-2), which is XData(0) when N = 2). A run of three or
// more equal values is not fully separated. XMin .. YMax are not touched.
void OrderPoints(Module1& state);

// The ascending check: runs OrderPoints when XData(1..N) is not strictly increasing.
// Returns whether it ran.
bool OrderPointsIfNeeded(Module1& state);

// Range update for point i as it arrives (i = 1 starts the ranges afresh). i outside
// 1 .. kMaxPoints is ignored.
void UpdateRange(Module1& state, int i);

// Text of one range value: "###0.0##" for 0 and for 0.1 <= |v| <= 1000, "0.000E+00" otherwise.
std::string FormatRangeValue(double value);

// The four range texts in label order Label31 XMin, Label32 XMax, Label33 YMin, Label34 YMax.
std::array<std::string, 4> RangeTexts(const Module1& state);

struct ScaleGate {
    bool logXAllowed = true; // false: " Log - Linear" and " Log - Log" are disabled
    bool logYAllowed = true; // false: " Linear - Log" and " Log - Log" are disabled
};
// A logarithmic axis needs a minimum above 0.
ScaleGate GateScales(double xMin, double yMin);

// Data table line of point i built from the stored values: "x  y" in the general number form.
std::string TableLine(double x, double y);

// Manual entry's finishing step: ascending check (with OrderPoints), table
// lines from the stored (ordered) values, the dialog's range label texts passed on as they stand,
// and the gating read from those texts (the values the user saw).
PublishedPoints PublishEnteredPoints(Module1& state, const std::array<std::string, 4>& rangeLabelTexts);

// File read's finishing step, after the points are in the state: ascending check (with
// OrderPoints), the file's lines as the table, range texts of XMin .. YMax, gating from XMin and
// YMin, all options enabled first. With no points the range texts are empty and nothing is gated:
// the range values in the state then belong to an earlier input, not to this file.
PublishedPoints PublishFilePoints(Module1& state, std::vector<std::string> fileLines);

// A point file's read taken into the state as the file dialog takes a clicked file: FilePath set
// (unless `path` is empty: text that is no file), the read stored (StorePointFileRead, a failed
// one as far as it got), and a read without failure published as PublishFilePoints does, with
// the file's lines as the table. A failed read gives nullopt.
std::optional<PublishedPoints> TakePointFileRead(Module1& state, const std::string& path,
                                                 const PointFileRead& read);

} // namespace mirendo

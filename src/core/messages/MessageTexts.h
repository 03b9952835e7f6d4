#pragma once
// The part of the messages that the console program mirendo-eval prints as well as the windows:
// why a saved curve was refused. Plain C++ returning UTF-8, so that the console program links no
// Qt at all; the windows reach these texts through Messages.h, which builds on them.
#include "core/chart/Calibration.h"
#include "core/chart/ChartFiles.h"
#include "core/curve/CurveArea.h"
#include "core/curve/ValueGrid.h"
#include "core/exchange/Failure.h"

#include <string>

namespace mirendo {

// Human name of graph-setting box `index` (0..5), e.g. "X 軸 開始値"; "" for any other index.
std::string SettingBoxNameText(int index);

// Why a saved curve (*-Mi.csv) was refused, in one line: "9 行目の 係数 が数値ではありません".
std::string ArchiveRefusalText(const exchange::Failure& failure);

// Why a file could not be taken at all, in words of its own for each cause: missing, no
// permission, a folder, a device or other special file, too large (`code` the cap in bytes where
// told), a failed read, not the kind of file asked for. Without the path, which the caller puts
// in front once. Empty for a cause about a file's contents.
std::string FileProblemText(const exchange::Failure& failure);

// mirendo-eval's words for standard output that could not be written (errno `code`, 0 unknown).
std::string OutputFailureText(int code);

// Why a grid of X values was refused, in one line, for the batch window's grid dialog and
// mirendo-eval alike ("増分が 0 です"); "" when it was not.
std::string GridRefusalText(const ValueGrid& grid);

// Why the area under the curve was refused; `typed` is the text of the box the refusal is about.
// Padded with ideographic blanks for a message box.
std::string AreaRefusalText(const Area& area, std::string_view typed);

// The chart window: why its four reference points give no calibration, and why a picture's side
// file (its calibration and points kept beside it) was not taken.
std::string ChartCalibrationText(const chart::CalibrationRefusal& refusal);
std::string ChartSideFileText(const chart::SideFileRefusal& refusal);

} // namespace mirendo

#pragma once
// The part of the messages that the console program mirendo-eval prints as well as the windows:
// why a saved curve was refused. Plain C++ returning UTF-8, so that the console program links no
// Qt at all; the windows reach these texts through Messages.h, which builds on them.
#include "exchange/Failure.h"

#include <string>

namespace mirendo {

// Human name of graph-setting box `index` (0..5), e.g. "X 軸 開始値"; "" for any other index.
std::string SettingBoxNameText(int index);

// Why a saved curve (*-Mi.csv) was refused, in one line: "9 行目の 係数 が数値ではありません".
std::string ArchiveRefusalText(const exchange::Failure& failure);

} // namespace mirendo

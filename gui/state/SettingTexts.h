#pragma once
// The six graph-setting texts as typed: the main window's boxes Text5..Text10, in that order,
// which is also the order an archive stores them in.
#include <array>
#include <cstddef>
#include <string>

namespace mirendo {

enum SettingBox : std::size_t { kXStartBox, kXStopBox, kXStepBox, kYStartBox, kYStopBox, kYStepBox };

using SettingTexts = std::array<std::string, 6>;

} // namespace mirendo

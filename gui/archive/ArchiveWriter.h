#pragma once
// Writing the interpolated-data file: its bytes from a calculation's shared state and setting
// texts, checked against the reader before a save writes them. No Qt.
#include "archive/ArchiveFile.h"

#include <string>
#include <string_view>

namespace mirendo {

// Why `text` cannot be stored as a setting line, or "" when it can. A comma or a line break
// would split the field and a leading double quote would be taken for a quoted field when the
// file is read back, shifting every later field.
std::string SettingTextProblem(std::string_view text);

struct ArchiveFormat {
    bool ok = false;
    std::string bytes;
    std::string error;   // one line, names the setting box or the value at fault
    int badSetting = -1; // 0..5 when a setting text was refused
};

// The file's bytes from the shared state and the six setting texts. Counts are clamped to the
// capacities so that the file always holds as many lines as its counts announce.
ArchiveFormat FormatArchive(const Module1& state, const SettingTexts& settings);

// The bytes FormatArchive gives, accepted only when ParseArchive accepts exactly these bytes, so
// that a save never writes a file the browser would refuse. A refusal names the setting box at
// fault (badSetting, and its name and text in `error`) when there is one.
ArchiveFormat FormatArchiveForSave(const Module1& state, const SettingTexts& settings);

} // namespace mirendo

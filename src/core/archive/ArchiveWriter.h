#pragma once
// Writing the interpolated-data file: its bytes from a calculation's shared state and setting
// texts, checked against the reader before a save writes them. No Qt.
#include "core/archive/ArchiveFile.h"
#include "core/exchange/Failure.h"

#include <optional>

#include <string>
#include <string_view>

namespace mirendo {

// Why `text` cannot be stored as a setting line (SettingHasComma, SettingHasLineBreak,
// SettingStartsQuoted), or nothing when it can. A comma or a line break would split the field and
// a leading double quote would be taken for a quoted field when the file is read back, shifting
// every later field.
std::optional<exchange::Cause> SettingTextProblem(std::string_view text);

// The file's bytes, or why they cannot be written: a setting text refused (Subject::Setting,
// `field` its box 1..6) or a value that is not finite (its subject and point).
using ArchiveFormat = exchange::Outcome<std::string>;

// The file's bytes from the shared state and the six setting texts. Counts are clamped to the
// capacities so that the file always holds as many lines as its counts announce.
ArchiveFormat FormatArchive(const Module1& state, const SettingTexts& settings);

// The bytes FormatArchive gives, accepted only when ParseArchive accepts exactly these bytes, so
// that a save never writes a file the browser would refuse. A refusal is the reader's failure,
// which names the setting box at fault (Subject::Setting) when there is one.
ArchiveFormat FormatArchiveForSave(const Module1& state, const SettingTexts& settings);

} // namespace mirendo

#pragma once
// The points typed by hand and the graph settings beside them, kept in a small file of the working
// folder while they exist nowhere else, so that a crash or a killed program loses none of them.
// The windows write it after every change and remove it once the points are saved, replaced by a
// file's, or the program ends through its start window; a start that finds it offers them back.
// Plain text, UTF-8, CR LF; the last line holds a checksum of everything before it, so a file
// damaged anywhere is refused as a whole rather than restored as other points.
#include "core/state/SettingTexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirendo {

// A dot-file: no file list of the program (or of a desktop's default view) shows it.
inline constexpr char kRecoveryFileName[] = ".mirendo-recovery";

struct TypedWork {
    std::vector<std::pair<double, double>> points; // 1 to 10 points (X, Y), in entry order
    int scaleMode = 1;                             // 1..4
    SettingTexts settings;                         // Text5..Text10 as typed
    bool operator==(const TypedWork&) const = default;
};

// The file's bytes. Values are written in their shortest exact form, so they read back as the
// same doubles; a setting's control characters and '%' are written as %XX.
std::string FormatTypedWork(const TypedWork& work);

// The work the bytes hold, or nothing when they are not exactly such a file: a wrong checksum,
// a line out of place, a mode outside 1..4, no or more than ten points, a value that is not a
// finite number.
std::optional<TypedWork> ParseTypedWork(std::string_view bytes);

// The checksum of the last line: 64-bit FNV-1a of every byte before that line.
unsigned long long RecoveryChecksum(std::string_view bytes);

struct RecoveryRead {
    enum class Found { None, Damaged, Work } found = Found::None;
    TypedWork work; // when Found::Work
};
// The file at `path`: none there, damaged (also unreadable, not a regular file, or longer than
// any such file gets), or the work.
RecoveryRead ReadRecoveryFile(const std::string& path);

} // namespace mirendo

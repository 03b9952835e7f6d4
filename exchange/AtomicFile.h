#pragma once
#include <string>
#include <string_view>

namespace mirendo::exchange {

// Writes `bytes` to `path` through a temporary file in the same folder and a rename, so a reader
// never sees half a file. Returns false and fills `error` (one line) on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

} // namespace mirendo::exchange

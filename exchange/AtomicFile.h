#pragma once
#include "exchange/Failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

enum class FileWriteError {
    None,
    CannotCreate,  // the temporary file beside the target could not be created
    WriteFailed,   // write() or close() of the temporary failed (a full disk, say)
    CannotReplace, // the rename onto the target failed (a folder of that name, say)
};

// How a write ended: the failed step and its errno, so each caller words the cause itself.
struct FileWrite {
    FileWriteError error = FileWriteError::None;
    int code = 0; // errno of the failed call; 0 when ok()
    bool ok() const { return error == FileWriteError::None; }
    // One English line for the engine's console: the failed step, `path` and the system's wording
    // of `code`.
    std::string reason(const std::string& path) const;
    // The failure family's value for the GUI's messages: Cause::WriteFailed with `path` and the
    // errno; nothing when ok().
    std::optional<Failure> failure(const std::string& path) const;
};

// Writes `bytes` to `path` through a temporary file in the same folder and a rename, so a reader
// never sees half a file and a failure leaves an existing file as it was.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace mirendo::exchange

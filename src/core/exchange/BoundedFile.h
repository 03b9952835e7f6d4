#pragma once
// Reading a whole small file by name without trusting what lies under that name: only a regular
// file is read, never more than the caller's cap, and opening never waits on a FIFO. Plain POSIX
// so that the statically linked engine stays small.
#include "core/exchange/Failure.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace mirendo::exchange {

enum class FileReadError {
    None,
    Missing,    // no such file
    CannotOpen, // open or fstat failed for another reason (permissions, say)
    NotRegular, // a folder, a FIFO, a device or a socket
    TooLarge,   // more than the cap (only with OverCap::Refuse)
    ReadFailed, // read() failed part-way
};

// What to do with a regular file longer than the cap.
enum class OverCap {
    Refuse,     // fail with TooLarge, also when the file grows past the cap while being read
    ReadPrefix, // read the first maxBytes and stop; for readers that never need what lies beyond
};

struct FileRead {
    FileReadError error = FileReadError::None;
    int code = 0;           // errno of the failed call; EISDIR for a folder; 0 otherwise
    std::uint64_t size = 0; // the size fstat gave for a regular file
    std::string bytes;      // the content when ok(), empty otherwise
    bool ok() const { return error == FileReadError::None; }
    // One English line for logs and the engine's console: the system's wording of `code`,
    // "not a regular file" or "larger than N bytes".
    std::string reason(std::size_t maxBytes) const;
};

// The failure family's cause for a failed read.
Cause FileReadCause(FileReadError error);

FileRead ReadBoundedFile(const std::string& path, std::size_t maxBytes, OverCap overCap = OverCap::Refuse);

} // namespace mirendo::exchange

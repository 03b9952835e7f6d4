#pragma once
#include "core/exchange/Failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

enum class FileWriteError {
    None,
    CannotCreate,  // the temporary file beside the target could not be created
    WriteFailed,   // write() or close() of the temporary failed (a full disk, say)
    CannotReplace, // the rename onto the target failed (a folder of that name, say)
    SyncFailed,    // the file or its folder could not be forced to disk (a failing device, say)
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
// never sees half a file and a failure leaves an existing file as it was. Nothing is forced to
// disk: for the exchange files, which live for one calculation and are written again by the next.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

// The system calls a durable save makes, one virtual function per step so that a test can record
// their order or make one fail. Each returns 0 or -1 with errno set, as the system calls do.
class SaveSteps {
  public:
    virtual ~SaveSteps() = default;
    virtual int write(int fd, std::string_view bytes); // all of `bytes`, retried on EINTR
    virtual int syncFile(int fd);                      // fsync
    virtual int rename(const char* from, const char* to);
    virtual int syncFolder(const std::string& folder); // fsync of the folder, for the rename
};

// Writes a file the user keeps: a temporary in the same folder, its bytes forced to disk, renamed
// over `path`, and the folder forced to disk so the rename itself survives a power cut. After a
// crash at any moment the file holds its old content or the new, never an empty or partial one.
// A folder whose file system cannot be synced (EINVAL) counts as done; any other failed step is
// reported, and before the rename it leaves an existing file as it was.
// The first form takes the steps from SetSaveSteps, so a window's save can be watched as a whole.
FileWrite SaveFileDurably(const std::string& path, std::string_view bytes);
FileWrite SaveFileDurably(const std::string& path, std::string_view bytes, SaveSteps& steps);

// Replaces the steps every durable save of the process uses (nullptr: the system's own); returns
// the previous ones. For tests.
SaveSteps* SetSaveSteps(SaveSteps* steps);

} // namespace mirendo::exchange

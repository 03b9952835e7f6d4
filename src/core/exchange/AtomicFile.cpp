#include "core/exchange/AtomicFile.h"
#include "core/exchange/RequestFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirendo::exchange {

namespace {

// Room left in a 255-byte name for the temporary's additions to the target's name.
constexpr std::size_t kMaxBaseInTemporary = 200;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

std::optional<Failure> FileWrite::failure(const std::string& path) const {
    if (ok())
        return std::nullopt;
    return Failure::OfFile(Cause::WriteFailed, path, code);
}

std::string FileWrite::reason(const std::string& path) const {
    const char* what = "";
    switch (error) {
    case FileWriteError::None:
        return {};
    case FileWriteError::CannotCreate:
        what = "cannot create a temporary file for ";
        break;
    case FileWriteError::WriteFailed:
        what = "cannot write ";
        break;
    case FileWriteError::CannotReplace:
        what = "cannot replace ";
        break;
    case FileWriteError::SyncFailed:
        what = "cannot force to disk ";
        break;
    }
    return what + path + ": " + std::strerror(code);
}

namespace {

struct Temporary {
    int fd = -1;
    std::string path;
};

// Creates a new temporary beside `path`: in the same folder so that the rename stays on one file
// system and is atomic; 0666 under the umask gives it the permissions of an ordinarily created
// file. On failure `fd` is -1 and errno says why.
Temporary CreateTemporary(const std::string& folder, const std::string& path) {
    const size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // A name near the system's limit must not fail for the temporary's longer name alone; cut at
    // a character boundary so the temporary's name stays valid UTF-8.
    if (base.size() > kMaxBaseInTemporary) {
        size_t cut = kMaxBaseInTemporary;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;
        base.resize(cut);
    }
    static std::atomic<unsigned> counter{0};
    Temporary temp;
    for (int attempt = 0; attempt < 100 && temp.fd < 0; ++attempt) {
        temp.path =
            folder + "." + base + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        temp.fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd < 0 && errno != EEXIST)
            break;
    }
    return temp;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Closes and removes the temporary after a failed step, keeping that step's errno.
FileWrite Abandon(const Temporary& temp, FileWriteError error, int code, bool open) {
    if (open)
        ::close(temp.fd);
    ::unlink(temp.path.c_str());
    return FileWrite{error, code};
}

} // namespace

int SaveSteps::write(int fd, std::string_view bytes) {
    return WriteAll(fd, bytes) ? 0 : -1;
}

int SaveSteps::syncFile(int fd) {
    return ::fsync(fd);
}

int SaveSteps::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int SaveSteps::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int synced = ::fsync(fd);
    const int code = errno;
    ::close(fd);
    errno = code;
    return synced;
}

FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const Temporary temp = CreateTemporary(FolderOf(path), path);
    if (temp.fd < 0)
        return FileWrite{FileWriteError::CannotCreate, errno};
    // No fsync: readers only need to never see half a file, which the rename gives; forcing the
    // bytes to disk would cost the engine more than its whole computation.
    if (!WriteAll(temp.fd, bytes))
        return Abandon(temp, FileWriteError::WriteFailed, errno, true);
    if (::close(temp.fd) != 0)
        return Abandon(temp, FileWriteError::WriteFailed, errno, false);
    // Over an existing regular file, exchange the two names and then remove the old content:
    // as atomic for readers as a rename, but ext4 forces the new data out to disk at a rename
    // that replaces a file (auto_da_alloc), which would cost more than the engine's whole run.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::renameat2(AT_FDCWD, temp.path.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.path.c_str());
        return {};
    }
    if (::rename(temp.path.c_str(), path.c_str()) != 0)
        return Abandon(temp, FileWriteError::CannotReplace, errno, false);
    return {};
}

namespace {
SaveSteps g_systemSteps;
std::atomic<SaveSteps*> g_steps{nullptr};
} // namespace

SaveSteps* SetSaveSteps(SaveSteps* steps) {
    return g_steps.exchange(steps);
}

FileWrite SaveFileDurably(const std::string& path, std::string_view bytes) {
    SaveSteps* steps = g_steps.load();
    return SaveFileDurably(path, bytes, steps ? *steps : g_systemSteps);
}

FileWrite SaveFileDurably(const std::string& path, std::string_view bytes, SaveSteps& steps) {
    const std::string folder = FolderOf(path);
    const Temporary temp = CreateTemporary(folder, path);
    if (temp.fd < 0)
        return FileWrite{FileWriteError::CannotCreate, errno};
    if (steps.write(temp.fd, bytes) != 0)
        return Abandon(temp, FileWriteError::WriteFailed, errno, true);
    // The bytes reach the disk before the name does: a rename that outran its data is how a
    // crash leaves an empty file under the new name and the old content gone.
    if (steps.syncFile(temp.fd) != 0)
        return Abandon(temp, FileWriteError::SyncFailed, errno, true);
    if (::close(temp.fd) != 0)
        return Abandon(temp, FileWriteError::WriteFailed, errno, false);
    if (steps.rename(temp.path.c_str(), path.c_str()) != 0)
        return Abandon(temp, FileWriteError::CannotReplace, errno, false);
    if (steps.syncFolder(folder) != 0 && errno != EINVAL)
        return FileWrite{FileWriteError::SyncFailed, errno};
    return {};
}

} // namespace mirendo::exchange

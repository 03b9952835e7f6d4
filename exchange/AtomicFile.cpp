#include "exchange/AtomicFile.h"
#include "exchange/RequestFile.h"

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
    }
    return what + path + ": " + std::strerror(code);
}

FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // A name near the system's limit must not fail for the temporary's longer name alone; cut at
    // a character boundary so the temporary's name stays valid UTF-8.
    if (base.size() > kMaxBaseInTemporary) {
        size_t cut = kMaxBaseInTemporary;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;
        base.resize(cut);
    }

    // The temporary lies in the same folder so that the rename stays on one file system and is
    // atomic; 0666 under the umask gives it the permissions of an ordinarily created file.
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "." + base + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return FileWrite{FileWriteError::CannotCreate, errno};
    // No fsync: readers only need to never see half a file, which the rename gives; forcing the
    // bytes to disk would cost the engine more than its whole computation.
    if (!WriteAll(fd, bytes)) {
        const int code = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return FileWrite{FileWriteError::WriteFailed, code};
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return FileWrite{FileWriteError::WriteFailed, code};
    }
    // Over an existing regular file, exchange the two names and then remove the old content:
    // as atomic for readers as a rename, but ext4 forces the new data out to disk at a rename
    // that replaces a file (auto_da_alloc), which would cost more than the engine's whole run.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.c_str());
        return {};
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        return FileWrite{FileWriteError::CannotReplace, code};
    }
    return {};
}

} // namespace mirendo::exchange

#include "core/exchange/BoundedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirendo::exchange {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

FileRead Failed(FileReadError error, int code, std::uint64_t size = 0) {
    FileRead read;
    read.error = error;
    read.code = code;
    read.size = size;
    return read;
}

} // namespace

std::string FileRead::reason(std::size_t maxBytes) const {
    switch (error) {
    case FileReadError::None:
        return {};
    case FileReadError::NotRegular:
        if (code != 0)
            return std::strerror(code);
        return "not a regular file";
    case FileReadError::TooLarge:
        return "larger than " + std::to_string(maxBytes) + " bytes";
    case FileReadError::Missing:
    case FileReadError::CannotOpen:
    case FileReadError::ReadFailed:
        break;
    }
    return std::strerror(code);
}

FileRead ReadBoundedFile(const std::string& path, std::size_t maxBytes, OverCap overCap) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. It has no effect on
    // a regular file, the only kind read below.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return Failed(errno == ENOENT ? FileReadError::Missing : FileReadError::CannotOpen, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return Failed(FileReadError::CannotOpen, errno);
    if (!S_ISREG(info.st_mode))
        return Failed(FileReadError::NotRegular, S_ISDIR(info.st_mode) ? EISDIR : 0);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    // Refused unread: a sparse file of gigabytes costs nothing here.
    if (overCap == OverCap::Refuse && size > maxBytes)
        return Failed(FileReadError::TooLarge, 0, size);

    // One byte beyond the cap tells a file that grew meanwhile from one that fits exactly.
    const std::size_t limit = overCap == OverCap::Refuse ? maxBytes + 1 : maxBytes;
    FileRead read;
    read.size = size;
    read.bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)));
    char buffer[16384];
    while (read.bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - read.bytes.size());
        const ssize_t got = ::read(fd.get(), buffer, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failed(FileReadError::ReadFailed, errno, size);
        if (got == 0)
            break;
        read.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    if (read.bytes.size() > maxBytes)
        return Failed(FileReadError::TooLarge, 0, size);
    return read;
}

Cause FileReadCause(FileReadError error) {
    switch (error) {
    case FileReadError::Missing:
        return Cause::FileMissing;
    case FileReadError::NotRegular:
        return Cause::FileNotRegular;
    case FileReadError::TooLarge:
        return Cause::FileTooLarge;
    case FileReadError::ReadFailed:
        return Cause::FileReadFailed;
    case FileReadError::None:
    case FileReadError::CannotOpen:
        break;
    }
    return Cause::FileUnreadable;
}

} // namespace mirendo::exchange

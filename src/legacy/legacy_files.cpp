#include "legacy/legacy_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads to the end; `expected` bytes (a regular file's size) end the read
// without one more call to find the end.
bool read_all(int fd, std::string& bytes, size_t expected)
{
    char chunk[65536];
    while (expected == 0 || bytes.size() < expected) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0)
            bytes.append(chunk, static_cast<size_t>(got));
        else if (got == 0)
            return true;
        else if (errno != EINTR)
            return false;
    }
    return true;
}

// A NUL byte cannot stand in a file name: the system would see only the bytes
// before it and open another file.
bool names_no_file(const std::string& path)
{
    return path.find('\0') != std::string::npos;
}

std::optional<LegacyText> load_disk_file(const std::string& path)
{
    if (names_no_file(path))
        return std::nullopt;
    // Non-blocking open, so a FIFO without a writer cannot stall the run.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || S_ISDIR(info.st_mode))
        return std::nullopt;
    if (!S_ISREG(info.st_mode))
        ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);

    LegacyText text{{}, FileId{info.st_dev, info.st_ino}};
    const size_t size = S_ISREG(info.st_mode) ? static_cast<size_t>(info.st_size) : 0;
    text.bytes.reserve(size);
    if (!read_all(file.fd, text.bytes, size))
        return std::nullopt;
    return text;
}

}  // namespace

std::optional<FileId> identify_disk_file(const std::string& path)
{
    if (names_no_file(path))
        return std::nullopt;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

LegacyFiles disk_legacy_files()
{
    return load_disk_file;
}

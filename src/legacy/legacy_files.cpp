#include "legacy/legacy_files.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "legacy/path_list.h"
#include "legacy/paths.h"

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
// without one more call to find the end. Gives 0 or the errno of the failure,
// EFBIG once the file has given more than `limit` bytes.
int read_all(int fd, std::string& bytes, size_t expected, size_t limit)
{
    char chunk[65536];
    while (expected == 0 || bytes.size() < expected) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0 && static_cast<size_t>(got) > limit - bytes.size())
            return EFBIG;
        if (got > 0)
            bytes.append(chunk, static_cast<size_t>(got));
        else if (got == 0)
            return 0;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

// A NUL byte cannot stand in a file name: the system would see only the bytes
// before it and open another file.
bool names_no_file(const std::string& path)
{
    return path.find('\0') != std::string::npos;
}

// The folder of the file read last, held open: a campaign's members mostly
// share a folder, and a name opened relative to it spares the system a walk
// down the whole path (often through ".." and back) for each file.
class LastFolder {
public:
    LastFolder() = default;
    LastFolder(const LastFolder&) = delete;
    LastFolder& operator=(const LastFolder&) = delete;
    ~LastFolder() { close(); }

    // Opens `path` for reading as open(2) would, with `flags`.
    int open(const std::string& path, int flags)
    {
        const size_t slash = path.rfind('/');
        // A name without a folder is as short as it gets; a path ending in a
        // slash names no file within its folder.
        if (slash == std::string::npos || slash + 1 == path.size())
            return ::open(path.c_str(), flags);
        const std::string_view folder(path.data(), slash + 1);
        if (folder != folder_) {
            close();
            folder_ = folder;
            fd_ = ::open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        // A folder that cannot be opened: the whole path gives the system's own answer.
        if (fd_ < 0)
            return ::open(path.c_str(), flags);
        return ::openat(fd_, path.c_str() + slash + 1, flags);
    }

private:
    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    std::string folder_;
    int fd_ = -1;
};

LegacyText read_disk_file(const std::string& path, bool content, size_t limit, LastFolder& folder)
{
    LegacyText text;
    if (names_no_file(path)) {
        text.error = ENOENT;
        return text;
    }
    // Non-blocking open, so a FIFO without a writer cannot stall the run.
    const Descriptor file{folder.open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        text.error = errno;
        return text;
    }
    if (S_ISDIR(info.st_mode)) {
        text.error = EISDIR;
        return text;
    }
    text.id = FileId{info.st_dev, info.st_ino};
    text.regular = S_ISREG(info.st_mode);
    if (!content)
        return text;
    if (!text.regular)
        ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    const size_t size = text.regular ? static_cast<size_t>(info.st_size) : 0;
    if (size > limit) {
        text.error = EFBIG;
        return text;
    }
    text.bytes.reserve(size);
    text.error = read_all(file.fd, text.bytes, size, limit);
    return text;
}

std::optional<std::vector<FolderEntry>> list_disk_directory(const std::string& directory)
{
    if (names_no_file(directory))
        return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
    if (!dir)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        using Type = FolderEntry::Type;
        const Type type = entry->d_type == DT_REG ? Type::regular : entry->d_type == DT_DIR ? Type::folder : Type::other;
        entries.push_back({entry->d_name, type});
    }
    return entries;
}

bool disk_entry_exists(const std::string& path)
{
    struct stat info {};
    return !names_no_file(path) && ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

FolderNames::FolderNames(std::vector<FolderEntry> entries) : sorted_(std::move(entries))
{
    std::sort(sorted_.begin(), sorted_.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
}

const FolderEntry* FolderNames::find(std::string_view name) const
{
    const auto found = std::lower_bound(sorted_.begin(), sorted_.end(), name,
                                        [](const FolderEntry& entry, std::string_view key) { return entry.name < key; });
    return found != sorted_.end() && found->name == name ? &*found : nullptr;
}

const std::string* FolderNames::first_nocase(std::string_view name) const
{
    if (!first_by_folded_) {
        first_by_folded_.emplace();
        for (size_t i = 0; i < sorted_.size(); ++i)
            first_by_folded_->try_emplace(folded_copy(sorted_[i].name), i);
    }
    const auto found = first_by_folded_->find(folded_copy(name));
    return found == first_by_folded_->end() ? nullptr : &sorted_[found->second].name;
}

const FolderNames* LegacyFiles::names_in(const std::string& directory)
{
    auto [entry, fresh] = listed.try_emplace(directory);
    if (fresh) {
        if (std::optional<std::vector<FolderEntry>> names = list(directory))
            entry->second.emplace(std::move(*names));
    }
    return entry->second ? &*entry->second : nullptr;
}

bool names_regular_file(LegacyFiles& files, const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    if (const FolderNames* names = files.names_in(folder)) {
        const FolderEntry* entry = names->find(name);
        if (!entry || name.empty() || name == "." || name == "..")
            return false;
        if (entry->type != FolderEntry::Type::other)
            return entry->type == FolderEntry::Type::regular;
    }
    // A link, or a folder that cannot be listed: a look at the file itself.
    const LegacyText text = files.read(path, false);
    return text.error == 0 && text.regular;
}

std::optional<FileId> identify_disk_file(const std::string& path)
{
    if (names_no_file(path))
        return std::nullopt;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

LegacyFiles disk_legacy_files(size_t limit, const std::string& folder)
{
    const auto read = [limit, folder, last = std::make_shared<LastFolder>()](const std::string& path, bool content) {
        return read_disk_file(in_folder(folder, path), content, limit, *last);
    };
    const auto list = [folder](const std::string& directory) {
        return list_disk_directory(in_folder(folder, directory));
    };
    const auto exists = [folder](const std::string& path) { return disk_entry_exists(in_folder(folder, path)); };
    return {read, list, exists, {}};
}

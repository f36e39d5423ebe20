// Where the reader gets legacy files: the disk, or a table of files in memory
// for tests and fuzzing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "legacy/records.h"

// A file opened for reading.
struct LegacyText {
    int error = 0;         // why it cannot be read, an errno value; 0 when it can
    std::optional<FileId> id;  // once opened, even when it cannot be read whole
    bool regular = false;  // a regular file, not a device or a FIFO
    std::string bytes;     // its whole content, when asked for
};

// An entry of a folder as its listing tells it: a regular file, a folder, or
// anything else (a link, a device, an entry of no told type), which only a look
// at the entry itself tells.
struct FolderEntry {
    enum class Type { regular, folder, other };
    std::string name;
    Type type = Type::other;
};

// The entries of a folder, in byte order of their names, and where to find
// them without regard to ASCII letter case.
class FolderNames {
public:
    explicit FolderNames(std::vector<FolderEntry> entries);
    bool holds(std::string_view name) const { return find(name) != nullptr; }
    // The entry of that name; null when there is none.
    const FolderEntry* find(std::string_view name) const;
    // The first name, in byte order, equal to `name` without regard to ASCII
    // letter case; null when there is none.
    const std::string* first_nocase(std::string_view name) const;

private:
    std::vector<FolderEntry> sorted_;
    // Made at the first lookup in another letter case: most folders are only
    // asked whether they hold a name.
    mutable std::optional<std::unordered_map<std::string, size_t>> first_by_folded_;
};

struct LegacyFiles {
    // Opens `path` and, with `content`, reads its bytes. A directory cannot be
    // read (EISDIR); a name holding a NUL byte names no file (ENOENT).
    std::function<LegacyText(const std::string& path, bool content)> read;
    // The entries of a directory ("." for the working directory); none when it cannot be listed.
    std::function<std::optional<std::vector<FolderEntry>>(const std::string& directory)> list;
    // Whether `path` names an entry, a symbolic link itself included.
    std::function<bool(const std::string& path)> exists;

    // The names in `directory`, listed once for the run, so that a folder named
    // thousands of times in another letter case is read once; null when it
    // cannot be listed.
    const FolderNames* names_in(const std::string& directory);

    // Every folder asked for so far, by its name as asked.
    std::unordered_map<std::string, std::optional<FolderNames>> listed;
};

// Legacy files are small text files: one that gives more than this is not one
// (a device such as /dev/zero, a binary file), and reading it whole could
// exhaust memory.
constexpr size_t k_legacy_file_limit = size_t{256} << 20;

// Legacy files read from the file system, relative names from `folder` (the
// working directory when empty); one that gives more than `limit` bytes cannot
// be read (EFBIG).
LegacyFiles disk_legacy_files(size_t limit = k_legacy_file_limit, const std::string& folder = {});

// Whether `path` names a regular file, through links. The listing of its
// folder, made once for the run, answers for most names.
bool names_regular_file(LegacyFiles& files, const std::string& path);

// Identity of the file at `path` on disk, following symbolic links.
std::optional<FileId> identify_disk_file(const std::string& path);

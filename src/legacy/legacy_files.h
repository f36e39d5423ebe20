// Where the reader gets the bytes of legacy files: the disk, or a table of files
// in memory for tests and fuzzing.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "legacy/records.h"

struct LegacyText {
    std::string bytes;
    FileId id;
};

struct LegacyFiles {
    // The identity of the file a path names, without reading it; none when it has none.
    std::function<std::optional<FileId>(const std::string& path)> identify;
    // The whole content; none when the file cannot be read or is a directory.
    std::function<std::optional<LegacyText>(const std::string& path)> load;
};

// Legacy files read from the file system.
LegacyFiles disk_legacy_files();

// Identity of the file at `path` on disk, following symbolic links.
std::optional<FileId> identify_disk_file(const std::string& path);

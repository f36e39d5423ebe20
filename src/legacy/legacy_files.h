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

// The whole content of the file a path names, and its identity; none when the
// file cannot be read or is a directory.
using LegacyFiles = std::function<std::optional<LegacyText>(const std::string& path)>;

// Legacy files read from the file system.
LegacyFiles disk_legacy_files();

// Identity of the file at `path` on disk, following symbolic links.
std::optional<FileId> identify_disk_file(const std::string& path);

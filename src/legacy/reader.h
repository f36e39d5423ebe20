// Reads a legacy file, and every file its campaign lines name, into a tree of records.
#pragma once

#include <optional>
#include <string>

#include "legacy/legacy_files.h"
#include "legacy/records.h"

// Announces `path` in verbose mode and reads it; none when it cannot be read.
// A campaign's members are read, depth first, before this returns; a member that
// is already being read further up the chain of campaigns is reported, not read.
// With diagnostics on, a file read for the first time in the run reports what its
// content says that the outputs cannot carry.
std::optional<LegacyTree> read_legacy_file(const std::string& path,
                                           const LegacyFiles& files = disk_legacy_files());

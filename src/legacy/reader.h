// Reads a legacy file, and every file its campaign lines name, into a tree of records.
#pragma once

#include <optional>
#include <string>

#include "legacy/legacy_files.h"
#include "legacy/reader_options.h"
#include "legacy/records.h"

// What the readings of a run tell the driver once every file is read.
struct ReadingOutcome {
    // A member named by an FI line got a "did you mean" note.
    bool member_suggested = false;
};

// Announces `path` in verbose mode and reads it; none when it cannot be read.
// A campaign's members are read, depth first, before this returns; a member that
// is already being read further up the chain of campaigns is reported, not read.
// Path values are read as `options` say, names looked up in `files`. With
// diagnostics on, a file read for the first time in the run reports what its
// content says that the outputs cannot carry.
std::optional<LegacyTree> read_legacy_file(const std::string& path, const ReaderOptions& options,
                                           const LegacyFiles& files, ReadingOutcome& outcome);

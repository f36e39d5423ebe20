// Reads a legacy file, and every file its campaign lines name, into a tree of records.
#pragma once

#include <optional>
#include <string>

#include "legacy/legacy_files.h"
#include "legacy/reader_options.h"
#include "legacy/records.h"

class Console;

// What a reading takes from its run.
struct ReadingScope {
    const ReaderOptions& options;
    LegacyFiles& files;  // where names are looked up
    Console& console;
    // The legacy files the run has read before: their diagnostics were given.
    const FileIdSet& inputs_before;
    // The run's project, for the checks of the sessions read; null before it is read.
    const LegacyRecord* project;
};

// What one reading gives its run.
struct LegacyRead {
    std::optional<LegacyTree> tree;  // none when the file cannot be read
    NamedFiles named;                // the scripts and sources of the sessions read
    FileIdSet input_files;           // every legacy file opened, read whole or not
    // A name that an FI, FS or FP line gives got a "did you mean" note.
    bool name_suggested = false;
};

// Announces `path` in verbose mode and reads it. A campaign's members are read,
// depth first, before this returns; a member that is already being read further
// up the chain of campaigns is reported, not read. Path values are read as the
// options say. With diagnostics on, a file read for the first time in the run
// reports what its content says that the outputs cannot carry.
LegacyRead read_legacy_file(const std::string& path, const ReadingScope& scope);

// What the legacy files say, in memory: one record per legacy file read, one
// configuration per NC line of a project file, and the run-wide lists.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "legacy/path_list.h"

// A value of the legacy files: absent when its key never occurred. Raw bytes as read.
using Text = std::optional<std::string>;

// One "NC " line of a project file and the keys that follow it.
struct TargetConfig {
    std::string name;
    Text target_name;
    Text target_path;
    Text source_language;
    Text source_ext;
    Text object_ext;
    Text binary_ext;
    Text ansi_mode;
    Text version;
    Text exception;  // "true" or "false"
    // The run's include directories when at least one IN line preceded this
    // configuration's NC line (later IN lines included); null otherwise.
    const std::vector<std::string>* include_dirs = nullptr;
    Text alk_file;
    Text class_name;
};

// One legacy file read: a project, a campaign or a session.
struct LegacyRecord {
    std::string path;  // as handed to the reader
    Text source_file;
    Text script_file;
    Text config_name;
    Text link_file;
    Text compile_flags;
    Text test_compile_flags;
    Text debug;  // yes/no texts hold "true" or "false"
    Text simulation;
    Text preparation_options;
    Text more_options;
    Text instru_comparison;
    Text second_context;
    Text second_intermediate_file;
    Text strict_comparison;
    // In file order; the outputs list both newest first (back to front).
    std::vector<TargetConfig> configs;
    std::vector<LegacyRecord> members;

    LegacyRecord() = default;
    explicit LegacyRecord(std::string file_path) : path(std::move(file_path)) {}
    LegacyRecord(LegacyRecord&&) = default;
    LegacyRecord& operator=(LegacyRecord&&) = default;
    // Campaigns nest to any depth: tear the tree down without recursion.
    ~LegacyRecord();
};

// Identity of a file on disk, so that two names of one file compare equal.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator<(const FileId& other) const
    {
        return std::pair(device, inode) < std::pair(other.device, other.inode);
    }
    bool operator==(const FileId& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// The project's record; none when the project file could not be read.
extern std::optional<LegacyRecord> g_project;
extern PathList g_script_files;
extern PathList g_source_files;
// Every IN value of the run in the order read, duplicates kept.
extern std::vector<std::string> g_include_dirs;
// Every legacy file the run has opened, so that no output replaces one of them.
extern std::set<FileId> g_input_files;

// Empties the model, for a fresh run in the same process.
void reset_legacy_model();

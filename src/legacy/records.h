// What the legacy files say, in memory: one record per reading of a file under
// a name, one configuration per NC line of a project file, and what readings
// gather for the run.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unordered_set>
#include <utility>
#include <vector>

#include "legacy/path_list.h"

// A value of the legacy files: absent when its key never occurred. Raw bytes as read.
using Text = std::optional<std::string>;

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

struct FileIdHash {
    size_t operator()(const FileId& id) const
    {
        return std::hash<ino_t>()(id.inode) ^ (std::hash<dev_t>()(id.device) * 0x9E3779B97F4A7C15ULL);
    }
};

// Files by identity: tens of thousands of them in a large run.
using FileIdSet = std::unordered_set<FileId, FileIdHash>;

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
    // Every IN value of its project file when at least one IN line preceded
    // this configuration's NC line (later ones included); none otherwise.
    std::vector<std::string> include_dirs;
    Text alk_file;
    Text class_name;
};

// The build and run settings a session gives the configuration it names.
struct SessionSettings {
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
};

// The kind a header line gives a file; `none` without a recognised header.
enum class FileKind { none, campaign, session, project };

// An FI value of a campaign, as written, and the line that holds it.
struct MemberLine {
    size_t line;
    std::string value;
};

// What one legacy file says, as parsed.
struct FileContent {
    FileKind kind = FileKind::none;
    SessionSettings settings;
    Text source_file;  // the last FS and FP values, resolved against the file's path
    Text script_file;
    std::vector<TargetConfig> configs;  // in file order; the outputs list them newest first
    std::vector<MemberLine> member_lines;
    size_t config_line = 0;  // the line of the CX value that counts
    size_t not_shown = 0;    // reports beyond those kept for printing, only counted
    bool name_suggested = false;  // a script's or source's name got a "did you mean" note
};

// One reading of a legacy file under a name: a project, a campaign or a session.
struct LegacyRecord {
    std::string path;  // as handed to the reader
    SessionSettings settings;
    Text source_file;  // the last FS and FP values, resolved against `path`
    Text script_file;
    std::vector<TargetConfig> configs;  // in file order; the outputs list them newest first
    // The records its FI lines gave, in file order; the outputs list them newest first.
    std::vector<const LegacyRecord*> members;
};

// A legacy file read with every file its campaign lines name. A campaign met
// again under the same name on the same chain of campaigns expands the same
// way, so that reading is one record, shared: the tree grows with the distinct
// files and chains, not with how often campaigns name them.
struct LegacyTree {
    std::deque<LegacyRecord> records;  // the file read first comes first

    const LegacyRecord& root() const { return records.front(); }

    // Records point at each other: a tree moves, keeping every element where
    // it is, and is never copied.
    LegacyTree() = default;
    LegacyTree(LegacyTree&&) = default;
    LegacyTree& operator=(LegacyTree&&) = default;
    LegacyTree(const LegacyTree&) = delete;
    LegacyTree& operator=(const LegacyTree&) = delete;
};

// The scripts and sources that sessions name: every distinct path once, the
// spelling met first kept.
struct NamedFiles {
    PathList script_files;
    PathList source_files;
};

// Adds the paths of `later`, in their order, to `files`, taking them over.
void merge_named_files(NamedFiles& files, NamedFiles&& later);

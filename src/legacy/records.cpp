#include "legacy/records.h"

std::optional<LegacyRecord> g_project;
PathList g_script_files;
PathList g_source_files;
std::vector<std::string> g_include_dirs;
std::set<FileId> g_input_files;

LegacyRecord::~LegacyRecord()
{
    // Detach every nested members list before its holder is destroyed, so each
    // destructor below meets an empty `members` and the stack stays shallow.
    std::vector<std::vector<LegacyRecord>> pending;
    if (!members.empty())
        pending.push_back(std::move(members));
    while (!pending.empty()) {
        std::vector<LegacyRecord> level = std::move(pending.back());
        pending.pop_back();
        for (LegacyRecord& child : level)
            if (!child.members.empty())
                pending.push_back(std::move(child.members));
    }
}

void reset_legacy_model()
{
    g_project.reset();
    g_script_files = {};
    g_source_files = {};
    g_include_dirs.clear();
    g_input_files.clear();
}

#include "legacy/records.h"

std::optional<LegacyRecord> g_project;
PathList g_script_files;
PathList g_source_files;
std::vector<std::string> g_include_dirs;
std::set<FileId> g_input_files;

LegacyRecord::~LegacyRecord()
{
    // Move every descendant into one flat list before it is destroyed, so each
    // destructor below meets an empty `members` and the stack stays shallow.
    std::vector<LegacyRecord> pending = std::move(members);
    for (size_t i = 0; i < pending.size(); ++i) {
        std::vector<LegacyRecord> grandchildren = std::move(pending[i].members);
        for (LegacyRecord& child : grandchildren)
            pending.push_back(std::move(child));
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

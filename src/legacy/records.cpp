#include "legacy/records.h"

std::optional<LegacyTree> g_project;
PathList g_script_files;
PathList g_source_files;
std::vector<std::string> g_include_dirs;
FileIdSet g_input_files;

void reset_legacy_model()
{
    g_project.reset();
    g_script_files = {};
    g_source_files = {};
    g_include_dirs.clear();
    g_input_files.clear();
}

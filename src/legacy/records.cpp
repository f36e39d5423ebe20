#include "legacy/records.h"

namespace {

void merge_paths(PathList& list, PathList&& later)
{
    // Only the paths are needed now; their folded forms go first, so that a
    // large reading is not held twice.
    later.folded = {};
    for (std::string& path : later.paths)
        add_unique_nocase(list, std::move(path));
}

}  // namespace

void merge_named_files(NamedFiles& files, NamedFiles&& later)
{
    merge_paths(files.script_files, std::move(later.script_files));
    merge_paths(files.source_files, std::move(later.source_files));
}

// The projects of a batch: every folder under the folders given that directly
// holds a project file, and what a run of each reads.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "legacy/reader_options.h"
#include "prjmigr/conversion.h"

struct BatchProject {
    // From the batch's directory, as found under a folder given.
    std::string folder;
    // The names directly in the folder that end in .prj (in any letter case
    // with --windows-paths), in byte order; the project fails with two or more.
    std::vector<std::string> project_files;
    // Its run, relative to the folder: the project file; the campaigns that no
    // other campaign of the project names (and, where campaigns name each other
    // in a circle, the first not reached from those); the sessions that no
    // campaign names; each in byte order of their paths.
    LegacyArguments arguments;
};

struct ProjectSearch {
    std::vector<BatchProject> projects;  // in byte order of their folders
    std::optional<std::string> missing;  // a folder given that is no folder
};

// Searches `folders` to any depth: links to folders are not followed, and
// folders whose name begins with a dot are skipped. A folder's campaigns and
// sessions are those under it, but for those inside another project's folder;
// FI lines are read and resolved as `options` say.
ProjectSearch find_projects(const std::vector<std::string>& folders, const ReaderOptions& options);

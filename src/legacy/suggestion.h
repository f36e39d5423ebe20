// The letter case names really have on disk: legacy trees written on other
// systems use backslashes and spell names in another letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "legacy/legacy_files.h"

// A path with the letter case its folders give its names.
struct CaseMatch {
    std::string path;
    bool whole = true;  // every component was found; otherwise the rest is as written
};

// Walks `path` (slashes only) from "/" or the working directory, one component
// at a time: an empty component, "." and ".." are kept; a name its folder holds
// is kept; else it becomes the first name of that folder, in byte order, equal
// to it without regard to ASCII letter case; else, for a name that is not
// UTF-8 (written on Windows, in Windows-1252), the same for its UTF-8 spelling.
// Where there is none, or the folder cannot be listed, the walk stops and the
// rest stays as written, but for its names that are not UTF-8, which take
// their UTF-8 spelling when a name found before them is UTF-8 beyond ASCII.
CaseMatch match_letter_case(std::string_view path, LegacyFiles& files);

// The file a user probably meant by `path`, backslashes taken as slashes and
// empty components dropped: the walk above when it finds every component and
// ends at a readable regular file; none otherwise.
std::optional<std::string> suggest_file(std::string_view path, LegacyFiles& files);

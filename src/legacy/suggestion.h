// The file a user probably meant by a path that names none: legacy trees written
// on other systems use backslashes and spell names in another letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "legacy/legacy_files.h"

// Walks `path` one component at a time, backslashes taken as slashes: a name the
// directory holds is taken as it is, else the first name, in byte order, equal
// to it without regard to ASCII letter case; none when a component has no such
// name or the result is not a readable regular file.
std::optional<std::string> suggest_file(std::string_view path, const LegacyFiles& files);

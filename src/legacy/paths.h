// Path texts as the legacy files write them. Slash, backslash and colon all end a
// component, so "C:" counts as a directory part. Bytes only: no file system
// access, no normalisation, no conversion between separators.
#pragma once

#include <string>
#include <string_view>

// The last component of `path`; without `keep_ext`, cut at its last dot.
std::string base_name(std::string_view path, bool keep_ext);

// `path` up to and including its last separator; empty when it has none.
std::string dir_name(std::string_view path);

// False when the first byte is a separator; a drive letter (C:\x) is relative.
bool is_relative(std::string_view value);

// Where the system finds `path`, named relative to a run's folder: `path`
// itself when the folder is the working directory (empty) or the path is
// absolute (a slash first), else the folder, a slash and the path.
std::string in_folder(std::string_view folder, std::string_view path);

// The path values of the legacy files (FI, FS, FP and IN) as the run reads them:
// as written, or as written on Windows, and through the run's maps.
#pragma once

#include <string>
#include <string_view>

#include "legacy/legacy_files.h"
#include "legacy/reader_options.h"

// A path value of the file at `file_path`. With Windows paths its backslashes
// are slashes, and a leading slash, a colon or a drive makes it absolute. An
// absolute value that begins with a map's FROM, as a whole component, begins
// with its TO instead (the longest FROM, the last of equal ones); a relative one
// is joined directly to the directory part of `file_path`. With Windows paths,
// each name then takes the letter case it has on disk.
std::string resolve_path(std::string_view file_path, std::string_view value, const ReaderOptions& options,
                         LegacyFiles& files);

// An IN value: slashes and maps only, since it names a folder of the workbench.
std::string read_include_dir(std::string_view value, const ReaderOptions& options);

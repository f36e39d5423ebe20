// The legacy text format: line preparation, header markers, the key tables of
// project, campaign and session files, and the checks of what the outputs
// cannot carry.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "legacy/records.h"

// A diagnostic about a file's content, and the line it belongs after; those
// about the whole file come after every line.
struct Diagnostic {
    size_t line;
    QString text;
};

// Removes bytes 0x00 to 0x20 from the end of a line (blanks, CR, control bytes).
std::string_view prepare_line(std::string_view line);

// A path value of the file at `file_path`: a relative value is joined directly
// to that file's directory part, an absolute one used as written.
std::string resolve_path(std::string_view file_path, std::string_view value);

// Parses a file's content. A session's FS and FP values, resolved against
// `path`, go to g_source_files and g_script_files, a project file's IN values to
// g_include_dirs.
// With `diagnostics`, every line the outputs cannot carry is reported there, in
// line order, located at `path`.
FileContent parse_legacy_text(std::string_view bytes, std::string_view path,
                              std::vector<Diagnostic>* diagnostics = nullptr);

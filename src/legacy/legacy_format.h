// The legacy text format: line preparation, header markers, the key tables of
// project, campaign and session files, and the checks of what the outputs
// cannot carry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "legacy/legacy_files.h"
#include "legacy/reader_options.h"
#include "legacy/records.h"
#include "messages/diagnostic.h"

// Removes bytes 0x00 to 0x20 from the end of a line (blanks, CR, control bytes).
std::string_view prepare_line(std::string_view line);

// Parses a file's content. A session's FS and FP values, resolved against
// `path` as `options` say (looking names up in `files`), are offered to
// `named`; a project file's IN values go to the configurations declared after
// the first of them. With `diagnostics`, every line the outputs cannot carry is
// reported there, in line order, located at `path`.
FileContent parse_legacy_text(std::string_view bytes, std::string_view path, const ReaderOptions& options,
                              LegacyFiles& files, NamedFiles& named, std::vector<Diagnostic>* diagnostics = nullptr);

// The legacy text format: line preparation, header markers and the key tables of
// project, campaign and session files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "legacy/records.h"

// Removes bytes 0x00 to 0x20 from the end of a line (blanks, CR, control bytes).
std::string_view prepare_line(std::string_view line);

// Fills `record` (whose `path` is set) from the file's content, adding to the
// run-wide lists as it goes. A campaign's FI lines are not followed here: their
// resolved paths are returned, in file order, for the reader to read.
std::vector<std::string> parse_legacy_text(std::string_view bytes, LegacyRecord& record);

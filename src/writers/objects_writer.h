// The objects file: the workbench's file browser for the project, listing every
// test script and source file the sessions of the run named.
#pragma once

#include <string_view>

#include "legacy/path_list.h"
#include "writers/output_stream.h"

// The whole objects file, its DOCTYPE naming `workbench_root`; both lists are
// written newest first.
void write_objects_file(OutputStream& out, std::string_view workbench_root, const PathList& scripts,
                        const PathList& sources);

// One file element per entry of `list`, newest first.
void write_file_entries(OutputStream& out, const PathList& list);

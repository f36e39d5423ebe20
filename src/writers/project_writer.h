// The project file: one top-level group named after the project, its
// configurations, the test tree (see test_tree_writer.h) and the root
// configuration list with the workbench's default settings.
#pragma once

#include <string_view>

#include "legacy/records.h"
#include "writers/output_stream.h"

// XML declaration and DOCTYPE, shared by both output files; `root` is NEVRAHOME.
void write_document_start(OutputStream& out, std::string_view root);

// Everything up to the project node's data; the node is named after
// `project_file_name`, the DOCTYPE names `workbench_root` (NEVRAHOME).
void write_project_head(OutputStream& out, std::string_view project_file_name, std::string_view workbench_root);

// The project node's configuration list, then the end of the node. `project` may be null.
void write_project_configs(OutputStream& out, const LegacyRecord* project);

// Opens the group's child list, which the test tree fills.
void begin_test_tree(OutputStream& out);

// From the end of the child list to the end of the document.
void write_project_tail(OutputStream& out, std::string_view objects_file_reference,
                        const LegacyRecord* project);

// One entry of the root configuration list.
void write_root_configuration(OutputStream& out, const TargetConfig& config);

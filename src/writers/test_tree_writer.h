// The test tree of the project file: a group node per campaign, holding its
// members, and a unit-testing node per session. Every node carries a
// configuration list with one entry per project configuration.
#pragma once

#include <string_view>

#include "legacy/records.h"
#include "writers/output_stream.h"

// One campaign as a group node named after `path`, with its members newest first;
// a member with members of its own is a group, any other a unit-testing node.
void write_group(OutputStream& out, std::string_view path, const LegacyRecord& campaign,
                 const LegacyRecord* project);

// One session as a unit-testing node named after `path`.
void write_test(OutputStream& out, std::string_view path, const LegacyRecord& session,
                const LegacyRecord* project);

// A configuration list of the project's configurations; `record`'s settings go
// into every entry whose name equals its CX value. `record` may be null.
void write_config_overrides(OutputStream& out, const LegacyRecord* record,
                            const LegacyRecord* project);

// Whether a session's settings reach a configuration of the project.
#pragma once

#include "legacy/records.h"

class Console;

// Reports a session whose CX value names no configuration of `project`, or
// whose settings have no CX line to name one; `config_line` holds its CX value.
// Silent while there is no project with at least one configuration.
void check_session_configuration(Console& console, const LegacyRecord* project, const LegacyRecord& session,
                                 size_t config_line);

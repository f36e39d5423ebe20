// Whether a session's settings reach a configuration of the project.
#pragma once

#include "legacy/records.h"

// Reports a session whose CX value names no configuration of g_project, or whose
// settings have no CX line to name one; `config_line` holds its CX value. Silent
// until the project has been read with at least one configuration.
void check_session_configuration(const LegacyRecord& session, size_t config_line);

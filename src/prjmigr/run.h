// The conversion run: reads the legacy files and writes both outputs in their
// fixed order. Owns the exit code.
#pragma once

#include <string>
#include <vector>

#include "prjmigr/command_line.h"

// 2: --check reported something.
enum ExitCode { k_exit_success = 0, k_exit_fatal = 1, k_exit_reported = 2, k_exit_failure = -1 };

// Everything after start-up: `arguments` is the argument vector, tool name first.
int run_prjmigr(const std::vector<std::string>& arguments);

// The conversion of a command line that names a project file.
int run_conversion(const CommandLine& command_line);

// Reads what the conversion reads, in its order, and writes nothing.
int run_check(const CommandLine& command_line);

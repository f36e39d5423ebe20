// The driver: reads the command line, checks it before anything is read, runs
// the conversion or the check, keeps the SARIF log for the run, and owns the
// exit code.
#pragma once

#include <string>
#include <vector>

class Console;

// 2: --check reported something.
enum ExitCode { k_exit_success = 0, k_exit_fatal = 1, k_exit_reported = 2, k_exit_failure = -1 };

// Everything after start-up: `arguments` is the argument vector, tool name first.
int run_prjmigr(const std::vector<std::string>& arguments, Console& console);

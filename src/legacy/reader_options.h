// How the reader reads the legacy files of a run: chosen on the command line,
// handed to the reader as one value.
#pragma once

#include <string>
#include <vector>

#include "messages/diagnostic.h"

// "--map-path FROM=TO": absolute path values that begin with `from` are read
// as beginning with `to`.
struct PathMap {
    std::string from;
    std::string to;
};

struct ReaderOptions {
    // Report what the outputs cannot carry ("--warnings", "--check").
    bool diagnostics = false;
    // Read path values as written on Windows: backslashes, drives, any letter case.
    bool windows_paths = false;
    std::vector<PathMap> maps;  // in the order given
    DiagnosticKinds ignored;  // the kinds of report a team has accepted ("--ignore"): not made
};

// One run of a project's legacy files, as the command line or a batch names
// them: the checks of its outputs, then the conversion or the check.
#pragma once

#include <optional>
#include <string>

#include "legacy/reader_options.h"
#include "prjmigr/conversion.h"
#include "prjmigr/job_thread.h"

class Console;

// What the options of the command line make of a run, whatever its files.
struct RunSettings {
    bool conversion = true;                 // false with --check: nothing is written
    std::optional<std::string> output_name;  // "-o"
    ReaderOptions options;
    JobLimits limits;
};

// Runs `arguments` from `folder` (the working directory when empty; the names
// are relative to it), gathering what it reads in `run`; gives the exit code.
int run_project(const LegacyArguments& arguments, const RunSettings& settings, const std::string& folder,
                Console& console, Run& run);

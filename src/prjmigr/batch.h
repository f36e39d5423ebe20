// A batch (--batch): every project under the folders given, converted or
// checked as a run from its own folder would, several at once; what each one
// prints and logs comes in the order of the plan, whatever runs first.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "messages/diagnostic.h"
#include "prjmigr/project_run.h"

class Console;

struct BatchSettings {
    RunSettings run;                   // of each project, from its folder
    std::vector<std::string> folders;  // as given
    size_t jobs = 1;                   // projects run at once
    bool list = false;                 // print the plan, run nothing
    bool status_line = false;          // on a terminal: progress rewritten in place
    bool verbose = false;
    bool colour = false;
    std::optional<std::string> log_name;  // --sarif: no document may be the log
};

// A project's log entries, in the order of the plan, with the project's folder.
using ProjectLog = std::function<void(const Diagnostic& diagnostic, const std::string& project)>;

// Runs the batch and gives its exit code: 0 when every project converted (or,
// checked, reported nothing); 2 when checks reported and none failed; 255 when
// a project ended with 255, else 1, when any failed.
int run_batch(const BatchSettings& settings, Console& console, const ProjectLog& log);

// The plan's command for a project: a line a shell runs from the batch's
// directory, `cd 'FOLDER' && prjmigr ARGUMENTS`, quoted where needed.
std::string plan_line(const std::string& folder, const LegacyArguments& arguments, const RunSettings& settings);

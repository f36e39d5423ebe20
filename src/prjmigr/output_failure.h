// An output that failed, and how the run tells it: the error and, under
// --warnings, the system's reason.
#pragma once

#include <optional>
#include <string>

#include "legacy/records.h"
#include "messages/diagnostic.h"
#include "prjmigr/output_file.h"

class Console;

struct OutputFailure {
    DiagnosticKind kind;  // output_unopenable, output_unwritable or output_is_input
    std::string name;     // as the command line gives it
    int reason = 0;       // an errno value
};

using Failure = std::optional<OutputFailure>;

// Reports `failure`, if any; true when there is none.
bool succeeded(Console& console, const Failure& failure);

// Opens `file` as the output `name`, found by the system at `on_disk`.
Failure open_output(OutputFile& file, const std::string& name, const std::string& on_disk);

// Completes the document in its temporary file; fails when it cannot, or when
// the target is one of `inputs`.
Failure finish_output(OutputFile& file, OutputStream& out, const std::string& name, const FileIdSet& inputs);

// Replaces the target.
Failure commit_output(OutputFile& file, const std::string& name);

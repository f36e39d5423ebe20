// A run's reading of the legacy files in their fixed order, the conversion
// that formats the project file while they are read, and the check that reads
// them and writes nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "legacy/reader.h"
#include "prjmigr/job_thread.h"
#include "prjmigr/output_names.h"
#include "writers/output_stream.h"

class Console;

// The legacy files of a run, as the command line names them.
struct LegacyArguments {
    std::string project;
    std::vector<std::string> campaigns;
    std::vector<std::string> sessions;
};

// What a run has read, gathered in the run's order.
struct Run {
    // The project file's tree; null when it could not be read. It never
    // changes once read, so the formatting thread shares it.
    std::shared_ptr<const LegacyTree> project;
    NamedFiles named;               // the scripts and sources of every session read
    FileIdSet input_files;          // every legacy file opened: no output may replace one
    bool name_suggested = false;  // a name an FI, FS or FP line gives got a "did you mean" note

    const LegacyRecord* project_record() const { return project ? &project->root() : nullptr; }
};

// How a run reads its legacy files.
struct RunReading {
    const ReaderOptions& options;
    LegacyFiles& files;
    Console& console;
};

// What a run does with what it reads, as it is read.
struct RunSteps {
    // The project is in the run; false ends the reading there.
    std::function<bool()> project_read;
    // A campaign's or a session's tree.
    std::function<void(const std::string& path, bool campaign, LegacyTree tree)> argument_read;
};

// Reads the project, then every campaign, then every session, each in
// command-line order, into `run`, calling `steps` on the way. False when
// `project_read` ended the reading.
bool read_in_run_order(const LegacyArguments& arguments, RunReading& reading, Run& run, const RunSteps& steps);

// Once every legacy file is read, before any message about the outputs.
void finish_reading(const Run& run, Console& console);

// The project file: its name, the objects file's name without a directory,
// and the workbench root that the DOCTYPE names.
struct ProjectFileNames {
    std::string name;
    std::string objects_reference;
    std::string workbench_root;
};

// Formats the project file into `out` while the legacy files are read: the
// trees of the arguments on a thread of their own (`limits`), and
// `every_file_read` on this thread once the last legacy file is read, while the
// last trees are formatted. Gives `out` back, complete unless a write failed
// (then nothing more is read or formatted).
OutputStream format_project_file(OutputStream out, const ProjectFileNames& names, const LegacyArguments& arguments,
                                 RunReading& reading, Run& run, JobLimits limits,
                                 const std::function<void()>& every_file_read);

// The conversion: both documents written, each complete in its temporary
// file, then both targets replaced as one step. Reports what fails; false then.
bool convert(const OutputNames& names, const std::string& workbench_root, const LegacyArguments& arguments,
             RunReading& reading, Run& run, JobLimits limits);

// Reads what the conversion reads, in its order, and writes nothing.
void check(const LegacyArguments& arguments, RunReading& reading, Run& run);

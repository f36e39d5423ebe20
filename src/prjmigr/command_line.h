// The command line: options, and legacy files classified by their suffix.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "legacy/reader_options.h"

// An argument the run leaves out, for the diagnostics.
struct IgnoredArgument {
    enum class Why { not_legacy_file, unknown_option, extra_project, output_name_missing } why;
    std::string argument;
    // A legacy suffix in another letter case (".PRJ"), which --windows-paths reads.
    std::string suffix_in_other_case = {};
};

struct CommandLine {
    std::vector<std::string> project_files;   // only the first is converted
    std::vector<std::string> campaign_files;
    std::vector<std::string> session_files;
    std::optional<std::string> output_name;  // after the last "-o"
    int verbose_banners = 0;                  // one per "-v" read
    // "--warnings" converts and reports; "--check" reports and writes nothing.
    enum class Report { none, warnings, check } report = Report::none;
    bool windows_paths = false;               // "--windows-paths", wherever it stands
    std::vector<PathMap> maps;                // "--map-path FROM=TO", in order
    // The value of the first "--map-path" that is no FROM=TO: it ends the run.
    std::optional<std::string> bad_map;
    // "--sarif FILE": the diagnostics, and a SARIF log of the run in FILE.
    std::optional<std::string> sarif_file;
    bool sarif_file_missing = false;          // "--sarif" last, or with an empty name
    // "--color=WHEN"
    enum class Colour { automatic, always, never } colour = Colour::automatic;
    // "--ignore=RULE[,RULE...]": the kinds of warning and note a team has accepted.
    DiagnosticKinds ignored_kinds;
    std::vector<IgnoredArgument> ignored;     // in argument order
    // "--batch FOLDER...": every project under the folders, each converted or
    // checked as from its own folder; the folders are the arguments that name
    // no legacy file, in argument order.
    bool batch = false;
    std::vector<std::string> folders;
    bool list = false;                        // "--list": the plan of the batch, nothing run
    std::optional<std::string> jobs;          // "--jobs=N": projects run at once, as given
    bool output_option = false;               // "-o" was given
    // "--help", "--version", a long option the tool does not know or an id
    // --ignore does not know ends the examination where it stands.
    enum class Stop { none, help, version, unknown_option, unknown_rule } stop = Stop::none;
    std::string unknown;                      // the option or id as given
};

// Examines the arguments (the tool's name excluded) in order.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

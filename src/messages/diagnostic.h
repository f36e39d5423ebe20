// A diagnostic as a record: what it is about (its kind, which fixes its level),
// where (nothing, a file, or a line of a file) and its text. The error stream
// shows it as one line in the compilers' form; the SARIF log as one result.
#pragma once

#include <QString>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>

// Every kind the tool reports, in the order of the rules of the SARIF log.
enum class DiagnosticKind {
    ignored_argument,
    unknown_option,
    extra_project,
    missing_output_name,
    unreadable_argument,
    unreadable_member,
    argument_suggestion,
    member_suggestion,
    no_header,
    near_header,
    foreign_key,
    no_key,
    key_before_configuration,
    repeated_key,
    repeated_configuration,
    yes_no_value,
    undeclared_configuration,
    declared_configuration,
    no_configuration_line,
    // "(E) " messages of a run that reads legacy files.
    campaign_cycle,
    output_unopenable,
    output_unwritable,
    output_is_input,
    environment_undefined,
    output_failure_reason,  // a note after an output error
    output_written_twice,   // an error
    windows_paths,          // a note after the reading
    // Errors that end a run before it reads legacy files.
    unknown_long_option,
    output_named_like_legacy,
    bad_path_map,
    no_project_file,
    // Counts of what is not shown: on the error stream, and in the SARIF log.
    reports_not_shown,
    results_not_logged,
    // What the workbench will not find, and the settings it has no place for.
    missing_script,
    missing_source,
    path_suggestion,        // a note after them
    key_without_place,
    suffix_case,            // a note after an ignored argument
    unknown_ignored_rule,   // an error of the command line
    // Errors of a batch: its command line, its folders, a folder of two projects.
    batch_refused,
    batch_folder_missing,
    batch_no_project,
    two_project_files,
};

enum class DiagnosticLevel { error, warning, note };

struct Diagnostic {
    DiagnosticKind kind;
    std::optional<std::string> file;  // none: about the command line or the run
    size_t line = 0;                  // 0: about the whole file
    QString text;                     // placeholders filled, translated, no line end
};

constexpr size_t k_diagnostic_kinds = static_cast<size_t>(DiagnosticKind::two_project_files) + 1;

// A set of kinds, such as those a team has accepted ("--ignore").
using DiagnosticKinds = std::bitset<k_diagnostic_kinds>;

// The level of a kind (see diagnostic_rules.h).
DiagnosticLevel level_of(DiagnosticKind kind);

// The line of the error stream, line end included: "(E) TEXT" for an error,
// "LOCATION: KEYWORD TEXT" otherwise, the location and keyword in bold colours
// when `colour` is set. A diagnostic without a file is located at "prjmigr".
QString diagnostic_line(const Diagnostic& diagnostic, bool colour);

#include "prjmigr/run.h"

#include <filesystem>
#include <memory>

#include "legacy/reader.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "messages/environment.h"
#include "messages/message_table.h"
#include "prjmigr/job_thread.h"
#include "prjmigr/output_file.h"
#include "prjmigr/output_names.h"
#include "prjmigr/output_pair.h"
#include "prjmigr/sarif_log.h"
#include "writers/objects_writer.h"
#include "writers/project_writer.h"
#include "writers/test_tree_writer.h"

namespace {

// How far reading may run ahead of writing, in records of trees read and not
// yet being written: a few large campaigns, or many sessions.
constexpr size_t k_records_ahead = 16384;
// Trees are written on the reading thread until they hold this many records in
// all: starting a thread costs a small run more than it saves.
constexpr size_t k_records_at_once = 1024;

// --warnings, --check and --sarif report what the conversion leaves out.
bool reports_diagnostics(const CommandLine& command_line)
{
    return command_line.report != CommandLine::Report::none || command_line.sarif_file.has_value();
}

// What the readings of one run share: the options of the command line, the
// files with the folders listed so far, and what the readings found.
struct Reading {
    ReaderOptions options;
    LegacyFiles files = disk_legacy_files();
    ReadingOutcome outcome;

    explicit Reading(const CommandLine& command_line)
        : options{reports_diagnostics(command_line), command_line.windows_paths, command_line.maps}
    {
    }

    std::optional<LegacyTree> read(const std::string& path) { return read_legacy_file(path, options, files, outcome); }

    // Once every legacy file is read, before any message about the outputs.
    void finish() const
    {
        if (outcome.member_suggested)
            print_diagnostic(windows_paths_note());
    }
};

// An output that failed, told as the error and, under --warnings, the system's reason.
struct OutputFailure {
    DiagnosticKind kind;
    std::string name;
    int reason = 0;
};

using Failure = std::optional<OutputFailure>;

// Reports `failure`, if any; true when there is none.
bool succeeded(const Failure& failure)
{
    if (!failure)
        return true;
    switch (failure->kind) {
    case DiagnosticKind::output_is_input:
        print_error(failure->kind, output_is_input_message(failure->name));
        return false;
    case DiagnosticKind::output_unopenable:
        print_error(failure->kind, unable_to_open_message(failure->name));
        break;
    default:
        print_error(failure->kind, unable_to_write_message(failure->name));
        break;
    }
    print_diagnostic(output_failure_note(failure->name, failure->reason));
    return false;
}

Failure open_output(OutputFile& file, const std::string& name)
{
    if (file.open(name))
        return std::nullopt;
    return OutputFailure{DiagnosticKind::output_unopenable, name, file.error()};
}

// Completes the document in its temporary file; fails when it cannot, or when
// the target is an input.
Failure finish_output(OutputFile& file, OutputStream& out, const std::string& name)
{
    switch (file.finish(out, g_input_files)) {
    case OutputFile::Outcome::written:
        return std::nullopt;
    case OutputFile::Outcome::write_failed:
        return OutputFailure{DiagnosticKind::output_unwritable, name, file.error()};
    case OutputFile::Outcome::is_input:
        break;
    }
    return OutputFailure{DiagnosticKind::output_is_input, name};
}

Failure commit_output(OutputFile& file, const std::string& name)
{
    if (file.commit())
        return std::nullopt;
    return OutputFailure{DiagnosticKind::output_unwritable, name, file.error()};
}

// The objects file, written once every legacy file is read; what writing it
// found is told later, in the order it was found (see tell()).
struct ObjectsFile {
    const std::string& name;
    OutputFile& file;
    const std::string& workbench_root;
    Failure opening = std::nullopt;
    Failure finishing = std::nullopt;

    // Complete in its temporary file.
    void write()
    {
        opening = open_output(file, name);
        if (opening)
            return;
        OutputStream out(file.device());
        write_objects_file(out, workbench_root, g_script_files, g_source_files);
        finishing = finish_output(file, out, name);
    }

    // Reports what writing it found; true when it is complete.
    bool tell() const
    {
        return succeeded(opening) && succeeded(finishing);
    }
};

// Writes both documents, each complete in its temporary file, reporting what fails.
bool write_documents(const CommandLine& command_line, const OutputNames& names, const std::string& workbench_root,
                     OutputFile& file, OutputFile& objects_file)
{
    Reading reading(command_line);
    if (!succeeded(open_output(file, names.project_file)))
        return false;
    OutputStream out(file.device());
    const auto failed = [&] {
        return out.failed() && !succeeded(OutputFailure{DiagnosticKind::output_unwritable, names.project_file, out.error()});
    };

    write_project_head(out, names.project_file, workbench_root);
    g_project = reading.read(command_line.project_files.front());
    const LegacyRecord* project = g_project ? &g_project->root() : nullptr;
    write_project_configs(out, project);
    begin_test_tree(out);
    if (failed())
        return false;
    // The arguments' trees are formatted and written on a thread of their own,
    // in order, while the next arguments are read; `out` is the thread's until
    // every tree is written. A failed write is told once they all are.
    JobThread formatting(k_records_ahead, k_records_at_once);
    const auto format = [&](std::optional<LegacyTree> read, auto write_tree) {
        if (!read)
            return;
        const size_t weight = read->records.size();
        formatting.start(
            [&out, project, write_tree, tree = std::make_shared<const LegacyTree>(std::move(*read))] {
                // After a failed write the run ends: formatting more is of no use.
                if (!out.failed())
                    write_tree(out, tree->root(), project);
            },
            weight);
    };
    for (const std::string& path : command_line.campaign_files)
        format(reading.read(path), [&path](OutputStream& to, const LegacyRecord& campaign, const LegacyRecord* with) {
            write_group(to, path, campaign, with);
        });
    for (const std::string& path : command_line.session_files)
        format(reading.read(path), [&path](OutputStream& to, const LegacyRecord& session, const LegacyRecord* with) {
            write_test(to, path, session, with);
        });
    // Every legacy file is read: the objects file is written while the last
    // trees are, and tells what it found after the project file, as when it
    // was written after it. A target written in place (a device, a FIFO) gets
    // nothing before the project file is complete.
    ObjectsFile objects{names.objects_file, objects_file, workbench_root};
    const bool objects_meanwhile = !written_in_place(names.objects_file);
    if (objects_meanwhile)
        objects.write();
    formatting.wait();
    if (failed())
        return false;
    reading.finish();
    write_project_tail(out, names.objects_reference, project);
    if (!succeeded(finish_output(file, out, names.project_file)))
        return false;
    if (!objects_meanwhile)
        objects.write();
    return objects.tell();
}

// The SARIF log of a run, in its temporary file from the start: a log that
// cannot be created ends the run before anything is read or replaced.
class SarifLog {
public:
    explicit SarifLog(std::string name) : name_(std::move(name)) {}

    bool open() { return succeeded(open_output(file_, name_)); }

    // Writes `records` and the run's `exit_code` and replaces the target.
    bool write(const std::vector<Diagnostic>& records, int exit_code)
    {
        std::error_code error;
        const std::string working_directory = std::filesystem::current_path(error).native();
        const QByteArray log = sarif_log(records, exit_code & 0xff, error ? "/" : working_directory);
        OutputStream out(file_.device());
        out.put(std::string_view(log.constData(), static_cast<size_t>(log.size())));
        return succeeded(finish_output(file_, out, name_)) && succeeded(commit_output(file_, name_));
    }

private:
    std::string name_;
    OutputFile file_;
};

bool use_colour(CommandLine::Colour colour)
{
    switch (colour) {
    case CommandLine::Colour::always:
        return true;
    case CommandLine::Colour::never:
        return false;
    case CommandLine::Colour::automatic:
        break;
    }
    return error_stream_shows_colour();
}

bool is_conversion(const CommandLine& command_line)
{
    return command_line.report != CommandLine::Report::check;
}

// The log would replace one of the documents. --check writes no document.
bool log_replaces_a_document(const CommandLine& command_line)
{
    return is_conversion(command_line) && !command_line.project_files.empty()
        && log_shares_an_output(derive_output_names(command_line.project_files.front(), command_line.output_name),
                                *command_line.sarif_file);
}

// The log's name before anything is read: 0 when it is accepted, else the exit code.
int refused_log_name(const CommandLine& command_line)
{
    if (command_line.sarif_file_missing) {
        print_error(sarif_file_missing_message());
        return k_exit_fatal;
    }
    if (!command_line.sarif_file)
        return 0;
    if (named_like_legacy_file(*command_line.sarif_file)) {
        print_error(DiagnosticKind::output_named_like_legacy, output_named_like_legacy_message(*command_line.sarif_file));
        return k_exit_failure;
    }
    if (log_replaces_a_document(command_line)) {
        print_error(DiagnosticKind::output_written_twice, log_written_twice_message(*command_line.sarif_file));
        return k_exit_failure;
    }
    return 0;
}

Diagnostic ignored_argument_message(const IgnoredArgument& ignored)
{
    switch (ignored.why) {
    case IgnoredArgument::Why::not_legacy_file:
        return ignored_argument_warning(ignored.argument);
    case IgnoredArgument::Why::unknown_option:
        return unknown_option_warning(ignored.argument);
    case IgnoredArgument::Why::extra_project:
        return extra_project_warning(ignored.argument);
    case IgnoredArgument::Why::output_name_missing:
        return missing_output_name_warning();
    }
    return {};
}

}  // namespace

int run_check(const CommandLine& command_line)
{
    Reading reading(command_line);
    g_project = reading.read(command_line.project_files.front());
    for (const std::string& path : command_line.campaign_files)
        reading.read(path);
    for (const std::string& path : command_line.session_files)
        reading.read(path);
    reading.finish();
    return error_stream_messages() == 0 ? k_exit_success : k_exit_reported;
}

int run_conversion(const CommandLine& command_line)
{
    const OutputNames names =
        derive_output_names(command_line.project_files.front(), command_line.output_name);
    if (outputs_share_a_file(names)) {
        print_error(DiagnosticKind::output_written_twice, output_written_twice_message(names.project_file));
        return k_exit_failure;
    }
    if (named_like_legacy_file(names.project_file)) {
        print_error(DiagnosticKind::output_named_like_legacy, output_named_like_legacy_message(names.project_file));
        return k_exit_failure;
    }
    // Without the workbench root, the documents would name a definition file
    // that no workbench finds.
    const std::optional<std::string> workbench_root = require_env("NEVRAHOME");
    if (!workbench_root)
        return k_exit_fatal;
    // Both documents are complete, on disk and checked before either target is
    // replaced, so that a failed run leaves both as they were.
    OutputFile project_file;
    OutputFile objects_file;
    if (!write_documents(command_line, names, *workbench_root, project_file, objects_file))
        return k_exit_failure;
    switch (commit_pair(project_file, objects_file)) {
    case PairCommit::committed:
        return k_exit_success;
    case PairCommit::first_failed:
        succeeded(OutputFailure{DiagnosticKind::output_unwritable, names.project_file, project_file.error()});
        break;
    case PairCommit::second_failed:
        succeeded(OutputFailure{DiagnosticKind::output_unwritable, names.objects_file, objects_file.error()});
        break;
    }
    return k_exit_failure;
}

namespace {

// Everything after the log's name is accepted: the rest of the checks before
// reading, then the run itself.
int run_accepted(const CommandLine& command_line)
{
    if (command_line.bad_map) {
        print_error(DiagnosticKind::bad_path_map, bad_path_map_message(*command_line.bad_map));
        return k_exit_fatal;
    }
    for (const IgnoredArgument& ignored : command_line.ignored)
        print_diagnostic(ignored_argument_message(ignored));
    if (command_line.project_files.empty()) {
        print_error(DiagnosticKind::no_project_file, no_project_message());
        return k_exit_fatal;
    }
    return is_conversion(command_line) ? run_conversion(command_line) : run_check(command_line);
}

}  // namespace

int run_prjmigr(const std::vector<std::string>& arguments)
{
    const QString tool_name = from_local(arguments.empty() ? std::string() : arguments.front());
    if (arguments.size() <= 1) {
        print_error(usage_message(tool_name));
        return k_exit_failure;
    }
    const CommandLine command_line =
        parse_command_line(std::vector<std::string>(arguments.begin() + 1, arguments.end()));

    for (int i = 0; i < command_line.verbose_banners; ++i) {
        g_verbose = 1;
        print_verbose(version_banner_message());
    }
    switch (command_line.stop) {
    case CommandLine::Stop::help:
        print_output(usage_message(tool_name) + help_message());
        return k_exit_success;
    case CommandLine::Stop::version:
        print_output(version_banner_message());
        return k_exit_success;
    case CommandLine::Stop::unknown_option:
        print_error(unknown_long_option_message(command_line.unknown_option));
        return k_exit_fatal;
    case CommandLine::Stop::none:
        break;
    }
    // The console's gate for the driver's own diagnostic lines; the reader
    // receives the choice in its options.
    g_diagnostics = reports_diagnostics(command_line);
    const bool colour = use_colour(command_line.colour);
    set_diagnostic_output({colour, nullptr});
    if (const int refused = refused_log_name(command_line))
        return refused;
    std::optional<SarifLog> log;
    if (command_line.sarif_file && !log.emplace(*command_line.sarif_file).open())
        return k_exit_failure;
    // From here on the log is written whatever ends the run.
    std::vector<Diagnostic> records;
    set_diagnostic_output({colour, log ? &records : nullptr});
    int exit_code = run_accepted(command_line);
    set_diagnostic_output({colour, nullptr});
    if (log && !log->write(records, exit_code))
        exit_code = k_exit_failure;
    if (exit_code == k_exit_success || exit_code == k_exit_reported)
        print_verbose(done_message());
    return exit_code;
}

#include "prjmigr/driver.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "messages/message_table.h"
#include "messages/sarif_log.h"
#include "prjmigr/batch.h"
#include "prjmigr/command_line.h"
#include "prjmigr/conversion.h"
#include "prjmigr/output_failure.h"
#include "prjmigr/output_names.h"
#include "prjmigr/project_run.h"

namespace {

// --warnings, --check and --sarif report what the conversion leaves out.
bool reports_diagnostics(const CommandLine& command_line)
{
    return command_line.report != CommandLine::Report::none || command_line.sarif_file.has_value();
}

bool is_conversion(const CommandLine& command_line)
{
    return command_line.report != CommandLine::Report::check;
}

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

// How far the formatting thread may fall behind the reading; tests lower the
// limits (PRJMIGR_TEST_JOB_LIMITS=AHEAD,AT_ONCE) so that small runs use the thread.
JobLimits job_limits()
{
    JobLimits limits;
    if (const char* test = std::getenv("PRJMIGR_TEST_JOB_LIMITS")) {
        char* end = nullptr;
        // At least one record may wait, or the reading would wait for ever.
        limits.weight_ahead = std::max<size_t>(1, std::strtoul(test, &end, 10));
        if (*end == ',')
            limits.weight_at_once = std::strtoul(end + 1, nullptr, 10);
    }
    return limits;
}

// The SARIF log of a run, written into its temporary file as the run goes: a
// log that cannot be created ends the run before anything is read or replaced.
class LogFile {
public:
    explicit LogFile(std::string name) : name_(std::move(name)) {}

    // Creates the temporary file and begins the log there.
    bool open(Console& console)
    {
        if (!succeeded(console, open_output(file_, name_, name_)))
            return false;
        out_.emplace(file_.device());
        std::error_code error;
        const std::string working_directory = std::filesystem::current_path(error).native();
        log_.emplace([this](std::string_view bytes) { out_->put(bytes); }, error ? "/" : working_directory);
        return true;
    }

    void add(const Diagnostic& diagnostic, const std::string& project = {}) { log_->add(diagnostic, project); }

    // Ends the log with the run's `exit_code` and replaces the target, unless
    // it is one of `inputs`, the legacy files the run opened.
    bool close(Console& console, int exit_code, const FileIdSet& inputs)
    {
        log_->finish(exit_code & 0xff);
        return succeeded(console, finish_output(file_, *out_, name_, inputs))
            && succeeded(console, commit_output(file_, name_));
    }

private:
    std::string name_;
    OutputFile file_;
    std::optional<OutputStream> out_;
    std::optional<SarifLog> log_;
};

// The log would replace one of the documents. --check writes no document.
bool log_replaces_a_document(const CommandLine& command_line)
{
    return is_conversion(command_line) && !command_line.project_files.empty()
        && log_shares_an_output(derive_output_names(command_line.project_files.front(), command_line.output_name),
                                *command_line.sarif_file);
}

// The log's name before anything is read: 0 when it is accepted, else the exit code.
int refused_log_name(const CommandLine& command_line, Console& console)
{
    if (command_line.sarif_file_missing) {
        console.print_error(sarif_file_missing_message());
        return k_exit_fatal;
    }
    if (!command_line.sarif_file)
        return 0;
    if (named_like_legacy_file(*command_line.sarif_file)) {
        console.print_error(DiagnosticKind::output_named_like_legacy,
                            output_named_like_legacy_message(*command_line.sarif_file));
        return k_exit_failure;
    }
    if (log_replaces_a_document(command_line)) {
        console.print_error(DiagnosticKind::output_written_twice, log_written_twice_message(*command_line.sarif_file));
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

// What the command line makes of a run.
RunSettings run_settings(const CommandLine& command_line)
{
    return {is_conversion(command_line), command_line.output_name,
            ReaderOptions{reports_diagnostics(command_line), command_line.windows_paths, command_line.maps,
                          command_line.ignored_kinds},
            job_limits()};
}

// A number of projects run at once: a whole number from 1 up.
std::optional<size_t> jobs_value(const std::string& text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const size_t jobs = std::stoul(text);
    return jobs == 0 ? std::nullopt : std::optional(jobs);
}

// A command line that --batch cannot run, or options of a batch without it:
// 0, or the exit code once the error is printed.
int refused_batch(const CommandLine& command_line, Console& console)
{
    QString error;
    if (!command_line.batch) {
        if (command_line.list)
            error = needs_batch_message("--list");
        else if (command_line.jobs)
            error = needs_batch_message("--jobs");
    } else if (command_line.output_option) {
        error = batch_output_name_message();
    } else if (!command_line.project_files.empty() || !command_line.campaign_files.empty()
               || !command_line.session_files.empty()) {
        const std::string& legacy = !command_line.project_files.empty()   ? command_line.project_files.front()
                                    : !command_line.campaign_files.empty() ? command_line.campaign_files.front()
                                                                           : command_line.session_files.front();
        error = batch_legacy_argument_message(legacy);
    } else if (command_line.jobs && !jobs_value(*command_line.jobs)) {
        error = bad_jobs_message(*command_line.jobs);
    } else if (command_line.folders.empty()) {
        error = batch_without_folder_message();
    }
    if (error.isEmpty())
        return 0;
    console.print_error(error);
    return k_exit_fatal;
}

// The settings of each project of a batch: a relative TO of --map-path is
// taken from the batch's directory, since each project runs from its own folder.
BatchSettings batch_settings(const CommandLine& command_line, bool colour)
{
    BatchSettings settings;
    settings.run = run_settings(command_line);
    settings.folders = command_line.folders;
    std::error_code error;
    const std::string here = std::filesystem::current_path(error).native();
    for (PathMap& map : settings.run.options.maps) {
        if (map.to.empty() || map.to.front() != '/')
            map.to = here + (map.to.empty() ? "" : "/" + map.to);
    }
    const size_t processors = std::thread::hardware_concurrency();
    settings.jobs = command_line.jobs ? *jobs_value(*command_line.jobs) : std::max<size_t>(1, processors);
    settings.list = command_line.list;
    settings.status_line = error_stream_is_terminal();
    settings.verbose = command_line.verbose_banners > 0;
    settings.colour = colour;
    settings.log_name = command_line.sarif_file;
    return settings;
}

// Everything after the log's name is accepted: the rest of the checks before
// reading, then the run itself, which gathers what it reads in `run`.
int run_accepted(const CommandLine& command_line, Console& console, Run& run, const ProjectLog& log)
{
    if (command_line.bad_map) {
        console.print_error(DiagnosticKind::bad_path_map, bad_path_map_message(*command_line.bad_map));
        return k_exit_fatal;
    }
    for (const IgnoredArgument& ignored : command_line.ignored) {
        // The arguments of a batch that name no legacy file are its folders.
        if (command_line.batch && ignored.why == IgnoredArgument::Why::not_legacy_file)
            continue;
        console.print_diagnostic(ignored_argument_message(ignored));
        if (!ignored.suffix_in_other_case.empty())
            console.print_diagnostic(suffix_case_note(ignored.argument, ignored.suffix_in_other_case));
    }
    if (command_line.batch)
        return run_batch(batch_settings(command_line, use_colour(command_line.colour)), console, log);
    if (command_line.project_files.empty()) {
        console.print_error(DiagnosticKind::no_project_file, no_project_message());
        return k_exit_fatal;
    }
    const LegacyArguments arguments{command_line.project_files.front(), command_line.campaign_files,
                                    command_line.session_files};
    return run_project(arguments, run_settings(command_line), {}, console, run);
}

}  // namespace

int run_prjmigr(const std::vector<std::string>& arguments, Console& console)
{
    const QString tool_name = from_local(arguments.empty() ? std::string() : arguments.front());
    if (arguments.size() <= 1) {
        console.print_error(usage_message(tool_name));
        return k_exit_failure;
    }
    const CommandLine command_line =
        parse_command_line(std::vector<std::string>(arguments.begin() + 1, arguments.end()));

    for (int i = 0; i < command_line.verbose_banners; ++i) {
        console.set_verbose(true);
        console.print_verbose(version_banner_message());
    }
    switch (command_line.stop) {
    case CommandLine::Stop::help:
        console.print_output(usage_message(tool_name) + help_message());
        return k_exit_success;
    case CommandLine::Stop::version:
        console.print_output(version_banner_message());
        return k_exit_success;
    case CommandLine::Stop::unknown_option:
        console.print_error(unknown_long_option_message(command_line.unknown));
        return k_exit_fatal;
    case CommandLine::Stop::unknown_rule:
        console.print_error(unknown_ignored_rule_message(command_line.unknown));
        return k_exit_fatal;
    case CommandLine::Stop::none:
        break;
    }
    if (const int refused = refused_batch(command_line, console))
        return refused;
    console.set_diagnostics(reports_diagnostics(command_line), use_colour(command_line.colour));
    console.set_ignored(command_line.ignored_kinds);
    if (const int refused = refused_log_name(command_line, console))
        return refused;
    std::optional<LogFile> log;
    if (command_line.sarif_file && !log.emplace(*command_line.sarif_file).open(console))
        return k_exit_failure;
    // From here on the log is written whatever ends the run.
    if (log)
        console.set_log([&log](const Diagnostic& diagnostic) { log->add(diagnostic); });
    Run run;
    ProjectLog project_log;
    if (log)
        project_log = [&log](const Diagnostic& diagnostic, const std::string& project) { log->add(diagnostic, project); };
    int exit_code = run_accepted(command_line, console, run, project_log);
    console.set_log(nullptr);
    if (log && !log->close(console, exit_code, run.input_files))
        exit_code = k_exit_failure;
    if (exit_code == k_exit_success || exit_code == k_exit_reported)
        console.print_verbose(done_message());
    return exit_code;
}

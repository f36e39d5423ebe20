#include "prjmigr/project_run.h"

#include "messages/console.h"
#include "messages/environment.h"
#include "messages/message_table.h"
#include "prjmigr/driver.h"
#include "prjmigr/output_names.h"

namespace {

int run_conversion(const LegacyArguments& arguments, const RunSettings& settings, const std::string& folder,
                   RunReading& reading, Run& run)
{
    Console& console = reading.console;
    const OutputNames names = derive_output_names(arguments.project, settings.output_name, folder);
    if (outputs_share_a_file(names)) {
        console.print_error(DiagnosticKind::output_written_twice, output_written_twice_message(names.project_file));
        return k_exit_failure;
    }
    if (named_like_legacy_file(names.project_file)) {
        console.print_error(DiagnosticKind::output_named_like_legacy,
                            output_named_like_legacy_message(names.project_file));
        return k_exit_failure;
    }
    // Without the workbench root, the documents would name a definition file
    // that no workbench finds.
    const std::optional<std::string> workbench_root = require_env(console, "NEVRAHOME");
    if (!workbench_root)
        return k_exit_fatal;
    return convert(names, *workbench_root, arguments, reading, run, settings.limits) ? k_exit_success
                                                                                      : k_exit_failure;
}

}  // namespace

int run_project(const LegacyArguments& arguments, const RunSettings& settings, const std::string& folder,
                Console& console, Run& run)
{
    LegacyFiles files = disk_legacy_files(k_legacy_file_limit, folder);
    RunReading reading{settings.options, files, console};
    if (settings.conversion)
        return run_conversion(arguments, settings, folder, reading, run);
    check(arguments, reading, run);
    return console.reports() == 0 ? k_exit_success : k_exit_reported;
}

// The diagnostics of --warnings and --check: what the legacy files say that the
// outputs cannot carry, as records located at a file and line (printed in the
// form compilers use, "FILE:LINE: warning: TEXT", so that editors and CI jobs
// can read them). Every placeholder of a text is filled in one pass.
#pragma once

#include <cstddef>
#include <string_view>

#include "messages/diagnostic.h"

// Arguments of the command line that the run leaves out.
Diagnostic ignored_argument_warning(std::string_view argument);
// After it: the argument ends in `suffix`, a legacy suffix in another letter case.
Diagnostic suffix_case_note(std::string_view argument, std::string_view suffix);
Diagnostic unknown_option_warning(std::string_view argument);
Diagnostic extra_project_warning(std::string_view argument);
Diagnostic missing_output_name_warning();

// A legacy file that cannot be read (`error` is an errno value), named on the
// command line or by an FI line of `campaign`, and the file probably meant.
Diagnostic unreadable_argument_warning(std::string_view path, int error);
Diagnostic unreadable_member_warning(std::string_view campaign, size_t line, std::string_view member,
                                  int error);
Diagnostic argument_suggestion_note(std::string_view path, std::string_view suggestion);
Diagnostic member_suggestion_note(std::string_view campaign, size_t line, std::string_view suggestion);
// After the reading, when an FI line got a note above.
Diagnostic windows_paths_note();

// A file without a header line, and a line that nearly is one.
Diagnostic no_header_warning(std::string_view path);
Diagnostic near_header_note(std::string_view path, size_t line);

// Lines that are ignored.
enum class KeyFamily { project, campaign, session };
Diagnostic foreign_key_warning(std::string_view path, size_t line, std::string_view key, KeyFamily family);
Diagnostic no_key_warning(std::string_view path, size_t line);
Diagnostic key_before_configuration_warning(std::string_view path, size_t line, std::string_view key);

// Values that are replaced or read otherwise than they may have been meant.
Diagnostic repeated_key_warning(std::string_view path, size_t line, std::string_view key,
                             size_t previous_line);
Diagnostic repeated_configuration_warning(std::string_view path, size_t line, std::string_view name,
                                       size_t first_line);
Diagnostic yes_no_warning(std::string_view path, size_t line, std::string_view key, std::string_view value);

// A session line whose script or source (`path`, resolved) is no regular file,
// and the file probably meant.
Diagnostic missing_file_warning(std::string_view session, size_t line, std::string_view path, bool script);
Diagnostic path_suggestion_note(std::string_view session, size_t line, std::string_view suggestion);

// A session line read and carried nowhere; `key` is the two letters.
Diagnostic key_without_place_warning(std::string_view session, size_t line, std::string_view key);

// A session whose settings no configuration of the project receives.
Diagnostic undeclared_configuration_warning(std::string_view path, size_t line, std::string_view name);
Diagnostic declared_configuration_note(std::string_view path, size_t line, std::string_view name);
Diagnostic no_configuration_line_warning(std::string_view path);

// The system's reason why an output file could not be opened or written.
Diagnostic output_failure_note(std::string_view file_name, int error);

// An FI line of `campaign` names `member`, which is already being read further
// up the chain: an error, printed as "(E) ...", located at the FI line.
Diagnostic campaign_cycle_error(std::string_view campaign, size_t line, std::string_view member);

// The reports about a file beyond those shown, counted once the file is read.
Diagnostic reports_not_shown_note(std::string_view path, size_t count);

// The results beyond the SARIF log's limit, counted in the log alone.
Diagnostic results_not_logged_notification(size_t count, size_t limit);

// The diagnostics of --warnings and --check: what the legacy files say that the
// outputs cannot carry. One line each, in the form compilers use
// ("FILE:LINE: warning: TEXT", "FILE: note: TEXT"), so that editors and CI jobs
// can read them. Every placeholder of a message is filled in one pass.
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

// Arguments of the command line that the run leaves out.
QString ignored_argument_warning(std::string_view argument);
QString unknown_option_warning(std::string_view argument);
QString extra_project_warning(std::string_view argument);
QString missing_output_name_warning();

// A legacy file that cannot be read (`error` is an errno value), named on the
// command line or by an FI line of `campaign`, and the file probably meant.
QString unreadable_argument_warning(std::string_view path, int error);
QString unreadable_member_warning(std::string_view campaign, size_t line, std::string_view member,
                                  int error);
QString argument_suggestion_note(std::string_view path, std::string_view suggestion);
QString member_suggestion_note(std::string_view campaign, size_t line, std::string_view suggestion);
// After the reading, when an FI line got a note above.
QString windows_paths_note();

// A file without a header line, and a line that nearly is one.
QString no_header_warning(std::string_view path);
QString near_header_note(std::string_view path, size_t line);

// Lines that are ignored.
enum class KeyFamily { project, campaign, session };
QString foreign_key_warning(std::string_view path, size_t line, std::string_view key, KeyFamily family);
QString no_key_warning(std::string_view path, size_t line);
QString key_before_configuration_warning(std::string_view path, size_t line, std::string_view key);

// Values that are replaced or read otherwise than they may have been meant.
QString repeated_key_warning(std::string_view path, size_t line, std::string_view key,
                             size_t previous_line);
QString repeated_configuration_warning(std::string_view path, size_t line, std::string_view name,
                                       size_t first_line);
QString yes_no_warning(std::string_view path, size_t line, std::string_view key, std::string_view value);

// A session whose settings no configuration of the project receives.
QString undeclared_configuration_warning(std::string_view path, size_t line, std::string_view name);
QString declared_configuration_note(std::string_view path, size_t line, std::string_view name);
QString no_configuration_line_warning(std::string_view path);

// The system's reason why an output file could not be opened or written.
QString output_failure_note(std::string_view file_name, int error);

// Every user-visible text of the tool. Translatable messages are looked up by
// context, source text and translator's comment, then filled in one arg() call.
#pragma once

#include <QString>
#include <string_view>

// A file name or argument (local 8-bit bytes) as message text.
QString from_local(std::string_view bytes);

QString usage_message(const QString& tool_name);
// The options and environment variables, printed by --help after the usage line.
QString help_message();
QString no_project_message();
QString version_banner_message();
QString parsing_message(std::string_view path);
QString done_message();
QString unable_to_open_message(std::string_view file_name);
QString unable_to_write_message(std::string_view file_name);
QString env_undefined_message(const QString& variable);
QString campaign_cycle_message(std::string_view campaign, std::string_view member);
QString output_is_input_message(std::string_view file_name);
QString output_written_twice_message(std::string_view file_name);
QString log_written_twice_message(std::string_view file_name);
QString bad_path_map_message(std::string_view value);
QString sarif_file_missing_message();
QString unknown_long_option_message(std::string_view argument);
QString unknown_ignored_rule_message(std::string_view id);

// A batch (--batch): what refuses its command line, its folders, its projects.
QString batch_output_name_message();
QString batch_legacy_argument_message(std::string_view argument);
QString needs_batch_message(std::string_view option);
QString bad_jobs_message(std::string_view value);
QString batch_without_folder_message();
QString batch_folder_missing_message(std::string_view folder);
QString batch_no_project_message();
QString two_project_files_message(std::string_view folder);
// The line before the lines of a project, on each stream it prints on.
QString project_header_message(std::string_view folder);
// The status line on a terminal, and the summary once every project has run.
QString batch_status_message(size_t done, size_t projects, size_t clean, size_t reported, size_t failed,
                             bool check);
QString batch_summary_message(size_t projects, size_t clean, size_t reported, size_t failed, bool check);
QString project_summary_message(std::string_view folder, int exit_code, size_t reports);
QString output_named_like_legacy_message(std::string_view file_name);

// Start-up messages: shown before any catalogue exists, so never translated.
QString kelmardir_unset_message();
QString catalogue_dir_missing_message(const QString& directory);

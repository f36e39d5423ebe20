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
QString output_named_like_legacy_message(std::string_view file_name);

// Start-up messages: shown before any catalogue exists, so never translated.
QString kelmardir_unset_message();
QString catalogue_dir_missing_message(const QString& directory);

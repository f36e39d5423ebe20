#include "prjmigr/command_line.h"

#include <string_view>

#include "legacy/path_list.h"
#include "messages/diagnostic_rules.h"

namespace {

// The text from the last '.' of the whole argument, directory part included.
std::string_view suffix_of(std::string_view argument)
{
    const size_t dot = argument.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : argument.substr(dot);
}

// Exactly, or in any letter case when the arguments are read as written on Windows.
void classify(CommandLine& command_line, const std::string& argument, bool any_case)
{
    using Why = IgnoredArgument::Why;
    const std::string_view written = suffix_of(argument);
    const std::string suffix = any_case ? folded_copy(written) : std::string(written);
    if (suffix == ".prj") {
        if (!command_line.project_files.empty())
            command_line.ignored.push_back({Why::extra_project, argument});
        command_line.project_files.push_back(argument);
    } else if (suffix == ".cmp") {
        command_line.campaign_files.push_back(argument);
    } else if (suffix == ".ses") {
        command_line.session_files.push_back(argument);
    } else {
        const std::string folded = folded_copy(written);
        const bool other_case = folded == ".prj" || folded == ".cmp" || folded == ".ses";
        command_line.ignored.push_back({Why::not_legacy_file, argument, other_case ? std::string(written) : ""});
        command_line.folders.push_back(argument);
    }
}

// The kind whose id is `id`, of a warning or a note; none for any other.
std::optional<DiagnosticKind> reported_kind(std::string_view id)
{
    for (size_t i = 0; i < k_diagnostic_kinds; ++i) {
        const auto kind = static_cast<DiagnosticKind>(i);
        if (diagnostic_rule(kind).id == id)
            return level_of(kind) == DiagnosticLevel::error ? std::nullopt : std::optional(kind);
    }
    return std::nullopt;
}

// "--ignore=RULE[,RULE...]"; false for an id that names no warning or note.
bool add_ignored(CommandLine& command_line, std::string_view ids)
{
    for (;;) {
        const size_t comma = ids.find(',');
        const std::string_view id = ids.substr(0, comma);
        const std::optional<DiagnosticKind> kind = reported_kind(id);
        if (!kind) {
            command_line.stop = CommandLine::Stop::unknown_rule;
            command_line.unknown = std::string(id);
            return false;
        }
        command_line.ignored_kinds.set(static_cast<size_t>(*kind));
        if (comma == std::string_view::npos)
            return true;
        ids.remove_prefix(comma + 1);
    }
}

// FROM=TO splits at the first '=': TO may be empty or hold '='; FROM may not be empty.
void add_map(CommandLine& command_line, const std::string& value)
{
    const size_t equals = value.find('=');
    if (equals == std::string::npos || equals == 0) {
        if (!command_line.bad_map)
            command_line.bad_map = value;
        return;
    }
    command_line.maps.push_back({value.substr(0, equals), value.substr(equals + 1)});
}

void set_sarif_file(CommandLine& command_line, std::optional<std::string> name)
{
    command_line.sarif_file_missing = !name || name->empty();
    command_line.sarif_file = command_line.sarif_file_missing ? std::nullopt : std::move(name);
}

// The choice of "--color=WHEN"; none for any other argument.
std::optional<CommandLine::Colour> colour_option(std::string_view argument)
{
    using Colour = CommandLine::Colour;
    if (argument == "--color=auto")
        return Colour::automatic;
    if (argument == "--color=always")
        return Colour::always;
    if (argument == "--color=never")
        return Colour::never;
    return std::nullopt;
}

// `any_case`: legacy suffixes in any letter case, as --windows-paths reads them.
CommandLine parse_arguments(const std::vector<std::string>& arguments, bool any_case)
{
    using Report = CommandLine::Report;
    CommandLine command_line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-o") {
            command_line.output_option = true;
            // The next argument, whatever it looks like, is the output name.
            if (++i < arguments.size()) {
                command_line.output_name = arguments[i];
            } else {
                command_line.output_name.reset();
                command_line.ignored.push_back({IgnoredArgument::Why::output_name_missing, argument});
            }
        } else if (argument == "-v") {
            ++command_line.verbose_banners;
        } else if (argument == "--warnings") {
            if (command_line.report == Report::none)
                command_line.report = Report::warnings;
        } else if (argument == "--check") {
            command_line.report = Report::check;
        } else if (argument == "--windows-paths") {
            command_line.windows_paths = true;
        } else if (argument == "--map-path") {
            // The next argument is the value, whatever it looks like.
            add_map(command_line, ++i < arguments.size() ? arguments[i] : std::string());
        } else if (argument.rfind("--map-path=", 0) == 0) {
            add_map(command_line, argument.substr(std::string("--map-path=").size()));
        } else if (argument == "--sarif") {
            // Like "-o", the next argument is the name, whatever it looks like.
            set_sarif_file(command_line, ++i < arguments.size() ? std::optional(arguments[i]) : std::nullopt);
        } else if (argument.rfind("--sarif=", 0) == 0) {
            set_sarif_file(command_line, argument.substr(8));
        } else if (const std::optional<CommandLine::Colour> colour = colour_option(argument)) {
            command_line.colour = *colour;
        } else if (argument == "--ignore" || argument.rfind("--ignore=", 0) == 0) {
            // Like "--map-path", the next argument is the value, whatever it looks like.
            const std::string value = argument == "--ignore" ? (++i < arguments.size() ? arguments[i] : std::string())
                                                             : argument.substr(std::string("--ignore=").size());
            if (!add_ignored(command_line, value))
                return command_line;
        } else if (argument == "--batch") {
            command_line.batch = true;
        } else if (argument == "--list") {
            command_line.list = true;
        } else if (argument == "--jobs") {
            // Like "--map-path", the next argument is the value, whatever it looks like.
            command_line.jobs = ++i < arguments.size() ? arguments[i] : std::string();
        } else if (argument.rfind("--jobs=", 0) == 0) {
            command_line.jobs = argument.substr(std::string("--jobs=").size());
        } else if (argument == "--help") {
            command_line.stop = CommandLine::Stop::help;
            return command_line;
        } else if (argument == "--version") {
            command_line.stop = CommandLine::Stop::version;
            return command_line;
        } else if (argument.rfind("--", 0) == 0 && argument != "--") {
            // A misspelt option would otherwise convert, and replace the earlier outputs, unasked.
            command_line.stop = CommandLine::Stop::unknown_option;
            command_line.unknown = argument;
            return command_line;
        } else if (!argument.empty() && argument.front() == '-') {
            command_line.ignored.push_back({IgnoredArgument::Why::unknown_option, argument});
        } else {
            classify(command_line, argument, any_case);
        }
    }
    return command_line;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments)
{
    // --windows-paths counts wherever it stands, before the arguments it reads or after.
    CommandLine command_line = parse_arguments(arguments, false);
    if (command_line.windows_paths)
        command_line = parse_arguments(arguments, true);
    return command_line;
}

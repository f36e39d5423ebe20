#include "prjmigr/command_line.h"

#include <string_view>

namespace {

// The text from the last '.' of the whole argument, directory part included.
std::string_view suffix_of(std::string_view argument)
{
    const size_t dot = argument.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : argument.substr(dot);
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments)
{
    CommandLine command_line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-o") {
            // The next argument, whatever it looks like, is the output name.
            if (++i < arguments.size())
                command_line.output_name = arguments[i];
            else
                command_line.output_name.reset();
        } else if (argument == "-v") {
            ++command_line.verbose_banners;
        } else if (argument == "--help") {
            command_line.stop = CommandLine::Stop::help;
            return command_line;
        } else if (argument == "--version") {
            command_line.stop = CommandLine::Stop::version;
            return command_line;
        } else if (argument.empty() || argument.front() != '-') {
            const std::string_view suffix = suffix_of(argument);
            if (suffix == ".prj")
                command_line.project_files.push_back(argument);
            else if (suffix == ".cmp")
                command_line.campaign_files.push_back(argument);
            else if (suffix == ".ses")
                command_line.session_files.push_back(argument);
        }
    }
    return command_line;
}

// The command line: options, and legacy files classified by their suffix.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    std::vector<std::string> project_files;   // only the first is converted
    std::vector<std::string> campaign_files;
    std::vector<std::string> session_files;
    std::optional<std::string> output_name;  // after the last "-o"
    int verbose_banners = 0;                  // one per "-v" read
    // "--help" or "--version" ends the examination where it stands.
    enum class Stop { none, help, version } stop = Stop::none;
};

// Examines the arguments (the tool's name excluded) in order.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

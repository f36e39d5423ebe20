// Environment lookups that the outputs depend on.
#pragma once

#include <optional>
#include <string>

// The variable's value (empty counts as set). When it is unset, reports it and
// gives the variable's name back, so the output still names what is missing.
std::string require_env(const char* name);

// The variable's value, none when it is unset; nothing is reported.
std::optional<std::string> env_value(const char* name);

// Reports that the variable is unset, as require_env does.
void report_unset_env(const char* name);

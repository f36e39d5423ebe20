// Environment lookups that the outputs depend on.
#pragma once

#include <optional>
#include <string>

class Console;

// The variable's value (empty counts as set); none, after reporting it on
// `console`, when the variable is unset.
std::optional<std::string> require_env(Console& console, const char* name);

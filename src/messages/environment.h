// Environment lookups that the outputs depend on.
#pragma once

#include <optional>
#include <string>

// The variable's value (empty counts as set); none, after reporting it, when
// the variable is unset.
std::optional<std::string> require_env(const char* name);

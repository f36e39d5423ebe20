// Environment lookups that the outputs depend on.
#pragma once

#include <string>

// The variable's value (empty counts as set). When it is unset, reports it and
// gives the variable's name back, so the output still names what is missing.
std::string require_env(const char* name);

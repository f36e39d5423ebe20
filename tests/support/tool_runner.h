// Runs the built prjmigr the way a user does, in a folder of the test's own.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ToolRun {
    int exit_code = -1;  // as a shell reports it: 255 for -1
    std::string out;
    std::string err;
};

// Environment changes for a run: a value sets the variable, none unsets it.
using EnvChanges = std::map<std::string, std::optional<std::string>>;

// The path of the built tool.
std::string tool_path();

// Runs the tool with `arguments` in `folder`. By default KELMARDIR holds an empty
// catalogue folder, NEVRAHOME is /opt/nevra and the locale is C.UTF-8.
ToolRun run_tool(const std::vector<std::string>& arguments, const std::string& folder,
                 const EnvChanges& env = {});

// Runs `script` with /bin/sh in `folder`, with the same environment; "$PRJMIGR"
// names the tool (for ulimit and other shell set-ups).
ToolRun run_shell(const std::string& script, const std::string& folder,
                  const EnvChanges& env = {});

// A test failure with xmllint's complaint unless the file is well-formed XML.
// `huge` lifts libxml2's limits (nesting deeper than 256, text nodes over 10,000,000 bytes).
void expect_well_formed_xml(const std::string& path, bool huge = false);

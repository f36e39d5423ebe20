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

// A KELMARDIR holding an empty catalogue folder, shared by the tests of a process.
std::string empty_kelmardir();

// Runs the tool with `arguments` in `folder`. By default KELMARDIR is
// empty_kelmardir(), NEVRAHOME is /opt/nevra and the locale is C.UTF-8.
ToolRun run_tool(const std::vector<std::string>& arguments, const std::string& folder,
                 const EnvChanges& env = {});

// Runs `script` with /bin/sh in `folder`, with the same environment; "$PRJMIGR"
// names the tool (for ulimit and other shell set-ups).
ToolRun run_shell(const std::string& script, const std::string& folder,
                  const EnvChanges& env = {});

// True when xmllint reads the file as well-formed XML; otherwise its complaint in `why`.
bool is_well_formed_xml(const std::string& path, std::string* why = nullptr);

// A test failure with xmllint's complaint unless the file is well-formed XML.
void expect_well_formed_xml(const std::string& path);

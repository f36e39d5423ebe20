// The names of the two output files, derived from the command line.
#pragma once

#include <optional>
#include <string>

struct OutputNames {
    std::string project_file;
    std::string objects_file;       // beside the project file, same base name
    std::string objects_reference;  // the objects file's name without a directory
};

// With an output name, the project file takes it exactly; otherwise both files
// go to the current directory, named after the project file.
OutputNames derive_output_names(const std::string& project_input,
                                const std::optional<std::string>& output_name);

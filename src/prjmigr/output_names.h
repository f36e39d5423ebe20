// The names of the two output files, derived from the command line.
#pragma once

#include <optional>
#include <string>

struct OutputNames {
    std::string project_file;
    std::string objects_file;       // beside the project file, same base name
    std::string objects_reference;  // the objects file's name without a directory
    std::string folder;             // the run's folder: the names are relative to it

    // Where the system finds the output `name` (see in_folder()).
    std::string on_disk(const std::string& name) const;
};

// With an output name, the project file takes it exactly; otherwise both files
// go to the run's folder (`folder`, the working directory when empty), named
// after the project file.
OutputNames derive_output_names(const std::string& project_input, const std::optional<std::string>& output_name,
                                const std::string& folder = {});

// The two outputs would be one file: the same name (-o y.inf), names of the same
// existing file, or a symbolic link leading to the other name. The objects file
// would replace the project file.
bool outputs_share_a_file(const OutputNames& names);

// The log, written last, would replace one of the two documents, in the sense above.
bool log_shares_an_output(const OutputNames& names, const std::string& log_name);

// The name ends in ".prj", ".cmp" or ".ses", in any letter case: an output of
// that name could replace a legacy file that the run did not read.
bool named_like_legacy_file(const std::string& name);

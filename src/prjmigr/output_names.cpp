#include "prjmigr/output_names.h"

#include "legacy/paths.h"

OutputNames derive_output_names(const std::string& project_input,
                                const std::optional<std::string>& output_name)
{
    OutputNames names;
    if (output_name) {
        names.project_file = *output_name;
        names.objects_file = dir_name(*output_name) + base_name(*output_name, false) + ".inf";
    } else {
        names.project_file = base_name(project_input, false) + ".rtp";
        names.objects_file = base_name(project_input, false) + ".inf";
    }
    names.objects_reference = base_name(names.project_file, false) + ".inf";
    return names;
}

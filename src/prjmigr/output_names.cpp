#include "prjmigr/output_names.h"

#include "legacy/legacy_files.h"
#include "legacy/path_list.h"
#include "legacy/paths.h"
#include "prjmigr/output_file.h"

std::string OutputNames::on_disk(const std::string& name) const
{
    return in_folder(folder, name);
}

OutputNames derive_output_names(const std::string& project_input, const std::optional<std::string>& output_name,
                                const std::string& folder)
{
    OutputNames names;
    names.folder = folder;
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

namespace {

// Replacing either name would replace one file.
bool names_share_a_file(const std::string& name, const std::string& other)
{
    if (name == other)
        return true;
    const std::optional<FileId> file = identify_disk_file(name);
    if (file && file == identify_disk_file(other))
        return true;  // hard links too
    return replaced_path(name) == replaced_path(other);
}

}  // namespace

bool outputs_share_a_file(const OutputNames& names)
{
    return names_share_a_file(names.on_disk(names.project_file), names.on_disk(names.objects_file));
}

bool log_shares_an_output(const OutputNames& names, const std::string& log_name)
{
    return names_share_a_file(log_name, names.on_disk(names.project_file))
        || names_share_a_file(log_name, names.on_disk(names.objects_file));
}

bool named_like_legacy_file(const std::string& name)
{
    if (name.size() < 4)
        return false;
    const std::string suffix = folded_copy(std::string_view(name).substr(name.size() - 4));
    return suffix == ".prj" || suffix == ".cmp" || suffix == ".ses";
}

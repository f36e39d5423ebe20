#include "prjmigr/output_names.h"

#include <QFileInfo>

#include "legacy/legacy_files.h"
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

namespace {

// The file that replacing `name` replaces: through its symbolic links, as the
// save file follows them, also to a file that does not exist yet.
QString destination(const std::string& name)
{
    QFileInfo file(QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())));
    for (int links = 0; links < 128 && file.isSymLink(); ++links)
        file.setFile(file.symLinkTarget());
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + u'/' + file.fileName();
}

// Replacing either name would replace one file.
bool names_share_a_file(const std::string& name, const std::string& other)
{
    if (name == other)
        return true;
    const std::optional<FileId> file = identify_disk_file(name);
    if (file && file == identify_disk_file(other))
        return true;  // hard links too
    return destination(name) == destination(other);
}

}  // namespace

bool outputs_share_a_file(const OutputNames& names)
{
    return names_share_a_file(names.project_file, names.objects_file);
}

bool log_shares_an_output(const OutputNames& names, const std::string& log_name)
{
    return names_share_a_file(log_name, names.project_file) || names_share_a_file(log_name, names.objects_file);
}

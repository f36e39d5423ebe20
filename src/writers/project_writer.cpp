#include "writers/project_writer.h"

#include "legacy/paths.h"
#include "writers/line_table.h"

namespace {

constexpr Line k_doctype_lines[] = {
    {0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>"},
};
constexpr std::string_view k_doctype_before = "<!DOCTYPE project SYSTEM \"";
constexpr std::string_view k_doctype_after = "/lib/project.dtd\" >\n";

constexpr Line k_head_open[] = {
    {0, "<project>"},
    {2, "<group>"},
    {4, "<node>"},
    {6, "<data>"},
};
constexpr Line k_head_name{8, "<name>%s</name>"};
constexpr Line k_head_close[] = {
    {8, "<renameable>false</renameable>"},
    {8, "<deletable>false</deletable>"},
    {8, "<open>true</open>"},
    {6, "</data>"},
};

constexpr Line k_config_list_open{6, "<configuration_list>"};
constexpr Line k_config_open[] = {
    {8, "<configuration>"},
    {10, "<data>"},
};
constexpr Line k_config_name{12, "<name>%s</name>"};
constexpr Line k_config_data_close{10, "</data>"};
const OptionalRow<TargetConfig> k_config_settings[] = {
    {{10, "<targetName>%s</targetName>"}, &TargetConfig::target_name},
    {{10, "<targetPath>%s</targetPath>"}, &TargetConfig::target_path},
    {{10, "<sourceLanguage>%s</sourceLanguage>"}, &TargetConfig::source_language},
    {{10, "<sourceExt>%s</sourceExt>"}, &TargetConfig::source_ext},
    {{10, "<objectExt>%s</objectExt>"}, &TargetConfig::object_ext},
    {{10, "<binaryExt>%s</binaryExt>"}, &TargetConfig::binary_ext},
    {{10, "<ansiMode>%s</ansiMode>"}, &TargetConfig::ansi_mode},
    {{10, "<version>%s</version>"}, &TargetConfig::version},
    {{10, "<exception>%s</exception>"}, &TargetConfig::exception},
};
// One line: the include directories joined by commas.
constexpr Line k_incdir_open = Line{10, "<ge_incdir>"}.continued();
constexpr Line k_incdir_separator = Line{0, ","}.continued();
constexpr Line k_incdir_close{0, "</ge_incdir>"};
const OptionalRow<TargetConfig> k_config_files[] = {
    {{10, "<ge_alk_file_name>%s</ge_alk_file_name>"}, &TargetConfig::alk_file},
    {{10, "<nevraClassName>%s</nevraClassName>"}, &TargetConfig::class_name},
};
constexpr Line k_config_close{8, "</configuration>"};
constexpr Line k_config_list_close{6, "</configuration_list>"};
constexpr Line k_node_close{4, "</node>"};

constexpr Line k_test_tree_open{4, "<group_child>"};

constexpr Line k_tail_group_close[] = {
    {4, "</group_child>"},
    {2, "</group>"},
};
constexpr Line k_tail_object_file{2, "<object_file>%s</object_file>"};
constexpr Line k_tail_root_list_open[] = {
    {2, "<sort_method>1</sort_method>"},
    {2, "<root_configuration_list>"},
};
constexpr Line k_tail_close[] = {
    {2, "</root_configuration_list>"},
    {2, "<version_file>1</version_file>"},
    {0, "</project>"},
};

// Every configuration lists the include directories of the first one, the
// configuration declared last.
void write_include_dirs(OutputStream& out, const std::vector<std::string>& include_dirs)
{
    emit(out, k_incdir_open);
    for (size_t i = 0; i < include_dirs.size(); ++i) {
        if (i > 0)
            emit(out, k_incdir_separator);
        out.put_text(include_dirs[i]);
    }
    emit(out, k_incdir_close);
}

}  // namespace

void write_document_start(OutputStream& out, std::string_view root)
{
    emit_all(out, k_doctype_lines);
    out.put(k_doctype_before);
    out.put_system_literal(root);
    out.put(k_doctype_after);
}

void write_project_head(OutputStream& out, std::string_view project_file_name, std::string_view workbench_root)
{
    write_document_start(out, workbench_root);
    emit_all(out, k_head_open);
    emit(out, k_head_name, base_name(project_file_name, false));
    emit_all(out, k_head_close);
}

void write_project_configs(OutputStream& out, const LegacyRecord* project)
{
    if (project && !project->configs.empty()) {
        const std::vector<TargetConfig>& configs = project->configs;
        const std::vector<std::string>& include_dirs = configs.back().include_dirs;
        emit(out, k_config_list_open);
        for (auto config = configs.rbegin(); config != configs.rend(); ++config) {
            emit_all(out, k_config_open);
            emit(out, k_config_name, config->name);
            emit(out, k_config_data_close);
            emit_present(out, k_config_settings, *config);
            write_include_dirs(out, include_dirs);
            emit_present(out, k_config_files, *config);
            emit(out, k_config_close);
        }
        emit(out, k_config_list_close);
    }
    emit(out, k_node_close);
}

void begin_test_tree(OutputStream& out)
{
    emit(out, k_test_tree_open);
}

void write_project_tail(OutputStream& out, std::string_view objects_file_reference,
                        const LegacyRecord* project)
{
    emit_all(out, k_tail_group_close);
    emit(out, k_tail_object_file, objects_file_reference);
    emit_all(out, k_tail_root_list_open);
    if (project) {
        const std::vector<TargetConfig>& configs = project->configs;
        for (auto config = configs.rbegin(); config != configs.rend(); ++config)
            write_root_configuration(out, *config);
    }
    emit_all(out, k_tail_close);
}

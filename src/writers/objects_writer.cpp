#include "writers/objects_writer.h"

#include "legacy/paths.h"
#include "writers/line_table.h"
#include "writers/project_writer.h"

namespace {

constexpr Line k_scripts_open[] = {
    {0, "<objects>"},
    {0, "<folder>"},
    {4, "<data>"},
    {6, "<name>BaseStation</name>"},
    {6, "<renameable>false</renameable>"},
    {6, "<deletable>true</deletable>"},
    {6, "<open>true</open>"},
    {4, "</data>"},
    {4, "<filters></filters>"},
    {4, "<folder_child>"},
    {6, "<folder>"},
    {7, "<data>"},
    {10, "<name>Scripts</name>"},
    {10, "<renameable>true</renameable>"},
    {10, "<deletable>true</deletable>"},
    {10, "<open>true</open>"},
    {8, "</data>"},
    {7, "<filters>*.ptu;*.pts;*.otd;*.otc;*.dcl;*.stb</filters>"},
    {8, "<folder_child>"},
};
constexpr Line k_sources_open[] = {
    {8, "</folder_child>"},
    {6, "</folder>"},
    {6, "<folder>"},
    {8, "<data>"},
    {10, "<name>Sources</name>"},
    {10, "<renameable>true</renameable>"},
    {10, "<deletable>true</deletable>"},
    {10, "<open>true</open>"},
    {8, "</data>"},
    {8, "<filters>*.h;*.hxx;*.c;*.cpp;*.cxx;*.cc;*.java;*.ada;*.adb;*.ads;*.spv;*.mat;*.mdl;*.rc;*</filters>"},
    {8, "<folder_child>"},
};
constexpr Line k_objects_close[] = {
    {8, "</folder_child>"},
    {6, "</folder>"},
    {6, "<folder>"},
    {8, "<data>"},
    {10, "<name>Dependencies</name>"},
    {10, "<renameable>false</renameable>"},
    {10, "<deletable>false</deletable>"},
    {10, "<open>true</open>"},
    {8, "</data>"},
    {8, "<filters></filters>"},
    {8, "<folder_child>"},
    {7, "</folder_child>"},
    {6, "</folder>"},
    {4, "</folder_child>"},
    {2, "</folder>"},
    {2, "<version_file>1</version_file>"},
    {0, "</objects>"},
};

constexpr Line k_file_open[] = {
    {"\t  ", "<file>"},
    {12, "<tested_tag>"},
    {14, "<tag>"},
    {16, "<data>"},
};
constexpr Line k_file_name{18, "<name>%s</name>"};
constexpr Line k_file_data[] = {
    {18, "<renameable>false</renameable>"},
    {18, "<deletable>true</deletable>"},
    {18, "<open>false</open>"},
    {16, "</data>"},
};
constexpr Line k_tag_path{16, "<filepath>%s</filepath>"};
constexpr Line k_tag_close[] = {
    {16, "<line>1</line>"},
    {16, "<qualifier>0</qualifier>"},
    {16, "<tag_child>"},
    {16, "</tag_child>"},
    {14, "</tag>"},
    {12, "</tested_tag>"},
};
constexpr Line k_file_path{12, "<filepath>%s</filepath>"};
constexpr Line k_file_close{10, "</file>"};

}  // namespace

void write_objects_file(OutputStream& out, std::string_view workbench_root, const PathList& scripts,
                        const PathList& sources)
{
    write_document_start(out, workbench_root);
    emit_all(out, k_scripts_open);
    write_file_entries(out, scripts);
    emit_all(out, k_sources_open);
    write_file_entries(out, sources);
    emit_all(out, k_objects_close);
}

void write_file_entries(OutputStream& out, const PathList& list)
{
    for (auto path = list.paths.rbegin(); path != list.paths.rend(); ++path) {
        if (path->empty())
            continue;
        emit_all(out, k_file_open);
        emit(out, k_file_name, base_name(*path, true));
        emit_all(out, k_file_data);
        emit(out, k_tag_path, *path);
        emit_all(out, k_tag_close);
        emit(out, k_file_path, *path);
        emit(out, k_file_close);
    }
}

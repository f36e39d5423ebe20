#include "writers/test_tree_writer.h"

#include <vector>

#include "legacy/paths.h"
#include "legacy/session_keys.h"
#include "writers/line_table.h"

namespace {

constexpr Line k_group_open[] = {
    {8, "<group>"},
    {10, "<node>"},
    {12, "<data>"},
};
constexpr Line k_group_name{14, "<name>%s</name>"};
constexpr Line k_group_data[] = {
    {14, "<renameable>false</renameable>"},
    {14, "<deletable>false</deletable>"},
    {14, "<open>true</open>"},
    {12, "</data>"},
};
constexpr Line k_group_children[] = {
    {10, "</node>"},
    {10, "<group_child>"},
};
constexpr Line k_group_close[] = {
    {10, "</group_child>"},
    {8, "</group>"},
};

constexpr Line k_test_open[] = {
    {6, "<unit_testing>"},
    {8, "<test>"},
    {10, "<node>"},
    {12, "<data>"},
};
constexpr Line k_test_name{14, "<name>%s</name>"};
constexpr Line k_test_data[] = {
    {14, "<renameable>true</renameable>"},
    {14, "<deletable>true</deletable>"},
    {14, "<open>true</open>"},
    {12, "</data>"},
    {12, "<checked>false</checked>"},
    {12, "<background>false</background>"},
};
constexpr Line k_script_open[] = {
    {10, "</node>"},
    {10, "<test_child>"},
    {12, "<unittesting_script>"},
    {14, "<test_script>"},
    {16, "<nodefile_ref>"},
    {18, "<node>"},
    {20, "<data>"},
};
constexpr Line k_script_name{22, "<name>%s</name>"};
constexpr Line k_script_data[] = {
    {22, "<renameable>false</renameable>"},
    {22, "<deletable>true</deletable>"},
    {22, "<open>false</open>"},
    {20, "</data>"},
    {20, "<checked>false</checked>"},
    {20, "<background>false</background>"},
};
constexpr Line k_script_node_close{18, "</node>"};
constexpr Line k_script_path{18, "<filepath>%s</filepath>"};
constexpr Line k_source_open[] = {
    {16, "</nodefile_ref>"},
    {16, "<cas_selection>"},
    {16, "</cas_selection>"},
    {16, "<fam_selection>"},
    {16, "</fam_selection>"},
    {14, "</test_script>"},
    {12, "</unittesting_script>"},
    {12, "<source>"},
    {14, "<nodefile_ref>"},
    {16, "<node>"},
    {18, "<data>"},
};
constexpr Line k_source_name{20, "<name>%s</name>"};
constexpr Line k_source_data[] = {
    {20, "<renameable>false</renameable>"},
    {20, "<deletable>true</deletable>"},
    {20, "<open>false</open>"},
    {18, "</data>"},
    {18, "<checked>false</checked>"},
    {18, "<background>false</background>"},
};
constexpr Line k_source_node_close{16, "</node>"};
constexpr Line k_source_path{16, "<filepath>%s</filepath>"};
constexpr Line k_test_close[] = {
    {14, "</nodefile_ref>"},
    {14, "<integrated>false</integrated>"},
    {14, "<source_child>"},
    {14, "</source_child>"},
    {12, "</source>"},
    {10, "</test_child>"},
    {8, "</test>"},
    {6, "</unit_testing>"},
};

constexpr Line k_overrides_open{20, "<configuration_list>"};
constexpr Line k_override_open[] = {
    {22, "<configuration>"},
    {24, "<data>"},
};
constexpr Line k_override_name{25, "<name>%s</name>"};
constexpr Line k_override_data_close{24, "</data>"};
constexpr Line k_override_close{22, "</configuration>"};
constexpr Line k_overrides_close{20, "</configuration_list>"};

std::string_view text_or_empty(const Text& text)
{
    return text ? std::string_view(*text) : std::string_view();
}

// The rows of the session's settings that are set, in the order of the key table.
void write_session_settings(OutputStream& out, const SessionSettings& settings)
{
    for (const SessionKey& key : k_session_keys) {
        if (key.row.empty())
            continue;
        if (const Text& value = settings.*key.field)
            emit(out, Line(key.row_indent, key.row), *value);
    }
}

void write_group_open(OutputStream& out, std::string_view path, const LegacyRecord& campaign,
                      const LegacyRecord* project)
{
    emit_all(out, k_group_open);
    emit(out, k_group_name, base_name(path, false));
    emit_all(out, k_group_data);
    write_config_overrides(out, &campaign, project);
    emit_all(out, k_group_children);
}

}  // namespace

void write_group(OutputStream& out, std::string_view path, const LegacyRecord& campaign,
                 const LegacyRecord* project)
{
    // Campaigns nest to any depth: walk them with an explicit stack. Each entry
    // is a group whose members are written from `next` down to the oldest.
    struct Open {
        const LegacyRecord* group;
        size_t next;
    };
    std::vector<Open> open{{&campaign, campaign.members.size()}};
    write_group_open(out, path, campaign, project);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.next == 0) {
            emit_all(out, k_group_close);
            open.pop_back();
            continue;
        }
        const LegacyRecord& member = *top.group->members[--top.next];
        if (member.members.empty()) {
            write_test(out, member.path, member, project);
        } else {
            write_group_open(out, member.path, member, project);
            open.push_back({&member, member.members.size()});
        }
    }
}

void write_test(OutputStream& out, std::string_view path, const LegacyRecord& session,
                const LegacyRecord* project)
{
    const std::string_view script = text_or_empty(session.script_file);
    const std::string_view source = text_or_empty(session.source_file);

    emit_all(out, k_test_open);
    emit(out, k_test_name, base_name(path, false));
    emit_all(out, k_test_data);
    write_config_overrides(out, &session, project);
    emit_all(out, k_script_open);
    emit(out, k_script_name, base_name(script, true));
    emit_all(out, k_script_data);
    write_config_overrides(out, nullptr, project);
    emit(out, k_script_node_close);
    emit(out, k_script_path, script);
    emit_all(out, k_source_open);
    emit(out, k_source_name, base_name(source, true));
    emit_all(out, k_source_data);
    write_config_overrides(out, nullptr, project);
    emit(out, k_source_node_close);
    emit(out, k_source_path, source);
    emit_all(out, k_test_close);
}

void write_config_overrides(OutputStream& out, const LegacyRecord* record,
                            const LegacyRecord* project)
{
    emit(out, k_overrides_open);
    if (project) {
        const std::string_view wanted = record ? text_or_empty(record->settings.config_name) : "";
        const std::vector<TargetConfig>& configs = project->configs;
        for (auto config = configs.rbegin(); config != configs.rend(); ++config) {
            emit_all(out, k_override_open);
            emit(out, k_override_name, config->name);
            emit(out, k_override_data_close);
            if (record && config->name == wanted)
                write_session_settings(out, record->settings);
            emit(out, k_override_close);
        }
    }
    emit(out, k_overrides_close);
}

#include "legacy/legacy_format.h"

#include "legacy/paths.h"

namespace {

enum class Kind { unknown, campaign, session, project };

enum class Store { copy, yes_no, script_path, source_path, nothing };

struct SessionKey {
    std::string_view key;
    Text LegacyRecord::*field;
    Store store;
};

// In the order the keys are tested.
const SessionKey k_session_keys[] = {
    {"CD ", nullptr, Store::nothing},
    {"CX ", &LegacyRecord::config_name, Store::copy},
    {"FS ", &LegacyRecord::source_file, Store::source_path},
    {"FP ", &LegacyRecord::script_file, Store::script_path},
    {"LK ", &LegacyRecord::link_file, Store::copy},
    {"OC ", &LegacyRecord::compile_flags, Store::copy},
    {"CS ", &LegacyRecord::test_compile_flags, Store::copy},
    {"DB ", &LegacyRecord::debug, Store::yes_no},
    {"SI ", &LegacyRecord::simulation, Store::yes_no},
    {"OP ", &LegacyRecord::preparation_options, Store::copy},
    {"RA ", nullptr, Store::nothing},
    {"VA ", nullptr, Store::nothing},
    {"CE ", nullptr, Store::nothing},
    {"OF ", &LegacyRecord::more_options, Store::copy},
    {"NI ", &LegacyRecord::instru_comparison, Store::yes_no},
    {"AC ", &LegacyRecord::second_context, Store::yes_no},
    {"FL ", &LegacyRecord::second_intermediate_file, Store::copy},
    {"ST ", &LegacyRecord::strict_comparison, Store::yes_no},
};

struct ConfigKey {
    std::string_view key;
    Text TargetConfig::*field;
    Store store;
};

// The keys that fill the configuration of the nearest NC line above them; PA is
// handled on its own, as it fills two fields.
const ConfigKey k_config_keys[] = {
    {"LA ", &TargetConfig::source_language, Store::copy},
    {"SE ", &TargetConfig::source_ext, Store::copy},
    {"OE ", &TargetConfig::object_ext, Store::copy},
    {"XX ", &TargetConfig::binary_ext, Store::copy},
    {"AS ", &TargetConfig::ansi_mode, Store::copy},
    {"VE ", &TargetConfig::version, Store::copy},
    {"EX ", &TargetConfig::exception, Store::yes_no},
    {"AL ", &TargetConfig::alk_file, Store::copy},
    {"CL ", &TargetConfig::class_name, Store::copy},
};

std::string yes_no(std::string_view value)
{
    return value == "O" ? "true" : "false";
}

// A relative value is joined directly to the directory of the file naming it.
std::string resolve_path(std::string_view file_path, std::string_view value)
{
    if (!is_relative(value))
        return std::string(value);
    return dir_name(file_path) + std::string(value);
}

Kind header_kind(std::string_view line)
{
    if (line == "$$$IHM NEVRA$$$CAMPAGNE")
        return Kind::campaign;
    if (line == "$$$IHM NEVRA$$$SESSION")
        return Kind::session;
    if (line == "$$$IHM NEVRA$$$PROJET")
        return Kind::project;
    return Kind::unknown;
}

void parse_session_line(std::string_view line, LegacyRecord& record)
{
    const std::string_view value = line.substr(3);
    for (const SessionKey& entry : k_session_keys) {
        if (line.compare(0, 3, entry.key) != 0)
            continue;
        switch (entry.store) {
        case Store::copy:
            record.*entry.field = std::string(value);
            break;
        case Store::yes_no:
            record.*entry.field = yes_no(value);
            break;
        case Store::script_path:
        case Store::source_path: {
            std::string resolved = resolve_path(record.path, value);
            add_unique_nocase(entry.store == Store::script_path ? g_script_files : g_source_files,
                              resolved);
            record.*entry.field = std::move(resolved);
            break;
        }
        case Store::nothing:
            break;
        }
        return;
    }
}

void parse_project_line(std::string_view line, LegacyRecord& record)
{
    const std::string_view key = line.substr(0, 3);
    const std::string_view value = line.substr(3);
    if (key == "NC ") {
        TargetConfig config;
        config.name = std::string(value);
        config.include_dirs = g_include_dirs.empty() ? nullptr : &g_include_dirs;
        record.configs.push_back(std::move(config));
        return;
    }
    if (key == "IN ") {
        g_include_dirs.emplace_back(value);
        return;
    }
    // Configuration keys before the first NC line have nothing to fill.
    if (record.configs.empty())
        return;
    TargetConfig& config = record.configs.back();
    if (key == "PA ") {
        config.target_name = base_name(value, false);
        config.target_path = config.target_name;
        return;
    }
    for (const ConfigKey& entry : k_config_keys) {
        if (key == entry.key) {
            config.*entry.field =
                entry.store == Store::yes_no ? yes_no(value) : std::string(value);
            return;
        }
    }
}

}  // namespace

std::string_view prepare_line(std::string_view line)
{
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 0x20)
        line.remove_suffix(1);
    return line;
}

std::vector<std::string> parse_legacy_text(std::string_view bytes, LegacyRecord& record)
{
    std::vector<std::string> member_paths;
    Kind kind = Kind::unknown;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view line =
            prepare_line(bytes.substr(0, end == std::string_view::npos ? bytes.size() : end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.size() < 3)
            continue;

        switch (kind) {
        case Kind::unknown:
            kind = header_kind(line);
            break;
        case Kind::session:
            parse_session_line(line, record);
            break;
        case Kind::project:
            parse_project_line(line, record);
            break;
        case Kind::campaign:
            if (line.compare(0, 3, "FI ") == 0)
                member_paths.push_back(resolve_path(record.path, line.substr(3)));
            break;
        }
    }
    return member_paths;
}

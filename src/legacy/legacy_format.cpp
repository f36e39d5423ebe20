#include "legacy/legacy_format.h"

#include <array>
#include <iterator>
#include <map>

#include "legacy/path_list.h"
#include "legacy/path_value.h"
#include "legacy/paths.h"
#include "legacy/session_keys.h"
#include "legacy/suggestion.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"

namespace {

struct ConfigKey {
    std::string_view key;
    Text TargetConfig::*field;
    Store store;
};

// The keys that fill the configuration of the nearest NC line above them; PA,
// first, fills two fields.
constexpr ConfigKey k_config_keys[] = {
    {"PA ", nullptr, Store::path},
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

constexpr std::string_view k_headers[] = {
    "$$$IHM NEVRA$$$CAMPAGNE",
    "$$$IHM NEVRA$$$SESSION",
    "$$$IHM NEVRA$$$PROJET",
};
constexpr FileKind k_header_kinds[] = {FileKind::campaign, FileKind::session, FileKind::project};

constexpr std::string_view k_byte_order_mark = "\xEF\xBB\xBF";

// One file being parsed.
struct Parse {
    Parse(std::string_view path, const ReaderOptions& options, LegacyFiles& files, NamedFiles& named,
          std::vector<Diagnostic>* diagnostics)
        : path(path), options(options), files(files), named(named), diagnostics(diagnostics)
    {
    }

    std::string_view path;
    const ReaderOptions& options;
    LegacyFiles& files;
    NamedFiles& named;
    std::vector<Diagnostic>* diagnostics;  // null when nothing is reported
    FileContent content;
    std::vector<std::string> include_dirs;  // the IN values so far
    // The configurations declared after an IN line: they list every IN value of the file.
    std::vector<size_t> configs_with_include_dirs;
    size_t line = 0;
    size_t near_header_line = 0;
    // The line of each key's last occurrence: in the file for session keys, under
    // the current NC line for configuration keys; 0 for none.
    std::array<size_t, std::size(k_session_keys)> session_key_lines{};
    std::array<size_t, std::size(k_config_keys)> config_key_lines{};
    std::map<std::string, size_t, std::less<>> declared;  // configuration names and their first line

    // Whether to make a report here: with diagnostics on, the file's first
    // reports are kept for printing and the others only counted.
    bool reporting(DiagnosticKind kind)
    {
        if (!diagnostics || options.ignored[static_cast<size_t>(kind)])
            return false;
        if (diagnostics->size() < Console::k_reports_per_file)
            return true;
        ++content.not_shown;
        return false;
    }
    void report(Diagnostic diagnostic) { diagnostics->push_back(std::move(diagnostic)); }
};

std::string yes_no(std::string_view value)
{
    return value == "O" ? "true" : "false";
}

FileKind header_kind(std::string_view line)
{
    for (size_t i = 0; i < std::size(k_headers); ++i)
        if (line == k_headers[i])
            return k_header_kinds[i];
    return FileKind::none;
}

// A header line but for byte-order marks, blanks and control bytes at its ends,
// or its letter case.
bool is_near_header(std::string_view line)
{
    for (;;) {
        if (line.substr(0, k_byte_order_mark.size()) == k_byte_order_mark)
            line.remove_prefix(k_byte_order_mark.size());
        else if (!line.empty() && static_cast<unsigned char>(line.front()) <= 0x20)
            line.remove_prefix(1);
        else
            break;
    }
    line = prepare_line(line);
    for (const std::string_view header : k_headers)
        if (equal_nocase(line, header))
            return true;
    return false;
}

bool has_key_shape(std::string_view line)
{
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    return capital(line[0]) && capital(line[1]) && line[2] == ' ';
}

void report_foreign_line(Parse& parse, std::string_view line, KeyFamily family)
{
    if (!has_key_shape(line)) {
        if (parse.reporting(DiagnosticKind::no_key))
            parse.report(no_key_warning(parse.path, parse.line));
    } else if (parse.reporting(DiagnosticKind::foreign_key)) {
        parse.report(foreign_key_warning(parse.path, parse.line, line.substr(0, 2), family));
    }
}

// Remembers the key's line, reporting the occurrence it replaces.
void note_occurrence(Parse& parse, size_t& last_line, std::string_view key)
{
    if (last_line != 0 && parse.reporting(DiagnosticKind::repeated_key))
        parse.report(repeated_key_warning(parse.path, parse.line, key.substr(0, 2), last_line));
    last_line = parse.line;
}

std::string checked_yes_no(Parse& parse, std::string_view key, std::string_view value)
{
    if (value != "O" && value != "N" && parse.reporting(DiagnosticKind::yes_no_value))
        parse.report(yes_no_warning(parse.path, parse.line, key.substr(0, 2), value));
    return yes_no(value);
}

// A script or source that the workbench will not find, and the file probably
// meant. Looked for under diagnostics even when the report is not shown, since
// a name found under another spelling leads to the note after the reading.
void check_exists(Parse& parse, bool script, const std::string& path)
{
    const DiagnosticKind kind = script ? DiagnosticKind::missing_script : DiagnosticKind::missing_source;
    if (!parse.options.diagnostics || parse.options.ignored[static_cast<size_t>(kind)]
        || names_regular_file(parse.files, path))
        return;
    if (parse.reporting(kind))
        parse.report(missing_file_warning(parse.path, parse.line, path, script));
    // Read as written on Windows, the name was already looked up.
    if (parse.options.windows_paths)
        return;
    if (const std::optional<std::string> meant = suggest_file(path, parse.files)) {
        parse.content.name_suggested = true;
        if (parse.reporting(DiagnosticKind::path_suggestion))
            parse.report(path_suggestion_note(parse.path, parse.line, *meant));
    }
}

// Every FS and FP value is offered to its run-wide list; the last one of each stays.
void store_path(Parse& parse, bool script, std::string_view value)
{
    std::string resolved = resolve_path(parse.path, value, parse.options, parse.files);
    check_exists(parse, script, resolved);
    add_unique_nocase(script ? parse.named.script_files : parse.named.source_files, resolved);
    (script ? parse.content.script_file : parse.content.source_file) = std::move(resolved);
}

void parse_session_line(Parse& parse, std::string_view line)
{
    const std::string_view value = line.substr(3);
    for (size_t i = 0; i < std::size(k_session_keys); ++i) {
        const SessionKey& entry = k_session_keys[i];
        if (line.compare(0, 3, entry.key) != 0)
            continue;
        if (entry.store == Store::nothing) {
            if (parse.reporting(DiagnosticKind::key_without_place))
                parse.report(key_without_place_warning(parse.path, parse.line, entry.key.substr(0, 2)));
            return;
        }
        note_occurrence(parse, parse.session_key_lines[i], entry.key);
        SessionSettings& settings = parse.content.settings;
        if (entry.store == Store::path)
            store_path(parse, entry.key == "FP ", value);
        else if (entry.store == Store::yes_no)
            settings.*entry.field = checked_yes_no(parse, entry.key, value);
        else
            settings.*entry.field = std::string(value);
        if (entry.field == &SessionSettings::config_name)
            parse.content.config_line = parse.line;
        return;
    }
    report_foreign_line(parse, line, KeyFamily::session);
}

void declare_configuration(Parse& parse, std::string_view name)
{
    TargetConfig config;
    config.name = std::string(name);
    if (!parse.include_dirs.empty())
        parse.configs_with_include_dirs.push_back(parse.content.configs.size());
    parse.content.configs.push_back(std::move(config));
    parse.config_key_lines.fill(0);
    if (!parse.diagnostics)
        return;
    const auto [first, fresh] = parse.declared.try_emplace(std::string(name), parse.line);
    if (!fresh && parse.reporting(DiagnosticKind::repeated_configuration))
        parse.report(repeated_configuration_warning(parse.path, parse.line, name, first->second));
}

void parse_project_line(Parse& parse, std::string_view line)
{
    const std::string_view key = line.substr(0, 3);
    const std::string_view value = line.substr(3);
    if (key == "NC ") {
        declare_configuration(parse, value);
        return;
    }
    if (key == "IN ") {
        parse.include_dirs.push_back(read_include_dir(value, parse.options));
        return;
    }
    size_t i = 0;
    while (i < std::size(k_config_keys) && k_config_keys[i].key != key)
        ++i;
    if (i == std::size(k_config_keys)) {
        report_foreign_line(parse, line, KeyFamily::project);
        return;
    }
    // Configuration keys before the first NC line have nothing to fill.
    if (parse.content.configs.empty()) {
        if (parse.reporting(DiagnosticKind::key_before_configuration))
            parse.report(key_before_configuration_warning(parse.path, parse.line, key.substr(0, 2)));
        return;
    }
    note_occurrence(parse, parse.config_key_lines[i], key);
    TargetConfig& config = parse.content.configs.back();
    const ConfigKey& entry = k_config_keys[i];
    if (entry.store == Store::path) {
        config.target_name = base_name(value, false);
        config.target_path = config.target_name;
    } else if (entry.store == Store::yes_no) {
        config.*entry.field = checked_yes_no(parse, key, value);
    } else {
        config.*entry.field = std::string(value);
    }
}

void parse_campaign_line(Parse& parse, std::string_view line)
{
    if (line.compare(0, 3, "FI ") == 0)
        parse.content.member_lines.push_back({parse.line, std::string(line.substr(3))});
    else
        report_foreign_line(parse, line, KeyFamily::campaign);
}

void parse_line(Parse& parse, std::string_view line)
{
    switch (parse.content.kind) {
    case FileKind::none:
        parse.content.kind = header_kind(line);
        if (parse.content.kind == FileKind::none && parse.near_header_line == 0 && is_near_header(line))
            parse.near_header_line = parse.line;
        break;
    case FileKind::session:
        parse_session_line(parse, line);
        break;
    case FileKind::project:
        parse_project_line(parse, line);
        break;
    case FileKind::campaign:
        parse_campaign_line(parse, line);
        break;
    }
}

}  // namespace

std::string_view prepare_line(std::string_view line)
{
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 0x20)
        line.remove_suffix(1);
    return line;
}

FileContent parse_legacy_text(std::string_view bytes, std::string_view path, const ReaderOptions& options,
                              LegacyFiles& files, NamedFiles& named, std::vector<Diagnostic>* diagnostics)
{
    Parse parse(path, options, files, named, diagnostics);
    // Editors on Windows put a byte-order mark before the first line; it is no part of it.
    if (bytes.substr(0, k_byte_order_mark.size()) == k_byte_order_mark)
        bytes.remove_prefix(k_byte_order_mark.size());
    while (!bytes.empty()) {
        ++parse.line;
        const size_t end = bytes.find('\n');
        const std::string_view line =
            prepare_line(bytes.substr(0, end == std::string_view::npos ? bytes.size() : end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.size() >= 3)
            parse_line(parse, line);
    }
    if (diagnostics && parse.content.kind == FileKind::none) {
        // A file without a header is no campaign: its diagnostics are printed
        // together, so these need not wait for a line.
        if (parse.reporting(DiagnosticKind::no_header))
            parse.report(no_header_warning(path));
        // The note goes where the warning goes.
        if (parse.near_header_line != 0 && !options.ignored[static_cast<size_t>(DiagnosticKind::no_header)]
            && parse.reporting(DiagnosticKind::near_header))
            parse.report(near_header_note(path, parse.near_header_line));
    }
    for (const size_t config : parse.configs_with_include_dirs)
        parse.content.configs[config].include_dirs = parse.include_dirs;
    return std::move(parse.content);
}

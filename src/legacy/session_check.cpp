#include "legacy/session_check.h"

#include <algorithm>
#include <string_view>

#include "legacy/path_list.h"
#include "legacy/session_keys.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"

namespace {

// Whether the session gives any setting that only a configuration named by CX receives.
bool has_settings(const SessionSettings& settings)
{
    return std::any_of(std::begin(k_session_keys), std::end(k_session_keys), [&](const SessionKey& key) {
        return key.needs_configuration && (settings.*key.field).has_value();
    });
}

std::string_view without_leading_blanks(std::string_view text)
{
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

void check_session_configuration(Console& console, const LegacyRecord* project, const LegacyRecord& session,
                                 size_t config_line)
{
    if (!project || project->configs.empty())
        return;
    const std::vector<TargetConfig>& configs = project->configs;
    const Text& wanted = session.settings.config_name;
    if (!wanted) {
        if (has_settings(session.settings))
            console.print_diagnostic(no_configuration_line_warning(session.path));
        return;
    }
    const auto named = [&](const TargetConfig& config) { return config.name == *wanted; };
    if (std::any_of(configs.begin(), configs.end(), named))
        return;
    console.print_diagnostic(undeclared_configuration_warning(session.path, config_line, *wanted));
    const auto meant = std::find_if(configs.begin(), configs.end(), [&](const TargetConfig& config) {
        return equal_nocase(without_leading_blanks(config.name), without_leading_blanks(*wanted));
    });
    if (meant != configs.end())
        console.print_diagnostic(declared_configuration_note(session.path, config_line, meant->name));
}

#include "legacy/session_check.h"

#include <algorithm>
#include <string_view>

#include "legacy/path_list.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"

namespace {

// The settings that the configuration a session names receives.
constexpr Text SessionSettings::*k_settings[] = {
    &SessionSettings::link_file,           &SessionSettings::compile_flags,
    &SessionSettings::test_compile_flags,  &SessionSettings::debug,
    &SessionSettings::simulation,          &SessionSettings::preparation_options,
    &SessionSettings::more_options,        &SessionSettings::instru_comparison,
    &SessionSettings::second_context,      &SessionSettings::second_intermediate_file,
    &SessionSettings::strict_comparison,
};

std::string_view without_leading_blanks(std::string_view text)
{
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

void check_session_configuration(const LegacyRecord& session, size_t config_line)
{
    if (!g_project || g_project->root().configs.empty())
        return;
    const std::vector<TargetConfig>& configs = g_project->root().configs;
    const Text& wanted = session.settings.config_name;
    if (!wanted) {
        const bool has_settings = std::any_of(std::begin(k_settings), std::end(k_settings),
                                              [&](auto field) { return (session.settings.*field).has_value(); });
        if (has_settings)
            print_diagnostic(no_configuration_line_warning(session.path));
        return;
    }
    const auto named = [&](const TargetConfig& config) { return config.name == *wanted; };
    if (std::any_of(configs.begin(), configs.end(), named))
        return;
    print_diagnostic(undeclared_configuration_warning(session.path, config_line, *wanted));
    const auto meant = std::find_if(configs.begin(), configs.end(), [&](const TargetConfig& config) {
        return equal_nocase(without_leading_blanks(config.name), without_leading_blanks(*wanted));
    });
    if (meant != configs.end())
        print_diagnostic(declared_configuration_note(session.path, config_line, meant->name));
}

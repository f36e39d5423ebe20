#include "messages/environment.h"

#include <cstdlib>

#include "messages/console.h"
#include "messages/message_table.h"

std::string require_env(const char* name)
{
    if (std::optional<std::string> value = env_value(name))
        return *value;
    report_unset_env(name);
    return name;
}

std::optional<std::string> env_value(const char* name)
{
    if (const char* value = std::getenv(name))
        return value;
    return std::nullopt;
}

void report_unset_env(const char* name)
{
    print_error(DiagnosticKind::environment_undefined, env_undefined_message(QString::fromLatin1(name)));
}

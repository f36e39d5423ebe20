#include "messages/environment.h"

#include <cstdlib>

#include "messages/console.h"
#include "messages/message_table.h"

std::optional<std::string> require_env(Console& console, const char* name)
{
    if (const char* value = std::getenv(name))
        return value;
    console.print_error(DiagnosticKind::environment_undefined, env_undefined_message(QString::fromLatin1(name)));
    return std::nullopt;
}

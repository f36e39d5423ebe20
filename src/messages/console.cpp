#include "messages/console.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Messages carry their own line ends; nothing in them is interpreted.
void write_text(const ConsoleChannel& channel, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (channel.text)
        channel.text->append(bytes.constData(), static_cast<size_t>(bytes.size()));
    else if (channel.stream)
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), channel.stream);
}

}  // namespace

Console::Console() : Console({stdout, nullptr}, {stderr, nullptr}) {}

Console::Console(ConsoleChannel out, ConsoleChannel err) : out_(out), err_(err) {}

void Console::report(const Diagnostic& diagnostic)
{
    ++error_stream_messages_;
    write_text(err_, diagnostic_line(diagnostic, colour_));
    if (records_)
        records_->push_back(diagnostic);
}

void Console::print_error(const QString& message)
{
    ++error_stream_messages_;
    write_text(err_, QStringLiteral("(E) %1").arg(message));
}

void Console::print_error(DiagnosticKind kind, const QString& message)
{
    report({kind, std::nullopt, 0, message.endsWith(QLatin1Char('\n')) ? message.chopped(1) : message});
}

void Console::print_diagnostic(const Diagnostic& diagnostic)
{
    if (diagnostics_)
        report(diagnostic);
}

void Console::print_verbose(const QString& message)
{
    if (verbose_)
        write_text(out_, message);
}

void Console::print_output(const QString& message)
{
    write_text(out_, message);
}

bool error_stream_shows_colour()
{
    const char* no_color = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    return isatty(STDERR_FILENO) && (!no_color || !*no_color) && term && std::strcmp(term, "dumb") != 0;
}

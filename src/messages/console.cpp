#include "messages/console.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

int g_verbose = 0;
int g_diagnostics = 0;

namespace {

int g_error_stream_messages = 0;
DiagnosticOutput g_diagnostic_output;
std::string* g_captured_out = nullptr;
std::string* g_captured_err = nullptr;

// Messages carry their own line ends; nothing in them is interpreted.
void write_text(std::FILE* stream, std::string* captured, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (captured)
        captured->append(bytes.constData(), static_cast<size_t>(bytes.size()));
    else
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

void report(const Diagnostic& diagnostic)
{
    ++g_error_stream_messages;
    write_text(stderr, g_captured_err, diagnostic_line(diagnostic, g_diagnostic_output.colour));
    if (g_diagnostic_output.records)
        g_diagnostic_output.records->push_back(diagnostic);
}

}  // namespace

void set_diagnostic_output(const DiagnosticOutput& output)
{
    g_diagnostic_output = output;
}

void print_error(const QString& message)
{
    ++g_error_stream_messages;
    write_text(stderr, g_captured_err, QStringLiteral("(E) %1").arg(message));
}

void print_error(DiagnosticKind kind, const QString& message)
{
    report({kind, std::nullopt, 0, message.endsWith(QLatin1Char('\n')) ? message.chopped(1) : message});
}

void print_diagnostic(const Diagnostic& diagnostic)
{
    if (g_diagnostics)
        report(diagnostic);
}

void print_verbose(const QString& message)
{
    if (g_verbose)
        write_text(stdout, g_captured_out, message);
}

void print_output(const QString& message)
{
    write_text(stdout, g_captured_out, message);
}

int error_stream_messages()
{
    return g_error_stream_messages;
}

bool error_stream_shows_colour()
{
    const char* no_color = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    return isatty(STDERR_FILENO) && (!no_color || !*no_color) && term && std::strcmp(term, "dumb") != 0;
}

void capture_console(std::string* out, std::string* err)
{
    g_captured_out = out;
    g_captured_err = err;
}

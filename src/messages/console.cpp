#include "messages/console.h"

#include <cstdio>

int g_verbose = 0;
int g_diagnostics = 0;

namespace {

int g_error_stream_messages = 0;
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

}  // namespace

void print_error(const QString& message)
{
    ++g_error_stream_messages;
    write_text(stderr, g_captured_err, QStringLiteral("(E) %1").arg(message));
}

void print_diagnostic(const QString& message)
{
    if (!g_diagnostics)
        return;
    ++g_error_stream_messages;
    write_text(stderr, g_captured_err, message);
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

void capture_console(std::string* out, std::string* err)
{
    g_captured_out = out;
    g_captured_err = err;
}

#include "messages/console.h"

#include <cstdio>

int g_verbose = 0;

namespace {

// Messages carry their own line ends; nothing in them is interpreted.
void write_text(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

}  // namespace

void print_error(const QString& message)
{
    write_text(stderr, QStringLiteral("(E) %1").arg(message));
}

void print_verbose(const QString& message)
{
    if (g_verbose)
        write_text(stdout, message);
}

void print_output(const QString& message)
{
    write_text(stdout, message);
}

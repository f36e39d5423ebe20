#include "messages/console.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "messages/diagnostic_messages.h"
#include "messages/diagnostic_rules.h"

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
    if (!folder_.empty() && diagnostic.file && !diagnostic.file->empty() && diagnostic.file->front() != '/') {
        Diagnostic located = diagnostic;
        located.file = folder_ + (folder_.back() == '/' ? "" : "/") + *diagnostic.file;
        return report_as_located(located);
    }
    report_as_located(diagnostic);
}

void Console::report_as_located(const Diagnostic& diagnostic)
{
    ++reports_;
    write_text(err_, diagnostic_line(diagnostic, colour_));
    if (log_)
        log_(diagnostic);
}

void Console::print_error(const QString& message)
{
    ++reports_;
    write_text(err_, QStringLiteral("(E) %1").arg(message));
}

void Console::print_error(DiagnosticKind kind, const QString& message)
{
    report({kind, std::nullopt, 0, message.endsWith(QLatin1Char('\n')) ? message.chopped(1) : message});
}

void Console::print_error(const Diagnostic& error)
{
    report(error);
}

void Console::print_diagnostic(const Diagnostic& diagnostic)
{
    if (!diagnostics_)
        return;
    const bool explains_left_out = left_out_ && explains(diagnostic.kind, *left_out_);
    left_out_.reset();
    if (ignored_[static_cast<size_t>(diagnostic.kind)]) {
        left_out_ = diagnostic.kind;
        return;
    }
    if (explains_left_out)
        return;
    if (diagnostic.file && level_of(diagnostic.kind) != DiagnosticLevel::error) {
        FileReports& file = files_[*diagnostic.file];
        if (file.printed == k_reports_per_file) {
            ++file.not_shown;
            ++reports_;
            return;
        }
        ++file.printed;
    }
    report(diagnostic);
}

void Console::end_of_file(const std::string& path)
{
    const auto file = files_.find(path);
    if (file == files_.end())
        return;
    const size_t not_shown = file->second.not_shown;
    files_.erase(file);
    if (not_shown != 0)
        report(reports_not_shown_note(path, not_shown));
}

void Console::count_not_shown(const std::string& path, size_t count)
{
    if (!diagnostics_ || count == 0)
        return;
    files_[path].not_shown += count;
    reports_ += count;
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
    return error_stream_is_terminal() && (!no_color || !*no_color);
}

bool error_stream_is_terminal()
{
    const char* term = std::getenv("TERM");
    return isatty(STDERR_FILENO) && term && std::strcmp(term, "dumb") != 0;
}

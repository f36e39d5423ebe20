// The two console channels of a run: errors and diagnostics on the error
// stream, progress on standard output. The driver makes one console per run
// and hands it on; tests and fuzzing make their own, keeping the text.
#pragma once

#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "messages/diagnostic.h"

// Where a channel's text goes: a stream of the process, or a text in memory.
struct ConsoleChannel {
    std::FILE* stream = nullptr;
    std::string* text = nullptr;  // when set, the text is appended here instead
};

class Console {
public:
    // The process's standard output and error stream.
    Console();
    Console(ConsoleChannel out, ConsoleChannel err);

    // Verbose mode: off at start, on once "-v" was read. Gates standard output.
    void set_verbose(bool verbose) { verbose_ = verbose; }
    bool verbose() const { return verbose_; }

    // Diagnostics mode: on with "--warnings", "--check" or "--sarif". Gates every
    // diagnostic line; `colour` colours them.
    void set_diagnostics(bool diagnostics, bool colour)
    {
        diagnostics_ = diagnostics;
        colour_ = colour;
    }
    bool diagnostics() const { return diagnostics_; }

    // Every diagnostic and error record printed from now on is appended to
    // `records` too (the SARIF log); null for none.
    void set_records(std::vector<Diagnostic>* records) { records_ = records; }

    // Writes "(E) " and the message to the error stream, in the local 8-bit
    // encoding. For messages before a run reads legacy files (start-up, usage,
    // command line) that no log holds.
    void print_error(const QString& message);

    // An error of the run: "(E) " and the message, which ends with its line end.
    void print_error(DiagnosticKind kind, const QString& message);

    // Writes a diagnostic line to the error stream when diagnostics are on.
    void print_diagnostic(const Diagnostic& diagnostic);

    // Writes the message to standard output when verbose mode is on.
    void print_verbose(const QString& message);

    // Writes the message to standard output whatever the mode (--help, --version).
    void print_output(const QString& message);

    // How many messages the error stream has received, so that --check can
    // tell whether it reported anything.
    int error_stream_messages() const { return error_stream_messages_; }

private:
    void report(const Diagnostic& diagnostic);

    ConsoleChannel out_;
    ConsoleChannel err_;
    bool verbose_ = false;
    bool diagnostics_ = false;
    bool colour_ = false;
    std::vector<Diagnostic>* records_ = nullptr;
    int error_stream_messages_ = 0;
};

// Whether the error stream is a terminal that shows colours: NO_COLOR unset or
// empty, TERM set and not "dumb".
bool error_stream_shows_colour();

// The two console channels: errors and diagnostics on the error stream, progress
// on standard output.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "messages/diagnostic.h"

// Verbose mode: 0 at start, 1 once "-v" was read. Gates everything on standard output.
extern int g_verbose;

// Diagnostics mode: 0 at start, 1 with "--warnings" or "--check", set by the
// driver. Gates every diagnostic line; the reader is told in its options.
extern int g_diagnostics;

// How the diagnostics of a run are shown, and who else receives them.
struct DiagnosticOutput {
    bool colour = false;
    // Every diagnostic and error record printed, in order (for the SARIF log).
    std::vector<Diagnostic>* records = nullptr;
};

// Holds for the messages printed from now on.
void set_diagnostic_output(const DiagnosticOutput& output);

// Writes "(E) " and the message to the error stream, in the local 8-bit encoding.
// For messages before the run reads legacy files (start-up, usage, command line).
void print_error(const QString& message);

// An error of the run: "(E) " and the message, which ends with its line end.
void print_error(DiagnosticKind kind, const QString& message);

// Writes a diagnostic line to the error stream when diagnostics are on.
void print_diagnostic(const Diagnostic& diagnostic);

// Writes the message to standard output when verbose mode is on.
void print_verbose(const QString& message);

// Writes the message to standard output whatever the mode (--help, --version).
void print_output(const QString& message);

// How many messages the error stream has received, so that --check can tell
// whether it reported anything.
int error_stream_messages();

// Whether the error stream is a terminal that shows colours: NO_COLOR unset or
// empty, TERM set and not "dumb".
bool error_stream_shows_colour();

// Tests and fuzzing: console output goes to these texts instead of the streams;
// null pointers give the streams back.
void capture_console(std::string* out, std::string* err);

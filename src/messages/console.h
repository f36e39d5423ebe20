// The two console channels: errors and diagnostics on the error stream, progress
// on standard output.
#pragma once

#include <QString>
#include <string>

// Verbose mode: 0 at start, 1 once "-v" was read. Gates everything on standard output.
extern int g_verbose;

// Diagnostics mode: 0 at start, 1 with "--warnings" or "--check", set by the
// driver. Gates every diagnostic line; the reader is told in its options.
extern int g_diagnostics;

// Writes "(E) " and the message to the error stream, in the local 8-bit encoding.
void print_error(const QString& message);

// Writes a diagnostic line, unframed, to the error stream when diagnostics are on.
void print_diagnostic(const QString& message);

// Writes the message to standard output when verbose mode is on.
void print_verbose(const QString& message);

// Writes the message to standard output whatever the mode (--help, --version).
void print_output(const QString& message);

// How many messages the error stream has received, so that --check can tell
// whether it reported anything.
int error_stream_messages();

// Tests and fuzzing: console output goes to these texts instead of the streams;
// null pointers give the streams back.
void capture_console(std::string* out, std::string* err);

// The two console channels: errors on the error stream, progress on standard output.
#pragma once

#include <QString>

// Verbose mode: 0 at start, 1 once "-v" was read. Gates everything on standard output.
extern int g_verbose;

// Writes "(E) " and the message to the error stream, in the local 8-bit encoding.
void print_error(const QString& message);

// Writes the message to standard output when verbose mode is on.
void print_verbose(const QString& message);

// Writes the message to standard output whatever the mode (--help, --version).
void print_output(const QString& message);

// The two console channels of a run: errors and diagnostics on the error
// stream, progress on standard output. The driver makes one console per run
// and hands it on; tests and fuzzing make their own, keeping the text.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

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

    // The folder, relative to the working directory, that the run's file names
    // are relative to (a project of a batch): diagnostics name their files from
    // the working directory.
    void set_folder(std::string folder) { folder_ = std::move(folder); }

    // The kinds of warning and note a team has accepted: never printed, logged
    // or counted, nor the notes that explain them.
    void set_ignored(const DiagnosticKinds& kinds) { ignored_ = kinds; }

    // Every diagnostic and error record printed from now on is handed to `log`
    // too (the SARIF log); none when it is empty.
    void set_log(std::function<void(const Diagnostic&)> log) { log_ = std::move(log); }

    // Writes "(E) " and the message to the error stream, in the local 8-bit
    // encoding. For messages before a run reads legacy files (start-up, usage,
    // command line) that no log holds.
    void print_error(const QString& message);

    // An error of the run: "(E) " and the message, which ends with its line end.
    void print_error(DiagnosticKind kind, const QString& message);

    // An error located in a legacy file, printed as "(E) " and its text.
    void print_error(const Diagnostic& error);

    // Writes a diagnostic line to the error stream when diagnostics are on.
    // Of the warnings and notes located in one file, the first lines are
    // printed and the others only counted, until end_of_file().
    void print_diagnostic(const Diagnostic& diagnostic);

    // The reading of the file at `path` is over: a note counts the reports
    // about it that were not printed, if any.
    void end_of_file(const std::string& path);

    // `count` reports about the file at `path` that were made only to be counted.
    void count_not_shown(const std::string& path, size_t count);

    // The most report lines printed for one file.
    static constexpr size_t k_reports_per_file = 100;

    // Writes the message to standard output when verbose mode is on.
    void print_verbose(const QString& message);

    // Writes the message to standard output whatever the mode (--help, --version).
    void print_output(const QString& message);

    // How many messages the run has reported, printed or only counted, so that
    // --check can tell whether it reported anything.
    size_t reports() const { return reports_; }

private:
    // The report lines about one file, printed and not.
    struct FileReports {
        size_t printed = 0;
        size_t not_shown = 0;
    };

    void report(const Diagnostic& diagnostic);
    void report_as_located(const Diagnostic& diagnostic);

    ConsoleChannel out_;
    ConsoleChannel err_;
    bool verbose_ = false;
    bool diagnostics_ = false;
    bool colour_ = false;
    std::string folder_;
    DiagnosticKinds ignored_;
    std::optional<DiagnosticKind> left_out_;  // the last diagnostic, when it was of an ignored kind
    std::function<void(const Diagnostic&)> log_;
    size_t reports_ = 0;
    std::unordered_map<std::string, FileReports> files_;  // files being read that have reports
};

// Whether the error stream is a terminal that shows colours: NO_COLOR unset or
// empty, TERM set and not "dumb".
bool error_stream_shows_colour();

// Whether the error stream is a terminal that can rewrite a line in place:
// TERM set and not "dumb".
bool error_stream_is_terminal();

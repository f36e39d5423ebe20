#include "prjmigr/batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "messages/console.h"
#include "messages/diagnostic_rules.h"
#include "messages/message_table.h"
#include "prjmigr/driver.h"
#include "prjmigr/output_names.h"
#include "prjmigr/project_search.h"

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File temporary_file()
{
    return File(std::tmpfile(), std::fclose);
}

// A project's folder as its lines name it.
std::string shown(const std::string& folder)
{
    return folder.empty() ? "." : folder;
}

// A word as a shell reads it back: quoted unless it holds only safe bytes.
std::string quoted(const std::string& word)
{
    const bool safe = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || std::string_view("_-+=.,/:%@").find(c) != std::string_view::npos;
    });
    if (safe)
        return word;
    std::string text = "'";
    for (const char c : word)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

// Log entries held while earlier projects run: kind, line, file and text.
void write_record(std::FILE* file, const Diagnostic& diagnostic)
{
    const auto put_size = [file](size_t size) { std::fwrite(&size, sizeof size, 1, file); };
    const auto put_bytes = [&](std::string_view bytes) {
        put_size(bytes.size());
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), file);
    };
    put_size(static_cast<size_t>(diagnostic.kind));
    put_size(diagnostic.line);
    put_size(diagnostic.file ? 1 : 0);
    put_bytes(diagnostic.file ? std::string_view(*diagnostic.file) : std::string_view());
    const QByteArray text = diagnostic.text.toUtf8();
    put_bytes(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

std::optional<Diagnostic> read_record(std::FILE* file)
{
    const auto get_size = [file](size_t& size) { return std::fread(&size, sizeof size, 1, file) == 1; };
    const auto get_bytes = [&](std::string& bytes) {
        size_t size = 0;
        if (!get_size(size))
            return false;
        bytes.resize(size);
        return std::fread(bytes.data(), 1, size, file) == size;
    };
    size_t kind = 0;
    size_t line = 0;
    size_t has_file = 0;
    std::string path;
    std::string text;
    if (!get_size(kind) || !get_size(line) || !get_size(has_file) || !get_bytes(path) || !get_bytes(text))
        return std::nullopt;
    Diagnostic diagnostic{static_cast<DiagnosticKind>(kind), std::nullopt, line, QString::fromUtf8(text)};
    if (has_file)
        diagnostic.file = std::move(path);
    return diagnostic;
}

// Copies what a temporary file holds to `stream`.
void copy(std::FILE* from, std::FILE* stream)
{
    std::fflush(from);
    std::rewind(from);
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, from)) > 0;)
        std::fwrite(chunk, 1, got, stream);
}

bool holds_bytes(std::FILE* file)
{
    if (!file)
        return false;
    std::fflush(file);
    return std::ftell(file) > 0;
}

// What one project printed, logged and ended with, kept until its turn.
struct Outcome {
    File out = File(nullptr, std::fclose);
    File err = File(nullptr, std::fclose);
    File records = File(nullptr, std::fclose);
    int exit_code = 0;
    size_t reports = 0;
};

Outcome run_one(const BatchProject& project, const BatchSettings& settings, bool logging)
{
    Outcome outcome{temporary_file(), temporary_file(), temporary_file()};
    if (!outcome.out || !outcome.err || !outcome.records) {
        outcome.exit_code = k_exit_failure;
        return outcome;
    }
    Console console({outcome.out.get(), nullptr}, {outcome.err.get(), nullptr});
    console.set_verbose(settings.verbose);
    console.set_diagnostics(settings.run.options.diagnostics, settings.colour);
    console.set_ignored(settings.run.options.ignored);
    console.set_folder(project.folder);
    if (logging) {
        std::FILE* records = outcome.records.get();
        console.set_log([records](const Diagnostic& diagnostic) { write_record(records, diagnostic); });
    }
    if (project.project_files.size() > 1) {
        console.print_error(DiagnosticKind::two_project_files, two_project_files_message(shown(project.folder)));
        outcome.exit_code = k_exit_fatal;
    } else {
        Run run;
        outcome.exit_code = run_project(project.arguments, settings.run, project.folder, console, run);
    }
    outcome.reports = console.reports();
    return outcome;
}

bool failed(int exit_code)
{
    return exit_code == k_exit_fatal || exit_code == k_exit_failure;
}

// The projects run by a few threads, each taking the next one of the plan;
// their outcomes are told in the plan's order, as they come.
class Batch {
public:
    Batch(const std::vector<BatchProject>& projects, const BatchSettings& settings, Console& console,
          const ProjectLog& log)
        : projects_(projects), settings_(settings), console_(console), log_(log), outcomes_(projects.size()),
          done_(projects.size(), false)
    {
    }

    int run()
    {
        // Projects run ahead of the one told next by this many at most, so that
        // the outcomes held (three temporary files each) stay few.
        window_ = std::max<size_t>(16, 4 * settings_.jobs);
        std::vector<std::thread> workers;
        for (size_t i = 0; i < std::min(settings_.jobs, projects_.size()); ++i) {
            try {
                workers.emplace_back(&Batch::work, this);
            } catch (const std::system_error&) {
                break;
            }
        }
        for (size_t i = 0; i < projects_.size(); ++i) {
            // Without a thread to be had (a process limit), each project runs here.
            if (workers.empty()) {
                outcomes_[i] = run_one(projects_[i], settings_, static_cast<bool>(log_));
                done_[i] = true;
                ++finished_;
            }
            tell(i);
        }
        for (std::thread& worker : workers)
            worker.join();
        clear_status();
        summarize();
        return exit_code();
    }

private:
    void work()
    {
        for (;;) {
            size_t index = 0;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return next_ >= projects_.size() || next_ < told_ + window_; });
                if (next_ >= projects_.size())
                    return;
                index = next_++;
            }
            Outcome outcome = run_one(projects_[index], settings_, static_cast<bool>(log_));
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                outcomes_[index] = std::move(outcome);
                done_[index] = true;
                ++finished_;
            }
            changed_.notify_all();
        }
    }

    // Waits for project `index`, redrawing the status as others end, then
    // prints what it printed and logs what it logged.
    void tell(size_t index)
    {
        Outcome outcome;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            for (size_t shown_finished = SIZE_MAX; !done_[index];) {
                if (shown_finished != finished_) {
                    shown_finished = finished_;
                    draw_status(finished_);
                }
                changed_.wait(lock);
            }
            outcome = std::move(outcomes_[index]);
        }
        const std::string folder = shown(projects_[index].folder);
        if (holds_bytes(outcome.out.get())) {
            console_.print_output(project_header_message(folder));
            copy(outcome.out.get(), stdout);
        }
        if (holds_bytes(outcome.err.get())) {
            clear_status();
            std::fputs(project_header_message(folder).toLocal8Bit().constData(), stderr);
            copy(outcome.err.get(), stderr);
        }
        if (log_ && outcome.records) {
            std::rewind(outcome.records.get());
            while (const std::optional<Diagnostic> record = read_record(outcome.records.get()))
                log_(*record, folder);
        }
        count(index, outcome);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ++told_;
            draw_status(finished_);
        }
        changed_.notify_all();
    }

    void count(size_t index, const Outcome& outcome)
    {
        if (failed(outcome.exit_code)) {
            ++failed_;
            worst_ = std::max(worst_, outcome.exit_code == k_exit_failure ? 255 : 1);
        } else if (outcome.reports > 0) {
            ++reported_;
        } else {
            ++clean_;
        }
        if (failed(outcome.exit_code) || outcome.reports > 0)
            remarkable_.push_back({index, outcome.exit_code & 0xff, outcome.reports});
    }

    void draw_status(size_t finished)
    {
        if (!settings_.status_line)
            return;
        const QString status = batch_status_message(finished, projects_.size(), clean_, reported_, failed_,
                                                    !settings_.run.conversion);
        std::fputs((QLatin1Char('\r') + status + QStringLiteral("\x1b[K")).toLocal8Bit().constData(), stderr);
        status_shown_ = true;
    }

    void clear_status()
    {
        if (status_shown_)
            std::fputs("\r\x1b[K", stderr);
        status_shown_ = false;
    }

    void summarize()
    {
        console_.print_output(
            batch_summary_message(projects_.size(), clean_, reported_, failed_, !settings_.run.conversion));
        for (const Remarkable& project : remarkable_)
            console_.print_output(
                project_summary_message(shown(projects_[project.index].folder), project.exit_code, project.reports));
    }

    int exit_code() const
    {
        if (failed_ > 0)
            return worst_ == 255 ? k_exit_failure : k_exit_fatal;
        return !settings_.run.conversion && reported_ > 0 ? k_exit_reported : k_exit_success;
    }

    struct Remarkable {
        size_t index;
        int exit_code;
        size_t reports;
    };

    const std::vector<BatchProject>& projects_;
    const BatchSettings& settings_;
    Console& console_;
    const ProjectLog& log_;
    std::vector<Outcome> outcomes_;
    std::vector<bool> done_;
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t next_ = 0;      // the next project to run
    size_t finished_ = 0;  // projects run
    size_t told_ = 0;      // projects told
    size_t window_ = 16;
    size_t clean_ = 0;
    size_t reported_ = 0;
    size_t failed_ = 0;
    int worst_ = 0;
    bool status_shown_ = false;
    std::vector<Remarkable> remarkable_;  // failed or reported, in plan order
};

// Before any project runs: the log may replace no project's document.
bool log_replaces_a_document(const std::vector<BatchProject>& projects, const BatchSettings& settings)
{
    if (!settings.log_name || !settings.run.conversion)
        return false;
    return std::any_of(projects.begin(), projects.end(), [&](const BatchProject& project) {
        return project.project_files.size() == 1
            && log_shares_an_output(derive_output_names(project.arguments.project, std::nullopt, project.folder),
                                    *settings.log_name);
    });
}

}  // namespace

std::string plan_line(const std::string& folder, const LegacyArguments& arguments, const RunSettings& settings)
{
    std::string line = "cd " + quoted(shown(folder)) + " && prjmigr";
    const ReaderOptions& options = settings.options;
    if (!settings.conversion)
        line += " --check";
    else if (options.diagnostics)
        line += " --warnings";
    if (options.windows_paths)
        line += " --windows-paths";
    for (const PathMap& map : options.maps)
        line += " " + quoted("--map-path=" + map.from + "=" + map.to);
    std::string ignored;
    for (size_t i = 0; i < k_diagnostic_kinds; ++i) {
        if (options.ignored[i])
            ignored += (ignored.empty() ? "" : ",") + std::string(diagnostic_rule(static_cast<DiagnosticKind>(i)).id);
    }
    if (!ignored.empty())
        line += " --ignore=" + ignored;
    line += " " + quoted(arguments.project);
    for (const std::string& campaign : arguments.campaigns)
        line += " " + quoted(campaign);
    for (const std::string& session : arguments.sessions)
        line += " " + quoted(session);
    return line;
}

int run_batch(const BatchSettings& settings, Console& console, const ProjectLog& log)
{
    const ProjectSearch search = find_projects(settings.folders, settings.run.options);
    if (search.missing) {
        console.print_error(DiagnosticKind::batch_folder_missing, batch_folder_missing_message(*search.missing));
        return k_exit_fatal;
    }
    if (search.projects.empty()) {
        console.print_error(DiagnosticKind::batch_no_project, batch_no_project_message());
        return k_exit_fatal;
    }
    if (log_replaces_a_document(search.projects, settings)) {
        console.print_error(DiagnosticKind::output_written_twice, log_written_twice_message(*settings.log_name));
        return k_exit_failure;
    }
    if (!settings.list)
        return Batch(search.projects, settings, console, log).run();
    int exit_code = k_exit_success;
    for (const BatchProject& project : search.projects) {
        if (project.project_files.size() > 1) {
            console.print_error(DiagnosticKind::two_project_files, two_project_files_message(shown(project.folder)));
            exit_code = k_exit_fatal;
        } else {
            console.print_output(QString::fromLocal8Bit(plan_line(project.folder, project.arguments, settings.run) + "\n"));
        }
    }
    return exit_code;
}

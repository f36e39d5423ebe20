#include "prjmigr/conversion.h"

#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "prjmigr/output_failure.h"
#include "prjmigr/output_pair.h"
#include "writers/objects_writer.h"
#include "writers/project_writer.h"
#include "writers/test_tree_writer.h"

namespace {

// Reads one argument and merges what the reading found into the run.
std::optional<LegacyTree> read_into(const std::string& path, RunReading& reading, Run& run)
{
    LegacyRead read = read_legacy_file(
        path, {reading.options, reading.files, reading.console, run.input_files, run.project_record()});
    merge_named_files(run.named, std::move(read.named));
    run.input_files.merge(read.input_files);
    run.name_suggested = run.name_suggested || read.name_suggested;
    return std::move(read.tree);
}

// The objects file, written once every legacy file is read; what writing it
// found is told later, after the project file (see tell()).
struct ObjectsFile {
    const std::string& name;
    const std::string on_disk;
    OutputFile& file;
    const std::string& workbench_root;
    Failure opening = std::nullopt;
    Failure finishing = std::nullopt;

    // Complete in its temporary file.
    void write(const Run& run)
    {
        opening = open_output(file, name, on_disk);
        if (opening)
            return;
        OutputStream out(file.device());
        write_objects_file(out, workbench_root, run.named.script_files, run.named.source_files);
        finishing = finish_output(file, out, name, run.input_files);
    }

    // Reports what writing it found; true when it is complete.
    bool tell(Console& console) const { return succeeded(console, opening) && succeeded(console, finishing); }
};

// Writes both documents, each complete in its temporary file, reporting what fails.
bool write_documents(const OutputNames& names, const std::string& workbench_root, const LegacyArguments& arguments,
                     RunReading& reading, Run& run, JobLimits limits, OutputFile& file, OutputFile& objects_file)
{
    Console& console = reading.console;
    if (!succeeded(console, open_output(file, names.project_file, names.on_disk(names.project_file))))
        return false;
    // A target written in place (a device, a FIFO) gets nothing before the
    // project file is complete; any other is written while the last trees are.
    ObjectsFile objects{names.objects_file, names.on_disk(names.objects_file), objects_file, workbench_root};
    const bool objects_meanwhile = !written_in_place(objects.on_disk);
    OutputStream out = format_project_file(
        OutputStream(file.device()), {names.project_file, names.objects_reference, workbench_root}, arguments,
        reading, run, limits, [&] {
            if (objects_meanwhile)
                objects.write(run);
        });
    if (out.failed())
        return succeeded(console, OutputFailure{DiagnosticKind::output_unwritable, names.project_file, out.error()});
    if (!succeeded(console, finish_output(file, out, names.project_file, run.input_files)))
        return false;
    if (!objects_meanwhile)
        objects.write(run);
    return objects.tell(console);
}

}  // namespace

bool read_in_run_order(const LegacyArguments& arguments, RunReading& reading, Run& run, const RunSteps& steps)
{
    if (std::optional<LegacyTree> project = read_into(arguments.project, reading, run))
        run.project = std::make_shared<const LegacyTree>(std::move(*project));
    if (!steps.project_read())
        return false;
    for (const std::string& path : arguments.campaigns) {
        if (std::optional<LegacyTree> tree = read_into(path, reading, run))
            steps.argument_read(path, true, std::move(*tree));
    }
    for (const std::string& path : arguments.sessions) {
        if (std::optional<LegacyTree> tree = read_into(path, reading, run))
            steps.argument_read(path, false, std::move(*tree));
    }
    return true;
}

void finish_reading(const Run& run, Console& console)
{
    if (run.name_suggested)
        console.print_diagnostic(windows_paths_note());
}

OutputStream format_project_file(OutputStream out, const ProjectFileNames& names, const LegacyArguments& arguments,
                                 RunReading& reading, Run& run, JobLimits limits,
                                 const std::function<void()>& every_file_read)
{
    write_project_head(out, names.name, names.workbench_root);
    // The arguments' trees are formatted on a thread of their own, in order,
    // while the next arguments are read; the thread owns `out` until wait().
    std::optional<JobThread<OutputStream>> formatting;
    const auto project_read = [&] {
        write_project_configs(out, run.project_record());
        begin_test_tree(out);
        if (out.failed())
            return false;
        formatting.emplace(std::move(out), limits);
        return true;
    };
    const auto argument_read = [&](const std::string& path, bool campaign, LegacyTree tree) {
        const size_t weight = tree.records.size();
        formatting->start(
            [path, campaign, project = run.project, tree = std::make_shared<const LegacyTree>(std::move(tree))](
                OutputStream& to) {
                // After a failed write the run ends: formatting more is of no use.
                if (to.failed())
                    return;
                const LegacyRecord* with = project ? &project->root() : nullptr;
                if (campaign)
                    write_group(to, path, tree->root(), with);
                else
                    write_test(to, path, tree->root(), with);
            },
            weight);
    };
    if (!read_in_run_order(arguments, reading, run, {project_read, argument_read}))
        return out;
    every_file_read();
    out = formatting->wait();
    if (out.failed())
        return out;
    finish_reading(run, reading.console);
    write_project_tail(out, names.objects_reference, run.project_record());
    return out;
}

bool convert(const OutputNames& names, const std::string& workbench_root, const LegacyArguments& arguments,
             RunReading& reading, Run& run, JobLimits limits)
{
    // Both documents are complete, on disk and checked before either target is
    // replaced, so that a failed run leaves both as they were.
    OutputFile project_file;
    OutputFile objects_file;
    if (!write_documents(names, workbench_root, arguments, reading, run, limits, project_file, objects_file))
        return false;
    switch (commit_pair(project_file, objects_file)) {
    case PairCommit::committed:
        return true;
    case PairCommit::first_failed:
        return succeeded(reading.console,
                         OutputFailure{DiagnosticKind::output_unwritable, names.project_file, project_file.error()});
    case PairCommit::second_failed:
        break;
    }
    return succeeded(reading.console,
                     OutputFailure{DiagnosticKind::output_unwritable, names.objects_file, objects_file.error()});
}

void check(const LegacyArguments& arguments, RunReading& reading, Run& run)
{
    read_in_run_order(arguments, reading, run, {[] { return true; }, [](const std::string&, bool, LegacyTree) {}});
    finish_reading(run, reading.console);
}

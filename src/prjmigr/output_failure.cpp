#include "prjmigr/output_failure.h"

#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "messages/message_table.h"

bool succeeded(Console& console, const Failure& failure)
{
    if (!failure)
        return true;
    switch (failure->kind) {
    case DiagnosticKind::output_is_input:
        console.print_error(failure->kind, output_is_input_message(failure->name));
        return false;
    case DiagnosticKind::output_unopenable:
        console.print_error(failure->kind, unable_to_open_message(failure->name));
        break;
    default:
        console.print_error(failure->kind, unable_to_write_message(failure->name));
        break;
    }
    console.print_diagnostic(output_failure_note(failure->name, failure->reason));
    return false;
}

Failure open_output(OutputFile& file, const std::string& name, const std::string& on_disk)
{
    if (file.open(on_disk))
        return std::nullopt;
    return OutputFailure{DiagnosticKind::output_unopenable, name, file.error()};
}

Failure finish_output(OutputFile& file, OutputStream& out, const std::string& name, const FileIdSet& inputs)
{
    switch (file.finish(out, inputs)) {
    case OutputFile::Outcome::written:
        return std::nullopt;
    case OutputFile::Outcome::write_failed:
        return OutputFailure{DiagnosticKind::output_unwritable, name, file.error()};
    case OutputFile::Outcome::is_input:
        break;
    }
    return OutputFailure{DiagnosticKind::output_is_input, name};
}

Failure commit_output(OutputFile& file, const std::string& name)
{
    if (file.commit())
        return std::nullopt;
    return OutputFailure{DiagnosticKind::output_unwritable, name, file.error()};
}

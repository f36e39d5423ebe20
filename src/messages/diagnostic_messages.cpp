#include "messages/diagnostic_messages.h"

#include <QCoreApplication>
#include <cstring>
#include <string>

#include "messages/message_table.h"

namespace {

QString number(size_t line)
{
    return QString::number(line);
}

// The system's text for an errno value, in the current locale; runs of a
// batch ask for it side by side.
QString reason(int error)
{
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

Diagnostic about_command_line(DiagnosticKind kind, QString text)
{
    return {kind, std::nullopt, 0, std::move(text)};
}

Diagnostic about_file(DiagnosticKind kind, std::string_view path, size_t line, QString text)
{
    return {kind, std::string(path), line, std::move(text)};
}

}  // namespace

Diagnostic ignored_argument_warning(std::string_view argument)
{
    return about_command_line(DiagnosticKind::ignored_argument,
        QCoreApplication::translate("Warning", "argument %1 is ignored: it does not end in .prj, .cmp or .ses",
                                    "%1 is a command-line argument")
            .arg(from_local(argument)));
}

Diagnostic suffix_case_note(std::string_view argument, std::string_view suffix)
{
    return about_command_line(DiagnosticKind::suffix_case,
        QCoreApplication::translate("Warning", "%1 has the suffix %2 in another letter case; --windows-paths reads it",
                                    "%1 is a command-line argument, %2 its suffix as written; --windows-paths is an "
                                    "option of the tool")
            .arg(from_local(argument), from_local(suffix)));
}

Diagnostic unknown_option_warning(std::string_view argument)
{
    return about_command_line(DiagnosticKind::unknown_option,
        QCoreApplication::translate("Warning", "option %1 is unknown and ignored", "%1 is a command-line argument")
            .arg(from_local(argument)));
}

Diagnostic extra_project_warning(std::string_view argument)
{
    return about_command_line(DiagnosticKind::extra_project,
        QCoreApplication::translate("Warning", "project file %1 is ignored: only the first one is read", "%1 is a file name")
            .arg(from_local(argument)));
}

Diagnostic missing_output_name_warning()
{
    return about_command_line(DiagnosticKind::missing_output_name,
        QCoreApplication::translate("Warning", "-o is the last argument, so the default names are used",
                                    "-o is the option that names the output file"));
}

Diagnostic unreadable_argument_warning(std::string_view path, int error)
{
    return about_file(DiagnosticKind::unreadable_argument, path, 0,
        QCoreApplication::translate("Warning", "cannot be read (%1), so it is left out",
                                    "Said of a file named on the command line; %1 is the system's reason")
            .arg(reason(error)));
}

Diagnostic unreadable_member_warning(std::string_view campaign, size_t line, std::string_view member,
                                     int error)
{
    return about_file(DiagnosticKind::unreadable_member, campaign, line,
        QCoreApplication::translate("Warning", "%1 cannot be read (%2), so it is left out",
                                    "%1 is the file a campaign's line names, %2 the system's reason")
            .arg(from_local(member), reason(error)));
}

Diagnostic argument_suggestion_note(std::string_view path, std::string_view suggestion)
{
    return about_file(DiagnosticKind::argument_suggestion, path, 0,
        QCoreApplication::translate("Warning", "did you mean %1?", "%1 is an existing file").arg(from_local(suggestion)));
}

Diagnostic member_suggestion_note(std::string_view campaign, size_t line, std::string_view suggestion)
{
    return about_file(DiagnosticKind::member_suggestion, campaign, line,
        QCoreApplication::translate("Warning", "did you mean %1?", "%1 is an existing file").arg(from_local(suggestion)));
}

Diagnostic windows_paths_note()
{
    return about_command_line(DiagnosticKind::windows_paths,
        QCoreApplication::translate("Warning", "--windows-paths reads names written with backslashes or in another "
                                    "letter case, as the notes above suggest",
                                    "--windows-paths is an option of the tool; keep it as it is"));
}

Diagnostic no_header_warning(std::string_view path)
{
    return about_file(DiagnosticKind::no_header, path, 0,
        QCoreApplication::translate("Warning", "no header line, so nothing in it is read", "Said of a file"));
}

Diagnostic near_header_note(std::string_view path, size_t line)
{
    return about_file(DiagnosticKind::near_header, path, line,
        QCoreApplication::translate("Warning",
                                    "this line differs from a header line only in letter case, blanks or a byte-order mark",
                                    "Said of a line of a file"));
}

Diagnostic foreign_key_warning(std::string_view path, size_t line, std::string_view key, KeyFamily family)
{
    QString text;
    switch (family) {
    case KeyFamily::project:
        text = QCoreApplication::translate("Warning", "%1 is not a project key; the line is ignored", "%1 is two letters");
        break;
    case KeyFamily::campaign:
        text = QCoreApplication::translate("Warning", "%1 is not a campaign key; the line is ignored", "%1 is two letters");
        break;
    case KeyFamily::session:
        text = QCoreApplication::translate("Warning", "%1 is not a session key; the line is ignored", "%1 is two letters");
        break;
    }
    return about_file(DiagnosticKind::foreign_key, path, line, text.arg(from_local(key)));
}

Diagnostic no_key_warning(std::string_view path, size_t line)
{
    return about_file(DiagnosticKind::no_key, path, line,
        QCoreApplication::translate("Warning", "the line does not start with a key; it is ignored", "Said of a line of a file"));
}

Diagnostic key_before_configuration_warning(std::string_view path, size_t line, std::string_view key)
{
    return about_file(DiagnosticKind::key_before_configuration, path, line,
        QCoreApplication::translate("Warning", "%1 comes before any NC line; the line is ignored",
                                    "%1 is a key; NC is the key that declares a configuration")
            .arg(from_local(key)));
}

Diagnostic repeated_key_warning(std::string_view path, size_t line, std::string_view key,
                                size_t previous_line)
{
    return about_file(DiagnosticKind::repeated_key, path, line,
        QCoreApplication::translate("Warning", "%1 given again; the value of line %2 is replaced",
                                    "%1 is a key, %2 a line number")
            .arg(from_local(key), number(previous_line)));
}

Diagnostic repeated_configuration_warning(std::string_view path, size_t line, std::string_view name,
                                          size_t first_line)
{
    return about_file(DiagnosticKind::repeated_configuration, path, line,
        QCoreApplication::translate("Warning",
                                    "configuration %1 was already declared on line %2; sessions that name it fill both",
                                    "%1 is a configuration name, %2 a line number")
            .arg(from_local(name), number(first_line)));
}

Diagnostic yes_no_warning(std::string_view path, size_t line, std::string_view key, std::string_view value)
{
    return about_file(DiagnosticKind::yes_no_value, path, line,
        QCoreApplication::translate("Warning", "%1 value \"%2\" reads as false; only \"O\" means yes",
                                    "%1 is a key, %2 its value as written")
            .arg(from_local(key), from_local(value)));
}

Diagnostic missing_file_warning(std::string_view session, size_t line, std::string_view path, bool script)
{
    const QString text = script
        ? QCoreApplication::translate("Warning", "script %1 does not exist; the objects file lists it as written",
                                      "%1 is a file name")
        : QCoreApplication::translate("Warning", "source %1 does not exist; the objects file lists it as written",
                                      "%1 is a file name");
    return about_file(script ? DiagnosticKind::missing_script : DiagnosticKind::missing_source, session, line,
                      text.arg(from_local(path)));
}

Diagnostic path_suggestion_note(std::string_view session, size_t line, std::string_view suggestion)
{
    return about_file(DiagnosticKind::path_suggestion, session, line,
        QCoreApplication::translate("Warning", "did you mean %1?", "%1 is an existing file").arg(from_local(suggestion)));
}

Diagnostic key_without_place_warning(std::string_view session, size_t line, std::string_view key)
{
    return about_file(DiagnosticKind::key_without_place, session, line,
        QCoreApplication::translate("Warning", "%1 has no place in the project file; its value is left out",
                                    "%1 is a key of a session file")
            .arg(from_local(key)));
}

Diagnostic undeclared_configuration_warning(std::string_view path, size_t line, std::string_view name)
{
    return about_file(DiagnosticKind::undeclared_configuration, path, line,
        QCoreApplication::translate("Warning",
                                    "configuration %1 is not declared by the project; the session's settings are left out",
                                    "%1 is a configuration name")
            .arg(from_local(name)));
}

Diagnostic declared_configuration_note(std::string_view path, size_t line, std::string_view name)
{
    return about_file(DiagnosticKind::declared_configuration, path, line,
        QCoreApplication::translate("Warning", "the project declares %1", "%1 is a configuration name")
            .arg(from_local(name)));
}

Diagnostic no_configuration_line_warning(std::string_view path)
{
    return about_file(DiagnosticKind::no_configuration_line, path, 0,
        QCoreApplication::translate("Warning", "no CX line, so the session's settings are left out",
                                    "Said of a session file; CX is the key that names the session's configuration"));
}

Diagnostic output_failure_note(std::string_view file_name, int error)
{
    return about_file(DiagnosticKind::output_failure_reason, file_name, 0, reason(error));
}

Diagnostic campaign_cycle_error(std::string_view campaign, size_t line, std::string_view member)
{
    QString text = campaign_cycle_message(campaign, member);
    text.chop(1);  // the line end
    return about_file(DiagnosticKind::campaign_cycle, campaign, line, std::move(text));
}

Diagnostic reports_not_shown_note(std::string_view path, size_t count)
{
    const QString text = count == 1
        ? QCoreApplication::translate("Warning", "1 more report about this file is not shown", "Said of a file")
        : QCoreApplication::translate("Warning", "%1 more reports about this file are not shown",
                                      "Said of a file; %1 is a number greater than 1")
              .arg(number(count));
    return about_file(DiagnosticKind::reports_not_shown, path, 0, text);
}

Diagnostic results_not_logged_notification(size_t count, size_t limit)
{
    return about_command_line(DiagnosticKind::results_not_logged,
        QCoreApplication::translate("Warning", "%1 more results are left out of this log, which holds at most %2",
                                    "In the SARIF log; %1 and %2 are numbers")
            .arg(number(count), number(limit)));
}

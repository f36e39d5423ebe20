#include "messages/diagnostic_messages.h"

#include <QCoreApplication>
#include <cstring>

#include "messages/message_table.h"

namespace {

QString number(size_t line)
{
    return QString::number(line);
}

// The system's text for an errno value, in the current locale.
QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString ignored_argument_warning(std::string_view argument)
{
    return QCoreApplication::translate("Warning", "prjmigr: warning: argument %1 is ignored: it does not end in .prj, .cmp or .ses\n",
              "%1 is a command-line argument")
        .arg(from_local(argument));
}

QString unknown_option_warning(std::string_view argument)
{
    return QCoreApplication::translate("Warning", "prjmigr: warning: option %1 is unknown and ignored\n", "%1 is a command-line argument")
        .arg(from_local(argument));
}

QString extra_project_warning(std::string_view argument)
{
    return QCoreApplication::translate("Warning", "prjmigr: warning: project file %1 is ignored: only the first one is read\n",
              "%1 is a file name")
        .arg(from_local(argument));
}

QString missing_output_name_warning()
{
    return QCoreApplication::translate("Warning", "prjmigr: warning: -o is the last argument, so the default names are used\n",
              "-o is the option that names the output file");
}

QString unreadable_argument_warning(std::string_view path, int error)
{
    return QCoreApplication::translate("Warning", "%1: warning: cannot be read (%2), so it is left out\n",
              "%1 is a file name, %2 the system's reason")
        .arg(from_local(path), reason(error));
}

QString unreadable_member_warning(std::string_view campaign, size_t line, std::string_view member,
                                  int error)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: %3 cannot be read (%4), so it is left out\n",
              "%1 is a campaign file, %2 a line number, %3 the file its line names, %4 the system's reason")
        .arg(from_local(campaign), number(line), from_local(member), reason(error));
}

QString argument_suggestion_note(std::string_view path, std::string_view suggestion)
{
    return QCoreApplication::translate("Warning", "%1: note: did you mean %2?\n", "%1 is the file name given, %2 an existing file")
        .arg(from_local(path), from_local(suggestion));
}

QString member_suggestion_note(std::string_view campaign, size_t line, std::string_view suggestion)
{
    return QCoreApplication::translate("Warning", "%1:%2: note: did you mean %3?\n",
              "%1 is a campaign file, %2 a line number, %3 an existing file")
        .arg(from_local(campaign), number(line), from_local(suggestion));
}

QString windows_paths_note()
{
    return QCoreApplication::translate("Warning", "prjmigr: note: --windows-paths reads names written with backslashes or in another "
              "letter case, as the notes above suggest\n",
              "--windows-paths is an option of the tool; keep it as it is");
}

QString no_header_warning(std::string_view path)
{
    return QCoreApplication::translate("Warning", "%1: warning: no header line, so nothing in it is read\n", "%1 is a file name")
        .arg(from_local(path));
}

QString near_header_note(std::string_view path, size_t line)
{
    return QCoreApplication::translate("Warning", "%1:%2: note: this line differs from a header line only in letter case, blanks or a "
              "byte-order mark\n",
              "%1 is a file name, %2 a line number")
        .arg(from_local(path), number(line));
}

QString foreign_key_warning(std::string_view path, size_t line, std::string_view key, KeyFamily family)
{
    QString text;
    switch (family) {
    case KeyFamily::project:
        text = QCoreApplication::translate("Warning", "%1:%2: warning: %3 is not a project key; the line is ignored\n",
                  "%1 is a file name, %2 a line number, %3 two letters");
        break;
    case KeyFamily::campaign:
        text = QCoreApplication::translate("Warning", "%1:%2: warning: %3 is not a campaign key; the line is ignored\n",
                  "%1 is a file name, %2 a line number, %3 two letters");
        break;
    case KeyFamily::session:
        text = QCoreApplication::translate("Warning", "%1:%2: warning: %3 is not a session key; the line is ignored\n",
                  "%1 is a file name, %2 a line number, %3 two letters");
        break;
    }
    return text.arg(from_local(path), number(line), from_local(key));
}

QString no_key_warning(std::string_view path, size_t line)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: the line does not start with a key; it is ignored\n",
              "%1 is a file name, %2 a line number")
        .arg(from_local(path), number(line));
}

QString key_before_configuration_warning(std::string_view path, size_t line, std::string_view key)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: %3 comes before any NC line; the line is ignored\n",
              "%1 is a file name, %2 a line number, %3 a key; NC is the key that declares a configuration")
        .arg(from_local(path), number(line), from_local(key));
}

QString repeated_key_warning(std::string_view path, size_t line, std::string_view key,
                             size_t previous_line)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: %3 given again; the value of line %4 is replaced\n",
              "%1 is a file name, %2 and %4 line numbers, %3 a key")
        .arg(from_local(path), number(line), from_local(key), number(previous_line));
}

QString repeated_configuration_warning(std::string_view path, size_t line, std::string_view name,
                                       size_t first_line)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: configuration %3 was already declared on line %4; sessions that name "
              "it fill both\n",
              "%1 is a file name, %2 and %4 line numbers, %3 a configuration name")
        .arg(from_local(path), number(line), from_local(name), number(first_line));
}

QString yes_no_warning(std::string_view path, size_t line, std::string_view key, std::string_view value)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: %3 value \"%4\" reads as false; only \"O\" means yes\n",
              "%1 is a file name, %2 a line number, %3 a key, %4 its value as written")
        .arg(from_local(path), number(line), from_local(key), from_local(value));
}

QString undeclared_configuration_warning(std::string_view path, size_t line, std::string_view name)
{
    return QCoreApplication::translate("Warning", "%1:%2: warning: configuration %3 is not declared by the project; the session's "
              "settings are left out\n",
              "%1 is a session file, %2 a line number, %3 a configuration name")
        .arg(from_local(path), number(line), from_local(name));
}

QString declared_configuration_note(std::string_view path, size_t line, std::string_view name)
{
    return QCoreApplication::translate("Warning", "%1:%2: note: the project declares %3\n",
              "%1 is a session file, %2 a line number, %3 a configuration name")
        .arg(from_local(path), number(line), from_local(name));
}

QString no_configuration_line_warning(std::string_view path)
{
    return QCoreApplication::translate("Warning", "%1: warning: no CX line, so the session's settings are left out\n",
              "%1 is a session file; CX is the key that names the session's configuration")
        .arg(from_local(path));
}

QString output_failure_note(std::string_view file_name, int error)
{
    return QCoreApplication::translate("Warning", "%1: note: %2\n", "%1 is an output file name, %2 the system's reason")
        .arg(from_local(file_name), reason(error));
}

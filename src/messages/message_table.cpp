#include "messages/message_table.h"

#include <QCoreApplication>

namespace {

// Product constants; the catalogue of context "DUVAIdent" may translate the first two.
QString product_banner()
{
    return QCoreApplication::translate("DUVAIdent", "prjmigr");
}

QString copyright_text()
{
    return QCoreApplication::translate("DUVAIdent", "Copyright (C) 2026 The prjmigr authors");
}

const char* const k_version = PRJMIGR_VERSION;

}  // namespace

QString from_local(std::string_view bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString usage_message(const QString& tool_name)
{
    return QCoreApplication::translate(
               "Usage",
               "Usage: %1 [-o <projectfile>] ( <prj_filename> | <cmp_filename> | <ses_filename> ) * \n",
               "%1 is the tool name")
        .arg(tool_name);
}

QString help_message()
{
    return QCoreApplication::translate(
        "Usage",
        "Options:\n"
        "  -o <projectfile>  name of the project file; the objects file goes beside it\n"
        "  -v                print the version, then every legacy file as it is read\n"
        "  --warnings        also report what the conversion leaves out, on the error stream\n"
        "  --check           report what the conversion would leave out, and write nothing\n"
        "  --windows-paths   read the paths in the legacy files as written on Windows:\n"
        "                    backslashes, drive letters, names in any letter case\n"
        "  --map-path FROM=TO\n"
        "                    read absolute paths in the legacy files that begin with\n"
        "                    FROM as beginning with TO; may be given several times\n"
        "  --sarif FILE      report as --warnings does, and also write the reports to FILE as a SARIF log\n"
        "  --color=WHEN      colour the reports: auto (when the error stream is a terminal), always or never\n"
        "  --ignore=RULE,... leave out the reports of these rule ids (warnings and notes)\n"
        "  --batch FOLDER... convert (or check) every project under the folders, each from its own folder\n"
        "  --list            with --batch, print the command of each project's run, and run none\n"
        "  --jobs=N          with --batch, run N projects at once (default: one per processor)\n"
        "  --help            print this help and end\n"
        "  --version         print the version and end\n"
        "Environment:\n"
        "  KELMARDIR         installation root; the message catalogues are in $KELMARDIR/lib/locale\n"
        "  NEVRAHOME         workbench root, named in the document type line of both outputs\n"
        "  NO_COLOR          when set and not empty, --color=auto colours nothing\n",
        "Printed after the usage line by --help; keep the option names as they are");
}

QString no_project_message()
{
    return QCoreApplication::translate("No project, session or campaing set on the command line",
                                       "%1 Test Manager Convertisor\n%2\n",
                                       "%1 is a common banner, %2 the unit testing copyright")
        .arg(product_banner(), copyright_text());
}

QString version_banner_message()
{
    return QCoreApplication::translate("Verbose", "%1 Test Manager Convertisor %2\n%3\n",
                                       "%1 is a common banner,%2 version, %3 the unit testing copyright")
        .arg(product_banner(), QString::fromLatin1(k_version), copyright_text());
}

QString parsing_message(std::string_view path)
{
    return QCoreApplication::translate("Verbose", "Parsing %1\n",
                                       "Display when starting the parsing; %1 is a filename")
        .arg(from_local(path));
}

QString done_message()
{
    return QCoreApplication::translate("Verbose", "Done.\n",
                                       "Message displayed when the processing is finished");
}

QString unable_to_open_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error", "Unable to open %1\n", "%1 is a file name")
        .arg(from_local(file_name));
}

QString unable_to_write_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error", "Unable to write %1\n", "%1 is a file name")
        .arg(from_local(file_name));
}

QString env_undefined_message(const QString& variable)
{
    return QCoreApplication::translate("Error", "Environment variable \"%1\" must be defined.\n",
                                       "%1 is an environment variable name")
        .arg(variable);
}

QString campaign_cycle_message(std::string_view campaign, std::string_view member)
{
    return QCoreApplication::translate("Error",
                                       "Campaign cycle: %1 names %2, which is already being read\n",
                                       "%1 and %2 are file names")
        .arg(from_local(campaign), from_local(member));
}

QString output_is_input_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error",
                                       "Output file %1 is also an input file; it is left unchanged\n",
                                       "%1 is a file name")
        .arg(from_local(file_name));
}

QString output_written_twice_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error",
                                       "Output file %1 would be written twice: the project file and the "
                                       "objects file cannot have the same name\n",
                                       "%1 is a file name")
        .arg(from_local(file_name));
}

QString log_written_twice_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error",
                                       "Output file %1 would be written twice: the SARIF log cannot have the "
                                       "name of the project file or the objects file\n",
                                       "%1 is a file name, as given after --sarif")
        .arg(from_local(file_name));
}

QString bad_path_map_message(std::string_view value)
{
    return QCoreApplication::translate("Error", "--map-path needs a value FROM=TO, not \"%1\"\n",
                                       "%1 is the value given after --map-path, empty when there is none; "
                                       "FROM=TO is the form --help shows")
        .arg(from_local(value));
}

QString sarif_file_missing_message()
{
    return QCoreApplication::translate("Error", "--sarif needs a file name\n",
                                       "--sarif is the option that names the SARIF log file");
}

QString unknown_long_option_message(std::string_view argument)
{
    return QCoreApplication::translate("Error", "Unknown option %1; --help lists the options\n",
                                       "%1 is a command-line argument, as given; --help is an option of the tool")
        .arg(from_local(argument));
}

QString unknown_ignored_rule_message(std::string_view id)
{
    return QCoreApplication::translate("Error",
                                       "--ignore names %1, which is no kind of warning or note; the manual page "
                                       "lists their ids\n",
                                       "%1 is a value given after --ignore, as given; --ignore is an option of the tool")
        .arg(from_local(id));
}

QString batch_output_name_message()
{
    return QCoreApplication::translate("Error",
                                       "-o cannot be given with --batch: each project's outputs take the name of its "
                                       "project file\n",
                                       "-o and --batch are options of the tool");
}

QString batch_legacy_argument_message(std::string_view argument)
{
    return QCoreApplication::translate("Error", "%1 is a legacy file: --batch takes the folders that hold the projects\n",
                                       "%1 is a command-line argument; --batch is an option of the tool")
        .arg(from_local(argument));
}

QString needs_batch_message(std::string_view option)
{
    return QCoreApplication::translate("Error", "%1 needs --batch\n",
                                       "%1 is an option of the tool, --list or --jobs; --batch is another one")
        .arg(from_local(option));
}

QString bad_jobs_message(std::string_view value)
{
    return QCoreApplication::translate("Error", "--jobs needs a whole number from 1 up, not \"%1\"\n",
                                       "%1 is the value given to --jobs, an option of the tool")
        .arg(from_local(value));
}

QString batch_without_folder_message()
{
    return QCoreApplication::translate("Error", "--batch needs at least one folder\n", "--batch is an option of the tool");
}

QString batch_folder_missing_message(std::string_view folder)
{
    return QCoreApplication::translate("Error", "Folder %1 does not exist\n", "%1 is a folder given on the command line")
        .arg(from_local(folder));
}

QString batch_no_project_message()
{
    return QCoreApplication::translate("Error", "No project file was found under the folders given\n",
                                       "The folders given to --batch, an option of the tool");
}

QString two_project_files_message(std::string_view folder)
{
    return QCoreApplication::translate("Error",
                                       "Folder %1 holds more than one project file; convert them one at a time\n",
                                       "%1 is a folder")
        .arg(from_local(folder));
}

QString project_header_message(std::string_view folder)
{
    return QCoreApplication::translate("Batch", "prjmigr: project %1\n",
                                       "Before the lines of one project of a batch; %1 is its folder")
        .arg(from_local(folder));
}

QString batch_status_message(size_t done, size_t projects, size_t clean, size_t reported, size_t failed, bool check)
{
    const QString text = check
        ? QCoreApplication::translate("Batch", "[%1/%2] %3 checked, %4 with reports, %5 failed",
                                      "Status line of a batch of checks: projects done, all projects, then counts")
        : QCoreApplication::translate("Batch", "[%1/%2] %3 converted, %4 with reports, %5 failed",
                                      "Status line of a batch of conversions: projects done, all projects, then counts");
    return text.arg(QString::number(done), QString::number(projects), QString::number(clean), QString::number(reported),
                    QString::number(failed));
}

QString batch_summary_message(size_t projects, size_t clean, size_t reported, size_t failed, bool check)
{
    const QString text = check
        ? QCoreApplication::translate("Batch", "Projects: %1; checked: %2, with reports: %3, failed: %4\n",
                                      "Summary of a batch of checks; each %n is a count")
        : QCoreApplication::translate("Batch", "Projects: %1; converted: %2, with reports: %3, failed: %4\n",
                                      "Summary of a batch of conversions; each %n is a count");
    return text.arg(QString::number(projects), QString::number(clean), QString::number(reported),
                    QString::number(failed));
}

QString project_summary_message(std::string_view folder, int exit_code, size_t reports)
{
    return QCoreApplication::translate("Batch", "%1: exit code %2, reports: %3\n",
                                       "A project of a batch that failed or reported; %1 is its folder")
        .arg(from_local(folder), QString::number(exit_code), QString::number(reports));
}

QString output_named_like_legacy_message(std::string_view file_name)
{
    return QCoreApplication::translate("Error",
                                       "Output file %1 would replace a legacy file: an output's name cannot end "
                                       "in .prj, .cmp or .ses\n",
                                       "%1 is a file name, as given")
        .arg(from_local(file_name));
}

QString kelmardir_unset_message()
{
    return QStringLiteral("Fatal Error: please setup KELMARDIR environment variable.\n");
}

QString catalogue_dir_missing_message(const QString& directory)
{
    return QStringLiteral("Fatal Error: directory doesn't exist '%1'\n").arg(directory);
}

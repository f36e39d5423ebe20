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

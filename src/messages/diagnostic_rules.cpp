#include "messages/diagnostic_rules.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct Text {
    const char* source;
    const char* comment;
};

struct RuleEntry {
    const char* id;
    DiagnosticLevel level;
    SarifPlace place;
    Text description;
    Text full_description;
    Text help;
};

constexpr DiagnosticLevel k_error = DiagnosticLevel::error;
constexpr DiagnosticLevel k_warning = DiagnosticLevel::warning;
constexpr DiagnosticLevel k_note = DiagnosticLevel::note;

// In the order of DiagnosticKind. The texts say what the manual page says of each.
constexpr RuleEntry k_rules[] = {
    {"ignored-argument", k_warning, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "An argument is neither an option nor a legacy file", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An argument of the command line that does not begin with - and does not end in .prj, .cmp or .ses names no legacy file, so it is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name the legacy files by their suffix, .prj, .cmp or .ses, exactly as written; a file with another suffix can still be read as a member of a campaign.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"unknown-option", k_warning, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "An option that the tool does not know is ignored", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An argument that begins with a single - and is none of the tool's options is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Remove the argument, or spell the option as --help lists it.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"extra-project-file", k_warning, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "A project file after the first one is ignored", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A run converts one project: every project file of the command line after the first one is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Convert each project in a run of its own.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"missing-output-name", k_warning, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "-o is the last argument", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "-o is the last argument, so it names no output file: the default names, taken from the project file, are used.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Give the name of the project file after -o, or leave -o out.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"unreadable-file", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A legacy file of the command line cannot be read", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A legacy file named on the command line cannot be read (it is missing, a folder, not readable or larger than 256 MiB, or its name holds a NUL byte), so the outputs leave it out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Check the name and the file: the message gives the system's reason, and a note may name the file probably meant.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"unreadable-member", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A file that a campaign names cannot be read", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A file that an FI line of a campaign names cannot be read, so the campaign's group in the project file lacks it.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Correct the FI line or restore the file; names written with backslashes or in another letter case are read by --windows-paths.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"suggested-file", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "The existing file that an unreadable name probably meant", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A file named on the command line cannot be read, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this readable file.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name the file as the note writes it.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"suggested-member", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "The existing file that a campaign's unreadable member probably meant", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A file that a campaign names cannot be read, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this readable file.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the FI line as the note writes the name, or convert with --windows-paths, which reads such names.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"no-header", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A legacy file has no header line", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A legacy file holds no header line ($$$IHM NEVRA$$$ followed by PROJET, CAMPAGNE or SESSION), so none of its lines is read.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Put the header line first in the file, exactly as written, in capitals.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"near-header", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A line differs from a header line only in letter case, blanks or a byte-order mark", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "This line would be the file's header line but for its letter case, blanks or control bytes at its ends, or a byte-order mark.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the header line exactly, in capitals, with nothing before it.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"foreign-key", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A line's key is not one of its file's kind", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A line after the header begins with two capitals and a blank that are no key of its file's kind (project, campaign or session), so the line is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Correct the key, or move the line to a file of the kind that has it; the manual page lists the keys of each kind.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"no-key", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A line does not start with a key", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A line after the header does not begin with two capitals and a blank, so it is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Begin the line with its key, or remove it: legacy files have no comment lines.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"key-before-configuration", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A project key comes before any NC line", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A key that fills a configuration (PA, LA, SE, OE, XX, AS, VE, EX, AL or CL) comes before the first NC line of the project file, so it has no configuration to fill and is ignored.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Move the line under the NC line of its configuration.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"repeated-key", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A key given again replaces the earlier value", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A key is given again in a session file, or under the same NC line of a project file: the last value counts and the earlier one is left out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Keep the one line that holds the value meant.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"repeated-configuration", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A configuration name is declared twice", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Two NC lines of the project file declare the same configuration name: both configurations are written, and a session that names it fills both.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Give each configuration a name of its own.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"yes-no-value", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A yes/no value other than O reads as false", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A yes/no key holds a value other than O or N: only O means yes, so the value reads as false.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write O for yes and N for no.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"undeclared-configuration", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A session names a configuration that the project does not declare", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "The CX line of a session names no configuration of the project (names are compared exactly), so the session's settings reach no configuration and are left out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the name as an NC line of the project declares it; a note names a configuration that differs only in letter case or leading blanks.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"declared-configuration", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "The configuration of the project that a session probably meant", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "The project declares a configuration whose name differs from the session's CX value only in letter case or leading blanks.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the CX value as the project declares the name.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"no-configuration-line", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A session has settings but no CX line", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A session gives build or run settings, but no CX line names the configuration that receives them, so they are left out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Add a CX line that names one of the project's configurations.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"campaign-cycle", k_error, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A campaign names a campaign that is already being read", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An FI line names a campaign that is being read further up the chain of campaigns (the same file, under any name), so it is not read again and the group lacks that member.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Remove the FI line or name another campaign: a campaign cannot hold itself.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-not-opened", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "An output file cannot be opened", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An output file (the project file, the objects file or the SARIF log) cannot be created: its folder is missing or not writable, or its name is a folder. No earlier output is replaced.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Create the folder, or choose another name with -o or --sarif; the note that follows gives the system's reason.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-not-written", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "An output file cannot be written", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An output file cannot be written, or cannot replace its target (a full disk, a file-size limit, a target of another user in a sticky folder); a run that fails leaves both earlier documents as they were.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Free space or mend the permissions, then convert again; the note that follows gives the system's reason.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-is-input", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "An output file would replace a file that the run read", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An output file is one of the legacy files that the run read (the same file under any name, through links too), so it is not replaced.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Choose an output name with -o or --sarif that replaces no input.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"environment-undefined", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "An environment variable that the outputs name is not defined", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "NEVRAHOME, the workbench root that both documents name in their document type line, is not defined, so a conversion reads and writes nothing.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Set NEVRAHOME to the workbench's installation root; an empty value is a value.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-failure-reason", k_note, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "The system's reason why an output file cannot be opened or written", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "The system's reason for the output error before it.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Mend what the reason names, then convert again.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-written-twice", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "The project file and the objects file would have the same name", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Two outputs would be one file: the objects file would replace the project file (-o y.inf), or the SARIF log a document, by the same name or through a link; nothing is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Give -o a name ending in .rtp, and --sarif a name of its own.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"windows-paths", k_note, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "--windows-paths would read the names that the notes suggest", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An FI line named a file with backslashes or in another letter case, as a \"did you mean\" note says; --windows-paths reads such names as their authors meant them.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Convert with --windows-paths, or correct the names in the campaigns.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"unknown-long-option", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "An argument begins with -- and is none of the tool's options", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An argument begins with -- and is none of the tool's options exactly as they are written, so the run ends before anything is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Spell the option as --help lists it.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"output-named-like-legacy-file", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "An output's name ends in .prj, .cmp or .ses", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "The project file of a conversion, or the SARIF log, is named like a legacy file, so it could replace one that the run does not read; nothing is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name the project file with -o and the log with --sarif; a name forgotten after --sarif makes the next argument the log.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"bad-path-map", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "A --map-path value is not FROM=TO", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A --map-path value has no = or an empty FROM, so the run ends before anything is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Give --map-path a value FROM=TO, FROM an absolute path as the legacy files write it.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"no-project-file", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "The command line names no project file", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "No argument of the command line ends in .prj, so there is no project to convert and nothing is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name the project file, with its suffix .prj.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"reports-not-shown", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "More reports about a file than are shown", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "At most 100 lines of reports are shown for one file; this note, given when the file has been read, counts the others, which still make --check end with 2.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Mend what the reports shown say, then check again.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"results-not-logged", k_note, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "More results than the log holds", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "The log holds at most 25000 results, the most that a code-scanning upload takes for one run; this notification counts the results left out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Mend what the results logged say, then check again.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"missing-script", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A script that a session names does not exist", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An FP value of a session, resolved as the run reads it, names no regular file (nothing, a folder, or a name that cannot be looked up): the project and objects files name a script that the workbench will not find.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Correct the FP line or restore the script; --windows-paths reads names written with backslashes or in another letter case, and --map-path moves absolute paths.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"missing-source", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A source file that a session names does not exist", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An FS value of a session, resolved as the run reads it, names no regular file (nothing, a folder, or a name that cannot be looked up): the project and objects files name a source file that the workbench will not find.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Correct the FS line or restore the source file; --windows-paths reads names written with backslashes or in another letter case, and --map-path moves absolute paths.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"suggested-path", k_note, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "The existing file that a script or source name probably meant", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A script or source file that a session names does not exist, but with its backslashes taken as slashes, its letters in another case and its names written in Windows-1252 read in UTF-8, the name leads to this file.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the FP or FS value as the note writes the name, or convert with --windows-paths, which reads such names.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"key-without-place", k_warning, SarifPlace::result,
     QT_TRANSLATE_NOOP3("Rule", "A session key that the project file has no place for", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A CD, RA, VA or CE line of a session is read, but the project file has no place for its value, so the value is left out.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Leave the line out of the session, or accept the loss with --ignore=key-without-place.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"suffix-letter-case", k_note, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "An argument ends in a legacy suffix in another letter case", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "An argument that ends in a legacy suffix in another letter case (.PRJ, .Cmp) is ignored, since suffixes are compared exactly; --windows-paths reads such arguments.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Convert with --windows-paths, or give the file its suffix in small letters.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"unknown-rule-id", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "--ignore names no kind of warning or note", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A value of --ignore is not the id of a kind of warning or note, so the run ends before anything is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Write the ids as the manual page and the SARIF log give them, separated by commas.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"batch-refused", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "A command line that --batch cannot run", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "-o with --batch, a legacy file with --batch, --list or --jobs without --batch, a --jobs value that is no whole number from 1 up, or --batch without a folder: the run ends before anything is read or written.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Give --batch the folders that hold the projects, and --jobs a whole number from 1 up; each project's outputs take its project file's name.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"batch-folder-missing", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "A folder given to --batch does not exist", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A folder given to --batch does not exist or is no folder, so the batch runs no project.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name an existing folder.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"batch-no-project", k_error, SarifPlace::configuration,
     QT_TRANSLATE_NOOP3("Rule", "No project file under the folders given to --batch", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "No folder under the folders given to --batch holds a project file (a name ending in .prj), so there is nothing to convert.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Name the folders that hold the projects; with --windows-paths, project files ending in another letter case count too.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
    {"two-project-files", k_error, SarifPlace::execution,
     QT_TRANSLATE_NOOP3("Rule", "A folder holds more than one project file", "A kind of diagnostic, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "A folder of a batch directly holds two or more project files, so its project is not converted: which one to convert is not known.",
                        "What a kind of diagnostic reports, in the SARIF log"),
     QT_TRANSLATE_NOOP3("Rule", "Convert them one at a time, each with its own command, or move each into a folder of its own.",
                        "What to do about a kind of diagnostic, in the SARIF log")},
};
static_assert(std::size(k_rules) == k_diagnostic_kinds, "one rule for every kind");

const RuleEntry& entry_of(DiagnosticKind kind)
{
    return k_rules[static_cast<size_t>(kind)];
}

QString translated(const Text& text)
{
    return QCoreApplication::translate("Rule", text.source, text.comment);
}

}  // namespace

DiagnosticRule diagnostic_rule(DiagnosticKind kind)
{
    const RuleEntry& entry = entry_of(kind);
    return {entry.id, entry.level, entry.place, translated(entry.description), translated(entry.full_description),
            translated(entry.help)};
}

DiagnosticLevel level_of(DiagnosticKind kind)
{
    return entry_of(kind).level;
}

SarifPlace sarif_place_of(DiagnosticKind kind)
{
    return entry_of(kind).place;
}

bool explains(DiagnosticKind note, DiagnosticKind warning)
{
    using Kind = DiagnosticKind;
    switch (note) {
    case Kind::argument_suggestion:
        return warning == Kind::unreadable_argument;
    case Kind::member_suggestion:
        return warning == Kind::unreadable_member;
    case Kind::near_header:
        return warning == Kind::no_header;
    case Kind::declared_configuration:
        return warning == Kind::undeclared_configuration;
    case Kind::path_suggestion:
        return warning == Kind::missing_script || warning == Kind::missing_source;
    case Kind::suffix_case:
        return warning == Kind::ignored_argument;
    default:
        return false;
    }
}

#include "messages/diagnostic.h"

#include <QCoreApplication>
#include <iterator>

#include "messages/message_table.h"

namespace {

struct RuleEntry {
    const char* id;
    DiagnosticLevel level;
    struct {
        const char* source;
        const char* comment;
    } description;
};

constexpr DiagnosticLevel k_error = DiagnosticLevel::error;
constexpr DiagnosticLevel k_warning = DiagnosticLevel::warning;
constexpr DiagnosticLevel k_note = DiagnosticLevel::note;

// In the order of DiagnosticKind.
constexpr RuleEntry k_rules[] = {
    {"ignored-argument", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "An argument is neither an option nor a legacy file", "A kind of diagnostic, in the SARIF log")},
    {"unknown-option", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "An option that the tool does not know is ignored", "A kind of diagnostic, in the SARIF log")},
    {"extra-project-file", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A project file after the first one is ignored", "A kind of diagnostic, in the SARIF log")},
    {"missing-output-name", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "-o is the last argument", "A kind of diagnostic, in the SARIF log")},
    {"unreadable-file", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A legacy file of the command line cannot be read", "A kind of diagnostic, in the SARIF log")},
    {"unreadable-member", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A file that a campaign names cannot be read", "A kind of diagnostic, in the SARIF log")},
    {"suggested-file", k_note,
     QT_TRANSLATE_NOOP3("Rule", "The existing file that an unreadable name probably meant", "A kind of diagnostic, in the SARIF log")},
    {"suggested-member", k_note,
     QT_TRANSLATE_NOOP3("Rule", "The existing file that a campaign's unreadable member probably meant",
                        "A kind of diagnostic, in the SARIF log")},
    {"no-header", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A legacy file has no header line", "A kind of diagnostic, in the SARIF log")},
    {"near-header", k_note,
     QT_TRANSLATE_NOOP3("Rule", "A line differs from a header line only in letter case, blanks or a byte-order mark",
                        "A kind of diagnostic, in the SARIF log")},
    {"foreign-key", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A line's key is not one of its file's kind", "A kind of diagnostic, in the SARIF log")},
    {"no-key", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A line does not start with a key", "A kind of diagnostic, in the SARIF log")},
    {"key-before-configuration", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A project key comes before any NC line", "A kind of diagnostic, in the SARIF log")},
    {"repeated-key", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A key given again replaces the earlier value", "A kind of diagnostic, in the SARIF log")},
    {"repeated-configuration", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A configuration name is declared twice", "A kind of diagnostic, in the SARIF log")},
    {"yes-no-value", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A yes/no value other than O reads as false", "A kind of diagnostic, in the SARIF log")},
    {"undeclared-configuration", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A session names a configuration that the project does not declare",
                        "A kind of diagnostic, in the SARIF log")},
    {"declared-configuration", k_note,
     QT_TRANSLATE_NOOP3("Rule", "The configuration of the project that a session probably meant",
                        "A kind of diagnostic, in the SARIF log")},
    {"no-configuration-line", k_warning,
     QT_TRANSLATE_NOOP3("Rule", "A session has settings but no CX line", "A kind of diagnostic, in the SARIF log")},
    {"campaign-cycle", k_error,
     QT_TRANSLATE_NOOP3("Rule", "A campaign names a campaign that is already being read", "A kind of diagnostic, in the SARIF log")},
    {"output-not-opened", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An output file cannot be opened", "A kind of diagnostic, in the SARIF log")},
    {"output-not-written", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An output file cannot be written", "A kind of diagnostic, in the SARIF log")},
    {"output-is-input", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An output file would replace a file that the run read", "A kind of diagnostic, in the SARIF log")},
    {"environment-undefined", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An environment variable that the outputs name is not defined", "A kind of diagnostic, in the SARIF log")},
    {"output-failure-reason", k_note,
     QT_TRANSLATE_NOOP3("Rule", "The system's reason why an output file cannot be opened or written",
                        "A kind of diagnostic, in the SARIF log")},
    {"output-written-twice", k_error,
     QT_TRANSLATE_NOOP3("Rule", "The project file and the objects file would have the same name", "A kind of diagnostic, in the SARIF log")},
    {"windows-paths", k_note,
     QT_TRANSLATE_NOOP3("Rule", "--windows-paths would read the names that the notes suggest", "A kind of diagnostic, in the SARIF log")},
    {"unknown-long-option", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An argument begins with -- and is none of the tool's options", "A kind of diagnostic, in the SARIF log")},
    {"output-named-like-legacy-file", k_error,
     QT_TRANSLATE_NOOP3("Rule", "An output's name ends in .prj, .cmp or .ses", "A kind of diagnostic, in the SARIF log")},
    {"bad-path-map", k_error,
     QT_TRANSLATE_NOOP3("Rule", "A --map-path value is not FROM=TO", "A kind of diagnostic, in the SARIF log")},
    {"no-project-file", k_error,
     QT_TRANSLATE_NOOP3("Rule", "The command line names no project file", "A kind of diagnostic, in the SARIF log")},
};
static_assert(std::size(k_rules) == k_diagnostic_kinds, "one rule for every kind");

const RuleEntry& entry_of(DiagnosticKind kind)
{
    return k_rules[static_cast<size_t>(kind)];
}

}  // namespace

DiagnosticRule diagnostic_rule(DiagnosticKind kind)
{
    const RuleEntry& entry = entry_of(kind);
    return {entry.id, entry.level,
            QCoreApplication::translate("Rule", entry.description.source, entry.description.comment)};
}

DiagnosticLevel level_of(DiagnosticKind kind)
{
    return entry_of(kind).level;
}

QString diagnostic_line(const Diagnostic& diagnostic, bool colour)
{
    const DiagnosticLevel level = level_of(diagnostic.kind);
    if (level == DiagnosticLevel::error)
        return QStringLiteral("(E) ") + diagnostic.text + QLatin1Char('\n');
    QString location = diagnostic.file ? from_local(*diagnostic.file) : QStringLiteral("prjmigr");
    if (diagnostic.line != 0)
        location += QLatin1Char(':') + QString::number(diagnostic.line);
    location += QLatin1Char(':');
    QString keyword = level == DiagnosticLevel::warning
        ? QCoreApplication::translate("Diagnostic", "warning:", "Keyword of a line FILE:LINE: warning: TEXT; keep the colon")
        : QCoreApplication::translate("Diagnostic", "note:", "Keyword of a line FILE:LINE: note: TEXT; keep the colon");
    if (colour) {
        location = QStringLiteral("\x1b[1m") + location + QStringLiteral("\x1b[0m");
        keyword = (level == DiagnosticLevel::warning ? QStringLiteral("\x1b[1;35m") : QStringLiteral("\x1b[1;36m"))
            + keyword + QStringLiteral("\x1b[0m");
    }
    return location + QLatin1Char(' ') + keyword + QLatin1Char(' ') + diagnostic.text + QLatin1Char('\n');
}

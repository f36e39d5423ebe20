// What the SARIF log says of each kind of diagnostic: its stable id, its level,
// where it goes in the log, and its descriptions, translated.
#pragma once

#include <QString>

#include "messages/diagnostic.h"

// A result located in a legacy file, or a notification of the invocation: about
// the command line (configuration) or about the run (execution).
enum class SarifPlace { result, configuration, execution };

struct DiagnosticRule {
    const char* id;  // stable: the manual page lists them
    DiagnosticLevel level;
    SarifPlace place;
    QString description;       // one line
    QString full_description;  // what it reports
    QString help;              // what to do about it
};

DiagnosticRule diagnostic_rule(DiagnosticKind kind);
DiagnosticLevel level_of(DiagnosticKind kind);
SarifPlace sarif_place_of(DiagnosticKind kind);

// Whether `note` explains a `warning` it follows (a "did you mean" note an
// unreadable file), so that it goes where the warning goes.
bool explains(DiagnosticKind note, DiagnosticKind warning);

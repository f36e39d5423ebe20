// The SARIF 2.1.0 log of a run (--sarif): the kinds of diagnostic the tool
// knows, as rules, and a result for every diagnostic and error record printed,
// for code-scanning pages and other tools that read what analysers find.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <string_view>
#include <vector>

#include "messages/diagnostic.h"

// The result that stands for the printed line of `diagnostic`.
QJsonObject sarif_result(const Diagnostic& diagnostic);

// The whole log. `exit_code` is the run's, as a shell reports it; relative
// paths are based at `working_directory` (bytes).
QByteArray sarif_log(const std::vector<Diagnostic>& records, int exit_code, std::string_view working_directory);

// `path` as a URI reference: every byte but RFC 3986's unreserved characters
// and "/" percent-encoded, so that any byte survives.
QString uri_reference(std::string_view path);

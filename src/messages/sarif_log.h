// The SARIF 2.1.0 log of a run (--sarif), for code-scanning pages and other
// tools that read what analysers find. It is written as the run goes: a result
// for every report about a legacy file as it is printed (25,000 at most), and,
// once the run is over, the invocation with the reports about the command line
// and the run as notifications, and the tool with a rule or a notification
// descriptor for every kind of report.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "messages/diagnostic.h"

// How the log names the file at `path` (as printed): an artifactLocation.
using ArtifactLocator = std::function<QJsonObject(const std::string& path)>;

// The top of the git work tree that holds `working_directory` (the nearest
// folder upward that holds .git), else the directory itself.
std::string source_root_of(const std::string& working_directory);

// Paths relative to `working_directory` (absolute) made canonical (through
// realpath when the file exists, by their text otherwise): a URI relative to
// `source_root` (uriBaseId SRCROOT) for a file inside it, an absolute file://
// URI for any other.
ArtifactLocator canonical_locator(const std::string& working_directory, const std::string& source_root);

// The entry that stands for the printed line of `diagnostic`: a result, or a
// notification, as its kind says (see diagnostic_rules.h).
QJsonObject sarif_entry(const Diagnostic& diagnostic, const ArtifactLocator& locate);

class SarifLog {
public:
    using Write = std::function<void(std::string_view bytes)>;

    // The log of a run made in `working_directory` (absolute), written through `write`.
    SarifLog(Write write, const std::string& working_directory);

    // The entry of a diagnostic printed; a notification of a project of a
    // batch names the project's folder.
    void add(const Diagnostic& diagnostic, std::string_view project = {});

    // Writes the rest of the log; `exit_code` as a shell reports it.
    void finish(int exit_code);

    // GitHub's limit of results for one run.
    static constexpr size_t k_max_results = 25000;

private:
    Write write_;
    std::string working_directory_;
    std::string source_root_;
    ArtifactLocator locate_;
    size_t results_ = 0;
    size_t results_not_logged_ = 0;
    QJsonArray configuration_notifications_;
    QJsonArray execution_notifications_;
};

// `path` as a URI reference: every byte but RFC 3986's unreserved characters
// and "/" percent-encoded, so that any byte survives.
QString uri_reference(std::string_view path);

#include "messages/sarif_log.h"

#include <QJsonDocument>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "messages/diagnostic_messages.h"
#include "messages/diagnostic_rules.h"

namespace {

const QString k_source_root = QStringLiteral("SRCROOT");

QString level_name(DiagnosticLevel level)
{
    switch (level) {
    case DiagnosticLevel::error:
        return QStringLiteral("error");
    case DiagnosticLevel::warning:
        return QStringLiteral("warning");
    case DiagnosticLevel::note:
        return QStringLiteral("note");
    }
    return {};
}

QString file_uri(std::string_view absolute_path)
{
    return QStringLiteral("file://") + uri_reference(absolute_path);
}

// A folder's URI ends with a slash, so that relative URIs resolve inside it.
QString folder_uri(std::string_view folder)
{
    QString uri = file_uri(folder);
    if (!uri.endsWith(QLatin1Char('/')))
        uri += QLatin1Char('/');
    return uri;
}

// `path` (absolute) without "." and ".." components or doubled slashes, by its text.
std::string normalised(std::string_view path)
{
    std::vector<std::string_view> components;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view component = path.substr(0, slash);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    std::string result;
    for (const std::string_view component : components)
        result.append("/").append(component);
    return result.empty() ? "/" : result;
}

std::string canonical(const std::string& absolute_path)
{
    if (absolute_path.find('\0') == std::string::npos) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(absolute_path.c_str(), nullptr), std::free);
        if (real)
            return real.get();
    }
    return normalised(absolute_path);
}

// Where the kinds of each place stand in the tool's rules or notifications.
size_t index_among(DiagnosticKind kind, bool results)
{
    size_t index = 0;
    for (size_t other = 0; other < static_cast<size_t>(kind); ++other)
        index += (sarif_place_of(static_cast<DiagnosticKind>(other)) == SarifPlace::result) == results;
    return index;
}

QJsonObject descriptor(const DiagnosticRule& rule)
{
    return {
        {QStringLiteral("id"), QString::fromLatin1(rule.id)},
        {QStringLiteral("shortDescription"), QJsonObject{{QStringLiteral("text"), rule.description}}},
        {QStringLiteral("fullDescription"), QJsonObject{{QStringLiteral("text"), rule.full_description}}},
        {QStringLiteral("help"), QJsonObject{{QStringLiteral("text"), rule.help}}},
        {QStringLiteral("defaultConfiguration"), QJsonObject{{QStringLiteral("level"), level_name(rule.level)}}},
    };
}

QJsonObject tool()
{
    QJsonArray rules;
    QJsonArray notifications;
    for (size_t i = 0; i < k_diagnostic_kinds; ++i) {
        const DiagnosticRule rule = diagnostic_rule(static_cast<DiagnosticKind>(i));
        (rule.place == SarifPlace::result ? rules : notifications).append(descriptor(rule));
    }
    const QString version = QStringLiteral(PRJMIGR_VERSION);
    const QJsonObject driver{
        {QStringLiteral("name"), QStringLiteral("prjmigr")},
        {QStringLiteral("version"), version},
        {QStringLiteral("semanticVersion"), version},
        {QStringLiteral("rules"), rules},
        {QStringLiteral("notifications"), notifications},
    };
    return {{QStringLiteral("driver"), driver}};
}

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

QString uri_reference(std::string_view path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QString::fromLatin1(bytes.toPercentEncoding("/"));
}

std::string source_root_of(const std::string& working_directory)
{
    for (std::string folder = working_directory;;) {
        struct stat info {};
        if (::lstat((folder + (folder == "/" ? ".git" : "/.git")).c_str(), &info) == 0)
            return folder;
        const size_t slash = folder.rfind('/');
        if (folder == "/" || slash == std::string::npos)
            return working_directory;
        folder = slash == 0 ? "/" : folder.substr(0, slash);
    }
}

ArtifactLocator canonical_locator(const std::string& working_directory, const std::string& source_root)
{
    auto known = std::make_shared<std::unordered_map<std::string, QJsonObject>>();
    return [working_directory, root = source_root + (source_root == "/" ? "" : "/"), known](const std::string& path) {
        if (const auto found = known->find(path); found != known->end())
            return found->second;
        const std::string absolute = canonical(!path.empty() && path.front() == '/' ? path : working_directory + "/" + path);
        QJsonObject artifact;
        if (absolute.compare(0, root.size(), root) == 0 && absolute.size() > root.size()) {
            artifact[QStringLiteral("uri")] = uri_reference(std::string_view(absolute).substr(root.size()));
            artifact[QStringLiteral("uriBaseId")] = k_source_root;
        } else {
            artifact[QStringLiteral("uri")] = file_uri(absolute);
        }
        // The files of a run's results: at most the log's limit of them.
        if (known->size() < SarifLog::k_max_results)
            known->emplace(path, artifact);
        return artifact;
    };
}

QJsonObject sarif_entry(const Diagnostic& diagnostic, const ArtifactLocator& locate)
{
    const DiagnosticRule rule = diagnostic_rule(diagnostic.kind);
    const bool result = rule.place == SarifPlace::result;
    QJsonObject entry{
        {QStringLiteral("level"), level_name(rule.level)},
        {QStringLiteral("message"), QJsonObject{{QStringLiteral("text"), diagnostic.text}}},
    };
    const QJsonValue index = static_cast<qint64>(index_among(diagnostic.kind, result));
    if (result) {
        entry[QStringLiteral("ruleId")] = QString::fromLatin1(rule.id);
        entry[QStringLiteral("ruleIndex")] = index;
    } else {
        entry[QStringLiteral("descriptor")] =
            QJsonObject{{QStringLiteral("id"), QString::fromLatin1(rule.id)}, {QStringLiteral("index"), index}};
    }
    if (diagnostic.file) {
        QJsonObject physical{{QStringLiteral("artifactLocation"), locate(*diagnostic.file)}};
        if (diagnostic.line != 0)
            physical[QStringLiteral("region")] =
                QJsonObject{{QStringLiteral("startLine"), static_cast<qint64>(diagnostic.line)}};
        entry[QStringLiteral("locations")] = QJsonArray{QJsonObject{{QStringLiteral("physicalLocation"), physical}}};
    }
    return entry;
}

SarifLog::SarifLog(Write write, const std::string& working_directory)
    : write_(std::move(write)), working_directory_(working_directory),
      source_root_(source_root_of(working_directory)), locate_(canonical_locator(working_directory, source_root_))
{
    write_(R"({"$schema":"https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json",)"
           R"("version":"2.1.0","runs":[{"results":[)");
}

void SarifLog::add(const Diagnostic& diagnostic, std::string_view project)
{
    const SarifPlace place = sarif_place_of(diagnostic.kind);
    if (place != SarifPlace::result) {
        QJsonObject entry = sarif_entry(diagnostic, locate_);
        if (!project.empty())
            entry[QStringLiteral("properties")] =
                QJsonObject{{QStringLiteral("project"), QString::fromLocal8Bit(project.data(), static_cast<qsizetype>(project.size()))}};
        (place == SarifPlace::configuration ? configuration_notifications_ : execution_notifications_).append(entry);
        return;
    }
    if (results_ == k_max_results) {
        ++results_not_logged_;
        return;
    }
    const QByteArray entry = compact(sarif_entry(diagnostic, locate_));
    write_(results_++ == 0 ? std::string_view() : std::string_view(","));
    write_(std::string_view(entry.constData(), static_cast<size_t>(entry.size())));
}

void SarifLog::finish(int exit_code)
{
    if (results_not_logged_ != 0)
        add(results_not_logged_notification(results_not_logged_, k_max_results));
    QJsonObject invocation{
        {QStringLiteral("exitCode"), exit_code},
        {QStringLiteral("executionSuccessful"), exit_code == 0 || exit_code == 2},
        {QStringLiteral("workingDirectory"), QJsonObject{{QStringLiteral("uri"), folder_uri(working_directory_)}}},
    };
    if (!configuration_notifications_.isEmpty())
        invocation[QStringLiteral("toolConfigurationNotifications")] = configuration_notifications_;
    if (!execution_notifications_.isEmpty())
        invocation[QStringLiteral("toolExecutionNotifications")] = execution_notifications_;
    const QJsonObject rest{
        {QStringLiteral("tool"), tool()},
        {QStringLiteral("originalUriBaseIds"),
         QJsonObject{{k_source_root, QJsonObject{{QStringLiteral("uri"), folder_uri(source_root_)}}}}},
        {QStringLiteral("invocations"), QJsonArray{invocation}},
    };
    // The rest of the run's object, after its results: its members without the braces.
    const QByteArray members = compact(rest);
    write_("],");
    write_(std::string_view(members.constData() + 1, static_cast<size_t>(members.size()) - 2));
    write_("}]}");
}

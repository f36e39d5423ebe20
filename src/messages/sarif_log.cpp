#include "messages/sarif_log.h"

#include <QJsonArray>
#include <QJsonDocument>

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

bool is_absolute(std::string_view path)
{
    return !path.empty() && path.front() == '/';
}

QJsonObject physical_location(std::string_view path, size_t line)
{
    QJsonObject artifact;
    if (is_absolute(path)) {
        artifact[QStringLiteral("uri")] = QStringLiteral("file://") + uri_reference(path);
    } else {
        artifact[QStringLiteral("uri")] = uri_reference(path);
        artifact[QStringLiteral("uriBaseId")] = k_source_root;
    }
    QJsonObject location{{QStringLiteral("artifactLocation"), artifact}};
    if (line != 0)
        location[QStringLiteral("region")] = QJsonObject{{QStringLiteral("startLine"), static_cast<qint64>(line)}};
    return location;
}

QJsonArray rules()
{
    QJsonArray rules;
    for (size_t i = 0; i < k_diagnostic_kinds; ++i) {
        const DiagnosticRule rule = diagnostic_rule(static_cast<DiagnosticKind>(i));
        rules.append(QJsonObject{
            {QStringLiteral("id"), QString::fromLatin1(rule.id)},
            {QStringLiteral("shortDescription"), QJsonObject{{QStringLiteral("text"), rule.description}}},
            {QStringLiteral("defaultConfiguration"), QJsonObject{{QStringLiteral("level"), level_name(rule.level)}}},
        });
    }
    return rules;
}

}  // namespace

QString uri_reference(std::string_view path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QString::fromLatin1(bytes.toPercentEncoding("/"));
}

QJsonObject sarif_result(const Diagnostic& diagnostic)
{
    const DiagnosticRule rule = diagnostic_rule(diagnostic.kind);
    QJsonObject result{
        {QStringLiteral("ruleId"), QString::fromLatin1(rule.id)},
        {QStringLiteral("ruleIndex"), static_cast<int>(diagnostic.kind)},
        {QStringLiteral("level"), level_name(rule.level)},
        {QStringLiteral("message"), QJsonObject{{QStringLiteral("text"), diagnostic.text}}},
    };
    if (diagnostic.file)
        result[QStringLiteral("locations")] =
            QJsonArray{QJsonObject{{QStringLiteral("physicalLocation"), physical_location(*diagnostic.file, diagnostic.line)}}};
    return result;
}

QByteArray sarif_log(const std::vector<Diagnostic>& records, int exit_code, std::string_view working_directory)
{
    QString root = QStringLiteral("file://") + uri_reference(working_directory);
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    QJsonArray results;
    for (const Diagnostic& record : records)
        results.append(sarif_result(record));
    const QString version = QStringLiteral(PRJMIGR_VERSION);
    const QJsonObject driver{
        {QStringLiteral("name"), QStringLiteral("prjmigr")},
        {QStringLiteral("version"), version},
        {QStringLiteral("semanticVersion"), version},
        {QStringLiteral("rules"), rules()},
    };
    const QJsonObject invocation{
        {QStringLiteral("exitCode"), exit_code},
        {QStringLiteral("executionSuccessful"), exit_code == 0 || exit_code == 2},
    };
    const QJsonObject run{
        {QStringLiteral("tool"), QJsonObject{{QStringLiteral("driver"), driver}}},
        {QStringLiteral("originalUriBaseIds"),
         QJsonObject{{k_source_root, QJsonObject{{QStringLiteral("uri"), root}}}}},
        {QStringLiteral("invocations"), QJsonArray{invocation}},
        {QStringLiteral("results"), results},
    };
    const QJsonObject log{
        {QStringLiteral("$schema"),
         QStringLiteral("https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json")},
        {QStringLiteral("version"), QStringLiteral("2.1.0")},
        {QStringLiteral("runs"), QJsonArray{run}},
    };
    return QJsonDocument(log).toJson(QJsonDocument::Compact);
}

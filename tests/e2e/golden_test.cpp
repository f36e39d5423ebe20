// The end-to-end cases: each folder of tests/golden is one run of the built tool,
// its legacy files and what the run must print and write (tests/golden/README.md
// lists the files that describe a run). The tool's streams and exit code, and
// every document it writes, are compared byte for byte (a SARIF log as JSON);
// every file that was there before must be left as it was, and nothing else may appear.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_golden = std::string(PRJMIGR_SOURCE_DIR) + "/tests/golden";
const std::set<std::string> k_case_files = {"args",   "inputs", "env",    "catalogues",
                                            "stdout", "stderr", "exit_code", "expected"};

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The first differing line, to make a failure readable.
std::string first_difference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> want = lines_of(expected);
    const std::vector<std::string> got = lines_of(actual);
    for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string a = i < want.size() ? want[i] : "<end of file>";
        const std::string b = i < got.size() ? got[i] : "<end of file>";
        if (a != b)
            return "line " + std::to_string(i + 1) + "\n  expected: [" + a + "]\n  actual:   [" + b + "]";
    }
    return "same lines, different line ends";
}

// @TOOL@ is the tool as the runner calls it, @HERE@ the folder of the run and
// @BUILD@ the build folder.
std::string substituted(std::string text, const std::string& here)
{
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"@TOOL@", tool_path()},
                                      {"@HERE@", here}, {"@BUILD@", PRJMIGR_BUILD_DIR}}) {
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    }
    return text;
}

// "env": NAME=VALUE sets a variable, a NAME alone unsets it.
EnvChanges env_of(const std::string& folder, const std::string& here)
{
    EnvChanges changes;
    for (const std::string& line : lines_of(read_file(folder + "/env"))) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            changes[line] = std::nullopt;
        else
            changes[line.substr(0, equals)] = substituted(line.substr(equals + 1), here);
    }
    return changes;
}

// Where the logs a run wrote are kept for the SARIF validator (test sarif_logs).
std::string kept_logs(const std::string& name)
{
    return std::string(PRJMIGR_BUILD_DIR) + "/sarif-logs/" + name;
}

// A path printed by a run in `here`, made canonical as the log's locations
// are: through the links when it names a file, by its text otherwise.
std::string canonical_path(const std::string& here, const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::path(here) / path;
    return std::filesystem::exists(absolute, error) ? std::filesystem::canonical(absolute, error).native()
                                                    : absolute.lexically_normal().native();
}

// Whether `entry`, a result or a notification, stands for the printed `line`:
// its level, its location (relative to the run's folder, `here`) and its text.
bool stands_for(const QJsonValue& entry, const std::string& line, const std::string& here)
{
    const std::string text = entry["message"]["text"].toString().toStdString();
    const QString level = entry["level"].toString();
    if (level == QStringLiteral("error"))
        return line == "(E) " + text;
    const QJsonValue location = entry["locations"][0]["physicalLocation"];
    std::string where = "prjmigr";
    std::string printed = line.substr(0, line.find(": "));
    if (!location.isUndefined()) {
        QByteArray uri = location["artifactLocation"]["uri"].toString().toLatin1();
        const bool absolute = uri.startsWith("file://");
        uri.remove(0, absolute ? 7 : 0);
        const std::string path = QByteArray::fromPercentEncoding(uri).toStdString();
        where = absolute ? path : canonical_path(here, ".") + "/" + path;
        // The printed location without its line number.
        if (const int number = location["region"]["startLine"].toInt()) {
            const std::string suffix = ":" + std::to_string(number);
            if (printed.size() < suffix.size() || printed.compare(printed.size() - suffix.size(), suffix.size(), suffix) != 0)
                return false;
            printed.resize(printed.size() - suffix.size());
        }
        printed = canonical_path(here, printed);
    }
    // Between the location and the text, the keyword of the level, in the catalogue's language.
    const size_t keyword_end = line.size() - text.size() - 1;
    // Printed, bytes that are not UTF-8 became U+FFFD; the log keeps them.
    const auto as_printed = [](const std::string& path) { return QString::fromUtf8(path).toStdString(); };
    return as_printed(printed) == as_printed(where) && line.size() > text.size() + 1 && line.substr(keyword_end) == " " + text
        && (level == QStringLiteral("note")) == (line.compare(line.find(": ") + 2, 4, "note") == 0);
}

// A SARIF log: the expected JSON, key order free, and one entry for each line
// of the error stream: the lines are the results, the notifications about the
// command line and those about the run, each in their order, interleaved.
void expect_sarif_log(const std::string& want, const std::string& got, const std::string& err, const std::string& here)
{
    const QJsonDocument log = QJsonDocument::fromJson(QByteArray::fromStdString(got));
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(want)) == log) << got;
    const QJsonValue run = log["runs"][0];
    const QJsonArray entries[] = {run["results"].toArray(),
                                  run["invocations"][0]["toolConfigurationNotifications"].toArray(),
                                  run["invocations"][0]["toolExecutionNotifications"].toArray()};
    qsizetype next[] = {0, 0, 0};
    const std::vector<std::string> lines = lines_of(err);
    for (size_t at = 0; at < lines.size();) {
        // The line before a project's lines in a batch names no report.
        if (lines[at].rfind("prjmigr: project ", 0) == 0 || lines[at].rfind("prjmigr : projet ", 0) == 0) {
            ++at;
            continue;
        }
        size_t sequence = 0;
        size_t spanned = 1;
        for (; sequence < 3; ++sequence) {
            if (next[sequence] == entries[sequence].size())
                continue;
            // A message of several lines is one entry.
            const QJsonValue entry = entries[sequence][next[sequence]];
            spanned = static_cast<size_t>(entry["message"]["text"].toString().count(QLatin1Char('\n'))) + 1;
            std::string printed;
            for (size_t i = at; i < std::min(lines.size(), at + spanned); ++i)
                printed += (i == at ? "" : "\n") + lines[i];
            if (stands_for(entry, printed, here))
                break;
        }
        ASSERT_LT(sequence, 3u) << "no entry of the log stands for: " << lines[at];
        ++next[sequence];
        at += spanned;
    }
    for (size_t sequence = 0; sequence < 3; ++sequence) {
        // The count of results beyond the log's limit is in the log alone.
        for (qsizetype i = next[sequence]; i < entries[sequence].size(); ++i)
            EXPECT_EQ(entries[sequence][i]["descriptor"]["id"].toString(), QStringLiteral("results-not-logged"));
    }
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, PrintsAndWritesWhatTheCaseSays)
{
    const std::string folder = k_golden + "/" + GetParam();
    TempTree tree;
    if (const std::vector<std::string> inputs = lines_of(read_file(folder + "/inputs")); !inputs.empty())
        tree.copy_from(std::string(PRJMIGR_SOURCE_DIR) + "/" + inputs.front(), k_case_files);
    tree.copy_from(folder, k_case_files);
    EnvChanges env = env_of(folder, tree.root());
    // "catalogues": the built catalogues the run's KELMARDIR holds (default: none).
    if (QFileInfo::exists(QString::fromStdString(folder + "/catalogues"))) {
        tree.write("kelmar/lib/locale/.keep", "");
        for (const std::string& name : lines_of(read_file(folder + "/catalogues")))
            tree.write("kelmar/lib/locale/" + name, read_file(std::string(PRJMIGR_BUILD_DIR) + "/lib/locale/" + name));
        env["KELMARDIR"] = tree.path("kelmar");
    }
    const std::map<std::string, std::string> before = snapshot(tree);
    QDir(QString::fromStdString(kept_logs(GetParam()))).removeRecursively();

    const ToolRun run = run_tool(lines_of(read_file(folder + "/args")), tree.root(), env);
    const std::string exit_code = read_file(folder + "/exit_code");
    EXPECT_EQ(run.exit_code, exit_code.empty() ? 0 : std::stoi(exit_code)) << run.err;
    EXPECT_EQ(run.err, substituted(read_file(folder + "/stderr"), tree.root()));
    EXPECT_EQ(run.out, substituted(read_file(folder + "/stdout"), tree.root()));

    std::map<std::string, std::string> after = snapshot(tree);
    const QDir expected(QString::fromStdString(folder + "/expected"));
    for (QDirIterator it(expected.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const std::string relative = expected.relativeFilePath(it.next()).toStdString();
        const std::string want = read_file(folder + "/expected/" + relative);
        const std::string got = after.count(relative) ? tree.read(relative) : "<not written>";
        if (QFileInfo(expected.filePath(QString::fromStdString(relative))).suffix() == QStringLiteral("sarif")) {
            expect_sarif_log(substituted(want, tree.root()), got, run.err, tree.root());
            write_file(kept_logs(GetParam() + "/" + relative), got);
        } else {
            EXPECT_TRUE(want == got) << relative << ": " << first_difference(want, got);
            expect_well_formed_xml(tree.path(relative));
        }
        // An expected document may replace an earlier file; it is checked above.
        if (before.count(relative))
            after[relative] = before.at(relative);
        else
            after.erase(relative);
    }
    // Nothing else changed or appeared: no earlier file touched, no temporary file left.
    for (const auto& [entry, content] : after)
        EXPECT_TRUE(before.count(entry) && before.at(entry) == content) << entry << " appeared or changed";
    EXPECT_EQ(after.size(), before.size()) << "an entry of the folder disappeared";
}

std::vector<std::string> golden_cases()
{
    std::vector<std::string> cases;
    for (const QString& name : QDir(QString::fromStdString(k_golden)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        cases.push_back(name.toStdString());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, testing::ValuesIn(golden_cases()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace

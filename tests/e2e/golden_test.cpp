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

// A SARIF log: the expected JSON, key order free, and one result for each line
// of the error stream, in order, with that line's level, location and text.
void expect_sarif_log(const std::string& want, const std::string& got, const std::string& err)
{
    const QJsonDocument log = QJsonDocument::fromJson(QByteArray::fromStdString(got));
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(want)) == log) << got;
    const QJsonArray results = log["runs"][0]["results"].toArray();
    const std::vector<std::string> lines = lines_of(err);
    ASSERT_EQ(results.size(), static_cast<qsizetype>(lines.size()));
    for (qsizetype i = 0; i < results.size(); ++i) {
        const std::string& line = lines[static_cast<size_t>(i)];
        const QString level = results[i]["level"].toString();
        const std::string text = results[i]["message"]["text"].toString().toStdString();
        if (level == QStringLiteral("error")) {
            EXPECT_EQ(line, "(E) " + text);
            continue;
        }
        const QJsonValue location = results[i]["locations"][0]["physicalLocation"];
        QByteArray uri = location["artifactLocation"]["uri"].toString().toLatin1();
        uri.remove(0, uri.startsWith("file://") ? 7 : 0);
        std::string where = location.isUndefined() ? "prjmigr" : QString::fromLocal8Bit(QByteArray::fromPercentEncoding(uri)).toStdString();
        if (const int number = location["region"]["startLine"].toInt())
            where += ":" + std::to_string(number);
        // Between the location and the text, the keyword of the level, in the catalogue's language.
        const size_t keyword = where.size() + 2, keyword_end = line.size() - text.size() - 1;
        ASSERT_TRUE(line.rfind(where + ": ", 0) == 0 && line.size() > keyword + text.size() + 1
                    && line.substr(keyword_end) == " " + text) << line << " ~ " << where << " " << text;
        EXPECT_EQ(line.compare(keyword, 4, "note") == 0, level == QStringLiteral("note")) << line;
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
            expect_sarif_log(substituted(want, tree.root()), got, run.err);
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

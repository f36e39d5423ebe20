// Whole legacy projects converted by the built tool and compared byte for byte
// with documents checked by hand. Each folder of tests/golden is one run; its
// README says which files describe it.
#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_golden = std::string(PRJMIGR_SOURCE_DIR) + "/tests/golden";

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

// "env": one variable a line, NAME=VALUE to set it (@BUILD@ stands for the build
// folder, whose lib/locale holds the catalogues), a NAME alone to unset it.
EnvChanges env_of(const std::string& folder)
{
    EnvChanges changes;
    for (std::string line : lines_of(read_file(folder + "/env"))) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            changes[line] = std::nullopt;
            continue;
        }
        std::string value = line.substr(equals + 1);
        if (const size_t at = value.find("@BUILD@"); at != std::string::npos)
            value.replace(at, 7, PRJMIGR_BUILD_DIR);
        changes[line.substr(0, equals)] = value;
    }
    return changes;
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, WritesTheExpectedDocuments)
{
    const std::string folder = k_golden + "/" + GetParam();
    TempTree tree;
    // A case may take its legacy files from a folder of the repository ("inputs").
    const std::vector<std::string> inputs = lines_of(read_file(folder + "/inputs"));
    if (!inputs.empty())
        tree.copy_from(std::string(PRJMIGR_SOURCE_DIR) + "/" + inputs.front());
    tree.copy_from(folder);
    std::set<std::string> expected_entries;
    for (const std::string& entry : tree.list())
        expected_entries.insert(entry);

    const ToolRun run = run_tool(lines_of(read_file(folder + "/args")), tree.root(), env_of(folder));
    const std::string exit_code = read_file(folder + "/exit_code");
    EXPECT_EQ(run.exit_code, exit_code.empty() ? 0 : std::stoi(exit_code)) << run.err;
    EXPECT_EQ(run.err, read_file(folder + "/stderr"));
    EXPECT_EQ(run.out, read_file(folder + "/stdout"));

    const QDir expected_dir(QString::fromStdString(folder + "/expected"));
    QDirIterator it(expected_dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const std::string relative = expected_dir.relativeFilePath(it.next()).toStdString();
        expected_entries.insert(relative);
        const std::string want = read_file(folder + "/expected/" + relative);
        const std::string got = tree.read(relative);
        EXPECT_TRUE(want == got) << relative << ": " << first_difference(want, got);
        expect_well_formed_xml(tree.path(relative));
    }
    // Nothing else appeared: no temporary file, no stray output.
    const std::vector<std::string> after = tree.list();
    EXPECT_EQ(std::set<std::string>(after.begin(), after.end()), expected_entries);
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

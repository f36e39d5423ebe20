// Whole legacy projects converted by the built tool and compared byte for byte
// with documents checked by hand. Each folder of tests/golden holds the legacy
// files, "args" (one argument per line) and expected/ (every file the run writes).
#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_golden = std::string(PRJMIGR_SOURCE_DIR) + "/tests/golden";

std::vector<std::string> golden_cases()
{
    std::vector<std::string> cases;
    for (const QString& name : QDir(QString::fromStdString(k_golden)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        cases.push_back(name.toStdString());
    return cases;
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
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

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, WritesTheExpectedDocuments)
{
    const std::string folder = k_golden + "/" + GetParam();
    TempTree tree;
    tree.copy_from(folder);
    std::vector<std::string> arguments = lines_of(read_file(folder + "/args"));

    // What the run must add: exactly the files under expected/.
    std::vector<std::string> before = tree.list();
    const ToolRun run = run_tool(arguments, tree.root());
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");

    const QDir expected_dir(QString::fromStdString(folder + "/expected"));
    QDirIterator it(expected_dir.path(), QDir::Files, QDirIterator::Subdirectories);
    std::vector<std::string> expected_files;
    while (it.hasNext()) {
        const std::string relative = expected_dir.relativeFilePath(it.next()).toStdString();
        expected_files.push_back(relative);
        ASSERT_TRUE(tree.exists(relative)) << relative << " was not written";
        const std::string want = read_file(folder + "/expected/" + relative);
        const std::string got = tree.read(relative);
        EXPECT_TRUE(want == got) << relative << ": " << first_difference(want, got);
        std::string why;
        EXPECT_TRUE(is_well_formed_xml(tree.path(relative), &why)) << why;
    }
    // Nothing else appeared: no temporary file, no stray output.
    std::vector<std::string> after = tree.list();
    for (const std::string& file : expected_files)
        after.erase(std::remove(after.begin(), after.end(), file), after.end());
    for (const std::string& file : before)
        after.erase(std::remove(after.begin(), after.end(), file), after.end());
    EXPECT_TRUE(after.empty()) << "unexpected file: " << (after.empty() ? "" : after.front());
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, testing::ValuesIn(golden_cases()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace

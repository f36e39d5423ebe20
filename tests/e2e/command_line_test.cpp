// The command line and start-up of the built tool: exact bytes on both streams,
// exit codes (a shell's view: 255 for -1), and which files each run leaves.
// Argument classification and order with a project are in the golden case output_option.
#include <algorithm>
#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;

const std::string k_banner = std::string("prjmigr Test Manager Convertisor ") + PRJMIGR_EXPECTED_VERSION
                             + "\nCopyright (C) 2026 The prjmigr authors\n";
const std::string k_no_project = "(E) prjmigr Test Manager Convertisor\nCopyright (C) 2026 The prjmigr authors\n";
const std::string k_session = "$$$IHM NEVRA$$$SESSION\nFP tests/t.ptu\nFS src/t.c\n";

std::string usage_text(const std::string& tool)
{
    return "Usage: " + tool + " [-o <projectfile>] ( <prj_filename> | <cmp_filename> | <ses_filename> ) * \n";
}

const std::string k_help =
    "Options:\n"
    "  -o <projectfile>  name of the project file; the objects file goes beside it\n"
    "  -v                print the version, then every legacy file as it is read\n"
    "  --warnings        also report what the conversion leaves out, on the error stream\n"
    "  --check           report what the conversion would leave out, and write nothing\n"
    "  --help            print this help and end\n"
    "  --version         print the version and end\n"
    "Environment:\n"
    "  KELMARDIR         installation root; the message catalogues are in $KELMARDIR/lib/locale\n"
    "  NEVRAHOME         workbench root, named in the document type line of both outputs\n";

// A project file with one configuration, so that a conversion shows it was read.
std::string project_text(const std::string& config)
{
    return "$$$IHM NEVRA$$$PROJET\nNC " + config + "\n";
}

void expect_run(const ToolRun& run, int exit_code, const std::string& out, const std::string& err)
{
    EXPECT_EQ(run.exit_code, exit_code);
    EXPECT_EQ(run.out, out);
    EXPECT_EQ(run.err, err);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(StartUp, WithoutACatalogueDirectoryTheRunStopsWhateverTheArguments)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    tree.write("file/lib/locale", "a file, not a folder\n");
    const auto missing = [&](const std::string& root) {
        return "(E) Fatal Error: directory doesn't exist '" + root + "/lib/locale'\n";
    };
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "(E) Fatal Error: please setup KELMARDIR environment variable.\n"},
        {"", "(E) Fatal Error: please setup KELMARDIR environment variable.\n"},
        {tree.path("file"), missing(tree.path("file"))},
        {tree.path("absent"), missing(tree.path("absent"))},
    };
    for (const auto& [kelmardir, message] : cases) {
        for (const Files& arguments : {Files{}, Files{"-v", "a.prj"}, Files{"--help"}}) {
            SCOPED_TRACE(kelmardir.value_or("unset") + " " + testing::PrintToString(arguments));
            expect_run(run_tool(arguments, tree.root(), {{"KELMARDIR", kelmardir}}), 1, "", message);
        }
    }
    EXPECT_EQ(tree.list(), (Files{"a.prj", "file", "file/lib", "file/lib/locale"}));
}

TEST(CommandLine, NoArgumentsPrintsTheUsageNamingTheToolAsInvoked)
{
    TempTree tree;
    expect_run(run_tool({}, tree.root()), 255, "", "(E) " + usage_text(tool_path()));
    expect_run(run_shell("ln -s \"$PRJMIGR\" conv && exec ./conv", tree.root()), 255, "",
               "(E) " + usage_text("./conv"));
    EXPECT_EQ(tree.list(), Files{"conv"});
}

TEST(CommandLine, WithoutAProjectNothingIsReadOrWritten)
{
    TempTree tree;
    tree.write("first.cmp", "$$$IHM NEVRA$$$CAMPAGNE\nFI first.ses\n");
    tree.write("first.ses", k_session);
    for (const char* name : {"a.PRJ", "a.prjx", "a.prj.bak", "lib.old/notes", "-x.prj", "a.prj"})
        tree.write(name, project_text("Native"));
    const Files before = tree.list();
    // Arguments that look like projects but are not one; each "-v" prints a banner.
    const std::pair<Files, std::string> cases[] = {
        {{"first.cmp", "first.ses"}, ""},
        {{"a.PRJ", "a.prjx", "a.prj.bak", "lib.old/notes", "-x.prj", "first.ses"}, ""},
        {{"first.cmp", "-o", "a.prj"}, ""},
        {{"-v"}, k_banner},
        {{"-v", "first.ses", "-v"}, k_banner + k_banner},
    };
    for (const auto& [arguments, out] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        expect_run(run_tool(arguments, tree.root()), 1, out, k_no_project);
        EXPECT_EQ(tree.list(), before);
    }
}

TEST(CommandLine, HelpAndVersionEndTheRunAndOtherDashArgumentsAreIgnored)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    tree.write("-s.ses", k_session);
    const Files before = tree.list();
    const std::pair<Files, std::string> cases[] = {
        {{"--help"}, usage_text(tool_path()) + k_help},
        {{"--version"}, k_banner},
        {{"-v", "--help", "-v", "a.prj"}, k_banner + usage_text(tool_path()) + k_help},  // only what comes before counts
        {{"a.prj", "--version", "-v"}, k_banner},
    };
    for (const auto& [arguments, out] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        expect_run(run_tool(arguments, tree.root()), 0, out, "");
        EXPECT_EQ(tree.list(), before);
    }
    expect_run(run_tool({"-h", "-V", "-", "--", "-help", "--helpme", "--version=1", "-s.ses", "-v", "a.prj"},
                        tree.root()),
               0, k_banner + "Parsing a.prj\nDone.\n", "");
    EXPECT_EQ(tree.list(), (Files{"-s.ses", "a.inf", "a.prj", "a.rtp"}));
    expect_well_formed_xml(tree.path("a.rtp"));
    expect_well_formed_xml(tree.path("a.inf"));
}

TEST(CommandLine, OutputNamesFollowTheProjectOrTheOutputOption)
{
    struct NamesCase {
        Files arguments;
        std::string project_file;
        std::string objects_file;
        std::string node_name;  // of the project group, also the objects file reference
    };
    const NamesCase cases[] = {
        {{"dir/a.prj"}, "a.rtp", "a.inf", "a"},
        {{"-o", "demo", "dir/a.prj"}, "demo", "demo.inf", "demo"},
        {{"-o", "named.rtp", "dir/a.prj", "-o"}, "a.rtp", "a.inf", "a"},  // a trailing "-o" drops the name
        {{"-o", "-v", "dir/a.prj"}, "-v", "-v.inf", "-v"},               // whatever the next argument is
    };
    for (const NamesCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        TempTree tree;
        tree.write("dir/a.prj", project_text("Native"));
        expect_run(run_tool(c.arguments, tree.root()), 0, "", "");
        Files expected = {"dir", "dir/a.prj", c.objects_file, c.project_file};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(tree.list(), expected);
        const std::string project = tree.read(c.project_file);
        EXPECT_TRUE(contains(project, "\n        <name>" + c.node_name + "</name>\n"));
        EXPECT_TRUE(contains(project, "\n  <object_file>" + c.node_name + ".inf</object_file>\n"));
        EXPECT_TRUE(contains(project, "<name>Native</name>")) << "the project was not read";
        expect_well_formed_xml(tree.path(c.project_file));
        expect_well_formed_xml(tree.path(c.objects_file));
    }
}

// A relative path of exactly `length` bytes, in folders of long names (few of
// them, so that the tree is quick to remove), ending in `file`.
std::string deep_path(size_t length, const std::string& file)
{
    std::string path;
    while (path.size() + 101 + file.size() + 1 < length)
        path += std::string(100, 'd') + "/";
    return path + std::string(length - path.size() - file.size() - 1, 'e') + "/" + file;
}

TEST(CommandLine, NamesAreHandledAndPrintedWholeWithTheirPercentSigns)
{
    TempTree tree;
    // Readable: just under the system's path limit, far beyond 5120 bytes. The
    // others, beyond the limit, cannot be opened but keep their names whole.
    const std::string readable = deep_path(4000, "100%deep.prj");
    tree.write(readable, project_text("Deep"));
    tree.write("%1%2.ses", k_session);
    const std::string far_session = deep_path(10000, "far.ses");
    ASSERT_EQ(far_session.size(), 10000u);
    expect_run(run_tool({"-v", readable, "%1%2.ses", far_session}, tree.root()), 0,
               k_banner + "Parsing " + readable + "\nParsing %1%2.ses\nParsing " + far_session + "\nDone.\n", "");
    EXPECT_TRUE(contains(tree.read("100%deep.rtp"), "<name>Deep</name>"));
    expect_well_formed_xml(tree.path("100%deep.rtp"));
    expect_well_formed_xml(tree.path("100%deep.inf"));

    expect_run(run_tool({deep_path(10000, "far.prj")}, tree.root()), 0, "", "");
    EXPECT_TRUE(contains(tree.read("far.rtp"), "\n        <name>far</name>\n"));
    expect_well_formed_xml(tree.path("far.rtp"));
    expect_well_formed_xml(tree.path("far.inf"));

    const std::string far_output = "no%1dir/" + deep_path(10000, "x%2.rtp");
    expect_run(run_tool({"-o", far_output, readable}, tree.root()), 255, "", "(E) Unable to open " + far_output + "\n");
}

TEST(Environment, NevrahomeIsWrittenAsASystemLiteralInBothDocuments)
{
    const std::string unset = "(E) Environment variable \"NEVRAHOME\" must be defined.\n";
    const std::tuple<std::optional<std::string>, std::string, std::string> cases[] = {
        {std::nullopt, "NEVRAHOME", unset + unset + unset},  // twice for the project file, once for the objects
        {"", "", ""},
        {"C:\\ne\"vra&<b>", "C:\\ne%22vra&<b>", ""},
    };
    for (const auto& [value, literal, err] : cases) {
        SCOPED_TRACE(value.value_or("unset"));
        TempTree tree;
        tree.write("a.prj", project_text("Native"));
        expect_run(run_tool({"a.prj"}, tree.root(), {{"NEVRAHOME", value}}), 0, "", err);
        const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE project SYSTEM \"" + literal
                                 + "/lib/project.dtd\" >\n";
        for (const char* file : {"a.rtp", "a.inf"}) {
            EXPECT_EQ(tree.read(file).substr(0, head.size()), head) << file;
            expect_well_formed_xml(tree.path(file));
        }
    }
}

}  // namespace

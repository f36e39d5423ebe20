// The command line and start-up of the built tool: exact bytes on both streams,
// exit codes (a shell's view: 255 for -1), and which files each run leaves.
#include <algorithm>
#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_banner = std::string("prjmigr Test Manager Convertisor ") + PRJMIGR_EXPECTED_VERSION
                             + "\nCopyright (C) 2026 The prjmigr authors\n";
const std::string k_no_project =
    "(E) prjmigr Test Manager Convertisor\nCopyright (C) 2026 The prjmigr authors\n";
const std::string k_kelmardir_unset = "(E) Fatal Error: please setup KELMARDIR environment variable.\n";

std::string usage_text(const std::string& tool)
{
    return "Usage: " + tool
           + " [-o <projectfile>] ( <prj_filename> | <cmp_filename> | <ses_filename> ) * \n";
}

// A project file with one configuration, so that a conversion shows it was read.
std::string project_text(const std::string& config)
{
    return "$$$IHM NEVRA$$$PROJET\nNC " + config + "\nPA bin/" + config + ".exe\n";
}

const std::string k_campaign = "$$$IHM NEVRA$$$CAMPAGNE\n";
const std::string k_session = "$$$IHM NEVRA$$$SESSION\nFP tests/t.ptu\nFS src/t.c\n";

void expect_well_formed(const TempTree& tree, const std::string& relative)
{
    std::string why;
    EXPECT_TRUE(is_well_formed_xml(tree.path(relative), &why)) << relative << ": " << why;
}

// What a run added to the folder, sorted.
std::vector<std::string> added(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::vector<std::string> extra;
    for (const std::string& entry : after)
        if (std::find(before.begin(), before.end(), entry) == before.end())
            extra.push_back(entry);
    return extra;
}

using Files = std::vector<std::string>;

// ---------------------------------------------------------------- start-up

TEST(StartUp, KelmardirUnsetOrEmptyIsFatalWhateverTheArguments)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    const std::vector<std::vector<std::string>> command_lines = {
        {}, {"a.prj"}, {"-v"}, {"--help"}, {"--version"}, {"first.cmp"}};
    for (const EnvChanges& env : {EnvChanges{{"KELMARDIR", std::nullopt}}, EnvChanges{{"KELMARDIR", ""}}}) {
        for (const auto& arguments : command_lines) {
            SCOPED_TRACE(testing::PrintToString(arguments));
            const ToolRun run = run_tool(arguments, tree.root(), env);
            EXPECT_EQ(run.exit_code, 1);
            EXPECT_EQ(run.err, k_kelmardir_unset);
            EXPECT_EQ(run.out, "");
        }
    }
    EXPECT_EQ(tree.list(), Files{"a.prj"});
}

TEST(StartUp, MissingCatalogueDirectoryIsFatalBeforeTheArguments)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    tree.write("bare/readme", "no lib/locale here\n");
    tree.write("file/lib/locale", "a file, not a folder\n");
    for (const std::string& root : {tree.path("bare"), tree.path("file"), tree.path("absent")}) {
        for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"-v", "a.prj"}}) {
            SCOPED_TRACE(root + " " + testing::PrintToString(arguments));
            const ToolRun run = run_tool(arguments, tree.root(), {{"KELMARDIR", root}});
            EXPECT_EQ(run.exit_code, 1);
            EXPECT_EQ(run.err, "(E) Fatal Error: directory doesn't exist '" + root + "/lib/locale'\n");
            EXPECT_EQ(run.out, "");
        }
    }
    EXPECT_EQ(tree.list(), (Files{"a.prj", "bare", "bare/readme", "file", "file/lib", "file/lib/locale"}));
}

// ---------------------------------------------------------------- usage, banners, no project

TEST(CommandLine, NoArgumentsPrintsTheUsageNamingTheToolAsInvoked)
{
    TempTree tree;
    const ToolRun run = run_tool({}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) " + usage_text(tool_path()));
    EXPECT_EQ(run.out, "");

    // Invoked through a relative link, the usage names the link as typed.
    const ToolRun linked = run_shell("ln -s \"$PRJMIGR\" conv && exec ./conv", tree.root());
    EXPECT_EQ(linked.exit_code, 255);
    EXPECT_EQ(linked.err, "(E) " + usage_text("./conv"));
    EXPECT_EQ(tree.list(), Files{"conv"});
}

TEST(CommandLine, WithoutAProjectNothingIsReadOrWritten)
{
    TempTree tree;
    tree.write("first.cmp", k_campaign + "FI first.ses\n");
    tree.write("first.ses", k_session);
    // Arguments that look like projects but are not classified as one.
    for (const char* name : {"a.PRJ", "a.prj.bak", "notes", "lib.old/notes", "-x.prj", "a.prj"})
        tree.write(name, project_text("Native"));
    const Files before = tree.list();

    const std::vector<std::vector<std::string>> command_lines = {
        {"first.cmp", "first.ses"},
        {"a.PRJ", "a.prj.bak", "notes", "lib.old/notes", "-x.prj", "first.ses"},
        {"-o", "a.prj"},
        {"first.cmp", "-o", "a.prj"},
    };
    for (const auto& arguments : command_lines) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const ToolRun run = run_tool(arguments, tree.root());
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(run.err, k_no_project);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(tree.list(), before);
    }
}

TEST(CommandLine, EachVerboseOptionPrintsTheBanner)
{
    TempTree tree;
    const ToolRun once = run_tool({"-v"}, tree.root());
    EXPECT_EQ(once.exit_code, 1);
    EXPECT_EQ(once.out, k_banner);
    EXPECT_EQ(once.err, k_no_project);

    const ToolRun twice = run_tool({"-v", "first.ses", "-v"}, tree.root());
    EXPECT_EQ(twice.exit_code, 1);
    EXPECT_EQ(twice.out, k_banner + k_banner);
    EXPECT_EQ(twice.err, k_no_project);
    EXPECT_EQ(tree.list(), Files{});
}

TEST(CommandLine, HelpAndVersionPrintOnStandardOutputAndSucceed)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));

    const ToolRun help = run_tool({"--help"}, tree.root());
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_EQ(help.out, usage_text(tool_path()));
    EXPECT_EQ(help.err, "");

    const ToolRun version = run_tool({"--version"}, tree.root());
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, k_banner);
    EXPECT_EQ(version.err, "");

    // "-v" is examined first; the help ends the run before the project is converted.
    const ToolRun verbose_help = run_tool({"-v", "--help", "a.prj"}, tree.root());
    EXPECT_EQ(verbose_help.exit_code, 0);
    EXPECT_EQ(verbose_help.out, k_banner + usage_text(tool_path()));
    EXPECT_EQ(verbose_help.err, "");

    const ToolRun project_then_version = run_tool({"a.prj", "--version"}, tree.root());
    EXPECT_EQ(project_then_version.exit_code, 0);
    EXPECT_EQ(project_then_version.out, k_banner);
    EXPECT_EQ(project_then_version.err, "");
    EXPECT_EQ(tree.list(), Files{"a.prj"});
}

TEST(CommandLine, OtherDashArgumentsAreIgnored)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    tree.write("-s.ses", k_session);
    const ToolRun run =
        run_tool({"-h", "-V", "-", "--", "-help", "--helpme", "--version=1", "-s.ses", "-v", "a.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner + "Parsing a.prj\nDone.\n");
    EXPECT_EQ(tree.list(), (Files{"-s.ses", "a.inf", "a.prj", "a.rtp"}));
    expect_well_formed(tree, "a.rtp");
    expect_well_formed(tree, "a.inf");
}

// ---------------------------------------------------------------- classification and order

TEST(CommandLine, SuffixesAreMatchedExactlyAndOnlyTheFirstProjectIsRead)
{
    TempTree tree;
    tree.write("a.prj", project_text("First"));
    tree.write("b.prj", project_text("Second"));
    for (const char* name : {"a.PRJ", "a.prj.bak", "notes", "lib.old/notes", "-x.prj", "s.SES", "c.Cmp", "x.ses.old"})
        tree.write(name, k_session);
    const Files before = tree.list();

    const ToolRun run = run_tool({"-v", "a.PRJ", "a.prj.bak", "notes", "lib.old/notes", "-x.prj", "a.prj", "s.SES",
                                  "c.Cmp", "x.ses.old", "b.prj"},
                                 tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner + "Parsing a.prj\nDone.\n");
    EXPECT_EQ(added(before, tree.list()), (Files{"a.inf", "a.rtp"}));
    const std::string project = tree.read("a.rtp");
    EXPECT_NE(project.find("<name>First</name>"), std::string::npos);
    EXPECT_EQ(project.find("Second"), std::string::npos);
    expect_well_formed(tree, "a.rtp");
    expect_well_formed(tree, "a.inf");
}

TEST(CommandLine, CampaignsAreConvertedBeforeSessionsInTheirOwnOrder)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    tree.write("second.cmp", k_campaign);
    tree.write("first.cmp", k_campaign);
    tree.write("s1.ses", k_session);
    tree.write("s2.ses", k_session);

    const ToolRun run =
        run_tool({"-v", "s2.ses", "second.cmp", "a.prj", "s1.ses", "first.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner
                           + "Parsing a.prj\nParsing second.cmp\nParsing first.cmp\n"
                             "Parsing s2.ses\nParsing s1.ses\nDone.\n");
    const std::string project = tree.read("a.rtp");
    size_t previous = 0;
    for (const char* node : {"<name>second</name>", "<name>first</name>", "<name>s2</name>", "<name>s1</name>"}) {
        const size_t at = project.find(node);
        ASSERT_NE(at, std::string::npos) << node;
        EXPECT_LT(previous, at) << node << " is out of order";
        previous = at;
    }
    expect_well_formed(tree, "a.rtp");
    expect_well_formed(tree, "a.inf");
}

// ---------------------------------------------------------------- output names

struct NamesCase {
    std::vector<std::string> arguments;
    std::string project_file;
    std::string objects_file;
    std::string node_name;  // of the project group
    std::string objects_reference;
};

TEST(OutputNames, FollowTheProjectOrTheOutputOption)
{
    const std::vector<NamesCase> cases = {
        {{"dir/a.prj"}, "a.rtp", "a.inf", "a", "a.inf"},
        {{"-o", "out/demo.rtp", "dir/a.prj"}, "out/demo.rtp", "out/demo.inf", "demo", "demo.inf"},
        {{"-o", "demo", "dir/a.prj"}, "demo", "demo.inf", "demo", "demo.inf"},
        {{"-o", "out/demo.final.rtp", "dir/a.prj"}, "out/demo.final.rtp", "out/demo.final.inf", "demo.final",
         "demo.final.inf"},
        // The last "-o" wins; a trailing "-o" drops the name given earlier.
        {{"-o", "first.rtp", "dir/a.prj", "-o", "second.rtp"}, "second.rtp", "second.inf", "second", "second.inf"},
        {{"-o", "named.rtp", "dir/a.prj", "-o"}, "a.rtp", "a.inf", "a", "a.inf"},
        // "-o" takes the next argument whatever it looks like.
        {{"-o", "-v", "dir/a.prj"}, "-v", "-v.inf", "-v", "-v.inf"},
        {{"-o", "--help", "dir/a.prj"}, "--help", "--help.inf", "--help", "--help.inf"},
        {{"-o", "b.prj", "dir/a.prj"}, "b.prj", "b.inf", "b", "b.inf"},
    };
    for (const NamesCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        TempTree tree;
        tree.write("dir/a.prj", project_text("Native"));
        tree.write("out/.keep", "");
        const Files before = tree.list();

        const ToolRun run = run_tool(c.arguments, tree.root());
        EXPECT_EQ(run.exit_code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "");  // "-v" as an output name does not set verbose mode
        Files expected = {c.objects_file, c.project_file};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(added(before, tree.list()), expected);

        const std::string project = tree.read(c.project_file);
        EXPECT_NE(project.find("\n        <name>" + c.node_name + "</name>\n"), std::string::npos);
        EXPECT_NE(project.find("\n  <object_file>" + c.objects_reference + "</object_file>\n"), std::string::npos);
        EXPECT_NE(project.find("<name>Native</name>"), std::string::npos) << "the project was not read";
        expect_well_formed(tree, c.project_file);
        expect_well_formed(tree, c.objects_file);
    }
}

TEST(OutputNames, AMissingProjectStillGivesBothFiles)
{
    TempTree tree;
    const ToolRun run = run_tool({"-v", "absent.prj", "absent.cmp", "absent.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner + "Parsing absent.prj\nParsing absent.cmp\nParsing absent.ses\nDone.\n");
    EXPECT_EQ(tree.list(), (Files{"absent.inf", "absent.rtp"}));
    EXPECT_NE(tree.read("absent.rtp").find("<object_file>absent.inf</object_file>"), std::string::npos);
    expect_well_formed(tree, "absent.rtp");
    expect_well_formed(tree, "absent.inf");
}

TEST(OutputNames, PercentSignsInFileNamesArePrintedUnchanged)
{
    TempTree tree;
    tree.write("100%done.prj", project_text("Native"));
    tree.write("%1%2.ses", k_session);
    const ToolRun run = run_tool({"-v", "100%done.prj", "%1%2.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner + "Parsing 100%done.prj\nParsing %1%2.ses\nDone.\n");
    EXPECT_EQ(tree.list(), (Files{"%1%2.ses", "100%done.inf", "100%done.prj", "100%done.rtp"}));
    expect_well_formed(tree, "100%done.rtp");
    expect_well_formed(tree, "100%done.inf");

    const ToolRun failed = run_tool({"-o", "no%1dir/x%2.rtp", "100%done.prj"}, tree.root());
    EXPECT_EQ(failed.exit_code, 255);
    EXPECT_EQ(failed.err, "(E) Unable to open no%1dir/x%2.rtp\n");
}

// ---------------------------------------------------------------- long arguments

// A relative path of exactly `length` bytes made of short folder names, ending in `file`.
std::string deep_path(size_t length, const std::string& file)
{
    std::string folders;
    while (folders.size() + 1 + file.size() < length)
        folders += "d" + std::to_string(folders.size() / 3 % 10) + "/";
    folders.resize(length - 1 - file.size());
    if (folders.back() == '/')
        folders.back() = 'x';
    return folders + "/" + file;
}

TEST(LongArguments, AreHandledWhole)
{
    TempTree tree;
    // Readable: just under the system's path limit, far beyond 5120 bytes of nothing.
    const std::string readable = deep_path(4000, "deep.prj");
    tree.write(readable, project_text("Deep"));
    // Beyond the system's path limit: cannot be opened, but names and messages keep it whole.
    const std::string unreadable_project = deep_path(10000, "far.prj");
    const std::string unreadable_session = deep_path(10000, "far.ses");
    ASSERT_EQ(unreadable_project.size(), 10000u);

    const ToolRun run = run_tool({"-v", readable, unreadable_session}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner + "Parsing " + readable + "\nParsing " + unreadable_session + "\nDone.\n");
    EXPECT_NE(tree.read("deep.rtp").find("<name>Deep</name>"), std::string::npos);
    expect_well_formed(tree, "deep.rtp");
    expect_well_formed(tree, "deep.inf");

    const ToolRun far = run_tool({unreadable_project}, tree.root());
    EXPECT_EQ(far.exit_code, 0);
    EXPECT_EQ(far.err, "");
    EXPECT_NE(tree.read("far.rtp").find("\n        <name>far</name>\n"), std::string::npos);
    expect_well_formed(tree, "far.rtp");
    expect_well_formed(tree, "far.inf");

    const std::string long_output = deep_path(10000, "out.rtp");
    const ToolRun failed = run_tool({"-o", long_output, readable}, tree.root());
    EXPECT_EQ(failed.exit_code, 255);
    EXPECT_EQ(failed.err, "(E) Unable to open " + long_output + "\n");
}

// ---------------------------------------------------------------- NEVRAHOME

TEST(Environment, UnsetNevrahomeIsReportedAndNamedInBothDocuments)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    const ToolRun run = run_tool({"a.prj"}, tree.root(), {{"NEVRAHOME", std::nullopt}});
    EXPECT_EQ(run.exit_code, 0);
    const std::string message = "(E) Environment variable \"NEVRAHOME\" must be defined.\n";
    EXPECT_EQ(run.err, message + message + message);
    EXPECT_EQ(run.out, "");
    const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<!DOCTYPE project SYSTEM \"NEVRAHOME/lib/project.dtd\" >\n";
    EXPECT_EQ(tree.read("a.rtp").substr(0, head.size()), head);
    EXPECT_EQ(tree.read("a.inf").substr(0, head.size()), head);
    expect_well_formed(tree, "a.rtp");
    expect_well_formed(tree, "a.inf");
}

TEST(Environment, EmptyNevrahomeIsAValue)
{
    TempTree tree;
    tree.write("a.prj", project_text("Native"));
    const ToolRun run = run_tool({"a.prj"}, tree.root(), {{"NEVRAHOME", ""}});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<!DOCTYPE project SYSTEM \"/lib/project.dtd\" >\n";
    EXPECT_EQ(tree.read("a.rtp").substr(0, head.size()), head);
    EXPECT_EQ(tree.read("a.inf").substr(0, head.size()), head);
    expect_well_formed(tree, "a.rtp");
    expect_well_formed(tree, "a.inf");
}

}  // namespace

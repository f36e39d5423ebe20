// The two output files: each replaces its target only once complete, a failed
// run leaves earlier files as they were and no temporary file, an output never
// overwrites a file the run read, and a device or FIFO target is written directly.
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;

const std::string k_project = "$$$IHM NEVRA$$$PROJET\nNC Native\nPA bin/native.exe\n";

void expect_well_formed(const TempTree& tree, const std::string& relative)
{
    std::string why;
    EXPECT_TRUE(is_well_formed_xml(tree.path(relative), &why)) << relative << ": " << why;
}

// A session whose script and source paths are `length` bytes each. The project
// file holds each path once, the objects file twice, so the objects file is
// about twice as large as the project file.
std::string long_session(size_t length)
{
    const std::string folder(length, 'a');
    return "$$$IHM NEVRA$$$SESSION\nFP t/" + folder + "/s.ptu\nFS s/" + folder + "/s.c\n";
}

// The documents a run of `arguments` writes when nothing goes wrong, from a copy
// of the same inputs in a folder of its own.
struct Reference {
    std::string project_file;
    std::string objects_file;
};

Reference reference_run(const std::map<std::string, std::string>& inputs, const std::vector<std::string>& arguments,
                        const std::string& project_name, const std::string& objects_name)
{
    TempTree tree;
    for (const auto& [name, bytes] : inputs)
        tree.write(name, bytes);
    const ToolRun run = run_tool(arguments, tree.root());
    EXPECT_EQ(run.exit_code, 0) << run.err;
    expect_well_formed(tree, project_name);
    expect_well_formed(tree, objects_name);
    return {tree.read(project_name), tree.read(objects_name)};
}

bool is_symlink(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// ---------------------------------------------------------------- targets that cannot be opened

TEST(OutputFiles, AMissingOutputFolderStopsTheRunBeforeAnyFile)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    const ToolRun run = run_tool({"-v", "-o", "missing-dir/x.rtp", "a.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to open missing-dir/x.rtp\n");
    // Not even the project file is read.
    EXPECT_EQ(run.out, "prjmigr Test Manager Convertisor " PRJMIGR_EXPECTED_VERSION
                       "\nCopyright (C) 2026 The prjmigr authors\n");
    EXPECT_EQ(tree.list(), Files{"a.prj"});
}

TEST(OutputFiles, AProjectFileTargetThatIsAFolderIsNotOpened)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("x.rtp/inside", "kept\n");
    const ToolRun run = run_tool({"-o", "x.rtp", "a.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to open x.rtp\n");
    EXPECT_EQ(tree.list(), (Files{"a.prj", "x.rtp", "x.rtp/inside"}));
    EXPECT_EQ(tree.read("x.rtp/inside"), "kept\n");
}

TEST(OutputFiles, AnObjectsFileThatCannotBeOpenedKeepsTheNewProjectFile)
{
    const std::map<std::string, std::string> inputs = {{"a.prj", k_project}};
    const Reference reference = reference_run(inputs, {"-o", "x.rtp", "a.prj"}, "x.rtp", "x.inf");

    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("x.rtp", "earlier project file\n");
    tree.write("x.inf/inside", "earlier objects\n");  // a folder: even root cannot open it as a file
    const ToolRun run = run_tool({"-o", "x.rtp", "a.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to open x.inf\n");
    EXPECT_EQ(run.out, "");
    // The project file was complete before the objects file was tried.
    EXPECT_TRUE(tree.read("x.rtp") == reference.project_file);
    expect_well_formed(tree, "x.rtp");
    EXPECT_EQ(tree.read("x.inf/inside"), "earlier objects\n");
    EXPECT_EQ(tree.list(), (Files{"a.prj", "x.inf", "x.inf/inside", "x.rtp"}));
}

// ---------------------------------------------------------------- write failures (ulimit -f)

// Runs the tool under a file size limit of `bytes` (rounded down to /bin/sh's
// 512-byte blocks); the limit signal is ignored so that writes fail with EFBIG.
ToolRun run_with_size_limit(size_t bytes, const std::string& arguments, const std::string& folder)
{
    return run_shell("ulimit -f " + std::to_string(bytes / 512) + "; trap '' XFSZ; exec \"$PRJMIGR\" " + arguments,
                     folder);
}

TEST(OutputFiles, AFailedProjectFileWriteLeavesTheEarlierFilesUnchanged)
{
    TempTree tree;
    tree.write("big.prj", k_project);
    tree.write("s.ses", long_session(60000));
    tree.write("big.rtp", "earlier project file\n");
    tree.write("big.inf", "earlier objects file\n");

    const ToolRun run = run_with_size_limit(4096, "-v big.prj s.ses", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to write big.rtp\n");
    EXPECT_EQ(run.out.find("Done."), std::string::npos);
    EXPECT_EQ(tree.read("big.rtp"), "earlier project file\n");
    EXPECT_EQ(tree.read("big.inf"), "earlier objects file\n");
    EXPECT_EQ(tree.list(), (Files{"big.inf", "big.prj", "big.rtp", "s.ses"}));
}

TEST(OutputFiles, AFailedObjectsFileWriteKeepsTheNewProjectFileAndTheEarlierObjectsFile)
{
    const std::map<std::string, std::string> inputs = {{"big.prj", k_project}, {"s.ses", long_session(60000)}};
    const Reference reference = reference_run(inputs, {"big.prj", "s.ses"}, "big.rtp", "big.inf");
    // A limit between the two sizes: the project file fits, the objects file does not.
    ASSERT_LT(reference.project_file.size() + 4096, reference.objects_file.size());
    const size_t limit = (reference.project_file.size() + reference.objects_file.size()) / 2;

    TempTree tree;
    for (const auto& [name, bytes] : inputs)
        tree.write(name, bytes);
    tree.write("big.rtp", "earlier project file\n");
    tree.write("big.inf", "earlier objects file\n");
    const ToolRun run = run_with_size_limit(limit, "big.prj s.ses", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to write big.inf\n");
    EXPECT_TRUE(tree.read("big.rtp") == reference.project_file);
    expect_well_formed(tree, "big.rtp");
    EXPECT_EQ(tree.read("big.inf"), "earlier objects file\n");
    EXPECT_EQ(tree.list(), (Files{"big.inf", "big.prj", "big.rtp", "s.ses"}));
}

TEST(OutputFiles, AFailedWriteOfANewFileLeavesNothingBehind)
{
    TempTree tree;
    tree.write("big.prj", k_project);
    tree.write("s.ses", long_session(60000));
    const ToolRun run = run_with_size_limit(4096, "-o out.rtp big.prj s.ses", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to write out.rtp\n");
    EXPECT_EQ(tree.list(), (Files{"big.prj", "s.ses"}));
}

// ---------------------------------------------------------------- outputs that are inputs

TEST(OutputFiles, AnOutputNamedAsTheProjectInputIsRefused)
{
    TempTree tree;
    tree.write("demo.prj", k_project);
    const ToolRun run = run_tool({"-o", "demo.prj", "demo.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file demo.prj is also an input file; it is left unchanged\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(tree.read("demo.prj"), k_project);
    EXPECT_EQ(tree.list(), Files{"demo.prj"});
}

TEST(OutputFiles, AnOutputLinkedToAnInputIsRefused)
{
    TempTree tree;
    tree.write("demo.prj", k_project);
    const ToolRun run = run_shell("ln -s demo.prj link.rtp && exec \"$PRJMIGR\" -o link.rtp demo.prj", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file link.rtp is also an input file; it is left unchanged\n");
    EXPECT_EQ(tree.read("demo.prj"), k_project);
    EXPECT_TRUE(is_symlink(tree.path("link.rtp")));
    EXPECT_EQ(tree.list(), (Files{"demo.prj", "link.rtp"}));
}

TEST(OutputFiles, AnEarlierProjectFileReadAsACampaignMemberIsKept)
{
    TempTree tree;
    tree.write("demo.prj", k_project);
    tree.write("c.cmp", "$$$IHM NEVRA$$$CAMPAGNE\nFI demo.rtp\n");
    tree.write("demo.rtp", "earlier project file\n");
    const ToolRun run = run_tool({"demo.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file demo.rtp is also an input file; it is left unchanged\n");
    EXPECT_EQ(tree.read("demo.rtp"), "earlier project file\n");
    EXPECT_EQ(tree.list(), (Files{"c.cmp", "demo.prj", "demo.rtp"}));
}

TEST(OutputFiles, AnObjectsFileReadAsACampaignMemberIsKeptAfterTheProjectFile)
{
    const std::string campaign = "$$$IHM NEVRA$$$CAMPAGNE\nFI out.inf\n";
    TempTree tree;
    tree.write("demo.prj", k_project);
    tree.write("c.cmp", campaign);
    tree.write("out.inf", "earlier objects file\n");
    // The same run writing beside, in ref/, gives the same project file.
    const Reference reference = reference_run(
        {{"demo.prj", k_project}, {"c.cmp", campaign}, {"out.inf", "earlier objects file\n"}, {"ref/.keep", ""}},
        {"-o", "ref/out.rtp", "demo.prj", "c.cmp"}, "ref/out.rtp", "ref/out.inf");

    const ToolRun run = run_tool({"-v", "-o", "out.rtp", "demo.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file out.inf is also an input file; it is left unchanged\n");
    EXPECT_EQ(run.out.substr(run.out.find("Parsing")), "Parsing demo.prj\nParsing c.cmp\nParsing out.inf\n");
    EXPECT_EQ(tree.read("out.inf"), "earlier objects file\n");
    EXPECT_TRUE(tree.read("out.rtp") == reference.project_file);
    expect_well_formed(tree, "out.rtp");
    EXPECT_EQ(tree.list(), (Files{"c.cmp", "demo.prj", "out.inf", "out.rtp"}));
}

// ---------------------------------------------------------------- targets that are not regular files

TEST(OutputFiles, ADeviceTargetIsWrittenInPlace)
{
    // Run as root, a replacement by rename would turn /dev/null into a regular file.
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    ASSERT_TRUE(S_ISCHR(before.st_mode));

    TempTree tree;
    tree.write("a.prj", k_project);
    const ToolRun run = run_shell("ln -s /dev/null sink.rtp && exec \"$PRJMIGR\" -o sink.rtp a.prj", tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");

    struct stat after {};
    ASSERT_EQ(::stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(is_symlink(tree.path("sink.rtp")));
    EXPECT_EQ(tree.list(), (Files{"a.prj", "sink.inf", "sink.rtp"}));
    EXPECT_NE(tree.read("sink.inf").find("<objects>"), std::string::npos);
    expect_well_formed(tree, "sink.inf");
}

TEST(OutputFiles, AFifoTargetIsWrittenInPlace)
{
    const Reference reference = reference_run({{"a.prj", k_project}}, {"-o", "pipe.rtp", "a.prj"}, "pipe.rtp",
                                              "pipe.inf");
    TempTree tree;
    tree.write("a.prj", k_project);
    // The reader gives up after a while, so that a regression cannot hang the suite.
    const ToolRun run = run_shell("mkfifo pipe.rtp || exit 99; timeout 20 cat pipe.rtp > got.xml & reader=$!; "
                                  "\"$PRJMIGR\" -o pipe.rtp a.prj; status=$?; wait $reader; exit $status",
                                  tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    struct stat info {};
    ASSERT_EQ(::lstat(tree.path("pipe.rtp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(tree.read("got.xml") == reference.project_file);
    expect_well_formed(tree, "got.xml");
    EXPECT_TRUE(tree.read("pipe.inf") == reference.objects_file);
    expect_well_formed(tree, "pipe.inf");
    EXPECT_EQ(tree.list(), (Files{"a.prj", "got.xml", "pipe.inf", "pipe.rtp"}));
}

}  // namespace

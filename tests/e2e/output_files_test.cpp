// The two output files: each replaces its target only once complete, a failed
// run leaves earlier files as they were and no temporary file, an output never
// replaces a file the run read, and a device or FIFO target is written directly.
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;
using Contents = std::map<std::string, std::string>;

const std::string k_project = "$$$IHM NEVRA$$$PROJET\nNC Native\nPA bin/native.exe\n";

// A project and a session whose script and source paths are long: the objects file
// holds each path twice, the project file once, so it is about twice as large.
const Contents k_big_inputs = {
    {"big.prj", k_project},
    {"s.ses", "$$$IHM NEVRA$$$SESSION\nFP t/" + std::string(60000, 'a') + "/s.ptu\nFS s/" + std::string(60000, 'a')
                  + "/s.c\n"},
};

void write_all(const TempTree& tree, const Contents& files)
{
    for (const auto& [name, bytes] : files)
        tree.write(name, bytes);
}

// Every regular file under the tree with its bytes (through symbolic links).
Contents contents_of(const TempTree& tree)
{
    Contents files;
    for (const std::string& entry : tree.list()) {
        struct stat info {};
        if (::stat(tree.path(entry).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            files[entry] = tree.read(entry);
    }
    return files;
}

// The documents a run of `arguments` writes when nothing goes wrong.
std::pair<std::string, std::string> reference_run(const Contents& inputs, const Files& arguments,
                                                  const std::string& base)
{
    TempTree tree;
    write_all(tree, inputs);
    const ToolRun run = run_tool(arguments, tree.root());
    EXPECT_EQ(run.exit_code, 0) << run.err;
    expect_well_formed_xml(tree.path(base + ".rtp"));
    expect_well_formed_xml(tree.path(base + ".inf"));
    return {tree.read(base + ".rtp"), tree.read(base + ".inf")};
}

TEST(OutputFiles, ATargetThatCannotBeOpenedStopsTheRunAndChangesNothing)
{
    // The project file is tried before anything is read; the objects file after the
    // project file is complete, which stays.
    const auto [project_file, objects_file] = reference_run({{"a.prj", k_project}}, {"-o", "x.rtp", "a.prj"}, "x");
    const std::tuple<Files, std::string, std::string, Contents> cases[] = {
        {{"-v", "-o", "missing-dir/x.rtp", "a.prj"}, "missing-dir/x.rtp",
         "prjmigr Test Manager Convertisor " PRJMIGR_EXPECTED_VERSION "\nCopyright (C) 2026 The prjmigr authors\n", {}},
        {{"-o", "x.rtp", "a.prj"}, "x.rtp", "", {{"x.rtp/inside", "earlier\n"}}},  // a folder
        {{"-o", "x.rtp", "a.prj"}, "x.inf", "", {{"x.rtp", "earlier\n"}, {"x.inf/inside", "earlier\n"}}},
    };
    for (const auto& [arguments, target, out, earlier] : cases) {
        SCOPED_TRACE(target);
        TempTree tree;
        tree.write("a.prj", k_project);
        write_all(tree, earlier);
        const Files before = tree.list();
        Contents expected = contents_of(tree);
        const ToolRun run = run_tool(arguments, tree.root());
        EXPECT_EQ(run.exit_code, 255);
        EXPECT_EQ(run.err, "(E) Unable to open " + target + "\n");
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(tree.list(), before);
        if (target == "x.inf")
            expected["x.rtp"] = project_file;
        EXPECT_TRUE(contents_of(tree) == expected);
    }
}

TEST(OutputFiles, AFailedWriteLeavesTheEarlierFileAndNoTemporaryFile)
{
    const auto [project_file, objects_file] = reference_run(k_big_inputs, {"big.prj", "s.ses"}, "big");
    ASSERT_LT(project_file.size() + 4096, objects_file.size());
    const Contents earlier = {{"big.rtp", "earlier project file\n"}, {"big.inf", "earlier objects file\n"}};
    // A limit between the two sizes: the project file fits, the objects file does not.
    const size_t between = (project_file.size() + objects_file.size()) / 2;
    const std::tuple<size_t, std::string, Contents, std::string, Contents> cases[] = {
        {4096, "big.prj s.ses", earlier, "big.rtp", earlier},
        {between, "big.prj s.ses", earlier, "big.inf",
         {{"big.rtp", project_file}, {"big.inf", "earlier objects file\n"}}},
        {4096, "-o out.rtp big.prj s.ses", {}, "out.rtp", {}},
    };
    for (const auto& [limit, arguments, before, target, after] : cases) {
        SCOPED_TRACE(target);
        TempTree tree;
        write_all(tree, k_big_inputs);
        write_all(tree, before);
        // The limit is in /bin/sh's 512-byte blocks; with the signal ignored, writes fail with EFBIG.
        const ToolRun run = run_shell("ulimit -f " + std::to_string(limit / 512) + "; trap '' XFSZ; exec \"$PRJMIGR\" "
                                          + arguments,
                                      tree.root());
        EXPECT_EQ(run.exit_code, 255);
        EXPECT_EQ(run.err, "(E) Unable to write " + target + "\n");
        Contents expected = k_big_inputs;
        expected.insert(after.begin(), after.end());
        EXPECT_TRUE(contents_of(tree) == expected);
        EXPECT_EQ(tree.list().size(), expected.size());
    }
}

TEST(OutputFiles, AnOutputThatIsAnInputIsRefusedAndLeftUnchanged)
{
    // A shell set-up (for links), the arguments, the refused output, and what the run wrote.
    const std::tuple<std::string, std::string, std::string, Files> cases[] = {
        {"", "-o demo.prj demo.prj", "demo.prj", {}},
        {"ln -s demo.prj link.rtp", "-o link.rtp demo.prj", "link.rtp", {}},
        {"ln demo.prj hard.rtp", "-o hard.rtp demo.prj", "hard.rtp", {}},
        // An earlier output read as a campaign member; the objects file is refused
        // only once the project file is written.
        {"echo earlier > demo.rtp", "demo.prj c.cmp", "demo.rtp", {}},
        {"echo earlier > out.inf", "-o out.rtp demo.prj c.cmp", "out.inf", {"out.rtp"}},
    };
    for (const auto& [setup, arguments, refused, written] : cases) {
        SCOPED_TRACE(arguments);
        TempTree tree;
        tree.write("demo.prj", k_project);
        tree.write("c.cmp", "$$$IHM NEVRA$$$CAMPAGNE\nFI demo.rtp\nFI out.inf\n");
        ASSERT_EQ(run_shell(setup, tree.root()).exit_code, 0);
        const Files before = tree.list();
        const Contents earlier = contents_of(tree);

        const ToolRun run = run_shell("exec \"$PRJMIGR\" " + arguments, tree.root());
        EXPECT_EQ(run.exit_code, 255);
        EXPECT_EQ(run.err, "(E) Output file " + refused + " is also an input file; it is left unchanged\n");
        Contents now = contents_of(tree);
        for (const std::string& file : written) {
            expect_well_formed_xml(tree.path(file));
            now.erase(file);
        }
        EXPECT_TRUE(now == earlier);
        Files after = tree.list();
        for (const std::string& file : written)
            after.erase(std::find(after.begin(), after.end(), file));
        EXPECT_EQ(after, before);
    }
}

TEST(OutputFiles, ADeviceTargetIsWrittenInPlace)
{
    // Run as root, a replacement by rename would turn /dev/null into a regular file.
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
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
    EXPECT_EQ(tree.list(), (Files{"a.prj", "sink.inf", "sink.rtp"}));
    expect_well_formed_xml(tree.path("sink.inf"));
}

TEST(OutputFiles, AFifoTargetIsWrittenInPlace)
{
    const auto [project_file, objects_file] =
        reference_run({{"a.prj", k_project}}, {"-o", "pipe.rtp", "a.prj"}, "pipe");
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
    EXPECT_TRUE(tree.read("got.xml") == project_file);
    EXPECT_TRUE(tree.read("pipe.inf") == objects_file);
    EXPECT_EQ(tree.list(), (Files{"a.prj", "got.xml", "pipe.inf", "pipe.rtp"}));
}

}  // namespace

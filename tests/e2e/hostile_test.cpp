// Hostile inputs, end to end against the built tool: one test per case of
// doc/hostile-inputs.md. Each asserts the exit code, the exact bytes on the
// error stream, which files exist afterwards, that no earlier file changed and
// that no temporary file was left, and that every document written is
// well-formed XML.
#include <QProcess>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_project_header = "$$$IHM NEVRA$$$PROJET\n";
const std::string k_campaign_header = "$$$IHM NEVRA$$$CAMPAGNE\n";
const std::string k_session_header = "$$$IHM NEVRA$$$SESSION\n";
const std::string k_project = k_project_header + "NC Native\nPA bin/native.exe\n";
const std::string k_session = k_session_header + "CX Native\nFP t.ptu\nFS t.c\nOC -O2\n";

std::string cycle_message(const std::string& campaign, const std::string& member)
{
    return "(E) Campaign cycle: " + campaign + " names " + member + ", which is already being read\n";
}

std::string doctype_line(const std::string& root)
{
    return "<!DOCTYPE project SYSTEM \"" + root + "/lib/project.dtd\" >";
}

size_t count(const std::string& text, const std::string& what)
{
    size_t found = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++found;
    return found;
}

bool contains(const std::string& text, const std::string& what)
{
    return text.find(what) != std::string::npos;
}

std::string second_line(const std::string& text)
{
    const size_t start = text.find('\n') + 1;
    return text.substr(start, text.find('\n', start) - start);
}

// Every file and folder of the tree with its bytes (folders and other non-regular
// entries with an empty text), so a run can be checked for what it changed.
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const TempTree& tree)
{
    Snapshot files;
    for (const std::string& entry : tree.list()) {
        struct stat info {};
        const bool regular = ::lstat(tree.path(entry).c_str(), &info) == 0 && S_ISREG(info.st_mode)
                             && (info.st_mode & S_IRUSR);
        files[entry] = regular ? tree.read(entry) : std::string();
    }
    return files;
}

// For documents beyond libxml2's default limits (nesting deeper than 256, a text
// node over 10,000,000 bytes): xmllint refuses them for that limit alone, and
// reads them as well-formed once the limits are lifted (--huge).
void expect_well_formed_beyond_limits(const std::string& path)
{
    std::string why;
    if (is_well_formed_xml(path, &why))
        return;
    EXPECT_TRUE(contains(why, "Excessive depth in document") || contains(why, "huge text node")) << why;
    QProcess xmllint;
    xmllint.start(QStringLiteral(XMLLINT_BINARY),
                  {QStringLiteral("--huge"), QStringLiteral("--noout"), QString::fromStdString(path)});
    ASSERT_TRUE(xmllint.waitForFinished(120000));
    EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
}

// After a run: exactly the earlier entries and `written` exist (so no temporary
// file is left), every earlier entry that is not in `written` holds its earlier
// bytes, and each written document is well-formed.
void expect_files(const TempTree& tree, const Snapshot& before, const std::vector<std::string>& written,
                  bool beyond_limits = false)
{
    Snapshot expected = before;
    for (const std::string& name : written)
        expected[name];
    const Snapshot after = snapshot(tree);
    std::vector<std::string> want, got;
    for (const auto& entry : expected)
        want.push_back(entry.first);
    for (const auto& entry : after)
        got.push_back(entry.first);
    EXPECT_EQ(got, want);
    for (const auto& [name, bytes] : before) {
        if (std::find(written.begin(), written.end(), name) != written.end())
            continue;
        const auto now = after.find(name);
        EXPECT_TRUE(now != after.end() && now->second == bytes) << name << " changed";
    }
    for (const std::string& name : written) {
        if (beyond_limits)
            expect_well_formed_beyond_limits(tree.path(name));
        else
            expect_well_formed_xml(tree.path(name));
    }
}

// The documents of one run of `arguments` over `inputs`, in a folder of its own.
struct Documents {
    std::string project_file;
    std::string objects_file;
};

Documents reference_documents(const std::map<std::string, std::string>& inputs,
                              const std::vector<std::string>& arguments, const std::string& base)
{
    TempTree tree;
    for (const auto& [name, bytes] : inputs)
        tree.write(name, bytes);
    const ToolRun run = run_tool(arguments, tree.root());
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    expect_well_formed_xml(tree.path(base + ".rtp"));
    expect_well_formed_xml(tree.path(base + ".inf"));
    return {tree.read(base + ".rtp"), tree.read(base + ".inf")};
}

// Bytes of a fixed pseudo-random sequence: the same on every run and platform.
std::string random_bytes(size_t size, uint32_t seed)
{
    std::mt19937 engine(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(engine() & 0xFF);
    return bytes;
}

// ---------------------------------------------------------------- campaign cycles

TEST(Hostile, CampaignNamingItselfIsReportedAndTheRunGoesOn)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI s.ses\nFI c.cmp\nFI s.ses\n");
    tree.write("s.ses", k_session);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, cycle_message("c.cmp", "c.cmp"));
    EXPECT_EQ(run.out, "");
    expect_files(tree, before, {"a.rtp", "a.inf"});
    // The campaign holds s.ses twice (a file named twice is no cycle), nothing more.
    const std::string project = tree.read("a.rtp");
    EXPECT_EQ(count(project, "\n        <group>\n"), 1u);
    EXPECT_EQ(count(project, "<unit_testing>"), 2u);
}

TEST(Hostile, IndirectCampaignCycleIsFoundWhateverTheSpelling)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI sub/d.cmp\n");
    tree.write("sub/d.cmp", k_campaign_header + "FI e.cmp\nFI s.ses\n");
    // The same file as c.cmp under another name: the identity counts, not the text.
    tree.write("sub/e.cmp", k_campaign_header + "FI ../c.cmp\nFI ../sub/d.cmp\nFI s.ses\n");
    tree.write("sub/s.ses", k_session);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, cycle_message("sub/e.cmp", "sub/../c.cmp") + cycle_message("sub/e.cmp", "sub/../sub/d.cmp"));
    expect_files(tree, before, {"a.rtp", "a.inf"});
    // c holds d, d holds e and s, e holds s.
    const std::string project = tree.read("a.rtp");
    EXPECT_EQ(count(project, "\n        <group>\n"), 3u);
    EXPECT_EQ(count(project, "<unit_testing>"), 2u);
}

TEST(Hostile, CampaignCycleThroughASymbolicLink)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI link.cmp\nFI s.ses\n");
    tree.write("s.ses", k_session);
    ASSERT_EQ(::symlink("c.cmp", tree.path("link.cmp").c_str()), 0);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, cycle_message("c.cmp", "link.cmp"));
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_EQ(count(tree.read("a.rtp"), "<unit_testing>"), 1u);

    // Entered through the link, the cycle is found at the real name.
    const ToolRun linked = run_tool({"a.prj", "link.cmp"}, tree.root());
    EXPECT_EQ(linked.exit_code, 0);
    EXPECT_EQ(linked.err, cycle_message("link.cmp", "link.cmp"));
    expect_files(tree, before, {"a.rtp", "a.inf"});
}

TEST(Hostile, CampaignCycleThroughAHardLink)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI hard.cmp\nFI s.ses\n");
    tree.write("s.ses", k_session);
    ASSERT_EQ(::link(tree.path("c.cmp").c_str(), tree.path("hard.cmp").c_str()), 0);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, cycle_message("c.cmp", "hard.cmp"));
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_EQ(count(tree.read("a.rtp"), "<unit_testing>"), 1u);
}

// ---------------------------------------------------------------- volume

TEST(Hostile, ChainOfTenThousandCampaigns)
{
    constexpr int k_levels = 10000;
    TempTree tree;
    tree.write("a.prj", k_project);
    for (int level = 0; level < k_levels; ++level) {
        const std::string next = level + 1 < k_levels ? "c" + std::to_string(level + 1) + ".cmp" : "s.ses";
        tree.write("c" + std::to_string(level) + ".cmp", k_campaign_header + "FI " + next + "\n");
    }
    tree.write("s.ses", k_session);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c0.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"}, true);
    const std::string project = tree.read("a.rtp");
    EXPECT_EQ(count(project, "\n        <group>\n"), static_cast<size_t>(k_levels));
    EXPECT_EQ(count(project, "\n        </group>\n"), static_cast<size_t>(k_levels));
    EXPECT_EQ(count(project, "<unit_testing>"), 1u);
    EXPECT_TRUE(contains(project, "<name>c9999</name>"));
    EXPECT_TRUE(contains(tree.read("a.inf"), "<filepath>t.ptu</filepath>"));
}

// 19 campaigns of 2 lines each expand to 2^19 session nodes, a project file of
// 1.7 GB (written to /dev/null here): memory must follow the files, not the nodes.
TEST(Hostile, FanOutOfHalfAMillionSessionNodes)
{
    constexpr int k_levels = 19;
    TempTree tree;
    tree.write("fan.prj", k_project);
    for (int level = 0; level < k_levels; ++level) {
        const std::string next = level + 1 < k_levels ? "c" + std::to_string(level + 1) + ".cmp" : "s.ses";
        tree.write("c" + std::to_string(level) + ".cmp", k_campaign_header + "FI " + next + "\nFI " + next + "\n");
    }
    tree.write("s.ses", k_session);
    ASSERT_EQ(::symlink("/dev/null", tree.path("fan.rtp").c_str()), 0);

    // A small quarantine, so that a sanitized build measures the tool, not the sanitizer.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const ToolRun run = run_shell("/usr/bin/time -f %M -o rss \"$PRJMIGR\" -o fan.rtp fan.prj c0.cmp", tree.root(),
                                  {{"ASAN_OPTIONS", std::string(asan ? asan : "") + ":quarantine_size_mb=4"}});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_LT(std::stol(tree.read("rss")), 64 * 1024) << "KiB of peak memory";
    const std::string objects = tree.read("fan.inf");
    EXPECT_EQ(count(objects, "<file>"), 2u);
    expect_well_formed_xml(tree.path("fan.inf"));
}

TEST(Hostile, TenMebibyteLine)
{
    const std::string value(10 * 1024 * 1024, 'x');
    TempTree tree;
    tree.write("a.prj", k_project);
    // A line of 10 MiB with a value, one without a key, and a last line without a line feed.
    tree.write("s.ses", k_session_header + "CX Native\nOC " + value + "\n" + value + "\nFP t.ptu");
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "s.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"}, true);
    const std::string project = tree.read("a.rtp");
    EXPECT_TRUE(contains(project, "\n                       <cflags>" + value + "</cflags>\n"));
    EXPECT_EQ(count(project, value), 1u);
    EXPECT_EQ(count(tree.read("a.inf"), "<filepath>t.ptu</filepath>"), 2u);
}

// ---------------------------------------------------------------- bytes that are no text

// Random bytes hold no header line, so the file is read as an empty one: the
// documents equal those of a run over an empty file of the same name.
void expect_random_file_reads_as_empty(const std::string& name, const std::vector<std::string>& arguments)
{
    std::map<std::string, std::string> inputs{
        {"a.prj", k_project},
        {"c.cmp", k_campaign_header + "FI s.ses\n"},
        {"s.ses", k_session},
    };
    inputs[name] = "";
    const Documents reference = reference_documents(inputs, arguments, "a");

    TempTree tree;
    inputs[name] = random_bytes(256 * 1024, 20261206);
    for (const auto& [file, bytes] : inputs)
        tree.write(file, bytes);
    const Snapshot before = snapshot(tree);
    const ToolRun run = run_tool(arguments, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_TRUE(tree.read("a.rtp") == reference.project_file);
    EXPECT_TRUE(tree.read("a.inf") == reference.objects_file);
}

TEST(Hostile, RandomBytesAsTheProject)
{
    expect_random_file_reads_as_empty("a.prj", {"a.prj", "c.cmp", "s.ses"});
}

TEST(Hostile, RandomBytesAsACampaign)
{
    expect_random_file_reads_as_empty("c.cmp", {"a.prj", "c.cmp", "s.ses"});
}

TEST(Hostile, RandomBytesAsASession)
{
    expect_random_file_reads_as_empty("s.ses", {"a.prj", "c.cmp", "s.ses"});
}

TEST(Hostile, RandomBytesInEveryValue)
{
    // Every key of every kind, each with a value of random bytes (no line feed).
    std::string noise = random_bytes(64 * 1024, 7);
    noise.erase(std::remove(noise.begin(), noise.end(), '\n'), noise.end());
    size_t taken = 0;
    const auto value = [&] {
        const std::string piece = noise.substr(taken, 1 + taken % 300);
        taken += piece.size();
        return piece;
    };
    std::string project = k_project_header;
    for (const char* key : {"IN", "NC", "PA", "LA", "SE", "OE", "XX", "AS", "VE", "EX", "AL", "CL", "IN"})
        project += std::string(key) + " " + value() + "\n";
    project += "NC " + value() + "\n";
    std::string session = k_session_header;
    for (const char* key : {"CD", "FS", "FP", "LK", "OC", "CS", "DB", "SI", "OP", "RA", "VA", "CE", "OF",
                            "NI", "AC", "FL", "ST"})
        session += std::string(key) + " " + value() + "\n";
    TempTree tree;
    tree.write("a.prj", project);
    tree.write("c.cmp", k_campaign_header + "FI " + value() + "\nFI s.ses\n");
    tree.write("s.ses", session);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp", "s.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_EQ(count(tree.read("a.rtp"), "<unit_testing>"), 2u);
}

TEST(Hostile, NulBytesInsideLines)
{
    using namespace std::string_literals;
    TempTree tree;
    tree.write("a.prj", k_project_header + "NC A\0B\n"s);
    // A NUL ends no line; trailing NUL bytes are trimmed like blanks, so the
    // header followed by one is still a header.
    tree.write("s.ses", "$$$IHM NEVRA$$$SESSION\0\n"s + "CX A\0B\nFP t\0.ptu\nOC -O\0 2\n\0\0\0FS x.c\n"s);
    // A path holding a NUL names no file, not the file named by the bytes before it.
    tree.write("c.cmp", k_campaign_header + "FI s.ses\0x\nFI s.ses\n"s);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_EQ(count(tree.read("a.rtp"), "<unit_testing>"), 1u);
    // In the documents a NUL, which XML cannot hold, is U+FFFD; the session's
    // settings still reach the configuration of the same raw name.
    const std::string replacement = "\xEF\xBF\xBD";
    const std::string project = tree.read("a.rtp");
    EXPECT_TRUE(contains(project, "<name>A" + replacement + "B</name>"));
    EXPECT_TRUE(contains(project, "<cflags>-O" + replacement + " 2</cflags>"));
    EXPECT_TRUE(contains(project, "<filepath>t" + replacement + ".ptu</filepath>"));
    EXPECT_FALSE(contains(project, "x.c"));
    EXPECT_FALSE(contains(project, std::string(1, '\0')));
    EXPECT_EQ(count(tree.read("a.inf"), "<filepath>t" + replacement + ".ptu</filepath>"), 2u);
}

// ---------------------------------------------------------------- inputs that are no regular file

TEST(Hostile, DirectoriesAsInputs)
{
    TempTree tree;
    tree.write("d.prj/x", "");
    tree.write("d.cmp/x", "");
    tree.write("d.ses/x", "");
    tree.write("c.cmp", k_campaign_header + "FI d.ses\nFI sub\n");
    tree.write("sub/x", "");
    const Snapshot before = snapshot(tree);

    // A directory is no legacy file: like a missing one, it yields nothing.
    const ToolRun run = run_tool({"d.prj", "d.cmp", "c.cmp", "d.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"d.rtp", "d.inf"});
    const std::string project = tree.read("d.rtp");
    EXPECT_FALSE(contains(project, "<configuration>"));
    EXPECT_EQ(count(project, "\n        <group>\n"), 1u);
    EXPECT_TRUE(contains(project, "<name>c</name>"));
    EXPECT_EQ(count(project, "<unit_testing>"), 0u);
}

TEST(Hostile, SpecialFilesAsInputs)
{
    TempTree tree;
    ASSERT_EQ(::symlink("/dev/null", tree.path("null.prj").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", tree.path("null.cmp").c_str()), 0);
    // A FIFO without a writer must not stall the run.
    ASSERT_EQ(::mkfifo(tree.path("fifo.ses").c_str(), 0644), 0);
    tree.write("c.cmp", k_campaign_header + "FI /dev/null\nFI fifo.ses\n");
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"null.prj", "null.cmp", "c.cmp", "fifo.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"null.rtp", "null.inf"});
    // Both read as empty files: the campaign null with no member, c with the
    // members null and fifo, and the session fifo.
    const std::string project = tree.read("null.rtp");
    EXPECT_EQ(count(project, "\n        <group>\n"), 2u);
    EXPECT_EQ(count(project, "<unit_testing>"), 3u);
    EXPECT_EQ(count(project, "<name>fifo</name>"), 2u);
}

TEST(Hostile, UnreadableFilesAsInputs)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("secret.prj", k_project_header + "NC Secret\n");
    tree.write("secret.cmp", k_campaign_header + "FI s.ses\n");
    tree.write("secret.ses", k_session);
    tree.write("s.ses", k_session);
    tree.write("c.cmp", k_campaign_header + "FI secret.ses\nFI s.ses\n");
    for (const char* name : {"secret.prj", "secret.cmp", "secret.ses"})
        ASSERT_EQ(::chmod(tree.path(name).c_str(), 0), 0);

    // Root reads any file: run the tool as nobody then, in a folder it may write.
    std::string prefix;
    if (::geteuid() == 0) {
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        ASSERT_EQ(::chmod(tree.root().c_str(), 0777), 0);
        const std::string catalogues = empty_kelmardir();
        ASSERT_EQ(::chmod(catalogues.c_str(), 0755), 0);
        const ToolRun can_run = run_shell(prefix + "test -x \"$PRJMIGR\"", tree.root());
        if (can_run.exit_code != 0)
            GTEST_SKIP() << "user nobody cannot reach " << tool_path();
    }
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_shell(prefix + "\"$PRJMIGR\" secret.prj secret.cmp c.cmp secret.ses", tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"secret.rtp", "secret.inf"});
    const std::string project = tree.read("secret.rtp");
    EXPECT_FALSE(contains(project, "Secret"));
    EXPECT_EQ(count(project, "\n        <group>\n"), 1u);
    EXPECT_EQ(count(project, "<unit_testing>"), 1u);
    for (const char* name : {"secret.prj", "secret.cmp", "secret.ses"}) {
        struct stat info {};
        ASSERT_EQ(::stat(tree.path(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0u) << name;
    }
}

// ---------------------------------------------------------------- outputs

TEST(Hostile, OutputFolderThatDoesNotExist)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"-o", "missing/deeper/x.rtp", "a.prj"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to open missing/deeper/x.rtp\n");
    expect_files(tree, before, {});
}

TEST(Hostile, FullDiskWhileWritingTheProjectFile)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("s.ses", k_session);
    tree.write("a.rtp", "earlier project file\n");
    tree.write("a.inf", "earlier objects file\n");
    const Snapshot before = snapshot(tree);

    // Files may not grow past 512 bytes; the project file needs more.
    const ToolRun run = run_shell("trap '' XFSZ; ulimit -f 1; exec \"$PRJMIGR\" a.prj s.ses", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to write a.rtp\n");
    expect_files(tree, before, {});
}

TEST(Hostile, FullDiskWhileWritingTheObjectsFile)
{
    // A project input that is a session file: its script and source fill the
    // objects file, while the project file stays short (no configuration, no node).
    const std::string folder(3000, 'd');
    TempTree tree;
    tree.write("a.prj", k_session_header + "FP " + folder + "/t.ptu\nFS " + folder + "/t.c\n");
    tree.write("a.inf", "earlier objects file\n");
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_shell("trap '' XFSZ; ulimit -f 4; exec \"$PRJMIGR\" a.prj", tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Unable to write a.inf\n");
    // The project file was complete and stays; the objects file keeps its earlier bytes.
    expect_files(tree, before, {"a.rtp"});
    EXPECT_LT(tree.read("a.rtp").size(), 2048u);
}

TEST(Hostile, OutputNamingTheProjectInput)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("s.ses", k_session);
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"-o", "a.prj", "a.prj", "s.ses"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file a.prj is also an input file; it is left unchanged\n");
    expect_files(tree, before, {});
}

TEST(Hostile, OutputNamingACampaignMember)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI sub/s.ses\n");
    tree.write("sub/s.ses", k_session);
    const Snapshot before = snapshot(tree);

    // The member is reached as sub/s.ses, the output named ./sub/s.ses: the same file.
    const ToolRun run = run_tool({"-o", "./sub/s.ses", "a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.err, "(E) Output file ./sub/s.ses is also an input file; it is left unchanged\n");
    expect_files(tree, before, {});
}

// ---------------------------------------------------------------- NEVRAHOME

// Runs the tool with NEVRAHOME set by the shell, so that any bytes reach it.
ToolRun run_with_nevrahome(const TempTree& tree, const std::string& printf_format)
{
    return run_shell("NEVRAHOME=\"$(printf '" + printf_format + "')\" exec \"$PRJMIGR\" a.prj", tree.root());
}

void expect_doctype(const std::string& printf_format, const std::string& root_in_documents)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    const Snapshot before = snapshot(tree);
    const ToolRun run = run_with_nevrahome(tree, printf_format);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_EQ(second_line(tree.read("a.rtp")), doctype_line(root_in_documents));
    EXPECT_EQ(second_line(tree.read("a.inf")), doctype_line(root_in_documents));
}

TEST(Hostile, NevrahomeWithADoubleQuote)
{
    // Inside the system literal a quote would end it: it is written %22.
    expect_doctype("/opt/ne\"vra", "/opt/ne%22vra");
}

TEST(Hostile, NevrahomeWithAnAmpersand)
{
    // A system literal decodes no entity: the ampersand stays as it is.
    expect_doctype("/opt/r&d", "/opt/r&d");
}

TEST(Hostile, NevrahomeWithLatin1Bytes)
{
    // Not UTF-8: read as Windows-1252, written as UTF-8.
    expect_doctype("/opt/caf\\351/\\344\\337", "/opt/caf\xC3\xA9/\xC3\xA4\xC3\x9F");
}

// ---------------------------------------------------------------- length

TEST(Hostile, ArgumentsOfTenThousandBytes)
{
    TempTree tree;
    tree.write("a.prj", k_project);
    const Snapshot before = snapshot(tree);

    // An ignored argument, and a project name beyond the system's path limit:
    // neither is cut, the project cannot be opened and both outputs are written.
    const std::string ignored(10000, 'i');
    const std::string far_project = "." + std::string(9994, '/') + "a.prj";
    ASSERT_EQ(far_project.size(), 10000u);
    const ToolRun run = run_tool({"-v", ignored, far_project}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    const std::string announced = "Parsing " + far_project + "\nDone.\n";
    ASSERT_GE(run.out.size(), announced.size());
    EXPECT_EQ(run.out.substr(run.out.size() - announced.size()), announced);
    expect_files(tree, before, {"a.rtp", "a.inf"});
    EXPECT_FALSE(contains(tree.read("a.rtp"), "Native"));

    // An output name of 10,000 bytes in an existing folder: the temporary file is
    // made (unnamed, in the folder), giving it the name fails, reported whole.
    const Snapshot again = snapshot(tree);
    const std::string long_output = std::string(9996, 'o') + ".rtp";
    const ToolRun refused = run_tool({"-o", long_output, "a.prj"}, tree.root());
    EXPECT_EQ(refused.exit_code, 255);
    EXPECT_EQ(refused.err, "(E) Unable to write " + long_output + "\n");
    expect_files(tree, again, {});
}

TEST(Hostile, PathsOfTenThousandBytesInsideLegacyFiles)
{
    const std::string script = std::string(9996, 's') + ".ptu";
    const std::string source = std::string(9998, 'c') + ".c";
    const std::string member = std::string(9996, 'm') + ".ses";
    TempTree tree;
    tree.write("a.prj", k_project);
    tree.write("c.cmp", k_campaign_header + "FI " + member + "\nFI s.ses\n");
    tree.write("s.ses", k_session_header + "FP " + script + "\nFS " + source + "\n");
    const Snapshot before = snapshot(tree);

    const ToolRun run = run_tool({"-v", "a.prj", "c.cmp"}, tree.root());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(contains(run.out, "Parsing a.prj\nParsing c.cmp\nParsing " + member + "\nParsing s.ses\nDone.\n"));
    expect_files(tree, before, {"a.rtp", "a.inf"});
    const std::string project = tree.read("a.rtp");
    EXPECT_TRUE(contains(project, "<name>" + script + "</name>"));
    EXPECT_TRUE(contains(project, "<filepath>" + script + "</filepath>"));
    EXPECT_TRUE(contains(project, "<filepath>" + source + "</filepath>"));
    const std::string objects = tree.read("a.inf");
    EXPECT_EQ(count(objects, "<filepath>" + script + "</filepath>"), 2u);
    EXPECT_EQ(count(objects, "<filepath>" + source + "</filepath>"), 2u);
}

}  // namespace

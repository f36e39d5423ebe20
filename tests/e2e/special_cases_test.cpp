// Runs that a folder of tests/golden cannot hold (limits, FIFOs and devices, file
// modes, hard links, generated inputs): each TEST walks a table of rows.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::map<std::string, std::string>;

const std::string k_project_header = "$$$IHM NEVRA$$$PROJET\n";
const std::string k_campaign_header = "$$$IHM NEVRA$$$CAMPAGNE\n";
const std::string k_session_header = "$$$IHM NEVRA$$$SESSION\n";
const std::string k_project = k_project_header + "NC Native\nPA bin/native.exe\n";
const std::string k_session = k_session_header + "CX Native\nFP t.ptu\nFS t.c\nOC -O2\n";

// One run in a folder of its own, made by `files` and then the shell `setup`.
// The shell runs `command` with "$PRJMIGR" naming the tool, and `check` last.
struct Row {
    std::string name;
    Files files;
    std::string setup, command;
    int exit_code;
    std::string err;
    std::set<std::string> written;  // new or replaced; every other entry stays as it was
    std::string check;
};

// For checks: "$GOLDEN" names tests/golden, `count N PATTERN FILE` counts matching
// lines, `same BASE FOLDER` compares BASE.rtp and BASE.inf with those of FOLDER.
const std::string k_check_functions = "count() { test \"$(grep -c -- \"$2\" \"$3\")\" = \"$1\"; }\n"
                                      "same() { cmp \"$1.rtp\" \"$2/$1.rtp\" && cmp \"$1.inf\" \"$2/$1.inf\"; }\n";

// Each row must end with its exit code and error stream, leave exactly its earlier
// entries (as they were, but `written`) and `written` (well-formed documents, read
// without libxml2's size limits), so no temporary file; then `check` must succeed.
void check_rows(const std::vector<Row>& rows)
{
    const EnvChanges env = {{"GOLDEN", std::string(PRJMIGR_SOURCE_DIR) + "/tests/golden"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        for (const auto& [name, bytes] : row.files)
            tree.write(name, bytes);
        const ToolRun setup = run_shell(row.setup, tree.root(), env);
        ASSERT_EQ(setup.exit_code, 0) << "set-up: " << setup.err;
        std::map<std::string, std::string> before = snapshot(tree);
        const ToolRun run = run_shell(row.command, tree.root(), env);
        EXPECT_EQ(run.exit_code, row.exit_code) << run.err;
        EXPECT_EQ(run.err, row.err);
        std::map<std::string, std::string> after = snapshot(tree);
        for (const std::string& name : row.written) {
            EXPECT_TRUE(after.count(name) && after[name] != before[name]) << name << " not written";
            const std::string suffix = name.substr(std::min(name.size(), name.rfind('.')));
            if (suffix == ".rtp" || suffix == ".inf")  // not the report of GNU time, nor a SARIF log
                expect_well_formed_xml(tree.path(name), true);
            before.erase(name);
            after.erase(name);
        }
        for (const auto& [entry, what] : after)
            EXPECT_TRUE(before.count(entry) && before.at(entry) == what) << entry << " appeared or changed";
        EXPECT_EQ(after.size(), before.size()) << "an entry appeared or disappeared";
        const ToolRun check = run_shell(k_check_functions + row.check, tree.root(), env);
        EXPECT_EQ(check.exit_code, 0) << row.check << "\n" << check.err;
    }
}

// Set-up that runs `command` in ref/, a copy of the folder changed by `change`,
// for a check to compare documents with.
std::string reference(const std::string& change, const std::string& command)
{
    return "mkdir ref && cp -a $(ls | grep -vx ref) ref/ && (cd ref && " + change + " && " + command + ")";
}

// Campaigns c0.cmp, c1.cmp, ..., each naming the next one `times` times; the last names s.ses.
Files chain_of_campaigns(int levels, int times)
{
    Files files{{"a.prj", k_project}, {"s.ses", k_session}};
    for (int level = 0; level < levels; ++level) {
        const std::string next = level + 1 < levels ? "c" + std::to_string(level + 1) + ".cmp" : "s.ses";
        for (int time = 0; time < times; ++time)
            files["c" + std::to_string(level) + ".cmp"] += (time ? "" : k_campaign_header) + "FI " + next + "\n";
    }
    return files;
}

// Bytes of a fixed pseudo-random sequence: the same on every run and platform.
std::string random_bytes(size_t size, uint32_t seed)
{
    std::mt19937 engine(seed);
    std::string bytes(size, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(engine() & 0xFF); });
    return bytes;
}

// Every key of every kind, each with a value of random bytes (without line feeds).
Files random_values()
{
    std::string noise = random_bytes(64 * 1024, 7);
    noise.erase(std::remove(noise.begin(), noise.end(), '\n'), noise.end());
    size_t taken = 0;
    const auto lines = [&](std::string text, const std::string& keys) {
        for (size_t at = 0; at < keys.size(); at += 3, taken += 1 + taken % 300)
            text += keys.substr(at, 2) + " " + noise.substr(taken, 1 + taken % 300) + "\n";
        return text;
    };
    const std::string project = lines(k_project_header, "IN NC PA LA SE OE XX AS VE EX AL CL IN NC");
    const std::string session = lines(k_session_header, "CD FS FP LK OC CS DB SI OP RA VA CE OF NI AC FL ST");
    return {{"a.prj", project}, {"c.cmp", lines(k_campaign_header, "FI") + "FI s.ses\n"}, {"s.ses", session}};
}

// Runs the tool under GNU time, its peak memory (KiB) going to the file rss. A small
// quarantine makes a sanitized build measure the tool, not itself.
const std::string k_peak_memory =
    "ASAN_OPTIONS=\"$ASAN_OPTIONS:quarantine_size_mb=4\" /usr/bin/time -f %M -o rss ";

// The peak of a run that holds a legacy file of 256 MiB, in KiB; AddressSanitizer
// adds its shadow memory, an eighth of what the tool holds.
#ifdef __SANITIZE_ADDRESS__
const std::string k_peak_of_largest_file = std::to_string(300 * 1024 * 9 / 8);
#else
const std::string k_peak_of_largest_file = std::to_string(300 * 1024);
#endif

// The peak of a run that reads a session of 10 MB, in KiB.
#ifdef __SANITIZE_ADDRESS__
const std::string k_peak_of_reports = std::to_string(96 * 1024);
#else
const std::string k_peak_of_reports = std::to_string(48 * 1024);
#endif

// `files` with a.rtp and a.inf from an earlier run.
Files with_earlier(Files files)
{
    files["a.rtp"] = files["a.inf"] = "earlier\n";
    return files;
}

const std::string k_full_disk = "trap '' XFSZ; ulimit -f ";  // 512-byte blocks; writes fail with EFBIG

TEST(Special, Limits)
{
    const std::string dirs(3000, 'd');
    const Files earlier = {{"a.prj", k_project}, {"s.ses", k_session}, {"a.rtp", "earlier\n"}, {"a.inf", "earlier\n"}};
    check_rows({
        {"full disk, project file", earlier, "", k_full_disk + "1; exec \"$PRJMIGR\" a.prj s.ses", 255,
         "(E) Unable to write a.rtp\n", {}, ""},
        {"full disk, project file named by -o", earlier, "", k_full_disk + "1; exec \"$PRJMIGR\" -o o.rtp a.prj s.ses",
         255, "(E) Unable to write o.rtp\n", {}, ""},
        // 2^11 session nodes, 6.5 MB a campaign: the limit is met on the formatting thread (which
        // tests let take every tree, one record ahead at most) while the next campaigns are read.
        {"full disk, project file of several buffers", with_earlier(chain_of_campaigns(11, 2)), "",
         k_full_disk + "8192; PRJMIGR_TEST_JOB_LIMITS=1,0 exec \"$PRJMIGR\" a.prj c0.cmp c0.cmp c0.cmp", 255,
         "(E) Unable to write a.rtp\n", {}, ""},
        // Killed while it waits for a FIFO that a writer holds open, with buffers written: nothing
        // is left. The shell's notice of the killed jobs goes to /dev/null.
        {"SIGTERM while writing", with_earlier(chain_of_campaigns(11, 2)), "mkfifo f.ses",
         "sleep 60 <>f.ses >/dev/null 2>&1 & holder=$!; \"$PRJMIGR\" a.prj c0.cmp f.ses & tool=$!; "
         "for i in $(seq 400); do ls -l /proc/$tool/fd 2>/dev/null | grep -q f.ses && break; sleep 0.05; done; "
         "{ kill -TERM $tool; wait $tool; status=$?; kill $holder; wait $holder; } 2>/dev/null; exit $status",
         143, "", {}, ""},
        // A session file as the project: its paths fill the objects file, the project file stays
        // short; complete, it still waits for the objects file, so neither is replaced.
        {"full disk, objects file",
         {{"a.prj", k_session_header + "FP " + dirs + "/t.ptu\nFS " + dirs + "/t.c\n"},
          {"a.rtp", "earlier\n"}, {"a.inf", "earlier\n"}},
         "", k_full_disk + "4; exec \"$PRJMIGR\" a.prj", 255, "(E) Unable to write a.inf\n", {}, ""},
        // Each file is closed before its members are opened, and nesting takes no stack.
        {"chain of 10,000 campaigns", chain_of_campaigns(10000, 1), "",
         "ulimit -n 64; ulimit -s 512; exec \"$PRJMIGR\" a.prj c0.cmp", 0, "", {"a.rtp", "a.inf"},
         "count 10000 '^        <group>$' a.rtp && count 10000 '^        </group>$' a.rtp && "
         "count 1 '<unit_testing>' a.rtp && count 1 '<name>c9999</name>' a.rtp && count 2 '<filepath>t.ptu' a.inf"},
        {"session file of 300 MiB", {{"a.prj", k_project}, {"c.cmp", k_campaign_header + "FI big.ses\n"}},
         reference(":", "\"$PRJMIGR\" a.prj c.cmp") + " && truncate -s 300M big.ses",
         "exec \"$PRJMIGR\" --warnings a.prj c.cmp", 0,
         "c.cmp:2: warning: big.ses cannot be read (File too large), so it is left out\n", {"a.rtp", "a.inf"},
         "same a ref"},
        // Left out, it is still an input: -o naming it, as an argument or a member, is refused.
        {"-o naming a session file of 300 MiB", {{"a.prj", k_project}, {"c.cmp", k_campaign_header + "FI big.ses\n"}},
         "truncate -s 300M big.ses && ln -s big.ses big.out",
         "\"$PRJMIGR\" -o big.out a.prj big.ses; test $? = 255 && exec \"$PRJMIGR\" -o big.out a.prj c.cmp", 255,
         "(E) Output file big.out is also an input file; it is left unchanged\n"
             "(E) Output file big.out is also an input file; it is left unchanged\n",
         {}, ":"},
        // Runs on the same outputs: each replaces both as one step, so the pair
        // left is always one run's (the project file names its objects file and
        // both carry that run's sessions). Four runs a round make a mixed pair
        // likelier where the replacements are not one step.
        {"100 rounds of four runs on the same outputs",
         {{"a.prj", k_project}, {"c.cmp", k_campaign_header + "FI s.ses\nFI t/s.ses\n"}, {"s.ses", k_session},
          {"t/s.ses", k_session_header + "CX Native\nFP u.ptu\nFS u.c\n"}},
         "\"$PRJMIGR\" -o out.rtp a.prj c.cmp && mv out.rtp c.rtp && mv out.inf c.inf && "
         "\"$PRJMIGR\" -o out.rtp a.prj s.ses && mv out.rtp s.rtp && mv out.inf s.inf",
         "for round in $(seq 100); do runs=; for run in c.cmp s.ses c.cmp s.ses; do "
         "\"$PRJMIGR\" -o out.rtp a.prj $run & runs=\"$runs $!\"; done; for run in $runs; do wait $run || exit 1; done; "
         "{ cmp -s out.rtp c.rtp && cmp -s out.inf c.inf; } || { cmp -s out.rtp s.rtp && cmp -s out.inf s.inf; } || "
         "{ echo mixed pair in round $round; exit 1; }; done",
         0, "", {"out.rtp", "out.inf"}, ":"},
    });
}

// Peak memory, measured with GNU time; the ThreadSanitizer build, whose shadow
// memory is several times the tool's, leaves this test out.
TEST(Special, PeakMemory)
{
    check_rows({
        // 2^19 session nodes, a project file of 1.7 GB: memory follows the files, not the nodes.
        {"fan-out of 2^19 session nodes", chain_of_campaigns(19, 2), "ln -s /dev/null fan.rtp",
         k_peak_memory + "\"$PRJMIGR\" -o fan.rtp a.prj c0.cmp",
         0, "", {"fan.inf", "rss"}, "test \"$(cat rss)\" -lt 65536 && count 2 '<file>' fan.inf"},
        // An input is read whole up to 256 MiB; past that it is left out, so memory stays below 300 MiB.
        {"endless session file: a link to /dev/zero", {{"a.prj", k_project}},
         reference(":", "\"$PRJMIGR\" a.prj") + " && ln -s /dev/zero z.ses",
         k_peak_memory + "\"$PRJMIGR\" --warnings a.prj z.ses", 0,
         "z.ses: warning: cannot be read (File too large), so it is left out\n", {"a.rtp", "a.inf", "rss"},
         "test \"$(cat rss)\" -lt " + k_peak_of_largest_file + " && same a ref"},
        // 2,000,000 lines that each give a report (10 MB): 100 printed and a count, a log of 100
        // results; reports are not kept, so memory stays that of the file.
        {"2,000,000 reports", {{"a.prj", k_project}}, "{ echo '$$$IHM NEVRA$$$SESSION'; yes 'ZZ x' | head -n 2000000; } > s.ses",
         k_peak_memory + "\"$PRJMIGR\" --sarif log.sarif a.prj s.ses 2>err", 0, "", {"a.rtp", "a.inf", "rss", "log.sarif", "err"},
         "test \"$(cat rss)\" -lt " + k_peak_of_reports + " && count 101 . err && "
         "grep -q '1999900 more reports about this file are not shown' err"},
    });
}

TEST(Special, SarifLogs)
{
    // 260 sessions of 100 reports each: every line printed, the log stops at 25,000 results.
    Files many = {{"a.prj", k_project}, {"c.cmp", k_campaign_header}};
    std::string reported = k_session_header;
    for (int line = 0; line < 100; ++line)
        reported += "ZZ x\n";
    for (int session = 0; session < 260; ++session) {
        many["c.cmp"] += "FI s" + std::to_string(session) + ".ses\n";
        many["s" + std::to_string(session) + ".ses"] = reported;
    }
    // A run from a subfolder of a git work tree: every file named relative to
    // its top, made canonical; a file outside it by an absolute URI.
    const Files tree = {{"repo/proj/p.prj", k_project},
                        {"repo/proj/c.cmp", k_campaign_header + "FI ./sessions/../sessions/b.ses\nFI gone.ses\n"},
                        {"repo/proj/sessions/b.ses", k_session_header + "ZZ x\n"}};
    const std::string uri = "'\"uri\":\"";
    check_rows({
        {"25,000 results at most", many, "",
         "\"$PRJMIGR\" --check --sarif log.sarif a.prj c.cmp 2>err; test $? = 2", 0, "", {"log.sarif", "err"},
         "count 26000 ': warning: ZZ' err && test \"$(grep -o '\"ruleId\"' log.sarif | wc -l)\" = 25000 && "
         "grep -q '\"descriptor\":{\"id\":\"results-not-logged\",[^}]*},\"level\":\"note\",\"message\":"
         "{\"text\":\"1000 more results are left out of this log, which holds at most 25000\"}' log.sarif"},
        {"URIs from a subfolder of a git work tree", tree, "mkdir repo/.git",
         "cd repo/proj && exec \"$PRJMIGR\" --check --sarif ../../log.sarif p.prj c.cmp ./sessions/b.ses gone/./x.ses "
         "gone/x.ses ../../outside/../outside/y.ses 2>/dev/null",
         2, "", {"log.sarif"},
         "top=$(pwd -P); count 1 " + uri + "proj/sessions/b.ses\",\"uriBaseId\":\"SRCROOT\"' log.sarif && "
         "test \"$(grep -o " + uri + "proj/gone/x.ses\",\"uriBaseId\":\"SRCROOT\"' log.sarif | wc -l)\" = 2 && "
         "grep -q " + uri + "proj/c.cmp\",\"uriBaseId\":\"SRCROOT\"},\"region\":{\"startLine\":3}' log.sarif && "
         "grep -q \"\\\"uri\\\":\\\"file://$top/outside/y.ses\\\"\" log.sarif && "
         "grep -q \"\\\"SRCROOT\\\":{\\\"uri\\\":\\\"file://$top/repo/\\\"}\" log.sarif && "
         "grep -q \"\\\"workingDirectory\\\":{\\\"uri\\\":\\\"file://$top/repo/proj/\\\"}\" log.sarif"},
    });
}

TEST(Special, Batch)
{
    // Every project of a batch writes the documents of its plan's single run
    // from its folder; a dot folder (.git) is no project.
    const std::string fleet = "cp -a \"$GOLDEN/batch_fleet/fleet\" . && mkdir fleet/.git && "
                              "printf '$$$IHM NEVRA$$$PROJET\\n' > fleet/.git/x.prj";
    const std::string plan = "\"$PRJMIGR\" --batch --list --windows-paths fleet > plan; mkdir ref && cp -a fleet ref/ && "
                             "(cd ref && PATH=\"$(dirname \"$PRJMIGR\"):$PATH\" && "
                             "while read -r line; do (eval \"$line\") >/dev/null 2>&1; done < ../plan)";
    std::set<std::string> written = {"out", "err"};
    for (const std::string document : {"small/p", "cycle/p", "nested/p", "nested/inner/q", "windows/PROJ"}) {
        written.insert("fleet/" + document + ".rtp");
        written.insert("fleet/" + document + ".inf");
    }
    check_rows({
        {"each project as its plan's single run", {}, fleet + " && " + plan,
         "exec \"$PRJMIGR\" --batch --windows-paths --jobs 3 fleet >out 2>err", 255, "", written,
         "test \"$(grep -c . plan)\" = 6 && ! grep -q '\\.git' plan err && "
         "for f in $(cd ref && find fleet -name '*.rtp' -type f -o -name '*.inf' -type f); do cmp \"ref/$f\" \"$f\" || exit 1; "
         "done && test \"$(cd ref && find fleet -name '*.rtp' -type f -o -name '*.inf' -type f | wc -l)\" = 10"},
    });
}

TEST(Special, SpecialFiles)
{
    check_rows({
        // FIFOs without a writer read as empty files at once, as /dev/null does.
        {"FIFOs as project, campaign, session and member",
         {{"c.cmp", k_campaign_header + "FI null.ses\nFI s.ses\n"}, {"s.ses", k_session}},
         "mkfifo null.prj null.cmp null.ses", "exec \"$PRJMIGR\" null.prj null.cmp c.cmp null.ses", 0, "",
         {"null.rtp", "null.inf"}, "same null \"$GOLDEN\"/hostile_dev_null_inputs/expected"},
        {"FIFO as the project file, written in place", {{"a.prj", k_project}},
         reference(":", "\"$PRJMIGR\" -o pipe.rtp a.prj") + " && mkfifo pipe.rtp",
         "timeout 20 cat pipe.rtp > got.xml & reader=$!; \"$PRJMIGR\" -o pipe.rtp a.prj; status=$?; "
         "wait $reader; exit $status",
         0, "", {"got.xml", "pipe.inf"}, "cmp got.xml ref/pipe.rtp && cmp pipe.inf ref/pipe.inf"},
        // A FIFO as the objects file is opened only once the project file is complete: here
        // it never is, so the run ends instead of waiting for a reader.
        {"FIFO as the objects file of a failed run", {{"a.prj", k_project}, {"s.ses", k_session}}, "mkfifo a.inf",
         k_full_disk + "1; exec timeout 20 \"$PRJMIGR\" a.prj s.ses", 255, "(E) Unable to write a.rtp\n", {}, ""},
        // Run as root, a replacement by rename would turn /dev/null into a regular file.
        {"/dev/null through a link as the project file", {{"a.prj", k_project}},
         "ln -s /dev/null sink.rtp && stat -c '%F %i %t %T' /dev/null > devnull",
         "exec \"$PRJMIGR\" -o sink.rtp a.prj", 0, "", {"sink.inf"},
         "test -c /dev/null && test \"$(stat -c '%F %i %t %T' /dev/null)\" = \"$(cat devnull)\""},
    });
}

TEST(Special, Permissions)
{
    // Root reads any file: the tool runs as nobody then, in a folder it may write.
    const std::string as_nobody = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    if (run_shell(as_nobody + "test -x \"$PRJMIGR\"", "/").exit_code != 0)
        GTEST_SKIP() << "user nobody cannot reach " << tool_path();
    const std::string run = "\"$PRJMIGR\" secret.prj secret.cmp c.cmp secret.ses";
    std::vector<Row> rows = {
        // Files of mode 000 read as missing ones, and keep their mode.
        {"unreadable project, campaign, session and member",
         {{"secret.prj", k_project_header + "NC Secret\n"}, {"secret.cmp", k_campaign_header + "FI s.ses\n"},
          {"secret.ses", k_session}, {"s.ses", k_session}, {"c.cmp", k_campaign_header + "FI secret.ses\nFI s.ses\n"}},
         reference("rm secret.*", run) + " && chmod 000 secret.* && chmod 777 . && chmod 755 \"$KELMARDIR\"",
         "exec " + as_nobody + run, 0, "", {"secret.rtp", "secret.inf"}, "same secret ref"},
    };
    // In a sticky folder the objects file of another user cannot be replaced:
    // the project file put in place first is taken back, so both stay as they were.
    if (::geteuid() == 0) {
        const Files files = {{"a.prj", k_project}, {"s.ses", k_session}, {"out.inf", "earlier\n"}};
        Files with_project = files;
        with_project["out.rtp"] = "earlier\n";
        const std::string command = "exec " + as_nobody + "\"$PRJMIGR\" -o out.rtp a.prj s.ses";
        rows.push_back({"objects file of another user in a sticky folder", with_project,
                        "chmod 1777 . && chmod 666 out.inf && chmod 755 \"$KELMARDIR\" && chown 65534 out.rtp", command, 255,
                        "(E) Unable to write out.inf\n", {}, ""});
        rows.push_back({"objects file of another user in a sticky folder, no earlier project file", files,
                        "chmod 1777 . && chmod 666 out.inf && chmod 755 \"$KELMARDIR\"", command, 255, "(E) Unable to write out.inf\n",
                        {}, ""});
    }
    check_rows(rows);
}

TEST(Special, HardLinks)
{
    check_rows({
        // Found by the file, not its name: the documents are those of a symbolic link.
        {"campaign cycle through a hard link",
         {{"a.prj", k_project}, {"c.cmp", k_campaign_header + "FI hard.cmp\nFI s.ses\n"}, {"s.ses", k_session}},
         "ln c.cmp hard.cmp", "exec \"$PRJMIGR\" a.prj c.cmp", 0,
         "(E) Campaign cycle: c.cmp names hard.cmp, which is already being read\n", {"a.rtp", "a.inf"},
         "same a \"$GOLDEN\"/hostile_cycle_symbolic_link/expected"},
        {"-o naming a hard link of the project input", {{"demo.prj", k_project}}, "ln demo.prj hard.rtp",
         "exec \"$PRJMIGR\" -o hard.rtp demo.prj", 255,
         "(E) Output file hard.rtp is also an input file; it is left unchanged\n", {}, ""},
        {"-o naming a hard link of the objects file", {{"a.prj", k_project}, {"x.inf", "earlier\n"}},
         "ln x.inf x.rtp", "exec \"$PRJMIGR\" -o x.rtp a.prj", 255,
         "(E) Output file x.rtp would be written twice: the project file and the objects file cannot have the "
         "same name\n", {}, ""},
    });
}

TEST(Special, GeneratedInputs)
{
    const std::string value(10 * 1024 * 1024, 'x');
    const std::string all = "\"$PRJMIGR\" a.prj c.cmp s.ses";
    std::vector<Row> rows = {
        // A line of 10 MiB with a value, one without a key, and a last line without a line feed.
        {"10 MiB lines",
         {{"a.prj", k_project}, {"s.ses", k_session_header + "CX Native\nOC " + value + "\n" + value + "\nFP t.ptu"}},
         "", "exec \"$PRJMIGR\" a.prj s.ses", 0, "", {"a.rtp", "a.inf"},
         "count 1 xxxxxxxxxx a.rtp && count 2 '>t.ptu</filepath>' a.inf && "
         "test \"$(grep -x '                       <cflags>xx*</cflags>' a.rtp | wc -c)\" = 10485801"},
        {"random bytes in every value", random_values(), "", "exec " + all, 0, "", {"a.rtp", "a.inf"},
         "count 2 '<unit_testing>' a.rtp"},
        // Bytes that the runner's environment cannot carry: not UTF-8, read as Windows-1252.
        {"NEVRAHOME in Latin-1", {{"a.prj", k_project}}, "",
         "NEVRAHOME=\"$(printf '/opt/caf\\351/\\344\\337')\" exec \"$PRJMIGR\" a.prj", 0, "", {"a.rtp", "a.inf"},
         "for f in a.rtp a.inf; do sed 's|\"/opt/caf\xC3\xA9/\xC3\xA4\xC3\x9F/|\"/opt/r\\&d/|' $f | "
         "cmp - \"$GOLDEN\"/hostile_nevrahome_ampersand/expected/$f || exit 1; done"},
    };
    // Random bytes hold no header line: the file reads as an empty one.
    for (const std::string name : {"a.prj", "c.cmp", "s.ses"}) {
        Files files = {{"a.prj", k_project}, {"c.cmp", k_campaign_header + "FI s.ses\n"}, {"s.ses", k_session}};
        files[name] = random_bytes(256 * 1024, 20261206);
        rows.push_back({"random bytes as " + name, files, reference(": > " + name, all), "exec " + all, 0, "",
                        {"a.rtp", "a.inf"}, "same a ref"});
    }
    check_rows(rows);
}

}  // namespace

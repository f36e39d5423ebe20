// Reading legacy files and the campaigns they name: from a table of files in
// memory, where two names can share one identity the way links do, and from disk.
#include "legacy/reader.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

#include "messages/console.h"
#include "support/temp_tree.h"

namespace {

const std::string k_session = "$$$IHM NEVRA$$$SESSION\n";
const std::string k_campaign = "$$$IHM NEVRA$$$CAMPAGNE\n";
const std::string k_project = "$$$IHM NEVRA$$$PROJET\n";

// A campaign file naming `members` through FI lines, in this order.
std::string campaign_of(const std::vector<std::string>& members)
{
    std::string text = k_campaign;
    for (const std::string& member : members)
        text += "FI " + member + "\n";
    return text;
}

std::string cycle_error(const std::string& campaign, const std::string& member)
{
    return "(E) Campaign cycle: " + campaign + " names " + member + ", which is already being read\n";
}

// Legacy files held in memory; every path added gets an identity of its own.
class MemoryFiles {
public:
    void add(const std::string& path, std::string bytes)
    {
        entries_[path] = std::make_shared<Entry>(Entry{std::move(bytes), FileId{1, next_inode_++}});
    }
    // `alias` names the same file as `path`, as a link would.
    void link(const std::string& alias, const std::string& path) { entries_[alias] = entries_.at(path); }
    FileId id(const std::string& path) const { return entries_.at(path)->id; }

    LegacyFiles files() const
    {
        return LegacyFiles{
            [this](const std::string& path) -> std::optional<FileId> {
                const auto entry = entries_.find(path);
                return entry == entries_.end() ? std::nullopt : std::optional(entry->second->id);
            },
            [this](const std::string& path) -> std::optional<LegacyText> {
                const auto entry = entries_.find(path);
                if (entry == entries_.end())
                    return std::nullopt;
                return LegacyText{entry->second->bytes, entry->second->id};
            },
        };
    }

private:
    struct Entry {
        std::string bytes;
        FileId id;
    };
    std::map<std::string, std::shared_ptr<Entry>> entries_;
    ino_t next_inode_ = 1;
};

std::vector<std::string> member_paths(const LegacyRecord& record)
{
    std::vector<std::string> paths;
    for (const LegacyRecord& member : record.members)
        paths.push_back(member.path);
    return paths;
}

std::string announcements(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& path : paths)
        text += "Parsing " + path + "\n";
    return text;
}

struct Outcome {
    std::optional<LegacyRecord> record;
    std::string out;
    std::string err;
};

class ReaderTest : public testing::Test {
protected:
    void SetUp() override
    {
        reset_legacy_model();
        g_verbose = 1;
    }
    void TearDown() override
    {
        reset_legacy_model();
        g_verbose = 0;
    }

    // Reads `path` in verbose mode, with what it printed on both channels.
    static Outcome read(const std::string& path, const LegacyFiles& files = disk_legacy_files())
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        Outcome outcome;
        outcome.record = read_legacy_file(path, files);
        outcome.out = testing::internal::GetCapturedStdout();
        outcome.err = testing::internal::GetCapturedStderr();
        return outcome;
    }
};

// --- From memory ---------------------------------------------------------------

TEST_F(ReaderTest, AMissingFileIsAnnouncedAndYieldsNothing)
{
    const MemoryFiles memory;
    const Outcome outcome = read("dir/missing.ses", memory.files());
    EXPECT_FALSE(outcome.record);
    EXPECT_EQ(outcome.out, "Parsing dir/missing.ses\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(g_input_files.empty());
}

TEST_F(ReaderTest, ARecordKeepsThePathAsGivenAndNothingIsPrintedOutsideVerboseMode)
{
    MemoryFiles memory;
    memory.add("./dir/s.ses", k_session + "FP t.ptu\n");
    g_verbose = 0;
    const Outcome outcome = read("./dir/s.ses", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.record->path, "./dir/s.ses");
    EXPECT_EQ(outcome.record->script_file, "./dir/t.ptu");
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(g_input_files, std::set<FileId>{memory.id("./dir/s.ses")});
}

TEST_F(ReaderTest, MembersAreKeptInFileOrderSoTheNewestIsLast)
{
    MemoryFiles memory;
    memory.add("camp/all.cmp", campaign_of({"a.ses", "b.ses"}));
    memory.add("camp/a.ses", k_session + "FP a.ptu\n");
    memory.add("camp/b.ses", k_session + "FP b.ptu\n");
    const Outcome outcome = read("camp/all.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(member_paths(*outcome.record), (std::vector<std::string>{"camp/a.ses", "camp/b.ses"}));
    EXPECT_EQ(outcome.record->members.back().script_file, "camp/b.ptu");
    EXPECT_EQ(g_script_files.paths, (std::vector<std::string>{"camp/a.ptu", "camp/b.ptu"}));
}

TEST_F(ReaderTest, NestedCampaignsKeepTheirOwnMembers)
{
    MemoryFiles memory;
    memory.add("c.cmp", campaign_of({"a.ses", "d/d.cmp", "b.ses"}));
    memory.add("a.ses", k_session);
    memory.add("b.ses", k_session);
    memory.add("d/d.cmp", campaign_of({"x.ses", "y.ses"}));
    memory.add("d/x.ses", k_session);
    memory.add("d/y.ses", k_session);
    const Outcome outcome = read("c.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    const LegacyRecord& campaign = *outcome.record;
    EXPECT_EQ(member_paths(campaign), (std::vector<std::string>{"a.ses", "d/d.cmp", "b.ses"}));
    EXPECT_EQ(member_paths(campaign.members[1]), (std::vector<std::string>{"d/x.ses", "d/y.ses"}));
    EXPECT_TRUE(campaign.members[0].members.empty());
    EXPECT_TRUE(campaign.members[2].members.empty());
    EXPECT_EQ(outcome.out, announcements({"c.cmp", "a.ses", "d/d.cmp", "d/x.ses", "d/y.ses", "b.ses"}));
}

TEST_F(ReaderTest, EveryFileIsAnnouncedInReadingOrderMissingOnesAndPercentSignsIncluded)
{
    MemoryFiles memory;
    memory.add("p/all.cmp", campaign_of({"s1.ses", "missing.ses", "sub/n.cmp", "100%.ses", "a%1b.ses"}));
    memory.add("p/s1.ses", k_session);
    memory.add("p/sub/n.cmp", campaign_of({"x.ses", "%2.ses"}));
    memory.add("p/sub/x.ses", k_session);
    memory.add("p/100%.ses", k_session);
    memory.add("p/a%1b.ses", k_session);
    const Outcome outcome = read("p/all.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.out, announcements({"p/all.cmp", "p/s1.ses", "p/missing.ses", "p/sub/n.cmp",
                                          "p/sub/x.ses", "p/sub/%2.ses", "p/100%.ses", "p/a%1b.ses"}));
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(member_paths(*outcome.record),
              (std::vector<std::string>{"p/s1.ses", "p/sub/n.cmp", "p/100%.ses", "p/a%1b.ses"}));
    EXPECT_EQ(member_paths(outcome.record->members[1]), std::vector<std::string>{"p/sub/x.ses"});
}

TEST_F(ReaderTest, AMemberNamingAProjectFileIsReadAsAProject)
{
    MemoryFiles memory;
    memory.add("c.cmp", campaign_of({"p.prj"}));
    memory.add("p.prj", k_project + "IN before\nNC Debug\nIN after\n");
    const Outcome outcome = read("c.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    ASSERT_EQ(outcome.record->members.size(), 1u);
    const LegacyRecord& project = outcome.record->members[0];
    ASSERT_EQ(project.configs.size(), 1u);
    EXPECT_EQ(project.configs[0].name, "Debug");
    EXPECT_EQ(g_include_dirs, (std::vector<std::string>{"before", "after"}));
}

TEST_F(ReaderTest, AFileNamedTwiceIsReadTwice)
{
    MemoryFiles memory;
    memory.add("c.cmp", campaign_of({"s.ses", "s.ses"}));
    memory.add("s.ses", k_session + "FP t.ptu\n");
    const Outcome outcome = read("c.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(member_paths(*outcome.record), (std::vector<std::string>{"s.ses", "s.ses"}));
    EXPECT_EQ(outcome.out, announcements({"c.cmp", "s.ses", "s.ses"}));
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(g_script_files.paths, std::vector<std::string>{"t.ptu"});
}

TEST_F(ReaderTest, AFileReachedTwiceWithoutACycleIsReadTwice)
{
    // a names b and c, and both name d: d is never on the chain twice.
    MemoryFiles memory;
    memory.add("a.cmp", campaign_of({"b.cmp", "c.cmp"}));
    memory.add("b.cmp", campaign_of({"d.ses"}));
    memory.add("c.cmp", campaign_of({"d.ses"}));
    memory.add("d.ses", k_session);
    const Outcome outcome = read("a.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, announcements({"a.cmp", "b.cmp", "d.ses", "c.cmp", "d.ses"}));
    ASSERT_EQ(outcome.record->members.size(), 2u);
    EXPECT_EQ(member_paths(outcome.record->members[0]), std::vector<std::string>{"d.ses"});
    EXPECT_EQ(member_paths(outcome.record->members[1]), std::vector<std::string>{"d.ses"});
}

TEST_F(ReaderTest, ACampaignNamingItselfIsReportedAndTheRestIsRead)
{
    MemoryFiles memory;
    memory.add("a.cmp", campaign_of({"a.cmp", "s.ses"}));
    memory.add("s.ses", k_session);
    const Outcome outcome = read("a.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, cycle_error("a.cmp", "a.cmp"));
    EXPECT_EQ(outcome.out, announcements({"a.cmp", "s.ses"}));
    EXPECT_EQ(member_paths(*outcome.record), std::vector<std::string>{"s.ses"});
}

TEST_F(ReaderTest, AnIndirectCycleIsBrokenWhereItCloses)
{
    MemoryFiles memory;
    memory.add("dir/a.cmp", campaign_of({"b.cmp"}));
    memory.add("dir/b.cmp", campaign_of({"a.cmp", "s.ses"}));
    memory.add("dir/s.ses", k_session);
    const Outcome outcome = read("dir/a.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, cycle_error("dir/b.cmp", "dir/a.cmp"));
    EXPECT_EQ(outcome.out, announcements({"dir/a.cmp", "dir/b.cmp", "dir/s.ses"}));
    ASSERT_EQ(member_paths(*outcome.record), std::vector<std::string>{"dir/b.cmp"});
    EXPECT_EQ(member_paths(outcome.record->members[0]), std::vector<std::string>{"dir/s.ses"});
}

TEST_F(ReaderTest, ACycleBackToAnyCampaignOnTheChainIsBroken)
{
    MemoryFiles memory;
    memory.add("a.cmp", campaign_of({"b.cmp"}));
    memory.add("b.cmp", campaign_of({"c.cmp"}));
    memory.add("c.cmp", campaign_of({"b.cmp", "a.cmp"}));
    const Outcome outcome = read("a.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, cycle_error("c.cmp", "b.cmp") + cycle_error("c.cmp", "a.cmp"));
    EXPECT_EQ(outcome.out, announcements({"a.cmp", "b.cmp", "c.cmp"}));
}

TEST_F(ReaderTest, ACycleThroughAnotherNameOfTheSameFileIsBroken)
{
    // The names are filled in one pass: "%2" in the first and "%1" in the second stay.
    MemoryFiles memory;
    memory.add("c%2.cmp", campaign_of({"al%1.cmp"}));
    memory.link("al%1.cmp", "c%2.cmp");
    const Outcome outcome = read("c%2.cmp", memory.files());
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, "(E) Campaign cycle: c%2.cmp names al%1.cmp, which is already being read\n");
    EXPECT_EQ(outcome.out, announcements({"c%2.cmp"}));
    EXPECT_TRUE(outcome.record->members.empty());
}

TEST_F(ReaderTest, EveryOpenedFileIsRemembered)
{
    MemoryFiles memory;
    memory.add("a.cmp", campaign_of({"s1.ses", "missing.ses", "alias.ses", "s2.ses"}));
    memory.add("s1.ses", k_session);
    memory.add("s2.ses", k_session);
    memory.add("unread.ses", k_session);
    memory.link("alias.ses", "s1.ses");
    read("a.cmp", memory.files());
    EXPECT_EQ(g_input_files,
              (std::set<FileId>{memory.id("a.cmp"), memory.id("s1.ses"), memory.id("s2.ses")}));
}

// --- From disk -------------------------------------------------------------------

// Lowers the limit of open files for a scope.
class FileLimit {
public:
    explicit FileLimit(rlim_t soft)
    {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min(soft, saved_.rlim_max);
        EXPECT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    }
    ~FileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }
    FileLimit(const FileLimit&) = delete;
    FileLimit& operator=(const FileLimit&) = delete;

private:
    rlimit saved_{};
};

TEST_F(ReaderTest, AMissingFileOrADirectoryOnDiskYieldsNothing)
{
    TempTree tree;
    tree.write("folder.ses/inside", "x");
    tree.write("c.cmp", campaign_of({"folder.ses", "missing.ses"}));
    EXPECT_FALSE(read(tree.path("missing.ses")).record);
    EXPECT_FALSE(read(tree.path("folder.ses")).record);
    EXPECT_TRUE(g_input_files.empty());

    const Outcome outcome = read(tree.path("c.cmp"));
    ASSERT_TRUE(outcome.record);
    EXPECT_TRUE(outcome.record->members.empty());
    EXPECT_EQ(outcome.out, announcements({tree.path("c.cmp"), tree.path("folder.ses"),
                                          tree.path("missing.ses")}));
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(g_input_files, std::set<FileId>{*identify_disk_file(tree.path("c.cmp"))});
}

TEST_F(ReaderTest, FilesOnDiskAreReadAndRememberedByDeviceAndInode)
{
    TempTree tree;
    tree.write("c.cmp", campaign_of({"sub/s.ses"}));
    tree.write("sub/s.ses", k_session + "FS ../src/a.c\r\n");
    const Outcome outcome = read(tree.path("c.cmp"));
    ASSERT_TRUE(outcome.record);
    ASSERT_EQ(outcome.record->members.size(), 1u);
    EXPECT_EQ(outcome.record->members[0].source_file, tree.path("sub/../src/a.c"));
    EXPECT_EQ(g_input_files, (std::set<FileId>{*identify_disk_file(tree.path("c.cmp")),
                                               *identify_disk_file(tree.path("sub/s.ses"))}));
}

TEST_F(ReaderTest, CyclesThroughLinksOnDiskAreBroken)
{
    TempTree tree;
    tree.write("a.cmp", campaign_of({"sym.cmp", "hard.cmp", "s.ses"}));
    tree.write("s.ses", k_session);
    ASSERT_EQ(::symlink("a.cmp", tree.path("sym.cmp").c_str()), 0);
    ASSERT_EQ(::link(tree.path("a.cmp").c_str(), tree.path("hard.cmp").c_str()), 0);

    const Outcome outcome = read(tree.path("a.cmp"));
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, cycle_error(tree.path("a.cmp"), tree.path("sym.cmp"))
                               + cycle_error(tree.path("a.cmp"), tree.path("hard.cmp")));
    EXPECT_EQ(outcome.out, announcements({tree.path("a.cmp"), tree.path("s.ses")}));
    EXPECT_EQ(member_paths(*outcome.record), std::vector<std::string>{tree.path("s.ses")});
}

TEST_F(ReaderTest, ATenThousandLevelChainNeedsNeitherManyFilesNorADeepStack)
{
    constexpr int k_depth = 10000;
    TempTree tree;
    std::vector<std::string> expected_paths;
    for (int level = 0; level < k_depth; ++level) {
        const std::string name = "c" + std::to_string(level) + ".cmp";
        const std::string next = level + 1 < k_depth ? "c" + std::to_string(level + 1) + ".cmp" : "s.ses";
        tree.write(name, campaign_of({next}));
        expected_paths.push_back(tree.path(name));
    }
    tree.write("s.ses", k_session + "FP t.ptu\n");
    expected_paths.push_back(tree.path("s.ses"));

    Outcome outcome;
    {
        const FileLimit limit(64);
        outcome = read(tree.path("c0.cmp"));
    }
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(outcome.out == announcements(expected_paths)) << "the announcements differ";

    int depth = 0;
    const LegacyRecord* record = &*outcome.record;
    while (!record->members.empty()) {
        ASSERT_EQ(record->members.size(), 1u);
        record = &record->members[0];
        ++depth;
    }
    EXPECT_EQ(depth, k_depth);
    EXPECT_EQ(record->path, tree.path("s.ses"));
    EXPECT_EQ(record->script_file, tree.path("t.ptu"));
    EXPECT_EQ(g_input_files.size(), static_cast<size_t>(k_depth + 1));
}

}  // namespace

// Reading legacy files and the campaigns they name: the "Parsing" announcements
// (which the golden runs, not verbose, do not show), campaign cycles, the files
// remembered as inputs, and a chain of campaigns deeper than any stack or fd limit.
#include "legacy/reader.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <cerrno>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

#include "messages/console.h"
#include "support/temp_tree.h"
#include "writers/test_tree_writer.h"

namespace {

const std::string k_session = "$$$IHM NEVRA$$$SESSION\n";

std::string campaign_of(const std::vector<std::string>& members)
{
    std::string text = "$$$IHM NEVRA$$$CAMPAGNE\n";
    for (const std::string& member : members)
        text += "FI " + member + "\n";
    return text;
}

std::string cycle_error(const std::string& campaign, const std::string& member)
{
    return "(E) Campaign cycle: " + campaign + " names " + member + ", which is already being read\n";
}

std::string announcements(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& path : paths)
        text += "Parsing " + path + "\n";
    return text;
}

// A record and its members, nested: "c.cmp[a.ses d.cmp[x.ses]]".
std::string shape(const LegacyRecord& record)
{
    if (record.members.empty())
        return record.path;
    std::string text = record.path + "[";
    for (const LegacyRecord* member : record.members)
        text += (member == record.members.front() ? "" : " ") + shape(*member);
    return text + "]";
}

// Legacy files held in memory; every path gets an identity of its own unless linked.
class MemoryFiles {
public:
    void add(const std::string& path, std::string bytes)
    {
        entries_[path] = std::make_shared<Entry>(Entry{std::move(bytes), FileId{1, ++last_inode_}});
    }
    void link(const std::string& alias, const std::string& path) { entries_[alias] = entries_.at(path); }
    std::optional<FileId> id(const std::string& path) const
    {
        const auto entry = entries_.find(path);
        return entry == entries_.end() ? std::nullopt : std::optional(entry->second->id);
    }
    LegacyFiles files() const
    {
        const auto read = [this](const std::string& path, bool content) {
            const auto entry = entries_.find(path);
            LegacyText text;
            if (entry == entries_.end()) {
                text.error = ENOENT;
                return text;
            }
            text.id = entry->second->id;
            text.regular = true;
            if (content)
                text.bytes = entry->second->bytes;
            return text;
        };
        return {read, [](const std::string&) { return std::nullopt; }};
    }

private:
    struct Entry {
        std::string bytes;
        FileId id;
    };
    std::map<std::string, std::shared_ptr<Entry>> entries_;
    ino_t last_inode_ = 0;
};

struct Outcome {
    std::optional<LegacyTree> record;
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

struct ReadCase {
    const char* what;
    std::map<std::string, std::vector<std::string>> campaigns;  // each with its FI values
    std::vector<std::string> sessions;
    std::map<std::string, std::string> links;  // another name of the same file
    std::string root;
    std::string shape;                // of the record read; empty for none
    std::vector<std::string> parsed;  // the announcements, in reading order
    std::string err;
};

TEST_F(ReaderTest, AnnouncesEveryFileInReadingOrderAndBreaksCyclesWhereTheyClose)
{
    const ReadCase cases[] = {
        {"a missing file", {}, {}, {}, "dir/missing.ses", "", {"dir/missing.ses"}, ""},
        {"nesting, missing members and percent signs",
         {{"p/all.cmp", {"s1.ses", "missing.ses", "sub/n.cmp", "100%.ses"}}, {"p/sub/n.cmp", {"x.ses", "%2.ses"}}},
         {"p/s1.ses", "p/sub/x.ses", "p/100%.ses"}, {}, "p/all.cmp",
         "p/all.cmp[p/s1.ses p/sub/n.cmp[p/sub/x.ses] p/100%.ses]",
         {"p/all.cmp", "p/s1.ses", "p/missing.ses", "p/sub/n.cmp", "p/sub/x.ses", "p/sub/%2.ses", "p/100%.ses"}, ""},
        {"a file named twice is read twice", {{"c.cmp", {"s.ses", "alias.ses", "s.ses"}}}, {"s.ses"},
         {{"alias.ses", "s.ses"}}, "c.cmp", "c.cmp[s.ses alias.ses s.ses]",
         {"c.cmp", "s.ses", "alias.ses", "s.ses"}, ""},
        {"a file reached twice without a cycle",
         {{"a.cmp", {"b.cmp", "c.cmp"}}, {"b.cmp", {"d.ses"}}, {"c.cmp", {"d.ses"}}}, {"d.ses"}, {}, "a.cmp",
         "a.cmp[b.cmp[d.ses] c.cmp[d.ses]]", {"a.cmp", "b.cmp", "d.ses", "c.cmp", "d.ses"}, ""},
        {"a campaign naming itself", {{"a.cmp", {"a.cmp", "s.ses"}}}, {"s.ses"}, {}, "a.cmp", "a.cmp[s.ses]",
         {"a.cmp", "s.ses"}, cycle_error("a.cmp", "a.cmp")},
        {"an indirect cycle", {{"dir/a.cmp", {"b.cmp"}}, {"dir/b.cmp", {"a.cmp", "s.ses"}}}, {"dir/s.ses"}, {},
         "dir/a.cmp", "dir/a.cmp[dir/b.cmp[dir/s.ses]]", {"dir/a.cmp", "dir/b.cmp", "dir/s.ses"},
         cycle_error("dir/b.cmp", "dir/a.cmp")},
        {"cycles back to any campaign of the chain",
         {{"a.cmp", {"b.cmp"}}, {"b.cmp", {"c.cmp"}}, {"c.cmp", {"b.cmp", "a.cmp"}}}, {}, {}, "a.cmp",
         "a.cmp[b.cmp[c.cmp]]", {"a.cmp", "b.cmp", "c.cmp"},
         cycle_error("c.cmp", "b.cmp") + cycle_error("c.cmp", "a.cmp")},
        // Both names are filled in one pass: the "%2" of the first and the "%1" of the second stay.
        {"a cycle through another name", {{"c%2.cmp", {"al%1.cmp"}}}, {}, {{"al%1.cmp", "c%2.cmp"}}, "c%2.cmp",
         "c%2.cmp", {"c%2.cmp"}, cycle_error("c%2.cmp", "al%1.cmp")},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        reset_legacy_model();
        MemoryFiles memory;
        for (const auto& [path, members] : c.campaigns)
            memory.add(path, campaign_of(members));
        for (const std::string& path : c.sessions)
            memory.add(path, k_session);
        for (const auto& [alias, path] : c.links)
            memory.link(alias, path);

        const Outcome outcome = read(c.root, memory.files());
        EXPECT_EQ(outcome.record ? shape(outcome.record->root()) : "", c.shape);
        EXPECT_EQ(outcome.out, announcements(c.parsed));
        EXPECT_EQ(outcome.err, c.err);
        // Every file opened is remembered by its identity, to refuse it as an output.
        std::set<FileId> opened;
        for (const std::string& path : c.parsed)
            if (const std::optional<FileId> id = memory.id(path))
                opened.insert(*id);
        EXPECT_EQ(g_input_files, opened);
    }
}

TEST_F(ReaderTest, OnDiskADirectoryIsNoFileAndLinksAreTheFileTheyName)
{
    TempTree tree;
    tree.write("folder.ses/inside", "x");
    tree.write("a.cmp", campaign_of({"folder.ses", "missing.ses", "sym.cmp", "hard.cmp", "s.ses"}));
    tree.write("s.ses", k_session);
    ASSERT_EQ(::symlink("a.cmp", tree.path("sym.cmp").c_str()), 0);
    ASSERT_EQ(::link(tree.path("a.cmp").c_str(), tree.path("hard.cmp").c_str()), 0);

    EXPECT_FALSE(read(tree.path("folder.ses")).record);
    const Outcome outcome = read(tree.path("a.cmp"));
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(shape(outcome.record->root()), tree.path("a.cmp") + "[" + tree.path("s.ses") + "]");
    EXPECT_EQ(outcome.out, announcements({tree.path("a.cmp"), tree.path("folder.ses"), tree.path("missing.ses"),
                                          tree.path("s.ses")}));
    EXPECT_EQ(outcome.err, cycle_error(tree.path("a.cmp"), tree.path("sym.cmp"))
                               + cycle_error(tree.path("a.cmp"), tree.path("hard.cmp")));
    EXPECT_EQ(g_input_files, (std::set<FileId>{*identify_disk_file(tree.path("a.cmp")),
                                               *identify_disk_file(tree.path("s.ses"))}));
}

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

TEST_F(ReaderTest, ATenThousandLevelChainIsReadAndWrittenWithFewFilesAndNoDeepStack)
{
    constexpr int k_depth = 10000;
    TempTree tree;
    std::vector<std::string> chain;
    for (int level = 0; level < k_depth; ++level) {
        const std::string next = level + 1 < k_depth ? "c" + std::to_string(level + 1) + ".cmp" : "s.ses";
        chain.push_back("c" + std::to_string(level) + ".cmp");
        tree.write(chain.back(), campaign_of({next}));
    }
    chain.push_back("s.ses");
    tree.write("s.ses", k_session + "FP t.ptu\n");
    std::vector<std::string> paths;
    for (const std::string& name : chain)
        paths.push_back(tree.path(name));

    Outcome outcome;
    {
        const FileLimit limit(64);
        outcome = read(paths.front());
    }
    ASSERT_TRUE(outcome.record);
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(outcome.out == announcements(paths)) << "the announcements differ";
    EXPECT_EQ(g_input_files.size(), chain.size());
    const LegacyRecord* record = &outcome.record->root();
    for (size_t level = 0; level < chain.size(); ++level) {
        ASSERT_EQ(record->path, paths[level]);
        ASSERT_EQ(record->members.size(), level + 1 < chain.size() ? 1u : 0u);
        if (level + 1 < chain.size())
            record = record->members[0];
    }
    EXPECT_EQ(record->script_file, tree.path("t.ptu"));

    // Deeper than xmllint goes without its "huge" option: check the nesting in process.
    OutputStream out;
    write_group(out, "c0.cmp", outcome.record->root(), nullptr);
    QXmlStreamReader xml(QByteArray::fromStdString("<r>" + out.buffered() + "</r>"));
    int groups = 0;
    while (!xml.atEnd())
        groups += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"group";
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(groups, k_depth);
}

}  // namespace

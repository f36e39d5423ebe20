// Paths written on Windows, looked up in files served from memory: what the
// golden trees cannot show, how often folders are listed and folders that
// cannot be listed.
#include "legacy/path_value.h"
#include "legacy/suggestion.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// "." holds "Sessions" (20,000 sessions) and "Locked", which cannot be listed
// but holds "In.ses". Every listing is counted by folder.
LegacyFiles memory_files(std::map<std::string, int>& listings)
{
    LegacyFiles files;
    files.list = [&listings](const std::string& folder) -> std::optional<std::vector<FolderEntry>> {
        ++listings[folder];
        if (folder == ".")
            return std::vector<FolderEntry>{{"Sessions"}, {"Locked"}};
        if (folder != "Sessions")
            return std::nullopt;
        std::vector<FolderEntry> names;
        for (int i = 0; i < 20000; ++i)
            names.push_back({"S" + std::to_string(i) + ".ses"});
        return names;
    };
    files.exists = [](const std::string& path) { return path == "Locked/In.ses"; };
    return files;
}

TEST(CaseLookupTest, TwentyThousandNamesInAnotherCaseListTheirFolderOnce)
{
    std::map<std::string, int> listings;
    LegacyFiles files = memory_files(listings);
    ReaderOptions options;
    options.windows_paths = true;
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        ASSERT_EQ(resolve_path("all.cmp", "sessions\\s" + n + ".SES", options, files), "Sessions/S" + n + ".ses");
    }
    EXPECT_EQ(listings, (std::map<std::string, int>{{".", 1}, {"Sessions", 1}}));
}

TEST(CaseLookupTest, AFolderThatCannotBeListedKeepsTheNamesItHolds)
{
    std::map<std::string, int> listings;
    LegacyFiles files = memory_files(listings);
    EXPECT_EQ(match_letter_case("LOCKED/In.ses/x", files).path, "Locked/In.ses/x");
    EXPECT_FALSE(match_letter_case("LOCKED/In.ses/x", files).whole);
    const CaseMatch other_case = match_letter_case("Locked/IN.ses", files);
    EXPECT_EQ(other_case.path, "Locked/IN.ses");
    EXPECT_FALSE(other_case.whole);
}

}  // namespace

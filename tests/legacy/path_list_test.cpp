// The run-wide lists of scripts and sources: comparisons that fold ASCII letters
// and nothing else, and the first spelling kept.
#include "legacy/path_list.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

struct CompareCase {
    std::string a;
    std::string b;
    bool equal;
};

TEST(PathListTest, OnlyAsciiLettersFold)
{
    const CompareCase cases[] = {
        {"Test.PTU", "test.ptu", true},
        {"AZaz", "azAZ", true},
        {"", "", true},
        {"a\0B"s, "A\0b"s, true},
        {"abc", "abcd", false},
        {"abc", "abd", false},
        {"\xe9", "\xc9", false},  // é and É in Latin-1
        {"\xc3\xa9", "\xc3\x89", false},  // é and É in UTF-8
        {"@", "`", false},  // one bit apart, like a letter pair
        {"[", "{", false},
        {"^", "~", false},
        {"src/a.c", "src\\a.c", false},
        {"src/a.c", "./src/a.c", false},
        {"a.c", "a.c ", false},
    };
    for (const CompareCase& c : cases) {
        EXPECT_EQ(equals_nocase(c.a, c.b), c.equal) << testing::PrintToString(c.a) << " vs "
                                                    << testing::PrintToString(c.b);
        EXPECT_EQ(equals_nocase(c.b, c.a), c.equal) << testing::PrintToString(c.b) << " vs "
                                                    << testing::PrintToString(c.a);

        PathList list;
        add_unique_nocase(list, c.a);
        EXPECT_EQ(list_contains_nocase(list, c.b), c.equal) << testing::PrintToString(c.b);
    }
}

TEST(PathListTest, TheFirstSpellingIsKeptInOrderOfFirstOccurrence)
{
    PathList list;
    for (const char* path : {"Test.ptu", "b.c", "test.PTU", "TEST.ptu", "B.C", "a.c"})
        add_unique_nocase(list, path);
    EXPECT_EQ(list.paths, (std::vector<std::string>{"Test.ptu", "b.c", "a.c"}));
    EXPECT_TRUE(list_contains_nocase(list, "tEST.pTU"));
    EXPECT_FALSE(list_contains_nocase(list, "Test.ptu "));
}

TEST(PathListTest, ValuesThatDifferBeyondAsciiCaseAreAllKept)
{
    PathList list;
    const std::vector<std::string> paths = {"caf\xe9.c", "CAF\xc9.c", "src/a.c", "src\\a.c",
                                            "./src/a.c", "@x", "`x"};
    for (const std::string& path : paths)
        add_unique_nocase(list, path);
    EXPECT_EQ(list.paths, paths);
}

TEST(PathListTest, AnEmptyListContainsNothing)
{
    const PathList list;
    EXPECT_FALSE(list_contains_nocase(list, ""));
    EXPECT_FALSE(list_contains_nocase(list, "a"));
}

}  // namespace

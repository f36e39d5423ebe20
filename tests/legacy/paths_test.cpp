// The path helpers ('/', '\\' and ':' all separate) and the run-wide path lists,
// which fold ASCII letters and nothing else and keep the spelling met first.
#include "legacy/path_list.h"
#include "legacy/paths.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

TEST(PathsTest, BaseNameTakesTheLastComponentAndCutsOnlyItsLastExtension)
{
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"dir/sub/file.c", true, "file.c"},  {"dir/sub/file.c", false, "file"},
        {"archive.tar.gz", false, "archive.tar"}, {"a.b/c", false, "c"},
        {"C:file.txt", false, "file"},       {"..\\bin\\my.target.exe", false, "my.target"},
        {".profile", false, ""},             {".profile", true, ".profile"},
        {"dir/", true, ""},                  {"", false, ""},
    };
    for (const auto& [path, keep_ext, expected] : cases)
        EXPECT_EQ(base_name(path, keep_ext), expected) << path << " keep_ext=" << keep_ext;
}

TEST(PathsTest, DirNameKeepsEverythingUpToTheLastSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"dir/sub/file", "dir/sub/"}, {"file", ""}, {"C:file", "C:"}, {"/file", "/"},
        {"a\\b/c", "a\\b/"},          {"dir/", "dir/"}, {"", ""},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(dir_name(path), expected) << path;
}

TEST(PathsTest, OnlyALeadingSeparatorMakesAValueAbsolute)
{
    for (const char* relative : {"", "src/a.c", "C:\\x", "a/b:c"})
        EXPECT_TRUE(is_relative(relative)) << relative;
    for (const char* absolute : {"/x", "\\x", ":x"})
        EXPECT_FALSE(is_relative(absolute)) << absolute;
}

TEST(PathListTest, OnlyAsciiLettersFoldAndTheFirstSpellingIsKept)
{
    const std::tuple<std::string, std::string, bool> pairs[] = {
        {"Test.PTU", "test.ptu", true}, {"AZaz", "azAZ", true}, {"a\0B"s, "A\0b"s, true},
        {"abc", "abcd", false},         {"a.c", "a.c ", false},
        {"\xe9", "\xc9", false},          // é and É in Latin-1
        {"\xc3\xa9", "\xc3\x89", false},  // and in UTF-8
        {"@", "`", false}, {"[", "{", false}, {"^", "~", false},  // one bit apart, like a letter pair
        {"src/a.c", "src\\a.c", false}, {"src/a.c", "./src/a.c", false},
    };
    for (const auto& [a, b, equal] : pairs) {
        SCOPED_TRACE(testing::PrintToString(a) + " vs " + testing::PrintToString(b));
        PathList list;
        add_unique_nocase(list, a);
        add_unique_nocase(list, b);
        const std::vector<std::string> kept = equal ? std::vector<std::string>{a} : std::vector<std::string>{a, b};
        EXPECT_EQ(list.paths, kept);
        EXPECT_TRUE(list_contains_nocase(list, b));
    }
    PathList list;
    for (const char* path : {"Test.ptu", "b.c", "test.PTU", "TEST.ptu", "B.C", "a.c"})
        add_unique_nocase(list, path);
    EXPECT_EQ(list.paths, (std::vector<std::string>{"Test.ptu", "b.c", "a.c"}));
    EXPECT_FALSE(list_contains_nocase(PathList{}, ""));
}

}  // namespace

#include "legacy/paths.h"

#include <gtest/gtest.h>

namespace {

struct BaseNameCase {
    const char* path;
    bool keep_ext;
    const char* expected;
};

TEST(PathsTest, BaseNameTakesTheLastComponentAndCutsOnlyItsLastExtension)
{
    const BaseNameCase cases[] = {
        {"dir/sub/file.c", true, "file.c"},
        {"dir/sub/file.c", false, "file"},
        {"archive.tar.gz", false, "archive.tar"},
        {"a.b/c", false, "c"},
        {"a.b/c", true, "c"},
        {"C:file.txt", false, "file"},
        {"..\\bin\\my.target.exe", false, "my.target"},
        {".profile", false, ""},
        {".profile", true, ".profile"},
        {"dir/", true, ""},
        {"dir/", false, ""},
        {"", true, ""},
        {"", false, ""},
        {"lib\\util.h", true, "util.h"},
        {"C:src.c", true, "src.c"},
    };
    for (const BaseNameCase& c : cases)
        EXPECT_EQ(base_name(c.path, c.keep_ext), c.expected) << c.path << " keep_ext=" << c.keep_ext;
}

TEST(PathsTest, DirNameKeepsEverythingUpToTheLastSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"dir/sub/file", "dir/sub/"}, {"file", ""},   {"C:file", "C:"}, {"/file", "/"},
        {"a\\b/c", "a\\b/"},          {"dir/", "dir/"}, {"", ""},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(dir_name(path), expected) << path;
}

TEST(PathsTest, OnlyALeadingSeparatorMakesAValueAbsolute)
{
    for (const char* relative : {"", "src/a.c", "C:\\x", "a/b:c"})
        EXPECT_TRUE(is_relative(relative)) << relative;
    for (const char* absolute : {"/x", "\\x", "\\\\srv\\x", ":x"})
        EXPECT_FALSE(is_relative(absolute)) << absolute;
}

TEST(PathsTest, DirNameAndBaseNameJoinedDropOnlyTheLastExtension)
{
    for (const char* path : {"out/demo.final.rtp", "a\\b/c.d.e", "x", "C:y.z"}) {
        const std::string joined = dir_name(path) + base_name(path, false);
        const std::string whole(path);
        EXPECT_EQ(joined, whole.substr(0, whole.rfind('.') == std::string::npos ? whole.size() : whole.rfind('.')));
    }
}

TEST(PathsTest, LongPathsAreHandledWhole)
{
    const std::string folder(10000, 'd');
    const std::string file(6000, 'f');
    const std::string path = folder + "/" + file + ".ext";
    EXPECT_EQ(base_name(path, false), file);
    EXPECT_EQ(base_name(path, true), file + ".ext");
    EXPECT_EQ(dir_name(path), folder + "/");
}

}  // namespace

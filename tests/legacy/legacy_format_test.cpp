// The legacy text format on its own, for what the golden documents cannot show
// or show only in part: line preparation at its edges, line ends and lengths.
#include "legacy/legacy_format.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

const std::string k_session = "$$$IHM NEVRA$$$SESSION\n";

class LegacyFormatTest : public testing::Test {
protected:
    FileContent parse(const std::string& bytes, const std::string& path = "s.ses")
    {
        return parse_legacy_text(bytes, path, ReaderOptions(), files, named);
    }

    LegacyFiles files = disk_legacy_files();
    NamedFiles named;
};

TEST_F(LegacyFormatTest, PrepareLineRemovesTrailingBytesUpToTheBlankOnly)
{
    const std::pair<std::string, std::string> cases[] = {
        {"abc \t\r\n\0"s, "abc"},
        {"\tabc\t", "\tabc"},             // nothing at the start
        {"abc\x01\x7f", "abc\x01\x7f"},   // DEL is above the blank
        {"caf\xe9 \r", "caf\xe9"},        // bytes of 0x80 and more stay
        {"a\x80", "a\x80"},
        {"a\xff", "a\xff"},
        {"a\0b "s, "a\0b"s},
        {" \t\r\n\0"s, ""},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(prepare_line(line), expected) << testing::PrintToString(line);
}

TEST_F(LegacyFormatTest, OnlyALineFeedEndsALineAndOnlyABlankEndsAKey)
{
    const std::string wide(9997, 'x');
    const std::string head_5119 = "OC " + std::string(5116, 'a');  // the next key starts at byte 5119
    const FileContent content = parse(k_session + "CX a\rDB O\r\n" + "CS " + wide + "\n" + head_5119
                                      + "DB O\n" + "FS a\0b.c\0\n"s + "\0DB O\nSI\tO\n"s + "LK last");
    const SessionSettings& record = content.settings;
    EXPECT_EQ(record.config_name, "a\rDB O");  // a CR alone stays inside the line
    EXPECT_EQ(record.test_compile_flags, wide);
    EXPECT_EQ(record.compile_flags, std::string(5116, 'a') + "DB O");
    EXPECT_EQ(content.source_file, "a\0b.c"s);  // NUL bytes inside a line are kept
    EXPECT_FALSE(record.debug);                // each DB O above was inside another line
    EXPECT_FALSE(record.simulation);           // and a tab does not end a key
    EXPECT_EQ(record.link_file, "last");       // the last line needs no line feed
}

TEST_F(LegacyFormatTest, AConfigurationAfterAnInLineListsEveryInValueOfItsFile)
{
    const FileContent content = parse("$$$IHM NEVRA$$$PROJET\nNC first\nIN a\nNC second\nIN b\nNC third\n", "p.prj");
    ASSERT_EQ(content.configs.size(), 3u);
    EXPECT_TRUE(content.configs[0].include_dirs.empty());  // declared before any IN line
    const std::vector<std::string> all = {"a", "b"};
    EXPECT_EQ(content.configs[1].include_dirs, all);        // IN values after its NC line too
    EXPECT_EQ(content.configs[2].include_dirs, all);
}

TEST_F(LegacyFormatTest, EveryScriptAndSourceIsOfferedOnceInTheSpellingMetFirst)
{
    parse("$$$IHM NEVRA$$$SESSION\nFP T.ptu\nFP t.PTU\nFS a.c\nFP u.ptu\n", "d/s.ses");
    EXPECT_EQ(named.script_files.paths, (std::vector<std::string>{"d/T.ptu", "d/u.ptu"}));
    EXPECT_EQ(named.source_files.paths, std::vector<std::string>{"d/a.c"});
}

}  // namespace

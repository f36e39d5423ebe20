// The legacy text format on its own, for what the golden documents cannot show
// or show only in part: line preparation at its edges, line ends and lengths.
#include "legacy/legacy_format.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

const std::string k_session = "$$$IHM NEVRA$$$SESSION\n";

class LegacyFormatTest : public testing::Test {
protected:
    void SetUp() override { reset_legacy_model(); }
    void TearDown() override { reset_legacy_model(); }

    static FileContent parse(const std::string& bytes)
    {
        return parse_legacy_text(bytes, "s.ses", ReaderOptions(), disk_legacy_files());
    }
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

TEST_F(LegacyFormatTest, ResetEmptiesTheRunWideLists)
{
    parse(k_session + "FP t.ptu\nFS t.c\n");
    ASSERT_EQ(g_script_files.paths.size() + g_source_files.paths.size(), 2u);
    reset_legacy_model();
    EXPECT_TRUE(g_script_files.paths.empty() && g_script_files.folded.empty());
    EXPECT_TRUE(g_source_files.paths.empty() && g_source_files.folded.empty());
}

}  // namespace

// The legacy text format on its own: line preparation, header markers, keys and
// their values, path resolution and the run-wide lists, without any file access.
#include "legacy/legacy_format.h"

#include <gtest/gtest.h>

#include "messages/console.h"

using namespace std::string_literals;

namespace {

const std::string k_session = "$$$IHM NEVRA$$$SESSION\n";
const std::string k_campaign = "$$$IHM NEVRA$$$CAMPAGNE\n";
const std::string k_project = "$$$IHM NEVRA$$$PROJET\n";

// Every text field of a record, to check that a line touched only the one it names.
constexpr Text LegacyRecord::*k_record_fields[] = {
    &LegacyRecord::source_file,         &LegacyRecord::script_file,
    &LegacyRecord::config_name,         &LegacyRecord::link_file,
    &LegacyRecord::compile_flags,       &LegacyRecord::test_compile_flags,
    &LegacyRecord::debug,               &LegacyRecord::simulation,
    &LegacyRecord::preparation_options, &LegacyRecord::more_options,
    &LegacyRecord::instru_comparison,   &LegacyRecord::second_context,
    &LegacyRecord::second_intermediate_file, &LegacyRecord::strict_comparison,
};

constexpr Text TargetConfig::*k_config_fields[] = {
    &TargetConfig::target_name, &TargetConfig::target_path, &TargetConfig::source_language,
    &TargetConfig::source_ext,  &TargetConfig::object_ext,  &TargetConfig::binary_ext,
    &TargetConfig::ansi_mode,   &TargetConfig::version,     &TargetConfig::exception,
    &TargetConfig::alk_file,    &TargetConfig::class_name,
};

class LegacyFormatTest : public testing::Test {
protected:
    void SetUp() override
    {
        reset_legacy_model();
        g_verbose = 0;
    }
    void TearDown() override { reset_legacy_model(); }

    // Parses `bytes` as the file `path`; the FI paths go to `members`.
    LegacyRecord parse(const std::string& bytes, const std::string& path = "s.ses")
    {
        LegacyRecord record(path);
        members = parse_legacy_text(bytes, record);
        return record;
    }

    // True when the file left nothing behind but its path.
    bool only_path(const LegacyRecord& record) const
    {
        for (const auto field : k_record_fields)
            if (record.*field)
                return false;
        return record.configs.empty() && record.members.empty() && members.empty()
               && g_script_files.paths.empty() && g_source_files.paths.empty()
               && g_include_dirs.empty();
    }

    std::vector<std::string> members;
};

// --- Line preparation and headers -------------------------------------------

TEST_F(LegacyFormatTest, PrepareLineRemovesOnlyTrailingBytesUpToBlank)
{
    const std::pair<std::string, std::string> cases[] = {
        {"abc \t\r\n", "abc"},
        {"abc\x01\x1f\x7f", "abc\x01\x1f\x7f"},  // DEL is above the blank: ends the removal
        {"abc\0\0"s, "abc"},
        {"abc\x20\x21", "abc\x20\x21"},
        {"  abc", "  abc"},  // nothing at the start
        {"\tabc\t", "\tabc"},
        {"caf\xe9", "caf\xe9"},  // a byte of 0x80 or more ends the removal
        {"caf\xe9 \r", "caf\xe9"},
        {"a \x80", "a \x80"},
        {"a\xa0", "a\xa0"},
        {"a\x85", "a\x85"},
        {"a\xff", "a\xff"},
        {"a\0b "s, "a\0b"s},
        {" \t\r\n\0"s, ""},
        {"", ""},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(prepare_line(line), expected) << testing::PrintToString(line);
}

TEST_F(LegacyFormatTest, EachHeaderSetsItsKind)
{
    EXPECT_EQ(parse(k_session + "CX Debug\n").config_name, "Debug");
    EXPECT_EQ(parse(k_project + "NC Debug\n").configs.size(), 1u);
    parse(k_campaign + "FI a.ses\n", "c.cmp");
    EXPECT_EQ(members, std::vector<std::string>{"a.ses"});
}

TEST_F(LegacyFormatTest, TheKindComesFromTheHeaderNotFromTheFileName)
{
    EXPECT_EQ(parse(k_session + "CX Debug\n", "looks_like.prj").config_name, "Debug");
    EXPECT_EQ(parse(k_project + "NC Debug\n", "looks_like.ses").configs.size(), 1u);
}

TEST_F(LegacyFormatTest, AHeaderFollowedByBlanksOrCarriageReturnIsRecognised)
{
    for (const char* header : {"$$$IHM NEVRA$$$SESSION \t\r\n", "$$$IHM NEVRA$$$SESSION\r\n",
                               "$$$IHM NEVRA$$$SESSION\x01\n", "$$$IHM NEVRA$$$SESSION"}) {
        reset_legacy_model();
        const LegacyRecord record = parse(header + "\nCX Debug\r\n"s);
        EXPECT_EQ(record.config_name, "Debug") << testing::PrintToString(header);
    }
}

TEST_F(LegacyFormatTest, AnInexactHeaderIsNotRecognised)
{
    const std::string headers[] = {
        " $$$IHM NEVRA$$$SESSION",
        "\t$$$IHM NEVRA$$$SESSION",
        "\xEF\xBB\xBF$$$IHM NEVRA$$$SESSION",  // byte-order mark
        "$$$IHM NEVRA$$$Session",
        "$$$ihm nevra$$$session",
        "$$$IHM NEVRA$$$SESSIONS",
        "$$$IHM NEVRA$$$ SESSION",
        "$$$IHM NEVRA$$$SESSION\xe9",
        "$$$IHM NEVRA$$$SESS",
        "\0$$$IHM NEVRA$$$SESSION"s,
    };
    for (const std::string& header : headers) {
        reset_legacy_model();
        const LegacyRecord record = parse(header + "\nCX Debug\nFS a.c\nNC x\nIN i\nFI b.ses\n");
        EXPECT_TRUE(only_path(record)) << testing::PrintToString(header);
        EXPECT_EQ(record.path, "s.ses");
    }
}

TEST_F(LegacyFormatTest, AnEmptyFileOrOneWithoutHeaderYieldsOnlyThePath)
{
    for (const std::string& bytes : {""s, "\n\n\r\n"s, "CX Debug\nFS a.c\n"s, "\0\0\0"s}) {
        reset_legacy_model();
        EXPECT_TRUE(only_path(parse(bytes))) << testing::PrintToString(bytes);
    }
}

TEST_F(LegacyFormatTest, LinesBeforeTheHeaderAndASecondHeaderAreIgnored)
{
    const LegacyRecord record = parse("CX Before\nFS before.c\nDB O\n" + k_session + k_project
                                      + "NC Release\n" + k_session + "SI O\n");
    EXPECT_FALSE(record.config_name);
    EXPECT_FALSE(record.debug);
    EXPECT_TRUE(g_source_files.paths.empty());
    // The project header did not turn the session into a project.
    EXPECT_TRUE(record.configs.empty());
    EXPECT_EQ(record.simulation, "true");
}

TEST_F(LegacyFormatTest, OnlyALineFeedEndsALine)
{
    // CR LF lines lose their CR; a CR alone stays inside the line.
    const LegacyRecord record = parse("$$$IHM NEVRA$$$SESSION\r\nCX a\rDB O\r\nOC -g");
    EXPECT_EQ(record.config_name, "a\rDB O");
    EXPECT_FALSE(record.debug);
    EXPECT_EQ(record.compile_flags, "-g");  // the last line needs no line feed
}

// --- Keys and yes/no values -------------------------------------------------

struct SessionKeyCase {
    const char* line;
    Text LegacyRecord::*field;
    const char* expected;
};

TEST_F(LegacyFormatTest, EverySessionKeyFillsItsOwnField)
{
    const SessionKeyCase cases[] = {
        {"CX Debug", &LegacyRecord::config_name, "Debug"},
        {"FS src/a.c", &LegacyRecord::source_file, "proj/src/a.c"},
        {"FP t.ptu", &LegacyRecord::script_file, "proj/t.ptu"},
        {"LK app.alk", &LegacyRecord::link_file, "app.alk"},
        {"OC -O2 -g", &LegacyRecord::compile_flags, "-O2 -g"},
        {"CS -DTEST", &LegacyRecord::test_compile_flags, "-DTEST"},
        {"DB O", &LegacyRecord::debug, "true"},
        {"SI O", &LegacyRecord::simulation, "true"},
        {"OP -p", &LegacyRecord::preparation_options, "-p"},
        {"OF -more", &LegacyRecord::more_options, "-more"},
        {"NI O", &LegacyRecord::instru_comparison, "true"},
        {"AC O", &LegacyRecord::second_context, "true"},
        {"FL O", &LegacyRecord::second_intermediate_file, "O"},  // not a yes/no key
        {"ST O", &LegacyRecord::strict_comparison, "true"},
    };
    for (const SessionKeyCase& c : cases) {
        reset_legacy_model();
        const LegacyRecord record = parse(k_session + c.line + "\n", "proj/s.ses");
        for (const auto field : k_record_fields) {
            if (field == c.field)
                EXPECT_EQ(record.*field, std::string(c.expected)) << c.line;
            else
                EXPECT_FALSE(record.*field) << c.line << " also filled another field";
        }
    }
}

TEST_F(LegacyFormatTest, SessionKeysWithoutEffectLeaveTheRecordEmpty)
{
    EXPECT_TRUE(only_path(parse(k_session + "CD dir\nRA x\nVA y\nCE z\n")));
}

TEST_F(LegacyFormatTest, OnlyACapitalOMeansYes)
{
    const std::pair<const char*, const char*> values[] = {
        {"O", "true"}, {"o", "false"},   {"Oui", "false"}, {"N", "false"}, {" O", "false"},
        {"0", "false"}, {"OO", "false"}, {"O\x01O", "false"}, {"O  ", "true"},
    };
    for (const auto& [value, expected] : values) {
        reset_legacy_model();
        const LegacyRecord session = parse(k_session + "DB " + value + "\nSI " + value + "\nNI "
                                           + value + "\nAC " + value + "\nST " + value + "\n");
        for (const auto field : {&LegacyRecord::debug, &LegacyRecord::simulation,
                                 &LegacyRecord::instru_comparison, &LegacyRecord::second_context,
                                 &LegacyRecord::strict_comparison})
            EXPECT_EQ(session.*field, std::string(expected)) << "[" << value << "]";
        const LegacyRecord project = parse(k_project + "NC c\nEX " + value + "\n", "p.prj");
        ASSERT_EQ(project.configs.size(), 1u);
        EXPECT_EQ(project.configs[0].exception, std::string(expected)) << "[" << value << "]";
    }
}

TEST_F(LegacyFormatTest, AKeyMatchesOnlyAsTwoCapitalsAndABlankInTheFirstColumn)
{
    const LegacyRecord record = parse(
        k_session + "cx lower\n CX indented\nCX\tTab\nCXnoblank\nCx mixed\nCX  two blanks \n");
    EXPECT_EQ(record.config_name, " two blanks");  // leading blanks of a value stay
}

TEST_F(LegacyFormatTest, KeyOnlyLinesAreIgnored)
{
    for (const char* line : {"CX", "CX ", "CX   ", "CX\t", "CX \r", "C", "FS ", "DB  "}) {
        reset_legacy_model();
        EXPECT_TRUE(only_path(parse(k_session + line + "\n"))) << "[" << line << "]";
    }
    EXPECT_TRUE(parse(k_project + "NC \nNC\nIN \n", "p.prj").configs.empty());
    EXPECT_TRUE(g_include_dirs.empty());
    parse(k_campaign + "FI \nFI\n", "c.cmp");
    EXPECT_TRUE(members.empty());
}

TEST_F(LegacyFormatTest, TheLastOccurrenceOfAKeyWins)
{
    const LegacyRecord session =
        parse(k_session + "CX first\nDB O\nCX second\nDB N\nFL a\nFL b\n");
    EXPECT_EQ(session.config_name, "second");
    EXPECT_EQ(session.debug, "false");
    EXPECT_EQ(session.second_intermediate_file, "b");

    const LegacyRecord project = parse(k_project + "NC c\nLA C\nPA a.exe\nLA C++\nPA b.exe\n", "p.prj");
    ASSERT_EQ(project.configs.size(), 1u);
    EXPECT_EQ(project.configs[0].source_language, "C++");
    EXPECT_EQ(project.configs[0].target_name, "b");
}

TEST_F(LegacyFormatTest, EachKindHonoursOnlyItsOwnKeys)
{
    const std::string session_lines = "CX Debug\nFS a.c\nFP t.ptu\nDB O\n";
    const std::string project_lines = "NC Release\nIN inc\nPA app.exe\nLA C\n";
    const std::string campaign_lines = "FI other.ses\n";

    EXPECT_TRUE(only_path(parse(k_session + project_lines + campaign_lines)));
    reset_legacy_model();
    EXPECT_TRUE(only_path(parse(k_campaign + session_lines + "NC Release\nIN inc\n")));
    reset_legacy_model();
    EXPECT_TRUE(only_path(parse(k_project + session_lines + campaign_lines)));

    // The project and campaign keys do work in their own kinds.
    EXPECT_EQ(parse(k_project + project_lines).configs.size(), 1u);
    EXPECT_EQ(g_include_dirs, std::vector<std::string>{"inc"});
    parse(k_campaign + campaign_lines, "c.cmp");
    EXPECT_EQ(members, std::vector<std::string>{"other.ses"});
}

struct ConfigKeyCase {
    const char* line;
    Text TargetConfig::*field;
    const char* expected;
};

TEST_F(LegacyFormatTest, EveryProjectKeyFillsTheConfigurationAboveIt)
{
    const ConfigKeyCase cases[] = {
        {"LA C++", &TargetConfig::source_language, "C++"},
        {"SE .c", &TargetConfig::source_ext, ".c"},
        {"OE .o", &TargetConfig::object_ext, ".o"},
        {"XX .exe", &TargetConfig::binary_ext, ".exe"},
        {"AS O", &TargetConfig::ansi_mode, "O"},  // not a yes/no key
        {"VE 2.1", &TargetConfig::version, "2.1"},
        {"EX O", &TargetConfig::exception, "true"},
        {"AL t.alk", &TargetConfig::alk_file, "t.alk"},
        {"CL A&B", &TargetConfig::class_name, "A&B"},
    };
    for (const ConfigKeyCase& c : cases) {
        reset_legacy_model();
        const LegacyRecord record = parse(k_project + "NC Target\n" + c.line + "\n", "p.prj");
        ASSERT_EQ(record.configs.size(), 1u) << c.line;
        const TargetConfig& config = record.configs[0];
        EXPECT_EQ(config.name, "Target");
        for (const auto field : k_config_fields) {
            if (field == c.field)
                EXPECT_EQ(config.*field, std::string(c.expected)) << c.line;
            else
                EXPECT_FALSE(config.*field) << c.line << " also filled another field";
        }
    }
}

TEST_F(LegacyFormatTest, PaStoresTheLastComponentWithoutItsExtensionTwice)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\tools\\target.exe", "target"},
        {"../bin/my.target.exe", "my.target"},
        {"bin/", ""},  // present but empty
        {".profile", ""},
        {"app", "app"},
        {"C:app.exe", "app"},
        {" spaced name.exe", " spaced name"},
    };
    for (const auto& [value, expected] : cases) {
        reset_legacy_model();
        const LegacyRecord record = parse(k_project + "NC c\nPA " + value + "\n", "p.prj");
        ASSERT_EQ(record.configs.size(), 1u);
        EXPECT_EQ(record.configs[0].target_name, std::string(expected)) << value;
        EXPECT_EQ(record.configs[0].target_path, std::string(expected)) << value;
    }
}

// --- Path resolution --------------------------------------------------------

struct ResolveCase {
    const char* file;
    const char* value;
    const char* expected;
};

TEST_F(LegacyFormatTest, PathValuesJoinTheFilesDirectoryUnlessAbsolute)
{
    const ResolveCase cases[] = {
        {"proj/s.ses", "src/a.c", "proj/src/a.c"},
        {"proj/s.ses", "/abs/a.c", "/abs/a.c"},
        {"proj/s.ses", "\\\\srv\\a.c", "\\\\srv\\a.c"},
        {"proj/s.ses", "\\a.c", "\\a.c"},
        {"proj/s.ses", ":x", ":x"},
        {"proj\\s.ses", "C:\\x\\a.c", "proj\\C:\\x\\a.c"},  // a drive letter is relative
        {"s.ses", "src/a.c", "src/a.c"},
        {"proj\\s.ses", "src/a.c", "proj\\src/a.c"},  // separators are not unified
        {"a/b/../s.ses", "./x/../y.c", "a/b/.././x/../y.c"},  // nor normalised
        {"dir//s.ses", "a.c", "dir//a.c"},
        {"C:s.ses", "a.c", "C:a.c"},
        {"/abs/dir/s.ses", " a.c", "/abs/dir/ a.c"},
        {"/s.ses", "a.c", "/a.c"},
    };
    for (const ResolveCase& c : cases) {
        reset_legacy_model();
        const LegacyRecord session =
            parse(k_session + "FS " + c.value + "\nFP " + c.value + "\n", c.file);
        EXPECT_EQ(session.source_file, std::string(c.expected)) << c.file << " + " << c.value;
        EXPECT_EQ(session.script_file, std::string(c.expected)) << c.file << " + " << c.value;
        EXPECT_EQ(g_source_files.paths, std::vector<std::string>{c.expected});
        EXPECT_EQ(g_script_files.paths, std::vector<std::string>{c.expected});

        parse(k_campaign + "FI " + c.value + "\n", c.file);
        EXPECT_EQ(members, std::vector<std::string>{c.expected}) << c.file << " + " << c.value;
    }
}

TEST_F(LegacyFormatTest, CampaignMembersAreReturnedInFileOrder)
{
    parse(k_campaign + "FI a.ses\nFI sub/b.cmp\nFI a.ses\nFI /abs/c.prj\n", "camp/all.cmp");
    EXPECT_EQ(members, (std::vector<std::string>{"camp/a.ses", "camp/sub/b.cmp", "camp/a.ses",
                                                 "/abs/c.prj"}));
}

// --- Scripts and sources of the run ------------------------------------------

TEST_F(LegacyFormatTest, ScriptsAndSourcesEnterTheirListsOncePerCaseInsensitiveValue)
{
    const LegacyRecord first = parse(k_session + "FS Calc.c\nFP Test.ptu\nFS other.c\n", "d/s1.ses");
    EXPECT_EQ(first.source_file, "d/other.c");  // the record keeps the last value
    const LegacyRecord second = parse(k_session + "FS d/../CALC.C\nFP TEST.PTU\nFS calc.C\n", "d/s2.ses");
    EXPECT_EQ(second.script_file, "d/TEST.PTU");  // its own spelling, whatever the list holds
    parse(k_session + "FS Calc.c\nFP Test.ptu\n", "e/s3.ses");

    // In order of first occurrence, the first spelling kept; a relative value in
    // another folder, or spelled differently, is another entry.
    EXPECT_EQ(g_source_files.paths,
              (std::vector<std::string>{"d/Calc.c", "d/other.c", "d/d/../CALC.C", "e/Calc.c"}));
    EXPECT_EQ(g_script_files.paths, (std::vector<std::string>{"d/Test.ptu", "e/Test.ptu"}));
}

TEST_F(LegacyFormatTest, ScriptAndSourceListsAreSeparate)
{
    parse(k_session + "FS same.x\nFP same.x\n");
    EXPECT_EQ(g_source_files.paths, std::vector<std::string>{"same.x"});
    EXPECT_EQ(g_script_files.paths, std::vector<std::string>{"same.x"});
}

// --- Configurations and include directories ----------------------------------

TEST_F(LegacyFormatTest, ConfigurationsStayInFileOrderAndSameNamesAreKept)
{
    const LegacyRecord record = parse(
        k_project + "NC Debug\nLA C\nNC Release\nNC Debug\nLA C++\nVE 2\nNC  Debug\n", "p.prj");
    ASSERT_EQ(record.configs.size(), 4u);
    EXPECT_EQ(record.configs[0].name, "Debug");
    EXPECT_EQ(record.configs[0].source_language, "C");
    EXPECT_FALSE(record.configs[0].version);
    EXPECT_FALSE(record.configs[1].source_language);
    EXPECT_EQ(record.configs[2].name, "Debug");
    EXPECT_EQ(record.configs[2].source_language, "C++");
    EXPECT_EQ(record.configs[2].version, "2");
    EXPECT_EQ(record.configs[3].name, " Debug");
}

TEST_F(LegacyFormatTest, ProjectKeysBeforeTheFirstConfigurationAreIgnored)
{
    const LegacyRecord record =
        parse(k_project + "PA early.exe\nLA C\nEX O\nCL K\nNC Only\nVE 1\n", "p.prj");
    ASSERT_EQ(record.configs.size(), 1u);
    const TargetConfig& config = record.configs[0];
    for (const auto field : k_config_fields)
        EXPECT_EQ(config.*field != std::nullopt, field == &TargetConfig::version);
    EXPECT_EQ(config.version, "1");
}

TEST_F(LegacyFormatTest, AConfigurationAfterAnInLineSeesEveryIncludeDirectoryOfTheRun)
{
    const LegacyRecord record =
        parse(k_project + "IN inc1\nNC A\nIN  inc2\nNC B\nIN inc1\n", "p.prj");
    ASSERT_EQ(record.configs.size(), 2u);
    for (const TargetConfig& config : record.configs)
        EXPECT_EQ(config.include_dirs, &g_include_dirs) << config.name;
    // Later IN lines included, duplicates and leading blanks kept.
    EXPECT_EQ(g_include_dirs, (std::vector<std::string>{"inc1", " inc2", "inc1"}));
}

TEST_F(LegacyFormatTest, InLinesOnlyAfterTheLastConfigurationReachNoConfiguration)
{
    const LegacyRecord record = parse(k_project + "NC A\nNC B\nIN x\nIN y\n", "p.prj");
    ASSERT_EQ(record.configs.size(), 2u);
    EXPECT_EQ(record.configs[0].include_dirs, nullptr);
    EXPECT_EQ(record.configs[1].include_dirs, nullptr);
    EXPECT_EQ(g_include_dirs, (std::vector<std::string>{"x", "y"}));
}

TEST_F(LegacyFormatTest, OnlyConfigurationsAfterTheFirstInLineGetTheIncludeDirectories)
{
    const LegacyRecord record = parse(k_project + "NC A\nIN x\nNC B\n", "p.prj");
    ASSERT_EQ(record.configs.size(), 2u);
    EXPECT_EQ(record.configs[0].include_dirs, nullptr);
    EXPECT_EQ(record.configs[1].include_dirs, &g_include_dirs);
}

TEST_F(LegacyFormatTest, IncludeDirectoriesSpanTheWholeRun)
{
    parse(k_project + "IN first\n", "one.prj");
    const LegacyRecord second = parse(k_project + "NC A\nIN second\n", "two.prj");
    ASSERT_EQ(second.configs.size(), 1u);
    EXPECT_EQ(second.configs[0].include_dirs, &g_include_dirs);
    EXPECT_EQ(g_include_dirs, (std::vector<std::string>{"first", "second"}));
}

// --- Long lines and odd bytes -------------------------------------------------

TEST_F(LegacyFormatTest, ALineOfAnyLengthIsOneLine)
{
    const std::string value(9997, 'x');  // 10,000 bytes with its key
    const LegacyRecord record = parse(k_session + "OC " + value + "\nCX Wide\n");
    EXPECT_EQ(record.compile_flags, value);
    EXPECT_EQ(record.config_name, "Wide");

    // A key at byte 5119 of a line does not start a line of its own.
    const std::string head = "OC " + std::string(5116, 'a');
    ASSERT_EQ(head.size(), 5119u);
    const LegacyRecord split = parse(k_session + head + "DB O\n");
    EXPECT_EQ(split.compile_flags, std::string(5116, 'a') + "DB O");
    EXPECT_FALSE(split.debug);

    const std::string path(6000, 'p');
    parse(k_campaign + "FI " + path + "\n", "c.cmp");
    EXPECT_EQ(members, std::vector<std::string>{path});
}

TEST_F(LegacyFormatTest, NulBytesInsideALineAreKept)
{
    const LegacyRecord record = parse(k_session + "CX De\0bug\0\nFS a\0b.c\nOC \0x\n\0DB O\n"s);
    EXPECT_EQ(record.config_name, "De\0bug"s);  // the trailing NUL is trimmed
    EXPECT_EQ(record.source_file, "a\0b.c"s);
    EXPECT_EQ(g_source_files.paths, std::vector<std::string>{"a\0b.c"s});
    EXPECT_EQ(record.compile_flags, "\0x"s);
    EXPECT_FALSE(record.debug);  // a NUL before the key hides it
}

}  // namespace

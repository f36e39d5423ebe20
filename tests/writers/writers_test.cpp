// Focused checks of the writers into memory: the configuration match, the rows
// with odd indentation, deep campaign trees, the order of file entries and the
// NEVRAHOME lookups. Whole documents are compared in the golden end-to-end tests.
#include <QXmlStreamReader>
#include <cstdlib>
#include <gtest/gtest.h>

#include "messages/console.h"
#include "support/temp_tree.h"
#include "support/tool_runner.h"
#include "writers/objects_writer.h"
#include "writers/project_writer.h"
#include "writers/test_tree_writer.h"

namespace {

std::string line(int spaces, const std::string& text)
{
    return std::string(static_cast<size_t>(spaces), ' ') + text + "\n";
}

size_t count_of(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Sets or unsets an environment variable for a scope.
class EnvGuard {
public:
    EnvGuard(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvGuard()
    {
        if (saved_)
            ::setenv(name_, saved_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

LegacyRecord project_with(const std::vector<std::string>& config_names)
{
    LegacyRecord project("p.prj");
    for (const std::string& name : config_names) {
        TargetConfig config;
        config.name = name;
        project.configs.push_back(std::move(config));
    }
    return project;
}

std::string overrides(const LegacyRecord* record, const LegacyRecord* project)
{
    OutputStream out;
    write_config_overrides(out, record, project);
    return out.buffered();
}

// A configuration entry of a node with its name only.
std::string name_only_entry(const std::string& name)
{
    return line(22, "<configuration>") + line(24, "<data>") + line(25, "<name>" + name + "</name>")
           + line(24, "</data>") + line(22, "</configuration>");
}

const std::string k_list_open = line(20, "<configuration_list>");
const std::string k_list_close = line(20, "</configuration_list>");

TEST(WritersTest, SettingsGoIntoTheConfigurationOfTheSameNameOnly)
{
    const LegacyRecord project = project_with({"Release", "Debug"});
    LegacyRecord session("s.ses");
    session.config_name = "Debug";
    session.link_file = "x.alk";
    session.compile_flags = "-O2";
    session.test_compile_flags = "-DT";
    session.debug = "true";
    session.simulation = "false";
    session.preparation_options = "-p";
    session.more_options = "-m";
    session.instru_comparison = "true";
    session.second_context = "false";
    session.second_intermediate_file = "O";
    session.strict_comparison = "true";

    // Newest configuration first; O4 has 25 spaces and O7 23.
    const std::string debug_entry =
        line(22, "<configuration>") + line(24, "<data>") + line(25, "<name>Debug</name>")
        + line(24, "</data>") + line(24, "<ge_alk_file_name>x.alk</ge_alk_file_name>")
        + line(23, "<cflags>-O2</cflags>") + line(24, "<tcflags>-DT</tcflags>")
        + line(24, "<debug>true</debug>") + line(24, "<simulation>false</simulation>")
        + line(24, "<preparationOptions>-p</preparationOptions>")
        + line(24, "<moreOptions>-m</moreOptions>")
        + line(24, "<instruComparaison>true</instruComparaison>")
        + line(24, "<secondContext>false</secondContext>")
        + line(24, "<secondIntermediateFile>O</secondIntermediateFile>")
        + line(24, "<strictComparaison>true</strictComparaison>") + line(22, "</configuration>");
    EXPECT_EQ(overrides(&session, &project), k_list_open + debug_entry + name_only_entry("Release") + k_list_close);

    // Byte for byte: no case folding, trimming or prefix match.
    const std::string names_only = k_list_open + name_only_entry("Debug") + name_only_entry("Release") + k_list_close;
    EXPECT_EQ(overrides(nullptr, &project), names_only);
    for (const char* other : {"debug", " Debug", "Debug ", "Debu", "Debugs", "DEBUG"}) {
        session.config_name = other;
        EXPECT_EQ(overrides(&session, &project), names_only) << "[" << other << "]";
    }
}

TEST(WritersTest, ARecordWithoutConfigurationNameMatchesAnEmptyName)
{
    const LegacyRecord project = project_with({"", "Debug"});
    LegacyRecord session("s.ses");
    session.debug = "false";
    EXPECT_EQ(overrides(&session, &project),
              k_list_open + name_only_entry("Debug") + line(22, "<configuration>") + line(24, "<data>")
                  + line(25, "<name></name>") + line(24, "</data>") + line(24, "<debug>false</debug>")
                  + line(22, "</configuration>") + k_list_close);
}

TEST(WritersTest, WithoutConfigurationsTheListsAreEmpty)
{
    const LegacyRecord none = project_with({});
    LegacyRecord session("s.ses");
    session.config_name = "Debug";
    session.compile_flags = "-O2";
    EXPECT_EQ(overrides(&session, &none), k_list_open + k_list_close);
    EXPECT_EQ(overrides(&session, nullptr), k_list_open + k_list_close);

    for (const LegacyRecord* project : {&none, static_cast<const LegacyRecord*>(nullptr)}) {
        OutputStream out;
        write_project_configs(out, project);
        EXPECT_EQ(out.buffered(), line(4, "</node>"));
    }
}

TEST(WritersTest, ATenThousandDeepCampaignTreeIsWrittenWhole)
{
    constexpr size_t k_depth = 10000;
    LegacyRecord tree("s.ses");
    tree.script_file = "t.ptu";
    for (size_t level = k_depth; level-- > 0;) {
        LegacyRecord campaign("c" + std::to_string(level) + ".cmp");
        campaign.members.push_back(std::move(tree));
        tree = std::move(campaign);
    }

    OutputStream out;
    write_group(out, "c0.cmp", tree, nullptr);
    const std::string& text = out.buffered();
    EXPECT_EQ(count_of(text, line(8, "<group>")), k_depth);
    EXPECT_EQ(count_of(text, line(6, "<unit_testing>")), 1u);
    EXPECT_EQ(count_of(text, line(14, "<name>c9999</name>")), 1u);
    EXPECT_EQ(count_of(text, line(22, "<name>t.ptu</name>")), 1u);

    std::string closing;
    for (size_t level = 0; level < k_depth; ++level)
        closing += line(10, "</group_child>") + line(8, "</group>");
    ASSERT_GE(text.size(), closing.size());
    EXPECT_TRUE(text.compare(text.size() - closing.size(), closing.size(), closing) == 0);

    // Deeper than xmllint goes without its "huge" option: check the nesting in process.
    QXmlStreamReader reader(QByteArray::fromStdString("<r>" + text + "</r>"));
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

TEST(WritersTest, FileEntriesAreWrittenNewestFirstEachOpenedByATabAndTwoSpaces)
{
    PathList list;
    for (const char* path : {"one.ptu", "dir/two.ptu", "C:src.c"})
        add_unique_nocase(list, path);
    OutputStream out;
    write_file_entries(out, list);

    const auto entry = [](const std::string& name, const std::string& path) {
        return "\t  <file>\n" + line(12, "<tested_tag>") + line(14, "<tag>") + line(16, "<data>")
               + line(18, "<name>" + name + "</name>") + line(18, "<renameable>false</renameable>")
               + line(18, "<deletable>true</deletable>") + line(18, "<open>false</open>")
               + line(16, "</data>") + line(16, "<filepath>" + path + "</filepath>")
               + line(16, "<line>1</line>") + line(16, "<qualifier>0</qualifier>")
               + line(16, "<tag_child>") + line(16, "</tag_child>") + line(14, "</tag>")
               + line(12, "</tested_tag>") + line(12, "<filepath>" + path + "</filepath>")
               + line(10, "</file>");
    };
    EXPECT_EQ(out.buffered(),
              entry("src.c", "C:src.c") + entry("two.ptu", "dir/two.ptu") + entry("one.ptu", "one.ptu"));
}

TEST(WritersTest, AnEmptyEntryIsSkipped)
{
    PathList list;
    list.paths = {"", "a.c", ""};
    OutputStream out;
    write_file_entries(out, list);
    EXPECT_EQ(count_of(out.buffered(), "\t  <file>\n"), 1u);
    EXPECT_EQ(count_of(out.buffered(), "<filepath>a.c</filepath>"), 2u);
}

const std::string k_declaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
const std::string k_unset_message = "(E) Environment variable \"NEVRAHOME\" must be defined.\n";

TEST(WritersTest, AnUnsetNevrahomeIsReportedTwiceForTheProjectAndOnceForTheObjects)
{
    const EnvGuard unset("NEVRAHOME", std::nullopt);
    const std::string doctype = "<!DOCTYPE project SYSTEM \"NEVRAHOME/lib/project.dtd\" >\n";

    OutputStream project;
    testing::internal::CaptureStderr();
    write_project_head(project, "out/demo.final.rtp");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), k_unset_message + k_unset_message);
    EXPECT_EQ(project.buffered(), k_declaration + doctype + line(0, "<project>") + line(2, "<group>")
                                      + line(4, "<node>") + line(6, "<data>")
                                      + line(8, "<name>demo.final</name>")
                                      + line(8, "<renameable>false</renameable>")
                                      + line(8, "<deletable>false</deletable>")
                                      + line(8, "<open>true</open>") + line(6, "</data>"));

    OutputStream objects;
    testing::internal::CaptureStderr();
    write_objects_file(objects, PathList{}, PathList{});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), k_unset_message);
    EXPECT_EQ(objects.buffered().substr(0, k_declaration.size() + doctype.size()), k_declaration + doctype);

    const TempTree tree;
    tree.write("demo.inf", objects.buffered());
    std::string why;
    EXPECT_TRUE(is_well_formed_xml(tree.path("demo.inf"), &why)) << why;
}

TEST(WritersTest, NevrahomeIsASystemLiteralInBothDocuments)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/nevra", "/opt/nevra"},
        {"", ""},
        {"C:\\nevra\\", "C:\\nevra\\"},
        {"/opt/ne\"vra", "/opt/ne%22vra"},
        {"/opt/a&b<c>", "/opt/a&b<c>"},
        {"/opt/n\xe9vra", "/opt/n\xc3\xa9vra"},
    };
    for (const auto& [value, written] : cases) {
        const EnvGuard set("NEVRAHOME", value);
        const std::string doctype = "<!DOCTYPE project SYSTEM \"" + written + "/lib/project.dtd\" >\n";

        // The project file, assembled from every writer, with a small test tree.
        LegacyRecord project = project_with({"Release", "Debug"});
        LegacyRecord campaign("c.cmp");
        campaign.members.emplace_back("s1.ses");
        campaign.members.emplace_back("inner.cmp");
        campaign.members.back().members.emplace_back("s2.ses");
        OutputStream rtp;
        testing::internal::CaptureStderr();
        write_project_head(rtp, "demo.prj");
        write_project_configs(rtp, &project);
        begin_test_tree(rtp);
        write_group(rtp, "c.cmp", campaign, &project);
        write_test(rtp, "s1.ses", campaign.members[0], &project);
        write_project_tail(rtp, "demo.inf", &project);
        OutputStream inf;
        write_objects_file(inf, PathList{}, PathList{});
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << value;

        for (const OutputStream* out : {&rtp, &inf}) {
            EXPECT_EQ(out->buffered().substr(0, k_declaration.size() + doctype.size()),
                      k_declaration + doctype);
            const TempTree tree;
            tree.write("out.xml", out->buffered());
            std::string why;
            EXPECT_TRUE(is_well_formed_xml(tree.path("out.xml"), &why)) << value << ": " << why;
        }
    }
}

}  // namespace

// What the golden documents cannot show of the writers: configuration matches the
// reader never produces (an empty name, trailing blanks).
#include <gtest/gtest.h>

#include "writers/test_tree_writer.h"

namespace {

// The name of the configuration entry that receives the settings of a session
// whose CX value is `config_name`, or "none".
std::string matched_configuration(const Text& config_name)
{
    LegacyRecord project;
    for (const char* name : {"", "Release", "Debug"}) {
        project.configs.emplace_back();
        project.configs.back().name = name;
    }
    LegacyRecord session;
    session.settings.config_name = config_name;
    session.settings.debug = "true";
    OutputStream out;
    write_config_overrides(out, &session, &project);
    const std::string& text = out.buffered();
    const size_t settings = text.find("<debug>true</debug>");
    if (settings == std::string::npos)
        return "none";
    const size_t name = text.rfind("<name>", settings) + 6;
    return text.substr(name, text.find("</name>", name) - name);
}

TEST(WritersTest, SettingsGoIntoTheConfigurationOfExactlyTheSameName)
{
    EXPECT_EQ(matched_configuration("Debug"), "Debug");
    EXPECT_EQ(matched_configuration(std::nullopt), "");  // no CX line: the configuration without a name
    for (const char* other : {"debug", "DEBUG", " Debug", "Debug ", "Debu", "Debugs"})
        EXPECT_EQ(matched_configuration(other), "none") << "[" << other << "]";
}

}  // namespace

// The installed layout: cmake --install into a fresh prefix gives a tool that
// runs with KELMARDIR set to that prefix, and a manual page that lints clean.
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;

const std::string k_source = PRJMIGR_SOURCE_DIR;

TEST(Installation, LaysOutTheToolAsItRunsAndConvertsTheDemo)
{
    const TempTree prefix;
    const EnvChanges env = {{"KELMARDIR", prefix.root()}, {"PREFIX", prefix.root()}};
    const ToolRun install = run_shell("exec '" CMAKE_BINARY "' --install '" PRJMIGR_BUILD_DIR "' --prefix \"$PREFIX\"",
                                      prefix.root(), env);
    ASSERT_EQ(install.exit_code, 0) << install.out << install.err;
    EXPECT_EQ(prefix.list(), (Files{"bin", "bin/prjmigr", "lib", "lib/locale", "lib/locale/duvaident_fr.qm",
                                    "lib/locale/prjmigr_fr.qm", "share", "share/man", "share/man/man1",
                                    "share/man/man1/prjmigr.1"}));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(prefix.path("bin/prjmigr"))).isExecutable());
    for (const std::string catalogue : {"prjmigr_fr.qm", "duvaident_fr.qm"})
        EXPECT_TRUE(prefix.read("lib/locale/" + catalogue)
                    == read_file(std::string(PRJMIGR_CATALOGUE_DIR) + "/" + catalogue))
            << catalogue;
    EXPECT_TRUE(prefix.read("share/man/man1/prjmigr.1") == read_file(k_source + "/doc/prjmigr.1"));

    // The demo, converted by the installed tool with nothing but KELMARDIR pointing at it.
    TempTree demo;
    demo.copy_from(k_source + "/examples/demo");
    Files expected = demo.list();
    const ToolRun run = run_shell("exec \"$PREFIX/bin/prjmigr\" demo.prj all.cmp smoke.ses", demo.root(), env);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    expected.insert(expected.end(), {"demo.inf", "demo.rtp"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(demo.list(), expected);
    for (const std::string file : {"demo.rtp", "demo.inf"}) {
        EXPECT_TRUE(demo.read(file) == read_file(k_source + "/tests/golden/demo/expected/" + file)) << file;
        expect_well_formed_xml(demo.path(file));
    }

    // The installed catalogues are found under the prefix.
    EnvChanges french = env;
    french["LC_ALL"] = "fr_FR.UTF-8";
    const ToolRun verbose = run_shell("exec \"$PREFIX/bin/prjmigr\" -v -o again.rtp demo.prj", demo.root(), french);
    EXPECT_EQ(verbose.exit_code, 0);
    EXPECT_EQ(verbose.err, "");
    EXPECT_EQ(verbose.out, std::string("prjmigr Convertisseur du gestionnaire de tests ") + PRJMIGR_EXPECTED_VERSION
                               + "\nCopyright (C) 2026 Les auteurs de prjmigr\nAnalyse de demo.prj\nTerminé.\n");
}

TEST(ManualPage, LintsCleanAndDocumentsTheCommandLineAndEnvironment)
{
    const std::string page = k_source + "/doc/prjmigr.1";
    const std::string linters[] = {MANDOC_BINARY[0] ? "'" MANDOC_BINARY "' -T lint" : "",
                                   GROFF_BINARY[0] ? "'" GROFF_BINARY "' -ww -man -z" : ""};
    ASSERT_FALSE(linters[0].empty() && linters[1].empty()) << "neither mandoc nor groff is installed";
    for (const std::string& linter : linters) {
        if (linter.empty())
            continue;
        const ToolRun lint = run_shell(linter + " '" + page + "' 2>&1", k_source);
        EXPECT_EQ(lint.exit_code, 0) << linter;
        EXPECT_EQ(lint.out, "") << linter;
    }

    const std::string text = read_file(page);
    for (const char* section : {".SH NAME", ".SH SYNOPSIS", ".SH OPTIONS", ".SH ENVIRONMENT", ".SH FILES",
                                ".SH \"EXIT STATUS\"", ".SH EXAMPLES"})
        EXPECT_NE(text.find(std::string("\n") + section + "\n"), std::string::npos) << section;
    for (const char* word : {"\\-o", "\\-v", "\\-\\-help", "\\-\\-version", "KELMARDIR", "NEVRAHOME", "lib/locale"})
        EXPECT_NE(text.find(word), std::string::npos) << word;
    // The synopsis names the operands as the usage message does.
    const size_t synopsis = text.find(".SH SYNOPSIS");
    const std::string synopsis_text = text.substr(synopsis, text.find(".SH", synopsis + 1) - synopsis);
    for (const char* operand : {"projectfile", "prj_filename", "cmp_filename", "ses_filename"})
        EXPECT_NE(synopsis_text.find(operand), std::string::npos) << operand;
}

}  // namespace

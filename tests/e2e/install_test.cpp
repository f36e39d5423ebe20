// The installed layout: cmake --install into a fresh prefix gives a tool that
// runs with KELMARDIR set to that prefix, and a manual page that lints clean.
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;

const std::string k_source = PRJMIGR_SOURCE_DIR;

struct Process {
    int exit_code = -1;
    std::string out;
    std::string err;
};

Process run_program(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

TEST(Installation, LaysOutTheToolAsItRunsAndConvertsTheDemo)
{
    const TempTree prefix;
    const Process install = run_program(QStringLiteral(CMAKE_BINARY),
                                        {QStringLiteral("--install"), QStringLiteral(PRJMIGR_BUILD_DIR),
                                         QStringLiteral("--prefix"), QString::fromStdString(prefix.root())});
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
    const Files inputs = demo.list();
    const EnvChanges env = {{"KELMARDIR", prefix.root()}, {"PREFIX", prefix.root()}};
    const ToolRun run = run_shell("exec \"$PREFIX/bin/prjmigr\" demo.prj all.cmp smoke.ses", demo.root(), env);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    Files expected = inputs;
    expected.insert(expected.end(), {"demo.inf", "demo.rtp"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(demo.list(), expected);
    for (const std::string file : {"demo.rtp", "demo.inf"}) {
        EXPECT_TRUE(demo.read(file) == read_file(k_source + "/tests/golden/demo/expected/" + file)) << file;
        std::string why;
        EXPECT_TRUE(is_well_formed_xml(demo.path(file), &why)) << file << ": " << why;
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

TEST(ManualPage, LintsWithoutWarnings)
{
    const std::string page = k_source + "/doc/prjmigr.1";
    const std::string mandoc = MANDOC_BINARY;
    const std::string groff = GROFF_BINARY;
    ASSERT_FALSE(mandoc.empty() && groff.empty()) << "neither mandoc nor groff is installed";
    if (!mandoc.empty()) {
        const Process lint = run_program(QString::fromStdString(mandoc),
                                         {QStringLiteral("-T"), QStringLiteral("lint"), QString::fromStdString(page)});
        EXPECT_EQ(lint.exit_code, 0);
        EXPECT_EQ(lint.out + lint.err, "");
    }
    if (!groff.empty()) {
        const Process check = run_program(
            QString::fromStdString(groff),
            {QStringLiteral("-ww"), QStringLiteral("-man"), QStringLiteral("-z"), QString::fromStdString(page)});
        EXPECT_EQ(check.exit_code, 0);
        EXPECT_EQ(check.out + check.err, "");
    }
}

TEST(ManualPage, DocumentsTheCommandLineAndEnvironment)
{
    const std::string page = read_file(k_source + "/doc/prjmigr.1");
    for (const char* section : {".SH NAME", ".SH SYNOPSIS", ".SH OPTIONS", ".SH ENVIRONMENT", ".SH FILES",
                                ".SH \"EXIT STATUS\"", ".SH EXAMPLES"})
        EXPECT_NE(page.find(std::string("\n") + section + "\n"), std::string::npos) << section;
    for (const char* word : {"\\-o", "\\-v", "\\-\\-help", "\\-\\-version", "KELMARDIR", "NEVRAHOME", "lib/locale"})
        EXPECT_NE(page.find(word), std::string::npos) << word;
    // The synopsis names the operands as the usage message does.
    const size_t synopsis = page.find(".SH SYNOPSIS");
    const std::string synopsis_text = page.substr(synopsis, page.find(".SH", synopsis + 1) - synopsis);
    for (const char* operand : {"projectfile", "prj_filename", "cmp_filename", "ses_filename"})
        EXPECT_NE(synopsis_text.find(operand), std::string::npos) << operand;
}

}  // namespace

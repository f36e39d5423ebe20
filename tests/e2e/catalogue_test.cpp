// The real French catalogues, built from translations/*.ts: the tool shows them
// when both are present, ignores the product catalogue alone, and the catalogue
// sources stay in step with the messages the code looks up.
#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <tuple>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

using Files = std::vector<std::string>;

const std::string k_version = PRJMIGR_EXPECTED_VERSION;
const std::string k_project = "$$$IHM NEVRA$$$PROJET\nNC Native\n";

// A KELMARDIR in `tree` whose lib/locale holds copies of the built `catalogues`.
std::string kelmardir_with(const TempTree& tree, const std::vector<std::string>& catalogues)
{
    tree.write("kelmar/lib/locale/.keep", "");
    for (const std::string& name : catalogues) {
        const std::string bytes = read_file(std::string(PRJMIGR_CATALOGUE_DIR) + "/" + name);
        EXPECT_FALSE(bytes.empty()) << name << " was not built";
        tree.write("kelmar/lib/locale/" + name, bytes);
    }
    return tree.path("kelmar");
}

EnvChanges french(const std::string& kelmardir)
{
    return {{"KELMARDIR", kelmardir}, {"LC_ALL", "fr_FR.UTF-8"}};
}

const std::vector<std::string> k_both = {"prjmigr_fr.qm", "duvaident_fr.qm"};

// ---------------------------------------------------------------- French on both streams

const std::string k_banner_fr = "prjmigr Convertisseur du gestionnaire de tests " + k_version
                                + "\nCopyright (C) 2026 Les auteurs de prjmigr\n";

std::string usage_fr(const std::string& tool)
{
    return "Utilisation : " + tool
           + " [-o <fichier_projet>] ( <fichier_prj> | <fichier_cmp> | <fichier_ses> ) * \n";
}

TEST(FrenchCatalogues, TranslateBannersUsageAndProgress)
{
    TempTree tree;
    const EnvChanges env = french(kelmardir_with(tree, k_both));
    tree.write("work/a.prj", k_project);
    const std::string work = tree.path("work");

    const ToolRun no_project = run_tool({"-v", "first.ses"}, work, env);
    EXPECT_EQ(no_project.exit_code, 1);
    EXPECT_EQ(no_project.out, k_banner_fr);
    EXPECT_EQ(no_project.err,
              "(E) prjmigr Convertisseur du gestionnaire de tests\nCopyright (C) 2026 Les auteurs de prjmigr\n");

    const ToolRun usage = run_tool({}, work, env);
    EXPECT_EQ(usage.exit_code, 255);
    EXPECT_EQ(usage.err, "(E) " + usage_fr(tool_path()));

    const ToolRun help = run_tool({"--help"}, work, env);
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_EQ(help.out, usage_fr(tool_path()));
    EXPECT_EQ(help.err, "");

    const ToolRun version = run_tool({"--version"}, work, env);
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, k_banner_fr);

    const ToolRun run = run_tool({"-v", "a.prj", "absent.ses"}, work, env);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, k_banner_fr + "Analyse de a.prj\nAnalyse de absent.ses\nTerminé.\n");
    std::string why;
    EXPECT_TRUE(is_well_formed_xml(tree.path("work/a.rtp"), &why)) << why;
    EXPECT_TRUE(is_well_formed_xml(tree.path("work/a.inf"), &why)) << why;
}

TEST(FrenchCatalogues, TranslateErrors)
{
    TempTree tree;
    EnvChanges env = french(kelmardir_with(tree, k_both));
    tree.write("work/a.prj", k_project);
    tree.write("work/loop.cmp", "$$$IHM NEVRA$$$CAMPAGNE\nFI loop.cmp\n");
    const std::string work = tree.path("work");

    const ToolRun unopened = run_tool({"-o", "missing-dir/x.rtp", "a.prj"}, work, env);
    EXPECT_EQ(unopened.exit_code, 255);
    EXPECT_EQ(unopened.err, "(E) Impossible d'ouvrir missing-dir/x.rtp\n");

    const ToolRun is_input = run_tool({"-o", "a.prj", "a.prj"}, work, env);
    EXPECT_EQ(is_input.exit_code, 255);
    EXPECT_EQ(is_input.err, "(E) Le fichier de sortie a.prj est aussi un fichier d'entrée ; il est laissé inchangé\n");

    const ToolRun unwritten = run_shell("ulimit -f 1; trap '' XFSZ; exec \"$PRJMIGR\" -o big.rtp a.prj", work, env);
    EXPECT_EQ(unwritten.exit_code, 255);
    EXPECT_EQ(unwritten.err, "(E) Impossible d'écrire big.rtp\n");

    const ToolRun cycle = run_tool({"a.prj", "loop.cmp"}, work, env);
    EXPECT_EQ(cycle.exit_code, 0);
    EXPECT_EQ(cycle.err,
              "(E) Cycle de campagnes : loop.cmp désigne loop.cmp, qui est déjà en cours de lecture\n");

    env["NEVRAHOME"] = std::nullopt;
    const ToolRun unset = run_tool({"a.prj"}, work, env);
    EXPECT_EQ(unset.exit_code, 0);
    const std::string message = "(E) La variable d'environnement « NEVRAHOME » doit être définie.\n";
    EXPECT_EQ(unset.err, message + message + message);

    // The fatal start-up messages come before any catalogue and stay in English.
    env["KELMARDIR"] = tree.path("work");
    const ToolRun fatal = run_tool({"a.prj"}, work, env);
    EXPECT_EQ(fatal.exit_code, 1);
    EXPECT_EQ(fatal.err, "(E) Fatal Error: directory doesn't exist '" + tree.path("work") + "/lib/locale'\n");
}

// ---------------------------------------------------------------- English when the tool catalogue is missing

const std::string k_banner_en = "prjmigr Test Manager Convertisor " + k_version
                                + "\nCopyright (C) 2026 The prjmigr authors\n";

void expect_english(const EnvChanges& env, const std::string& work)
{
    const ToolRun no_project = run_tool({"-v"}, work, env);
    EXPECT_EQ(no_project.exit_code, 1);
    EXPECT_EQ(no_project.out, k_banner_en);
    EXPECT_EQ(no_project.err, "(E) prjmigr Test Manager Convertisor\nCopyright (C) 2026 The prjmigr authors\n");

    const ToolRun run = run_tool({"-v", "a.prj"}, work, env);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, k_banner_en + "Parsing a.prj\nDone.\n");
    EXPECT_EQ(run.err, "");

    const ToolRun unopened = run_tool({"-o", "missing-dir/x.rtp", "a.prj"}, work, env);
    EXPECT_EQ(unopened.err, "(E) Unable to open missing-dir/x.rtp\n");
}

TEST(FrenchCatalogues, TheProductCatalogueAloneIsNotUsed)
{
    TempTree tree;
    const std::string kelmardir = kelmardir_with(tree, {"duvaident_fr.qm"});
    tree.write("work/a.prj", k_project);
    expect_english(french(kelmardir), tree.path("work"));
}

TEST(FrenchCatalogues, WithoutCataloguesTheBuiltInTextsAreShownSilently)
{
    TempTree tree;
    const std::string kelmardir = kelmardir_with(tree, {});
    tree.write("work/a.prj", k_project);
    expect_english(french(kelmardir), tree.path("work"));
}

TEST(FrenchCatalogues, AnotherLocaleKeepsTheBuiltInTexts)
{
    TempTree tree;
    const std::string kelmardir = kelmardir_with(tree, k_both);
    tree.write("work/a.prj", k_project);
    expect_english({{"KELMARDIR", kelmardir}, {"LC_ALL", "C.UTF-8"}}, tree.path("work"));
}

// ---------------------------------------------------------------- catalogue sources in step with the code

struct TsMessage {
    std::string context;
    std::string source;
    std::string comment;
    std::string translation;
    std::string translation_type;  // "unfinished", "obsolete", "vanished", or empty

    auto key() const { return std::tie(context, source, comment); }
    bool operator<(const TsMessage& other) const { return key() < other.key(); }
};

std::vector<TsMessage> read_ts(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QXmlStreamReader xml(&file);
    std::vector<TsMessage> messages;
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText().toStdString();
        } else if (name == u"message") {
            messages.push_back({context, {}, {}, {}, {}});
        } else if (name == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText().toStdString();
        } else if (name == u"comment" && !messages.empty()) {
            messages.back().comment = xml.readElementText().toStdString();
        } else if (name == u"translation" && !messages.empty()) {
            messages.back().translation_type = xml.attributes().value(QStringLiteral("type")).toString().toStdString();
            messages.back().translation = xml.readElementText().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path << ": " << xml.errorString().toStdString();
    return messages;
}

// The messages that lupdate extracts from the code today.
std::vector<TsMessage> extract_from_code()
{
    const TempTree tree;
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_BINARY),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(PRJMIGR_SOURCE_DIR "/src"), QStringLiteral("-ts"),
                   QString::fromStdString(tree.path("extracted.ts"))});
    EXPECT_TRUE(lupdate.waitForFinished(60000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return read_ts(tree.path("extracted.ts"));
}

std::set<std::string> placeholders(const std::string& text)
{
    std::set<std::string> found;
    const std::regex placeholder("%[0-9]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

bool ends_with_line_end(const std::string& text)
{
    return !text.empty() && text.back() == '\n';
}

const std::string k_translations = std::string(PRJMIGR_SOURCE_DIR) + "/translations/";

TEST(CatalogueSources, MatchTheMessagesOfTheCode)
{
    const std::vector<TsMessage> tool = read_ts(k_translations + "prjmigr_fr.ts");
    const std::vector<TsMessage> product = read_ts(k_translations + "duvaident_fr.ts");

    // The product catalogue holds the context "DUVAIdent", the tool catalogue everything else.
    for (const TsMessage& message : product)
        EXPECT_EQ(message.context, "DUVAIdent") << message.source;
    for (const TsMessage& message : tool)
        EXPECT_NE(message.context, "DUVAIdent") << message.source;

    std::set<TsMessage> committed(tool.begin(), tool.end());
    committed.insert(product.begin(), product.end());
    EXPECT_EQ(committed.size(), tool.size() + product.size()) << "a message is listed twice";

    const std::vector<TsMessage> code = extract_from_code();
    const std::set<TsMessage> extracted(code.begin(), code.end());
    ASSERT_FALSE(extracted.empty());
    for (const TsMessage& message : extracted)
        EXPECT_EQ(committed.count(message), 1u)
            << "not in the catalogue sources: [" << message.context << "] [" << message.source << "] ["
            << message.comment << "]";
    for (const TsMessage& message : committed)
        EXPECT_EQ(extracted.count(message), 1u)
            << "no longer in the code: [" << message.context << "] [" << message.source << "] ["
            << message.comment << "]";
}

TEST(CatalogueSources, TranslationsAreFinishedAndKeepPlaceholdersAndLineEnds)
{
    for (const char* file : {"prjmigr_fr.ts", "duvaident_fr.ts"}) {
        for (const TsMessage& message : read_ts(k_translations + file)) {
            SCOPED_TRACE(std::string(file) + ": " + message.source);
            EXPECT_EQ(message.translation_type, "");
            EXPECT_FALSE(message.translation.empty());
            EXPECT_EQ(placeholders(message.translation), placeholders(message.source));
            EXPECT_EQ(ends_with_line_end(message.translation), ends_with_line_end(message.source));
        }
    }
}

}  // namespace

// The real French catalogues, built from translations/*.ts: the tool shows them
// when both are present, ignores the product catalogue alone, and the catalogue
// sources stay in step with the messages the code looks up.
#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <tuple>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

namespace {

const std::string k_version = PRJMIGR_EXPECTED_VERSION;

// A KELMARDIR in `tree` whose lib/locale holds copies of the built `catalogues`,
// and a work folder with a project and a campaign naming itself.
std::string prepare(const TempTree& tree, const std::vector<std::string>& catalogues)
{
    tree.write("kelmar/lib/locale/.keep", "");
    for (const std::string& name : catalogues) {
        const std::string bytes = read_file(std::string(PRJMIGR_CATALOGUE_DIR) + "/" + name);
        EXPECT_FALSE(bytes.empty()) << name << " was not built";
        tree.write("kelmar/lib/locale/" + name, bytes);
    }
    tree.write("work/a.prj", "$$$IHM NEVRA$$$PROJET\nNC Native\n");
    tree.write("work/loop.cmp", "$$$IHM NEVRA$$$CAMPAGNE\nFI loop.cmp\n");
    return tree.path("kelmar");
}

std::string tool(const std::string& arguments)
{
    return "exec \"$PRJMIGR\" " + arguments;
}

// Runs each shell command of `cases` in `work`, expecting its exit code and streams.
void expect_runs(const std::vector<std::tuple<std::string, int, std::string, std::string>>& cases,
                 const std::string& work, const EnvChanges& env)
{
    for (const auto& [command, exit_code, out, err] : cases) {
        SCOPED_TRACE(command);
        const ToolRun run = run_shell(command, work, env);
        EXPECT_EQ(run.exit_code, exit_code);
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(run.err, err);
    }
}

TEST(Catalogues, BothFrenchCataloguesTranslateEveryMessage)
{
    TempTree tree;
    const EnvChanges env = {{"KELMARDIR", prepare(tree, {"prjmigr_fr.qm", "duvaident_fr.qm"})},
                            {"LC_ALL", "fr_FR.UTF-8"}};
    const std::string banner = "prjmigr Convertisseur du gestionnaire de tests " + k_version
                               + "\nCopyright (C) 2026 Les auteurs de prjmigr\n";
    const std::string usage = "Utilisation : " + tool_path()
                              + " [-o <fichier_projet>] ( <fichier_prj> | <fichier_cmp> | <fichier_ses> ) * \n";
    const std::string help =
        "Options :\n"
        "  -o <fichier_projet>  nom du fichier projet ; le fichier des objets est placé à côté\n"
        "  -v                   affiche la version, puis chaque fichier hérité au moment de sa lecture\n"
        "  --warnings           signale aussi ce que la conversion laisse de côté, sur la sortie d'erreur\n"
        "  --check              signale ce que la conversion laisserait de côté, sans rien écrire\n"
        "  --help               affiche cette aide et termine\n"
        "  --version            affiche la version et termine\n"
        "Environnement :\n"
        "  KELMARDIR            racine de l'installation ; les catalogues de messages sont dans $KELMARDIR/lib/locale\n"
        "  NEVRAHOME            racine de l'atelier, nommée dans la ligne de type de document des deux sorties\n";
    const std::string unset = "(E) La variable d'environnement « NEVRAHOME » doit être définie.\n";
    const std::string work = tree.path("work");
    expect_runs(
        {
            {tool("-v first.ses"), 1, banner,
             "(E) prjmigr Convertisseur du gestionnaire de tests\nCopyright (C) 2026 Les auteurs de prjmigr\n"},
            {tool(""), 255, "", "(E) " + usage},
            {tool("--help"), 0, usage + help, ""},
            {tool("--version"), 0, banner, ""},
            {tool("-v a.prj absent.ses"), 0, banner + "Analyse de a.prj\nAnalyse de absent.ses\nTerminé.\n", ""},
            {tool("-o missing-dir/x.rtp a.prj"), 255, "", "(E) Impossible d'ouvrir missing-dir/x.rtp\n"},
            {tool("-o a.prj a.prj"), 255, "",
             "(E) Le fichier de sortie a.prj est aussi un fichier d'entrée ; il est laissé inchangé\n"},
            {"ulimit -f 1; trap '' XFSZ; " + tool("-o big.rtp a.prj"), 255, "", "(E) Impossible d'écrire big.rtp\n"},
            {tool("a.prj loop.cmp"), 0, "",
             "(E) Cycle de campagnes : loop.cmp désigne loop.cmp, qui est déjà en cours de lecture\n"},
            {"unset NEVRAHOME; " + tool("a.prj"), 0, "", unset + unset + unset},
            // The fatal start-up messages come before any catalogue and stay in English.
            {"KELMARDIR='" + work + "' " + tool("a.prj"), 1, "",
             "(E) Fatal Error: directory doesn't exist '" + work + "/lib/locale'\n"},
        },
        work, env);
    expect_well_formed_xml(tree.path("work/a.rtp"));
    expect_well_formed_xml(tree.path("work/a.inf"));
}

TEST(Catalogues, WithoutTheToolCatalogueTheBuiltInTextsAreShownSilently)
{
    const std::string banner = "prjmigr Test Manager Convertisor " + k_version
                               + "\nCopyright (C) 2026 The prjmigr authors\n";
    // The product catalogue alone, none, or both for another locale.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"duvaident_fr.qm"}, "fr_FR.UTF-8"},
        {{}, "fr_FR.UTF-8"},
        {{"prjmigr_fr.qm", "duvaident_fr.qm"}, "C.UTF-8"},
    };
    for (const auto& [catalogues, locale] : cases) {
        SCOPED_TRACE(testing::PrintToString(catalogues) + " " + locale);
        TempTree tree;
        const EnvChanges env = {{"KELMARDIR", prepare(tree, catalogues)}, {"LC_ALL", locale}};
        expect_runs({{tool("-v"), 1, banner,
                      "(E) prjmigr Test Manager Convertisor\nCopyright (C) 2026 The prjmigr authors\n"},
                     {tool("-v a.prj"), 0, banner + "Parsing a.prj\nDone.\n", ""},
                     {tool("-o missing-dir/x.rtp a.prj"), 255, "", "(E) Unable to open missing-dir/x.rtp\n"}},
                    tree.path("work"), env);
    }
}

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
std::set<TsMessage> extract_from_code()
{
    const TempTree tree;
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_BINARY),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(PRJMIGR_SOURCE_DIR "/src"), QStringLiteral("-ts"),
                   QString::fromStdString(tree.path("extracted.ts"))});
    EXPECT_TRUE(lupdate.waitForFinished(60000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::vector<TsMessage> messages = read_ts(tree.path("extracted.ts"));
    return {messages.begin(), messages.end()};
}

std::set<std::string> placeholders(const std::string& text)
{
    std::set<std::string> found;
    const std::regex placeholder("%[0-9]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

TEST(CatalogueSources, MatchTheMessagesOfTheCodeAndAreFullyTranslated)
{
    const std::string folder = std::string(PRJMIGR_SOURCE_DIR) + "/translations/";
    const auto ends_line = [](const std::string& text) { return !text.empty() && text.back() == '\n'; };
    std::set<TsMessage> committed;
    size_t listed = 0;
    // The product catalogue holds the context "DUVAIdent", the tool catalogue everything else.
    for (const auto& [file, product] : {std::pair("prjmigr_fr.ts", false), std::pair("duvaident_fr.ts", true)}) {
        for (const TsMessage& message : read_ts(folder + file)) {
            SCOPED_TRACE(std::string(file) + ": " + message.source);
            EXPECT_EQ(message.context == "DUVAIdent", product);
            EXPECT_EQ(message.translation_type, "");
            EXPECT_FALSE(message.translation.empty());
            EXPECT_EQ(placeholders(message.translation), placeholders(message.source));
            EXPECT_EQ(ends_line(message.translation), ends_line(message.source));
            committed.insert(message);
            ++listed;
        }
    }
    EXPECT_EQ(committed.size(), listed) << "a message is listed twice";

    const std::set<TsMessage> extracted = extract_from_code();
    ASSERT_FALSE(extracted.empty());
    for (const TsMessage& message : extracted)
        EXPECT_EQ(committed.count(message), 1u) << "not in the catalogue sources: [" << message.context << "] ["
                                                << message.source << "] [" << message.comment << "]";
    for (const TsMessage& message : committed)
        EXPECT_EQ(extracted.count(message), 1u) << "no longer in the code: [" << message.context << "] ["
                                                << message.source << "] [" << message.comment << "]";
}

}  // namespace

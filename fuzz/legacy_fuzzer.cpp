// libFuzzer target: arbitrary bytes as a set of legacy files, read and written
// the way a run does, into memory. Both documents must be well-formed XML for
// libxml2 (which also rejects bytes that are not UTF-8 and characters XML
// forbids) and use no entity but the predefined ones, and must be those of the
// tool's own conversion of the same files (its trees formatted on a thread of
// their own while the next ones are read). With diagnostics chosen,
// the run is made again with them on: documents, standard output and error
// lines must stay the same, each diagnostic one line in the compilers' form;
// and each record printed, turned into its SARIF result and back into a line,
// must give the line printed (its colours taken out, too).
// Some inputs are read as written on Windows, some through path maps.
//
// Parts of the input, separated by lines "====": a control part (its first
// byte picks NEVRAHOME and run options, the rest is a root for a DOCTYPE of its
// own), the project legacy/p.prj, the campaign legacy/c.cmp, then the files the
// campaign lines name, in the order the reader first asks for them; parts left
// over are the sessions of the command line. Any part may be of any kind.
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <libxml/parser.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "legacy/reader.h"
#include "messages/console.h"
#include "prjmigr/conversion.h"
#include "messages/diagnostic_rules.h"
#include "messages/sarif_log.h"
#include "writers/objects_writer.h"
#include "writers/project_writer.h"
#include "writers/test_tree_writer.h"

namespace {

constexpr std::string_view k_separator = "\n====\n";
const std::string k_project_path = "legacy/p.prj";
const std::string k_campaign_path = "legacy/c.cmp";

// Workbench roots (NEVRAHOME), as the DOCTYPE lines name them.
const char* const k_roots[] = {
    "/opt/nevra", "", "/opt/a\"b&c<d>'", "/opt/caf\xe9", "C:\\nevra\\", "\x01\x7f\t",
    "\xef\xbf\xbe\xf4\x90\x80\x80\xed\xa0\x80", "/opt/nevra/",
};

// Campaigns may name one file many times: two campaigns of 400 lines naming
// each other's files expand to 160,000 nodes out of 4 KiB, and each
// configuration adds 7 KB of root settings and a list entry to every node. The
// reader shares what repeats, but the documents carry every node (the end-to-end
// tests cover volume). Here volume would only slow the search, so the harness
// stops loading after k_max_loads files and writes only runs whose documents it
// expects below k_max_output bytes.
constexpr size_t k_max_loads = 64;
constexpr size_t k_max_output = 128 * 1024;

// How many nodes a record is written as, each shared member counted every time
// it is named; saturated, since only "too many" matters.
size_t written_nodes(const LegacyRecord& record, std::map<const LegacyRecord*, size_t>& known)
{
    if (const auto found = known.find(&record); found != known.end())
        return found->second;
    size_t nodes = 1;
    for (const LegacyRecord* member : record.members)
        nodes = std::min(k_max_output, nodes + written_nodes(*member, known));
    return known[&record] = nodes;
}

// The legacy files of one input: a name gets the next unused part the first time
// the reader asks for it, as files on disk would; once the parts run out, every
// new name is a missing file. Frozen, the names met so far keep their parts and
// no new name gets one, so that every later run reads the same files whatever
// else it looks up; each freeze() counts the loads afresh.
class FuzzFiles {
public:
    explicit FuzzFiles(std::string_view input)
    {
        for (size_t at; (at = input.find(k_separator)) != std::string_view::npos;) {
            parts_.push_back(input.substr(0, at));
            input.remove_prefix(at + k_separator.size());
        }
        parts_.push_back(input);
    }

    std::string_view control() const { return parts_[0]; }
    bool has_unused() const { return next_part_ < parts_.size(); }
    void bind(const std::string& path) { find(path); }
    void freeze()
    {
        frozen_ = true;
        loads_ = 0;
    }

    LegacyFiles files()
    {
        const auto read = [this](const std::string& path, bool content) {
            LegacyText text;
            const std::optional<size_t> part = find(path);
            text.error = part ? 0 : ENOENT;
            text.regular = true;
            if (!part)
                return text;
            if (content && loads_ == k_max_loads) {
                text.error = EMFILE;  // not opened: no identity
                return text;
            }
            text.id = FileId{1, static_cast<ino_t>(*part)};
            if (!content)
                return text;
            ++loads_;
            text.bytes = std::string(parts_[*part]);
            return text;
        };
        // A folder lists the next component of every name met under it.
        const auto list = [this](const std::string& directory) {
            const std::string prefix = directory == "." ? ""
                                       : !directory.empty() && directory.back() == '/' ? directory
                                                                                        : directory + "/";
            std::set<std::string> names;
            for (const auto& [name, part] : names_) {
                if (name.compare(0, prefix.size(), prefix) == 0)
                    names.insert(name.substr(prefix.size(), name.find('/', prefix.size()) - prefix.size()));
            }
            std::vector<FolderEntry> entries;
            for (const std::string& name : names)
                entries.push_back({name});
            return std::optional(entries);
        };
        // Every folder can be listed, so this serves only for completeness.
        const auto exists = [this](const std::string& path) {
            for (const auto& [name, part] : names_) {
                if (name.compare(0, path.size(), path) == 0 && (name.size() == path.size() || name[path.size()] == '/'))
                    return true;
            }
            return false;
        };
        return {read, list, exists, {}};
    }

private:
    std::optional<size_t> find(const std::string& path)
    {
        if (const auto known = names_.find(path); known != names_.end())
            return known->second;
        if (frozen_ || !has_unused())
            return std::nullopt;
        return names_[path] = next_part_++;
    }

    std::vector<std::string_view> parts_;
    std::map<std::string, size_t> names_;
    size_t next_part_ = 1;  // part 0 is the control part
    size_t loads_ = 0;
    bool frozen_ = false;
};

// Well-formed for libxml2, without loading the external DTD the DOCTYPE names.
// XML_PARSE_HUGE lifts the nesting limit of 256 that nested campaigns can pass.
bool is_well_formed(const std::string& document)
{
    xmlDocPtr tree = xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr,
                                   XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE);
    xmlFreeDoc(tree);
    return tree != nullptr;
}

// After the DOCTYPE's system literal, every "&" starts one of the five predefined
// entities or a character reference. libxml2 alone would not tell: with an
// external DTD named, an undeclared entity is no well-formedness error.
bool references_are_predefined(std::string_view document)
{
    const size_t literal = document.find("SYSTEM \"");
    if (literal == std::string_view::npos)
        return false;
    size_t at = document.find('"', literal + 8);
    for (at = document.find('&', at); at != std::string_view::npos; at = document.find('&', at + 1)) {
        const std::string_view rest = document.substr(at + 1);
        bool known = rest.substr(0, 1) == "#";
        for (const std::string_view name : {"amp;", "lt;", "gt;", "quot;", "apos;"})
            known = known || rest.substr(0, name.size()) == name;
        if (!known)
            return false;
    }
    return true;
}

void check_document(const std::string& document)
{
    if (!is_well_formed(document) || !references_are_predefined(document))
        __builtin_trap();
}

// What one run printed and wrote.
struct RunResult {
    std::string out;
    std::string err;
    std::optional<std::pair<std::string, std::string>> documents;  // none when too large
};

// Reads in the run's order (project, campaigns, sessions), then writes: the
// writers only read the model, so this gives the documents of the run's interleaving.
// The folders listed by the first run stay listed for the next, as they
// would on a disk that does not change: `files` serves them all.
RunResult run(LegacyFiles& files, const ReaderOptions& options, std::string_view root,
              const LegacyArguments& arguments, std::vector<Diagnostic>* records = nullptr)
{
    RunResult result;
    Console console({nullptr, &result.out}, {nullptr, &result.err});
    console.set_diagnostics(options.diagnostics, false);
    if (records)
        console.set_log([records](const Diagnostic& diagnostic) { records->push_back(diagnostic); });
    RunReading reading{options, files, console};
    Run run;
    std::vector<std::pair<std::string, LegacyTree>> campaigns;
    std::vector<std::pair<std::string, LegacyTree>> sessions;
    read_in_run_order(arguments, reading, run,
                      {[] { return true; }, [&](const std::string& path, bool campaign, LegacyTree tree) {
                           (campaign ? campaigns : sessions).emplace_back(path, std::move(tree));
                       }});
    const LegacyRecord* project = run.project_record();
    std::map<const LegacyRecord*, size_t> known;
    size_t nodes = sessions.size();
    for (const auto& [path, campaign] : campaigns)
        nodes = std::min(k_max_output, nodes + written_nodes(campaign.root(), known));
    const size_t configs = project ? project->configs.size() : 0;
    if (7300 * configs + nodes * (3000 + 450 * configs) <= k_max_output) {
        OutputStream project_out;
        write_project_head(project_out, "out/p.rtp", root);
        write_project_configs(project_out, project);
        begin_test_tree(project_out);
        for (const auto& [path, campaign] : campaigns)
            write_group(project_out, path, campaign.root(), project);
        for (const auto& [path, session] : sessions)
            write_test(project_out, path, session.root(), project);
        write_project_tail(project_out, "p.inf", project);
        OutputStream objects_out;
        write_objects_file(objects_out, root, run.named.script_files, run.named.source_files);
        result.documents.emplace(project_out.buffered(), objects_out.buffered());
    }
    return result;
}

// The documents of the tool's own conversion of the same files, each tree
// formatted on the thread while the next is read, one record ahead at most.
std::pair<std::string, std::string> tool_documents(LegacyFiles& files, const ReaderOptions& options,
                                                   std::string_view root, const LegacyArguments& arguments)
{
    std::string ignored;
    Console console({nullptr, &ignored}, {nullptr, &ignored});
    RunReading reading{options, files, console};
    Run run;
    OutputStream objects_out;
    const OutputStream project_out = format_project_file(
        OutputStream(), {"out/p.rtp", "p.inf", std::string(root)}, arguments, reading, run, JobLimits{1, 0},
        [&] { write_objects_file(objects_out, root, run.named.script_files, run.named.source_files); });
    return {project_out.buffered(), objects_out.buffered()};
}

// Every line of `err` is an error framed by "(E) " or a diagnostic in the
// compilers' form, a note following a warning (but for the count of a file's
// reports not shown). Gives the error lines alone.
std::string checked_error_lines(std::string_view err)
{
    std::string errors;
    bool after_warning = false;
    for (size_t end; !err.empty(); err.remove_prefix(end + 1)) {
        end = err.find('\n');
        const std::string_view line = err.substr(0, end + 1);
        if (end == std::string_view::npos)
            __builtin_trap();
        const bool note = line.find(": note: ") != std::string_view::npos;
        if (line.substr(0, 4) == "(E) ")
            errors.append(line);
        else if (note && after_warning)
            after_warning = false;
        else if (note && line.find(" about this file ") != std::string_view::npos)
            after_warning = false;  // the count of a file's reports not shown explains no warning
        else if (line.find(": warning: ") != std::string_view::npos)
            after_warning = true;
        else
            __builtin_trap();
    }
    return errors;
}

// Files as the log would name them without a disk to make them canonical: the
// path as printed, relative to the source root or as an absolute file:// URI.
QJsonObject artifact_as_printed(const std::string& path)
{
    if (!path.empty() && path.front() == '/')
        return {{QStringLiteral("uri"), QStringLiteral("file://") + uri_reference(path)}};
    return {{QStringLiteral("uri"), uri_reference(path)}, {QStringLiteral("uriBaseId"), QStringLiteral("SRCROOT")}};
}

// The line of the record that a SARIF result or notification stands for: its
// rule, location and text.
std::string line_of_entry(const QJsonObject& entry)
{
    const bool result = entry.contains(QStringLiteral("ruleId"));
    const QString id = result ? entry[QStringLiteral("ruleId")].toString()
                              : entry[QStringLiteral("descriptor")][QStringLiteral("id")].toString();
    size_t kind = 0;
    while (kind < k_diagnostic_kinds && QString::fromLatin1(diagnostic_rule(DiagnosticKind(kind)).id) != id)
        ++kind;
    if (kind == k_diagnostic_kinds || (sarif_place_of(DiagnosticKind(kind)) == SarifPlace::result) != result)
        __builtin_trap();
    // Its index among the rules, or among the notification descriptors.
    qint64 index = 0;
    for (size_t other = 0; other < kind; ++other)
        index += (sarif_place_of(DiagnosticKind(other)) == SarifPlace::result) == result;
    if ((result ? entry[QStringLiteral("ruleIndex")] : entry[QStringLiteral("descriptor")][QStringLiteral("index")])
            .toInteger(-1) != index)
        __builtin_trap();
    Diagnostic diagnostic{DiagnosticKind(kind), std::nullopt, 0, entry[QStringLiteral("message")][QStringLiteral("text")].toString()};
    const QJsonValue location = entry[QStringLiteral("locations")][0][QStringLiteral("physicalLocation")];
    if (!location.isUndefined()) {
        QByteArray uri = location[QStringLiteral("artifactLocation")][QStringLiteral("uri")].toString().toLatin1();
        uri.remove(0, uri.startsWith("file://") ? 7 : 0);
        diagnostic.file = QByteArray::fromPercentEncoding(uri).toStdString();
        diagnostic.line = static_cast<size_t>(location[QStringLiteral("region")][QStringLiteral("startLine")].toInteger());
    }
    static const QRegularExpression k_colour(QStringLiteral("\x1b\\[[0-9;]*m"));
    QString coloured = diagnostic_line(diagnostic, true);
    const QString line = diagnostic_line(diagnostic, false);
    if (coloured.remove(k_colour) != line)
        __builtin_trap();
    return line.toLocal8Bit().toStdString();
}

}  // namespace

// A quarantine of 16 MB instead of 256 MB: freed memory is reused sooner, which
// halves the time of an execution (fresh pages cost a fault each) and still
// catches a use after free within the same execution. ASAN_OPTIONS overrides it.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    xmlInitParser();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFiles fuzz_files(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view control = fuzz_files.control();
    const unsigned char options = control.empty() ? 0 : static_cast<unsigned char>(control[0]);
    const std::string_view root = k_roots[options % std::size(k_roots)];
    // The DOCTYPE line alone, with arbitrary bytes for the root (NUL included,
    // which the environment cannot hold).
    OutputStream doctype;
    write_document_start(doctype, control.substr(control.empty() ? 0 : 1));
    doctype.put("<project/>\n");
    check_document(doctype.buffered());

    // Bit 3: the campaign is named twice on the command line; bit 4: a session
    // of the command line is missing; bit 5: a second run with diagnostics;
    // bit 6: paths written on Windows; bit 7: path maps.
    fuzz_files.bind(k_project_path);
    fuzz_files.bind(k_campaign_path);
    LegacyArguments arguments{k_project_path, std::vector<std::string>((options & 0x08) ? 2 : 1, k_campaign_path), {}};
    for (size_t i = 3; fuzz_files.has_unused(); ++i) {
        arguments.sessions.push_back("legacy/s" + std::to_string(i) + ".ses");
        fuzz_files.bind(arguments.sessions.back());
    }
    if (options & 0x10)
        arguments.sessions.push_back("legacy/missing.ses");

    ReaderOptions reader_options;
    reader_options.windows_paths = (options & 0x40) != 0;
    if (options & 0x80)
        reader_options.maps = {{"C:\\Work", "legacy"}, {"/abs/", "legacy/sub"}, {"/abs/x", ""}};
    LegacyFiles files = fuzz_files.files();
    const RunResult plain = run(files, reader_options, root, arguments);
    // Without the option, nothing but errors reaches the error stream.
    if (checked_error_lines(plain.err) != plain.err)
        __builtin_trap();
    fuzz_files.freeze();
    if (plain.documents) {
        check_document(plain.documents->first);
        check_document(plain.documents->second);
        if (tool_documents(files, reader_options, root, arguments) != *plain.documents)
            __builtin_trap();
    }
    if (!(options & 0x20))
        return 0;

    fuzz_files.freeze();
    reader_options.diagnostics = true;
    std::vector<Diagnostic> records;
    const RunResult reported = run(files, reader_options, root, arguments, &records);
    if (reported.documents != plain.documents || reported.out != plain.out
        || checked_error_lines(reported.err) != plain.err)
        __builtin_trap();
    std::string lines;
    for (const Diagnostic& record : records)
        lines += line_of_entry(sarif_entry(record, artifact_as_printed));
    if (lines != reported.err)
        __builtin_trap();
    return 0;
}

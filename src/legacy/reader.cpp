#include "legacy/reader.h"

#include <cerrno>
#include <deque>
#include <limits>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "legacy/legacy_format.h"
#include "legacy/path_value.h"
#include "legacy/session_check.h"
#include "legacy/suggestion.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "messages/message_table.h"

namespace {

// The verbose line that a file is being read; made only when it is printed,
// since most runs read thousands of files quietly.
void announce(Console& console, const std::string& path)
{
    if (console.verbose())
        console.print_verbose(parsing_message(path));
}

// A chain of campaigns being read, as a number: equal chains get equal numbers.
// 0 is the empty chain.
using ChainId = size_t;

// A campaign named by a path on a chain. Read again there, it reads the same
// files and refuses the same cycles, so its expansion is shared.
struct ExpansionKey {
    std::string path;
    ChainId chain;
    bool operator==(const ExpansionKey& other) const { return chain == other.chain && path == other.path; }
};

struct ExpansionKeyHash {
    size_t operator()(const ExpansionKey& key) const
    {
        return std::hash<std::string>()(key.path) ^ (key.chain * 0x9E3779B97F4A7C15ULL);
    }
};

// An FI line that gave its campaign no member, kept so that the campaign,
// met again, prints what a fresh reading prints.
struct SkippedMember {
    size_t position;  // how many members came before it
    std::string path;
    size_t line;      // the campaign's FI line that names it
    bool cycle;       // refused as a cycle; otherwise it could not be read
};

// A file just opened and given its record.
struct Opened {
    LegacyRecord& record;
    FileId id;
    bool first;  // read for the first time in the run: its diagnostics are due
    FileKind kind = FileKind::none;
    std::vector<MemberLine> member_lines;  // a campaign's FI lines
    size_t config_line = 0;
    std::vector<Diagnostic> diagnostics;
    size_t not_shown = 0;  // reports of its content beyond those kept
};

// A campaign whose FI lines are being followed.
struct Frame {
    LegacyRecord* record;
    std::vector<MemberLine> lines;
    ChainId chain;  // the chain down to this campaign, itself included
    FileId id;
    bool first;
    std::vector<Diagnostic> diagnostics;
    size_t not_shown;
    size_t next_line = 0;
    size_t next_diagnostic = 0;
};

// One call of read_legacy_file. An explicit stack rather than recursion:
// campaigns may nest thousands deep, and each file is closed before its members
// are opened.
class TreeReader {
public:
    TreeReader(const ReadingScope& scope, LegacyRead& read, LegacyTree& tree)
        : options_(scope.options), files_(scope.files), console_(scope.console), scope_(scope), read_(read),
          tree_(tree)
    {
    }

    bool read(const std::string& path)
    {
        announce(console_, path);
        LegacyText text = files_.read(path, true);
        if (text.error != 0) {
            count_as_input(text);
            report_unreadable_argument(path, text.error);
            console_.end_of_file(path);
            return false;
        }
        Opened opened = open(path, text);
        if (opened.kind != FileKind::campaign) {
            finish_file(opened);
            return true;
        }
        enter(std::move(opened), 0);
        while (!frames_.empty())
            step();
        return true;
    }

private:
    // Follows the next FI line of the innermost campaign, or closes it.
    void step()
    {
        Frame& frame = frames_.back();
        const std::vector<MemberLine>& lines = frame.lines;
        if (frame.next_line == lines.size()) {
            report_until(frame, std::numeric_limits<size_t>::max());
            leave();
            return;
        }
        const MemberLine& line = lines[frame.next_line++];
        report_until(frame, line.line);
        follow(frame, line);
    }

    void follow(Frame& frame, const MemberLine& line)
    {
        LegacyRecord& campaign = *frame.record;
        ExpansionKey key{resolve_path(campaign.path, line.value, options_, files_), frame.chain};
        const auto shared = expansions_.find(key);
        if (shared != expansions_.end()) {
            replay(*shared->second);
            campaign.members.push_back(shared->second);
            if (refusing_.count(shared->second) != 0)
                refusing_.insert(&campaign);
            return;
        }
        std::string member = std::move(key.path);
        // The identity comes with the open file: a member already on the chain is
        // refused before it is announced.
        LegacyText text = files_.read(member, true);
        if (text.error == 0 && on_chain_.count(*text.id) != 0) {
            console_.print_error(campaign_cycle_error(campaign.path, line.line, member));
            skipped_[&campaign].push_back({campaign.members.size(), std::move(member), line.line, true});
            refusing_.insert(&campaign);
            return;
        }
        announce(console_, member);
        if (text.error != 0) {
            count_as_input(text);
            if (frame.first)
                report_unreadable_member(campaign.path, line.line, member, text.error);
            skipped_[&campaign].push_back({campaign.members.size(), std::move(member), line.line, false});
            return;
        }
        Opened opened = open(std::move(member), text);
        campaign.members.push_back(&opened.record);
        if (opened.kind != FileKind::campaign) {
            finish_file(opened);
            return;
        }
        expansions_.emplace(ExpansionKey{opened.record.path, frame.chain}, &opened.record);
        enter(std::move(opened), frame.chain);
    }

    // Parses the file into its record; a campaign's FI lines are for the caller to follow.
    Opened open(std::string path, const LegacyText& text)
    {
        LegacyRecord& record = tree_.records.emplace_back();
        record.path = std::move(path);
        const bool first = read_.input_files.insert(*text.id).second && scope_.inputs_before.count(*text.id) == 0;
        Opened opened{record, *text.id, first, FileKind::none, {}, 0, {}};
        FileContent content = parse_legacy_text(text.bytes, record.path, options_, files_, read_.named,
                                                opened.first && options_.diagnostics ? &opened.diagnostics : nullptr);
        record.source_file = std::move(content.source_file);
        record.script_file = std::move(content.script_file);
        record.settings = std::move(content.settings);
        record.configs = std::move(content.configs);
        opened.kind = content.kind;
        opened.config_line = content.config_line;
        opened.member_lines = std::move(content.member_lines);
        opened.not_shown = content.not_shown;
        read_.name_suggested = read_.name_suggested || content.name_suggested;
        return opened;
    }

    void enter(Opened&& opened, ChainId parent)
    {
        const auto chain = chains_.try_emplace({parent, opened.id}, chains_.size() + 1).first->second;
        on_chain_.insert(opened.id);
        frames_.push_back({&opened.record, std::move(opened.member_lines), chain, opened.id, opened.first,
                           std::move(opened.diagnostics), opened.not_shown});
    }

    void leave()
    {
        const LegacyRecord* done = frames_.back().record;
        if (frames_.back().first)
            end_reports(done->path, frames_.back().not_shown);
        on_chain_.erase(frames_.back().id);
        frames_.pop_back();
        if (!frames_.empty() && refusing_.count(done) != 0)
            refusing_.insert(frames_.back().record);
    }

    // A file that names no members: its diagnostics, all at once.
    void finish_file(const Opened& opened)
    {
        if (!opened.first || !options_.diagnostics)
            return;
        for (const Diagnostic& diagnostic : opened.diagnostics)
            console_.print_diagnostic(diagnostic);
        if (opened.kind == FileKind::session)
            check_session_configuration(console_, scope_.project, opened.record, opened.config_line);
        end_reports(opened.record.path, opened.not_shown);
    }

    // The reading of a file is over: the reports about it not shown are told.
    void end_reports(const std::string& path, size_t not_shown)
    {
        console_.count_not_shown(path, not_shown);
        console_.end_of_file(path);
    }

    // A campaign's diagnostics come in line order among the reading of its members.
    void report_until(Frame& frame, size_t line)
    {
        while (frame.next_diagnostic < frame.diagnostics.size()
               && frame.diagnostics[frame.next_diagnostic].line < line)
            console_.print_diagnostic(frame.diagnostics[frame.next_diagnostic++]);
    }

    // Prints what reading a shared campaign again prints: the announcements of
    // every file it reads and the cycles it refuses.
    void replay(const LegacyRecord& campaign)
    {
        announce(console_, campaign.path);
        struct Position {
            const LegacyRecord* record;
            const std::vector<SkippedMember>* skipped;
            size_t member = 0;
            size_t next_skipped = 0;
        };
        std::vector<Position> stack;
        const auto visit = [&](const LegacyRecord& record) {
            if (!console_.verbose() && refusing_.count(&record) == 0)
                return;
            const auto skipped = skipped_.find(&record);
            stack.push_back({&record, skipped == skipped_.end() ? nullptr : &skipped->second});
        };
        visit(campaign);
        while (!stack.empty()) {
            Position& top = stack.back();
            const LegacyRecord& record = *top.record;
            if (top.skipped && top.next_skipped < top.skipped->size()
                && (*top.skipped)[top.next_skipped].position == top.member) {
                const SkippedMember& skipped = (*top.skipped)[top.next_skipped++];
                if (skipped.cycle)
                    console_.print_error(campaign_cycle_error(record.path, skipped.line, skipped.path));
                else
                    announce(console_, skipped.path);
                continue;
            }
            if (top.member == record.members.size()) {
                stack.pop_back();
                continue;
            }
            const LegacyRecord& member = *record.members[top.member++];
            announce(console_, member.path);
            visit(member);
        }
    }

    // A file opened but left out (too large, a read error) is still an input:
    // no output may replace it.
    void count_as_input(const LegacyText& text)
    {
        if (text.id)
            read_.input_files.insert(*text.id);
    }

    // A report the run makes: diagnostics on and its kind not left out.
    bool reports(DiagnosticKind kind) const
    {
        return options_.diagnostics && !options_.ignored[static_cast<size_t>(kind)];
    }

    void report_unreadable_argument(const std::string& path, int error)
    {
        if (!reports(DiagnosticKind::unreadable_argument))
            return;
        console_.print_diagnostic(unreadable_argument_warning(path, error));
        if (const std::optional<std::string> meant = suggestion(path, error))
            console_.print_diagnostic(argument_suggestion_note(path, *meant));
    }

    void report_unreadable_member(const std::string& campaign, size_t line, const std::string& member,
                                  int error)
    {
        if (!reports(DiagnosticKind::unreadable_member))
            return;
        console_.print_diagnostic(unreadable_member_warning(campaign, line, member, error));
        // Read as written on Windows, the member's name was already looked up.
        if (options_.windows_paths)
            return;
        if (const std::optional<std::string> meant = suggestion(member, error)) {
            console_.print_diagnostic(member_suggestion_note(campaign, line, *meant));
            read_.name_suggested = true;
        }
    }

    // Only a name that leads nowhere gets a suggestion, not a file that is there.
    std::optional<std::string> suggestion(const std::string& path, int error)
    {
        if (error != ENOENT && error != ENOTDIR)
            return std::nullopt;
        return suggest_file(path, files_);
    }

    const ReaderOptions& options_;
    LegacyFiles& files_;
    Console& console_;
    const ReadingScope& scope_;
    LegacyRead& read_;
    LegacyTree& tree_;
    std::deque<Frame> frames_;
    FileIdSet on_chain_;
    std::map<std::pair<ChainId, FileId>, ChainId> chains_;
    std::unordered_map<ExpansionKey, const LegacyRecord*, ExpansionKeyHash> expansions_;
    std::unordered_map<const LegacyRecord*, std::vector<SkippedMember>> skipped_;
    // The campaigns in whose expansion a campaign is refused as a cycle.
    std::unordered_set<const LegacyRecord*> refusing_;
};

}  // namespace

LegacyRead read_legacy_file(const std::string& path, const ReadingScope& scope)
{
    LegacyRead read;
    LegacyTree tree;
    if (TreeReader(scope, read, tree).read(path))
        read.tree = std::move(tree);
    return read;
}

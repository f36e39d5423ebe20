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
#include "legacy/session_check.h"
#include "legacy/suggestion.h"
#include "messages/console.h"
#include "messages/diagnostic_messages.h"
#include "messages/message_table.h"

namespace {

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

// A file just opened and given its record.
struct Opened {
    LegacyRecord& record;
    FileId id;
    bool first;  // read for the first time in the run: its diagnostics are due
    std::vector<Diagnostic> diagnostics;
};

// A campaign whose FI lines are being followed.
struct Frame {
    LegacyRecord* record;
    ChainId chain;  // the chain down to this campaign, itself included
    FileId id;
    bool first;
    std::vector<Diagnostic> diagnostics;
    size_t next_line = 0;
    size_t next_diagnostic = 0;
};

// One call of read_legacy_file. An explicit stack rather than recursion:
// campaigns may nest thousands deep, and each file is closed before its members
// are opened.
class TreeReader {
public:
    TreeReader(const LegacyFiles& files, LegacyTree& tree) : files_(files), tree_(tree) {}

    bool read(const std::string& path)
    {
        print_verbose(parsing_message(path));
        LegacyText text = files_.read(path, [](const FileId&) { return false; });
        if (text.error != 0) {
            report_unreadable_argument(path, text.error);
            return false;
        }
        Opened opened = open(path, text);
        if (opened.record.content->kind != FileKind::campaign) {
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
        const std::vector<MemberLine>& lines = frame.record->content->member_lines;
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
        std::string member = resolve_path(campaign.path, line.value);
        const auto shared = expansions_.find(ExpansionKey{member, frame.chain});
        if (shared != expansions_.end()) {
            replay(*shared->second);
            campaign.members.push_back(shared->second);
            campaign.refuses_cycles |= shared->second->refuses_cycles;
            return;
        }
        // The identity comes with the open file: a member already on the chain is
        // refused before it is announced.
        LegacyText text =
            files_.read(member, [this](const FileId& id) { return tree_.contents.count(id) != 0; });
        if (text.error == 0 && on_chain_.count(text.id) != 0) {
            print_error(campaign_cycle_message(campaign.path, member));
            campaign.skipped.push_back({campaign.members.size(), std::move(member), true});
            campaign.refuses_cycles = true;
            return;
        }
        print_verbose(parsing_message(member));
        if (text.error != 0) {
            if (frame.first)
                report_unreadable_member(campaign.path, line.line, member, text.error);
            campaign.skipped.push_back({campaign.members.size(), std::move(member), false});
            return;
        }
        Opened opened = open(std::move(member), text);
        campaign.members.push_back(&opened.record);
        if (opened.record.content->kind != FileKind::campaign) {
            finish_file(opened);
            return;
        }
        expansions_.emplace(ExpansionKey{opened.record.path, frame.chain}, &opened.record);
        enter(std::move(opened), frame.chain);
    }

    // Gives the file its record; its content is parsed the first time this tree meets it.
    Opened open(std::string path, const LegacyText& text)
    {
        const bool first = g_input_files.insert(text.id).second;
        std::vector<Diagnostic> diagnostics;
        const auto [content, fresh] = tree_.contents.try_emplace(text.id);
        if (fresh)
            content->second =
                parse_legacy_text(text.bytes, path, first && g_diagnostics ? &diagnostics : nullptr);
        LegacyRecord& record = tree_.records.emplace_back();
        record.path = std::move(path);
        record.content = &content->second;
        for (const PathValue& value : record.content->path_values) {
            std::string resolved = resolve_path(record.path, value.value);
            add_unique_nocase(value.script ? g_script_files : g_source_files, resolved);
            (value.script ? record.script_file : record.source_file) = std::move(resolved);
        }
        return {record, text.id, first, std::move(diagnostics)};
    }

    void enter(Opened&& opened, ChainId parent)
    {
        const auto chain = chains_.try_emplace({parent, opened.id}, chains_.size() + 1).first->second;
        on_chain_.insert(opened.id);
        frames_.push_back({&opened.record, chain, opened.id, opened.first, std::move(opened.diagnostics)});
    }

    void leave()
    {
        const LegacyRecord* done = frames_.back().record;
        on_chain_.erase(frames_.back().id);
        frames_.pop_back();
        if (!frames_.empty())
            frames_.back().record->refuses_cycles |= done->refuses_cycles;
    }

    // A file that names no members: its diagnostics, all at once.
    void finish_file(const Opened& opened)
    {
        if (!opened.first || !g_diagnostics)
            return;
        for (const Diagnostic& diagnostic : opened.diagnostics)
            print_diagnostic(diagnostic.text);
        if (opened.record.content->kind == FileKind::session)
            check_session_configuration(opened.record);
    }

    // A campaign's diagnostics come in line order among the reading of its members.
    static void report_until(Frame& frame, size_t line)
    {
        while (frame.next_diagnostic < frame.diagnostics.size()
               && frame.diagnostics[frame.next_diagnostic].line < line)
            print_diagnostic(frame.diagnostics[frame.next_diagnostic++].text);
    }

    // Prints what reading a shared campaign again prints: the announcements of
    // every file it reads and the cycles it refuses.
    static void replay(const LegacyRecord& campaign)
    {
        print_verbose(parsing_message(campaign.path));
        struct Position {
            const LegacyRecord* record;
            size_t member;
            size_t skipped;
        };
        std::vector<Position> stack;
        if (g_verbose || campaign.refuses_cycles)
            stack.push_back({&campaign, 0, 0});
        while (!stack.empty()) {
            Position& top = stack.back();
            const LegacyRecord& record = *top.record;
            if (top.skipped < record.skipped.size() && record.skipped[top.skipped].position == top.member) {
                const SkippedMember& skipped = record.skipped[top.skipped++];
                if (skipped.cycle)
                    print_error(campaign_cycle_message(record.path, skipped.path));
                else
                    print_verbose(parsing_message(skipped.path));
                continue;
            }
            if (top.member == record.members.size()) {
                stack.pop_back();
                continue;
            }
            const LegacyRecord& member = *record.members[top.member++];
            print_verbose(parsing_message(member.path));
            if (g_verbose || member.refuses_cycles)
                stack.push_back({&member, 0, 0});
        }
    }

    void report_unreadable_argument(const std::string& path, int error) const
    {
        if (!g_diagnostics)
            return;
        print_diagnostic(unreadable_argument_warning(path, error));
        if (const std::optional<std::string> meant = suggestion(path, error))
            print_diagnostic(argument_suggestion_note(path, *meant));
    }

    void report_unreadable_member(const std::string& campaign, size_t line, const std::string& member,
                                  int error) const
    {
        if (!g_diagnostics)
            return;
        print_diagnostic(unreadable_member_warning(campaign, line, member, error));
        if (const std::optional<std::string> meant = suggestion(member, error))
            print_diagnostic(member_suggestion_note(campaign, line, *meant));
    }

    // Only a name that leads nowhere gets a suggestion, not a file that is there.
    std::optional<std::string> suggestion(const std::string& path, int error) const
    {
        if (error != ENOENT && error != ENOTDIR)
            return std::nullopt;
        return suggest_file(path, files_);
    }

    const LegacyFiles& files_;
    LegacyTree& tree_;
    std::deque<Frame> frames_;
    std::unordered_set<FileId, FileIdHash> on_chain_;
    std::map<std::pair<ChainId, FileId>, ChainId> chains_;
    std::unordered_map<ExpansionKey, const LegacyRecord*, ExpansionKeyHash> expansions_;
};

}  // namespace

std::optional<LegacyTree> read_legacy_file(const std::string& path, const LegacyFiles& files)
{
    LegacyTree tree;
    if (!TreeReader(files, tree).read(path))
        return std::nullopt;
    return tree;
}

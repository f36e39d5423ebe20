#include "legacy/reader.h"

#include <map>
#include <vector>

#include "legacy/legacy_format.h"
#include "messages/console.h"
#include "messages/message_table.h"

namespace {

// A file being read: its record, the members its FI lines name, and how many of
// them have been dealt with. The chain of open frames is the chain of nested reads.
struct Frame {
    LegacyRecord record;
    std::vector<std::string> member_paths;
    size_t next_member = 0;
    FileId id;
};

// Announces a file that is read now and parses it; `text` is none when it cannot be read.
std::optional<Frame> read_frame(const std::string& path, std::optional<LegacyText> text)
{
    print_verbose(parsing_message(path));
    if (!text)
        return std::nullopt;
    g_input_files.insert(text->id);
    Frame frame{LegacyRecord(path), {}, 0, text->id};
    frame.member_paths = parse_legacy_text(text->bytes, frame.record);
    return frame;
}

}  // namespace

std::optional<LegacyRecord> read_legacy_file(const std::string& path, const LegacyFiles& files)
{
    // An explicit stack rather than recursion: campaigns may nest thousands deep,
    // and each file is closed before its members are opened.
    std::vector<Frame> chain;
    // How many frames of the chain read each file, so a cycle is found at once.
    std::map<FileId, int> on_chain;
    const auto enter = [&](Frame&& frame) {
        ++on_chain[frame.id];
        chain.push_back(std::move(frame));
    };
    if (std::optional<Frame> root = read_frame(path, files(path)))
        enter(std::move(*root));
    else
        return std::nullopt;

    for (;;) {
        Frame& current = chain.back();
        if (current.next_member < current.member_paths.size()) {
            const std::string& member = current.member_paths[current.next_member++];
            // The file's identity comes with its content: a member already on the
            // chain is refused before it is announced.
            std::optional<LegacyText> text = files(member);
            if (text && on_chain.count(text->id)) {
                print_error(campaign_cycle_message(current.record.path, member));
                continue;
            }
            if (std::optional<Frame> frame = read_frame(member, std::move(text)))
                enter(std::move(*frame));
            continue;
        }
        LegacyRecord finished = std::move(current.record);
        if (--on_chain[current.id] == 0)
            on_chain.erase(current.id);
        chain.pop_back();
        if (chain.empty())
            return finished;
        chain.back().record.members.push_back(std::move(finished));
    }
}

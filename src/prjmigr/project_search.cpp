#include "prjmigr/project_search.h"

#include <algorithm>
#include <dirent.h>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>

#include "legacy/legacy_format.h"
#include "legacy/path_list.h"
#include "legacy/path_value.h"
#include "legacy/paths.h"

namespace {

enum class Kind { other, project, campaign, session };

Kind kind_of(std::string_view name, bool any_case)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return Kind::other;
    const std::string suffix = any_case ? folded_copy(name.substr(dot)) : std::string(name.substr(dot));
    return suffix == ".prj" ? Kind::project : suffix == ".cmp" ? Kind::campaign : suffix == ".ses" ? Kind::session : Kind::other;
}

// A folder's entries that matter to a batch, in byte order of their names.
struct FolderEntries {
    std::vector<std::string> folders;  // real folders, not links, not hidden
    std::vector<std::string> projects, campaigns, sessions;
};

FolderEntries entries_of(const std::string& folder, bool any_case)
{
    FolderEntries entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return entries;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end());
    for (std::string& name : names) {
        const std::string path = in_folder(folder, name);
        struct stat link {};
        struct stat target {};
        if (::lstat(path.c_str(), &link) != 0)
            continue;
        if (S_ISDIR(link.st_mode)) {
            entries.folders.push_back(std::move(name));
            continue;
        }
        // A legacy file may be a link to one; a link to a folder is not followed.
        if (::stat(path.c_str(), &target) != 0 || S_ISDIR(target.st_mode))
            continue;
        switch (kind_of(name, any_case)) {
        case Kind::project: entries.projects.push_back(std::move(name)); break;
        case Kind::campaign: entries.campaigns.push_back(std::move(name)); break;
        case Kind::session: entries.sessions.push_back(std::move(name)); break;
        case Kind::other: break;
        }
    }
    return entries;
}

// A project with the campaign and session files under its folder, relative to it.
struct FoundProject {
    BatchProject project;
    std::vector<std::string> campaigns;
    std::vector<std::string> sessions;
};

// Walks `root` depth first, without recursion: each folder's files go to the
// nearest project folder at or above it.
void search(const std::string& root, bool any_case, std::vector<FoundProject>& found)
{
    struct Visit {
        std::string folder;    // from the batch's directory
        std::string relative;  // from its project's folder
        std::ptrdiff_t owner;  // its project in `found`; -1 for none yet
    };
    std::vector<Visit> stack{{root, {}, -1}};
    while (!stack.empty()) {
        Visit visit = std::move(stack.back());
        stack.pop_back();
        FolderEntries entries = entries_of(visit.folder, any_case);
        if (!entries.projects.empty()) {
            found.push_back({{visit.folder, std::move(entries.projects), {}}, {}, {}});
            visit.owner = static_cast<std::ptrdiff_t>(found.size()) - 1;
            visit.relative.clear();
        }
        if (visit.owner >= 0) {
            FoundProject& owner = found[static_cast<size_t>(visit.owner)];
            for (const std::string& name : entries.campaigns)
                owner.campaigns.push_back(visit.relative + name);
            for (const std::string& name : entries.sessions)
                owner.sessions.push_back(visit.relative + name);
        }
        // In reverse, so that the first folder is visited first.
        for (auto name = entries.folders.rbegin(); name != entries.folders.rend(); ++name)
            stack.push_back({in_folder(visit.folder, *name), visit.relative + *name + "/", visit.owner});
    }
}

// The files that the campaigns name, and the campaigns each one names, by identity.
struct CampaignLinks {
    std::vector<std::optional<FileId>> ids;  // of each campaign
    std::vector<std::vector<FileId>> named;  // by each campaign's FI lines
};

CampaignLinks links_of(const std::vector<std::string>& campaigns, const ReaderOptions& options, LegacyFiles& files)
{
    CampaignLinks links;
    for (const std::string& campaign : campaigns) {
        const LegacyText text = files.read(campaign, true);
        links.ids.push_back(text.id);
        std::vector<FileId>& named = links.named.emplace_back();
        if (text.error != 0)
            continue;
        NamedFiles ignored;
        const FileContent content = parse_legacy_text(text.bytes, campaign, options, files, ignored);
        for (const MemberLine& line : content.member_lines) {
            if (const std::optional<FileId> id = files.read(resolve_path(campaign, line.value, options, files), false).id)
                named.push_back(*id);
        }
    }
    return links;
}

// The campaigns no other one names; then, while some are not reached from
// those, the first of them in byte order (they name each other in a circle).
std::vector<std::string> chosen_campaigns(const std::vector<std::string>& campaigns, const CampaignLinks& links)
{
    std::unordered_map<FileId, size_t, FileIdHash> index;  // a campaign by its file
    for (size_t i = 0; i < campaigns.size(); ++i) {
        if (links.ids[i])
            index.try_emplace(*links.ids[i], i);
    }
    std::vector<bool> named_by_another(campaigns.size(), false);
    for (size_t i = 0; i < campaigns.size(); ++i) {
        for (const FileId& id : links.named[i]) {
            const auto found = index.find(id);
            if (found != index.end() && found->second != i)
                named_by_another[found->second] = true;
        }
    }
    std::vector<bool> reached(campaigns.size(), false);
    std::vector<size_t> chosen;
    const auto reach_from = [&](size_t start) {
        std::vector<size_t> pending{start};
        reached[start] = true;
        while (!pending.empty()) {
            const size_t at = pending.back();
            pending.pop_back();
            for (const FileId& id : links.named[at]) {
                const auto found = index.find(id);
                if (found != index.end() && !reached[found->second]) {
                    reached[found->second] = true;
                    pending.push_back(found->second);
                }
            }
        }
    };
    for (size_t i = 0; i < campaigns.size(); ++i) {
        if (!named_by_another[i]) {
            chosen.push_back(i);
            reach_from(i);
        }
    }
    for (size_t i = 0; i < campaigns.size(); ++i) {
        if (!reached[i]) {
            chosen.push_back(i);
            reach_from(i);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    std::vector<std::string> names;
    for (const size_t i : chosen)
        names.push_back(campaigns[i]);
    return names;
}

// The run of a project found: its project file, chosen campaigns and the
// sessions no campaign names, each file once.
LegacyArguments arguments_of(FoundProject& found, const ReaderOptions& options)
{
    LegacyFiles files = disk_legacy_files(k_legacy_file_limit, found.project.folder);
    const auto by_path = [](std::vector<std::string>& paths) { std::sort(paths.begin(), paths.end()); };
    by_path(found.campaigns);
    by_path(found.sessions);
    // A file found under two names (a link) is one file.
    const auto once = [&files](std::vector<std::string>& paths) {
        FileIdSet seen;
        paths.erase(std::remove_if(paths.begin(), paths.end(),
                                   [&](const std::string& path) {
                                       const std::optional<FileId> id = files.read(path, false).id;
                                       return id && !seen.insert(*id).second;
                                   }),
                    paths.end());
    };
    once(found.campaigns);
    once(found.sessions);
    const CampaignLinks links = links_of(found.campaigns, options, files);
    FileIdSet named;
    for (const std::vector<FileId>& ids : links.named)
        named.insert(ids.begin(), ids.end());
    LegacyArguments arguments{found.project.project_files.front(), chosen_campaigns(found.campaigns, links), {}};
    for (const std::string& session : found.sessions) {
        const std::optional<FileId> id = files.read(session, false).id;
        if (!id || named.count(*id) == 0)
            arguments.sessions.push_back(session);
    }
    return arguments;
}

// The folder as given, without trailing slashes, so that the paths under it read well.
std::string trimmed(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder == "." ? std::string() : folder;
}

}  // namespace

ProjectSearch find_projects(const std::vector<std::string>& folders, const ReaderOptions& options)
{
    ProjectSearch result;
    std::vector<FoundProject> found;
    for (const std::string& given : folders) {
        struct stat info {};
        if (::stat(given.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            result.missing = given;
            return result;
        }
        search(trimmed(given), options.windows_paths, found);
    }
    std::sort(found.begin(), found.end(),
              [](const FoundProject& a, const FoundProject& b) { return a.project.folder < b.project.folder; });
    // A project under two folders given is run once.
    std::set<std::pair<dev_t, ino_t>> seen;
    for (FoundProject& project : found) {
        struct stat info {};
        const std::string& folder = project.project.folder;
        if (::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && !seen.insert({info.st_dev, info.st_ino}).second)
            continue;
        if (project.project.project_files.size() == 1)
            project.project.arguments = arguments_of(project, options);
        result.projects.push_back(std::move(project.project));
    }
    return result;
}

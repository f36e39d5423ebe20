#include "legacy/suggestion.h"

#include <algorithm>

namespace {

// The name in `folder` that stands for `component`; `path` is the walk so far,
// the folder's own name and a slash, for a folder that cannot be listed.
std::optional<std::string> name_in(const std::string& folder, const std::string& path,
                                   std::string_view component, LegacyFiles& files)
{
    if (component.empty() || component == "." || component == "..")
        return std::string(component);
    if (const FolderNames* names = files.names_in(folder)) {
        if (names->holds(component))
            return std::string(component);
        if (const std::string* match = names->first_nocase(component))
            return *match;
        return std::nullopt;
    }
    // A folder that can be searched but not listed still holds the names it holds.
    if (files.exists(path + std::string(component)))
        return std::string(component);
    return std::nullopt;
}

// `path` without empty components, so "a//b/" reads as "a/b".
std::string without_empty_components(std::string_view path)
{
    std::string kept = !path.empty() && path.front() == '/' ? "/" : "";
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view component = path.substr(0, slash);
        if (!component.empty()) {
            if (!kept.empty() && kept.back() != '/')
                kept += '/';
            kept += component;
        }
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return kept;
}

}  // namespace

CaseMatch match_letter_case(std::string_view path, LegacyFiles& files)
{
    CaseMatch match;
    size_t at = 0;
    std::string folder = ".";
    if (!path.empty() && path.front() == '/') {
        match.path = folder = "/";
        at = 1;
    }
    for (;;) {
        const size_t slash = path.find('/', at);
        const std::string_view component =
            path.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at);
        const std::optional<std::string> name = name_in(folder, match.path, component, files);
        if (!name) {
            match.path.append(path.substr(at));
            match.whole = false;
            return match;
        }
        match.path += *name;
        if (slash == std::string_view::npos)
            return match;
        folder = match.path;
        match.path += '/';
        at = slash + 1;
    }
}

std::optional<std::string> suggest_file(std::string_view path, LegacyFiles& files)
{
    std::string unified(path);
    std::replace(unified.begin(), unified.end(), '\\', '/');
    unified = without_empty_components(unified);
    if (unified.empty() || unified == "/")
        return std::nullopt;
    CaseMatch match = match_letter_case(unified, files);
    if (!match.whole)
        return std::nullopt;
    const LegacyText text = files.read(match.path, false);
    if (text.error != 0 || !text.regular)
        return std::nullopt;
    return std::move(match.path);
}

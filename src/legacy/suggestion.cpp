#include "legacy/suggestion.h"

#include <algorithm>

#include "legacy/text_encoding.h"

namespace {

// The name of `names` that stands for `spelling`: itself, else the first in
// another letter case.
std::optional<std::string> spelt_in(const FolderNames& names, std::string_view spelling)
{
    if (names.holds(spelling))
        return std::string(spelling);
    if (const std::string* match = names.first_nocase(spelling))
        return *match;
    return std::nullopt;
}

bool is_ascii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// A component as found in a folder, and whether it was taken in the UTF-8
// spelling of its Windows-1252 bytes.
struct Found {
    std::string name;
    bool recoded = false;
};

// The name in `folder` that stands for `component`; `path` is the walk so far,
// the folder's own name and a slash, for a folder that cannot be listed. A
// component that is not UTF-8 (written on Windows, in Windows-1252) is also
// looked for in UTF-8, as a copy of the tree to this system names it.
std::optional<Found> name_in(const std::string& folder, const std::string& path, std::string_view component,
                             LegacyFiles& files)
{
    if (component.empty() || component == "." || component == "..")
        return Found{std::string(component)};
    const bool recodable = !is_valid_utf8(component);
    if (const FolderNames* names = files.names_in(folder)) {
        if (std::optional<std::string> name = spelt_in(*names, component))
            return Found{std::move(*name)};
        if (!recodable)
            return std::nullopt;
        if (std::optional<std::string> name = spelt_in(*names, windows_1252_as_utf8(component)))
            return Found{std::move(*name), true};
        return std::nullopt;
    }
    // A folder that can be searched but not listed still holds the names it holds.
    if (files.exists(path + std::string(component)))
        return Found{std::string(component)};
    if (recodable && files.exists(path + windows_1252_as_utf8(component)))
        return Found{windows_1252_as_utf8(component), true};
    return std::nullopt;
}

// The rest of a path left as written, but for its components that are not
// UTF-8, in UTF-8 when a name found before it is UTF-8 beyond ASCII: one path,
// one encoding.
std::string rest_of(std::string_view rest, bool recode)
{
    if (!recode)
        return std::string(rest);
    std::string written;
    for (;;) {
        const size_t slash = rest.find('/');
        const std::string_view component = rest.substr(0, slash);
        written += is_valid_utf8(component) ? std::string(component) : windows_1252_as_utf8(component);
        if (slash == std::string_view::npos)
            return written;
        written += '/';
        rest.remove_prefix(slash + 1);
    }
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
    bool recoded = false;  // a name found in UTF-8 beyond ASCII
    std::string folder = ".";
    if (!path.empty() && path.front() == '/') {
        match.path = folder = "/";
        at = 1;
    }
    for (;;) {
        const size_t slash = path.find('/', at);
        const std::string_view component =
            path.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at);
        const std::optional<Found> found = name_in(folder, match.path, component, files);
        if (!found) {
            match.path.append(rest_of(path.substr(at), recoded));
            match.whole = false;
            return match;
        }
        recoded = recoded || found->recoded || !is_ascii(found->name);
        match.path += found->name;
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

#include "legacy/suggestion.h"

#include <algorithm>
#include <vector>

#include "legacy/path_list.h"

namespace {

std::vector<std::string_view> components_of(std::string_view path)
{
    std::vector<std::string_view> components;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view component = path.substr(0, slash);
        if (!component.empty())
            components.push_back(component);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return components;
}

// The name in `directory` that stands for `component`; none when there is none.
std::optional<std::string> match_in(const std::string& directory, std::string_view component,
                                    const LegacyFiles& files)
{
    if (component == "." || component == "..")
        return std::string(component);
    std::optional<std::vector<std::string>> names = files.list(directory.empty() ? "." : directory);
    if (!names)
        return std::nullopt;
    if (std::find(names->begin(), names->end(), component) != names->end())
        return std::string(component);
    std::sort(names->begin(), names->end());
    const auto match = std::find_if(names->begin(), names->end(),
                                    [&](const std::string& name) { return equal_nocase(name, component); });
    if (match == names->end())
        return std::nullopt;
    return *match;
}

}  // namespace

std::optional<std::string> suggest_file(std::string_view path, const LegacyFiles& files)
{
    std::string unified(path);
    std::replace(unified.begin(), unified.end(), '\\', '/');
    std::string found = !unified.empty() && unified.front() == '/' ? "/" : "";
    const std::vector<std::string_view> components = components_of(unified);
    if (components.empty())
        return std::nullopt;
    for (const std::string_view component : components) {
        const std::optional<std::string> name = match_in(found, component, files);
        if (!name)
            return std::nullopt;
        if (!found.empty() && found.back() != '/')
            found += '/';
        found += *name;
    }
    const LegacyText text = files.read(found, false);
    if (text.error != 0 || !text.regular)
        return std::nullopt;
    return found;
}

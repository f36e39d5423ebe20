#include "legacy/paths.h"

namespace {

constexpr std::string_view k_separators = "/\\:";

}  // namespace

std::string base_name(std::string_view path, bool keep_ext)
{
    const size_t last_separator = path.find_last_of(k_separators);
    std::string_view component =
        last_separator == std::string_view::npos ? path : path.substr(last_separator + 1);
    if (!keep_ext) {
        const size_t dot = component.rfind('.');
        if (dot != std::string_view::npos)
            component = component.substr(0, dot);
    }
    return std::string(component);
}

std::string dir_name(std::string_view path)
{
    const size_t last_separator = path.find_last_of(k_separators);
    if (last_separator == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last_separator + 1));
}

std::string in_folder(std::string_view folder, std::string_view path)
{
    if (folder.empty() || (!path.empty() && path.front() == '/'))
        return std::string(path);
    std::string joined(folder);
    if (joined.back() != '/')
        joined += '/';
    return joined.append(path);
}

bool is_relative(std::string_view value)
{
    return value.empty() || k_separators.find(value.front()) == std::string_view::npos;
}

#include "legacy/path_value.h"

#include <algorithm>

#include "legacy/path_list.h"
#include "legacy/paths.h"
#include "legacy/suggestion.h"

namespace {

bool is_ascii_letter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Once backslashes are slashes: "/x", "//server/share/x", ":x", "C:/x" and "c:x".
bool is_windows_absolute(std::string_view value)
{
    return !value.empty()
           && (value[0] == '/' || value[0] == ':' || (value.size() >= 2 && is_ascii_letter(value[0]) && value[1] == ':'));
}

// A map's FROM as it is compared: with Windows paths its backslashes are
// slashes and its letter case does not count.
char from_byte(char c, bool windows)
{
    if (!windows)
        return c;
    return c == '\\' ? '/' : fold_ascii(c);
}

// The length of FROM without its trailing slashes.
size_t trimmed_length(std::string_view from, bool windows)
{
    size_t length = from.size();
    while (length > 0 && from_byte(from[length - 1], windows) == '/')
        --length;
    return length;
}

// Whether `value` equals FROM's first `length` bytes or begins with them and a slash.
bool map_matches(std::string_view value, std::string_view from, size_t length, bool windows)
{
    if (value.size() < length || (value.size() > length && value[length] != '/'))
        return false;
    for (size_t i = 0; i < length; ++i) {
        if ((windows ? fold_ascii(value[i]) : value[i]) != from_byte(from[i], windows))
            return false;
    }
    return true;
}

std::string mapped(std::string value, const ReaderOptions& options)
{
    const PathMap* best = nullptr;
    size_t best_length = 0;
    for (const PathMap& map : options.maps) {
        const size_t length = trimmed_length(map.from, options.windows_paths);
        if (map_matches(value, map.from, length, options.windows_paths) && (!best || length >= best_length)) {
            best = &map;
            best_length = length;
        }
    }
    return best ? best->to + value.substr(best_length) : value;
}

// A value with its separators read and its maps applied; `absolute` tells
// whether it stands on its own or is relative to its file's folder.
std::string read_value(std::string_view value, const ReaderOptions& options, bool& absolute)
{
    std::string text(value);
    if (options.windows_paths) {
        std::replace(text.begin(), text.end(), '\\', '/');
        absolute = is_windows_absolute(text);
    } else {
        absolute = !is_relative(text);
    }
    if (absolute && !options.maps.empty())
        return mapped(std::move(text), options);
    return text;
}

}  // namespace

std::string resolve_path(std::string_view file_path, std::string_view value, const ReaderOptions& options,
                         LegacyFiles& files)
{
    bool absolute = false;
    std::string path = read_value(value, options, absolute);
    if (!absolute)
        path.insert(0, dir_name(file_path));
    if (!options.windows_paths)
        return path;
    return match_letter_case(path, files).path;
}

std::string read_include_dir(std::string_view value, const ReaderOptions& options)
{
    bool absolute = false;
    return read_value(value, options, absolute);
}

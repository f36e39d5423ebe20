#include "legacy/path_list.h"

#include <algorithm>

char fold_ascii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded_copy(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), fold_ascii);
    return folded;
}

bool equal_nocase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return fold_ascii(x) == fold_ascii(y); });
}

bool list_contains_nocase(const PathList& list, std::string_view text)
{
    return list.folded.count(folded_copy(text)) != 0;
}

void add_unique_nocase(PathList& list, std::string path)
{
    if (list.folded.insert(folded_copy(path)).second)
        list.paths.push_back(std::move(path));
}

// The run-wide lists of scripts and sources: every distinct path once, compared
// without regard to ASCII letter case, the spelling met first kept.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

struct PathList {
    // In order of first occurrence; the files list them newest first.
    std::vector<std::string> paths;
    // The ASCII-folded form of every entry, so that a lookup does not walk the list.
    std::unordered_set<std::string> folded;
};

// An ASCII capital made its small letter; any other byte as it is.
char fold_ascii(char c);

// `text` with its ASCII capitals made small letters.
std::string folded_copy(std::string_view text);

// Equal length and equal bytes, an ASCII capital equal to its small letter.
bool equal_nocase(std::string_view a, std::string_view b);

// True when some entry of `list` equals `text` without regard to letter case:
// equal length, equal bytes, an ASCII capital equal to its small letter.
bool list_contains_nocase(const PathList& list, std::string_view text);

// Adds `path` unless an entry equal to it without regard to case is present.
void add_unique_nocase(PathList& list, std::string path);

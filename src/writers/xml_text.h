// Legacy bytes as XML text in UTF-8. The legacy files carry 8-bit text of no
// declared encoding: a value that is valid UTF-8 is taken as such, any other is
// read as Windows-1252, the legacy front end's code page.
#pragma once

#include <string>
#include <string_view>

// Most values need no change: each function gives `raw` itself then, and
// otherwise the text it makes in `scratch`.

// `raw` as element content: "&", "<" and ">" escaped.
std::string_view xml_text(std::string_view raw, std::string& scratch);

// `raw` inside a double-quoted system literal, where entities are not decoded:
// only the double quote is changed, to "%22".
std::string_view system_literal(std::string_view raw, std::string& scratch);

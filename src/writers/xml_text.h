// Legacy bytes as XML text in UTF-8. The legacy files carry 8-bit text of no
// declared encoding: a value that is valid UTF-8 is taken as such, any other is
// read as Windows-1252, the legacy front end's code page.
#pragma once

#include <string>
#include <string_view>

// Appends `raw` as element content: "&", "<" and ">" escaped.
void append_xml_text(std::string& out, std::string_view raw);

// Appends `raw` inside a double-quoted system literal, where entities are not
// decoded: only the double quote is changed, to "%22".
void append_system_literal(std::string& out, std::string_view raw);

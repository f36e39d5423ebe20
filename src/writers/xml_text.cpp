#include "writers/xml_text.h"

#include <algorithm>
#include <cstdint>

#include "legacy/text_encoding.h"

namespace {

enum class Context { content, system_literal };

constexpr bool is_special(unsigned char byte, Context context)
{
    if (byte < 0x20)
        return byte != '\t';
    if (byte >= 0x80)
        return true;
    return context == Context::content ? byte == '&' || byte == '<' || byte == '>'
                                       : byte == '"';
}

// The bytes that a value cannot keep as they stand: one look-up per byte of every value.
struct SpecialBytes {
    bool special[256] = {};
};

constexpr SpecialBytes special_bytes(Context context)
{
    SpecialBytes bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.special[byte] = is_special(static_cast<unsigned char>(byte), context);
    return bytes;
}

constexpr SpecialBytes k_special_in_content = special_bytes(Context::content);
constexpr SpecialBytes k_special_in_literal = special_bytes(Context::system_literal);

bool allowed_in_xml(char32_t c)
{
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    return c != 0xFFFE && c != 0xFFFF;
}

void append_character(std::string& out, char32_t c, Context context)
{
    if (!allowed_in_xml(c))
        c = 0xFFFD;
    if (context == Context::content) {
        switch (c) {
        case '&': out += "&amp;"; return;
        case '<': out += "&lt;"; return;
        case '>': out += "&gt;"; return;
        default: break;
        }
    } else if (c == '"') {
        out += "%22";
        return;
    }
    append_utf8(out, c);
}

std::string_view escaped(std::string_view raw, std::string& scratch, Context context)
{
    const bool* special = (context == Context::content ? k_special_in_content : k_special_in_literal).special;
    if (std::none_of(raw.begin(), raw.end(), [&](char byte) { return special[static_cast<unsigned char>(byte)]; }))
        return raw;
    scratch.clear();
    if (is_valid_utf8(raw)) {
        for (size_t pos = 0; pos < raw.size();) {
            const size_t length = utf8_sequence_length(raw, pos);
            append_character(scratch, decode_utf8(raw, pos, length), context);
            pos += length;
        }
    } else {
        for (const char byte : raw)
            append_character(scratch, decode_cp1252(static_cast<unsigned char>(byte)), context);
    }
    return scratch;
}

}  // namespace

std::string_view xml_text(std::string_view raw, std::string& scratch)
{
    return escaped(raw, scratch, Context::content);
}

std::string_view system_literal(std::string_view raw, std::string& scratch)
{
    return escaped(raw, scratch, Context::system_literal);
}

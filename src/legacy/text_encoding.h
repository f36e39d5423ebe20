// The encodings of legacy bytes: text that is valid UTF-8 is taken as such, any
// other as Windows-1252, the legacy front end's code page. Inline: the writers
// decode values with them byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text_encoding {

// Windows-1252 bytes 0x80 to 0x9F; the five it leaves undefined keep their number.
inline constexpr char32_t k_cp1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

inline bool in_range(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

}  // namespace text_encoding

// Length of the well-formed UTF-8 sequence at `pos`, or 0 (overlong forms,
// surrogates and code points above U+10FFFF are not well-formed).
inline size_t utf8_sequence_length(std::string_view text, size_t pos)
{
    using text_encoding::in_range;
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const size_t left = text.size() - pos;
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    if (in_range(lead, 0xC2, 0xDF))
        return left >= 2 && in_range(at(1), 0x80, 0xBF) ? 2 : 0;
    if (in_range(lead, 0xE0, 0xEF)) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return left >= 3 && in_range(at(1), low, high) && in_range(at(2), 0x80, 0xBF) ? 3 : 0;
    }
    if (in_range(lead, 0xF0, 0xF4)) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return left >= 4 && in_range(at(1), low, high) && in_range(at(2), 0x80, 0xBF)
                       && in_range(at(3), 0x80, 0xBF)
                   ? 4
                   : 0;
    }
    return 0;
}

inline bool is_valid_utf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = utf8_sequence_length(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

inline char32_t decode_utf8(std::string_view text, size_t pos, size_t length)
{
    const auto at = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[pos + i])); };
    switch (length) {
    case 1: return at(0);
    case 2: return (at(0) & 0x1F) << 6 | (at(1) & 0x3F);
    case 3: return (at(0) & 0x0F) << 12 | (at(1) & 0x3F) << 6 | (at(2) & 0x3F);
    default: return (at(0) & 0x07) << 18 | (at(1) & 0x3F) << 12 | (at(2) & 0x3F) << 6 | (at(3) & 0x3F);
    }
}

inline char32_t decode_cp1252(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? text_encoding::k_cp1252_high[byte - 0x80] : byte;
}

inline void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// `text` read as Windows-1252, in UTF-8.
inline std::string windows_1252_as_utf8(std::string_view text)
{
    std::string utf8;
    for (const char byte : text)
        append_utf8(utf8, decode_cp1252(static_cast<unsigned char>(byte)));
    return utf8;
}

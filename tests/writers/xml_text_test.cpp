// Legacy values as XML text: escaping in element content and in the DOCTYPE's
// system literal, UTF-8 taken as it is, anything else read as Windows-1252, and
// characters that XML does not allow replaced.
#include "writers/xml_text.h"

#include <gtest/gtest.h>

#include "support/temp_tree.h"
#include "support/tool_runner.h"

using namespace std::string_literals;

namespace {

const std::string k_replacement = "\xef\xbf\xbd";  // U+FFFD
const std::string k_euro = "\xe2\x82\xac";

struct TextCase {
    const char* what;
    std::string raw;
    std::string content;
    std::optional<std::string> literal;  // when it differs from the content
};

// Hex escapes are split from the text after them ("\x01" "b"), as C++ would
// otherwise read the next hex digits into the escape.
const TextCase k_cases[] = {
    {"plain", "plain text 1.0", "plain text 1.0", {}},
    {"markup", "A&B<C>D&amp;", "A&amp;B&lt;C&gt;D&amp;amp;", "A&B<C>D&amp;"},
    {"quotes", "say \"hi\" 'x' 100%22", "say \"hi\" 'x' 100%22", "say %22hi%22 'x' 100%22"},
    {"utf-8", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf",
     "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf", {}},
    {"utf-8 around the surrogates", "\xed\x9f\xbf\xee\x80\x80", "\xed\x9f\xbf\xee\x80\x80", {}},
    {"utf-8 C1 controls and U+FFFD", "\xc2\x80\xc2\x85\xef\xbf\xbd", "\xc2\x80\xc2\x85\xef\xbf\xbd", {}},
    {"utf-8 with markup", "\xc3\xa9&\"", "\xc3\xa9&amp;\"", "\xc3\xa9&%22"},
    {"valid then invalid", "\xc3\xa9\xe9", "\xc3\x83\xc2\xa9\xc3\xa9", {}},
    {"overlong two bytes", "\xc0\xaf", "\xc3\x80\xc2\xaf", {}},
    {"overlong three bytes", "\xe0\x80\xaf", "\xc3\xa0" + k_euro + "\xc2\xaf", {}},
    {"surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0" + k_euro, {}},
    {"F5 lead byte", "\xf5\x80\x80\x80", "\xc3\xb5" + k_euro + k_euro + k_euro, {}},
    {"above U+10FFFF", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90" + k_euro + k_euro, {}},
    {"truncated three bytes", "\xe2\x82", "\xc3\xa2\xe2\x80\x9a", {}},
    {"third byte not a continuation byte", "\xe2\x82\xc0", "\xc3\xa2\xe2\x80\x9a\xc3\x80", {}},
    {"truncated at the end", "ab\xc3", "ab\xc3\x83", {}},
    {"truncated four bytes", "\xf0\x9f\x98", "\xc3\xb0\xc5\xb8\xcb\x9c", {}},
    {"windows-1252 and its undefined bytes", "\x80\x81\x8d\x8f\x90\x9d",
     k_euro + "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d", {}},
    {"windows-1252 letters", "\x9c\x9f\xff\x85\xa0\x89\x8c\x8e",
     "\xc5\x93\xc5\xb8\xc3\xbf\xe2\x80\xa6\xc2\xa0\xe2\x80\xb0\xc5\x92\xc5\xbd", {}},
    {"windows-1252 single quotes, left then right", "\x91\x92", "\xe2\x80\x98\xe2\x80\x99", {}},
    {"windows-1252 with markup", "\xe9&<>\"", "\xc3\xa9&amp;&lt;&gt;\"", "\xc3\xa9&<>%22"},
    {"control bytes", "a\x01" "b\x08\x0b\x0c\x0e\x1f", "a" + k_replacement + "b" + k_replacement + k_replacement
     + k_replacement + k_replacement + k_replacement, {}},
    {"NUL", "a\0b"s, "a" + k_replacement + "b", {}},
    {"tab, line feed, carriage return and DEL", "a\tb\nc\rd\x7f", "a\tb\nc\rd\x7f", {}},
    {"control byte in windows-1252", "\x01\xe9", k_replacement + "\xc3\xa9", {}},
    {"U+FFFE and U+FFFF", "\xef\xbf\xbe\xef\xbf\xbf", k_replacement + k_replacement, {}},
};

TEST(XmlTextTest, ConvertsEachValueToWellFormedUtf8)
{
    std::string literals;
    std::string elements;
    for (const TextCase& c : k_cases) {
        std::string scratch;
        const std::string content(xml_text(c.raw, scratch));
        EXPECT_EQ(content, c.content) << c.what;
        const std::string literal(system_literal(c.raw, scratch));
        EXPECT_EQ(literal, c.literal.value_or(c.content)) << c.what;
        literals += literal;
        elements += "<v>" + content + "</v>\n";
    }
    const TempTree tree;
    tree.write("values.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE r SYSTEM \"" + literals
                                 + "\" >\n<r>\n" + elements + "</r>\n");
    expect_well_formed_xml(tree.path("values.xml"));
}

}  // namespace

// The outputs are fixed tables of lines: indentation, text, and at most one value
// in place of "%s". A table is data; these functions walk it.
#pragma once

#include <cstddef>
#include <string_view>

#include "legacy/records.h"
#include "writers/output_stream.h"

struct Line {
    std::string_view indent;
    std::string_view before;  // the text up to "%s", or the whole text
    std::string_view after;   // the text after "%s"
    bool has_value = false;
    bool line_feed = true;

    constexpr Line(int spaces, std::string_view text) : Line(k_spaces.substr(0, spaces), text) {}

    constexpr Line(std::string_view indentation, std::string_view text)
        : indent(indentation), before(text)
    {
        const size_t slot = text.find("%s");
        if (slot != std::string_view::npos) {
            before = text.substr(0, slot);
            after = text.substr(slot + 2);
            has_value = true;
        }
    }

    // The same line without its line feed, so the next one continues it.
    constexpr Line continued() const
    {
        Line line = *this;
        line.line_feed = false;
        return line;
    }

    static constexpr std::string_view k_spaces = "                                ";
};

// A row filled from a field of a record, left out when the field is absent.
template <class Record>
struct OptionalRow {
    Line line;
    const Text Record::*field;
};

// Writes a fixed line.
inline void emit(OutputStream& out, const Line& line)
{
    out.put_line(line.indent, line.before, line.line_feed);
}

// Writes a line with `value`, escaped, in place of its "%s".
void emit(OutputStream& out, const Line& line, std::string_view value);

// Same, for a value that may be absent: an absent value gives empty text.
inline void emit_or_empty(OutputStream& out, const Line& line, const Text& value)
{
    emit(out, line, value ? std::string_view(*value) : std::string_view());
}

template <size_t N>
void emit_all(OutputStream& out, const Line (&lines)[N])
{
    for (const Line& line : lines)
        emit(out, line);
}

template <class Record, size_t N>
void emit_present(OutputStream& out, const OptionalRow<Record> (&rows)[N], const Record& record)
{
    for (const OptionalRow<Record>& row : rows)
        if (const Text& value = record.*row.field)
            emit(out, row.line, *value);
}

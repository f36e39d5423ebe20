#include "writers/line_table.h"

void emit(OutputStream& out, const Line& line, std::string_view value)
{
    out.put(line.indent);
    out.put(line.before);
    out.put_text(value);
    out.put(line.after);
    if (line.line_feed)
        out.put("\n");
}

#include "messages/diagnostic.h"

#include <QCoreApplication>

#include "messages/message_table.h"

QString diagnostic_line(const Diagnostic& diagnostic, bool colour)
{
    const DiagnosticLevel level = level_of(diagnostic.kind);
    if (level == DiagnosticLevel::error)
        return QStringLiteral("(E) ") + diagnostic.text + QLatin1Char('\n');
    QString location = diagnostic.file ? from_local(*diagnostic.file) : QStringLiteral("prjmigr");
    if (diagnostic.line != 0)
        location += QLatin1Char(':') + QString::number(diagnostic.line);
    location += QLatin1Char(':');
    QString keyword = level == DiagnosticLevel::warning
        ? QCoreApplication::translate("Diagnostic", "warning:", "Keyword of a line FILE:LINE: warning: TEXT; keep the colon")
        : QCoreApplication::translate("Diagnostic", "note:", "Keyword of a line FILE:LINE: note: TEXT; keep the colon");
    if (colour) {
        location = QStringLiteral("\x1b[1m") + location + QStringLiteral("\x1b[0m");
        keyword = (level == DiagnosticLevel::warning ? QStringLiteral("\x1b[1;35m") : QStringLiteral("\x1b[1;36m"))
            + keyword + QStringLiteral("\x1b[0m");
    }
    return location + QLatin1Char(' ') + keyword + QLatin1Char(' ') + diagnostic.text + QLatin1Char('\n');
}

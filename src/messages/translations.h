// Installation of the message catalogues at start-up.
#pragma once

#include <QTranslator>

class QCoreApplication;
class Console;

// The catalogues stay installed while this lives; the entry keeps it for the whole run.
struct Catalogues {
    QTranslator tool;
    QTranslator product;
};

// Finds the catalogue directory through KELMARDIR and installs the tool catalogue
// and, only when that one loaded, the product catalogue. Returns false after
// reporting a missing KELMARDIR or catalogue directory on `console`; the run
// cannot go on.
bool load_translations(QCoreApplication& app, Catalogues& catalogues, Console& console);

// prjmigr: converts a legacy test project into the workbench's project and objects files.
#include <QCoreApplication>
#include <string>
#include <vector>

#include "messages/console.h"
#include "messages/translations.h"
#include "prjmigr/driver.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Console console;
    Catalogues catalogues;
    if (!load_translations(app, catalogues, console))
        return k_exit_fatal;
    // The arguments as the application object left them.
    return run_prjmigr(std::vector<std::string>(argv, argv + argc), console);
}

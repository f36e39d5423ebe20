#include "messages/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "messages/console.h"
#include "messages/message_table.h"

bool load_translations(QCoreApplication& app, Catalogues& catalogues, Console& console)
{
    const QString root = QString::fromLocal8Bit(qgetenv("KELMARDIR"));
    if (root.isEmpty()) {
        console.print_error(kelmardir_unset_message());
        return false;
    }

    const QString separator = QDir::separator();
    const QFileInfo directory(root + separator + QStringLiteral("lib") + separator
                              + QStringLiteral("locale"));
    if (!directory.isDir()) {
        console.print_error(catalogue_dir_missing_message(directory.filePath()));
        return false;
    }

    // A catalogue that does not load is not an error: the built-in texts are used.
    const QString locale = QLocale::system().name();
    if (!catalogues.tool.load(QStringLiteral("prjmigr_") + locale, directory.filePath()))
        return true;
    app.installTranslator(&catalogues.tool);
    if (catalogues.product.load(QStringLiteral("duvaident_") + locale, directory.filePath()))
        app.installTranslator(&catalogues.product);
    return true;
}

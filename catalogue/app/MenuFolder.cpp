#include "MenuFolder.h"
#include "CatalogueError.h"

#include <QDir>
#include <QStandardPaths>

namespace catalogue {

void enterMenuCatalogueFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).filePath(QStringLiteral("Películas"));
    if (QDir().mkpath(folder) && QDir::setCurrent(folder))
        return;
    throw CatalogueError(QStringLiteral("No se puede abrir la carpeta del catálogo \"%1\": no existe y no se puede "
                                        "crear, o no se puede entrar en ella.\n\nNo se ha modificado nada.")
                             .arg(QDir::toNativeSeparators(folder)));
}

} // namespace catalogue

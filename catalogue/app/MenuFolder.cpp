#include "MenuFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace catalogue {

std::optional<QString> enterMenuCatalogueFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).filePath(QStringLiteral("Películas"));
    if (QDir().mkpath(folder) && QDir::setCurrent(folder))
        return std::nullopt;
    return QStringLiteral("No se puede abrir la carpeta del catálogo \"%1\": no existe y no se puede "
                          "crear, o no se puede entrar en ella.\n\nNo se ha modificado nada.")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace catalogue

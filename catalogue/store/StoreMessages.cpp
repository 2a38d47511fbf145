#include "StoreMessages.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace catalogue {

QString sqliteProblem(int code)
{
    switch (code) {
    case SQLITE_IOERR_NOMEM: return QStringLiteral("no queda memoria libre");
    case SQLITE_READONLY_DBMOVED:
        return QStringLiteral("el archivo se ha borrado o movido mientras el programa lo tenía abierto");
    case SQLITE_CANTOPEN_ISDIR: return QStringLiteral("es una carpeta, no un archivo");
    default: break;
    }
    switch (code & 0xFF) {
    case SQLITE_FULL: return QStringLiteral("el disco está lleno");
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("otro programa está usando el catálogo en este momento");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT: return QStringLiteral("el archivo está dañado");
    case SQLITE_READONLY: return QStringLiteral("el archivo o su carpeta son de sólo lectura");
    case SQLITE_PERM:
    case SQLITE_AUTH: return QStringLiteral("no hay permiso para usar el archivo");
    case SQLITE_CANTOPEN:
        return QStringLiteral("no se puede abrir el archivo, o crear a su lado el archivo temporal de los cambios");
    case SQLITE_IOERR: return QStringLiteral("el disco ha dado un error al leer o escribir el archivo");
    case SQLITE_NOMEM:
        // SQLite also runs out of memory on a page whose sizes are damaged.
        return QStringLiteral("no hay memoria suficiente para leerlo (puede que el archivo esté dañado)");
    case SQLITE_TOOBIG: return QStringLiteral("un texto es demasiado largo para guardarlo");
    case SQLITE_INTERRUPT:
    case SQLITE_ABORT: return QStringLiteral("la operación se ha interrumpido");
    default: return QStringLiteral("error inesperado de la base de datos (código %1)").arg(code);
    }
}

QString fileAndFolder(const QString& fileName)
{
    const QFileInfo info(fileName);
    return QStringLiteral("\"%1\" de la carpeta \"%2\"")
        .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

} // namespace catalogue

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

QString fileProblem(std::error_code error)
{
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("no queda espacio en el disco");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return QStringLiteral("no hay permiso para escribir en la carpeta");
    return QStringLiteral("error %1 del sistema").arg(error.value());
}

QString holdProblem(FileHold::Result result)
{
    switch (result) {
    case FileHold::Result::Folder: return QStringLiteral("es una carpeta, no un archivo");
    case FileHold::Result::NotRegular:
        return QStringLiteral("no es un archivo normal (es un dispositivo, una tubería o algo parecido)");
    case FileHold::Result::NotReadable: return QStringLiteral("no hay permiso para leer el archivo");
    case FileHold::Result::Missing: return QStringLiteral("el archivo no existe");
    default: return QStringLiteral("el sistema no deja abrir el archivo");
    }
}

QString shownFolder(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absolutePath());
}

QString fileAndFolder(const QString& fileName)
{
    return QStringLiteral("\"%1\" de la carpeta \"%2\"").arg(QFileInfo(fileName).fileName(), shownFolder(fileName));
}

namespace storeMessages {

namespace {
QString nameOnly(const QString& path)
{
    return QFileInfo(path).fileName();
}
} // namespace

QString missingColumns(const QStringList& columns)
{
    return QStringLiteral("la tabla Pelis no tiene las columnas %1").arg(columns.join(QStringLiteral(", ")));
}

QString unusableTable(const QString& problem)
{
    return QStringLiteral("la tabla Pelis no se puede usar: %1").arg(problem);
}

QString sideFileStuck(const QString& sideFile)
{
    return QStringLiteral("a su lado hay un archivo \"%1\" que no se puede apartar para abrir el catálogo sin él")
        .arg(nameOnly(sideFile));
}

QString sideFileUnreadable(const QString& sideFile)
{
    return QStringLiteral("a su lado hay un archivo \"%1\" que no se puede leer").arg(nameOnly(sideFile));
}

QString cannotOpen(const QString& fileName, const QString& problem, const QString& changed)
{
    return QStringLiteral("No se puede abrir el catálogo %1: %2.\n\n%3").arg(fileAndFolder(fileName), problem, changed);
}

QString cannotCreate(const QString& fileName, const QString& problem)
{
    return QStringLiteral("No se puede crear el catálogo %1: %2.\n\nNo se ha creado ningún archivo.")
        .arg(fileAndFolder(fileName), problem);
}

QString cannotPrepare(const QString& fileName, const QString& problem)
{
    return QStringLiteral("No se puede preparar el catálogo %1 para guardar cambios: %2.\n\n%3")
        .arg(fileAndFolder(fileName), problem, kNothingChanged);
}

QString heldElsewhere(const QString& fileName)
{
    return QStringLiteral("El catálogo %1 ya está abierto en otra ventana de este programa. Sigue trabajando en esa "
                          "ventana, o ciérrala y vuelve a abrir el programa.\n\nEsta ventana se cierra sin haber "
                          "modificado nada.")
        .arg(fileAndFolder(fileName));
}

QString lastChangeUndone(const QString& fileName)
{
    return QStringLiteral("Al abrirlo se ha deshecho el último cambio, que había quedado a medias, con el diario de "
                          "cambios que había a su lado (\"%1-journal\"). No se ha modificado nada más.")
        .arg(nameOnly(fileName));
}

QString cannotRead(const QString& fileName, const QString& problem, const QString& changed)
{
    return QStringLiteral("No se puede leer el catálogo %1: %2.\n\n%3").arg(fileAndFolder(fileName), problem, changed);
}

QString foreignJournalSetAside(const QString& fileName, const QString& journal, const QString& keptAs)
{
    return QStringLiteral("Junto al catálogo %1 había un diario de cambios (\"%2\") que no pertenece a este archivo, "
                          "por ejemplo porque se ha copiado encima una copia de seguridad o otro catálogo. No se ha "
                          "aplicado: el catálogo se abre tal como está, y el diario se ha guardado aparte como \"%3\".")
        .arg(fileAndFolder(fileName), nameOnly(journal), nameOnly(keptAs));
}

QString olderLogRecovered(const QString& fileName, const QString& log, const QString& recovered)
{
    return QStringLiteral("Junto al catálogo %1 había un diario de escritura (\"%2\") de una versión anterior del "
                          "programa, con cambios que el catálogo no tiene. Como no se puede asegurar que sea de este "
                          "archivo, no se ha aplicado: el catálogo se abre tal como está, y lo que daría el diario se "
                          "ha guardado como otro catálogo, \"%3\", en la misma carpeta. Para usarlo, cierra el "
                          "programa y ponle el nombre \"%4\".")
        .arg(fileAndFolder(fileName), nameOnly(log), nameOnly(recovered), nameOnly(fileName));
}

QString olderLogSetAside(const QString& fileName, const QString& log, const QString& keptAs)
{
    return QStringLiteral("Junto al catálogo %1 había un diario de escritura (\"%2\") que no se puede aplicar a este "
                          "archivo. No se ha aplicado: el catálogo se abre tal como está, y el diario se ha guardado "
                          "aparte como \"%3\".")
        .arg(fileAndFolder(fileName), nameOnly(log), nameOnly(keptAs));
}

QString notOurs(const QString& fileName, NotOurs how)
{
    const QString nothingStored = QStringLiteral("No se ha guardado nada, ni ahí ni en ningún otro sitio. Cierra el "
                                                 "programa y vuelve a abrirlo para seguir con el catálogo que haya "
                                                 "ahora en la carpeta.");
    switch (how) {
    case NotOurs::Gone:
        return QStringLiteral("El archivo del catálogo %1 se ha borrado, movido o sustituido por otro mientras el "
                              "programa estaba abierto.\n\n%2")
            .arg(fileAndFolder(fileName), nothingStored);
    case NotOurs::Replaced:
        return QStringLiteral("El archivo del catálogo %1 se ha sustituido por otro mientras el programa estaba "
                              "abierto.\n\n%2")
            .arg(fileAndFolder(fileName), nothingStored);
    case NotOurs::ChangedElsewhere: break;
    }
    return QStringLiteral("Otro programa ha cambiado el catálogo %1 (o se ha copiado encima una copia de seguridad) "
                          "mientras el programa estaba abierto, y la ventana ya no muestra lo que hay en él.\n\n%2")
        .arg(fileAndFolder(fileName), nothingStored);
}

QString writeFailed(WriteKind kind, const QString& fileName, const QString& problem)
{
    const QString where = fileAndFolder(fileName);
    switch (kind) {
    case WriteKind::Save:
        return QStringLiteral("No se ha podido guardar la película en el catálogo %1: %2.\n\nNo se ha guardado nada: "
                              "el catálogo sigue como estaba.")
            .arg(where, problem);
    case WriteKind::Change:
        return QStringLiteral("No se ha podido guardar el cambio en el catálogo %1: %2.\n\nNo se ha guardado: el "
                              "catálogo sigue como estaba.")
            .arg(where, problem);
    case WriteKind::RemoveAll:
        return QStringLiteral("No se han podido borrar todas las películas del catálogo %1: %2.\n\nLas películas que "
                              "se ven ahora en la ventana siguen en el catálogo.")
            .arg(where, problem);
    case WriteKind::Remove: break;
    }
    return QStringLiteral("No se ha podido borrar la película del catálogo %1: %2.\n\nNo se ha borrado nada: el "
                          "catálogo sigue como estaba.")
        .arg(where, problem);
}

QString numberNotStorable(const QString& text, const QString& column, bool tooBig)
{
    return QStringLiteral("El valor \"%1\" de la columna %2 %3. No se ha guardado nada.")
        .arg(text, column,
             tooBig ? QStringLiteral("es un número demasiado grande para guardarlo")
                    : QStringLiteral("no es un número entero"));
}

} // namespace storeMessages

} // namespace catalogue

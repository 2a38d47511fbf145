#pragma once
// The Spanish words of the catalogue file's messages, in one place: what went
// wrong, said from SQLite's result code or the system's error, where the file
// lies, and the whole messages of opening, reading and writing it. No text of
// SQLite's or the system's own ever reaches the user. Every message speaks to
// the user as the program's own texts do, with "tú".

#include "FileHold.h"

#include <QString>
#include <QStringList>

#include <system_error>

namespace catalogue {

// What went wrong, as the end of a sentence: "el disco está lleno".
QString sqliteProblem(int extendedResultCode);
// The same for a file operation of the system's.
QString fileProblem(std::error_code error);
QString holdProblem(FileHold::Result result);
// The file and its folder: "\"Peliculas.mdb\" de la carpeta \"/home/ana/pelis\"".
QString fileAndFolder(const QString& fileName);
// The folder alone, as the system writes it.
QString shownFolder(const QString& fileName);

namespace storeMessages {

inline const QString kNothingChanged = QStringLiteral("No se ha modificado nada.");

// Problems of an opening, each the end of a sentence.
inline const QString kFolderNotWritable = QStringLiteral("la carpeta no existe o no se puede escribir en ella");
inline const QString kNotADatabase =
    QStringLiteral("no es un catálogo de películas: no es una base de datos que este programa sepa leer");
inline const QString kNoPelisTable = QStringLiteral("no es un catálogo de películas: no tiene la tabla Pelis");
inline const QString kReadOnlyFile =
    QStringLiteral("el archivo es de sólo lectura y el catálogo necesita guardar los cambios");
inline const QString kReadOnlyFolder =
    QStringLiteral("la carpeta es de sólo lectura, y el catálogo necesita escribir en ella mientras guarda un cambio");
inline const QString kOlderLogKept =
    QStringLiteral("no se puede dejar de usar el diario de escritura de una versión anterior");
QString missingColumns(const QStringList& columns);
QString unusableTable(const QString& problem);
QString sideFileStuck(const QString& sideFile);
QString sideFileUnreadable(const QString& sideFile);

// Whole messages of an opening; `changed` says what the opening has changed, if anything.
QString cannotOpen(const QString& fileName, const QString& problem, const QString& changed = kNothingChanged);
QString cannotCreate(const QString& fileName, const QString& problem);
QString cannotPrepare(const QString& fileName, const QString& problem);
QString heldElsewhere(const QString& fileName);
QString lastChangeUndone(const QString& fileName);
QString cannotRead(const QString& fileName, const QString& problem, const QString& changed);

// What was found beside the file and done with it.
QString foreignJournalSetAside(const QString& fileName, const QString& journal, const QString& keptAs);
QString olderLogRecovered(const QString& fileName, const QString& log, const QString& recovered);
QString olderLogSetAside(const QString& fileName, const QString& log, const QString& keptAs);

// The file stopped being the one the program opened: nothing is written.
enum class NotOurs { Gone, Replaced, ChangedElsewhere };
QString notOurs(const QString& fileName, NotOurs how);

// A write that failed, and changed nothing (a clear-all keeps what is still shown).
enum class WriteKind { Save, Change, Remove, RemoveAll };
QString writeFailed(WriteKind kind, const QString& fileName, const QString& problem);
QString numberNotStorable(const QString& text, const QString& column, bool tooBig);

} // namespace storeMessages

} // namespace catalogue

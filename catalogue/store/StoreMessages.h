#pragma once
// The Spanish words of the store's messages: what went wrong, said from
// SQLite's result code, and where the catalogue lies. No text of SQLite's own
// ever reaches the user.

#include <QString>

namespace catalogue {

// What went wrong, as the end of a sentence: "el disco está lleno".
QString sqliteProblem(int extendedResultCode);
// The file and its folder: "\"Peliculas.mdb\" de la carpeta \"/home/ana/pelis\"".
QString fileAndFolder(const QString& fileName);

} // namespace catalogue

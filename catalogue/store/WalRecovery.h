#pragma once
// A write-ahead log ("Peliculas.mdb-wal") left by an older version of the
// program, which kept its latest saves there. Nothing in such a log ties it
// to one file, so it is never applied to the catalogue itself: it is applied
// to a private copy instead, and when that gives films the catalogue does not
// have, the copy is kept beside the catalogue as a catalogue of its own.

#include <QString>

namespace catalogue {

class SqliteDatabase;

struct WalRecovery {
    enum class Kind { NothingNew, Recovered, Failed };
    Kind kind = Kind::Failed;
    QString recoveredFile; // set when Recovered
};

// `catalogue` is open on `catalogueFile`; `wal` is the log, already set aside.
WalRecovery recoverFromWal(const QString& catalogueFile, const QString& wal, SqliteDatabase& catalogue);

} // namespace catalogue

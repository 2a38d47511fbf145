#pragma once
// A rollback journal ("Peliculas.mdb-journal") found beside the catalogue
// before it is opened. After a crash in the middle of a write it holds the
// pages as they were before that write, and SQLite plays them back into
// whatever file then has the catalogue's name, first cutting that file to the
// journal's original size. Played onto a backup or onto another catalogue
// copied in its place, it would roll the backup back or damage the file.
//
// Every catalogue carries a random identity in its header (user_version),
// and every write of the program changes the first page first, so the
// journal's first record is the first page as it was. Copies of one catalogue
// share the identity, though, and their change counters may meet; so every
// write also marks the first page with the random seed SQLite drew for its
// journal (application_id), which no other write shares. A journal is the
// file's own when the crash came before the write reached the file's first
// page, and the file still starts with the very page the journal saved; or
// when it came after, and the file's first page carries the journal's seed,
// one change after the saved page, with the file's identity (or the identity
// this very write was giving a file that had none).

#include <QByteArray>

#include <cstdint>

class QIODevice;

namespace catalogue {

enum class JournalVerdict {
    NothingToPlay, // SQLite would neither play it back nor cut the file
    FilesOwn,      // what a crash of this very file left: SQLite plays it back
    NotFilesOwn,   // it must not reach the file
};

// `fileStart` is the start of the catalogue file: at least its first page,
// kMaxPageSize bytes or the whole of a shorter file.
JournalVerdict judgeLeftoverJournal(QIODevice& journal, const QByteArray& fileStart);

// The fields of a database header that tie a journal to its file.
inline constexpr int kHeaderSize = 100;
inline constexpr int kMaxPageSize = 65536;
std::uint32_t changeCounterOf(const QByteArray& header);
std::uint32_t identityOf(const QByteArray& header);
std::uint32_t writeMarkOf(const QByteArray& header);
// The header starts as every SQLite database does.
bool startsAsSqlite(const QByteArray& header);

} // namespace catalogue

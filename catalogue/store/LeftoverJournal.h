#pragma once
// A rollback journal ("Peliculas.mdb-journal") found beside the catalogue
// before it is opened. After a crash in the middle of a write it holds the
// pages as they were before that write, and SQLite plays them back into
// whatever file then has the catalogue's name, first cutting that file to the
// journal's original size. Played onto a backup or onto another catalogue
// copied in its place, it would roll the backup back or damage the file.
//
// Every catalogue carries a random identity in its header (user_version),
// every write of the program changes the first page first, so the journal's
// first record is the first page as it was, and SQLite counts every write in
// the header's change counter. A journal is the file's own when its copy of
// the first page has a change counter equal to the file's, or one less when
// the crash came after the file's first page was already written, and the
// file's identity; or no identity yet, when the crash came in the write that
// was giving the file its identity (a file of an older version of the
// program, whose only proof is then the counter).

#include <QByteArray>

#include <cstdint>

class QIODevice;

namespace catalogue {

enum class JournalVerdict {
    NothingToPlay, // SQLite would neither play it back nor cut the file
    FilesOwn,      // what a crash of this very file left: SQLite plays it back
    NotFilesOwn,   // it must not reach the file
};

// `fileHeader` is the catalogue file's first 100 bytes (fewer for a shorter file).
JournalVerdict judgeLeftoverJournal(QIODevice& journal, const QByteArray& fileHeader);

// The fields of a database header that tie a journal to its file.
inline constexpr int kHeaderSize = 100;
std::uint32_t changeCounterOf(const QByteArray& header);
std::uint32_t identityOf(const QByteArray& header);

} // namespace catalogue

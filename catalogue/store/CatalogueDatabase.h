#pragma once
// The catalogue file: one SQLite database holding table Pelis. Opening never
// creates, truncates or repairs a file the user already has; a missing file
// becomes a new, empty catalogue.
//
// The program holds the file for itself while it is open, so a second copy
// of the program is refused. Changes go through SQLite's rollback journal and
// are flushed to disk before a write returns: between commands the file
// alone holds every film, and after a crash the journal undoes the change
// that was being made. Before each write the catalogue makes sure the file is
// still the one it opened and that nobody else has written to it.

#include "Field.h"
#include "FileHold.h"
#include "FileIdentity.h"
#include "Opening.h"
#include "PackedRow.h"
#include "Sqlite.h"
#include "StoreMessages.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace catalogue {

struct StoredRow {
    std::int64_t rowid = 0;
    PackedRow values;
};

class CatalogueDatabase {
public:
    // Reads and checks; writes nothing to a file the user already has.
    static Opening<CatalogueDatabase> open(const QString& fileName);
    // A new, empty catalogue in a file that does not exist yet, or that the
    // caller has just created empty and holds (a file it will put in place later).
    static Opening<CatalogueDatabase> create(const QString& fileName);
    // Once the catalogue has been read whole: leaves the write-ahead log of
    // older versions for the rollback journal and deals with what was set
    // aside beside the file. Returns what the user must be told; throws
    // CatalogueError when the file cannot be made ready for writing. The first
    // write does it too, for callers that never ask.
    QStringList finishOpening();
    // A catalogue that was never finished opening was refused: what was set
    // aside beside it goes back.
    ~CatalogueDatabase();

    // Every row in the order of addition.
    std::vector<StoredRow> loadAll();
    // Whether the rows must be read again: another program (or another
    // connection) wrote to the file since the last loadAll, or a write of
    // this one was undone. This connection's own writes do not count.
    bool changedElsewhere();
    // Each write is one committed transaction: durable when it returns. A
    // write that fails changes nothing and throws CatalogueError with the whole
    // Spanish message.
    std::int64_t insert(const MovieRecord& values);
    // Many rows in one transaction, for generated catalogues.
    void insertAll(const std::vector<MovieRecord>& rows);
    // The same for rows brought in from another catalogue: a number field
    // that does not read as a whole number keeps its text instead of being
    // refused, so that nothing typed in the other catalogue is lost.
    void insertAllKeepingText(const std::vector<MovieRecord>& rows);
    void remove(std::int64_t rowid);
    void updateField(std::int64_t rowid, Field field, const QString& text);

    const QString& fileName() const { return fileName_; }

    // For a long run of removals (clearing the whole catalogue): they are
    // committed in batches of about half a second, each durable once
    // committed, so a crash part-way leaves the films not yet removed.
    // commit() commits the batch in progress; whatever is not committed when
    // the object goes is undone, and the rows must then be read again.
    class BulkWrites {
    public:
        explicit BulkWrites(CatalogueDatabase& db);
        BulkWrites(const BulkWrites&) = delete;
        ~BulkWrites();
        void commit();

    private:
        CatalogueDatabase& db_;
    };

private:
    using Opened = Opening<CatalogueDatabase>;

    CatalogueDatabase() = default;
    // Opening and checking the file (CatalogueFileOpening.cpp).
    static Opened create(std::unique_ptr<CatalogueDatabase> cat, bool emptyFileIsNew);
    static Opened openExisting(std::unique_ptr<CatalogueDatabase> cat);
    std::optional<Opened> holdRefused(const FileHold::Taken& taken, bool creating) const;
    std::optional<QString> tableProblem();
    std::optional<QString> writingProblem();
    void configure();
    QString changedSoFar() const;

    // The write transaction (WriteTransaction.cpp).
    void write(storeMessages::WriteKind kind, const std::function<void()>& body);
    void beginWrite();
    void commitWrite();
    void undoWrite();
    void markThisWrite();
    storeMessages::WriteKind failingKind() const;

    void bindValue(SqliteStatement& stmt, int index, Field field, const QString& text);
    QString quotedColumn(Field f) const;
    std::int64_t dataVersion();

    // Declared first, so that it is let go only after SQLite has closed the file.
    std::unique_ptr<FileHold> hold_;
    QString fileName_;
    SqliteDatabase db_;
    std::array<QString, fieldCount> columns_;        // the names as the file spells them
    std::unique_ptr<class LeftoverFiles> leftovers_; // until the opening is finished
    FileIdentity identity_;
    std::optional<SqliteStatement> touch_;
    std::optional<SqliteStatement> insert_;
    std::optional<SqliteStatement> remove_;
    std::array<std::optional<SqliteStatement>, fieldCount> update_;

    std::optional<std::int64_t> loadedVersion_;
    bool inWrite_ = false;
    storeMessages::WriteKind lastWrite_ = storeMessages::WriteKind::Save;
    int bulkDepth_ = 0;
    bool keepUnreadableNumbers_ = false;
    QElapsedTimer batchAge_;
    std::int64_t batchRows_ = 0;
};

} // namespace catalogue

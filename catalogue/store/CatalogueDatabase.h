#pragma once
// The catalogue file: one SQLite database holding table Pelis. Opening never
// creates, truncates or repairs a file the user already has; a missing file
// becomes a new, empty catalogue.

#include "Field.h"
#include "PackedRow.h"
#include "Sqlite.h"

#include <QString>

#include <array>
#include <cstdint>
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
    struct OpenResult {
        std::unique_ptr<CatalogueDatabase> database; // null on failure
        QString error;                               // Spanish, names the file and the problem
    };

    static OpenResult open(const QString& fileName);
    // A new, empty catalogue in a file that does not exist yet or is empty
    // (one a caller has just created for itself).
    static OpenResult create(const QString& fileName);

    // Every row in the order of addition.
    std::vector<StoredRow> loadAll();
    // Whether another program (or another connection) wrote to the file since
    // the last loadAll; this connection's own writes do not count.
    bool changedElsewhere();
    // Each write is one committed transaction: durable when it returns.
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

    // For a long run of writes (clearing the whole catalogue): each write still
    // survives a crash of the program as soon as it returns, but the disk is
    // flushed once at the end instead of after every row.
    class BulkWrites {
    public:
        explicit BulkWrites(CatalogueDatabase& db);
        BulkWrites(const BulkWrites&) = delete;
        ~BulkWrites();

    private:
        CatalogueDatabase& db_;
    };

private:
    CatalogueDatabase() = default;
    void bindValue(SqliteStatement& stmt, int index, Field field, const QString& text);
    QString quotedColumn(Field f) const;
    void setFlushEveryWrite(bool flush);
    int bulkDepth_ = 0;
    bool keepUnreadableNumbers_ = false;
    std::int64_t dataVersion();
    std::optional<std::int64_t> loadedVersion_;

    QString fileName_;
    SqliteDatabase db_;
    std::array<QString, fieldCount> columns_; // the names as the file spells them
    std::optional<SqliteStatement> insert_;
    std::optional<SqliteStatement> remove_;
    std::array<std::optional<SqliteStatement>, fieldCount> update_;
};

// Parses a whole number as the user types it; surrounding blanks are forgiven.
std::optional<std::int64_t> parseWholeNumber(const QString& text);
// The text a stored value reads back as: whole numbers in plain decimal form.
QString storedForm(Field field, const QString& text);

} // namespace catalogue

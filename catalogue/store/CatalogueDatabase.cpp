// The rows of the catalogue file: reading them all, and the statements of
// each write. Opening the file is in CatalogueFileOpening.cpp, the write
// transaction around every write in WriteTransaction.cpp.
#include "CatalogueDatabase.h"
#include "CatalogueError.h"
#include "FieldValues.h"
#include "LeftoverJournal.h"

namespace catalogue {

using namespace storeMessages;

namespace {
// Removals of "Borrar Todo" are committed about this often.
constexpr qint64 batchMilliseconds = 500;
} // namespace

QString CatalogueDatabase::quotedColumn(Field f) const
{
    QString name = columns_[indexOf(f)];
    name.replace(u'"', QStringLiteral("\"\""));
    return u'"' + name + u'"';
}

std::int64_t CatalogueDatabase::dataVersion()
{
    SqliteStatement version = db_.prepare(QStringLiteral("PRAGMA data_version"));
    return version.step() ? version.columnInt(0) : -1;
}

bool CatalogueDatabase::changedElsewhere()
{
    try {
        return !loadedVersion_ || *loadedVersion_ != dataVersion();
    } catch (const CatalogueError& e) {
        throw CatalogueError(cannotRead(fileName_, e.message(), changedSoFar()), e.code());
    }
}

std::vector<StoredRow> CatalogueDatabase::loadAll()
{
    QStringList columns;
    for (Field f : allFields)
        columns << quotedColumn(f);
    std::vector<StoredRow> rows;
    try {
        loadedVersion_ = dataVersion();
        db_.exec("BEGIN");
        SqliteStatement select =
            db_.prepare(QStringLiteral("SELECT rowid, %1 FROM Pelis ORDER BY rowid").arg(columns.join(u',')));
        while (select.step()) {
            rows.push_back(StoredRow{select.columnInt(0), PackedRow::fromUtf8([&](Field f) {
                                         return select.columnUtf8(int(indexOf(f)) + 1);
                                     })});
        }
        // Read while nobody can write: these rows are what this header describes.
        const QByteArray header = hold_->head(kHeaderSize);
        db_.exec("COMMIT");
        identity_.readWhole(header, hold_->stillAtPath());
    } catch (const CatalogueError& e) {
        loadedVersion_.reset();
        db_.rollbackQuietly();
        throw CatalogueError(cannotRead(fileName_, e.message(), changedSoFar()), e.code());
    }
    return rows;
}

void CatalogueDatabase::bindValue(SqliteStatement& stmt, int index, Field field, const QString& text)
{
    if (!isWholeNumber(field)) {
        stmt.bind(index, storedForm(field, text));
        return;
    }
    if (text.trimmed().isEmpty()) {
        stmt.bindNull(index);
        return;
    }
    const auto number = parseWholeNumber(text);
    if (!number && keepUnreadableNumbers_) {
        stmt.bind(index, withoutControls(text));
        return;
    }
    if (!number)
        throw CatalogueError(numberNotStorable(text, columnName(field), isTooBigWholeNumber(text)));
    stmt.bind(index, *number);
}

void CatalogueDatabase::insertAll(const std::vector<MovieRecord>& rows)
{
    BulkWrites bulk(*this);
    for (const MovieRecord& row : rows)
        insert(row);
    bulk.commit();
}

void CatalogueDatabase::insertAllKeepingText(const std::vector<MovieRecord>& rows)
{
    keepUnreadableNumbers_ = true;
    try {
        insertAll(rows);
    } catch (...) {
        keepUnreadableNumbers_ = false;
        throw;
    }
    keepUnreadableNumbers_ = false;
}

std::int64_t CatalogueDatabase::insert(const MovieRecord& values)
{
    std::int64_t rowid = 0;
    write(WriteKind::Save, [&] {
        if (!insert_) {
            QStringList columns, marks;
            for (Field f : allFields) {
                columns << quotedColumn(f);
                marks << QStringLiteral("?");
            }
            insert_ = db_.prepare(
                QStringLiteral("INSERT INTO Pelis (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')));
        }
        for (Field f : allFields)
            bindValue(*insert_, int(indexOf(f)) + 1, f, values[indexOf(f)]);
        insert_->run();
        rowid = db_.lastInsertRowId();
    });
    return rowid;
}

void CatalogueDatabase::remove(std::int64_t rowid)
{
    write(WriteKind::Remove, [&] {
        if (!remove_)
            remove_ = db_.prepare(QStringLiteral("DELETE FROM Pelis WHERE rowid = ?"));
        remove_->bind(1, rowid);
        remove_->run();
        ++batchRows_;
        if (bulkDepth_ > 0 && batchAge_.elapsed() >= batchMilliseconds)
            commitWrite();
    });
}

void CatalogueDatabase::updateField(std::int64_t rowid, Field field, const QString& text)
{
    write(WriteKind::Change, [&] {
        auto& stmt = update_[indexOf(field)];
        if (!stmt)
            stmt = db_.prepare(QStringLiteral("UPDATE Pelis SET %1 = ? WHERE rowid = ?").arg(quotedColumn(field)));
        bindValue(*stmt, 1, field, text);
        stmt->bind(2, rowid);
        stmt->run();
    });
}

} // namespace catalogue

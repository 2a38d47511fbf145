#include "CatalogueDatabase.h"
#include "StoreError.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace catalogue {

namespace {

const char* const schema =
    "CREATE TABLE Pelis ("
    " idzefo INTEGER,"
    " titulo TEXT,"
    " \"duración\" TEXT,"
    " tipopeli TEXT,"
    " director TEXT,"
    " totalcds INTEGER,"
    " codec TEXT)";

QString describe(const QString& fileName, const QString& problem)
{
    const QFileInfo info(fileName);
    return QStringLiteral("No se puede abrir el catálogo \"%1\" de la carpeta \"%2\": %3\n\n"
                          "El archivo no se ha modificado.")
        .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), problem);
}

// Chooses a journal that keeps each write cheap and the file consistent after any crash.
void useWriteAheadLog(SqliteDatabase& db)
{
    SqliteStatement mode = db.prepare(QStringLiteral("PRAGMA journal_mode=WAL"));
    if (!mode.step() || mode.columnText(0).compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        throw StoreError(QStringLiteral("no se puede preparar el diario de escritura (¿carpeta de sólo lectura?)"));
    mode.reset();
    db.exec("PRAGMA synchronous=FULL");
    // Reading the whole table on every refresh is cheapest straight from the mapped file.
    db.exec("PRAGMA mmap_size=1073741824");
    db.exec("PRAGMA cache_size=-32768");
}

} // namespace

std::optional<std::int64_t> parseWholeNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString storedForm(Field field, const QString& text)
{
    if (!isWholeNumber(field) || text.trimmed().isEmpty())
        return isWholeNumber(field) ? QString() : text;
    const auto number = parseWholeNumber(text);
    return number ? QString::number(*number) : text;
}

CatalogueDatabase::OpenResult CatalogueDatabase::open(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    const QFileInfo info(fileName);

    if (!info.exists() && !info.isSymLink()) {
        const QFileInfo folder(info.absolutePath());
        if (!folder.isDir() || !folder.isWritable())
            return {nullptr, QStringLiteral("No se puede crear el catálogo \"%1\" en la carpeta \"%2\": "
                                            "la carpeta no existe o no se puede escribir en ella.")
                                 .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()))};
        return create(fileName);
    }

    if (info.isDir())
        return {nullptr, describe(fileName, QStringLiteral("es una carpeta, no un archivo."))};
    if (!info.isReadable())
        return {nullptr, describe(fileName, QStringLiteral("no hay permiso para leer el archivo."))};
    if (cat->db_.open(fileName, SqliteDatabase::Mode::OpenExisting) != SQLITE_OK)
        return {nullptr, describe(fileName, cat->db_.lastError())};

    // Reading the schema is the first moment SQLite looks inside the file.
    try {
        SqliteStatement tables = cat->db_.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name='Pelis' COLLATE NOCASE"));
        if (!tables.step())
            return {nullptr, describe(fileName, QStringLiteral("no es un catálogo de películas: no tiene la tabla Pelis."))};
    } catch (const StoreError&) {
        if ((cat->db_.lastErrorCode() & 0xFF) == SQLITE_NOTADB)
            return {nullptr, describe(fileName, QStringLiteral("no es un catálogo de películas: no es una base de datos que este programa sepa leer."))};
        return {nullptr, describe(fileName, cat->db_.lastError())};
    }

    try {
        SqliteStatement info = cat->db_.prepare(QStringLiteral("PRAGMA table_info(Pelis)"));
        while (info.step()) {
            const QString name = info.columnText(1);
            if (const auto f = fieldForColumn(name))
                cat->columns_[indexOf(*f)] = name;
        }
        QStringList missing;
        for (Field f : allFields)
            if (cat->columns_[indexOf(f)].isEmpty())
                missing << columnName(f);
        if (!missing.isEmpty())
            return {nullptr, describe(fileName, QStringLiteral("la tabla Pelis no tiene las columnas %1.")
                                                    .arg(missing.join(QStringLiteral(", "))))};
        cat->db_.prepare(QStringLiteral("SELECT rowid FROM Pelis LIMIT 0"));
    } catch (const StoreError&) {
        return {nullptr, describe(fileName, QStringLiteral("la tabla Pelis no se puede usar: %1").arg(cat->db_.lastError()))};
    }

    if (cat->db_.isReadOnly() || !info.isWritable())
        return {nullptr, describe(fileName, QStringLiteral("el archivo es de sólo lectura y el catálogo necesita guardar los cambios."))};
    try {
        cat->db_.exec("BEGIN IMMEDIATE");
        cat->db_.exec("ROLLBACK");
        useWriteAheadLog(cat->db_);
    } catch (const StoreError& e) {
        return {nullptr, describe(fileName, QStringLiteral("no se puede escribir en él: %1").arg(e.message()))};
    }
    return {std::move(cat), {}};
}

CatalogueDatabase::OpenResult CatalogueDatabase::create(const QString& fileName)
{
    std::unique_ptr<CatalogueDatabase> cat(new CatalogueDatabase);
    cat->fileName_ = fileName;
    const QFileInfo info(fileName);
    if (cat->db_.open(fileName, SqliteDatabase::Mode::CreateIfMissing) != SQLITE_OK)
        return {nullptr, QStringLiteral("No se puede crear el catálogo \"%1\": %2")
                             .arg(info.fileName(), cat->db_.lastError())};
    try {
        useWriteAheadLog(cat->db_);
        cat->db_.exec(schema);
    } catch (const StoreError& e) {
        return {nullptr, QStringLiteral("No se puede crear el catálogo \"%1\": %2")
                             .arg(info.fileName(), e.message())};
    }
    for (Field f : allFields)
        cat->columns_[indexOf(f)] = columnName(f);
    return {std::move(cat), {}};
}

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
    return !loadedVersion_ || *loadedVersion_ != dataVersion();
}

std::vector<StoredRow> CatalogueDatabase::loadAll()
{
    loadedVersion_ = dataVersion();
    QStringList columns;
    for (Field f : allFields)
        columns << quotedColumn(f);
    SqliteStatement select = db_.prepare(
        QStringLiteral("SELECT rowid, %1 FROM Pelis ORDER BY rowid").arg(columns.join(u',')));
    std::vector<StoredRow> rows;
    while (select.step()) {
        rows.push_back(StoredRow{select.columnInt(0), PackedRow::fromUtf8([&](Field f) {
                                     return select.columnUtf8(int(indexOf(f)) + 1);
                                 })});
    }
    return rows;
}

void CatalogueDatabase::bindValue(SqliteStatement& stmt, int index, Field field, const QString& text)
{
    if (!isWholeNumber(field)) {
        stmt.bind(index, text);
        return;
    }
    if (text.trimmed().isEmpty()) {
        stmt.bindNull(index);
        return;
    }
    const auto number = parseWholeNumber(text);
    if (!number && keepUnreadableNumbers_) {
        stmt.bind(index, text);
        return;
    }
    if (!number)
        throw StoreError(QStringLiteral("El valor \"%1\" de la columna %2 no es un número entero.")
                             .arg(text, columnName(field)));
    stmt.bind(index, *number);
}

void CatalogueDatabase::insertAll(const std::vector<MovieRecord>& rows)
{
    db_.exec("BEGIN");
    try {
        for (const MovieRecord& row : rows)
            insert(row);
        db_.exec("COMMIT");
    } catch (...) {
        db_.exec("ROLLBACK");
        throw;
    }
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

void CatalogueDatabase::setFlushEveryWrite(bool flush)
{
    db_.exec(flush ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
}

CatalogueDatabase::BulkWrites::BulkWrites(CatalogueDatabase& db) : db_(db)
{
    if (db_.bulkDepth_++ == 0)
        db_.setFlushEveryWrite(false);
}

CatalogueDatabase::BulkWrites::~BulkWrites()
{
    if (--db_.bulkDepth_ > 0)
        return;
    try {
        // A checkpoint flushes the journal and the file to disk.
        db_.setFlushEveryWrite(true);
        db_.db_.exec("PRAGMA wal_checkpoint(PASSIVE)");
    } catch (const StoreError&) {
        // Every row was already committed; only the final flush could not run.
    }
}

std::int64_t CatalogueDatabase::insert(const MovieRecord& values)
{
    if (!insert_) {
        QStringList columns, marks;
        for (Field f : allFields) {
            columns << quotedColumn(f);
            marks << QStringLiteral("?");
        }
        insert_ = db_.prepare(QStringLiteral("INSERT INTO Pelis (%1) VALUES (%2)")
                                  .arg(columns.join(u','), marks.join(u',')));
    }
    for (Field f : allFields)
        bindValue(*insert_, int(indexOf(f)) + 1, f, values[indexOf(f)]);
    insert_->run();
    return db_.lastInsertRowId();
}

void CatalogueDatabase::remove(std::int64_t rowid)
{
    if (!remove_)
        remove_ = db_.prepare(QStringLiteral("DELETE FROM Pelis WHERE rowid = ?"));
    remove_->bind(1, rowid);
    remove_->run();
}

void CatalogueDatabase::updateField(std::int64_t rowid, Field field, const QString& text)
{
    auto& stmt = update_[indexOf(field)];
    if (!stmt)
        stmt = db_.prepare(QStringLiteral("UPDATE Pelis SET %1 = ? WHERE rowid = ?").arg(quotedColumn(field)));
    bindValue(*stmt, 1, field, text);
    stmt->bind(2, rowid);
    stmt->run();
}

} // namespace catalogue

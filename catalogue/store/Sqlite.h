#pragma once
// A thin RAII layer over SQLite's C API: a connection and a prepared statement.
// Every failing call throws CatalogueError with SQLite's result code and its
// Spanish words, so callers cannot forget to check a result.

#include "CatalogueError.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace catalogue {

class SqliteStatement;

class SqliteDatabase {
public:
    enum class Mode { OpenExisting, CreateIfMissing };

    // Returns the SQLite result code of the open; the connection is usable only on SQLITE_OK.
    int open(const QString& fileName, Mode mode);
    ~SqliteDatabase();
    SqliteDatabase() = default;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    void close();
    void exec(const char* sql);
    // Undoes the transaction in progress, if any; a failure to undo has no
    // message of its own to give, and SQLite undoes it at the next start anyway.
    void rollbackQuietly();
    // The first column of the first row (a pragma's answer); empty without rows.
    QString firstText(const char* sql);
    SqliteStatement prepare(const QString& sql);
    bool isReadOnly() const;
    std::int64_t lastInsertRowId() const;
    int lastErrorCode() const;
    // The random number SQLite drew for the rollback journal of the write in
    // progress (its checksum seed); 0 outside a write or when it cannot be read.
    std::uint32_t journalSeed() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement(SqliteDatabase& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    ~SqliteStatement();

    void bind(int index, const QString& text);
    void bind(int index, std::int64_t value);
    void bindNull(int index);

    // Steps once: true while a row is available, false when done.
    bool step();
    // Runs a statement that returns no rows and resets it for the next use.
    void run();
    void reset();

    bool isNull(int column) const;
    std::int64_t columnInt(int column) const;
    QString columnText(int column) const;
    std::string_view columnUtf8(int column) const;
    int columnType(int column) const;
    int columnCount() const;

private:
    SqliteDatabase* db_;
    sqlite3_stmt* stmt_;
};

} // namespace catalogue
